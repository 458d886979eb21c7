#include "RecorderLibrary.h"

#include "app/QPivoraApplication.h"
#include "bluetooth/SCBluetoothService.h"

#include <QtTest>

// The library reports a linked phone on a thread of its own; the application must see it as
// a queued signal on the GUI thread, with the name decoded from UTF-8.
class TestBluetoothLink : public QObject {
    Q_OBJECT
private slots:
    void linkReportArrivesOnTheGuiThread()
    {
        RecorderLibrary recorder(HIDLINK_RECORDER_PATH);
        QVERIFY(recorder.isLoaded());
        SCBluetoothService service(HIDLINK_RECORDER_PATH);
        recorder.waitCalls(3); // load calls and the callback record

        QString name;
        quint64 address = 0;
        bool connected = false;
        QThread* thread = nullptr;
        int reports = 0;
        connect(pvApp(), &QPivoraApplication::didBLEDeviceConnectStatusChanged, this,
            [&](const QString& n, uint64_t a, bool c) {
                name = n;
                address = a;
                connected = c;
                thread = QThread::currentThread();
                ++reports;
            },
            Qt::QueuedConnection);

        recorder.fireLinked("Ann\xe2\x80\x99s iPhone", 0xA483E70B129CULL, true);
        QTRY_COMPARE(reports, 1);
        QCOMPARE(name, QString::fromUtf8("Ann\xe2\x80\x99s iPhone"));
        QCOMPARE(address, quint64(0xA483E70B129CULL));
        QVERIFY(connected);
        QCOMPARE(thread, QThread::currentThread());
    }

    void lateSupportAnswerDoesNotHoldUpTheStart()
    {
        RecorderLibrary recorder(HIDLINK_RECORDER_PATH);
        recorder.holdSupport(true);
        // The service is made while the library keeps its answer back, as a slow daemon would.
        SCBluetoothService service(HIDLINK_RECORDER_PATH);
        QVERIFY(!service.isSupportKnown());
        QVERIFY(!service.isSupported());
        QList<bool> answers;
        QThread* thread = nullptr;
        service.setSupportHandler([&](bool supported) {
            answers << supported;
            thread = QThread::currentThread();
        });
        recorder.holdSupport(false);
        QTRY_COMPARE(answers, QList<bool>({ true }));
        QCOMPARE(thread, QThread::currentThread());
        QVERIFY(service.isSupportKnown());
        QVERIFY(service.isSupported());
    }

    void serviceSupportFollowsTheLibrary()
    {
        RecorderLibrary recorder(HIDLINK_RECORDER_PATH);
        recorder.setSupport(false);
        SCBluetoothService unsupported(HIDLINK_RECORDER_PATH);
        QVERIFY(!unsupported.isSupported());
        recorder.setSupport(true);
        SCBluetoothService supported(HIDLINK_RECORDER_PATH);
        QVERIFY(supported.isSupported());
    }
};

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestBluetoothLink test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_bluetooth_link.moc"
