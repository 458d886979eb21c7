// The home screen of the real program on a desktop with a window manager, used as a user would:
// what it shows, minimising while phones mirror and coming back when they leave, and the close
// button asking, being cancelled, quitting with the answer remembered, and quitting at once
// while a phone still mirrors.

#include "app/PVNetworkInfo.h"
#include "support/ApiServerProcess.h"
#include "support/Desktop.h"
#include "support/PivoraProcess.h"
#include "support/PrivateBus.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using desktop::windowState;
using desktop::xdotool;

namespace {

constexpr int kWaitMs = 30000;

QString castProgram()
{
    return qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-cast";
}

std::unique_ptr<QProcess> startPhone(const QString& port, const QString& id, int kind, int seconds)
{
    auto phone = std::make_unique<QProcess>();
    phone->start(castProgram(), {"--port", port, "--id", id, "--name", id, "--kind", QString::number(kind),
                                    "--pattern", "320x240@30", "--duration", QString::number(seconds)});
    return phone;
}

// The home screen's window: titled "Pivora" and exactly 1100 × 620 (alerts share the title).
QString homeWindow()
{
    const QStringList windows = xdotool({"search", "--name", "^Pivora$"}).split('\n', Qt::SkipEmptyParts);
    for (const QString& w : windows) {
        if (xdotool({"getwindowgeometry", w}).contains("Geometry: 1100x620"))
            return w;
    }
    return QString();
}

QPoint windowPosition(const QString& window)
{
    const QRegularExpressionMatch m =
        QRegularExpression("Position: (-?\\d+),(-?\\d+)").match(xdotool({"getwindowgeometry", window}));
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt()) : QPoint();
}

// The close button sits in the title bar's top-right corner, 32 × 32.
void clickClose(const QString& window)
{
    const QPoint at = windowPosition(window) + QPoint(1100 - 16, 16);
    // Without --sync: the pointer may already be there, and the server keeps the order anyway.
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// The receiver's first port as the latest start logged it (runs of a day share one log).
QString lastPort(const QString& log)
{
    QString port;
    QRegularExpressionMatchIterator it = QRegularExpression("Receiver started on ports (\\d+)").globalMatch(log);
    while (it.hasNext())
        port = it.next().captured(1);
    return port;
}

void writeSettings(const QString& dataDir, const QString& closingAction)
{
    QDir().mkpath(dataDir);
    QFile file(dataDir + "/userdefaults.conf");
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QJsonObject general{{"lang", "en-us"}, {"closingAction", closingAction}};
    file.write(QJsonDocument(QJsonObject{{"options", QJsonObject{{"general", general}}}}).toJson());
}

QString storedClosingAction(const QString& dataDir)
{
    QFile file(dataDir + "/userdefaults.conf");
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QJsonDocument::fromJson(file.readAll())
        .object()["options"]
        .toObject()["general"]
        .toObject()["closingAction"]
        .toString();
}

} // namespace

class TestHomeProcess : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_home;
    desktop::WindowManager m_wm;
    PrivateBus m_bus;
    ApiServerProcess m_api;

    QString dataDir() const { return m_home.path() + "/pivora"; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env;
        // NetworkManager is looked for on a bus of the test's own, where it does not run.
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address());
        env.insert("SDL_AUDIODRIVER", "dummy");
        return env;
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariable("PIVORA_BIN_DIR").isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
        for (const char* tool : {"openbox", "xdotool", "xprop"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed").arg(tool)));
        }
        QVERIFY(m_home.isValid());
        QVERIFY2(m_wm.start(), "openbox did not start");
        QVERIFY2(m_bus.start(), "dbus-daemon did not start");
        QVERIFY2(m_api.start(), "pivora-api did not start");
    }

    void homeScreenFollowsPhonesAndCloses()
    {
        writeSettings(dataDir(), "askfirst");
        PivoraProcess app(m_home.path(), m_api.url(), environment());
        QVERIFY(app.start());
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("Services started"), kWaitMs);
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = homeWindow()).isEmpty(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QString("Normal"), kWaitMs);
        QCOMPARE(desktop::xprop(window, "PivoraVideo"), QString("PivoraVideo(CARDINAL) = 4294967295"));

        // What phones see it as, this machine's address, and with no NetworkManager the adapter.
        const PVNetworkAdapter adapter = PVNetworkInfo::chosenAdapter();
        const QString shown = QString("Home screen: receiver \"Pivora-(%1)\", address \"%2\" (%3), Wi-Fi \"%4\"")
                                  .arg(QHostInfo::localHostName(), adapter.address,
                                      adapter.isValid() ? adapter.name : "no adapter", adapter.friendlyName);
        QVERIFY2(app.logText().contains(shown), qPrintable(shown));

        // Two phones connect together: the home screen gets out of the way once, and comes back
        // when both have left.
        const QString port = lastPort(app.logText());
        QVERIFY(!port.isEmpty());
        auto first = startPhone(port, "home-a", 1, 4);
        auto second = startPhone(port, "home-b", 3, 4);
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("Phone connected: channel home-b"), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QString("Iconic"), kWaitMs);
        QCOMPARE(app.logText().count("Home screen minimized: a phone connected"), 1);
        QVERIFY(first->waitForFinished(kWaitMs));
        QVERIFY(second->waitForFinished(kWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("Home screen shown again"), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QString("Normal"), kWaitMs);

        // Asked first: Escape cancels and nothing changes.
        clickClose(window);
        QTRY_COMPARE_WITH_TIMEOUT(app.logText().count("Asking whether to minimize or quit"), 1, kWaitMs);
        QTest::qWait(500);
        xdotool({"key", "Escape"});
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("Closing cancelled"), kWaitMs);
        QCOMPARE(windowState(window), QString("Normal"));
        QCOMPARE(app.process().state(), QProcess::Running);

        // From the keyboard: tick "remember", move to Quit, press Enter.
        clickClose(window);
        QTRY_COMPARE_WITH_TIMEOUT(app.logText().count("Asking whether to minimize or quit"), 2, kWaitMs);
        QTest::qWait(500);
        xdotool({"key", "Tab", "space", "Tab", "Return"});
        QVERIFY(app.process().waitForFinished(kWaitMs));
        QCOMPARE(app.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.process().exitCode(), 0);
        QVERIFY(app.logText().contains("Closing action remembered: quit"));
        QCOMPARE(storedClosingAction(dataDir()), QString("quit"));

        // Next time the close button quits at once, and a phone still mirroring is let go.
        PivoraProcess again(m_home.path(), m_api.url(), environment());
        QVERIFY(again.start());
        QTRY_VERIFY_WITH_TIMEOUT(again.logText().count("Services started") == 2, kWaitMs);
        auto phone = startPhone(lastPort(again.logText()), "home-c", 3, 60);
        QTRY_VERIFY_WITH_TIMEOUT(again.logText().contains("Phone connected: channel home-c"), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!(window = homeWindow()).isEmpty(), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QString("Iconic"), kWaitMs);
        xdotool({"windowactivate", "--sync", window});
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QString("Normal"), kWaitMs);
        clickClose(window);
        QVERIFY(again.process().waitForFinished(kWaitMs));
        QCOMPARE(again.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(again.process().exitCode(), 0);
        QCOMPARE(again.logText().count("Asking whether to minimize or quit"), 2);
        QVERIFY(phone->waitForFinished(kWaitMs));
        QCOMPARE(phone->exitCode(), 0);
        QVERIFY(phone->readAllStandardOutput().contains("{\"type\":\"disconnect\"}"));
    }
};

QTEST_GUILESS_MAIN(TestHomeProcess)
#include "test_home_process.moc"
