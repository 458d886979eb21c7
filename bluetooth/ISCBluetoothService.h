#pragma once

#include <string>

class ISCBluetoothDevice;
class ISCBluetoothServiceDelegate;

// The process-wide Bluetooth control service: the HID peripheral and the phones it reported.
class ISCBluetoothService {
public:
    // Starts the library's HID service (queued); answers true.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual void setDelegate(ISCBluetoothServiceDelegate* delegate) = 0;
    virtual int deviceCount() const = 0;
    virtual void removeAllDevices() = 0;
    virtual ISCBluetoothDevice* findByAddress(const std::string& address) const = 0;
    virtual ISCBluetoothDevice* findByName(const std::string& name) const = 0;
    virtual ~ISCBluetoothService() = default;
};
