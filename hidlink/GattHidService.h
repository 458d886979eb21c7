#pragma once

#include "hidlink/HidReports.h"

#include <sdbus-c++/sdbus-c++.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace hidlink {

class BluezLink;

// The HID-over-GATT application the library offers BlueZ: one primary HID service with the
// input report (and its report reference), the report map, the HID information and the
// control point, plus the advertisement that makes phones find it. Every value needs an
// encrypted link, so a phone bonds before it can read or subscribe.
class GattHidService {
public:
    // Told, on the bus's event thread, what the phones do; must return at once.
    class Listener {
    public:
        virtual void attributeReadBy(const std::string& devicePath) = 0;
        virtual void notifyStarted() = 0;
        virtual void notifyStopped() = 0;

    protected:
        ~Listener() = default;
    };

    static constexpr const char* kRootPath = "/org/pivora/hidlink";

    GattHidService(BluezLink& link, std::string adapterPath, Listener& listener);
    ~GattHidService();
    GattHidService(const GattHidService&) = delete;
    GattHidService& operator=(const GattHidService&) = delete;

    // Exports the objects, registers the application and the advertisement. On failure
    // whatever was registered is unregistered again.
    bool start();
    // Unregisters what is registered; the objects go with the service.
    void stop();
    // Sends the value as a notification of the input report.
    void notify(const Report& value);

    // Object paths, for those who check the database.
    static std::string servicePath();
    static std::string characteristicPath(int index);
    static std::string descriptorPath();
    static std::string advertisementPath();

private:
    void exportObjects();
    void exportService();
    void exportInputReport();
    void exportStaticCharacteristic(int index, uint16_t uuid, const std::vector<uint8_t>& value);
    void exportControlPoint();
    void exportReportReference();
    void exportAdvertisement();
    sdbus::IObject& addObject(const std::string& path);
    void registerCharacteristicProperties(sdbus::IObject& object, uint16_t uuid, std::vector<std::string> flags);
    std::vector<uint8_t> readStatic(const std::vector<uint8_t>& value, const std::map<std::string, sdbus::Variant>& options);

    BluezLink& m_link;
    const std::string m_adapterPath;
    Listener& m_listener;
    std::vector<std::unique_ptr<sdbus::IObject>> m_objects;
    sdbus::IObject* m_inputReport = nullptr;
    bool m_applicationRegistered = false;
    bool m_advertisementRegistered = false;
    std::atomic<bool> m_advertisementReleased { false };
    mutable std::mutex m_valueMutex;
    std::vector<uint8_t> m_value;
};

} // namespace hidlink
