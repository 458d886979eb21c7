#pragma once

#include "bluetooth/AirPlayPeripheral.h"
#include "bluetooth/ISCBluetoothService.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class ISCBluetoothDeviceDelegate;
class QObject;
class SCBluetoothDevice;

class SCBluetoothService : public ISCBluetoothService {
public:
    // How long construction waits for the library's support answer. A slow or absent Bluetooth
    // daemon must not hold up the program's start; a later answer arrives through the handler.
    static constexpr std::chrono::milliseconds kSupportWait { 1000 };

    // Starts the worker with the library of that name; without a worker every call is a no-op.
    explicit SCBluetoothService(const std::string& libraryName = AirPlayPeripheral::kLibraryName);
    ~SCBluetoothService() override;
    SCBluetoothService(const SCBluetoothService&) = delete;
    SCBluetoothService& operator=(const SCBluetoothService&) = delete;

    bool start() override;
    void stop() override;
    void setDelegate(ISCBluetoothServiceDelegate* delegate) override;
    int deviceCount() const override { return int(m_devices.size()); }
    void removeAllDevices() override;
    ISCBluetoothDevice* findByAddress(const std::string& address) const override;
    ISCBluetoothDevice* findByName(const std::string& name) const override;

    void setPhoneInfo(const std::string& name, const std::string& note);
    void setSubscribedClient(const std::string& name);
    // The last support answer: false until the library has answered.
    bool isSupported() const;
    bool isSupportKnown() const { return m_supportKnown; }
    // Called on the thread that made the service once the library has answered.
    void setSupportHandler(std::function<void(bool supported)> handler) { m_supportHandler = std::move(handler); }
    // A link report from the library, on the GUI thread.
    void updateDevice(const std::string& name, uint64_t address, bool connected);
    // Takes the first device of that name off the list and releases it; its holder is told
    // first, so it lets go of the device before it is freed.
    void removeDeviceByName(const std::string& name);

    // Each session holds exactly the device it bound, so phones that share a name never share
    // a device. The holder is the device's delegate.
    ISCBluetoothDeviceDelegate* holderOf(const ISCBluetoothDevice* device) const;
    ISCBluetoothDevice* deviceHeldBy(const ISCBluetoothDeviceDelegate* holder) const;
    // Makes the session the holder of a listed device no other session holds.
    bool claim(ISCBluetoothDevice* device, ISCBluetoothDeviceDelegate* holder);
    // A device of that name that the asker may bind: its own first, then a free connected one,
    // then any free one; null when none.
    ISCBluetoothDevice* findFreeByName(const std::string& name, const ISCBluetoothDeviceDelegate* asker) const;
    // Takes exactly that device off the list and releases it; nothing when it is not listed.
    void releaseDevice(ISCBluetoothDevice* device);

    // The 48-bit address as six colon-separated upper-case hexadecimal bytes.
    static std::string formatAddress(uint64_t address);
    // The library's link callback, on a library thread: turned into the application's
    // queued didBLEDeviceConnectStatusChanged.
    static void phoneLinked(void* context, const char* name, uint64_t address, bool connected);

private:
    void enqueue(std::unique_ptr<PeripheralCommand> command);
    void supportAnswered(bool supported);
    SCBluetoothDevice* listed(const ISCBluetoothDevice* device) const;
    // Takes the device off the list, tells its holder, and releases it.
    void dropDevice(std::vector<SCBluetoothDevice*>::iterator it);

    ISCBluetoothServiceDelegate* m_delegate = nullptr;
    std::unique_ptr<AirPlayPeripheral> m_peripheral;
    std::vector<SCBluetoothDevice*> m_devices;
    // Lives on the thread that made the service; the worker's answer is delivered through it.
    std::unique_ptr<QObject> m_answerContext;
    std::function<void(bool)> m_supportHandler;
    bool m_supportKnown = false;
};
