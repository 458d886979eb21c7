#pragma once
// A stand-in of BlueZ for the tests: it owns org.bluez on a private bus and offers the objects
// the HID peripheral library uses, as BlueZ documents them (an adapter with its GATT and
// advertising managers, device objects), and it plays phones as GATT centrals.

#include <sdbus-c++/sdbus-c++.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace bluezstandin {

using Bytes = std::vector<uint8_t>;
using PropertyMap = std::map<std::string, sdbus::Variant>;

// One attribute of a registered GATT application.
struct Attribute {
    std::string path;
    std::string uuid;
    std::vector<std::string> flags;
    std::string parent;   // the service of a characteristic, the characteristic of a descriptor
    bool primary = false; // services only
};

struct Application {
    std::string owner;
    std::string path;
    std::vector<Attribute> services;
    std::vector<Attribute> characteristics; // in path order
    std::vector<Attribute> descriptors;

    const Attribute* characteristic(const std::string& uuid) const;
    const Attribute* descriptor(const std::string& uuid) const;
};

struct Advertisement {
    std::string owner;
    std::string path;
    std::string type;
    std::vector<std::string> serviceUuids;
    std::optional<std::string> localName;
    std::optional<uint16_t> appearance;
    std::optional<bool> discoverable;
};

struct AdapterOptions {
    bool present = true;
    bool managers = true;
    bool powered = true;
    std::string powerState = "on";
    bool rolesReported = true;
    std::vector<std::string> roles { "central", "peripheral", "central-peripheral" };
    // Answers to the registrations: empty accepts, otherwise the D-Bus error name returned.
    std::string refuseApplication;
    std::string refuseAdvertisement;
};

// The 128-bit form of a 16-bit Bluetooth UUID.
std::string uuid16(uint16_t shortId);

class BluezStandIn;

// A phone in range of the adapter, acting as a GATT client of the registered application.
class StandInPhone {
public:
    const std::string& path() const { return m_path; }
    const std::string& address() const { return m_address; }

    void connect();
    void disconnect();
    void pair();
    // Reads a value as an ATT client would: long values in MTU-sized pieces. Refused (with
    // lastError set) without the needed encryption or permission.
    std::optional<Bytes> readCharacteristic(uint16_t uuid);
    std::optional<Bytes> readDescriptor(uint16_t uuid);
    bool writeWithoutResponse(uint16_t uuid, const Bytes& value);
    // Enables or disables notifications of a characteristic (its configuration descriptor).
    bool subscribe(uint16_t uuid);
    bool unsubscribe(uint16_t uuid);
    // What an iPhone does when the user picks the computer: connect, bond, read the HID
    // service's values, subscribe to the input report.
    bool connectAsHidHost();

    std::vector<Bytes> notifications() const;
    void clearNotifications();
    bool waitForNotifications(size_t count, std::chrono::milliseconds timeout) const;
    std::string lastError() const;
    bool isConnected() const;

    // Properties of the device object.
    void setName(const std::string& name);
    void setAlias(const std::string& alias);

private:
    friend class BluezStandIn;
    StandInPhone(BluezStandIn& bluez, std::string address, std::string name, std::string alias);
    void exportObject();
    void received(const std::string& characteristicPath, const Bytes& value);
    std::optional<Bytes> read(const char* interface, const std::string& path, bool encrypted);
    void fail(const std::string& error) const;
    PropertyMap accessOptions() const;

    BluezStandIn& m_bluez;
    const std::string m_address;
    const std::string m_path;
    std::unique_ptr<sdbus::IObject> m_object;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::string m_name;
    std::string m_alias;
    bool m_connected = false;
    bool m_paired = false;
    std::set<std::string> m_subscriptions;
    std::vector<Bytes> m_notifications;
    mutable std::string m_lastError;
};

class BluezStandIn {
public:
    static constexpr const char* kAdapterPath = "/org/bluez/hci0";
    static constexpr uint16_t kMtu = 64;

    BluezStandIn(const std::string& busAddress, AdapterOptions options = {});
    ~BluezStandIn();
    BluezStandIn(const BluezStandIn&) = delete;
    BluezStandIn& operator=(const BluezStandIn&) = delete;

    StandInPhone& addPhone(const std::string& name, const std::string& address, const std::string& alias = {});

    std::optional<Application> application() const;
    std::optional<Advertisement> advertisement() const;
    // Both registered.
    bool waitForService(std::chrono::milliseconds timeout) const;
    // Neither registered.
    bool waitForNoService(std::chrono::milliseconds timeout) const;
    // Every call the library made to the managers and the adapter, in order, with its answer:
    // "RegisterApplication /org/pivora/hidlink ok", "Set Powered true ok", ...
    std::vector<std::string> calls() const;
    bool isPowered() const;
    // Notifications started and not stopped, as BlueZ counts them.
    int notifySessions() const;

    // The adapter disappears, as when it is unplugged: registrations and devices go with it.
    void removeAdapter();

private:
    friend class StandInPhone;
    void exportAdapter();
    void registerApplication(const sdbus::ObjectPath& path);
    void unregisterApplication(const sdbus::ObjectPath& path);
    void registerAdvertisement(const sdbus::ObjectPath& path);
    void unregisterAdvertisement(const sdbus::ObjectPath& path);
    Application readApplication(const std::string& owner, const std::string& path);
    void watchApplication(const std::string& owner, const std::string& path);
    void onValueChanged(sdbus::Message& message);
    void onNameOwnerChanged(sdbus::Message& message);
    void note(const std::string& call);
    std::string sender() const;
    std::unique_ptr<sdbus::IProxy> applicationProxy(const std::string& objectPath) const;
    void startNotify(const std::string& characteristicPath);
    void stopNotify(const std::string& characteristicPath);
    void forgetSubscriptions();

    std::unique_ptr<sdbus::IConnection> m_connection;
    // Runs the bus's events; ends quietly when the bus goes away.
    std::thread m_eventThread;
    std::unique_ptr<sdbus::IObject> m_root;
    std::unique_ptr<sdbus::IObject> m_adapter;
    sdbus::Slot m_ownerWatch;
    sdbus::Slot m_valueWatch;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    AdapterOptions m_options;
    std::optional<Application> m_application;
    std::optional<Advertisement> m_advertisement;
    std::vector<std::string> m_calls;
    std::map<std::string, int> m_notifyCount;
    std::vector<std::unique_ptr<StandInPhone>> m_phones;
};

} // namespace bluezstandin
