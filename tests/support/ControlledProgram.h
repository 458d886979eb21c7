#pragma once
// The real program with phone control switched on, mirroring on loopback, on a private system
// bus where BlueZ's stand-in answers, and its local web service.

#include "BluezStandIn.h"
#include "support/ApiServerProcess.h"
#include "support/PivoraProcess.h"
#include "support/PrivateBus.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class ControlledProgram {
    // First, so that it goes last: the program and the stand-in leave the bus before it ends.
    QTemporaryDir m_home;
    PrivateBus m_bus;
    ApiServerProcess m_api;

public:
    // Empty when everything runs, else what did not.
    QString start()
    {
        if (!m_home.isValid() || !m_bus.start())
            return "no private folder or bus";
        bluez = std::make_unique<bluezstandin::BluezStandIn>(m_bus.address().toStdString());
        if (!writeSettings())
            return "the settings could not be written";
        if (!m_api.start())
            return "pivora-api did not start";
        QProcessEnvironment env;
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address());
        app = std::make_unique<PivoraProcess>(m_home.path(), m_api.url(), env);
        if (!app->start() || !QTest::qWaitFor([this] { return log().contains("Services started"); }, 30000))
            return "the program did not start its services";
        const QRegularExpressionMatch ports = QRegularExpression("Receiver started on ports (\\d+)").match(log());
        if (!ports.hasMatch())
            return "the receiver did not start";
        port = ports.captured(1);
        return {};
    }
    QString log() const { return app ? app->logText() : QString(); }

    std::unique_ptr<bluezstandin::BluezStandIn> bluez;
    std::unique_ptr<PivoraProcess> app;
    QString port;

private:
    bool writeSettings() const
    {
        QDir().mkpath(m_home.path() + "/pivora");
        QFile settings(m_home.path() + "/pivora/userdefaults.conf");
        const QJsonObject options { { "iosDevice", QJsonObject { { "enableHID", true } } },
            { "androidDevice", QJsonObject { { "wiredHID", true } } } };
        return settings.open(QIODevice::WriteOnly)
            && settings.write(QJsonDocument(QJsonObject { { "options", options } }).toJson()) > 0;
    }
};
