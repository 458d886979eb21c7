#include "hidlink/GattHidService.h"

#include "hidlink/BluezLink.h"
#include "hidlink/Log.h"

#include <unistd.h>

namespace hidlink {

namespace {

using Options = std::map<std::string, sdbus::Variant>;

constexpr uint16_t kHumanInterfaceDevice = 0x1812;
constexpr uint16_t kReport = 0x2A4D;
constexpr uint16_t kReportMap = 0x2A4B;
constexpr uint16_t kHidInformation = 0x2A4A;
constexpr uint16_t kHidControlPoint = 0x2A4C;
constexpr uint16_t kReportReference = 0x2908;
// Generic Human Interface Device.
constexpr uint16_t kHidAppearance = 0x03C0;

const Options kNoOptions;
constexpr const char* kAdvertisementStatusChanged = "ServiceProvider_AdvertisementStatusChanged ";

enum CharacteristicIndex { InputReport = 0, ReportMap = 1, HidInformation = 2, ControlPoint = 3 };

// The phones list the computer under its host name; bytes that are not UTF-8 become '?'.
std::string localName()
{
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0 || !host[0])
        return "Pivora";
    std::string name;
    for (size_t i = 0; host[i];) {
        const unsigned char c = static_cast<unsigned char>(host[i]);
        const size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0;
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(host[i + k]) >> 6) == 0x2;
        if (!valid) {
            name += '?';
            ++i;
            continue;
        }
        name.append(host + i, length);
        i += length;
    }
    return name;
}

std::string deviceOf(const Options& options)
{
    const auto it = options.find("device");
    if (it == options.end())
        return {};
    try {
        if (it->second.containsValueOfType<sdbus::ObjectPath>())
            return it->second.get<sdbus::ObjectPath>();
    } catch (const sdbus::Error&) {
    }
    return {};
}

uint16_t offsetOf(const Options& options)
{
    const auto it = options.find("offset");
    if (it == options.end())
        return 0;
    try {
        if (it->second.containsValueOfType<uint16_t>())
            return it->second.get<uint16_t>();
    } catch (const sdbus::Error&) {
    }
    return 0;
}

} // namespace

GattHidService::GattHidService(BluezLink& link, std::string adapterPath, Listener& listener)
    : m_link(link)
    , m_adapterPath(std::move(adapterPath))
    , m_listener(listener)
{
}

GattHidService::~GattHidService()
{
    stop();
}

std::string GattHidService::servicePath()
{
    return std::string(kRootPath) + "/service0";
}

std::string GattHidService::characteristicPath(int index)
{
    return servicePath() + "/char" + std::to_string(index);
}

std::string GattHidService::descriptorPath()
{
    return characteristicPath(InputReport) + "/desc0";
}

std::string GattHidService::advertisementPath()
{
    return "/org/pivora/advertisement0";
}

bool GattHidService::start()
{
    try {
        exportObjects();
    } catch (const sdbus::Error& error) {
        logLine("the HID service objects could not be exported (%s)", error.getMessage().c_str());
        m_objects.clear();
        return false;
    }
    m_applicationRegistered = m_link.callBluez(m_adapterPath, bluez::kGattManager, "RegisterApplication",
        sdbus::ObjectPath(kRootPath), &kNoOptions, BluezLink::kRegisterTimeout);
    if (m_applicationRegistered) {
        m_advertisementRegistered = m_link.callBluez(m_adapterPath, bluez::kAdvertisingManager,
            "RegisterAdvertisement", sdbus::ObjectPath(advertisementPath()), &kNoOptions,
            BluezLink::kRegisterTimeout);
    }
    if (m_applicationRegistered && m_advertisementRegistered) {
        printEvent(kAdvertisementStatusChanged);
        logLine("HID service registered on %s and advertised as \"%s\"", m_adapterPath.c_str(), localName().c_str());
        return true;
    }
    stop();
    return false;
}

void GattHidService::stop()
{
    if (m_advertisementRegistered && !m_advertisementReleased) {
        m_link.callBluez(m_adapterPath, bluez::kAdvertisingManager, "UnregisterAdvertisement",
            sdbus::ObjectPath(advertisementPath()));
        printEvent(kAdvertisementStatusChanged);
    }
    if (m_applicationRegistered)
        m_link.callBluez(m_adapterPath, bluez::kGattManager, "UnregisterApplication", sdbus::ObjectPath(kRootPath));
    m_advertisementRegistered = false;
    m_applicationRegistered = false;
    m_inputReport = nullptr;
    m_objects.clear();
}

void GattHidService::notify(const Report& value)
{
    if (!m_inputReport)
        return;
    {
        std::lock_guard<std::mutex> lock(m_valueMutex);
        m_value = value;
    }
    try {
        m_inputReport->emitPropertiesChangedSignal(bluez::kGattCharacteristic, { "Value" });
    } catch (const sdbus::Error& error) {
        logLine("a report could not be sent (%s)", error.getMessage().c_str());
    }
}

sdbus::IObject& GattHidService::addObject(const std::string& path)
{
    m_objects.push_back(sdbus::createObject(m_link.connection(), path));
    return *m_objects.back();
}

void GattHidService::exportObjects()
{
    sdbus::IObject& root = addObject(kRootPath);
    root.addObjectManager();
    root.finishRegistration();
    // In the order the phone sees them: service, input report and its reference, report map,
    // HID information, control point.
    exportService();
    exportInputReport();
    exportReportReference();
    exportStaticCharacteristic(ReportMap, kReportMap, reportMap());
    exportStaticCharacteristic(HidInformation, kHidInformation, hidInformation());
    exportControlPoint();
    exportAdvertisement();
}

void GattHidService::exportService()
{
    sdbus::IObject& service = addObject(servicePath());
    service.registerProperty("UUID").onInterface(bluez::kGattService).withGetter([] {
        return bluez::uuid16(kHumanInterfaceDevice);
    });
    service.registerProperty("Primary").onInterface(bluez::kGattService).withGetter([] { return true; });
    service.finishRegistration();
}

void GattHidService::registerCharacteristicProperties(sdbus::IObject& object, uint16_t uuid,
    std::vector<std::string> flags)
{
    object.registerProperty("UUID").onInterface(bluez::kGattCharacteristic).withGetter([uuid] {
        return bluez::uuid16(uuid);
    });
    object.registerProperty("Service").onInterface(bluez::kGattCharacteristic).withGetter([] {
        return sdbus::ObjectPath(servicePath());
    });
    object.registerProperty("Flags").onInterface(bluez::kGattCharacteristic).withGetter([flags] { return flags; });
}

void GattHidService::exportInputReport()
{
    sdbus::IObject& report = addObject(characteristicPath(InputReport));
    registerCharacteristicProperties(report, kReport, { "read", "notify", "encrypt-read" });
    report.registerProperty("Value").onInterface(bluez::kGattCharacteristic).withGetter([this] {
        std::lock_guard<std::mutex> lock(m_valueMutex);
        return m_value;
    });
    // Input reports are only ever notified; a read gets no value.
    report.registerMethod("ReadValue").onInterface(bluez::kGattCharacteristic).implementedAs(
        [this](const Options& options) {
            m_listener.attributeReadBy(deviceOf(options));
            return std::vector<uint8_t>();
        });
    report.registerMethod("StartNotify").onInterface(bluez::kGattCharacteristic).implementedAs([this] {
        m_listener.notifyStarted();
    });
    report.registerMethod("StopNotify").onInterface(bluez::kGattCharacteristic).implementedAs([this] {
        m_listener.notifyStopped();
    });
    report.finishRegistration();
    m_inputReport = &report;
}

void GattHidService::exportReportReference()
{
    sdbus::IObject& descriptor = addObject(descriptorPath());
    descriptor.registerProperty("UUID").onInterface(bluez::kGattDescriptor).withGetter([] {
        return bluez::uuid16(kReportReference);
    });
    descriptor.registerProperty("Characteristic").onInterface(bluez::kGattDescriptor).withGetter([] {
        return sdbus::ObjectPath(characteristicPath(InputReport));
    });
    descriptor.registerProperty("Flags").onInterface(bluez::kGattDescriptor).withGetter([] {
        return std::vector<std::string> { "read", "encrypt-read" };
    });
    descriptor.registerMethod("ReadValue").onInterface(bluez::kGattDescriptor).implementedAs(
        [this](const Options& options) { return readStatic(inputReportReference(), options); });
    descriptor.finishRegistration();
}

void GattHidService::exportStaticCharacteristic(int index, uint16_t uuid, const std::vector<uint8_t>& value)
{
    sdbus::IObject& characteristic = addObject(characteristicPath(index));
    registerCharacteristicProperties(characteristic, uuid, { "read", "encrypt-read" });
    characteristic.registerMethod("ReadValue").onInterface(bluez::kGattCharacteristic).implementedAs(
        [this, &value](const Options& options) { return readStatic(value, options); });
    characteristic.finishRegistration();
}

void GattHidService::exportControlPoint()
{
    sdbus::IObject& point = addObject(characteristicPath(ControlPoint));
    registerCharacteristicProperties(point, kHidControlPoint, { "write-without-response", "encrypt-write" });
    // Suspend and exit-suspend have no effect here.
    point.registerMethod("WriteValue").onInterface(bluez::kGattCharacteristic).implementedAs(
        [](const std::vector<uint8_t>&, const Options&) {});
    point.finishRegistration();
}

void GattHidService::exportAdvertisement()
{
    sdbus::IObject& advertisement = addObject(advertisementPath());
    const char* iface = bluez::kAdvertisement;
    advertisement.registerProperty("Type").onInterface(iface).withGetter([] { return std::string("peripheral"); });
    advertisement.registerProperty("ServiceUUIDs").onInterface(iface).withGetter([] {
        return std::vector<std::string> { bluez::uuid16(kHumanInterfaceDevice) };
    });
    advertisement.registerProperty("LocalName").onInterface(iface).withGetter([] { return localName(); });
    advertisement.registerProperty("Appearance").onInterface(iface).withGetter([] { return kHidAppearance; });
    advertisement.registerProperty("Discoverable").onInterface(iface).withGetter([] { return true; });
    advertisement.registerMethod("Release").onInterface(iface).withNoReply().implementedAs([this] {
        m_advertisementReleased = true;
        printEvent(kAdvertisementStatusChanged);
        logLine("BlueZ ended the advertisement");
    });
    advertisement.finishRegistration();
}

std::vector<uint8_t> GattHidService::readStatic(const std::vector<uint8_t>& value, const Options& options)
{
    m_listener.attributeReadBy(deviceOf(options));
    const uint16_t offset = offsetOf(options);
    if (offset > value.size())
        throw sdbus::Error("org.bluez.Error.InvalidOffset", "offset beyond the value");
    return std::vector<uint8_t>(value.begin() + offset, value.end());
}

} // namespace hidlink
