#include "hidlink/PhoneTracker.h"

#include "hidlink/BluezLink.h"
#include "hidlink/Log.h"
#include "hidlink/PhoneDirectory.h"

#include <algorithm>

namespace hidlink {

namespace {

constexpr size_t kRememberedReaders = 16;
constexpr const char* kSubscribersChanged = "HidKeyboardReport_SubscribedClientsChanged ";

} // namespace

PhoneTracker::PhoneTracker(BluezLink& link, std::string adapterPath, PhoneDirectory& directory)
    : m_link(link)
    , m_adapterPath(std::move(adapterPath))
    , m_directory(directory)
{
}

PhoneTracker::~PhoneTracker()
{
    stop();
}

void PhoneTracker::start()
{
    if (m_thread.joinable())
        return;
    m_stopping = false;
    m_thread = std::thread([this] { run(); });
    try {
        watchBluez();
    } catch (const sdbus::Error& error) {
        logLine("BlueZ's devices cannot be watched (%s)", error.getMessage().c_str());
    }
}

void PhoneTracker::stop()
{
    m_matches.clear();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    for (const Subscriber& subscriber : m_subscribers)
        subscriber.record->subscribed = false;
    m_subscribers.clear();
    m_readers.clear();
}

void PhoneTracker::watchBluez()
{
    sdbus::IConnection& bus = m_link.connection();
    m_matches.push_back(bus.addMatch(
        "type='signal',sender='org.bluez',interface='org.freedesktop.DBus.Properties',member='PropertiesChanged',"
        "arg0='org.bluez.Device1',path_namespace='" + m_adapterPath + "'",
        [this](sdbus::Message& message) { onDeviceProperties(message); }));
    m_matches.push_back(bus.addMatch(
        "type='signal',sender='org.bluez',interface='org.freedesktop.DBus.ObjectManager',member='InterfacesRemoved'",
        [this](sdbus::Message& message) { onInterfacesRemoved(message); }));
    m_matches.push_back(bus.addMatch(
        "type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',member='NameOwnerChanged',"
        "arg0='org.bluez'",
        [this](sdbus::Message& message) { onNameOwnerChanged(message); }));
}

// --- Bus event thread: read the message, hand the work on.

void PhoneTracker::onDeviceProperties(sdbus::Message& message)
{
    try {
        std::string interface;
        PropertyMap changed;
        message >> interface >> changed;
        const auto connected = changed.find("Connected");
        if (connected == changed.end() || !connected->second.containsValueOfType<bool>())
            return;
        const bool isConnected = connected->second.get<bool>();
        const std::string path = message.getPath();
        post([this, path, isConnected] { deviceConnectionChanged(path, isConnected); });
    } catch (const sdbus::Error& error) {
        logLine("a malformed device change was ignored (%s)", error.getMessage().c_str());
    }
}

void PhoneTracker::onInterfacesRemoved(sdbus::Message& message)
{
    try {
        sdbus::ObjectPath path;
        std::vector<std::string> interfaces;
        message >> path >> interfaces;
        const auto has = [&](const char* name) {
            return std::find(interfaces.begin(), interfaces.end(), name) != interfaces.end();
        };
        if (path == m_adapterPath && has(bluez::kAdapter)) {
            post([this] { adapterLost("the Bluetooth adapter was removed"); });
        } else if (has(bluez::kDevice)) {
            const std::string device = path;
            post([this, device] { deviceConnectionChanged(device, false); });
        }
    } catch (const sdbus::Error& error) {
        logLine("a malformed removal was ignored (%s)", error.getMessage().c_str());
    }
}

void PhoneTracker::onNameOwnerChanged(sdbus::Message& message)
{
    try {
        std::string name, oldOwner, newOwner;
        message >> name >> oldOwner >> newOwner;
        if (name == bluez::kService && newOwner.empty())
            post([this] { adapterLost("BlueZ left the bus"); });
    } catch (const sdbus::Error& error) {
        logLine("a malformed name change was ignored (%s)", error.getMessage().c_str());
    }
}

void PhoneTracker::busLost()
{
    post([this] { adapterLost("the system bus went away"); });
}

void PhoneTracker::attributeReadBy(const std::string& devicePath)
{
    if (!devicePath.empty())
        post([this, devicePath] { noteReader(devicePath); });
}

void PhoneTracker::notifyStarted()
{
    post([this] {
        m_notifying = true;
        subscribeNewPhone();
    });
}

void PhoneTracker::notifyStopped()
{
    // BlueZ stops the notifications once no phone is subscribed any more.
    post([this] {
        m_notifying = false;
        printEvent(kSubscribersChanged);
        for (const Subscriber& subscriber : m_subscribers)
            subscriber.record->subscribed = false;
        m_subscribers.clear();
    });
}

void PhoneTracker::post(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping)
            return;
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_all();
}

// --- Tracker thread

void PhoneTracker::run()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
            if (m_stopping)
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        try {
            task();
        } catch (const std::exception& error) {
            logLine("a phone event failed (%s)", error.what());
        }
    }
}

void PhoneTracker::noteReader(const std::string& devicePath)
{
    m_readers.erase(std::remove(m_readers.begin(), m_readers.end(), devicePath), m_readers.end());
    m_readers.push_back(devicePath);
    if (m_readers.size() > kRememberedReaders)
        m_readers.pop_front();
    // BlueZ runs one notification session for all phones: a phone that subscribes while another
    // is subscribed causes no call here. A HID host reads the service's values before it
    // subscribes, so a phone that reads while notifications run is its next subscriber.
    if (m_notifying && !isSubscriber(devicePath) && addSubscriber(devicePath)) {
        printEvent(kSubscribersChanged);
        reportSubscribers();
    }
}

bool PhoneTracker::isSubscriber(const std::string& devicePath) const
{
    return std::any_of(m_subscribers.begin(), m_subscribers.end(),
        [&](const Subscriber& s) { return s.record->devicePath == devicePath; });
}

std::string PhoneTracker::findSubscriber()
{
    for (auto it = m_readers.rbegin(); it != m_readers.rend(); ++it) {
        if (isSubscriber(*it))
            continue;
        const std::optional<DeviceInfo> device = m_link.device(*it);
        if (device && device->connected)
            return *it;
    }
    for (const DeviceInfo& device : m_link.devicesOf(m_adapterPath)) {
        if (device.connected && !isSubscriber(device.path))
            return device.path;
    }
    return {};
}

void PhoneTracker::subscribeNewPhone()
{
    printEvent(kSubscribersChanged);
    const std::string path = findSubscriber();
    if (path.empty())
        logLine("a phone subscribed that BlueZ does not show as connected");
    else
        addSubscriber(path);
    reportSubscribers();
}

bool PhoneTracker::addSubscriber(const std::string& devicePath)
{
    const std::optional<DeviceInfo> device = m_link.device(devicePath);
    if (!device || !device->connected)
        return false;
    std::shared_ptr<PhoneRecord> record = m_directory.recordFor(devicePath);
    record->address = bluez::parseAddress(device->address);
    record->connected = true;
    record->subscribed = true;
    m_subscribers.push_back({ record, device->paired });
    return true;
}

void PhoneTracker::reportSubscribers()
{
    for (const Subscriber& subscriber : m_subscribers) {
        const std::shared_ptr<PhoneRecord>& record = subscriber.record;
        if (!record->connected)
            continue;
        const std::optional<DeviceInfo> device = m_link.device(record->devicePath);
        if (!device)
            continue;
        record->address = bluez::parseAddress(device->address);
        record->connected = device->connected;
        // The name the system shows for the phone, then the phone's own device name.
        registerAndReport(record, device->alias, device->connected);
        registerAndReport(record, device->name, device->connected);
    }
}

void PhoneTracker::registerAndReport(const std::shared_ptr<PhoneRecord>& record, const std::string& name,
    bool connected)
{
    if (name.empty())
        return;
    if (m_directory.registerName(name, record))
        logLine("phone \"%s\" (%s) registered", name.c_str(), record->devicePath.c_str());
    if (std::find(record->names.begin(), record->names.end(), name) == record->names.end())
        record->names.push_back(name);
    m_directory.reportLink(name, record->address, connected);
}

void PhoneTracker::reportUnlinked(const PhoneRecord& record)
{
    for (const std::string& name : record.names)
        m_directory.reportLink(name, record.address, false);
}

void PhoneTracker::deviceConnectionChanged(const std::string& devicePath, bool connected)
{
    const auto it = std::find_if(m_subscribers.begin(), m_subscribers.end(),
        [&](const Subscriber& s) { return s.record->devicePath == devicePath; });
    if (it == m_subscribers.end() || it->record->connected == connected)
        return;
    printEvent(kSubscribersChanged);
    PhoneRecord& record = *it->record;
    record.connected = connected;
    if (!connected) {
        logLine("phone %s disconnected", devicePath.c_str());
        reportUnlinked(record);
        if (!it->bonded) {
            record.subscribed = false;
            m_subscribers.erase(it);
        }
    } else {
        logLine("phone %s connected again", devicePath.c_str());
    }
    reportSubscribers();
}

void PhoneTracker::adapterLost(const char* why)
{
    if (m_adapterLost.exchange(true))
        return;
    logLine("%s; the HID service is gone", why);
    printEvent(kSubscribersChanged);
    for (const Subscriber& subscriber : m_subscribers) {
        subscriber.record->connected = false;
        subscriber.record->subscribed = false;
        reportUnlinked(*subscriber.record);
    }
    m_subscribers.clear();
}

} // namespace hidlink
