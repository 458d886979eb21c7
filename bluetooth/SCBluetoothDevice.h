#pragma once

#include "bluetooth/ISCBluetoothDevice.h"

class AirPlayPeripheral;

class SCBluetoothDevice : public ISCBluetoothDevice {
public:
    SCBluetoothDevice(const std::string& address, AirPlayPeripheral* peripheral);

    void setDelegate(ISCBluetoothDeviceDelegate* delegate) override;
    std::string name() const override { return m_name; }
    std::string address() const override { return m_address; }
    bool isConnected() const override;
    bool disconnect() override;
    bool connectedFlag() const override { return m_connected; }
    bool isAvailable() const override { return true; }
    bool linkState() const override { return m_connected; }
    bool keyboard(uint32_t action, uint8_t usage, uint32_t modifiers) override;
    bool mouse(int32_t dx, int32_t dy, int32_t wheel, int32_t buttons) override;
    bool touch(float x, float y, uint32_t contact) override;
    bool consumerKey(int key, bool down) override;
    void release() override;

    void setName(const std::string& name) { m_name = name; }
    void setConnected(bool connected) { m_connected = connected; }
    ISCBluetoothDeviceDelegate* delegate() const { return m_delegate; }
    // Stops all input to the worker; the device stays until released.
    void detach() { m_peripheral = nullptr; }

private:
    ~SCBluetoothDevice() override = default;

    ISCBluetoothDeviceDelegate* m_delegate = nullptr;
    std::string m_name;
    std::string m_address;
    bool m_connected = false;
    AirPlayPeripheral* m_peripheral = nullptr;
};
