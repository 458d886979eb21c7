#include "hidlink/BluezLink.h"

#include "hidlink/Log.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <cstdio>
#include <cstring>

namespace hidlink {

namespace bluez {

std::string uuid16(uint16_t shortId)
{
    char text[40];
    std::snprintf(text, sizeof text, "0000%04x-0000-1000-8000-00805f9b34fb", unsigned(shortId));
    return text;
}

uint64_t parseAddress(const std::string& text)
{
    unsigned bytes[6];
    char rest;
    if (text.size() != 17
        || std::sscanf(text.c_str(), "%2x:%2x:%2x:%2x:%2x:%2x%c", &bytes[0], &bytes[1], &bytes[2],
               &bytes[3], &bytes[4], &bytes[5], &rest) != 6)
        return 0;
    uint64_t address = 0;
    for (unsigned byte : bytes)
        address = address << 8 | (byte & 0xFF);
    return address;
}

} // namespace bluez

bool AdapterInfo::canBePeripheral() const
{
    if (!hasGattManager || !hasAdvertisingManager)
        return false;
    if (!powered && powerState == "off-blocked")
        return false;
    if (!rolesKnown)
        return true;
    return std::any_of(roles.begin(), roles.end(),
        [](const std::string& role) { return role == "peripheral" || role == "central-peripheral"; });
}

std::unique_ptr<BluezLink> BluezLink::connect()
{
    try {
        std::unique_ptr<BluezLink> link(new BluezLink(sdbus::createSystemBusConnection()));
        link->m_eventThread = std::thread([bus = link.get()] { bus->runEventLoop(); });
        return link;
    } catch (const sdbus::Error& error) {
        logLine("no system bus (%s); Bluetooth is not available", error.getMessage().c_str());
    } catch (const std::exception& error) {
        logLine("no system bus (%s); Bluetooth is not available", error.what());
    }
    return nullptr;
}

BluezLink::BluezLink(std::unique_ptr<sdbus::IConnection> connection)
    : m_connection(std::move(connection))
{
}

BluezLink::~BluezLink()
{
    try {
        m_connection->leaveEventLoop();
    } catch (const sdbus::Error& error) {
        logLine("leaving the bus: %s", error.getMessage().c_str());
    }
    if (m_eventThread.joinable())
        m_eventThread.join();
}

void BluezLink::runEventLoop()
{
    try {
        m_connection->enterEventLoop();
        return;
    } catch (const sdbus::Error& error) {
        logLine("the system bus connection ended (%s)", error.getMessage().c_str());
    } catch (const std::exception& error) {
        logLine("the system bus connection ended (%s)", error.what());
    }
    m_lost = true;
    std::lock_guard<std::mutex> lock(m_handlerMutex);
    if (m_lostHandler)
        m_lostHandler();
}

void BluezLink::setLostHandler(std::function<void()> handler)
{
    std::lock_guard<std::mutex> lock(m_handlerMutex);
    m_lostHandler = std::move(handler);
}

std::optional<sdbus::MethodReply> BluezLink::invoke(const std::string& objectPath, const char* interface,
    const char* method, const ArgumentWriter& arguments, std::chrono::seconds timeout, std::string& error)
{
    struct Pending {
        std::mutex mutex;
        std::condition_variable answered;
        bool done = false;
        std::optional<sdbus::MethodReply> reply;
        std::string error;
    };
    if (m_lost) {
        error = "the system bus is gone";
        return std::nullopt;
    }
    auto pending = std::make_shared<Pending>();
    try {
        auto proxy = sdbus::createProxy(*m_connection, bluez::kService, objectPath);
        sdbus::MethodCall call = proxy->createMethodCall(interface, method);
        if (arguments)
            arguments(call);
        proxy->callMethod(call, [pending](sdbus::MethodReply& reply, const sdbus::Error* failure) {
            std::lock_guard<std::mutex> lock(pending->mutex);
            if (failure)
                pending->error = failure->getName() + ": " + failure->getMessage();
            else
                pending->reply = reply;
            pending->done = true;
            pending->answered.notify_all();
        }, std::chrono::duration_cast<std::chrono::microseconds>(timeout).count());
        std::unique_lock<std::mutex> lock(pending->mutex);
        // The bus's own time-out can come late while its thread sleeps; ours ends the wait.
        if (!pending->answered.wait_for(lock, timeout + std::chrono::seconds(1), [&] { return pending->done; })) {
            error = "no answer";
            return std::nullopt;
        }
        error = pending->error;
        return pending->reply;
    } catch (const sdbus::Error& failure) {
        error = failure.getName() + ": " + failure.getMessage();
    }
    return std::nullopt;
}

std::optional<ManagedObjects> BluezLink::managedObjects()
{
    std::string error;
    std::optional<sdbus::MethodReply> reply = invoke("/", bluez::kObjectManager, "GetManagedObjects", nullptr,
        kQueryTimeout, error);
    try {
        if (reply) {
            ManagedObjects objects;
            *reply >> objects;
            return objects;
        }
    } catch (const sdbus::Error& failure) {
        error = failure.getMessage();
    }
    logLine("BlueZ cannot be asked for its objects (%s)", error.c_str());
    return std::nullopt;
}

namespace {

AdapterInfo adapterFrom(const std::string& path, const InterfaceMap& interfaces)
{
    AdapterInfo info;
    info.path = path;
    const PropertyMap& adapter = interfaces.at(bluez::kAdapter);
    info.powered = propertyOr<bool>(adapter, "Powered", false);
    info.powerState = propertyOr<std::string>(adapter, "PowerState", "");
    info.rolesKnown = adapter.count("Roles") > 0;
    info.roles = propertyOr<std::vector<std::string>>(adapter, "Roles", {});
    info.hasGattManager = interfaces.count(bluez::kGattManager) > 0;
    info.hasAdvertisingManager = interfaces.count(bluez::kAdvertisingManager) > 0;
    return info;
}

DeviceInfo deviceFrom(const std::string& path, const PropertyMap& device)
{
    DeviceInfo info;
    info.path = path;
    info.adapter = propertyOr<sdbus::ObjectPath>(device, "Adapter", sdbus::ObjectPath());
    info.address = propertyOr<std::string>(device, "Address", "");
    info.name = propertyOr<std::string>(device, "Name", "");
    info.alias = propertyOr<std::string>(device, "Alias", info.name);
    info.connected = propertyOr<bool>(device, "Connected", false);
    info.paired = propertyOr<bool>(device, "Paired", false) || propertyOr<bool>(device, "Bonded", false);
    return info;
}

} // namespace

std::optional<AdapterInfo> BluezLink::defaultAdapter()
{
    const std::optional<ManagedObjects> objects = managedObjects();
    if (!objects)
        return std::nullopt;
    // The map is ordered by path, so hci0 comes before hci1.
    for (const auto& [path, interfaces] : *objects) {
        if (interfaces.count(bluez::kAdapter))
            return adapterFrom(path, interfaces);
    }
    return std::nullopt;
}

std::optional<DeviceInfo> BluezLink::device(const std::string& path)
{
    std::string error;
    std::optional<sdbus::MethodReply> reply = invoke(path, bluez::kProperties, "GetAll",
        [](sdbus::MethodCall& call) { call << std::string(bluez::kDevice); }, kQueryTimeout, error);
    try {
        if (reply) {
            PropertyMap properties;
            *reply >> properties;
            return deviceFrom(path, properties);
        }
    } catch (const sdbus::Error& failure) {
        error = failure.getMessage();
    }
    logLine("device %s cannot be asked (%s)", path.c_str(), error.c_str());
    return std::nullopt;
}

std::vector<DeviceInfo> BluezLink::devicesOf(const std::string& adapterPath)
{
    std::vector<DeviceInfo> devices;
    const std::optional<ManagedObjects> objects = managedObjects();
    if (!objects)
        return devices;
    for (const auto& [path, interfaces] : *objects) {
        const auto device = interfaces.find(bluez::kDevice);
        if (device == interfaces.end())
            continue;
        DeviceInfo info = deviceFrom(path, device->second);
        if (info.adapter == adapterPath)
            devices.push_back(std::move(info));
    }
    return devices;
}

void BluezLink::powerOn(const std::string& adapterPath)
{
    const std::optional<AdapterInfo> adapter = defaultAdapter();
    if (!adapter || adapter->path != adapterPath || adapter->powered || adapter->powerState == "off-blocked")
        return;
    std::string error;
    const bool done = invoke(adapterPath, bluez::kProperties, "Set", [](sdbus::MethodCall& call) {
        call << std::string(bluez::kAdapter) << std::string("Powered") << sdbus::Variant(true);
    }, kQueryTimeout, error).has_value();
    if (done)
        logLine("Bluetooth adapter %s switched on", adapterPath.c_str());
    else
        logLine("Bluetooth adapter %s could not be switched on (%s)", adapterPath.c_str(), error.c_str());
}

bool BluezLink::callBluez(const std::string& objectPath, const char* interface, const char* method,
    const sdbus::ObjectPath& argument, const PropertyMap* options, std::chrono::seconds timeout)
{
    std::string error;
    const bool done = invoke(objectPath, interface, method, [&](sdbus::MethodCall& call) {
        call << argument;
        if (options)
            call << *options;
    }, timeout, error).has_value();
    if (!done)
        logLine("%s.%s(%s) failed: %s", interface, method, argument.c_str(), error.c_str());
    return done;
}

} // namespace hidlink
