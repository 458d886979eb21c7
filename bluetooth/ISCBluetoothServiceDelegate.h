#pragma once

class ISCBluetoothDevice;

// Told by the Bluetooth service when a phone's HID link comes up or goes down.
class ISCBluetoothServiceDelegate {
public:
    virtual void bluetoothDeviceLinked(ISCBluetoothDevice* device) = 0;
    virtual void bluetoothDeviceUnlinked(ISCBluetoothDevice* device) = 0;

protected:
    ~ISCBluetoothServiceDelegate() = default;
};
