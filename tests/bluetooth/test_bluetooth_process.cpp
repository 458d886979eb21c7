// An iPhone controlled over Bluetooth, the whole way a user goes: the real program with the
// real HID library, BlueZ's stand-in on a bus of the test's own as the system bus, a simulated
// phone mirroring, and the stand-in's phone pairing and receiving the reports.

#include "HidReportText.h"
#include "support/ControlledProgram.h"
#include "support/XCastPhone.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace xphone;
using bluezstandin::BluezStandIn;
using bluezstandin::StandInPhone;

namespace {

constexpr auto kStandInWait = std::chrono::seconds(30);

// When the program logged a message starting with the text (whole seconds), or null.
QDateTime loggedAt(const QString& log, const QString& message)
{
    const int at = log.indexOf("MSG : " + message);
    if (at < 0)
        return {};
    const int time = log.lastIndexOf("Time: ", at);
    return QDateTime::fromString(log.mid(time + 6, 19), "yyyy-MM-dd hh:mm:ss");
}

QStringList reportTexts(const StandInPhone& phone)
{
    QStringList texts;
    for (const bluezstandin::Bytes& report : phone.notifications())
        texts << QString::fromStdString(bluezstandin::reportText(report));
    return texts;
}

} // namespace

class TestBluetoothProcess : public QObject {
    Q_OBJECT
private:
    ControlledProgram m_program;

    QString log() const { return m_program.log(); }
    int logged(const QString& message) const { return log().count("MSG : " + message); }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariable("PIVORA_BIN_DIR").isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed");
        const QString failure = m_program.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Bluetooth control is supported"), kWaitMs);
    }

    void cleanupTestCase()
    {
        if (m_program.app) {
            m_program.app->process().terminate();
            QVERIFY(m_program.app->process().waitForFinished(kWaitMs));
            QCOMPARE(m_program.app->process().exitStatus(), QProcess::NormalExit);
        }
        // Stopping unregisters what the program registered.
        if (m_program.bluez)
            QVERIFY(m_program.bluez->waitForNoService(kStandInWait));
    }

    void guideLinkAndEveryInput()
    {
        StandInPhone& bluetooth = m_program.bluez->addPhone("iphone14", "F0:99:B6:12:34:56");
        auto phone = connectPhone(m_program.port, { "iphone14", 1, QSize(390, 844), "iPhone13,2", "14.2.1" });
        QVERIFY2(phone, "the phone's window did not show");

        // The guide names this computer as the phone lists it.
        const QString listedAs = "Accessory Or " + QSysInfo::machineHostName();
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Bluetooth pairing guide shown for iphone14; this computer is listed as \""
                                     + listedAs + "\""), kWaitMs);
        QVERIFY(!xdotool({ "search", "--onlyvisible", "--name", "^Connect Bluetooth$" }).isEmpty());
        QVERIFY(m_program.bluez->waitForService(kStandInWait));
        QCOMPARE(QString::fromStdString(m_program.bluez->advertisement()->localName.value_or("")), QSysInfo::machineHostName());
        screenshot("guide-waiting");

        // The phone pairs and subscribes under its name; the guide reports it and closes 2 s later.
        QVERIFY2(bluetooth.connectAsHidHost(), bluetooth.lastError().c_str());
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Phone control on: channel iphone14"), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Bluetooth pairing guide: Connected"), kWaitMs);
        screenshot("guide-connected");
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Bluetooth pairing guide closed"), kWaitMs);
        QVERIFY(loggedAt(log(), "Bluetooth pairing guide: Connected").secsTo(loggedAt(log(), "Bluetooth pairing guide closed")) >= 2);
        QTRY_VERIFY_WITH_TIMEOUT(xdotool({ "search", "--onlyvisible", "--name", "^Connect Bluetooth$" }).isEmpty(), kWaitMs);

        // The active window makes this phone the one that receives input.
        phone->focus();
        QTest::qWait(500);
        bluetooth.clearNotifications();

        // A click: the pointer is driven home, then to the point with the button down, and let go.
        click(*phone, 0.5, 0.5);
        QTRY_VERIFY_WITH_TIMEOUT(reportTexts(bluetooth).size() > 14 && reportTexts(bluetooth).last() == "MouseSend 0 0 0 0", kWaitMs);
        QStringList reports = reportTexts(bluetooth);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(hex(bluetooth.notifications()[i]), QByteArray("02 00 87 00 00"));
        for (int i = 4; i < 12; ++i)
            QCOMPARE(hex(bluetooth.notifications()[i]), QByteArray("02 00 00 87 00"));
        QCOMPARE(hex(bluetooth.notifications()[12]), QByteArray("02 04 00 00 00"));
        QVERIFY(reports.mid(13).filter(QRegularExpression("^MouseSend 0 [1-9]\\d* 0 0$")).size() > 0);
        QVERIFY(reports.contains("MouseSend 1 0 0 0"));
        QVERIFY(reports.filter("TouchScreenSend").isEmpty());

        // A drag: moves with the button held, to the right and down, then the button is let go.
        bluetooth.clearNotifications();
        xdotool(QStringList { "mousemove", "--sync" } + phone->at(0.3, 0.3));
        xdotool({ "mousedown", "1" });
        for (int step = 1; step <= 8; ++step) {
            xdotool(QStringList { "mousemove", "--sync" } + phone->at(0.3 + 0.04 * step, 0.3 + 0.03 * step));
            QTest::qWait(40);
        }
        xdotool({ "mouseup", "1" });
        QTRY_VERIFY_WITH_TIMEOUT(!reportTexts(bluetooth).isEmpty() && reportTexts(bluetooth).last() == "MouseSend 0 0 0 0"
                && reportTexts(bluetooth).filter(QRegularExpression("^MouseSend 1 [1-9]")).size() > 0, kWaitMs);
        reports = reportTexts(bluetooth);
        QVERIFY(reports.filter(QRegularExpression("^MouseSend 1 0 [1-9]")).size() > 0);
        QVERIFY(reports.filter(QRegularExpression("^MouseSend 1 -")).isEmpty());

        // Typed letters: each a press and a release of its usage.
        bluetooth.clearNotifications();
        xdotool({ "type", "--delay", "60", "hi" });
        QTRY_COMPARE_WITH_TIMEOUT(reportTexts(bluetooth).size(), 4, kWaitMs);
        QCOMPARE(hexList(bluetooth.notifications()),
            QByteArrayList({ "01 00 00 0b 00 00 00 00 00", "01 00 00 00 00 00 00 00 00", "01 00 00 0c 00 00 00 00 00",
                "01 00 00 00 00 00 00 00 00" }));

        // The home button of the window's phone buttons: the pad's Home bit goes down and up.
        bluetooth.clearNotifications();
        xdotool({ "key", "shift+1" });
        QTRY_COMPARE_WITH_TIMEOUT(reportTexts(bluetooth).filter("GamePadSend").size(), 2, kWaitMs);
        QByteArrayList pad;
        for (const bluezstandin::Bytes& report : bluetooth.notifications())
            if (report[0] == 4)
                pad << hex(report);
        QCOMPARE(pad, QByteArrayList({ "04 04 00", "04 00 00" }));
        screenshot("controlled");
    }

    void twoPhonesWithOneNameComeAndGo()
    {
        StandInPhone& first = m_program.bluez->addPhone("twin", "11:11:11:11:11:11");
        StandInPhone& second = m_program.bluez->addPhone("twin", "22:22:22:22:22:22");
        const PhoneSpec a { "twin", 1, QSize(390, 844), "iPhone14,5", "17.1", "twin-a" };
        const PhoneSpec b { "twin", 1, QSize(390, 844), "iPhone14,5", "17.1", "twin-b" };
        for (int round = 0; round < 2; ++round) {
            const int before = logged("Phone disconnected: channel twin-b");
            auto castA = std::make_unique<Phone>(m_program.port, a);
            QTRY_VERIFY_WITH_TIMEOUT(logged("Bluetooth pairing guide shown for twin") == 2 * round + 1, kWaitMs);
            auto castB = std::make_unique<Phone>(m_program.port, b);
            QTRY_VERIFY_WITH_TIMEOUT(logged("Bluetooth pairing guide shown for twin") == 2 * round + 2, kWaitMs);
            // Each phone takes one of the two devices of that name, whichever pairs first.
            QVERIFY(m_program.bluez->waitForService(kStandInWait));
            StandInPhone& pairsFirst = round == 0 ? first : second;
            StandInPhone& pairsSecond = round == 0 ? second : first;
            QVERIFY(pairsFirst.connectAsHidHost());
            QVERIFY(pairsSecond.connectAsHidHost());
            QTRY_VERIFY_WITH_TIMEOUT(logged("Phone control on: channel twin-a") == round + 1
                    && logged("Phone control on: channel twin-b") == round + 1, kWaitMs);
            screenshot(QString("twins-%1").arg(round));
            if (round == 0) {
                // The first to come leaves first, its Bluetooth link after it.
                castA.reset();
                QTRY_VERIFY_WITH_TIMEOUT(log().contains("Phone disconnected: channel twin-a"), kWaitMs);
                first.disconnect();
                castB.reset();
                second.disconnect();
            } else {
                // The first session waiting took the first phone to pair. That link drops while
                // it mirrors, then the phones leave the other way round.
                pairsFirst.disconnect();
                QTRY_VERIFY_WITH_TIMEOUT(logged("Phone control off: channel twin-a") == 1, kWaitMs);
                QCOMPARE(logged("Phone control off: channel twin-b"), 0);
                castB.reset();
                castA.reset();
                pairsSecond.disconnect();
            }
            QTRY_VERIFY_WITH_TIMEOUT(logged("Phone disconnected: channel twin-b") == before + 1, kWaitMs);
            QCOMPARE(m_program.app->process().state(), QProcess::Running);
        }
    }

private:
    static QByteArray hex(const bluezstandin::Bytes& bytes)
    {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex(' ');
    }
    static QByteArrayList hexList(const std::vector<bluezstandin::Bytes>& values)
    {
        QByteArrayList list;
        for (const auto& value : values)
            list << hex(value);
        return list;
    }
};

QTEST_GUILESS_MAIN(TestBluetoothProcess)
#include "test_bluetooth_process.moc"
