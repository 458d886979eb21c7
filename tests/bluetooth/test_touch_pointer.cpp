#include "bluetooth/ISCBluetoothDevice.h"
#include "bluetooth/SCDeviceModelInfo.h"
#include "bluetooth/SCTouchToPointerDriver.h"

#include "support/FakeBluetoothDevice.h"

#include <QSet>
#include <QtTest>

namespace {

QStringList repeated(const QString& line, int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << line;
    return lines;
}

const QStringList kHomeTopLeft = repeated("mouse -121 0 0 0", 4) + repeated("mouse 0 -121 0 0", 8) + QStringList { "mouse 0 0 0 4" };
const QStringList kHomeBottomLeft = repeated("mouse -121 0 0 0", 4) + repeated("mouse 0 121 0 0", 8) + QStringList { "mouse 0 0 0 4" };

} // namespace

class TestTouchPointer : public QObject {
    Q_OBJECT
private slots:
    void modelLookup_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pad");
        QTest::addColumn<int>("inset");
        QTest::newRow("iPod") << "iPod9,1" << 3 << "iPod touch (7th generation)" << false << 0;
        QTest::newRow("later identifier of a row") << "iPhone10,6" << 19 << "iPhone X" << false << 39;
        QTest::newRow("SE 2nd gen") << "iPhone12,8" << 14 << "iPhone SE (2nd generation)" << false << 0;
        QTest::newRow("12 mini") << "iPhone13,1" << 26 << "iPhone 12 mini" << false << 44;
        QTest::newRow("12 Pro") << "iPhone13,3" << 28 << "iPhone 12 Pro" << false << 47;
        QTest::newRow("12 Pro Max") << "iPhone13,4" << 29 << "iPhone 12 Pro Max" << false << 53;
        QTest::newRow("8th gen iPad is not a pad by name") << "iPad11,7" << 36 << " iPad 8th Gen" << false << 0;
        QTest::newRow("iPad Air 4") << "iPad13,2" << 40 << "iPad air 4th Gen" << true << 18;
        QTest::newRow("iPad 2") << "iPad2,4" << 30 << "iPad 2" << true << 0;
        QTest::newRow("iPad Pro 12.9 5th") << "iPad13,11" << 55 << "iPad Pro 12.9 inch 5th Gen" << true << 18;
        // Later models.
        QTest::newRow("13 mini") << "iPhone14,4" << 56 << "iPhone 13 mini" << false << 44;
        QTest::newRow("SE 3rd gen") << "iPhone14,6" << 60 << "iPhone SE (3rd generation)" << false << 0;
        QTest::newRow("14 Plus") << "iPhone14,8" << 62 << "iPhone 14 Plus" << false << 53;
        QTest::newRow("15 Pro") << "iPhone16,1" << 67 << "iPhone 15 Pro" << false << 55;
        QTest::newRow("16 Pro Max") << "iPhone17,2" << 72 << "iPhone 16 Pro Max" << false << 62;
        QTest::newRow("16e") << "iPhone17,5" << 73 << "iPhone 16e" << false << 47;
        QTest::newRow("iPad 9th gen") << "iPad12,2" << 74 << "iPad (9th generation)" << true << 0;
        QTest::newRow("iPad mini 6") << "iPad14,1" << 77 << "iPad mini (6th generation)" << true << 21;
        QTest::newRow("iPad Pro M4") << "iPad16,6" << 87 << "iPad Pro 13-inch (M4)" << true << 18;
    }
    void modelLookup()
    {
        QFETCH(QString, identifier);
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(bool, pad);
        QFETCH(int, inset);
        const SCDeviceModelInfo* info = SCDeviceModelInfo::find(identifier.toStdString());
        QVERIFY(info);
        QCOMPARE(info->code, code);
        QCOMPARE(QString::fromLatin1(info->name), name);
        QCOMPARE(info->isPad(), pad);
        QCOMPARE(SCDeviceModelInfo::cornerInset(info), inset);
    }

    void unknownModels()
    {
        QVERIFY(!SCDeviceModelInfo::find(""));
        QVERIFY(!SCDeviceModelInfo::find("iPhone99,1"));
        QVERIFY(!SCDeviceModelInfo::find("iphone10,6"));
        QCOMPARE(SCDeviceModelInfo::cornerInset(nullptr), 0);
        // Every code appears once, in order, and every identifier names one row only.
        QSet<QString> identifiers;
        for (size_t i = 0; i < SCDeviceModelInfo::kRowCount; ++i) {
            const SCDeviceModelInfo& row = SCDeviceModelInfo::rows()[i];
            QCOMPARE(row.code, int32_t(i + 1));
            QVERIFY(row.width > 0 && row.height > row.width && row.scale > 0);
            for (const char* id : row.identifiers) {
                if (!id)
                    continue;
                QVERIFY2(!identifiers.contains(id), id);
                identifiers.insert(id);
            }
        }
    }

    void speedTableFromStoredDistances()
    {
        SCTouchToPointerDriver driver;
        driver.loadSpeedTable(SCTouchToPointerDriver::storedPointerDistances(), SCTouchToPointerDriver::kSpeedEntries);
        const std::vector<int32_t>& t = driver.speedTable();
        QCOMPARE(int(t.size()), 128);
        QCOMPARE(t[0], 0);
        QCOMPARE(t[1], 3);
        QCOMPARE(t[45], 1054);
        QCOMPARE(t[127], 4911);
        QVERIFY(std::is_sorted(t.begin(), t.end()));

        const double shrinking[] = { 0, 2, 1 };
        driver.loadSpeedTable(shrinking, 3);
        QVERIFY(driver.speedTable().empty());
        driver.loadSpeedTable(nullptr, 0);
        QVERIFY(driver.speedTable().empty());
    }

    void split_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QVector<int>>("steps");
        QTest::newRow("600 points") << 6000 << QVector<int> { 127, 45, 6, 1 };
        QTest::newRow("600 points back") << -6000 << QVector<int> { -127, -45, -6, -1 };
        QTest::newRow("below the smallest step") << 2 << QVector<int> {};
        QTest::newRow("smallest step") << 3 << QVector<int> { 1 };
        QTest::newRow("exact top") << 4911 << QVector<int> { 127 };
        QTest::newRow("two tops") << 9822 << QVector<int> { 127, 127 };
        QTest::newRow("exact entry") << 1100 << QVector<int> { 46 };
        QTest::newRow("zero") << 0 << QVector<int> {};
    }
    void split()
    {
        QFETCH(int, tenths);
        QFETCH(QVector<int>, steps);
        SCTouchToPointerDriver driver;
        driver.loadSpeedTable(SCTouchToPointerDriver::storedPointerDistances(), SCTouchToPointerDriver::kSpeedEntries);
        const std::vector<int32_t> got = SCTouchToPointerDriver::splitDistance(tenths, driver.speedTable());
        QCOMPARE(QVector<int>(got.begin(), got.end()), steps);
    }

    void touchDownHomesThenMoves600Points()
    {
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        // iPhone 12 Pro Max in landscape: one frame unit is one point both ways.
        driver.setDevice(&device, SCDeviceModelInfo::find("iPhone13,4"));
        QVERIFY(driver.touchDown(10, 100, 926, 428, 1));
        QCOMPARE(device.calls.mid(0, kHomeTopLeft.size()), kHomeTopLeft);
        QCOMPARE(device.calls.last(), QString("mouse 0 0 0 1"));
        QCOMPARE(driver.lastX(), 10.0f);
        QCOMPARE(driver.lastY(), 100.0f);

        device.calls.clear();
        QVERIFY(driver.touchMove(610, 100, 926, 428, 1));
        QCOMPARE(device.calls, QStringList({ "mouse 127 0 0 1", "mouse 45 0 0 1", "mouse 6 0 0 1", "mouse 1 0 0 1" }));

        device.calls.clear();
        QVERIFY(driver.touchUp(10, 100, 926, 428));
        QCOMPARE(device.calls, QStringList({ "mouse -127 0 0 0", "mouse -45 0 0 0", "mouse -6 0 0 0", "mouse -1 0 0 0", "mouse 0 0 0 0" }));
    }

    void tinyMoveSendsNothingButMovesTheTarget()
    {
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        driver.setDevice(&device, SCDeviceModelInfo::find("iPhone13,4"));
        driver.touchDown(100, 100, 926, 428, 1);
        device.calls.clear();
        QVERIFY(driver.touchMove(100.2f, 100, 926, 428, 1));
        QCOMPARE(device.calls, QStringList());
        QCOMPARE(driver.lastX(), 100.2f);
    }

    void targetOutsideTheFrameIsClamped()
    {
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        driver.setDevice(&device, SCDeviceModelInfo::find("iPhone13,4"));
        driver.touchDown(-50, 5000, 926, 428, 1);
        QCOMPARE(driver.lastX(), 0.0f);
        QCOMPARE(driver.lastY(), 428.0f);
    }

    void padHomesToTheBottomLeft()
    {
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        driver.setDevice(&device, SCDeviceModelInfo::find("iPad8,12"));
        QCOMPARE(driver.restY(), 1366);
        // Half-size portrait frame: the rest height scales to the frame.
        QVERIFY(driver.touchDown(9, 683, 512, 683, 1));
        QCOMPARE(device.calls.mid(0, kHomeBottomLeft.size()), kHomeBottomLeft);
        // The pointer already rests on the target; only the press follows.
        QCOMPARE(device.calls.mid(kHomeBottomLeft.size()), QStringList({ "mouse 0 0 0 1" }));
    }

    void homingRepeatsEveryEleventhTouchOrOnResize()
    {
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        driver.setDevice(&device, SCDeviceModelInfo::find("iPhone12,1"));
        for (int i = 0; i < 11; ++i)
            driver.touchDown(50, 50, 414, 896, 1);
        QCOMPARE(device.count("mouse 0 0 0 4"), 1);
        driver.touchDown(50, 50, 414, 896, 1);
        QCOMPARE(device.count("mouse 0 0 0 4"), 2);
        driver.touchDown(50, 50, 414.9f, 896, 1);
        QCOMPARE(device.count("mouse 0 0 0 4"), 2);
        driver.touchDown(50, 50, 416, 896, 1);
        QCOMPARE(device.count("mouse 0 0 0 4"), 3);
    }

    void oldIosTakesAbsoluteTouches_data()
    {
        QTest::addColumn<float>("w");
        QTest::addColumn<float>("h");
        QTest::addColumn<QString>("report");
        QTest::newRow("portrait") << 375.f << 812.f << QString("touch %1 %2 1").arg(double(100.f / 375.f)).arg(double(203.f / 812.f));
        QTest::newRow("landscape") << 812.f << 375.f << QString("touch %1 %2 1").arg(double(1.f - 203.f / 375.f)).arg(double(100.f / 812.f));
    }
    void oldIosTakesAbsoluteTouches()
    {
        QFETCH(float, w);
        QFETCH(float, h);
        QFETCH(QString, report);
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        driver.setDevice(&device, SCDeviceModelInfo::find("iPhone10,3"));
        driver.setAbsoluteMode(true);
        QVERIFY(driver.touchDown(100, 203, w, h, 1));
        QCOMPARE(device.calls, QStringList({ report }));
        device.calls.clear();
        QVERIFY(driver.touchUp(100, 203, w, h));
        QVERIFY(device.calls.at(0).endsWith(" 0"));
    }

    void failedSendKeepsTheOldPosition()
    {
        FakeBluetoothDevice device;
        SCTouchToPointerDriver driver;
        driver.setDevice(&device, SCDeviceModelInfo::find("iPhone13,4"));
        driver.touchDown(10, 100, 926, 428, 1);
        device.failFrom = device.calls.size() + 2;
        QVERIFY(!driver.touchMove(610, 100, 926, 428, 1));
        QCOMPARE(driver.lastX(), 10.0f);
    }

    void withoutDeviceNothingHappens()
    {
        SCTouchToPointerDriver driver;
        QVERIFY(!driver.touchDown(10, 10, 100, 200, 1));
        QVERIFY(!driver.wheel(3));
        QVERIFY(!driver.isHomed());

        FakeBluetoothDevice device;
        driver.setDevice(&device, nullptr);
        QVERIFY(driver.wheel(-2));
        QCOMPARE(device.calls, QStringList({ "mouse 0 0 -2 0" }));
        // A frame of no size is refused rather than divided by.
        QVERIFY(!driver.touchMove(1, 1, 0, 0, 1));
    }
};

QTEST_GUILESS_MAIN(TestTouchPointer)
#include "test_touch_pointer.moc"
