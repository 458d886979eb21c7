// Control messages keep their texts within the limits without breaking characters, and the
// key-code tables turn native scan codes into the HID usages the phone expects.

#include "control/ControlMsg.h"
#include "control/KeyScanCodes.h"

#include <QtTest>

#include <linux/input-event-codes.h>

class TestControlMessages : public QObject {
    Q_OBJECT
private slots:
    void textsAreCutToTheirLimit_data();
    void textsAreCutToTheirLimit();
    void emptyClipboardCarriesNoText();
    void set1CodesGiveTheirUsages_data();
    void set1CodesGiveTheirUsages();
    void evdevKeysGiveTheirSet1Codes_data();
    void evdevKeysGiveTheirSet1Codes();
    void nativeScanCodesAreX11Keycodes();
};

void TestControlMessages::textsAreCutToTheirLimit_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const int text = ControlMsg::Text;
    const int clipboard = ControlMsg::SetDeviceClipboard;
    const QString e = QString::fromUtf8("\xc3\xa9");            // é, two bytes
    const QString clef = QString::fromUtf8("\xf0\x9d\x84\x9e");  // one character, a surrogate pair

    QTest::newRow("text of 300 kept") << text << QString(300, 'a') << QString(300, 'a');
    QTest::newRow("text of 301 cut, two-byte character whole")
        << text << QString(299, 'a') + e + "b" << QString(299, 'a') + e;
    QTest::newRow("text with a pair across the cut")
        << text << QString(299, 'a') + clef << QString(299, 'a');
    QTest::newRow("text with a pair before the cut")
        << text << QString(298, 'a') + clef + "zz" << QString(298, 'a') + clef;
    QTest::newRow("empty text") << text << QString("") << QString("");
    QTest::newRow("clipboard of 5000 cut to 4092") << clipboard << QString(5000, 'x') << QString(4092, 'x');
    QTest::newRow("clipboard of 4092 kept") << clipboard << QString(4092, 'y') << QString(4092, 'y');
    QTest::newRow("short clipboard") << clipboard << QString("copy ") + e << QString("copy ") + e;
}

void TestControlMessages::textsAreCutToTheirLimit()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    ControlMsg msg{ControlMsg::ControlMsgType(type)};
    if (type == ControlMsg::Text)
        msg.setTextMsgData(text);
    else
        msg.setSetClipboardMsgData(text, true);
    QVERIFY(msg.text());
    QCOMPARE(QByteArray(msg.text()), expected.toUtf8());
    QCOMPARE(QString::fromUtf8(msg.text()), expected);
    QCOMPARE(msg.type(), QEvent::Type(QEvent::User + 2));
    if (type == ControlMsg::SetDeviceClipboard)
        QVERIFY(msg.paste());
}

void TestControlMessages::emptyClipboardCarriesNoText()
{
    ControlMsg msg(ControlMsg::SetDeviceClipboard);
    msg.setSetClipboardMsgData(QString(), true);
    QVERIFY(!msg.text());
    QVERIFY(!msg.paste());
    msg.setSetClipboardMsgData(QString(""), true);
    QVERIFY(!msg.text());
    QVERIFY(!msg.paste());
}

void TestControlMessages::set1CodesGiveTheirUsages_data()
{
    QTest::addColumn<uint>("set1");
    QTest::addColumn<int>("usage");

    const QList<QPair<uint, int>> anchors = {
        {0x01, 41}, {0x02, 30}, {0x0B, 39}, {0x0E, 42}, {0x10, 20}, {0x1C, 40}, {0x1D, 224},
        {0x1E, 4}, {0x2A, 225}, {0x36, 229}, {0x38, 226}, {0x39, 44}, {0x3A, 57}, {0x45, 83},
        {0x46, 71}, {0x47, 95}, {0x52, 98}, {0x53, 99}, {0x56, 100}, {0x73, 135}, {0x7E, 133},
        // letters and F keys away from the anchors
        {0x2C, 29}, {0x32, 16}, {0x3B, 58}, {0x44, 67}, {0x57, 68}, {0x58, 69},
        // extended keys
        {0xE01C, 88}, {0xE01D, 228}, {0xE035, 84}, {0xE037, 70}, {0xE038, 230}, {0xE047, 74},
        {0xE048, 82}, {0xE049, 75}, {0xE04B, 80}, {0xE04D, 79}, {0xE04F, 77}, {0xE050, 81},
        {0xE051, 78}, {0xE052, 73}, {0xE053, 76}, {0xE05B, 227}, {0xE05C, 231}, {0xE05D, 101},
        {0xE11D45, 72},
        // no key, and codes outside the table
        {0x00, 0}, {0x54, 255}, {0x55, 255}, {0x59, 255}, {0x72, 255}, {0x74, 255}, {0x7F, 255},
        {0x80, 255}, {0xE020, 255}, {0xE11D, 255}, {0x1D45, 255}, {KeyScanCodes::kNoSet1Code, 255},
    };
    for (const auto& anchor : anchors)
        QTest::addRow("0x%X", anchor.first) << anchor.first << anchor.second;
}

void TestControlMessages::set1CodesGiveTheirUsages()
{
    QFETCH(uint, set1);
    QFETCH(int, usage);
    QCOMPARE(int(KeyScanCodes::hidUsageFromSet1(set1)), usage);
}

void TestControlMessages::evdevKeysGiveTheirSet1Codes_data()
{
    QTest::addColumn<uint>("evdev");
    QTest::addColumn<uint>("set1");
    const QList<QPair<uint, uint>> keys = {
        {KEY_A, 0x1E}, {KEY_Z, 0x2C}, {KEY_1, 0x02}, {KEY_0, 0x0B}, {KEY_KPDOT, 0x53},
        {KEY_UP, 0xE048}, {KEY_DOWN, 0xE050}, {KEY_LEFT, 0xE04B}, {KEY_RIGHT, 0xE04D},
        {KEY_LEFTSHIFT, 0x2A}, {KEY_RIGHTSHIFT, 0x36}, {KEY_LEFTCTRL, 0x1D}, {KEY_RIGHTCTRL, 0xE01D},
        {KEY_LEFTALT, 0x38}, {KEY_RIGHTALT, 0xE038}, {KEY_LEFTMETA, 0xE05B}, {KEY_RIGHTMETA, 0xE05C},
        {KEY_KPENTER, 0xE01C}, {KEY_F11, 0x57}, {KEY_F12, 0x58}, {KEY_102ND, 0x56}, {KEY_RO, 0x73},
        {KEY_KPCOMMA, 0x7E}, {KEY_PAUSE, 0xE11D45}, {KEY_SYSRQ, 0xE037},
        {KEY_RESERVED, 0}, {KEY_PROG1, KeyScanCodes::kNoSet1Code},
    };
    for (const auto& key : keys)
        QTest::addRow("evdev %u", key.first) << key.first << key.second;
}

void TestControlMessages::evdevKeysGiveTheirSet1Codes()
{
    QFETCH(uint, evdev);
    QFETCH(uint, set1);
    QCOMPARE(KeyScanCodes::set1FromEvdev(evdev), set1);
}

void TestControlMessages::nativeScanCodesAreX11Keycodes()
{
    // X11 keycodes are evdev codes plus 8: 38 is A, 111 is Up.
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(KEY_A + 8)), 4);
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(KEY_UP + 8)), 82);
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(KEY_ESC + 8)), 41);
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(KEY_PAUSE + 8)), 72);
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(KEY_MUTE + 8)), 255);
    // No native code at all (synthetic events), and codes below the first keycode.
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(0)), 0);
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(5)), 255);
    QCOMPARE(int(KeyScanCodes::hidUsageFromNativeScanCode(0xFFFFFFFFu)), 255);
}

QTEST_APPLESS_MAIN(TestControlMessages)
#include "test_control_messages.moc"
