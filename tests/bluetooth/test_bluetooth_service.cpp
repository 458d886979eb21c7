#include "RecorderLibrary.h"

#include "bluetooth/AirPlayPeripheral.h"
#include "bluetooth/ISCBluetoothDeviceDelegate.h"
#include "bluetooth/ISCBluetoothServiceDelegate.h"
#include "bluetooth/SCBluetoothDevice.h"
#include "bluetooth/SCBluetoothService.h"

#include <QtTest>

#include <atomic>
#include <functional>
#include <thread>

Q_DECLARE_METATYPE(std::function<bool(ISCBluetoothDevice*)>)

namespace {

const QStringList kLoadCalls = { "EnvInitialize", "Support" };
const char kMissingLibrary[] = "/nonexistent/pivora-test/libhidlink.so";

std::atomic<int> g_missingExportWarnings { 0 };
QtMessageHandler g_previousHandler = nullptr;

void countMissingExports(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains("has no AirPlay_Peripheral_MouseSend"))
        ++g_missingExportWarnings;
    g_previousHandler(type, context, text);
}

class RecordingDelegate : public ISCBluetoothServiceDelegate {
public:
    void bluetoothDeviceLinked(ISCBluetoothDevice* device) override { events << "linked" << device; }
    void bluetoothDeviceUnlinked(ISCBluetoothDevice* device) override { events << "unlinked" << device; }
    struct Events {
        QStringList kinds;
        QList<ISCBluetoothDevice*> devices;
        Events& operator<<(const char* kind) { kinds << kind; return *this; }
        Events& operator<<(ISCBluetoothDevice* d) { devices << d; return *this; }
    } events;
};

// A device session as the service sees it: it holds a device and is told when the service
// takes it away.
class HoldingSession : public ISCBluetoothDeviceDelegate {
public:
    void bluetoothDeviceDisconnect(ISCBluetoothDevice* device, int flag) override
    {
        if (flag && device == held)
            held = nullptr;
        ++toldToLetGo;
    }
    void bluetoothDeviceConnectionChanged(ISCBluetoothDevice*, bool) override {}
    ISCBluetoothDevice* held = nullptr;
    int toldToLetGo = 0;
};

} // namespace

class TestBluetoothService : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(m_recorder.isLoaded(), HIDLINK_RECORDER_PATH);
    }
    void init() { m_recorder.reset(); }

    void commandsRunInQueueOrder()
    {
        AirPlayPeripheral worker;
        QVERIFY(worker.start(HIDLINK_RECORDER_PATH));
        QVERIFY(worker.waitUntilLoaded(std::chrono::seconds(30)));
        QVERIFY(worker.isSupported());
        worker.enqueue(PeripheralCommand::start());
        worker.enqueue(PeripheralCommand::phoneInfo("Ann", "7"));
        worker.enqueue(PeripheralCommand::subscribedClient("Ann"));
        worker.enqueue(PeripheralCommand::mouse(1, -3, 4, 2));
        worker.enqueue(PeripheralCommand::touch(1, 0.25f, 0.75f));
        worker.enqueue(PeripheralCommand::keyBoard(0, 0x04));
        worker.enqueue(PeripheralCommand::gamePad(4));
        worker.enqueue(PeripheralCommand::stop());
        const QStringList expected = kLoadCalls + QStringList {
            "Initialize", "StartService", "SetPhoneInfo Ann|7", "SetSubscribedClient Ann",
            "MouseSend 1 -3 4 2", "TouchScreenSend 1 0.25 0.75", "KeyBoardSend 0 4", "GamePadSend 4",
            "StopService" };
        m_recorder.waitCalls(expected.size());
        worker.stop();
        QCOMPARE(m_recorder.calls(), expected);
        QVERIFY(!worker.isSupported());
    }

    void stopFinishesTheCommandInHandAndDiscardsTheRest()
    {
        AirPlayPeripheral worker;
        QVERIFY(worker.start(HIDLINK_RECORDER_PATH));
        m_recorder.holdMouse(true);
        worker.enqueue(PeripheralCommand::mouse(0, 1, 0, 0));
        m_recorder.waitMouseHeld();
        worker.enqueue(PeripheralCommand::mouse(0, 2, 0, 0));
        worker.enqueue(PeripheralCommand::keyBoard(1, 5));

        std::thread stopper([&] { worker.stop(); });
        while (!worker.isStopRequested())
            std::this_thread::yield();
        QVERIFY(!worker.enqueue(PeripheralCommand::mouse(0, 3, 0, 0)));
        m_recorder.holdMouse(false);
        stopper.join();

        const QStringList expected = kLoadCalls + QStringList { "MouseSend 0 1 0 0" };
        QCOMPARE(m_recorder.calls(), expected);
        // Nothing reaches the library once stopped.
        QVERIFY(!worker.enqueue(PeripheralCommand::mouse(0, 4, 0, 0)));
        QVERIFY(!worker.isRunning());
        QCOMPARE(m_recorder.calls(), expected);
    }

    void unsupportedHostDiscardsCommands()
    {
        m_recorder.setSupport(false);
        AirPlayPeripheral worker;
        QVERIFY(worker.start(HIDLINK_RECORDER_PATH));
        QVERIFY(worker.waitUntilLoaded(std::chrono::seconds(30)));
        QVERIFY(!worker.isSupported());
        worker.enqueue(PeripheralCommand::start());
        worker.enqueue(PeripheralCommand::mouse(0, 1, 0, 0));
        worker.stop();
        QCOMPARE(m_recorder.calls(), kLoadCalls);
    }

    void missingLibrarySendsNothing()
    {
        SCBluetoothService service(kMissingLibrary);
        QVERIFY(!service.isSupported());
        service.start();
        service.updateDevice("Ann", 0x1234, true);
        ISCBluetoothDevice* device = service.findByName("Ann");
        QVERIFY(device);
        device->keyboard(1, 4, 0);
        device->mouse(1, 1, 0, 0);
        service.stop();
        QCOMPARE(m_recorder.calls(), QStringList());
    }

    void missingExportSkipsOnlyThatCall()
    {
        RecorderLibrary partial(HIDLINK_RECORDER_PARTIAL_PATH);
        QVERIFY(partial.isLoaded());
        g_missingExportWarnings = 0;
        g_previousHandler = qInstallMessageHandler(countMissingExports);
        {
            AirPlayPeripheral worker;
            QVERIFY(worker.start(HIDLINK_RECORDER_PARTIAL_PATH));
            worker.enqueue(PeripheralCommand::mouse(0, 1, 0, 0));
            worker.enqueue(PeripheralCommand::keyBoard(1, 4));
            worker.enqueue(PeripheralCommand::mouse(0, 2, 0, 0));
            worker.enqueue(PeripheralCommand::gamePad(4));
            partial.waitCalls(3);
            worker.stop();
        }
        qInstallMessageHandler(g_previousHandler);
        QCOMPARE(partial.calls(), kLoadCalls + QStringList { "GamePadSend 4" });
        QCOMPARE(g_missingExportWarnings.load(), 1);
    }

    void deviceOperations_data()
    {
        using Op = std::function<bool(ISCBluetoothDevice*)>;
        QTest::addColumn<Op>("op");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("key press") << Op([](ISCBluetoothDevice* d) { return d->keyboard(1, 0x28, 0x02); })
                                   << false << QStringList { "KeyBoardSend 1 40" };
        QTest::newRow("key release") << Op([](ISCBluetoothDevice* d) { return d->keyboard(0, 0x28, 0); })
                                     << false << QStringList { "KeyBoardSend 0 40" };
        QTest::newRow("mouse") << Op([](ISCBluetoothDevice* d) { return d->mouse(-7, 9, -1, 1); })
                               << true << QStringList { "MouseSend 1 -7 9 -1" };
        QTest::newRow("touch") << Op([](ISCBluetoothDevice* d) { return d->touch(0.5f, 0.125f, 1); })
                               << true << QStringList { "TouchScreenSend 1 0.5 0.125" };
        QTest::newRow("home key down") << Op([](ISCBluetoothDevice* d) { return d->consumerKey(2, true); })
                                       << false << QStringList { "GamePadSend 4" };
        QTest::newRow("home key up") << Op([](ISCBluetoothDevice* d) { return d->consumerKey(2, false); })
                                     << false << QStringList { "GamePadSend 0" };
        QTest::newRow("key 2048 down") << Op([](ISCBluetoothDevice* d) { return d->consumerKey(2048, true); })
                                       << false << QStringList { "GamePadSend 2048" };
        QTest::newRow("key 2048 up") << Op([](ISCBluetoothDevice* d) { return d->consumerKey(2048, false); })
                                     << false << QStringList { "GamePadSend 0" };
        QTest::newRow("unknown key") << Op([](ISCBluetoothDevice* d) { return d->consumerKey(1, true); })
                                     << false << QStringList();
    }
    void deviceOperations()
    {
        using Op = std::function<bool(ISCBluetoothDevice*)>;
        QFETCH(Op, op);
        QFETCH(bool, answer);
        QFETCH(QStringList, sent);

        SCBluetoothService service(HIDLINK_RECORDER_PATH);
        service.updateDevice("Ann", 0xA483E70B129CULL, true);
        auto* device = static_cast<SCBluetoothDevice*>(service.findByName("Ann"));
        QVERIFY(device);
        const QStringList before = kLoadCalls + QStringList { "SetCallbacks callback" };
        m_recorder.waitCalls(before.size());

        QCOMPARE(op(device), answer);
        // A detached device sends nothing, whatever it is asked.
        device->detach();
        QCOMPARE(op(device), false);
        QVERIFY(!device->isConnected());
        // The marker shows when everything queued before it has been carried out.
        service.setSubscribedClient("marker");
        const QStringList expected = before + sent + QStringList { "SetSubscribedClient marker" };
        m_recorder.waitCalls(expected.size());
        QCOMPARE(m_recorder.calls(), expected);
    }

    void linkReportsKeepOneDevicePerAddress()
    {
        SCBluetoothService service(kMissingLibrary);
        RecordingDelegate delegate;
        service.setDelegate(&delegate);
        service.updateDevice("Ann's iPhone", 0xE70B129C, true);
        service.updateDevice("Ann's iPhone", 0xE70B129C, false);
        service.updateDevice("Ann's iPhone", 0xE70B129C, true);
        service.updateDevice("Bob", 0x0A0B0C0D0E0FULL, true);
        QCOMPARE(service.deviceCount(), 2);
        QCOMPARE(delegate.events.kinds, QStringList({ "linked", "unlinked", "linked", "linked" }));
        ISCBluetoothDevice* ann = service.findByAddress("00:00:E7:0B:12:9C");
        QVERIFY(ann);
        QCOMPARE(delegate.events.devices.mid(0, 3), QList<ISCBluetoothDevice*>({ ann, ann, ann }));
        QCOMPARE(service.findByName("Ann's iPhone"), ann);
        QVERIFY(ann->isConnected());
        QVERIFY(!service.findByAddress("00:00:e7:0b:12:9c"));

        service.removeDeviceByName("Ann's iPhone");
        QCOMPARE(service.deviceCount(), 1);
        QVERIFY(!service.findByName("Ann's iPhone"));
        QVERIFY(service.findByName("Bob"));
        service.removeDeviceByName("nobody");
        QCOMPARE(service.deviceCount(), 1);
    }

    void phonesSharingANameHoldTheirOwnDevices()
    {
        SCBluetoothService service(HIDLINK_RECORDER_PATH);
        service.updateDevice("iPhone", 0x111111111111ULL, true);
        service.updateDevice("iPhone", 0x222222222222ULL, true);
        service.updateDevice("iPhone", 0x333333333333ULL, false);
        HoldingSession first, second, third;

        // Each session binds a different connected device of the name, its own first.
        first.held = service.findFreeByName("iPhone", &first);
        QVERIFY(first.held && service.claim(first.held, &first));
        second.held = service.findFreeByName("iPhone", &second);
        QVERIFY(second.held && second.held != first.held && service.claim(second.held, &second));
        QVERIFY(!service.claim(first.held, &second));
        QCOMPARE(service.findFreeByName("iPhone", &first), first.held);
        QCOMPARE(service.findFreeByName("iPhone", &third)->address(), std::string("33:33:33:33:33:33"));
        QCOMPARE(service.holderOf(second.held), &second);
        QCOMPARE(service.deviceHeldBy(&first), first.held);
        QVERIFY(!service.deviceHeldBy(&third));

        // A session that ends releases exactly its own device; the other keeps working.
        ISCBluetoothDevice* gone = first.held;
        service.releaseDevice(gone);
        first.held = nullptr;
        service.releaseDevice(gone);
        QCOMPARE(service.deviceCount(), 2);
        QVERIFY(!service.findByAddress("11:11:11:11:11:11"));
        QVERIFY(second.held->mouse(1, 2, 0, 0));
        QCOMPARE(second.toldToLetGo, 0);

        // Taken away by name or all at once, a held device's session is told first.
        service.removeDeviceByName("iPhone");
        QCOMPARE(second.toldToLetGo, 1);
        QVERIFY(!second.held);
        third.held = service.findFreeByName("iPhone", &third);
        QVERIFY(service.claim(third.held, &third));
        service.removeAllDevices();
        QCOMPARE(third.toldToLetGo, 1);
        QVERIFY(!third.held);
        QCOMPARE(service.deviceCount(), 0);
        const QStringList expected = kLoadCalls + QStringList { "SetCallbacks callback", "MouseSend 0 1 2 0" };
        m_recorder.waitCalls(expected.size());
        QCOMPARE(m_recorder.calls(), expected);
    }

    void phoneInfoAndSubscriptionReachTheLibrary()
    {
        {
            SCBluetoothService service(HIDLINK_RECORDER_PATH);
            QVERIFY(service.isSupported());
            service.start();
            service.setPhoneInfo("Ann", "channel-3");
            service.setSubscribedClient("Ann");
            service.stop();
            m_recorder.waitCalls(8);
        }
        const QStringList expected = kLoadCalls + QStringList { "SetCallbacks callback", "Initialize",
            "StartService", "SetPhoneInfo Ann|channel-3", "SetSubscribedClient Ann", "StopService" };
        QCOMPARE(m_recorder.calls(), expected);
    }

private:
    RecorderLibrary m_recorder { HIDLINK_RECORDER_PATH };
};

QTEST_GUILESS_MAIN(TestBluetoothService)
#include "test_bluetooth_service.moc"
