// The driver window over a mock /sys: full scans with their texts and outcomes, arrivals, the
// debugging warning, the watchdog and the uninstall, each answered as a user would.

#include "DriverUser.h"
#include "UsbTestbed.h"
#include "support/PrivateBus.h"
#include "ui/QEAlertDialog.h"
#include "usbdriver/CProgressDlg.h"
#include "usbdriver/CWDIDlg.h"
#include "usbdriver/CWDIJob.h"
#include "usbdriver/CWDIState.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QtTest>

#include <atomic>

namespace {

constexpr int kScanMs = 60000;

// The program's log lines of the driver window, from every thread.
QMutex logMutex;
QStringList logLines;
void captureLog(QtMsgType, const QMessageLogContext&, const QString& message)
{
    QMutexLocker lock(&logMutex);
    logLines << message;
    fprintf(stderr, "%s\n", qPrintable(message));
}

QStringList logged(const QString& prefix)
{
    QMutexLocker lock(&logMutex);
    QStringList out;
    for (const QString& line : qAsConst(logLines)) {
        if (line.startsWith(prefix))
            out << line.mid(prefix.size());
    }
    return out;
}

// Outcome codes in the order they came, without the restart remark.
QStringList outcomes()
{
    QStringList codes;
    for (const QString& line : logged("USB driver outcome "))
        codes << line.section(',', 0, 0);
    return codes;
}

} // namespace

// logind on the test's private system bus, on a thread of its own: the window waits for the
// answer to its restart request on the GUI thread.
class LoginManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit LoginManager(std::atomic<int>& reboots) : m_reboots(reboots) {}
public slots:
    void Reboot(bool interactive) { m_reboots += interactive; }

private:
    std::atomic<int>& m_reboots;
};

class LoginService : public QThread {
public:
    explicit LoginService(const QString& address) : m_address(address) {}
    ~LoginService() override
    {
        quit();
        wait();
    }
    std::atomic<int> interactiveReboots{0};

protected:
    void run() override
    {
        {
            LoginManager manager(interactiveReboots);
            QDBusConnection bus = QDBusConnection::connectToBus(m_address, "logind");
            bus.registerObject("/org/freedesktop/login1", &manager, QDBusConnection::ExportAllSlots);
            bus.registerService("org.freedesktop.login1");
            exec();
            bus.unregisterService("org.freedesktop.login1");
            bus.unregisterObject("/org/freedesktop/login1");
        }
        QDBusConnection::disconnectFromBus("logind");
    }

private:
    QString m_address;
};

class TestDriverWindow : public QObject {
    Q_OBJECT
private:
    UsbTestbed m_bed;
    PrivateBus m_systemBus;

    // Two more device listings: one whole scan cycle has run after this point.
    static void waitForWholeCycle(const CWDIDlg& dlg)
    {
        const int listed = scansListed(dlg);
        QTRY_VERIFY_WITH_TIMEOUT(scansListed(dlg) >= listed + 2 && !dlg.state().isBusy(), kScanMs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(UsbTestbed::isMocked(), "run under umockdev-wrapper");
        // A restart the user agrees to never reaches the machine.
        QVERIFY(m_systemBus.start());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_systemBus.address().toUtf8());
        qInstallMessageHandler(captureLog);
    }

    void init()
    {
        clearRules();
        qputenv("PIVORA_PRIVILEGE_RUNNER", "");
        QMutexLocker lock(&logMutex);
        logLines.clear();
    }

    void cleanup() { m_bed.unplugAll(); }

    void androidPhoneAtStartThenIphoneArrives()
    {
        m_bed.add("pixel");
        m_bed.add("mouse");
        DriverUser user;
        CWDIDlg dlg;
        QVERIFY(!dlg.isVisible());
        QVERIFY(dlg.isWatchingArrivals());
        QTRY_VERIFY_WITH_TIMEOUT(outcomes().contains("-4"), kScanMs);
        QCOMPARE(logged("USB driver progress "), QStringList({
            "0: Detecting mirroring device driver...",
            "0: Android Phone: There are 1 devices connected to your computer, Ready to install driver...",
            "20: Android Phone: 1/1 Preparing device drivers...",
            "50: Android Phone: 1/1 Installing device drivers...",
            "100: Android Phone: 1/1 You have successfully installed the driver...",
        }));
        QVERIFY(user.popupTexts.contains("Android Phone: 1/1 You have successfully installed the driver..."));
        QVERIFY(!dlg.progressPopup());
        QVERIFY(user.boxes.isEmpty()); // outcome -4 has no box
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-winusb-18d1-4ee1-Pixel_7.rules"}));
        QVERIFY(dlg.logText().contains("installing 70-pivora-winusb-18d1-4ee1-Pixel_7.rules"));

        // The phone has its driver: later scans leave it alone.
        waitForWholeCycle(dlg);
        QCOMPARE(outcomes(), QStringList({"-4"}));

        // Plugging an iPhone in starts a scan that gives it the iOS rule. No udev applied it,
        // so the user is asked to restart.
        m_bed.plug("iphone");
        QTRY_VERIFY_WITH_TIMEOUT(logged("USB driver outcome ").contains("-1, restart needed"), kScanMs);
        QVERIFY(logged("USB device arrived: ").contains("05ac:12a8"));
        QVERIFY(logged("USB driver progress ").contains(
            "0: There are 1 devices connected to your computer, Ready to install driver..."));
        QVERIFY(logged("USB driver progress ").contains("100: 1/1 You have successfully installed the driver..."));
        QTRY_COMPARE(user.boxes, QStringList({
            "The system has detected that the driver setting has been changed. You must reboot your computer for the "
            "changes to take effect. Do you want to restart now?"}));
        QTRY_VERIFY(logged("USB driver box answered ").contains("no"));
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-libusb0-05ac-12a8-iPhone.rules",
                                  "70-pivora-winusb-18d1-4ee1-Pixel_7.rules"}));
        // Scans go on after the box.
        waitForWholeCycle(dlg);
        dlg.destroyWindow();
    }

    void debuggingWarningOncePerPlug()
    {
        // Attached before the window watches, so that no arrival races with the first scan.
        m_bed.add("pixel-adb");
        DriverUser user;
        CWDIDlg dlg;
        const QString warning = "The system has detected that the 'USB debugging' function was turned on. Please "
                                "turn it off in Setting and replug the Phone!";
        QTRY_VERIFY_WITH_TIMEOUT(user.boxes.contains(warning), kScanMs);
        // The phone still gets its driver on its first interface.
        QTRY_VERIFY_WITH_TIMEOUT(outcomes().contains("-4"), kScanMs);
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-winusb-18d1-4ee7-Pixel_7.rules"}));
        waitForWholeCycle(dlg);
        QCOMPARE(user.boxes.count(warning), 1);

        m_bed.replay("pixel-adb", "remove");
        m_bed.replay("pixel-adb", "add");
        QTRY_COMPARE_WITH_TIMEOUT(user.boxes.count(warning), 2, kScanMs);
        waitForWholeCycle(dlg);
        QCOMPARE(user.boxes.count(warning), 2);
        dlg.destroyWindow();
    }

    void accessoryGetsItsDriverAndTheReplugBox()
    {
        DriverUser user;
        CWDIDlg dlg;
        m_bed.plug("accessory");
        QTRY_VERIFY_WITH_TIMEOUT(outcomes().contains("-3"), kScanMs);
        QCOMPARE(logged("USB driver progress ").mid(1), QStringList({
            "0: Android UsbCast: There are 1 devices connected to your computer, Ready to install driver...",
            "20: Android UsbCast: 1/1 Preparing device drivers...",
            "50: Android UsbCast: 1/1 Installing device drivers...",
            "100: Android UsbCast: 1/1 You have successfully installed the driver...",
        }));
        QTRY_COMPARE(user.boxes, QStringList({"The driver successfully installed! Screen Mirroring will start after "
                                              "unplug the USB cable and plug it again!"}));
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-libusbk-18d1-2d00-Android_Accessory.rules"}));
        dlg.destroyWindow();
    }

    void watchdogAbandonsAHangingInstallation()
    {
        DriverUser user;
        CWDIDlg dlg;
        dlg.setInstallTimeout(3000);
        qputenv("PIVORA_PRIVILEGE_RUNNER", RUNNERS_DIR "/hanging-runner.sh");
        m_bed.plug("oppo");
        QTRY_VERIFY_WITH_TIMEOUT(logged("USB driver progress ").contains("50: Android Phone: 1/1 Installing device drivers..."), kScanMs);
        QTRY_VERIFY_WITH_TIMEOUT(logged("USB driver installation took longer than 3000 ms; abandoned").size() == 1, kScanMs);
        QVERIFY(!dlg.progressPopup());
        QVERIFY(!dlg.state().isBusy());
        QVERIFY(dlg.state().installFailed);
        // The abandoned worker reports nothing more: no failure text, no outcome.
        QTest::qWait(1500);
        QVERIFY(!logged("USB driver progress ").join('\n').contains("installation failed"));
        QVERIFY(outcomes().isEmpty());

        // Later scans ask for a restart instead of installing. Agreed to without logind on the
        // bus, the restart is refused and the scans go on.
        qputenv("PIVORA_PRIVILEGE_RUNNER", "");
        user.sayYes = true;
        m_bed.replay("oppo", "change");
        QTRY_VERIFY_WITH_TIMEOUT(!user.boxes.isEmpty(), kScanMs);
        QVERIFY(user.boxes.first().startsWith("The system has detected that the driver setting has been changed."));
        QTRY_VERIFY_WITH_TIMEOUT(!logged("Restart refused: ").isEmpty(), kScanMs);
        QCOMPARE(logged("Restarting the computer: ").value(0), QString("The driver setting has been changed. "
                                                                      "Restarting your computer"));
        waitForWholeCycle(dlg);
        QVERIFY(ruleFiles().isEmpty());
        dlg.destroyWindow();
    }

    void uninstallRemovesOnlyOwnPhoneRules()
    {
        writeOwnRule(WDI_WINUSB, 0x18D1, 0x4EE1, "Pixel_7");
        writeOwnRule(WDI_LIBUSB0, 0x05AC, 0x12A8, "iPhone");
        const QString accessory = writeOwnRule(WDI_LIBUSBK, 0x18D1, 0x2D00, "Android_Accessory");
        writeOwnRule(WDI_WINUSB, 0x1234, 0x0001, "Other_maker");
        writeFile(rulesDir() + "/51-android.rules", "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"18d1\", MODE=\"0666\"\n");
        LoginService logind(m_systemBus.address());
        logind.start();
        QTRY_VERIFY(QDBusConnection::systemBus().interface()->isServiceRegistered("org.freedesktop.login1"));
        DriverUser user;
        user.sayYes = true;
        CWDIDlg dlg;
        QTRY_VERIFY_WITH_TIMEOUT(scansListed(dlg) >= 2 && !dlg.state().isBusy(), kScanMs);
        const std::shared_ptr<CWDIJob> job = dlg.startUninstall();
        QVERIFY(job);
        // One job at a time.
        QVERIFY(!dlg.startUninstall());
        QVERIFY(job->wait(kScanMs));
        QCOMPARE(logged("USB driver progress "), QStringList({
            "0: Detecting mirroring device driver...",
            "0: The device driver ready to uninstall...",
            "30: The device driver is uninstalling...",
            "60: The device driver is uninstalling...",
            "100: The device driver uninstall completed!",
        }));
        QCOMPARE(user.boxes, QStringList({"Uninstall successfully! You must reboot your computer for the changes to take "
                                          "effect. Do you want to restart now?"}));
        QCOMPARE(ruleFiles(), QStringList({"51-android.rules", accessory,
                                  "70-pivora-winusb-1234-0001-Other_maker.rules"}));
        QVERIFY(dlg.state().uninstallDone);
        // The user agreed: logind was asked to restart, and may ask for authorisation itself.
        QTRY_COMPARE(logind.interactiveReboots.load(), 1);
        QCOMPARE(logged("Restarting the computer: "), QStringList({"Restarting your computer"}));
        QVERIFY(logged("Restart refused: ").isEmpty());

        // Nothing left to remove: a box that closes itself.
        user.boxes.clear();
        const std::shared_ptr<CWDIJob> again = dlg.startUninstall();
        QVERIFY(again && again->wait(kScanMs));
        QCOMPARE(user.boxes, QStringList({"The device driver cannot be found."}));
        dlg.destroyWindow();
    }
};

QTEST_MAIN(TestDriverWindow)
#include "test_driver_window.moc"
