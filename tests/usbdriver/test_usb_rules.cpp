// Which devices get which driver, the file names drivers are prepared under, the texts, and
// the rule files the helper accepts: row by row.

#include "WdiRule.h"
#include "usbdriver/CUsbMonitor.h"
#include "usbdriver/CWDIState.h"
#include "usbdriver/UsbDeviceRules.h"
#include "usbdriver/WDITexts.h"

#include <QtTest>

#include <memory>

namespace {

// A device record with its strings kept alive.
struct Record {
    QByteArray desc, driver, deviceId, hardwareId, deviceDesc;
    bool hasDriver = true;
    wdi_device_info info{};

    const wdi_device_info& get()
    {
        info.desc = desc.data();
        info.driver = hasDriver ? driver.data() : nullptr;
        info.device_id = deviceId.data();
        info.hardware_id = hardwareId.data();
        info.device_desc = deviceDesc.data();
        return info;
    }
};

std::shared_ptr<Record> record(uint16_t vid, uint16_t pid, const char* desc, const char* driver, int mi = 0,
    bool composite = false, const char* deviceDesc = "")
{
    auto r = std::make_shared<Record>();
    r->info.vid = vid;
    r->info.pid = pid;
    r->info.mi = static_cast<unsigned char>(mi);
    r->info.is_composite = composite;
    r->desc = desc;
    r->hasDriver = driver != nullptr;
    r->driver = driver ? driver : "";
    r->deviceId = "/devices/pci0000:00/usb1/1-2";
    r->hardwareId = QStringLiteral("usb:v%1p%2").arg(vid, 4, 16, QChar('0')).arg(pid, 4, 16, QChar('0')).toUpper().toUtf8();
    r->deviceDesc = deviceDesc;
    return r;
}

QString choices(const QVector<usbrules::Choice>& chosen)
{
    QStringList tags;
    for (usbrules::Choice c : chosen)
        tags << usbrules::choiceLogTag(c);
    return tags.join(',');
}

} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<Record>)

class TestUsbRules : public QObject {
    Q_OBJECT
private slots:
    void androidChoice_data()
    {
        QTest::addColumn<std::shared_ptr<Record>>("device");
        QTest::addColumn<QString>("expected");
        // Known vendors, whole devices.
        QTest::newRow("Xiaomi phone") << record(0x2717, 0xff48, "Redmi Note 8", "usbfs") << "WINUSB";
        QTest::newRow("OPPO phone") << record(0x22D9, 0x2769, "CPH2127", "usb") << "WINUSB";
        QTest::newRow("MediaTek phone") << record(0x0E8D, 0x2008, "MT65xx", "usb") << "WINUSB";
        QTest::newRow("unknown vendor") << record(0x1234, 0x5678, "Phone", "usb") << "";
        QTest::newRow("Apple is no Android maker") << record(0x05AC, 0x12A8, "iPhone", "usb") << "";
        // Whole first function with a driver that is not yet WinUSB.
        QTest::newRow("already WinUSB") << record(0x2717, 0xff48, "Redmi", "WinUSB") << "";
        QTest::newRow("WinUSB compared exactly") << record(0x2717, 0xff48, "Redmi", "winusb") << "WINUSB";
        QTest::newRow("no driver") << record(0x2717, 0xff48, "Redmi", nullptr) << "";
        QTest::newRow("composite parent") << record(0x2717, 0xff48, "Redmi", "usb", 0, true) << "";
        QTest::newRow("second interface") << record(0x2717, 0xff48, "Redmi", "usb", 1) << "";
        // Huawei only with a product id; Google outside the accessory ids.
        QTest::newRow("Huawei") << record(0x12D1, 0x107e, "ELE-L29", "usb") << "WINUSB";
        QTest::newRow("Huawei pid 0") << record(0x12D1, 0x0000, "Modem", "usb") << "";
        QTest::newRow("Google phone") << record(0x18D1, 0x4ee1, "Pixel 7", "usb") << "WINUSB";
        QTest::newRow("Google below accessory") << record(0x18D1, 0x2CFF, "Pixel", "usb") << "WINUSB";
        QTest::newRow("Google above accessory") << record(0x18D1, 0x2D10, "Pixel", "usb") << "WINUSB";
        // Samsung goes to its own list.
        QTest::newRow("Samsung") << record(0x04E8, 0x6860, "SAMSUNG_Android", "usb") << "WINUSB SamSung";
        QTest::newRow("Samsung with WinUSB") << record(0x04E8, 0x6860, "SAMSUNG_Android", "WinUSB") << "";
        // Debugging: "adb" in desc, device id, hardware id or bus description of an accepted maker.
        QTest::newRow("ADB interface") << record(0x18D1, 0x4ee7, "Pixel 7", "usb", 1, false, "ADB Interface") << "ADB";
        QTest::newRow("adb in desc, whole") << record(0x2717, 0xff40, "Mi ADB", "usb") << "ADB,WINUSB";
        QTest::newRow("adb of unknown maker") << record(0x1234, 0x0001, "x", "usb", 1, false, "ADB Interface") << "";
        QTest::newRow("adb in product id digits") << record(0x2A70, 0xADB0, "OnePlus", "usb", 1) << "ADB";
        QTest::newRow("Huawei pid 0 adb") << record(0x12D1, 0, "x", "usb", 1, false, "ADB Interface") << "";
        // Accessory product ids of Google.
        QTest::newRow("accessory 2D00") << record(0x18D1, 0x2D00, "Android Accessory", "usb") << "USBCCGP";
        QTest::newRow("accessory 2D02") << record(0x18D1, 0x2D02, "Android Accessory", nullptr) << "USBCCGP";
        QTest::newRow("accessory 2D04") << record(0x18D1, 0x2D04, "Android Accessory", "usb") << "USBCCGP";
        QTest::newRow("accessory with libusbK") << record(0x18D1, 0x2D00, "Android Accessory", "libusbK") << "";
        QTest::newRow("accessory composite") << record(0x18D1, 0x2D00, "Android Accessory", "usb", 0, true) << "";
        QTest::newRow("accessory 2D01 adb") << record(0x18D1, 0x2D01, "Android Accessory", "usb") << "AOA ADB";
        QTest::newRow("accessory 2D06 adb") << record(0x18D1, 0x2D06, "Android Accessory", "usb", 1) << "AOA ADB";
        QTest::newRow("accessory 2D0F adb") << record(0x18D1, 0x2D0F, "x", nullptr, 0, true) << "AOA ADB";
        // Skipped descriptions, bus descriptions and drivers.
        QTest::newRow("wlan") << record(0x2717, 0x4106, "WLAN Adapter", "rtl8xxxu") << "";
        QTest::newRow("cdc") << record(0x04E8, 0x6860, "CDC Serial", "cdc_acm") << "";
        QTest::newRow("wireless bus desc") << record(0x2717, 0x4106, "Adapter", "x", 0, false, "Wireless LAN") << "";
        QTest::newRow("mouse") << record(0x17EF, 0x608d, "Lenovo USB Optical Mouse", "usb") << "";
        QTest::newRow("keyboard driver") << record(0x04E8, 0x7021, "Trio", "usbhid") << "";
        QTest::newRow("camera driver") << record(0x17EF, 0x482f, "Integrated", "uvcvideo") << "";
        QTest::newRow("bluetooth driver") << record(0x0B05, 0x17cb, "BT-400", "btusb") << "";
    }
    void androidChoice()
    {
        QFETCH(std::shared_ptr<Record>, device);
        QFETCH(QString, expected);
        usbrules::AndroidLists lists;
        QCOMPARE(choices(usbrules::classify(device->get(), {}, &lists)), expected);
        QCOMPARE(lists.phones.size(), int(expected.contains("WINUSB") && !expected.contains("SamSung")));
    }

    void knownVendorTable()
    {
        const QVector<uint16_t> expected = {0x22D9, 0x2717, 0x04E8, 0x2A45, 0x29A9, 0x05C6, 0x2D95, 0x1004, 0x2A70,
            0x17EF, 0x0FCE, 0x19D2, 0x0B05, 0x04DD, 0x2C73, 0x2B5B, 0x0A9D, 0x31CE, 0x0E8D};
        QCOMPARE(usbrules::knownVendors(), expected);
        for (uint16_t vid : expected) {
            auto phone = record(vid, 0x1234, "Phone", "usb");
            usbrules::AndroidLists lists;
            usbrules::classify(phone->get(), {}, &lists);
            QCOMPARE(lists.phones.size() + lists.samsung.size(), 1);
        }
        QVERIFY(!usbrules::isKnownVendor(0x12D1));
        QVERIFY(!usbrules::isKnownVendor(0x18D1));
        QVERIFY(!usbrules::isKnownVendor(0x05AC));
    }

    void excludedProductKeepsEveryFunction()
    {
        // A keyboard function or a camera excludes every record with the same product id.
        auto keyboardParent = record(0x04E8, 0x7021, "Smart Trio", "usb", 0, true);
        auto keyboardFirst = record(0x04E8, 0x7021, "Smart Trio", "usbhid", 0);
        auto keyboardSecond = record(0x04E8, 0x7021, "Smart Trio", "usb", 1);
        auto cameraFirst = record(0x17EF, 0x482f, "Integrated", "uvcvideo", 0);
        auto cameraAudio = record(0x17EF, 0x482f, "Integrated", "snd-usb-audio", 2);
        auto mouse = record(0x17EF, 0x608d, "Lenovo USB Optical Mouse", "usbhid");
        auto phone = record(0x17EF, 0x7a11, "Lenovo K12", "usb");
        const QVector<std::shared_ptr<Record>> all = {keyboardParent, keyboardFirst, keyboardSecond, cameraFirst,
            cameraAudio, mouse, phone};
        for (int i = 0; i < all.size(); ++i) {
            all[i]->get();
            all[i]->info.next = i + 1 < all.size() ? &all[i + 1]->info : nullptr;
        }
        const QSet<uint16_t> excluded = usbrules::excludedProducts(&all.first()->get());
        QCOMPARE(excluded, (QSet<uint16_t>{0x7021, 0x482f, 0x608d}));
        usbrules::AndroidLists lists;
        for (const auto& r : all)
            usbrules::classify(r->get(), excluded, &lists);
        QCOMPARE(lists.phones.size(), 1);
        QCOMPARE(lists.phones.first()->pid, uint16_t(0x7a11));
        QVERIFY(lists.samsung.isEmpty());
    }

    void samsungChoice()
    {
        auto a = record(0x04E8, 0x6860, "SAMSUNG_Android", "usb");
        auto b = record(0x04E8, 0x6860, "SAMSUNG_Android", "dg_ssudbus");
        auto c = record(0x04E8, 0x685d, "Galaxy", "dg_ssudbus");
        QCOMPARE(usbrules::samsungPhones({}).size(), 0);
        QCOMPARE(usbrules::samsungPhones({&a->get()}), QVector<const wdi_device_info*>{&a->get()});
        QCOMPARE(usbrules::samsungPhones({&a->get(), &b->get(), &c->get()}),
            (QVector<const wdi_device_info*>{&b->get(), &c->get()}));
        QVERIFY(usbrules::samsungPhones({&a->get(), &a->get()}).isEmpty());
    }

    void iosChoice_data()
    {
        QTest::addColumn<std::shared_ptr<Record>>("device");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("iPhone") << record(0x05AC, 0x12a8, "iPhone", "usb") << true;
        QTest::newRow("iPad") << record(0x05AC, 0x12ab, "iPad", "ipheth") << true;
        QTest::newRow("already libusb0") << record(0x05AC, 0x12a8, "iPhone", "libusb0") << false;
        QTest::newRow("no driver") << record(0x05AC, 0x12a8, "iPhone", nullptr) << false;
        QTest::newRow("iP is case-sensitive") << record(0x05AC, 0x12a8, "IPhone", "usb") << false;
        QTest::newRow("iP at the start only") << record(0x05AC, 0x12a8, "My iPhone", "usb") << false;
        QTest::newRow("composite parent") << record(0x05AC, 0x12a8, "iPhone", "usb", 0, true) << false;
        QTest::newRow("second interface") << record(0x05AC, 0x12a8, "iPhone", "usb", 1) << false;
        QTest::newRow("other maker") << record(0x18D1, 0x4ee1, "iPhone", "usb") << false;
    }
    void iosChoice()
    {
        QFETCH(std::shared_ptr<Record>, device);
        QFETCH(bool, chosen);
        QCOMPARE(usbrules::isIosCandidate(device->get()), chosen);
    }

    void infNameCleaning_data()
    {
        QTest::addColumn<QByteArray>("desc");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QByteArray("Pixel 7") << "Pixel_7.inf";
        QTest::newRow("tab") << QByteArray("Mi\t9") << "Mi_9.inf";
        QTest::newRow("dropped") << QByteArray("a\"b*c/d:e<f>g?h\\i|j,k") << "abcdefghijk.inf";
        QTest::newRow("controls") << QByteArray("a\x01\x08\x0a\x1f\x7fz") << "az.inf";
        QTest::newRow("dots and dashes kept") << QByteArray("SM-G991B.x") << "SM-G991B.x.inf";
        QTest::newRow("utf-8 kept") << QByteArray("\xe5\x8d\x8e\xe4\xb8\xba P40") << QString::fromUtf8("\xe5\x8d\x8e\xe4\xb8\xba_P40.inf");
        QTest::newRow("200 bytes") << QByteArray(200, 'x') << QString(200, 'x') + ".inf";
        QTest::newRow("201 bytes") << QByteArray(201, 'x') << QString();
        QTest::newRow("nothing left") << QByteArray("???") << QString();
        QTest::newRow("not utf-8, grown past 200") << QByteArray(100, '\xff') << QString();
        QTest::newRow("empty") << QByteArray("") << QString();
    }
    void infNameCleaning()
    {
        QFETCH(QByteArray, desc);
        QFETCH(QString, name);
        QCOMPARE(usbrules::cleanInfName(desc.constData()), name);
        if (!name.isNull()) {
            // The engine takes every cleaned name as the name of a rule file.
            QVERIFY(wdirule::isValidBase(name.chopped(4).toStdString()));
        }
    }

    void texts_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << 0 << 0 << "Tips";
        QTest::newRow("100") << 100 << 0 << 0 << "Detecting mirroring device driver...";
        QTest::newRow("112") << 112 << 2 << 0 << "There are 2 devices connected to your computer, Ready to install driver...";
        QTest::newRow("113") << 113 << 1 << 3 << "1/3 Preparing device drivers...";
        QTest::newRow("119") << 119 << 1 << 0
                             << "Android Phone: There are 1 devices connected to your computer, Ready to install driver...";
        QTest::newRow("123") << 123 << 2 << 2 << "Android Phone: 2/2 You have successfully installed the driver...";
        QTest::newRow("125") << 125 << 3 << 0
                             << "Android UsbCast: There are 3 devices connected to your computer, Ready to install driver...";
        QTest::newRow("130") << 130 << 1 << 1 << "Android UsbCast: 1/1 The driver installation failed...";
        QTest::newRow("118") << 118 << 0 << 0
                             << "The system has detected that the 'USB debugging' function was turned on. Please turn it "
                                "off in Setting and replug the Phone!";
        QTest::newRow("99") << 99 << 0 << 0 << "";
        QTest::newRow("131") << 131 << 0 << 0 << "";
    }
    void texts()
    {
        QFETCH(int, number);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, text);
        QCOMPARE(wditext::text(number, first, second), text);
    }

    void productOfUevent_data()
    {
        QTest::addColumn<QByteArray>("product");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::newRow("short hex") << QByteArray("5ac/12a8/1104") << true << 0x05AC << 0x12A8;
        QTest::newRow("upper case") << QByteArray("18D1/4EE1/440") << true << 0x18D1 << 0x4EE1;
        QTest::newRow("no bcd") << QByteArray("18d1/4ee1") << false << 0 << 0;
        QTest::newRow("too long") << QByteArray("118d1/4ee1/1") << false << 0 << 0;
        QTest::newRow("not hex") << QByteArray("18g1/4ee1/1") << false << 0 << 0;
        QTest::newRow("empty part") << QByteArray("/4ee1/1") << false << 0 << 0;
        QTest::newRow("empty") << QByteArray("") << false << 0 << 0;
    }
    void productOfUevent()
    {
        QFETCH(QByteArray, product);
        QFETCH(bool, ok);
        QFETCH(int, vid);
        QFETCH(int, pid);
        uint16_t v = 0, p = 0;
        QCOMPARE(CUsbMonitor::parseProduct(product.constData(), &v, &p), ok);
        if (ok) {
            QCOMPARE(int(v), vid);
            QCOMPARE(int(p), pid);
        }
    }

    void uninstallCandidates()
    {
        struct Row {
            int type;
            uint16_t vid;
            const char* desc;
            bool removed;
        };
        const Row rows[] = {
            {WDI_WINUSB, 0x2717, "Redmi", true},
            {WDI_WINUSB, 0x12D1, "Huawei", true},
            {WDI_WINUSB, 0x18D1, "Pixel", true},
            {WDI_WINUSB, 0x1234, "Other", false},
            {WDI_LIBUSB0, 0x05AC, "iPhone", true},
            {WDI_LIBUSB0, 0x05AC, "My iPad", true},
            {WDI_LIBUSB0, 0x05AC, "IPHONE", false},
            {WDI_LIBUSB0, 0x18D1, "iPhone", false},
            {WDI_LIBUSBK, 0x18D1, "Android Accessory", false},
        };
        for (const Row& r : rows) {
            QByteArray desc(r.desc);
            wdi_installed_driver d{};
            d.driver_type = r.type;
            d.vid = r.vid;
            d.desc = desc.data();
            QVERIFY2(usbrules::isUninstallCandidate(d) == r.removed, r.desc);
        }
    }

    void debuggingWarningOncePerPlug()
    {
        CWDIState state(QString{});
        auto pixel = record(0x18D1, 0x4ee7, "Pixel 7", "usb", 1, false, "ADB Interface");
        auto samsung = record(0x04E8, 0x6860, "SAMSUNG_Android", "usb", 3, false, "ADB Interface");
        QVERIFY(!state.takeDebuggingWarning({}));
        QVERIFY(state.takeDebuggingWarning({&pixel->get(), &pixel->get()}));
        QVERIFY(!state.takeDebuggingWarning({&pixel->get()}));
        QCOMPARE(state.seenDeviceCount(), 1);
        // Replugged with debugging still on: once more.
        state.deviceArrived(0x18D1, 0x4ee7);
        QVERIFY(state.takeDebuggingWarning({&pixel->get()}));
        QVERIFY(!state.takeDebuggingWarning({&pixel->get()}));
        // Two new devices: one warning per scan.
        QVERIFY(state.takeDebuggingWarning({&pixel->get(), &samsung->get()}));
        QVERIFY(!state.takeDebuggingWarning({&pixel->get(), &samsung->get()}));
        // Replugged after debugging was turned off: no warning until it is on again.
        state.deviceArrived(0x04E8, 0x6860);
        QVERIFY(!state.takeDebuggingWarning({}));
        QVERIFY(state.takeDebuggingWarning({&samsung->get()}));
    }

    void ruleFiles_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("own");
        wdirule::Rule rule;
        rule.driverType = WDI_WINUSB;
        rule.vid = 0x18D1;
        rule.pid = 0x4EE1;
        rule.base = "Pixel_7";
        const QByteArray name = QByteArray::fromStdString(wdirule::fileName(rule));
        const QByteArray text = QByteArray::fromStdString(wdirule::content(rule));
        QCOMPARE(name, QByteArray("70-pivora-winusb-18d1-4ee1-Pixel_7.rules"));
        QTest::newRow("as written") << name << text << true;
        QTest::newRow("extra line") << name << text + "RUN+=\"/bin/sh -c id\"\n" << false;
        QTest::newRow("other device in text") << name << QByteArray(text).replace("4ee1", "4ee2") << false;
        QTest::newRow("mode instead of tag") << name << QByteArray(text).replace("TAG+=\"uaccess\"", "MODE=\"0666\"") << false;
        QTest::newRow("upper-case ids") << QByteArray("70-pivora-winusb-18D1-4EE1-Pixel_7.rules") << text << false;
        QTest::newRow("unknown type") << QByteArray("70-pivora-cdc-18d1-4ee1-Pixel_7.rules") << text << false;
        QTest::newRow("path in name") << QByteArray("70-pivora-winusb-18d1-4ee1-../../x.rules") << text << false;
        QTest::newRow("other program") << QByteArray("51-android.rules") << text << false;
        QTest::newRow("no name part") << QByteArray("70-pivora-winusb-18d1-4ee1-.rules") << text << false;
        QTest::newRow("not utf-8") << QByteArray("70-pivora-winusb-18d1-4ee1-Pixel\xff.rules") << text << false;
        QTest::newRow("control character") << QByteArray("70-pivora-winusb-18d1-4ee1-Pixel\n7.rules") << text << false;
    }
    void ruleFiles()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, text);
        QFETCH(bool, own);
        wdirule::Rule parsed;
        QCOMPARE(wdirule::isOwnRule(name.toStdString(), text.toStdString(), &parsed), own);
        if (own) {
            QCOMPARE(parsed.driverType, int(WDI_WINUSB));
            QCOMPARE(parsed.vid, uint16_t(0x18D1));
            QCOMPARE(parsed.pid, uint16_t(0x4EE1));
            QCOMPARE(parsed.base, std::string("Pixel_7"));
        }
    }
};

QTEST_GUILESS_MAIN(TestUsbRules)
#include "test_usb_rules.moc"
