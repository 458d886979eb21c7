// The exported functions of the HID peripheral and the one state they share.
#include "hidlink/hidlink.h"

#include "hidlink/BluezLink.h"
#include "hidlink/GattHidService.h"
#include "hidlink/HidReports.h"
#include "hidlink/Log.h"
#include "hidlink/PhoneDirectory.h"
#include "hidlink/PhoneTracker.h"

#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace hidlink {
namespace {

struct Library {
    // Held for the whole body of every export that takes it; never taken by bus handlers.
    std::mutex lock;
    bool initialized = false;
    bool supported = false;
    bool started = false;
    KeyboardState keyboard;
    PhoneDirectory directory;
    std::unique_ptr<BluezLink> link;
    std::thread powerOn;
    std::unique_ptr<PhoneTracker> tracker;
    std::unique_ptr<GattHidService> service;

    ~Library()
    {
        std::lock_guard<std::mutex> guard(lock);
        teardown();
        joinPowerOn();
        link.reset();
    }

    void joinPowerOn()
    {
        if (powerOn.joinable())
            powerOn.join();
    }

    // The service first: its handlers talk to the tracker.
    void teardown()
    {
        if (link)
            link->setLostHandler(nullptr);
        if (service)
            service->stop();
        service.reset();
        tracker.reset();
        started = false;
    }

    bool checkSupport(BluezLink* bus)
    {
        if (!bus)
            return false;
        const std::optional<AdapterInfo> adapter = bus->defaultAdapter();
        if (!adapter) {
            logLine("no Bluetooth adapter");
            return false;
        }
        if (!adapter->canBePeripheral()) {
            logLine("Bluetooth adapter %s cannot act as an LE peripheral", adapter->path.c_str());
            return false;
        }
        return true;
    }

    // A lost bus is connected to again while no service runs on it.
    BluezLink* ensureLink()
    {
        if (link && link->isLost() && !started) {
            joinPowerOn();
            link.reset();
        }
        if (!link)
            link = BluezLink::connect();
        return link.get();
    }

    bool canSend() const
    {
        if (!initialized || !supported || !started || !service)
            return false;
        if ((tracker && tracker->isAdapterLost()) || (link && link->isLost()))
            return false;
        const std::shared_ptr<PhoneRecord> selected = directory.selected();
        return selected && selected->isReachable();
    }

    void send(const Report& report)
    {
        if (canSend())
            service->notify(report);
    }
};

Library& library()
{
    static Library instance;
    return instance;
}

// No exception leaves an export.
template <typename Fn>
auto guarded(const char* what, Fn&& body, decltype(body()) fallback) -> decltype(body())
{
    try {
        return body();
    } catch (const std::exception& error) {
        logLine("%s failed: %s", what, error.what());
    } catch (...) {
        logLine("%s failed", what);
    }
    return fallback;
}

template <typename Fn>
void guarded(const char* what, Fn&& body)
{
    try {
        body();
    } catch (const std::exception& error) {
        logLine("%s failed: %s", what, error.what());
    } catch (...) {
        logLine("%s failed", what);
    }
}

} // namespace
} // namespace hidlink

using namespace hidlink;

extern "C" {

HIDLINK_EXPORT void AirPlay_Peripheral_EnvInitialize(void)
{
    guarded("EnvInitialize", [] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        lib.joinPowerOn();
        // A fresh connection to the bus the environment names now, unless a service runs on
        // the old one.
        if (!lib.started) {
            lib.link.reset();
            lib.link = BluezLink::connect();
        }
        lib.directory.reset();
        if (BluezLink* bus = lib.link.get()) {
            lib.powerOn = std::thread([bus] {
                if (const std::optional<AdapterInfo> adapter = bus->defaultAdapter())
                    bus->powerOn(adapter->path);
            });
        }
    });
}

HIDLINK_EXPORT void AirPlay_Peripheral_Initialize(void)
{
    guarded("Initialize", [] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        if (lib.initialized)
            return;
        lib.keyboard.reset();
        lib.supported = lib.checkSupport(lib.ensureLink());
        lib.directory.dropSelection();
        lib.initialized = true;
    });
}

HIDLINK_EXPORT bool AirPlay_Peripheral_Support(void)
{
    return guarded("Support", [] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        return lib.checkSupport(lib.ensureLink());
    }, false);
}

HIDLINK_EXPORT bool AirPlay_Peripheral_Support_Quick(void)
{
    // Its own connection, so it needs no lock.
    return guarded("Support_Quick", [] {
        std::unique_ptr<BluezLink> bus = BluezLink::connect();
        return library().checkSupport(bus.get());
    }, false);
}

HIDLINK_EXPORT bool AirPlay_Peripheral_StartService(void)
{
    return guarded("StartService", [] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        if (!lib.initialized || !lib.supported || lib.started || !lib.link || lib.link->isLost())
            return false;
        const std::optional<AdapterInfo> adapter = lib.link->defaultAdapter();
        if (!adapter || !adapter->canBePeripheral()) {
            logLine("no Bluetooth adapter can carry the HID service");
            return false;
        }
        lib.tracker = std::make_unique<PhoneTracker>(*lib.link, adapter->path, lib.directory);
        lib.tracker->start();
        lib.link->setLostHandler([tracker = lib.tracker.get()] { tracker->busLost(); });
        lib.service = std::make_unique<GattHidService>(*lib.link, adapter->path, *lib.tracker);
        lib.started = lib.service->start();
        if (!lib.started)
            lib.teardown();
        return lib.started;
    }, false);
}

HIDLINK_EXPORT void AirPlay_Peripheral_StopService(void)
{
    guarded("StopService", [] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        if (!lib.initialized || !lib.supported || !lib.started)
            return;
        lib.teardown();
        lib.directory.dropSelection();
        logLine("HID service stopped");
    });
}

HIDLINK_EXPORT void AirPlay_Peripheral_SetPhoneInfo(const char* name, const char* note)
{
    if (!name) {
        logLine("SetPhoneInfo without a name ignored");
        return;
    }
    guarded("SetPhoneInfo", [name, note] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        const std::shared_ptr<PhoneRecord> record = lib.directory.addPhoneInfo(name, note ? note : "");
        if (record)
            lib.directory.reportLinkOnce(name, record->address, record->connected);
    });
}

HIDLINK_EXPORT void AirPlay_Peripheral_SetCallbacks(const struct PeripheralCallbacks* callbacks)
{
    if (!callbacks) {
        logLine("SetCallbacks without a record ignored");
        return;
    }
    Library& lib = library();
    std::lock_guard<std::mutex> guard(lib.lock);
    lib.directory.setCallbacks(*callbacks);
}

HIDLINK_EXPORT void AirPlay_Peripheral_SetSubscribedClient(const char* name)
{
    // The directory has a lock of its own; the library lock is not taken.
    if (name)
        library().directory.select(name);
}

HIDLINK_EXPORT void AirPlay_Peripheral_KeyBoardSend(int32_t action, uint8_t usage)
{
    guarded("KeyBoardSend", [action, usage] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        if (!lib.canSend())
            return;
        if (const std::optional<Report> report = lib.keyboard.apply(action, usage))
            lib.service->notify(*report);
    });
}

HIDLINK_EXPORT void AirPlay_Peripheral_MouseSend(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel)
{
    guarded("MouseSend", [=] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        lib.send(mouseReport(buttons, dx, dy, wheel));
    });
}

HIDLINK_EXPORT void AirPlay_Peripheral_TouchScreenSend(int32_t contact, float x, float y)
{
    guarded("TouchScreenSend", [=] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        lib.send(touchReport(contact, x, y));
    });
}

HIDLINK_EXPORT void AirPlay_Peripheral_GamePadSend(int32_t buttons)
{
    guarded("GamePadSend", [buttons] {
        Library& lib = library();
        std::lock_guard<std::mutex> guard(lib.lock);
        lib.send(buttonsReport(buttons));
    });
}

} // extern "C"
