#include "usbdriver/CUsbMonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

#include <cstring>

namespace {

bool parseHexField(const char* begin, const char* end, uint16_t* value)
{
    if (begin == end || end - begin > 4)
        return false;
    unsigned v = 0;
    for (const char* p = begin; p != end; ++p) {
        const char c = *p;
        v <<= 4;
        if (c >= '0' && c <= '9')
            v |= unsigned(c - '0');
        else if (c >= 'a' && c <= 'f')
            v |= unsigned(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            v |= unsigned(c - 'A' + 10);
        else
            return false;
    }
    *value = uint16_t(v);
    return true;
}

} // namespace

CUsbMonitor::CUsbMonitor(QObject* parent)
    : QObject(parent)
{
    m_udev = udev_new();
    m_monitor = m_udev ? udev_monitor_new_from_netlink(m_udev, "udev") : nullptr;
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor) < 0) {
        qWarning("USB arrivals cannot be watched; scans still run every 10 s");
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CUsbMonitor::readEvents);
}

CUsbMonitor::~CUsbMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool CUsbMonitor::parseProduct(const char* product, uint16_t* vid, uint16_t* pid)
{
    if (!product)
        return false;
    const char* first = std::strchr(product, '/');
    if (!first)
        return false;
    const char* second = std::strchr(first + 1, '/');
    return second && parseHexField(product, first, vid) && parseHexField(first + 1, second, pid);
}

void CUsbMonitor::readEvents()
{
    bool changed = false;
    while (udev_device* d = udev_monitor_receive_device(m_monitor)) {
        changed = true;
        const char* action = udev_device_get_action(d);
        const char* type = udev_device_get_devtype(d);
        uint16_t vid = 0, pid = 0;
        if (action && type && std::strcmp(action, "add") == 0 && std::strcmp(type, "usb_device") == 0) {
            if (parseProduct(udev_device_get_property_value(d, "PRODUCT"), &vid, &pid))
                emit deviceArrived(vid, pid);
            else
                qWarning("USB arrival without a usable product: %s", udev_device_get_syspath(d));
        }
        udev_device_unref(d);
    }
    if (changed)
        emit devicesChanged();
}
