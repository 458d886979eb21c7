// The HID peripheral library as the program loads it, against the BlueZ stand-in on a private
// bus: support answers, the order its exports must be called in, the GATT database and the
// advertisement BlueZ is given, who subscribed, and every report as the phone receives it.
#include "BluezStandIn.h"
#include "hidlink/HidReports.h"
#include "hidlink/hidlink.h"
#include "support/PrivateBus.h"

#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <dlfcn.h>
#include <memory>
#include <mutex>
#include <thread>

using namespace bluezstandin;

Q_DECLARE_METATYPE(AdapterOptions)

namespace {

constexpr auto kWait = std::chrono::seconds(10);
// Long enough for anything the library would send to have arrived.
constexpr int kSettleMs = 300;

// The library loaded fresh, its exports resolved by name as the program does.
struct Hidlink {
    Hidlink()
        : handle(dlopen(HIDLINK_PATH, RTLD_NOW | RTLD_LOCAL))
    {
        if (!handle)
            return;
        resolve(envInitialize, "AirPlay_Peripheral_EnvInitialize");
        resolve(initialize, "AirPlay_Peripheral_Initialize");
        resolve(support, "AirPlay_Peripheral_Support");
        resolve(supportQuick, "AirPlay_Peripheral_Support_Quick");
        resolve(startService, "AirPlay_Peripheral_StartService");
        resolve(stopService, "AirPlay_Peripheral_StopService");
        resolve(setPhoneInfo, "AirPlay_Peripheral_SetPhoneInfo");
        resolve(setCallbacks, "AirPlay_Peripheral_SetCallbacks");
        resolve(setSubscribedClient, "AirPlay_Peripheral_SetSubscribedClient");
        resolve(keyBoardSend, "AirPlay_Peripheral_KeyBoardSend");
        resolve(mouseSend, "AirPlay_Peripheral_MouseSend");
        resolve(touchScreenSend, "AirPlay_Peripheral_TouchScreenSend");
        resolve(gamePadSend, "AirPlay_Peripheral_GamePadSend");
    }
    ~Hidlink()
    {
        if (handle)
            dlclose(handle);
    }
    template <typename Fn>
    void resolve(Fn& fn, const char* name) { fn = reinterpret_cast<Fn>(dlsym(handle, name)); }
    bool isComplete() const
    {
        return envInitialize && initialize && support && supportQuick && startService && stopService
            && setPhoneInfo && setCallbacks && setSubscribedClient && keyBoardSend && mouseSend
            && touchScreenSend && gamePadSend;
    }

    void* handle;
    void (*envInitialize)() = nullptr;
    void (*initialize)() = nullptr;
    bool (*support)() = nullptr;
    bool (*supportQuick)() = nullptr;
    bool (*startService)() = nullptr;
    void (*stopService)() = nullptr;
    void (*setPhoneInfo)(const char*, const char*) = nullptr;
    void (*setCallbacks)(const PeripheralCallbacks*) = nullptr;
    void (*setSubscribedClient)(const char*) = nullptr;
    void (*keyBoardSend)(int32_t, uint8_t) = nullptr;
    void (*mouseSend)(int32_t, int32_t, int32_t, int32_t) = nullptr;
    void (*touchScreenSend)(int32_t, float, float) = nullptr;
    void (*gamePadSend)(int32_t) = nullptr;
};

struct Link {
    QString name;
    uint64_t address;
    bool connected;
    bool onCallerThread;
};

// What the link callback was told.
class Links {
public:
    static void callback(void* context, const char* name, uint64_t address, bool connected)
    {
        auto* links = static_cast<Links*>(context);
        std::lock_guard<std::mutex> lock(links->m_mutex);
        links->m_links.push_back({ QString::fromUtf8(name), address, connected,
            std::this_thread::get_id() == links->m_callerThread });
    }
    PeripheralCallbacks record() { return { this, &Links::callback }; }
    QList<Link> all() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_links;
    }
    int count() const { return all().size(); }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_links.clear();
    }

private:
    mutable std::mutex m_mutex;
    QList<Link> m_links;
    std::thread::id m_callerThread = std::this_thread::get_id();
};

QByteArray hex(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex(' ');
}

QByteArrayList hexList(const std::vector<Bytes>& values)
{
    QByteArrayList list;
    for (const Bytes& value : values)
        list << hex(value);
    return list;
}

uint64_t addressOf(const char* text)
{
    return QByteArray(text).replace(':', "").toULongLong(nullptr, 16);
}

bool contains(const std::vector<std::string>& calls, const std::string& call)
{
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

} // namespace

class TestHidlinkBluez : public QObject {
    Q_OBJECT
private:
    PrivateBus m_bus;
    // An address of a folder of the test's own where no bus listens.
    QTemporaryDir m_noBus;
    std::unique_ptr<Hidlink> m_lib;
    Links m_links;

    // EnvInitialize, callbacks, Initialize and StartService, as the program's worker does.
    bool startService()
    {
        m_lib->envInitialize();
        if (!m_lib->support())
            return false;
        const PeripheralCallbacks callbacks = m_links.record();
        m_lib->setCallbacks(&callbacks);
        m_lib->initialize();
        return m_lib->startService();
    }
    bool waitForLinks(int count)
    {
        return QTest::qWaitFor([&] { return m_links.count() >= count; }, 10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_bus.start(), "dbus-daemon did not start");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
    }
    void init()
    {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
        m_lib = std::make_unique<Hidlink>();
        QVERIFY2(m_lib->handle && m_lib->isComplete(), dlerror());
        m_links.clear();
    }
    void cleanup() { m_lib.reset(); }

    void supportAnswers_data()
    {
        QTest::addColumn<QString>("bus");
        QTest::addColumn<bool>("bluez");
        QTest::addColumn<AdapterOptions>("adapter");
        QTest::addColumn<bool>("supported");
        const AdapterOptions on;
        AdapterOptions none;
        none.present = false;
        AdapterOptions noManagers;
        noManagers.managers = false;
        AdapterOptions blocked;
        blocked.powered = false;
        blocked.powerState = "off-blocked";
        AdapterOptions off;
        off.powered = false;
        off.powerState = "off";
        AdapterOptions centralOnly;
        centralOnly.roles = { "central" };
        AdapterOptions oldDaemon;
        oldDaemon.rolesReported = false;
        oldDaemon.powerState.clear();
        QTest::newRow("no bus") << "dead" << false << on << false;
        QTest::newRow("no BlueZ") << "private" << false << on << false;
        QTest::newRow("no adapter") << "private" << true << none << false;
        QTest::newRow("no managers") << "private" << true << noManagers << false;
        QTest::newRow("blocked") << "private" << true << blocked << false;
        QTest::newRow("central only") << "private" << true << centralOnly << false;
        QTest::newRow("off, can be switched on") << "private" << true << off << true;
        QTest::newRow("roles not reported") << "private" << true << oldDaemon << true;
        QTest::newRow("on") << "private" << true << on << true;
    }
    void supportAnswers()
    {
        QFETCH(QString, bus);
        QFETCH(bool, bluez);
        QFETCH(AdapterOptions, adapter);
        QFETCH(bool, supported);
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", (bus == "dead" ? "unix:path=" + m_noBus.filePath("none") : m_bus.address()).toUtf8());
        std::unique_ptr<BluezStandIn> standIn;
        if (bluez)
            standIn = std::make_unique<BluezStandIn>(m_bus.address().toStdString(), adapter);

        m_lib->envInitialize();
        QCOMPARE(m_lib->support(), supported);
        QCOMPARE(m_lib->supportQuick(), supported);
        m_lib->initialize();
        // Without support nothing is built.
        QCOMPARE(m_lib->startService(), supported);
        if (standIn && adapter.present && !adapter.powered) {
            // The adapter is switched on at initialisation when it can be; a blocked one is left.
            if (supported) {
                QTRY_VERIFY(standIn->isPowered());
                QVERIFY(contains(standIn->calls(), "Set Powered true ok"));
            } else {
                QTest::qWait(kSettleMs);
                QVERIFY(!standIn->isPowered());
            }
        }
        m_lib->stopService();
        if (standIn)
            QVERIFY(standIn->waitForNoService(kWait));
    }

    void exportsKeepTheirOrder()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        StandInPhone& phone = bluez.addPhone("Ann", "A4:83:E7:0B:12:9C");
        // Out of order: nothing is built, nothing sent.
        m_lib->envInitialize();
        QVERIFY(!m_lib->startService());
        m_lib->mouseSend(1, 2, 3, 4);
        m_lib->stopService();
        QVERIFY(bluez.calls().empty());

        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));
        QVERIFY(!m_lib->startService());
        const std::vector<std::string> once = bluez.calls();
        QCOMPARE(std::count(once.begin(), once.end(), "RegisterApplication /org/pivora/hidlink ok"), 1);

        m_lib->setPhoneInfo("Ann", "channel-1");
        QVERIFY(phone.connectAsHidHost());
        QVERIFY(waitForLinks(2));
        m_lib->setSubscribedClient("Ann");
        m_lib->keyBoardSend(1, 0xE1);
        // A second Initialize keeps the keys held and the support answer.
        m_lib->initialize();
        m_lib->keyBoardSend(1, 0x04);
        QVERIFY(phone.waitForNotifications(2, kWait));
        QCOMPARE(hexList(phone.notifications()),
            QByteArrayList({ "01 02 00 00 00 00 00 00 00", "01 02 00 04 00 00 00 00 00" }));

        // Stopping unregisters both, and the selection goes: nothing more is sent.
        m_lib->stopService();
        QVERIFY(bluez.waitForNoService(kWait));
        const std::vector<std::string> calls = bluez.calls();
        QVERIFY(contains(calls, "UnregisterAdvertisement /org/pivora/advertisement0 ok"));
        QVERIFY(contains(calls, "UnregisterApplication /org/pivora/hidlink ok"));
        m_lib->keyBoardSend(0, 0x04);
        m_lib->stopService();
        QCOMPARE(bluez.calls().size(), calls.size());

        // Started again; the phone subscribes again and keys held across the restart stay held.
        phone.clearNotifications();
        QVERIFY(m_lib->startService());
        QVERIFY(bluez.waitForService(kWait));
        QVERIFY(phone.subscribe(0x2A4D));
        QTRY_VERIFY_WITH_TIMEOUT(m_links.count() >= 4, 10000);
        m_lib->setSubscribedClient("Ann");
        m_lib->keyBoardSend(1, 0x05);
        QVERIFY(phone.waitForNotifications(1, kWait));
        QCOMPARE(hex(phone.notifications().front()), QByteArray("01 02 00 04 05 00 00 00 00"));
    }

    void gattDatabaseAndAdvertisement()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));
        const std::optional<Application> app = bluez.application();
        QVERIFY(app);
        QCOMPARE(int(app->services.size()), 1);
        QCOMPARE(app->services[0].uuid, uuid16(0x1812));
        QVERIFY(app->services[0].primary);
        struct Expected {
            uint16_t uuid;
            std::vector<std::string> flags;
        };
        const Expected characteristics[] = {
            { 0x2A4D, { "read", "notify", "encrypt-read" } },
            { 0x2A4B, { "read", "encrypt-read" } },
            { 0x2A4A, { "read", "encrypt-read" } },
            { 0x2A4C, { "write-without-response", "encrypt-write" } },
        };
        QCOMPARE(app->characteristics.size(), std::size(characteristics));
        for (size_t i = 0; i < std::size(characteristics); ++i) {
            QCOMPARE(app->characteristics[i].uuid, uuid16(characteristics[i].uuid));
            QCOMPARE(app->characteristics[i].flags, characteristics[i].flags);
            QCOMPARE(app->characteristics[i].parent, app->services[0].path);
        }
        QCOMPARE(int(app->descriptors.size()), 1);
        QCOMPARE(app->descriptors[0].uuid, uuid16(0x2908));
        QCOMPARE(app->descriptors[0].parent, app->characteristics[0].path);
        QCOMPARE(app->descriptors[0].flags, std::vector<std::string>({ "read", "encrypt-read" }));

        const std::optional<Advertisement> ad = bluez.advertisement();
        QVERIFY(ad);
        QCOMPARE(ad->type, std::string("peripheral"));
        QCOMPARE(ad->serviceUuids, std::vector<std::string>({ uuid16(0x1812) }));
        QCOMPARE(ad->localName.value_or(""), QSysInfo::machineHostName().toStdString());
        QCOMPARE(ad->appearance.value_or(0), uint16_t(0x03C0));
        QCOMPARE(ad->discoverable.value_or(false), true);

        // Every value needs an encrypted link; bonded, the phone reads them whole.
        StandInPhone& phone = bluez.addPhone("Ann", "A4:83:E7:0B:12:9C");
        phone.connect();
        QVERIFY(!phone.readCharacteristic(0x2A4B));
        QCOMPARE(phone.lastError(), std::string("insufficient encryption"));
        QVERIFY(!phone.writeWithoutResponse(0x2A4C, { 0x00 }));
        phone.pair();
        QCOMPARE(phone.readCharacteristic(0x2A4B), std::optional<Bytes>(hidlink::reportMap()));
        QCOMPARE(phone.readCharacteristic(0x2A4A), std::optional<Bytes>(Bytes { 0x12, 0x01, 0x00, 0x01 }));
        QCOMPARE(phone.readDescriptor(0x2908), std::optional<Bytes>(Bytes { 0x01, 0x01 }));
        QCOMPARE(phone.readCharacteristic(0x2A4D), std::optional<Bytes>(Bytes()));
        // Suspend and exit suspend are taken and change nothing.
        QVERIFY(phone.writeWithoutResponse(0x2A4C, { 0x00 }));
        QVERIFY(phone.writeWithoutResponse(0x2A4C, { 0x01 }));
        QVERIFY(phone.subscribe(0x2A4D));
        QCOMPARE(bluez.notifySessions(), 1);
    }

    void everyReportReachesTheSelectedPhone()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        StandInPhone& phone = bluez.addPhone("iphone14", "F0:99:B6:12:34:56");
        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));
        m_lib->setPhoneInfo("iphone14", "iphone14");
        QVERIFY(phone.connectAsHidHost());
        QVERIFY(waitForLinks(2));
        // Before a phone is selected nothing is sent.
        m_lib->mouseSend(1, 0, 0, 0);
        m_lib->setSubscribedClient("iphone14");
        m_lib->keyBoardSend(1, 0x04);
        m_lib->keyBoardSend(1, 0x04);
        m_lib->keyBoardSend(0, 0x04);
        m_lib->mouseSend(1, -121, 200, -1);
        m_lib->touchScreenSend(1, 1.0f, 1.0f);
        m_lib->touchScreenSend(0, 0.5f, 0.25f);
        m_lib->gamePadSend(4);
        m_lib->gamePadSend(0x0800);
        const QByteArrayList expected { "01 00 00 04 00 00 00 00 00", "01 00 00 00 00 00 00 00 00", "02 01 87 c8 ff",
            "03 13 ff ff ff", "03 12 ff f7 3f", "04 04 00", "04 00 08" };
        QVERIFY(phone.waitForNotifications(size_t(expected.size()), kWait));
        QTest::qWait(kSettleMs);
        QCOMPARE(hexList(phone.notifications()), expected);
    }

    void registryAndSelection()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        StandInPhone& ann = bluez.addPhone("Ann", "A4:83:E7:0B:12:9C");
        StandInPhone& bob = bluez.addPhone("Bob", "0A:0B:0C:0D:0E:0F");
        StandInPhone& cleo = bluez.addPhone("Cleo", "00:00:E7:0B:12:9C", "Cleo\xe2\x80\x99s iPhone \xf0\x9f\x99\x82");
        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));

        // Named first, subscribed next: the subscription handler reports the phone under its
        // alias and under its own name, from a thread of the library's.
        m_lib->setPhoneInfo("Ann", "1");
        QVERIFY(ann.connectAsHidHost());
        QVERIFY(waitForLinks(2));
        QTest::qWait(kSettleMs);
        QCOMPARE(m_links.count(), 2);
        for (const Link& link : m_links.all()) {
            QCOMPARE(link.name, QString("Ann"));
            QCOMPARE(link.address, addressOf("A4:83:E7:0B:12:9C"));
            QVERIFY(link.connected);
            QVERIFY(!link.onCallerThread);
        }
        // Named again once registered: one report at once, on the caller's thread.
        m_links.clear();
        m_lib->setPhoneInfo("Ann", "2");
        QCOMPARE(m_links.count(), 1);
        QVERIFY(m_links.all()[0].onCallerThread);

        // Every change of subscribers reports each subscriber again: Ann is listed twice now,
        // Bob not at all.
        m_links.clear();
        QVERIFY(bob.connectAsHidHost());
        QVERIFY(waitForLinks(4));
        QTest::qWait(kSettleMs);
        QCOMPARE(m_links.count(), 4);
        m_lib->setPhoneInfo("Bob", "2");

        // Subscribed before it was named: no report until the name is given, by either name.
        m_links.clear();
        QVERIFY(cleo.connectAsHidHost());
        QVERIFY(waitForLinks(6));
        QTest::qWait(kSettleMs);
        QCOMPARE(m_links.count(), 6);
        m_links.clear();
        m_lib->setPhoneInfo("Cleo\xe2\x80\x99s iPhone \xf0\x9f\x99\x82", "3");
        m_lib->setPhoneInfo("Cleo", "4");
        QCOMPARE(m_links.count(), 2);
        QCOMPARE(m_links.all()[0].name, QString::fromUtf8("Cleo\xe2\x80\x99s iPhone \xf0\x9f\x99\x82"));
        QCOMPARE(m_links.all()[0].address, addressOf("00:00:E7:0B:12:9C"));
        QCOMPARE(m_links.all()[1].name, QString("Cleo"));

        // Reports go out only while the selected phone is connected and subscribed. BlueZ hands
        // a notification to every subscribed phone; the library decides whether to send.
        m_lib->setSubscribedClient("Bob");
        m_lib->gamePadSend(4);
        QVERIFY(bob.waitForNotifications(1, kWait));
        bob.disconnect();
        QVERIFY(QTest::qWaitFor([&] {
            const QList<Link> links = m_links.all();
            return std::any_of(links.begin(), links.end(), [](const Link& l) { return l.name == "Bob" && !l.connected; });
        }, 10000));
        ann.clearNotifications();
        m_lib->gamePadSend(0);
        m_lib->setSubscribedClient("nobody");
        m_lib->gamePadSend(0);
        QTest::qWait(kSettleMs);
        QVERIFY(ann.notifications().empty());
        // A bonded phone that comes back is reported linked again and receives again.
        m_links.clear();
        bob.connect();
        QVERIFY(QTest::qWaitFor([&] {
            const QList<Link> links = m_links.all();
            return std::any_of(links.begin(), links.end(), [](const Link& l) { return l.name == "Bob" && l.connected; });
        }, 10000));
        bob.clearNotifications();
        m_lib->gamePadSend(4);
        QVERIFY(bob.waitForNotifications(1, kWait));
        QCOMPARE(hex(bob.notifications().front()), QByteArray("04 04 00"));

        // Callbacks switched off.
        const PeripheralCallbacks off { this, nullptr };
        m_lib->setCallbacks(&off);
        m_links.clear();
        m_lib->setPhoneInfo("Bob", "5");
        QCOMPARE(m_links.count(), 0);
    }

    void twoPhonesWithOneName()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        StandInPhone& first = bluez.addPhone("iPhone", "11:11:11:11:11:11");
        StandInPhone& second = bluez.addPhone("iPhone", "22:22:22:22:22:22");
        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));
        m_lib->setPhoneInfo("iPhone", "a");
        m_lib->setPhoneInfo("iPhone", "b");
        QVERIFY(first.connectAsHidHost());
        QVERIFY(waitForLinks(4));
        QVERIFY(second.connectAsHidHost());
        QCOMPARE(bluez.notifySessions(), 2);
        // Both phones are reported, each with its own address, though notifications were
        // started for the first one only: the second is known by its reads.
        QVERIFY(QTest::qWaitFor([&] {
            const QList<Link> links = m_links.all();
            return std::any_of(links.begin(), links.end(), [](const Link& l) { return l.address == 0x222222222222ULL; });
        }, 10000));
        // The name selects the first phone to subscribe.
        m_lib->setSubscribedClient("iPhone");
        second.disconnect();
        QTest::qWait(kSettleMs);
        m_lib->mouseSend(0, 1, 0, 0);
        QVERIFY(first.waitForNotifications(1, kWait));
        first.disconnect();
        QTest::qWait(kSettleMs);
        first.clearNotifications();
        m_lib->mouseSend(0, 2, 0, 0);
        QTest::qWait(kSettleMs);
        QVERIFY(first.notifications().empty());
        QVERIFY(second.notifications().empty());
    }

    void refusedRegistrationLeavesNothingBehind_data()
    {
        QTest::addColumn<AdapterOptions>("adapter");
        QTest::addColumn<QStringList>("calls");
        AdapterOptions noApplication;
        noApplication.refuseApplication = "org.bluez.Error.NotPermitted";
        AdapterOptions noAdvertisement;
        noAdvertisement.refuseAdvertisement = "org.bluez.Error.NotPermitted";
        QTest::newRow("application refused") << noApplication
                                             << QStringList { "RegisterApplication /org/pivora/hidlink refused" };
        QTest::newRow("advertisement refused")
            << noAdvertisement
            << QStringList { "RegisterApplication /org/pivora/hidlink ok",
                   "RegisterAdvertisement /org/pivora/advertisement0 refused",
                   "UnregisterApplication /org/pivora/hidlink ok" };
    }
    void refusedRegistrationLeavesNothingBehind()
    {
        QFETCH(AdapterOptions, adapter);
        QFETCH(QStringList, calls);
        BluezStandIn bluez(m_bus.address().toStdString(), adapter);
        QVERIFY(!startService());
        QStringList seen;
        for (const std::string& call : bluez.calls())
            seen << QString::fromStdString(call);
        QCOMPARE(seen, calls);
        QVERIFY(!bluez.application() && !bluez.advertisement());
        // Stopping what never started changes nothing.
        m_lib->stopService();
        QCOMPARE(int(bluez.calls().size()), calls.size());
    }

    void bluetoothGoingAwayMidSession_data()
    {
        QTest::addColumn<bool>("daemonLeaves");
        QTest::newRow("adapter unplugged") << false;
        QTest::newRow("BlueZ ends") << true;
    }
    void bluetoothGoingAwayMidSession()
    {
        QFETCH(bool, daemonLeaves);
        auto bluez = std::make_unique<BluezStandIn>(m_bus.address().toStdString());
        StandInPhone& phone = bluez->addPhone("Ann", "A4:83:E7:0B:12:9C");
        QVERIFY(startService());
        QVERIFY(bluez->waitForService(kWait));
        m_lib->setPhoneInfo("Ann", "1");
        QVERIFY(phone.connectAsHidHost());
        QVERIFY(waitForLinks(2));
        m_lib->setSubscribedClient("Ann");
        m_links.clear();
        if (daemonLeaves)
            bluez.reset();
        else
            bluez->removeAdapter();
        // The phone is reported gone; nothing more is sent and stopping ends cleanly.
        QVERIFY(waitForLinks(1));
        for (const Link& link : m_links.all())
            QVERIFY(!link.connected);
        m_lib->mouseSend(0, 1, 0, 0);
        m_lib->stopService();
        QVERIFY(!m_lib->startService());
        if (bluez)
            QVERIFY(phone.notifications().empty());
    }

    void systemBusGoingAway()
    {
        PrivateBus bus;
        QVERIFY(bus.start());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toUtf8());
        auto bluez = std::make_unique<BluezStandIn>(bus.address().toStdString());
        StandInPhone& phone = bluez->addPhone("Ann", "A4:83:E7:0B:12:9C");
        QVERIFY(startService());
        QVERIFY(bluez->waitForService(kWait));
        m_lib->setPhoneInfo("Ann", "1");
        QVERIFY(phone.connectAsHidHost());
        QVERIFY(waitForLinks(2));
        m_lib->setSubscribedClient("Ann");
        m_links.clear();

        // The bus ends under a running service: the phone is reported gone, nothing is sent,
        // stopping ends, and nothing can start on the dead bus.
        bus.stop();
        QVERIFY(waitForLinks(1));
        for (const Link& link : m_links.all())
            QVERIFY(!link.connected);
        m_lib->mouseSend(0, 1, 0, 0);
        m_lib->stopService();
        QVERIFY(!m_lib->startService());
        bluez.reset();

        // Initialised again on a new bus, the service starts there.
        PrivateBus next;
        QVERIFY(next.start());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", next.address().toUtf8());
        BluezStandIn nextBluez(next.address().toStdString());
        QVERIFY(startService());
        QVERIFY(nextBluez.waitForService(kWait));
    }

    void badArgumentsAndManyThreads()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        StandInPhone& ann = bluez.addPhone("Ann", "A4:83:E7:0B:12:9C");
        StandInPhone& bob = bluez.addPhone("Bob", "0A:0B:0C:0D:0E:0F");
        m_lib->setPhoneInfo(nullptr, nullptr);
        m_lib->setCallbacks(nullptr);
        m_lib->setSubscribedClient(nullptr);
        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));
        m_lib->setPhoneInfo("\xff\xfe not UTF-8", nullptr);
        m_lib->setPhoneInfo("Ann", "");

        // Senders, selection and names from several threads while phones come and go, at the
        // pace of fast input.
        std::atomic<bool> stop { false };
        std::vector<std::thread> threads;
        auto paced = [&](auto&& step) {
            return [&stop, step] {
                for (int i = 0; !stop; ++i) {
                    step(i);
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                }
            };
        };
        threads.emplace_back(paced([this](int i) { m_lib->mouseSend(i & 1, i % 7, -(i % 5), 0); }));
        threads.emplace_back(paced([this](int i) { m_lib->keyBoardSend(i & 1, uint8_t(4 + i % 3)); }));
        threads.emplace_back(paced([this](int i) { m_lib->setSubscribedClient(i & 1 ? "Ann" : "Bob"); }));
        threads.emplace_back(paced([this](int i) { m_lib->setPhoneInfo(i & 1 ? "Bob" : "Ann", "x"); }));
        bool phonesWorked = true;
        for (int round = 0; round < 3; ++round) {
            phonesWorked = phonesWorked && ann.connectAsHidHost() && bob.connectAsHidHost();
            ann.disconnect();
            bob.disconnect();
        }
        QTest::qWait(kSettleMs);
        stop = true;
        for (std::thread& thread : threads)
            thread.join();
        QVERIFY2(phonesWorked, ann.lastError().c_str());
        m_lib->stopService();
        QVERIFY(bluez.waitForNoService(kWait));
    }

    void unloadingUnregisters()
    {
        BluezStandIn bluez(m_bus.address().toStdString());
        QVERIFY(startService());
        QVERIFY(bluez.waitForService(kWait));
        m_lib.reset();
        QVERIFY(bluez.waitForNoService(kWait));
    }
};

QTEST_GUILESS_MAIN(TestHidlinkBluez)
#include "test_hidlink_bluez.moc"
