// Which adapter the home screen shows (a fake /sys/class/net and interface lists), and what the
// Wi-Fi row says with NetworkManager absent, answering properly or answering garbage on a
// private bus that stands in for the system bus.

#include "app/PVNetworkInfo.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

const QString kNm = QStringLiteral("org.freedesktop.NetworkManager");

// One interface folder: "<name> type=<n> [device] [wireless] [phy80211] [mac=<address>]".
void addSysEntry(const QString& root, const QString& spec)
{
    const QStringList parts = spec.split(' ', Qt::SkipEmptyParts);
    const QString folder = root + '/' + parts.value(0);
    QDir().mkpath(folder);
    for (const QString& part : parts.mid(1)) {
        const QString key = part.section('=', 0, 0);
        const QString value = part.section('=', 1);
        if (key == QLatin1String("type") || key == QLatin1String("mac")) {
            QFile file(folder + (key == QLatin1String("type") ? "/type" : "/address"));
            if (file.open(QIODevice::WriteOnly))
                file.write(value.toLatin1() + '\n');
        } else {
            QDir().mkpath(folder + '/' + key);
        }
    }
}

// "<name> <address or -> <up|down>"
PVInterfaceAddress interfaceOf(const QString& spec)
{
    const QStringList parts = spec.split(' ');
    PVInterfaceAddress i;
    i.name = parts.value(0);
    i.address = parts.value(1) == QLatin1String("-") ? QString() : parts.value(1);
    i.up = parts.value(2) == QLatin1String("up");
    return i;
}

// Answers as NetworkManager would, from a table: "GetDevices" → the devices answer; a property
// "<path>|<interface suffix>|<name>" → its value wrapped in a variant, or sent bare when the
// key starts with "bare:" (a malformed answer).
class FakeNetworkManager : public QDBusVirtualObject {
public:
    QVariantMap answers;

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QVariantList reply;
        if (message.member() == QLatin1String("GetDevices") && answers.contains("GetDevices")) {
            reply << answers.value("GetDevices");
        } else if (message.member() == QLatin1String("Get") && message.arguments().size() == 2) {
            QString interface = message.arguments().at(0).toString().mid(kNm.size());
            const QString key = message.path() + '|' + interface + '|' + message.arguments().at(1).toString();
            if (answers.contains(key))
                reply << QVariant::fromValue(QDBusVariant(answers.value(key)));
            else if (answers.contains("bare:" + key))
                reply << answers.value("bare:" + key);
        }
        if (reply.isEmpty())
            connection.send(message.createErrorReply(QDBusError::UnknownProperty, QStringLiteral("no such thing")));
        else
            connection.send(message.createReply(reply));
        return true;
    }
    QString introspect(const QString&) const override { return QString(); }
};

QVariant devices(const QStringList& paths)
{
    QList<QDBusObjectPath> list;
    for (const QString& p : paths)
        list << QDBusObjectPath(p);
    return QVariant::fromValue(list);
}

const QString kDev1 = QStringLiteral("/org/freedesktop/NetworkManager/Devices/1");
const QString kDev2 = QStringLiteral("/org/freedesktop/NetworkManager/Devices/2");
const QString kAp = QStringLiteral("/org/freedesktop/NetworkManager/AccessPoint/7");

// A Wi-Fi device in the given state whose active access point has that SSID.
QVariantMap wifiDevice(const QString& path, uint state, const QVariant& ssid)
{
    QVariantMap m;
    m[path + "|.Device|DeviceType"] = 2u;
    m[path + "|.Device|State"] = state;
    m[path + "|.Device.Wireless|ActiveAccessPoint"] = QVariant::fromValue(QDBusObjectPath(kAp));
    m[kAp + "|.AccessPoint|Ssid"] = ssid;
    return m;
}

QVariantMap merged(QVariantMap a, const QVariantMap& b)
{
    for (auto it = b.begin(); it != b.end(); ++it)
        a.insert(it.key(), it.value());
    return a;
}

} // namespace

class TestNetworkInfo : public QObject {
    Q_OBJECT
private:
    PrivateBus m_bus;
    QThread m_nmThread;
    FakeNetworkManager* m_nm = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_bus.start(), "dbus-daemon did not start");
        // Stands in for the system bus: set before anything connects to it.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
        QVERIFY(QDBusConnection::systemBus().isConnected());
        QDBusConnection nm = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("fake-nm"));
        QVERIFY(nm.isConnected());
        // The fake answers on its own thread while the code under test blocks in its call.
        m_nm = new FakeNetworkManager;
        m_nm->moveToThread(&m_nmThread);
        m_nmThread.start();
        QVERIFY(nm.registerVirtualObject(QStringLiteral("/org/freedesktop/NetworkManager"), m_nm,
            QDBusConnection::SubPath));
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-nm"));
        m_nmThread.quit();
        m_nmThread.wait();
        delete m_nm;
    }

    void chooseAdapter_data()
    {
        QTest::addColumn<QStringList>("sys");
        QTest::addColumn<QStringList>("interfaces");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<bool>("wireless");

        const QString eth = "eth0 type=1 device mac=AA:BB:CC:00:11:22";
        QTest::newRow("wired adapter, loopback ignored")
            << QStringList{"lo type=772", eth} << QStringList{"lo 127.0.0.1 up", "eth0 192.168.1.20 up"} << "eth0"
            << "192.168.1.20" << "aa:bb:cc:00:11:22" << false;
        QTest::newRow("wi-fi adapter") << QStringList{"wlp2s0 type=1 device wireless"}
                                       << QStringList{"wlp2s0 10.0.0.7 up"} << "wlp2s0" << "10.0.0.7" << "" << true;
        QTest::newRow("wi-fi known by its radio") << QStringList{"wlan0 type=1 device phy80211"}
                                                  << QStringList{"wlan0 10.0.0.8 up"} << "wlan0" << "10.0.0.8" << ""
                                                  << true;
        QTest::newRow("virtual adapter alone is never chosen")
            << QStringList{"docker0 type=1"} << QStringList{"docker0 172.17.0.1 up"} << "" << "" << "" << false;
        QTest::newRow("virtual adapter listed first")
            << QStringList{"veth1 type=1", eth} << QStringList{"veth1 10.1.1.1 up", "eth0 192.168.0.5 up"} << "eth0"
            << "192.168.0.5" << "aa:bb:cc:00:11:22" << false;
        QTest::newRow("down adapter") << QStringList{eth, "eth1 type=1 device"}
                                      << QStringList{"eth0 192.168.0.5 down", "eth1 192.168.0.6 up"} << "eth1"
                                      << "192.168.0.6" << "" << false;
        QTest::newRow("169 addresses") << QStringList{eth, "eth1 type=1 device"}
                                       << QStringList{"eth0 169.254.3.4 up", "eth1 192.168.0.6 up"} << "eth1"
                                       << "192.168.0.6" << "" << false;
        QTest::newRow("unset address") << QStringList{eth, "eth1 type=1 device"}
                                       << QStringList{"eth0 0.0.0.0 up", "eth1 192.168.0.6 up"} << "eth1"
                                       << "192.168.0.6" << "" << false;
        QTest::newRow("loopback address on a physical adapter")
            << QStringList{eth} << QStringList{"eth0 127.0.0.1 up"} << "" << "" << "" << false;
        QTest::newRow("no address") << QStringList{eth} << QStringList{"eth0 - up"} << "" << "" << "" << false;
        QTest::newRow("physical but not Ethernet or Wi-Fi")
            << QStringList{"wwan0 type=519 device"} << QStringList{"wwan0 100.64.1.2 up"} << "" << "" << "" << false;
        QTest::newRow("no link type") << QStringList{"eth0 device"} << QStringList{"eth0 192.168.0.5 up"} << "" << ""
                                      << "" << false;
        QTest::newRow("first that qualifies wins")
            << QStringList{eth, "wlan0 type=1 device wireless"}
            << QStringList{"wlan0 10.0.0.9 up", "eth0 192.168.0.5 up"} << "wlan0" << "10.0.0.9" << "" << true;
        QTest::newRow("name leaving the folder")
            << QStringList{"../eth0 type=1 device"} << QStringList{"../eth0 192.168.0.5 up"} << "" << "" << "" << false;
        QTest::newRow("nothing at all") << QStringList{} << QStringList{} << "" << "" << "" << false;
    }
    void chooseAdapter()
    {
        QFETCH(QStringList, sys);
        QFETCH(QStringList, interfaces);
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, mac);
        QFETCH(bool, wireless);
        QTemporaryDir root;
        const QString net = root.filePath("class/net");
        QDir().mkpath(net);
        for (const QString& entry : sys)
            addSysEntry(net, entry);
        QList<PVInterfaceAddress> list;
        for (const QString& i : interfaces)
            list << interfaceOf(i);

        const PVNetworkAdapter adapter = PVNetworkInfo::chooseAdapter(list, net);
        QCOMPARE(adapter.name, name);
        QCOMPARE(adapter.isValid(), !name.isEmpty());
        QCOMPARE(adapter.address, address);
        QCOMPARE(adapter.friendlyName, name);
        QCOMPARE(adapter.hardwareAddress, mac);
        QCOMPARE(adapter.wireless, wireless);
    }

    void systemListHasEachInterfaceOnce()
    {
        const QList<PVInterfaceAddress> list = PVNetworkInfo::systemInterfaces();
        QStringList names;
        for (const PVInterfaceAddress& i : list) {
            QVERIFY2(!names.contains(i.name), qPrintable(i.name));
            names << i.name;
            if (i.name == QLatin1String("lo")) {
                QCOMPARE(i.address, QString("127.0.0.1"));
                QVERIFY(i.up);
            }
        }
        // Whatever this machine has, loopback never qualifies.
        QVERIFY(PVNetworkInfo::chosenAdapter().address != QLatin1String("127.0.0.1"));
    }

    void wifiName_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QVariantMap>("answers");
        QTest::addColumn<QString>("adapter");
        QTest::addColumn<QString>("shown");

        const QVariantMap ethernet{{kDev1 + "|.Device|DeviceType", 1u}, {kDev1 + "|.Device|State", 100u}};
        const QByteArray cafe = QStringLiteral("Home Café").toUtf8();
        QVariantMap connected = merged(wifiDevice(kDev2, 100, cafe), ethernet);
        connected["GetDevices"] = devices({kDev1, kDev2});

        QTest::newRow("NetworkManager absent") << false << QVariantMap() << "eth0" << "eth0";
        QTest::newRow("absent, no adapter either") << false << QVariantMap() << "" << "";
        QTest::newRow("connected Wi-Fi") << true << connected << "eth0" << "Home Café";

        QVariantMap idle = connected;
        idle[kDev2 + "|.Device|State"] = 30u;
        QTest::newRow("Wi-Fi not activated") << true << idle << "eth0" << "eth0";

        QVariantMap cableOnly = ethernet;
        cableOnly["GetDevices"] = devices({kDev1});
        QTest::newRow("cable only") << true << cableOnly << "enp3s0" << "enp3s0";

        QVariantMap garbageList = connected;
        garbageList["GetDevices"] = QStringLiteral("not a list");
        QTest::newRow("device list is a string") << true << garbageList << "eth0" << "eth0";

        QVariantMap typeText = connected;
        typeText[kDev2 + "|.Device|DeviceType"] = QStringLiteral("wifi");
        QTest::newRow("device type as text") << true << typeText << "eth0" << "eth0";

        QVariantMap bare = connected;
        bare.remove(kDev2 + "|.Device|State");
        bare["bare:" + kDev2 + "|.Device|State"] = 100u;
        QTest::newRow("answer not in a variant") << true << bare << "eth0" << "eth0";

        QVariantMap noAp = connected;
        noAp[kDev2 + "|.Device.Wireless|ActiveAccessPoint"] = QVariant::fromValue(QDBusObjectPath("/"));
        QTest::newRow("no active access point") << true << noAp << "eth0" << "eth0";

        QVariantMap apText = connected;
        apText[kDev2 + "|.Device.Wireless|ActiveAccessPoint"] = kAp;
        QTest::newRow("access point as text") << true << apText << "eth0" << "eth0";

        QVariantMap longSsid = connected;
        longSsid[kAp + "|.AccessPoint|Ssid"] = QByteArray(33, 'x');
        QTest::newRow("SSID longer than 32 bytes") << true << longSsid << "eth0" << "eth0";

        QVariantMap ssidText = connected;
        ssidText[kAp + "|.AccessPoint|Ssid"] = QStringLiteral("Home");
        QTest::newRow("SSID as text") << true << ssidText << "eth0" << "eth0";

        QVariantMap missingSsid = connected;
        missingSsid.remove(kAp + "|.AccessPoint|Ssid");
        QTest::newRow("SSID property missing") << true << missingSsid << "eth0" << "eth0";

        QVariantMap second = merged(wifiDevice(kDev2, 100, QByteArray("Office")),
            {{kDev1 + "|.Device|DeviceType", 2u}, {kDev1 + "|.Device|State", 20u}});
        second["GetDevices"] = devices({kDev1, kDev2});
        QTest::newRow("second Wi-Fi device is the connected one") << true << second << "eth0" << "Office";
    }
    void wifiName()
    {
        QFETCH(bool, running);
        QFETCH(QVariantMap, answers);
        QFETCH(QString, adapter);
        QFETCH(QString, shown);
        m_nm->answers = answers;
        QDBusConnection nm(QStringLiteral("fake-nm"));
        if (running)
            QVERIFY(nm.registerService(kNm));
        PVNetworkAdapter chosen;
        chosen.name = adapter;
        chosen.friendlyName = adapter;
        const QString name = PVNetworkInfo::wifiName(chosen);
        if (running)
            QVERIFY(nm.unregisterService(kNm));
        QCOMPARE(name, shown);
    }
};

QTEST_GUILESS_MAIN(TestNetworkInfo)
#include "test_network_info.moc"
