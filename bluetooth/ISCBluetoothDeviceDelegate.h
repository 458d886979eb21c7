#pragma once

class ISCBluetoothDevice;

// Told by a phone's Bluetooth HID device when its link drops or changes.
class ISCBluetoothDeviceDelegate {
public:
    // A non-zero flag asks the delegate to drop the device's binding.
    virtual void bluetoothDeviceDisconnect(ISCBluetoothDevice* device, int flag) = 0;
    virtual void bluetoothDeviceConnectionChanged(ISCBluetoothDevice* device, bool connected) = 0;

protected:
    ~ISCBluetoothDeviceDelegate() = default;
};
