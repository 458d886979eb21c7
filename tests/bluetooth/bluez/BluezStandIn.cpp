#include "BluezStandIn.h"

#include <algorithm>
#include <cstdio>

namespace bluezstandin {

namespace {

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
constexpr auto kCallTimeout = std::chrono::seconds(10);

const std::set<std::string> kCharacteristicFlags = { "broadcast", "read", "write-without-response", "write",
    "notify", "indicate", "authenticated-signed-writes", "extended-properties", "reliable-write",
    "writable-auxiliaries", "encrypt-read", "encrypt-write", "encrypt-notify", "encrypt-indicate",
    "encrypt-authenticated-read", "encrypt-authenticated-write", "encrypt-authenticated-notify",
    "encrypt-authenticated-indicate", "secure-read", "secure-write", "secure-notify", "secure-indicate",
    "authorize" };
const std::set<std::string> kDescriptorFlags = { "read", "write", "encrypt-read", "encrypt-write",
    "encrypt-authenticated-read", "encrypt-authenticated-write", "secure-read", "secure-write", "authorize" };

using ManagedObjects = std::map<sdbus::ObjectPath, std::map<std::string, PropertyMap>>;

template <typename T>
std::optional<T> property(const PropertyMap& properties, const char* name)
{
    const auto it = properties.find(name);
    if (it == properties.end() || !it->second.containsValueOfType<T>())
        return std::nullopt;
    return it->second.get<T>();
}

[[noreturn]] void invalid(const std::string& what)
{
    throw sdbus::Error("org.bluez.Error.InvalidArguments", what);
}

bool hasFlag(const Attribute& attribute, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) {
        return std::find(attribute.flags.begin(), attribute.flags.end(), name) != attribute.flags.end();
    });
}

Attribute parseAttribute(const std::string& path, const PropertyMap& properties, const char* parentName,
    const std::set<std::string>& allowedFlags)
{
    Attribute attribute;
    attribute.path = path;
    const auto uuid = property<std::string>(properties, "UUID");
    const auto parent = property<sdbus::ObjectPath>(properties, parentName);
    const auto flags = property<std::vector<std::string>>(properties, "Flags");
    if (!uuid || !parent || !flags)
        invalid(path + ": UUID, " + parentName + " and Flags are required");
    for (const std::string& flag : *flags) {
        if (!allowedFlags.count(flag))
            invalid(path + ": unknown flag " + flag);
    }
    attribute.uuid = *uuid;
    attribute.parent = *parent;
    attribute.flags = *flags;
    return attribute;
}

} // namespace

std::string uuid16(uint16_t shortId)
{
    char text[40];
    std::snprintf(text, sizeof text, "0000%04x-0000-1000-8000-00805f9b34fb", unsigned(shortId));
    return text;
}

const Attribute* Application::characteristic(const std::string& uuid) const
{
    for (const Attribute& a : characteristics)
        if (a.uuid == uuid)
            return &a;
    return nullptr;
}

const Attribute* Application::descriptor(const std::string& uuid) const
{
    for (const Attribute& a : descriptors)
        if (a.uuid == uuid)
            return &a;
    return nullptr;
}

// --- The daemon

BluezStandIn::BluezStandIn(const std::string& busAddress, AdapterOptions options)
    : m_connection(sdbus::createSessionBusConnectionWithAddress(busAddress))
    , m_options(std::move(options))
{
    m_root = sdbus::createObject(*m_connection, "/");
    m_root->addObjectManager();
    m_root->finishRegistration();
    if (m_options.present)
        exportAdapter();
    m_ownerWatch = m_connection->addMatch(
        "type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',member='NameOwnerChanged'",
        [this](sdbus::Message& message) { onNameOwnerChanged(message); });
    m_valueWatch = m_connection->addMatch(
        "type='signal',interface='org.freedesktop.DBus.Properties',member='PropertiesChanged',"
        "arg0='org.bluez.GattCharacteristic1'",
        [this](sdbus::Message& message) { onValueChanged(message); });
    m_connection->requestName("org.bluez");
    m_eventThread = std::thread([this] {
        try {
            m_connection->enterEventLoop();
        } catch (const sdbus::Error&) {
        }
    });
}

BluezStandIn::~BluezStandIn()
{
    m_connection->leaveEventLoop();
    m_eventThread.join();
    m_ownerWatch.reset();
    m_valueWatch.reset();
    for (auto& phone : m_phones)
        phone->m_object.reset();
    m_adapter.reset();
    m_root.reset();
}

void BluezStandIn::exportAdapter()
{
    m_adapter = sdbus::createObject(*m_connection, kAdapterPath);
    sdbus::IObject& a = *m_adapter;
    a.registerProperty("Address").onInterface(kAdapter).withGetter([] { return std::string("00:1A:7D:DA:71:13"); });
    a.registerProperty("AddressType").onInterface(kAdapter).withGetter([] { return std::string("public"); });
    a.registerProperty("Name").onInterface(kAdapter).withGetter([] { return std::string("standin"); });
    a.registerProperty("Alias").onInterface(kAdapter).withGetter([] { return std::string("standin"); });
    a.registerProperty("Class").onInterface(kAdapter).withGetter([] { return uint32_t(0x6c010c); });
    a.registerProperty("Discoverable").onInterface(kAdapter).withGetter([] { return false; });
    a.registerProperty("Pairable").onInterface(kAdapter).withGetter([] { return true; });
    a.registerProperty("UUIDs").onInterface(kAdapter).withGetter([] { return std::vector<std::string>(); });
    a.registerProperty("Powered").onInterface(kAdapter)
        .withGetter([this] {
            std::lock_guard<std::mutex> lock(m_mutex);
            return m_options.powered;
        })
        .withSetter([this](const bool& on) {
            std::lock_guard<std::mutex> lock(m_mutex);
            const bool blocked = m_options.powerState == "off-blocked";
            m_calls.push_back(std::string("Set Powered ") + (on ? "true" : "false") + (blocked ? " refused" : " ok"));
            if (blocked)
                throw sdbus::Error("org.bluez.Error.Blocked", "blocked by rfkill");
            m_options.powered = on;
            m_options.powerState = on ? "on" : "off";
        });
    if (!m_options.powerState.empty()) {
        a.registerProperty("PowerState").onInterface(kAdapter).withGetter([this] {
            std::lock_guard<std::mutex> lock(m_mutex);
            return m_options.powerState;
        });
    }
    if (m_options.rolesReported)
        a.registerProperty("Roles").onInterface(kAdapter).withGetter([this] { return m_options.roles; });
    if (m_options.managers) {
        a.registerMethod("RegisterApplication").onInterface(kGattManager).implementedAs(
            [this](const sdbus::ObjectPath& path, const PropertyMap&) { registerApplication(path); });
        a.registerMethod("UnregisterApplication").onInterface(kGattManager).implementedAs(
            [this](const sdbus::ObjectPath& path) { unregisterApplication(path); });
        a.registerMethod("RegisterAdvertisement").onInterface(kAdvertisingManager).implementedAs(
            [this](const sdbus::ObjectPath& path, const PropertyMap&) { registerAdvertisement(path); });
        a.registerMethod("UnregisterAdvertisement").onInterface(kAdvertisingManager).implementedAs(
            [this](const sdbus::ObjectPath& path) { unregisterAdvertisement(path); });
        a.registerProperty("ActiveInstances").onInterface(kAdvertisingManager).withGetter([this] {
            std::lock_guard<std::mutex> lock(m_mutex);
            return uint8_t(m_advertisement ? 1 : 0);
        });
        a.registerProperty("SupportedInstances").onInterface(kAdvertisingManager).withGetter([] { return uint8_t(5); });
        a.registerProperty("SupportedIncludes").onInterface(kAdvertisingManager).withGetter([] {
            return std::vector<std::string> { "tx-power", "appearance", "local-name" };
        });
    }
    a.finishRegistration();
    a.emitInterfacesAddedSignal();
}

std::string BluezStandIn::sender() const
{
    const sdbus::Message* message = m_adapter ? m_adapter->getCurrentlyProcessedMessage() : nullptr;
    return message ? message->getSender() : std::string();
}

void BluezStandIn::note(const std::string& call)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back(call);
    }
    m_changed.notify_all();
}

std::unique_ptr<sdbus::IProxy> BluezStandIn::applicationProxy(const std::string& objectPath) const
{
    std::string owner;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_application)
            return nullptr;
        owner = m_application->owner;
    }
    return sdbus::createProxy(*m_connection, owner, objectPath);
}

Application BluezStandIn::readApplication(const std::string& owner, const std::string& path)
{
    ManagedObjects objects;
    auto proxy = sdbus::createProxy(*m_connection, owner, path);
    proxy->callMethod("GetManagedObjects").onInterface(kObjectManager).withTimeout(kCallTimeout).storeResultsTo(objects);
    Application app;
    app.owner = owner;
    app.path = path;
    for (const auto& [objectPath, interfaces] : objects) {
        if (const auto it = interfaces.find(kGattService); it != interfaces.end()) {
            Attribute service;
            service.path = objectPath;
            const auto uuid = property<std::string>(it->second, "UUID");
            const auto primary = property<bool>(it->second, "Primary");
            if (!uuid || !primary)
                invalid(objectPath + ": UUID and Primary are required");
            service.uuid = *uuid;
            service.primary = *primary;
            app.services.push_back(service);
        }
        if (const auto it = interfaces.find(kGattCharacteristic); it != interfaces.end())
            app.characteristics.push_back(parseAttribute(objectPath, it->second, "Service", kCharacteristicFlags));
        if (const auto it = interfaces.find(kGattDescriptor); it != interfaces.end())
            app.descriptors.push_back(parseAttribute(objectPath, it->second, "Characteristic", kDescriptorFlags));
    }
    for (const Attribute& c : app.characteristics) {
        if (std::none_of(app.services.begin(), app.services.end(), [&](const Attribute& s) { return s.path == c.parent; }))
            invalid(c.path + ": no such service " + c.parent);
    }
    for (const Attribute& d : app.descriptors) {
        if (std::none_of(app.characteristics.begin(), app.characteristics.end(),
                [&](const Attribute& c) { return c.path == d.parent; }))
            invalid(d.path + ": no such characteristic " + d.parent);
    }
    if (app.services.empty())
        throw sdbus::Error("org.bluez.Error.Failed", "No valid external GATT objects found");
    return app;
}

void BluezStandIn::registerApplication(const sdbus::ObjectPath& path)
{
    const std::string owner = sender();
    std::string refusal;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        refusal = m_options.refuseApplication;
        if (!refusal.empty())
            m_calls.push_back("RegisterApplication " + path + " refused");
        else if (m_application && m_application->owner == owner && m_application->path == path)
            refusal = "org.bluez.Error.AlreadyExists";
    }
    if (!refusal.empty())
        throw sdbus::Error(refusal, "registration refused");
    Application app;
    try {
        app = readApplication(owner, path);
    } catch (const sdbus::Error& error) {
        note("RegisterApplication " + path + " invalid: " + error.getMessage());
        throw;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_application = std::move(app);
        m_calls.push_back("RegisterApplication " + path + " ok");
    }
    m_changed.notify_all();
}

void BluezStandIn::unregisterApplication(const sdbus::ObjectPath& path)
{
    const std::string owner = sender();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const bool known = m_application && m_application->owner == owner && m_application->path == path;
        m_calls.push_back("UnregisterApplication " + path + (known ? " ok" : " unknown"));
        if (!known)
            throw sdbus::Error("org.bluez.Error.DoesNotExist", "no such application");
        m_application.reset();
        m_notifyCount.clear();
    }
    forgetSubscriptions();
    m_changed.notify_all();
}

void BluezStandIn::forgetSubscriptions()
{
    // The attributes are gone; a phone subscribes again to whatever replaces them.
    std::vector<StandInPhone*> phones;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& phone : m_phones)
            phones.push_back(phone.get());
    }
    for (StandInPhone* phone : phones) {
        std::lock_guard<std::mutex> lock(phone->m_mutex);
        phone->m_subscriptions.clear();
    }
}

void BluezStandIn::registerAdvertisement(const sdbus::ObjectPath& path)
{
    const std::string owner = sender();
    std::string refusal;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        refusal = m_options.refuseAdvertisement;
        if (!refusal.empty())
            m_calls.push_back("RegisterAdvertisement " + path + " refused");
        else if (m_advertisement && m_advertisement->owner == owner && m_advertisement->path == path)
            refusal = "org.bluez.Error.AlreadyExists";
    }
    if (!refusal.empty())
        throw sdbus::Error(refusal, "advertisement refused");
    PropertyMap properties;
    auto proxy = sdbus::createProxy(*m_connection, owner, path);
    proxy->callMethod("GetAll").onInterface(kProperties).withTimeout(kCallTimeout)
        .withArguments(std::string(kAdvertisement)).storeResultsTo(properties);
    Advertisement ad;
    ad.owner = owner;
    ad.path = path;
    ad.type = property<std::string>(properties, "Type").value_or("");
    if (ad.type != "peripheral" && ad.type != "broadcast") {
        note("RegisterAdvertisement " + path + " invalid type");
        invalid("Type must be broadcast or peripheral");
    }
    ad.serviceUuids = property<std::vector<std::string>>(properties, "ServiceUUIDs").value_or(std::vector<std::string>());
    ad.localName = property<std::string>(properties, "LocalName");
    ad.appearance = property<uint16_t>(properties, "Appearance");
    ad.discoverable = property<bool>(properties, "Discoverable");
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_advertisement = std::move(ad);
        m_calls.push_back("RegisterAdvertisement " + path + " ok");
    }
    m_changed.notify_all();
}

void BluezStandIn::unregisterAdvertisement(const sdbus::ObjectPath& path)
{
    const std::string owner = sender();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const bool known = m_advertisement && m_advertisement->owner == owner && m_advertisement->path == path;
        m_calls.push_back("UnregisterAdvertisement " + path + (known ? " ok" : " unknown"));
        if (!known)
            throw sdbus::Error("org.bluez.Error.DoesNotExist", "no such advertisement");
        m_advertisement.reset();
    }
    m_changed.notify_all();
}

void BluezStandIn::onNameOwnerChanged(sdbus::Message& message)
{
    std::string name, oldOwner, newOwner;
    message >> name >> oldOwner >> newOwner;
    if (!newOwner.empty())
        return;
    bool applicationGone = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // BlueZ forgets what a program registered once it leaves the bus.
        if (m_application && m_application->owner == name) {
            m_application.reset();
            m_notifyCount.clear();
            m_calls.push_back("application owner left");
            applicationGone = true;
        }
        if (m_advertisement && m_advertisement->owner == name) {
            m_advertisement.reset();
            m_calls.push_back("advertisement owner left");
        }
    }
    if (applicationGone)
        forgetSubscriptions();
    m_changed.notify_all();
}

void BluezStandIn::onValueChanged(sdbus::Message& message)
{
    std::string interface;
    PropertyMap changed;
    message >> interface >> changed;
    const auto value = property<Bytes>(changed, "Value");
    if (interface != kGattCharacteristic || !value)
        return;
    const std::string path = message.getPath();
    std::vector<StandInPhone*> phones;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_application || m_application->owner != message.getSender())
            return;
        const auto c = std::find_if(m_application->characteristics.begin(), m_application->characteristics.end(),
            [&](const Attribute& a) { return a.path == path; });
        if (c == m_application->characteristics.end() || !hasFlag(*c, { "notify", "indicate" }))
            return;
        for (auto& phone : m_phones)
            phones.push_back(phone.get());
    }
    // Every phone that enabled notifications of the characteristic gets the value.
    for (StandInPhone* phone : phones)
        phone->received(path, *value);
}

void BluezStandIn::startNotify(const std::string& characteristicPath)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // BlueZ runs one notification session for all clients: StartNotify comes only when the
        // first one enables notifications ...
        if (++m_notifyCount[characteristicPath] > 1)
            return;
    }
    if (auto proxy = applicationProxy(characteristicPath))
        proxy->callMethod("StartNotify").onInterface(kGattCharacteristic).withTimeout(kCallTimeout);
}

void BluezStandIn::stopNotify(const std::string& characteristicPath)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        int& count = m_notifyCount[characteristicPath];
        if (count == 0 || --count > 0)
            return;
    }
    // ... and StopNotify when the last one disables them.
    if (auto proxy = applicationProxy(characteristicPath))
        proxy->callMethod("StopNotify").onInterface(kGattCharacteristic).withTimeout(kCallTimeout);
}

StandInPhone& BluezStandIn::addPhone(const std::string& name, const std::string& address, const std::string& alias)
{
    std::unique_ptr<StandInPhone> phone(new StandInPhone(*this, address, name, alias.empty() ? name : alias));
    StandInPhone& added = *phone;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_phones.push_back(std::move(phone));
    }
    if (m_adapter)
        added.exportObject();
    return added;
}

std::optional<Application> BluezStandIn::application() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_application;
}

std::optional<Advertisement> BluezStandIn::advertisement() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_advertisement;
}

bool BluezStandIn::waitForService(std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_application && m_advertisement; });
}

bool BluezStandIn::waitForNoService(std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return !m_application && !m_advertisement; });
}

std::vector<std::string> BluezStandIn::calls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

bool BluezStandIn::isPowered() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_options.powered;
}

int BluezStandIn::notifySessions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int sessions = 0;
    for (const auto& [path, count] : m_notifyCount)
        sessions += count;
    return sessions;
}

void BluezStandIn::removeAdapter()
{
    if (!m_adapter)
        return;
    for (auto& phone : m_phones) {
        if (phone->m_object) {
            phone->m_object->emitInterfacesRemovedSignal();
            phone->m_object.reset();
        }
        std::lock_guard<std::mutex> lock(phone->m_mutex);
        phone->m_connected = false;
        phone->m_subscriptions.clear();
    }
    m_adapter->emitInterfacesRemovedSignal();
    m_adapter.reset();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_application.reset();
        m_advertisement.reset();
        m_notifyCount.clear();
        m_calls.push_back("adapter removed");
    }
    m_changed.notify_all();
}

// --- A phone

StandInPhone::StandInPhone(BluezStandIn& bluez, std::string address, std::string name, std::string alias)
    : m_bluez(bluez)
    , m_address(std::move(address))
    , m_path([this] {
        std::string path = std::string(BluezStandIn::kAdapterPath) + "/dev_" + m_address;
        std::replace(path.begin(), path.end(), ':', '_');
        return path;
    }())
    , m_name(std::move(name))
    , m_alias(std::move(alias))
{
}

void StandInPhone::exportObject()
{
    m_object = sdbus::createObject(*m_bluez.m_connection, m_path);
    sdbus::IObject& d = *m_object;
    auto locked = [this](auto member) {
        return [this, member] {
            std::lock_guard<std::mutex> lock(m_mutex);
            return this->*member;
        };
    };
    d.registerProperty("Address").onInterface(kDevice).withGetter([this] { return m_address; });
    d.registerProperty("AddressType").onInterface(kDevice).withGetter([] { return std::string("random"); });
    d.registerProperty("Name").onInterface(kDevice).withGetter(locked(&StandInPhone::m_name));
    d.registerProperty("Alias").onInterface(kDevice).withGetter(locked(&StandInPhone::m_alias));
    d.registerProperty("Connected").onInterface(kDevice).withGetter(locked(&StandInPhone::m_connected));
    d.registerProperty("Paired").onInterface(kDevice).withGetter(locked(&StandInPhone::m_paired));
    d.registerProperty("Bonded").onInterface(kDevice).withGetter(locked(&StandInPhone::m_paired));
    d.registerProperty("Trusted").onInterface(kDevice).withGetter([] { return false; });
    d.registerProperty("Appearance").onInterface(kDevice).withGetter([] { return uint16_t(0x0040); });
    d.registerProperty("Adapter").onInterface(kDevice).withGetter([] {
        return sdbus::ObjectPath(BluezStandIn::kAdapterPath);
    });
    d.finishRegistration();
    d.emitInterfacesAddedSignal();
}

void StandInPhone::connect()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_connected = true;
    }
    if (m_object)
        m_object->emitPropertiesChangedSignal(kDevice, { "Connected" });
}

void StandInPhone::disconnect()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_connected = false;
        // Only a bonded phone keeps its notification settings for the next connection.
        if (!m_paired)
            m_subscriptions.clear();
    }
    if (m_object)
        m_object->emitPropertiesChangedSignal(kDevice, { "Connected" });
}

void StandInPhone::pair()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_paired = true;
    }
    if (m_object)
        m_object->emitPropertiesChangedSignal(kDevice, { "Paired", "Bonded" });
}

void StandInPhone::setName(const std::string& name)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_name = name;
    }
    if (m_object)
        m_object->emitPropertiesChangedSignal(kDevice, { "Name" });
}

void StandInPhone::setAlias(const std::string& alias)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_alias = alias;
    }
    if (m_object)
        m_object->emitPropertiesChangedSignal(kDevice, { "Alias" });
}

bool StandInPhone::isConnected() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_connected;
}

void StandInPhone::fail(const std::string& error) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastError = error;
}

std::string StandInPhone::lastError() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastError;
}

PropertyMap StandInPhone::accessOptions() const
{
    return { { "device", sdbus::Variant(sdbus::ObjectPath(m_path)) }, { "link", sdbus::Variant(std::string("LE")) },
        { "mtu", sdbus::Variant(uint16_t(BluezStandIn::kMtu)) } };
}

std::optional<Bytes> StandInPhone::read(const char* interface, const std::string& path, bool encrypted)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_connected) {
            m_lastError = "not connected";
            return std::nullopt;
        }
        if (encrypted && !m_paired) {
            m_lastError = "insufficient encryption";
            return std::nullopt;
        }
    }
    auto proxy = m_bluez.applicationProxy(path);
    if (!proxy) {
        fail("no application");
        return std::nullopt;
    }
    // A read answers MTU - 1 bytes; the rest comes by reads from an offset.
    const size_t piece = BluezStandIn::kMtu - 1;
    Bytes value;
    try {
        for (int reads = 0; reads < 64; ++reads) {
            PropertyMap options = accessOptions();
            if (!value.empty())
                options["offset"] = sdbus::Variant(uint16_t(value.size()));
            Bytes part;
            proxy->callMethod("ReadValue").onInterface(interface).withTimeout(kCallTimeout)
                .withArguments(options).storeResultsTo(part);
            part.resize(std::min(part.size(), piece));
            value.insert(value.end(), part.begin(), part.end());
            if (part.size() < piece)
                return value;
        }
        fail("value never ends");
    } catch (const sdbus::Error& error) {
        fail(error.getName() + ": " + error.getMessage());
    }
    return std::nullopt;
}

std::optional<Bytes> StandInPhone::readCharacteristic(uint16_t uuid)
{
    const std::optional<Application> app = m_bluez.application();
    const Attribute* c = app ? app->characteristic(uuid16(uuid)) : nullptr;
    if (!c) {
        fail("no such characteristic");
        return std::nullopt;
    }
    if (!hasFlag(*c, { "read", "encrypt-read", "encrypt-authenticated-read", "secure-read" })) {
        fail("read not permitted");
        return std::nullopt;
    }
    const bool encrypted = hasFlag(*c, { "encrypt-read", "encrypt-authenticated-read", "secure-read" });
    return read(kGattCharacteristic, c->path, encrypted);
}

std::optional<Bytes> StandInPhone::readDescriptor(uint16_t uuid)
{
    const std::optional<Application> app = m_bluez.application();
    const Attribute* d = app ? app->descriptor(uuid16(uuid)) : nullptr;
    if (!d || !hasFlag(*d, { "read", "encrypt-read", "encrypt-authenticated-read", "secure-read" })) {
        fail(d ? "read not permitted" : "no such descriptor");
        return std::nullopt;
    }
    const bool encrypted = hasFlag(*d, { "encrypt-read", "encrypt-authenticated-read", "secure-read" });
    return read(kGattDescriptor, d->path, encrypted);
}

bool StandInPhone::writeWithoutResponse(uint16_t uuid, const Bytes& value)
{
    const std::optional<Application> app = m_bluez.application();
    const Attribute* c = app ? app->characteristic(uuid16(uuid)) : nullptr;
    if (!c || !hasFlag(*c, { "write-without-response" })) {
        fail("write not permitted");
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_connected || (hasFlag(*c, { "encrypt-write", "encrypt-authenticated-write", "secure-write" }) && !m_paired)) {
            m_lastError = m_connected ? "insufficient encryption" : "not connected";
            return false;
        }
    }
    PropertyMap options = accessOptions();
    options["type"] = sdbus::Variant(std::string("command"));
    try {
        if (auto proxy = m_bluez.applicationProxy(c->path)) {
            proxy->callMethod("WriteValue").onInterface(kGattCharacteristic).withTimeout(kCallTimeout)
                .withArguments(value, options);
            return true;
        }
    } catch (const sdbus::Error& error) {
        fail(error.getName());
    }
    return false;
}

bool StandInPhone::subscribe(uint16_t uuid)
{
    const std::optional<Application> app = m_bluez.application();
    const Attribute* c = app ? app->characteristic(uuid16(uuid)) : nullptr;
    if (!c || !hasFlag(*c, { "notify", "indicate" })) {
        fail("notifications not supported");
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_connected) {
            m_lastError = "not connected";
            return false;
        }
        if (!m_subscriptions.insert(c->path).second)
            return true;
    }
    try {
        m_bluez.startNotify(c->path);
    } catch (const sdbus::Error& error) {
        fail(error.getName());
    }
    return true;
}

bool StandInPhone::unsubscribe(uint16_t uuid)
{
    const std::optional<Application> app = m_bluez.application();
    const Attribute* c = app ? app->characteristic(uuid16(uuid)) : nullptr;
    if (!c)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_subscriptions.erase(c->path))
            return false;
    }
    try {
        m_bluez.stopNotify(c->path);
    } catch (const sdbus::Error& error) {
        fail(error.getName());
    }
    return true;
}

bool StandInPhone::connectAsHidHost()
{
    connect();
    pair();
    return readCharacteristic(0x2A4B) && readCharacteristic(0x2A4A) && readDescriptor(0x2908) && subscribe(0x2A4D);
}

void StandInPhone::received(const std::string& characteristicPath, const Bytes& value)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_connected || !m_subscriptions.count(characteristicPath))
            return;
        m_notifications.push_back(value);
    }
    m_changed.notify_all();
}

std::vector<Bytes> StandInPhone::notifications() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_notifications;
}

void StandInPhone::clearNotifications()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_notifications.clear();
}

bool StandInPhone::waitForNotifications(size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_notifications.size() >= count; });
}

} // namespace bluezstandin
