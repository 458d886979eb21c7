#include "app/PVNetworkInfo.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace {

// ARPHRD_ETHER: Ethernet and Wi-Fi adapters both report it; tunnels, loopback and the like don't.
constexpr int kEthernetLinkType = 1;
// The home screen runs this on the GUI thread, so a slow or stuck bus must not hold it long.
constexpr int kBusTimeoutMs = 500;

const char* const kNmService = "org.freedesktop.NetworkManager";
const char* const kNmPath = "/org/freedesktop/NetworkManager";
constexpr uint kNmDeviceTypeWifi = 2;
constexpr uint kNmDeviceStateActivated = 100;
// 802.11 limits an SSID to 32 bytes; anything longer is not an SSID.
constexpr int kMaxSsidBytes = 32;

QString readSysValue(const QString& sysClassNet, const QString& name, const QString& file)
{
    QFile f(sysClassNet + '/' + name + '/' + file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.read(64)).trimmed();
}

bool sysEntryExists(const QString& sysClassNet, const QString& name, const QString& entry)
{
    return QFileInfo::exists(sysClassNet + '/' + name + '/' + entry);
}

bool isUsableAddress(const QString& address)
{
    return !address.isEmpty() && !address.startsWith(QLatin1String("169"))
        && address != QLatin1String("0.0.0.0") && address != QLatin1String("127.0.0.1");
}

// Interface names come from the system but end up in a path: refuse anything that could leave
// the folder.
bool isPlainInterfaceName(const QString& name)
{
    return !name.isEmpty() && !name.contains('/') && name != QLatin1String(".")
        && name != QLatin1String("..");
}

QVariant nmProperty(const QString& path, const QString& interface, const QString& property)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kNmService), path,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << interface << property;
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, kBusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

uint nmUInt(const QString& path, const QString& interface, const QString& property)
{
    const QVariant v = nmProperty(path, interface, property);
    return v.userType() == QMetaType::UInt ? v.toUInt() : 0;
}

QList<QDBusObjectPath> nmDevices()
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kNmService),
        QString::fromLatin1(kNmPath), QString::fromLatin1(kNmService), QStringLiteral("GetDevices"));
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, kBusTimeoutMs);
    QList<QDBusObjectPath> devices;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return devices;
    const QVariant arg = reply.arguments().constFirst();
    if (arg.userType() != qMetaTypeId<QDBusArgument>())
        return devices;
    const QDBusArgument list = arg.value<QDBusArgument>();
    if (list.currentSignature() != QLatin1String("ao"))
        return devices;
    list >> devices;
    return devices;
}

QString ssidOfDevice(const QString& devicePath)
{
    const QVariant ap = nmProperty(devicePath, QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless"),
        QStringLiteral("ActiveAccessPoint"));
    if (ap.userType() != qMetaTypeId<QDBusObjectPath>())
        return QString();
    const QString apPath = ap.value<QDBusObjectPath>().path();
    if (apPath.isEmpty() || apPath == QLatin1String("/"))
        return QString();
    const QVariant ssid = nmProperty(apPath, QStringLiteral("org.freedesktop.NetworkManager.AccessPoint"),
        QStringLiteral("Ssid"));
    if (ssid.userType() != QMetaType::QByteArray)
        return QString();
    const QByteArray bytes = ssid.toByteArray();
    if (bytes.size() > kMaxSsidBytes)
        return QString();
    return QString::fromUtf8(bytes);
}

} // namespace

namespace PVNetworkInfo {

PVNetworkAdapter chooseAdapter(const QList<PVInterfaceAddress>& interfaces, const QString& sysClassNet)
{
    for (const PVInterfaceAddress& i : interfaces) {
        if (!isPlainInterfaceName(i.name) || !i.up)
            continue;
        if (readSysValue(sysClassNet, i.name, QStringLiteral("type")).toInt() != kEthernetLinkType)
            continue;
        if (!sysEntryExists(sysClassNet, i.name, QStringLiteral("device")))
            continue;
        if (!isUsableAddress(i.address))
            continue;
        PVNetworkAdapter adapter;
        adapter.name = i.name;
        adapter.friendlyName = i.name;
        adapter.address = i.address;
        adapter.hardwareAddress = readSysValue(sysClassNet, i.name, QStringLiteral("address")).toLower();
        adapter.wireless = sysEntryExists(sysClassNet, i.name, QStringLiteral("wireless"))
            || sysEntryExists(sysClassNet, i.name, QStringLiteral("phy80211"));
        return adapter;
    }
    return PVNetworkAdapter();
}

QList<PVInterfaceAddress> systemInterfaces()
{
    QList<PVInterfaceAddress> result;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return result;
    QStringList seen;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_name || !a->ifa_addr || a->ifa_addr->sa_family != AF_INET)
            continue;
        const QString name = QString::fromLocal8Bit(a->ifa_name);
        // Only the first address of an interface counts, as for the adapter lists elsewhere.
        if (seen.contains(name))
            continue;
        seen << name;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        PVInterfaceAddress entry;
        entry.name = name;
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
            entry.address = QString::fromLatin1(text);
        entry.up = (a->ifa_flags & IFF_UP) && (a->ifa_flags & IFF_RUNNING);
        result << entry;
    }
    freeifaddrs(list);
    return result;
}

PVNetworkAdapter chosenAdapter()
{
    return chooseAdapter(systemInterfaces());
}

QString networkManagerSsid()
{
    if (!QDBusConnection::systemBus().isConnected())
        return QString();
    const QString deviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
    for (const QDBusObjectPath& device : nmDevices()) {
        const QString path = device.path();
        if (nmUInt(path, deviceInterface, QStringLiteral("DeviceType")) != kNmDeviceTypeWifi)
            continue;
        if (nmUInt(path, deviceInterface, QStringLiteral("State")) != kNmDeviceStateActivated)
            continue;
        const QString ssid = ssidOfDevice(path);
        if (!ssid.isEmpty())
            return ssid;
    }
    return QString();
}

QString wifiName(const PVNetworkAdapter& adapter)
{
    const QString ssid = networkManagerSsid();
    return ssid.isEmpty() ? adapter.friendlyName : ssid;
}

} // namespace PVNetworkInfo
