#include "bluetooth/SCBluetoothService.h"

#include "app/QPivoraApplication.h"
#include "bluetooth/ISCBluetoothServiceDelegate.h"
#include "bluetooth/SCBluetoothDevice.h"

#include <algorithm>
#include <cstdio>

SCBluetoothService::SCBluetoothService(const std::string& libraryName)
    : m_peripheral(new AirPlayPeripheral)
{
    if (!m_peripheral->start(libraryName)) {
        m_peripheral->stop();
        m_peripheral.reset();
        qWarning("Bluetooth service runs without its worker; Bluetooth control is off");
        return;
    }
    m_peripheral->enqueue(PeripheralCommand::callbacks({ this, &SCBluetoothService::phoneLinked }));
    // The support answer decides the receiver's HID options right after this.
    m_peripheral->waitUntilLoaded();
}

SCBluetoothService::~SCBluetoothService()
{
    removeAllDevices();
    if (m_peripheral)
        m_peripheral->stop();
}

bool SCBluetoothService::start()
{
    enqueue(PeripheralCommand::start());
    return true;
}

void SCBluetoothService::stop()
{
    enqueue(PeripheralCommand::stop());
}

void SCBluetoothService::setDelegate(ISCBluetoothServiceDelegate* delegate)
{
    m_delegate = delegate;
}

void SCBluetoothService::removeAllDevices()
{
    std::vector<SCBluetoothDevice*> devices;
    devices.swap(m_devices);
    for (SCBluetoothDevice* device : devices)
        device->release();
}

ISCBluetoothDevice* SCBluetoothService::findByAddress(const std::string& address) const
{
    auto it = std::find_if(m_devices.begin(), m_devices.end(),
        [&](const SCBluetoothDevice* d) { return d->address() == address; });
    return it == m_devices.end() ? nullptr : *it;
}

ISCBluetoothDevice* SCBluetoothService::findByName(const std::string& name) const
{
    auto it = std::find_if(m_devices.begin(), m_devices.end(),
        [&](const SCBluetoothDevice* d) { return d->name() == name; });
    return it == m_devices.end() ? nullptr : *it;
}

void SCBluetoothService::setPhoneInfo(const std::string& name, const std::string& note)
{
    enqueue(PeripheralCommand::phoneInfo(name, note));
}

void SCBluetoothService::setSubscribedClient(const std::string& name)
{
    enqueue(PeripheralCommand::subscribedClient(name));
}

bool SCBluetoothService::isSupported() const
{
    return m_peripheral && m_peripheral->isSupported();
}

void SCBluetoothService::updateDevice(const std::string& name, uint64_t address, bool connected)
{
    const std::string text = formatAddress(address);
    SCBluetoothDevice* device = nullptr;
    for (SCBluetoothDevice* d : m_devices) {
        if (d->address() == text) {
            device = d;
            break;
        }
    }
    if (!device) {
        device = new SCBluetoothDevice(text, m_peripheral.get());
        m_devices.push_back(device);
    }
    device->setConnected(connected);
    device->setName(name);
    qInfo("Bluetooth device %s (%s) %s", name.c_str(), text.c_str(), connected ? "linked" : "unlinked");
    if (!m_delegate)
        return;
    if (connected)
        m_delegate->bluetoothDeviceLinked(device);
    else
        m_delegate->bluetoothDeviceUnlinked(device);
}

void SCBluetoothService::removeDeviceByName(const std::string& name)
{
    auto it = std::find_if(m_devices.begin(), m_devices.end(),
        [&](const SCBluetoothDevice* d) { return d->name() == name; });
    if (it == m_devices.end())
        return;
    SCBluetoothDevice* device = *it;
    m_devices.erase(it);
    device->disconnect();
    device->release();
}

std::string SCBluetoothService::formatAddress(uint64_t address)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X",
        unsigned(address >> 40 & 0xFF), unsigned(address >> 32 & 0xFF), unsigned(address >> 24 & 0xFF),
        unsigned(address >> 16 & 0xFF), unsigned(address >> 8 & 0xFF), unsigned(address & 0xFF));
    return text;
}

void SCBluetoothService::phoneLinked(void*, const char* name, uint64_t address, bool connected)
{
    // The context is left alone: a late report may arrive while the service is going away.
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    if (!app) {
        qWarning("Bluetooth link report without an application object dropped");
        return;
    }
    emit app->didBLEDeviceConnectStatusChanged(QString::fromUtf8(name ? name : ""), address, connected);
}

void SCBluetoothService::enqueue(std::unique_ptr<PeripheralCommand> command)
{
    if (m_peripheral)
        m_peripheral->enqueue(std::move(command));
}
