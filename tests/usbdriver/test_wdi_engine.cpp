// The USB driver engine against a mock /sys and the real helper writing a temporary rules
// folder: the device records, the rules it installs and removes, and what it does with bad
// descriptors, a folder it cannot write, a refused or missing runner and a hanging one.

#include "UsbTestbed.h"
#include "pvwdi.h"
#include "usbdriver/UsbDeviceRules.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

namespace {

struct ListDeleter {
    void operator()(wdi_device_info* l) const { wdi_destroy_list(l); }
};
using DeviceList = std::unique_ptr<wdi_device_info, ListDeleter>;

DeviceList listDevices(int listAll = 1, int listHubs = 1)
{
    wdi_device_info* list = nullptr;
    const wdi_options_create_list options = {listAll, listHubs, 1};
    wdi_create_list(&list, &options);
    return DeviceList(list);
}

// "vid:pid/mi composite? driver desc {device_desc}", one per record, in list order.
QStringList describe(const wdi_device_info* list, uint16_t onlyVid = 0)
{
    QStringList out;
    for (const wdi_device_info* d = list; d; d = d->next) {
        if (onlyVid && d->vid != onlyVid)
            continue;
        out << QStringLiteral("%1:%2/%3%4 %5 %6 {%7}")
                   .arg(d->vid, 4, 16, QChar('0'))
                   .arg(d->pid, 4, 16, QChar('0'))
                   .arg(d->mi)
                   .arg(d->is_composite ? " composite" : "")
                   .arg(d->driver ? d->driver : "-")
                   .arg(QString::fromUtf8(d->desc))
                   .arg(QString::fromUtf8(d->device_desc));
    }
    return out;
}

const wdi_device_info* find(const wdi_device_info* list, uint16_t vid, uint16_t pid)
{
    for (const wdi_device_info* d = list; d; d = d->next) {
        if (d->vid == vid && d->pid == pid && !d->is_composite && d->mi == 0)
            return d;
    }
    return nullptr;
}

QStringList engineLog;
void collectLog(void*)
{
    char line[512];
    unsigned size;
    while (wdi_read_logger(line, sizeof line, &size) == WDI_SUCCESS)
        engineLog << QString::fromUtf8(line, int(size));
}

QString helper()
{
    return qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-usb-helper";
}

int runHelper(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(helper(), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return p.exitCode();
}

} // namespace

class TestWdiEngine : public QObject {
    Q_OBJECT
private:
    UsbTestbed m_bed;
    QTemporaryDir m_work;
    QString working() const { return m_work.path() + "/ov_usb_driver_winusb/7"; }

    int install(const wdi_device_info* d, int type, const char* inf, unsigned timeoutMs = 30000)
    {
        const wdi_options_prepare_driver prepare = {type};
        const int prepared = wdi_prepare_driver(d, working().toUtf8().constData(), inf, &prepare);
        if (prepared != WDI_SUCCESS)
            return prepared;
        const wdi_options_install_driver options = {0, timeoutMs};
        return wdi_install_driver(d, working().toUtf8().constData(), inf, &options);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(UsbTestbed::isMocked(), "run under umockdev-wrapper");
        for (const char* name : {"iphone", "pixel", "pixel-adb", "samsung", "xiaomi", "huawei", "huawei-pid0",
                 "accessory-adb", "mouse", "keyboard", "webcam", "bluetooth", "wlan", "hub", "odd"})
            QVERIFY(!m_bed.add(name).isEmpty());
        QVERIFY(wdi_register_logger(&collectLog, nullptr, 8192) == WDI_SUCCESS);
    }

    void init()
    {
        clearRules();
        qputenv("PIVORA_PRIVILEGE_RUNNER", "");
        engineLog.clear();
    }

    void devicesAndInterfacesAsRecords()
    {
        DeviceList list = listDevices();
        // One device with several interfaces: a composite parent and one record per interface;
        // unclaimed interfaces are served by the generic driver.
        QCOMPARE(describe(list.get(), 0x05AC), QStringList({
            "05ac:12a8/0 composite usb iPhone {iPhone}",
            "05ac:12a8/0 usb iPhone {PTP}",
            "05ac:12a8/1 usb iPhone {Apple USB Multiplexor}",
            "05ac:12a8/2 ipheth iPhone {Apple Mobile Device}",
        }));
        QCOMPARE(describe(list.get(), 0x04E8).mid(0, 4), QStringList({
            "04e8:6860/0 composite usb SAMSUNG_Android {SAMSUNG_Android}",
            "04e8:6860/0 usb SAMSUNG_Android {MTP}",
            "04e8:6860/1 cdc_acm SAMSUNG_Android {CDC Abstract Control Model (ACM)}",
            "04e8:6860/2 cdc_acm SAMSUNG_Android {CDC ACM Data}",
        }));
        QCOMPARE(describe(list.get(), 0x04E8).mid(4), QStringList({
            "04e8:7021/0 composite usb Smart Keyboard Trio {Smart Keyboard Trio}",
            "04e8:7021/0 usbhid Smart Keyboard Trio {Smart Keyboard Trio}",
            "04e8:7021/1 usb Smart Keyboard Trio {Smart Keyboard Trio}",
        }));
        QVERIFY(describe(list.get(), 0x18D1).contains("18d1:4ee1/0 usb Pixel 7 {MTP}"));
        QVERIFY(describe(list.get(), 0x17EF).contains("17ef:608d/0 usbhid Lenovo USB Optical Mouse {Lenovo USB Optical Mouse}"));
        QVERIFY(describe(list.get(), 0x05E3).contains("05e3:0610/0 hub USB2.1 Hub {USB2.1 Hub}"));
        const wdi_device_info* pixel = find(list.get(), 0x18D1, 0x4EE1);
        QVERIFY(pixel);
        QCOMPARE(QByteArray(pixel->hardware_id), QByteArray("usb:v18D1p4EE1d0440dc00dsc00dp00icFFiscFFip00in00"));
        QCOMPARE(QByteArray(pixel->device_id), QByteArray("/devices/pci0000:00/0000:00:14.0/usb1/1-2"));
        QCOMPARE(QByteArray(pixel->mfg), QByteArray("Google"));

        // Without hubs and composite parents; without devices that have a driver.
        DeviceList plain = listDevices(1, 0);
        QVERIFY(!describe(plain.get()).join('\n').contains("composite"));
        QVERIFY(!describe(plain.get()).join('\n').contains("05e3:0610"));
        QVERIFY(!listDevices(0, 1));

        // The scan's choices over the whole list.
        int ios = 0;
        usbrules::AndroidLists lists;
        const QSet<uint16_t> excluded = usbrules::excludedProducts(list.get());
        for (const wdi_device_info* d = list.get(); d; d = d->next) {
            ios += usbrules::isIosCandidate(*d);
            usbrules::classify(*d, excluded, &lists);
        }
        QCOMPARE(ios, 1);
        auto ids = [](const QVector<const wdi_device_info*>& devices) {
            QStringList out;
            for (auto* d : devices)
                out << QStringLiteral("%1/%2").arg(d->pid, 4, 16, QChar('0')).arg(d->mi);
            out.sort();
            return out;
        };
        // The phones with and without debugging, and the odd devices of phone makers.
        QCOMPARE(ids(lists.phones), QStringList({"107e/0", "2008/0", "4ee1/0", "4ee7/0", "6003/0", "9011/0", "ff48/0"}));
        // The Samsung phone; the Samsung keyboard is kept out with all its functions.
        QCOMPARE(ids(lists.samsung), QStringList({"6860/0"}));
        QVERIFY(lists.accessories.isEmpty());
        QCOMPARE(ids(lists.debugging), QStringList({"2d01/0", "2d01/0", "2d01/1", "4ee7/1"}));
    }

    void badDescriptorsAreReadable()
    {
        DeviceList list = listDevices();
        const wdi_device_info* notUtf8 = find(list.get(), 0x2A70, 0x9011);
        const wdi_device_info* missing = find(list.get(), 0x2D95, 0x6003);
        const wdi_device_info* longName = find(list.get(), 0x0E8D, 0x2008);
        QVERIFY(notUtf8 && missing && longName);
        QCOMPARE(QString::fromUtf8(notUtf8->desc), QString::fromUtf8("One\xef\xbf\xbdPlus"));
        QCOMPARE(QByteArray(missing->desc), QByteArray("Unknown USB Device"));
        QCOMPARE(QByteArray(missing->mfg), QByteArray(""));
        QCOMPARE(int(strlen(longName->desc)), 241);
        QVERIFY(!describe(list.get()).join('\n').contains("No Ids"));
        QVERIFY(engineLog.join('\n').contains("has no usable vendor or product id, left out"));

        // A name over 200 bytes gets no INF name; the engine names the rule itself.
        QVERIFY(usbrules::cleanInfName(longName->desc).isNull());
        QCOMPARE(install(longName, WDI_WINUSB, nullptr), int(WDI_SUCCESS));
        QCOMPARE(install(notUtf8, WDI_WINUSB, usbrules::cleanInfName(notUtf8->desc).toUtf8().constData()),
            int(WDI_SUCCESS));
        QCOMPARE(ruleFiles(), QStringList({"70-pivora-winusb-0e8d-2008-usb_device.rules",
                                  QString::fromUtf8("70-pivora-winusb-2a70-9011-One\xef\xbf\xbdPlus.rules")}));
        // A name that cannot name a file fails to prepare and writes nothing.
        const wdi_options_prepare_driver prepare = {WDI_LIBUSB0};
        QCOMPARE(wdi_prepare_driver(notUtf8, working().toUtf8().constData(), "a/b.inf", &prepare),
            int(WDI_ERROR_INVALID_PARAM));
        QCOMPARE(ruleFiles().size(), 2);
    }

    void vanishedDeviceIsLeftOut()
    {
        m_bed.add("oppo");
        QVERIFY(find(listDevices().get(), 0x22D9, 0x2769));
        // Its folder goes, the bus keeps a dangling link to it.
        m_bed.unplug("oppo");
        DeviceList after = listDevices();
        QVERIFY(after);
        QVERIFY(!find(after.get(), 0x22D9, 0x2769));
    }

    void installAndUninstallOnlyOwnRules()
    {
        writeFile(rulesDir() + "/51-android.rules", "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"18d1\", MODE=\"0666\"\n");
        // Looks like a rule of ours but is not what we write.
        writeFile(rulesDir() + "/70-pivora-winusb-18d1-4ee2-Pixel.rules", "SUBSYSTEM==\"usb\", MODE=\"0666\"\n");
        DeviceList before = listDevices();
        const wdi_device_info* pixel = find(before.get(), 0x18D1, 0x4EE1);
        QCOMPARE(install(pixel, WDI_WINUSB, "Pixel_7.inf"), int(WDI_SUCCESS));
        // No udev for the test folder: the device only gets access after a replug or restart.
        QVERIFY(wdi_restart_needed());
        QVERIFY(engineLog.join('\n').contains("retrigger: skipped"));
        QVERIFY(QFile::exists(working() + "/70-pivora-winusb-18d1-4ee1-Pixel_7.rules"));
        QFile installed(rulesDir() + "/70-pivora-winusb-18d1-4ee1-Pixel_7.rules");
        QVERIFY(installed.open(QIODevice::ReadOnly));
        const QByteArray text = installed.readAll();
        QVERIFY(text.contains("ATTR{idVendor}==\"18d1\", ATTR{idProduct}==\"4ee1\", TAG+=\"uaccess\""));
        QCOMPARE(installed.permissions() & QFile::WriteOther, QFile::Permissions());

        // The device now reports the driver type of its rule.
        DeviceList after = listDevices();
        QCOMPARE(QByteArray(find(after.get(), 0x18D1, 0x4EE1)->driver), QByteArray("WinUSB"));
        QCOMPARE(QByteArray(find(after.get(), 0x18D1, 0x4EE7)->driver), QByteArray("usb"));

        wdi_installed_driver* own = nullptr;
        QCOMPARE(wdi_list_installed_drivers(&own), int(WDI_SUCCESS));
        QVERIFY(own && !own->next);
        QCOMPARE(QByteArray(own->rule_name), QByteArray("70-pivora-winusb-18d1-4ee1-Pixel_7.rules"));
        QCOMPARE(QByteArray(own->desc), QByteArray("Pixel_7"));
        QCOMPARE(wdi_uninstall_driver(own, 30000), int(WDI_SUCCESS));
        wdi_destroy_installed_list(own);
        QCOMPARE(ruleFiles(), QStringList({"51-android.rules", "70-pivora-winusb-18d1-4ee2-Pixel.rules"}));
    }

    void helperRefusesWhatItDidNotWrite()
    {
        const QString name = "70-pivora-winusb-18d1-4ee1-Pixel_7.rules";
        const QByteArray own = "# Pivora\nSUBSYSTEM==\"usb\", RUN+=\"/bin/sh\"\n";
        QCOMPARE(runHelper({"install", name}, own), 3);
        QCOMPARE(runHelper({"install", "../../etc/passwd"}, own), 3);
        QCOMPARE(runHelper({"install", name}, QByteArray(4096, '#')), 3);
        QVERIFY(ruleFiles().isEmpty());
        writeFile(rulesDir() + "/" + name, "SUBSYSTEM==\"usb\", MODE=\"0666\"\n");
        QCOMPARE(runHelper({"remove", name}), 3);
        QCOMPARE(runHelper({"remove", "51-android.rules"}), 3);
        QCOMPARE(runHelper({"remove", "70-pivora-libusb0-05ac-12a8-iPhone.rules"}), 4);
        QCOMPARE(runHelper({"format", "/"}), 1);
        QCOMPARE(ruleFiles(), QStringList({name}));
    }

    void unwritableFolderAndRunnerFailures()
    {
        DeviceList list = listDevices();
        const wdi_device_info* pixel = find(list.get(), 0x18D1, 0x4EE1);
        // A rules "folder" below a file cannot be made.
        const QByteArray folder = qgetenv("PIVORA_UDEV_RULES_DIR");
        writeFile(rulesDir() + "/plain-file", "x");
        qputenv("PIVORA_UDEV_RULES_DIR", folder + "/plain-file/rules");
        QCOMPARE(install(pixel, WDI_WINUSB, "Pixel_7.inf"), int(WDI_ERROR_ACCESS));
        qputenv("PIVORA_UDEV_RULES_DIR", folder);

        qputenv("PIVORA_PRIVILEGE_RUNNER", "/nonexistent/pkexec");
        QCOMPARE(install(pixel, WDI_WINUSB, "Pixel_7.inf"), int(WDI_ERROR_NOT_FOUND));
        qputenv("PIVORA_PRIVILEGE_RUNNER", RUNNERS_DIR "/refusing-runner.sh");
        QCOMPARE(install(pixel, WDI_WINUSB, "Pixel_7.inf"), int(WDI_ERROR_USER_CANCEL));
        QCOMPARE(ruleFiles(), QStringList({"plain-file"}));
        QVERIFY(!QDir(rulesDir()).entryList(QDir::Hidden | QDir::Files).join(' ').contains(".70-pivora"));
    }

    void hangingRunnerEndsOnTimeoutOrAbort()
    {
        DeviceList list = listDevices();
        const wdi_device_info* pixel = find(list.get(), 0x18D1, 0x4EE1);
        qputenv("PIVORA_PRIVILEGE_RUNNER", RUNNERS_DIR "/hanging-runner.sh");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(install(pixel, WDI_WINUSB, "Pixel_7.inf", 500), int(WDI_ERROR_TIMEOUT));
        QCOMPARE(wdi_abort_install(), int(WDI_ERROR_NOT_FOUND));

        int rc = 0;
        std::thread installer([&] { rc = install(pixel, WDI_WINUSB, "Pixel_7.inf", 200000); });
        QTRY_COMPARE(wdi_abort_install(), int(WDI_SUCCESS));
        installer.join();
        QCOMPARE(rc, int(WDI_ERROR_INTERRUPTED));
        // Far below the runner's own 300 s: both ended it.
        QVERIFY(clock.elapsed() < 120000);
        QVERIFY(ruleFiles().isEmpty());
    }

    void lockdownFolderThroughTheHelper()
    {
        QTemporaryDir root;
        const QString folder = root.path() + "/var/lib/lockdown";
        qputenv("PIVORA_LOCKDOWN_DIR", folder.toUtf8());
        qputenv("PIVORA_PRIVILEGE_RUNNER", RUNNERS_DIR "/refusing-runner.sh");
        QCOMPARE(wdi_create_lockdown_folder(10000), int(WDI_ERROR_USER_CANCEL));
        qputenv("PIVORA_PRIVILEGE_RUNNER", "");
        QCOMPARE(wdi_create_lockdown_folder(10000), int(WDI_SUCCESS));
        QVERIFY(QFileInfo(folder).isDir());
        // Present: the helper is not asked again.
        qputenv("PIVORA_PRIVILEGE_RUNNER", RUNNERS_DIR "/refusing-runner.sh");
        QCOMPARE(wdi_create_lockdown_folder(10000), int(WDI_SUCCESS));
    }

    void loggerKeepsWithinItsBuffer()
    {
        DeviceList list = listDevices();
        QVERIFY(wdi_unregister_logger(&collectLog, nullptr) == WDI_SUCCESS);
        int notified = 0;
        auto count = [](void* n) { ++*static_cast<int*>(n); };
        QCOMPARE(wdi_register_logger(count, &notified, 400), int(WDI_SUCCESS));
        for (int i = 0; i < 20; ++i)
            wdi_mkdir_p("");
        QCOMPARE(notified, 0); // invalid-parameter calls log nothing
        const wdi_options_prepare_driver prepare = {WDI_WINUSB};
        for (int i = 0; i < 5; ++i)
            wdi_prepare_driver(find(list.get(), 0x18D1, 0x4EE1), working().toUtf8().constData(), "x.inf", &prepare);
        QCOMPARE(notified, 1);
        char line[64];
        unsigned size = 0;
        QStringList lines;
        while (wdi_read_logger(line, sizeof line, &size) == WDI_SUCCESS) {
            QVERIFY(size < sizeof line);
            lines << QString::fromUtf8(line, int(size));
        }
        QVERIFY(!lines.isEmpty() && lines.size() < 5);
        QVERIFY(lines.first().startsWith("[info] wdi_prepare_driver: preparing 70-pivora-winusb-18d1"));
        // Reading emptied it: the next line notifies again, after the dropped lines are told.
        wdi_prepare_driver(find(list.get(), 0x18D1, 0x4EE1), working().toUtf8().constData(), "x.inf", &prepare);
        QCOMPARE(notified, 2);
        QVERIFY(wdi_read_logger(line, sizeof line, &size) == WDI_SUCCESS);
        QVERIFY(QByteArray(line).contains("dropped"));
        QVERIFY(wdi_unregister_logger(count, &notified) == WDI_SUCCESS);
        QVERIFY(wdi_register_logger(&collectLog, nullptr, 8192) == WDI_SUCCESS);
    }
};

QTEST_GUILESS_MAIN(TestWdiEngine)
#include "test_wdi_engine.moc"
