// USB phones as a new user meets them: the real program started with an Android phone
// attached, then an iPhone and a phone with USB debugging plugged in; and the application's
// driver uninstall with the window it starts at start-up.

#include "DriverUser.h"
#include "UsbTestbed.h"
#include "support/ApiServerProcess.h"
#include "support/PivoraProcess.h"

#include "app/QPivoraApplication.h"
#include "usbdriver/CWDIState.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWaitMs = 90000;

void pressEscape()
{
    QProcess::execute("xdotool", {"key", "Escape"});
}

} // namespace

class TestUsbProcess : public QObject {
    Q_OBJECT
private:
    UsbTestbed m_bed;

private slots:
    void initTestCase()
    {
        QVERIFY2(UsbTestbed::isMocked(), "run under umockdev-wrapper");
        if (qEnvironmentVariable("PIVORA_BIN_DIR").isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
    }

    void phonesGetTheirRulesInTheProgram()
    {
        clearRules();
        m_bed.add("pixel");
        m_bed.add("webcam");
        ApiServerProcess api;
        QVERIFY2(api.start(), "pivora-api did not start");
        QTemporaryDir home;
        QProcessEnvironment env;
        // A restart the test might agree to by mistake could never reach the machine.
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + home.path() + "/no-system-bus");
        // ALSA's probing opens more sockets than the mock /sys keeps track of; sound is not needed.
        env.insert("SDL_AUDIODRIVER", "dummy");
        PivoraProcess app(home.path(), api.url(), env);
        QVERIFY(app.start());

        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("USB driver outcome -4"), kWaitMs);
        const QString log = app.logText();
        int at = 0;
        for (const char* text : {"USB driver progress 0: Detecting mirroring device driver...",
                 "USB driver progress 0: Android Phone: There are 1 devices connected to your computer, Ready to install driver...",
                 "USB driver progress 20: Android Phone: 1/1 Preparing device drivers...",
                 "USB driver progress 50: Android Phone: 1/1 Installing device drivers...",
                 "USB driver progress 100: Android Phone: 1/1 You have successfully installed the driver..."}) {
            const int found = log.indexOf(text, at);
            QVERIFY2(found > at, text);
            at = found;
        }
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-winusb-18d1-4ee1-Pixel_7.rules"}));
        QVERIFY(QFileInfo(qEnvironmentVariable("PIVORA_LOCKDOWN_DIR")).isDir());

        m_bed.plug("iphone");
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("USB driver box: The system has detected that the driver "
                                                        "setting has been changed."), kWaitMs);
        QTest::qWait(500);
        pressEscape();
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("USB driver box answered no"), kWaitMs);
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-libusb0-05ac-12a8-iPhone.rules",
                                  "70-pivora-winusb-18d1-4ee1-Pixel_7.rules"}));

        m_bed.plug("pixel-adb");
        QTRY_VERIFY_WITH_TIMEOUT(app.logText().contains("USB driver box: The system has detected that the 'USB "
                                                        "debugging' function was turned on."), kWaitMs);
        QTest::qWait(500);
        pressEscape();
        QTRY_COMPARE_WITH_TIMEOUT(app.logText().count("USB driver outcome -4"), 2, kWaitMs);
        // Another whole scan, and the warning stays at one.
        QTest::qWait(12000);
        QCOMPARE(app.logText().count("'USB debugging' function was turned on"), 1);
        QVERIFY(!app.logText().contains("Unable to create lockdown folder"));

        app.process().terminate();
        QVERIFY(app.process().waitForFinished(kWaitMs));
        QCOMPARE(app.process().exitStatus(), QProcess::NormalExit);
        m_bed.unplug("pixel-adb");
        m_bed.unplug("iphone");
        m_bed.unplug("webcam");
        m_bed.unplug("pixel");
    }

    void applicationUninstallsItsDrivers()
    {
        clearRules();
        writeOwnRule(WDI_WINUSB, 0x2717, 0xFF48, "Redmi_Note_8");
        writeOwnRule(WDI_LIBUSB0, 0x05AC, 0x12A8, "iPhone");
        writeFile(rulesDir() + "/70-pivora-winusb-18d1-4ee2-Pixel.rules", "SUBSYSTEM==\"usb\", MODE=\"0666\"\n");
        pvApp()->uninstallDrivers(); // no driver window yet: nothing happens
        QCOMPARE(ruleFiles().size(), 3);

        // The services start on an accepted version answer; the driver window with them.
        QJsonObject data{{"version", QCoreApplication::applicationVersion()}};
        QJsonObject answer{{"data", data}};
        pvApp()->didApiCheckVersion(10000, &answer);
        CWDIDlg* window = pvApp()->driverWindow();
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(scansListed(*window) >= 2 && !window->state().isBusy(), kWaitMs);

        DriverUser user;
        pvApp()->uninstallDrivers();
        // A second request waits for the first job, then finds nothing left to remove.
        pvApp()->uninstallDrivers();
        QTRY_COMPARE_WITH_TIMEOUT(user.boxes.size(), 2, kWaitMs);
        QCOMPARE(user.boxes, QStringList({"Uninstall successfully! You must reboot your computer for the changes to "
                                          "take effect. Do you want to restart now?",
                                     "The device driver cannot be found."}));
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-winusb-18d1-4ee2-Pixel.rules"}));
    }
};

int main(int argc, char** argv)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    // The application in this process (home screen, restart) never reaches the machine's bus.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + qgetenv("TMPDIR") + "/no-system-bus");
    QPivoraApplication app(argc, argv);
    TestUsbProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_usb_process.moc"
