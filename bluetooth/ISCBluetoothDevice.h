#pragma once

#include <cstdint>
#include <string>

class ISCBluetoothDeviceDelegate;

// One phone reported by the HID peripheral library. Input calls queue work for the Bluetooth
// worker and never wait for it.
class ISCBluetoothDevice {
public:
    virtual void setDelegate(ISCBluetoothDeviceDelegate* delegate) = 0;
    // The phone's Bluetooth name (UTF-8) as the library reported it.
    virtual std::string name() const = 0;
    // "A4:83:E7:0B:12:9C" form.
    virtual std::string address() const = 0;
    // Connected, and false once released.
    virtual bool isConnected() const = 0;
    // Asked when a session drops its link; the library keeps the link itself, so this only
    // answers like isConnected.
    virtual bool disconnect() = 0;
    virtual bool connectedFlag() const = 0;
    virtual bool isAvailable() const = 0;
    virtual bool linkState() const = 0;
    // action 1 press, 0 release. The library tracks held modifiers itself.
    virtual bool keyboard(uint32_t action, uint8_t usage, uint32_t modifiers) = 0;
    virtual bool mouse(int32_t dx, int32_t dy, int32_t wheel, int32_t buttons) = 0;
    // x and y in 0..1; contact 1 while touching, 0 on lift.
    virtual bool touch(float x, float y, uint32_t contact) = 0;
    // Media keys: 2 and 2048 are known, others are ignored.
    virtual bool consumerKey(int key, bool down) = 0;
    // Detaches from the worker and destroys the device.
    virtual void release() = 0;
    virtual ~ISCBluetoothDevice() = default;
};
