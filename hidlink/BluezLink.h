#pragma once

#include <sdbus-c++/sdbus-c++.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// The library's connection to the system bus and what it asks BlueZ there. The bus is the one
// the environment names (DBUS_SYSTEM_BUS_ADDRESS), else the standard system bus.
namespace hidlink {

namespace bluez {
constexpr const char* kService = "org.bluez";
constexpr const char* kAdapter = "org.bluez.Adapter1";
constexpr const char* kDevice = "org.bluez.Device1";
constexpr const char* kGattManager = "org.bluez.GattManager1";
constexpr const char* kAdvertisingManager = "org.bluez.LEAdvertisingManager1";
constexpr const char* kGattService = "org.bluez.GattService1";
constexpr const char* kGattCharacteristic = "org.bluez.GattCharacteristic1";
constexpr const char* kGattDescriptor = "org.bluez.GattDescriptor1";
constexpr const char* kAdvertisement = "org.bluez.LEAdvertisement1";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr const char* kObjectManager = "org.freedesktop.DBus.ObjectManager";

// The 128-bit form of a Bluetooth SIG 16-bit UUID.
std::string uuid16(uint16_t shortId);
// "A4:83:E7:0B:12:9C" as a number; 0 when the text is not an address.
uint64_t parseAddress(const std::string& text);
} // namespace bluez

using PropertyMap = std::map<std::string, sdbus::Variant>;
using InterfaceMap = std::map<std::string, PropertyMap>;
using ManagedObjects = std::map<sdbus::ObjectPath, InterfaceMap>;

struct AdapterInfo {
    std::string path;
    bool powered = false;
    std::string powerState;   // empty when the daemon does not report it
    std::vector<std::string> roles;
    bool rolesKnown = false;
    bool hasGattManager = false;
    bool hasAdvertisingManager = false;

    // Can serve as the LE peripheral: both managers, the peripheral role, and powered or
    // able to be powered (not blocked).
    bool canBePeripheral() const;
};

struct DeviceInfo {
    std::string path;
    std::string adapter;
    std::string address;
    std::string name;
    std::string alias;
    bool connected = false;
    bool paired = false;
};

class BluezLink {
public:
    // Time allowed for a question to the daemon; registration may take longer.
    static constexpr std::chrono::seconds kQueryTimeout { 5 };
    static constexpr std::chrono::seconds kRegisterTimeout { 20 };

    // Null (with a log line) when there is no system bus.
    static std::unique_ptr<BluezLink> connect();
    ~BluezLink();
    BluezLink(const BluezLink&) = delete;
    BluezLink& operator=(const BluezLink&) = delete;

    sdbus::IConnection& connection() { return *m_connection; }
    // The bus went away (the daemon ended or dropped this connection); nothing works any more.
    bool isLost() const { return m_lost; }
    // Called on the bus's event thread when the bus is lost.
    void setLostHandler(std::function<void()> handler);

    // The first adapter in path order, or nothing (with a log line when BlueZ cannot be asked).
    std::optional<AdapterInfo> defaultAdapter();
    std::optional<DeviceInfo> device(const std::string& path);
    std::vector<DeviceInfo> devicesOf(const std::string& adapterPath);
    // Switches the adapter on unless it is on or blocked.
    void powerOn(const std::string& adapterPath);

    // Calls a method of a BlueZ object and waits for the answer; false (with a log line) on
    // an error. Must not be called from the connection's own event thread.
    bool callBluez(const std::string& objectPath, const char* interface, const char* method,
        const sdbus::ObjectPath& argument, const PropertyMap* options = nullptr,
        std::chrono::seconds timeout = kQueryTimeout);

    using ArgumentWriter = std::function<void(sdbus::MethodCall&)>;
    // Sends a call to BlueZ and waits for the answer. The event thread stays free meanwhile,
    // so the daemon can call this connection back before it answers (it does when it
    // registers the application). Nothing (and the error text) when there is no answer.
    std::optional<sdbus::MethodReply> invoke(const std::string& objectPath, const char* interface,
        const char* method, const ArgumentWriter& arguments, std::chrono::seconds timeout, std::string& error);

private:
    explicit BluezLink(std::unique_ptr<sdbus::IConnection> connection);
    std::optional<ManagedObjects> managedObjects();
    // The bus's event thread: an error of the bus ends it with a log line, not the process.
    void runEventLoop();

    std::unique_ptr<sdbus::IConnection> m_connection;
    std::atomic<bool> m_lost { false };
    std::mutex m_handlerMutex;
    std::function<void()> m_lostHandler;
    std::thread m_eventThread;
};

// The value of a property of the expected type, or the fallback.
template <typename T>
T propertyOr(const PropertyMap& properties, const char* name, T fallback)
{
    const auto it = properties.find(name);
    if (it == properties.end())
        return fallback;
    try {
        if (it->second.containsValueOfType<T>())
            return it->second.get<T>();
    } catch (const sdbus::Error&) {
    }
    return fallback;
}

} // namespace hidlink
