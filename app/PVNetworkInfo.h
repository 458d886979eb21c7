#pragma once

#include <QList>
#include <QString>

// The PC's network presence as the home screen shows it: the adapter whose address phones can
// reach, and the name of the Wi-Fi network it is on.

struct PVNetworkAdapter {
    QString name;            // kernel interface name ("eth0", "wlp2s0")
    QString friendlyName;    // what the user sees for it (the interface name on Linux)
    QString address;         // its first IPv4 address as text
    QString hardwareAddress; // "aa:bb:cc:dd:ee:ff", lower case; empty when it has none
    bool wireless = false;
    bool isValid() const { return !name.isEmpty(); }
};

// One IPv4 address of an interface, as the system lists them (getifaddrs order).
struct PVInterfaceAddress {
    QString name;
    QString address; // IPv4 text, may be empty
    bool up = false; // administratively up and with a carrier
};

namespace PVNetworkInfo {

// The first interface, in the given order, that is physical (it has "<sysClassNet>/<name>/device"),
// Ethernet or Wi-Fi (link type 1), up, and has a usable address (not empty, not 169.*, 0.0.0.0 or
// 127.0.0.1). Only an interface's first address is considered. Invalid when none qualifies.
PVNetworkAdapter chooseAdapter(const QList<PVInterfaceAddress>& interfaces,
                               const QString& sysClassNet = QStringLiteral("/sys/class/net"));

// The system's IPv4 interface addresses, in the order getifaddrs gives them.
QList<PVInterfaceAddress> systemInterfaces();

// chooseAdapter() over the system's interfaces.
PVNetworkAdapter chosenAdapter();

// The SSID of the first activated Wi-Fi device NetworkManager knows, read over the system bus;
// empty when NetworkManager does not run, answers nothing usable, or no Wi-Fi is connected.
QString networkManagerSsid();

// What the home screen's Wi-Fi row shows: the connected Wi-Fi network's name, otherwise the
// adapter's friendly name.
QString wifiName(const PVNetworkAdapter& adapter);

} // namespace PVNetworkInfo
