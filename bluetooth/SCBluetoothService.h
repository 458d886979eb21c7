#pragma once

#include "bluetooth/AirPlayPeripheral.h"
#include "bluetooth/ISCBluetoothService.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class SCBluetoothDevice;

class SCBluetoothService : public ISCBluetoothService {
public:
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
    bool isSupported() const;
    // A link report from the library, on the GUI thread.
    void updateDevice(const std::string& name, uint64_t address, bool connected);
    // Called when a mirroring session ends.
    void removeDeviceByName(const std::string& name);

    // The 48-bit address as six colon-separated upper-case hexadecimal bytes.
    static std::string formatAddress(uint64_t address);
    // The library's link callback, on a library thread: turned into the application's
    // queued didBLEDeviceConnectStatusChanged.
    static void phoneLinked(void* context, const char* name, uint64_t address, bool connected);

private:
    void enqueue(std::unique_ptr<PeripheralCommand> command);

    ISCBluetoothServiceDelegate* m_delegate = nullptr;
    std::unique_ptr<AirPlayPeripheral> m_peripheral;
    std::vector<SCBluetoothDevice*> m_devices;
};
