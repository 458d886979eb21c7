#include "bluetooth/SCBluetoothDevice.h"

#include "bluetooth/AirPlayPeripheral.h"

namespace {
// Consumer keys the button pad knows, and the pad bits they press.
constexpr int kConsumerKeyHome = 2;
constexpr uint32_t kPadButtonHome = 4;
constexpr int kConsumerKey2048 = 2048;
}

SCBluetoothDevice::SCBluetoothDevice(const std::string& address, AirPlayPeripheral* peripheral)
    : m_address(address)
    , m_peripheral(peripheral)
{
}

void SCBluetoothDevice::setDelegate(ISCBluetoothDeviceDelegate* delegate)
{
    m_delegate = delegate;
}

bool SCBluetoothDevice::isConnected() const
{
    return m_peripheral && m_connected;
}

bool SCBluetoothDevice::disconnect()
{
    return isConnected();
}

bool SCBluetoothDevice::keyboard(uint32_t action, uint8_t usage, uint32_t)
{
    if (m_peripheral)
        m_peripheral->enqueue(PeripheralCommand::keyBoard(action, usage));
    return false;
}

bool SCBluetoothDevice::mouse(int32_t dx, int32_t dy, int32_t wheel, int32_t buttons)
{
    if (!m_peripheral)
        return false;
    m_peripheral->enqueue(PeripheralCommand::mouse(buttons, dx, dy, wheel));
    return true;
}

bool SCBluetoothDevice::touch(float x, float y, uint32_t contact)
{
    if (!m_peripheral)
        return false;
    m_peripheral->enqueue(PeripheralCommand::touch(contact, x, y));
    return true;
}

bool SCBluetoothDevice::consumerKey(int key, bool down)
{
    if (!m_peripheral)
        return false;
    if (key == kConsumerKeyHome)
        m_peripheral->enqueue(PeripheralCommand::gamePad(down ? kPadButtonHome : 0));
    else if (key == kConsumerKey2048)
        m_peripheral->enqueue(PeripheralCommand::gamePad(down ? uint32_t(kConsumerKey2048) : 0));
    return false;
}

void SCBluetoothDevice::release()
{
    detach();
    delete this;
}
