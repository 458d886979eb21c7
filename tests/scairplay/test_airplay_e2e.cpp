// Phones (pivora-cast processes) mirroring into the real receiver engine through the service,
// its channels and their device sessions, on loopback.

#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QPVDeviceWidget.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QtTest>

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

constexpr int kWaitMs = 60000;

// The application's side of the service, connected the way the application connects it.
class Host : public QObject {
    Q_OBJECT
public:
    explicit Host(QPVAirPlayService* service)
        : m_service(service)
    {
        connect(service, &QPVAirPlayService::didFindNewChannel, this, &Host::newChannel,
                Qt::BlockingQueuedConnection);
        connect(service, &QPVAirPlayService::didStopChannel, this, &Host::stopChannel, Qt::QueuedConnection);
        connect(service, &QPVAirPlayService::didAirPlayMirroringPlay, this, &Host::play,
                Qt::BlockingQueuedConnection);
        connect(service, &QPVAirPlayService::didAirPlayMirroringStop, this, &Host::stopMirroring,
                Qt::BlockingQueuedConnection);
    }
    int plays = 0;
    int stops = 0;

private slots:
    void newChannel(QPVAirPlayClient* client)
    {
        if (!m_service->isListed(client))
            return;
        client->createDeviceSession();
        emit client->deviceSession()->volumeMuteChanged(false);
    }
    void stopChannel(QPVAirPlayClient* client)
    {
        if (m_service->isListed(client))
            m_service->removeClient(client);
    }
    void play(QPVAirPlayClient*) { ++plays; }
    void stopMirroring(QPVAirPlayClient*) { ++stops; }

private:
    QPVAirPlayService* m_service;
};

QString castProgram()
{
    return QString::fromLocal8Bit(qgetenv("PIVORA_BIN_DIR")) + "/pivora-cast";
}

std::unique_ptr<QProcess> startPhone(int port, const QString& id, const QStringList& extra)
{
    auto phone = std::make_unique<QProcess>();
    QStringList args{"--port", QString::number(port), "--id", id, "--name", id, "--kind", "4",
                     "--model", "iPhone13,2", "--os", "14.2.1"};
    phone->start(castProgram(), args + extra);
    return phone;
}

QPVDeviceWidget* windowOf(QPVAirPlayClient* client)
{
    PVDevice* session = client ? client->deviceSession() : nullptr;
    return session ? session->deviceWidget() : nullptr;
}

bool windowShown(QPVAirPlayClient* client)
{
    QPVDeviceWidget* w = windowOf(client);
    return w && w->isVisible();
}

} // namespace

class TestAirPlayE2E : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void phonesMirrorAndLeave();
    void closingTheWindowDisconnectsThePhone();
    void stopWithPhonesStreaming();

private:
    std::unique_ptr<QPVAirPlayService> m_service;
    std::unique_ptr<Host> m_host;
    int m_port = 0;
};

void TestAirPlayE2E::init()
{
    QVERIFY2(QFile::exists(castProgram()), "pivora-cast not found; PIVORA_BIN_DIR must name the build's bin");
    m_service = std::make_unique<QPVAirPlayService>();
    m_host = std::make_unique<Host>(m_service.get());
    QVERIFY(m_service->start("Pivora-(e2e)", nullptr));
    m_port = m_service->ports()[0];
}

void TestAirPlayE2E::cleanup()
{
    m_service.reset();
    m_host.reset();
}

void TestAirPlayE2E::phonesMirrorAndLeave()
{
    auto phoneA = startPhone(m_port, "phone-a", {"--pattern", "320x240@30", "--duration", "5",
                                                 "--rotate-every", "2"});
    QTRY_VERIFY_WITH_TIMEOUT(m_service->channelCount() == 1 && windowShown(m_service->clientAt(0)), kWaitMs);
    QPVAirPlayClient* a = m_service->clientAt(0);
    QPointer<QPVDeviceWidget> windowA = windowOf(a);
    QCOMPARE(windowA->pos(), QPoint(100, 50));
    QVERIFY(!windowA->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(a->phoneName(), QString("phone-a"));
    QCOMPARE(a->versionNumber(), 1421);
    QCOMPARE(a->deviceKind(), 4u);
    QCOMPARE(a->frameSize(), QSize(240, 320));

    auto phoneB = startPhone(m_port, "phone-b", {"--pattern", "176x144@30", "--duration", "4"});
    QTRY_VERIFY_WITH_TIMEOUT(m_service->channelCount() == 2 && windowShown(m_service->clientAt(1)), kWaitMs);
    QPointer<QPVDeviceWidget> windowB = windowOf(m_service->clientAt(1));
    QCOMPARE(windowB->pos(), QPoint(180, 50));
    QTRY_COMPARE_WITH_TIMEOUT(windowB->frameSize(), QSize(176, 144), kWaitMs);

    // The first phone turns by a quarter: its picture is then encoded at the swapped size.
    QTRY_VERIFY_WITH_TIMEOUT(a->rotation() != 0, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(windowA->frameSize(), QSize(240, 320), kWaitMs);

    // At the end of their material both phones say goodbye; their channels and windows go.
    QVERIFY(phoneA->waitForFinished(kWaitMs));
    QVERIFY(phoneB->waitForFinished(kWaitMs));
    QCOMPARE(phoneA->exitCode(), 0);
    QCOMPARE(phoneB->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_service->channelCount(), 0, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(windowA.isNull() && windowB.isNull(), kWaitMs);
    QVERIFY(m_host->plays >= 2);
    QVERIFY(m_host->stops >= 2);
}

void TestAirPlayE2E::closingTheWindowDisconnectsThePhone()
{
    auto phone = startPhone(m_port, "phone-c", {"--pattern", "160x120@30", "--duration", "60"});
    QTRY_VERIFY_WITH_TIMEOUT(m_service->channelCount() == 1 && windowShown(m_service->clientAt(0)), kWaitMs);
    QPointer<QPVDeviceWidget> window = windowOf(m_service->clientAt(0));

    m_service->clientAt(0)->shutdownDevice();
    QTRY_COMPARE_WITH_TIMEOUT(m_service->channelCount(), 0, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), kWaitMs);
    QVERIFY(phone->waitForFinished(kWaitMs));
    QCOMPARE(phone->exitCode(), 0);
    const QByteArray out = phone->readAllStandardOutput();
    QVERIFY2(out.contains("{\"type\":\"disconnect\"}"), out.constData());
}

void TestAirPlayE2E::stopWithPhonesStreaming()
{
    auto phone = startPhone(m_port, "phone-d", {"--pattern", "160x120@30", "--duration", "60", "--phones", "2"});
    QTRY_VERIFY_WITH_TIMEOUT(m_service->channelCount() == 2 && windowShown(m_service->clientAt(1)), kWaitMs);
    // Stopping while the engine's threads are busy with blocking signals to this thread.
    m_service->stop();
    QCOMPARE(m_service->channelCount(), 0);
    QVERIFY(!m_service->isStarted());
    QVERIFY(phone->waitForFinished(kWaitMs));
    QCOMPARE(phone->exitCode(), 0);
}

QTEST_MAIN(TestAirPlayE2E)
#include "test_airplay_e2e.moc"
