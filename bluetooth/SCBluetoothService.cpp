#include "bluetooth/SCBluetoothService.h"

#include "app/QPivoraApplication.h"
#include "bluetooth/ISCBluetoothServiceDelegate.h"
#include "bluetooth/ISCBluetoothDeviceDelegate.h"
#include "bluetooth/SCBluetoothDevice.h"

#include <QObject>

#include <algorithm>
#include <cstdio>

SCBluetoothService::SCBluetoothService(const std::string& libraryName)
    : m_peripheral(new AirPlayPeripheral)
    , m_answerContext(new QObject)
{
    QObject* context = m_answerContext.get();
    m_peripheral->setLoadedHandler([this, context](bool supported) {
        QMetaObject::invokeMethod(context, [this, supported] { supportAnswered(supported); }, Qt::QueuedConnection);
    });
    if (!m_peripheral->start(libraryName)) {
        m_peripheral->stop();
        m_peripheral.reset();
        m_supportKnown = true;
        qWarning("Bluetooth service runs without its worker; Bluetooth control is off");
        return;
    }
    m_peripheral->enqueue(PeripheralCommand::callbacks({ this, &SCBluetoothService::phoneLinked }));
    // The answer decides the receiver's HID options right after this, but only a bounded wait:
    // a later answer is applied when it comes.
    m_supportKnown = m_peripheral->waitUntilLoaded(kSupportWait);
    if (!m_supportKnown)
        qInfo("Bluetooth support is not known yet; it is applied when the library answers");
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
    while (!m_devices.empty())
        dropDevice(m_devices.begin());
}

void SCBluetoothService::dropDevice(std::vector<SCBluetoothDevice*>::iterator it)
{
    SCBluetoothDevice* device = *it;
    m_devices.erase(it);
    // Off the list first: the holder's own release of it then finds nothing to free.
    if (ISCBluetoothDeviceDelegate* holder = device->delegate())
        holder->bluetoothDeviceDisconnect(device, 1);
    device->disconnect();
    device->release();
}

SCBluetoothDevice* SCBluetoothService::listed(const ISCBluetoothDevice* device) const
{
    const auto it = std::find_if(m_devices.begin(), m_devices.end(),
        [device](const SCBluetoothDevice* d) { return static_cast<const ISCBluetoothDevice*>(d) == device; });
    return it == m_devices.end() ? nullptr : *it;
}

ISCBluetoothDeviceDelegate* SCBluetoothService::holderOf(const ISCBluetoothDevice* device) const
{
    const SCBluetoothDevice* d = listed(device);
    return d ? d->delegate() : nullptr;
}

ISCBluetoothDevice* SCBluetoothService::deviceHeldBy(const ISCBluetoothDeviceDelegate* holder) const
{
    if (!holder)
        return nullptr;
    const auto it = std::find_if(m_devices.begin(), m_devices.end(),
        [holder](const SCBluetoothDevice* d) { return d->delegate() == holder; });
    return it == m_devices.end() ? nullptr : *it;
}

bool SCBluetoothService::claim(ISCBluetoothDevice* device, ISCBluetoothDeviceDelegate* holder)
{
    SCBluetoothDevice* d = listed(device);
    if (!d || !holder || (d->delegate() && d->delegate() != holder))
        return false;
    d->setDelegate(holder);
    return true;
}

ISCBluetoothDevice* SCBluetoothService::findFreeByName(const std::string& name,
    const ISCBluetoothDeviceDelegate* asker) const
{
    SCBluetoothDevice* freeConnected = nullptr;
    SCBluetoothDevice* freeAny = nullptr;
    for (SCBluetoothDevice* d : m_devices) {
        if (d->name() != name)
            continue;
        if (asker && d->delegate() == asker)
            return d;
        if (d->delegate())
            continue;
        if (!freeConnected && d->isConnected())
            freeConnected = d;
        if (!freeAny)
            freeAny = d;
    }
    return freeConnected ? freeConnected : freeAny;
}

void SCBluetoothService::releaseDevice(ISCBluetoothDevice* device)
{
    const auto it = std::find_if(m_devices.begin(), m_devices.end(),
        [device](const SCBluetoothDevice* d) { return static_cast<const ISCBluetoothDevice*>(d) == device; });
    if (it == m_devices.end())
        return;
    SCBluetoothDevice* d = *it;
    m_devices.erase(it);
    d->disconnect();
    d->release();
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

void SCBluetoothService::supportAnswered(bool supported)
{
    m_supportKnown = true;
    qInfo("Bluetooth control %s", supported ? "is supported" : "is not supported on this computer");
    if (m_supportHandler)
        m_supportHandler(supported);
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
    if (it != m_devices.end())
        dropDevice(it);
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
