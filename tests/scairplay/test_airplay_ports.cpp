// Port choice of the receiver service with real busy ports, and the service's start rules.

#include "scairplay/QPVAirPlayService.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Remembers every port the service tried.
class ProbingService : public QPVAirPlayService {
public:
    QList<int> probed;

protected:
    bool probePort(int port) override
    {
        probed.append(port);
        return QPVAirPlayService::probePort(port);
    }
};

bool portIsFree(int port)
{
    QTcpServer server;
    return server.listen(QHostAddress::Any, quint16(port));
}

// Occupies each port for the life of the object; false from occupy when one is taken already.
struct PortBlocker {
    std::vector<std::unique_ptr<QTcpServer>> servers;
    bool occupy(int port)
    {
        auto server = std::make_unique<QTcpServer>();
        if (!server->listen(QHostAddress::Any, quint16(port)))
            return false;
        servers.push_back(std::move(server));
        return true;
    }
};

} // namespace

class TestAirPlayPorts : public QObject {
    Q_OBJECT
private slots:
    void busyFirstPortMovesUp();
    void tenBusyPortsFailWithoutTryingLaterPorts();
    void restartOnlyRenames();
    void longNameIsCutOnACharacter();
};

void TestAirPlayPorts::busyFirstPortMovesUp()
{
    PortBlocker blocker;
    if (!blocker.occupy(47011) || !portIsFree(47012) || !portIsFree(7011) || !portIsFree(7111))
        QSKIP("ports 47011, 47012, 7011 or 7111 are in use on this machine");
    ProbingService service;
    QVERIFY(service.start("Receiver", nullptr));
    QCOMPARE(service.ports()[0], 47012);
    QCOMPARE(service.ports()[1], 7011);
    QCOMPARE(service.ports()[2], 7111);
    QCOMPARE(service.probed, (QList<int>{47011, 47012, 7011, 7111}));
    // The engine listens on the first one.
    QVERIFY(!portIsFree(47012));
    service.stop();
    QVERIFY(!service.isStarted());
}

void TestAirPlayPorts::tenBusyPortsFailWithoutTryingLaterPorts()
{
    PortBlocker blocker;
    if (!portIsFree(47011))
        QSKIP("port 47011 is in use on this machine");
    for (int port = 7011; port <= 7020; ++port) {
        if (!blocker.occupy(port))
            QSKIP("a port from 7011 to 7020 is in use on this machine");
    }
    ProbingService service;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("ports 7011 to 7020 are all busy"));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("no free ports"));
    QVERIFY(!service.start("Receiver", nullptr));
    QVERIFY(!service.isStarted());
    QVERIFY(!service.engine());
    QCOMPARE(service.probed.first(), 47011);
    QVERIFY(!service.probed.contains(7021));
    QVERIFY(!service.probed.contains(7111));
    for (int port = 7011; port <= 7020; ++port)
        QCOMPARE(service.probed.count(port), 1);
    // Nothing was left listening on the free first port.
    QVERIFY(portIsFree(47011));
}

void TestAirPlayPorts::restartOnlyRenames()
{
    ProbingService service;
    if (!service.start("First", nullptr))
        QSKIP("the receiver cannot start on this machine");
    const QList<int> probed = service.probed;
    const int first = service.ports()[0];
    QVERIFY(service.start("Second", nullptr));
    QCOMPARE(QString::fromStdString(service.name()), QString("Second"));
    QCOMPARE(service.probed, probed);
    QCOMPARE(service.ports()[0], first);
    service.setName("Third");
    QCOMPARE(QString::fromStdString(service.name()), QString("Third"));
}

void TestAirPlayPorts::longNameIsCutOnACharacter()
{
    QPVAirPlayService service;
    // 63 two-byte characters fill 126 bytes; the 64th would end at byte 128.
    const QByteArray name = QString(70, QChar(0x00e9)).toUtf8();
    service.setName(name.constData());
    const std::string stored = service.name();
    QCOMPARE(int(stored.size()), 126);
    QCOMPARE(QString::fromUtf8(stored.c_str()), QString(63, QChar(0x00e9)));
    service.setName("Short");
    QCOMPARE(QString::fromStdString(service.name()), QString("Short"));
}

QTEST_MAIN(TestAirPlayPorts)
#include "test_airplay_ports.moc"
