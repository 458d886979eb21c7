#pragma once
// Watches udev's USB events on the GUI thread: any change asks for a rescan, and a USB device
// that is added is reported with its vendor and product id.

#include <QObject>

#include <cstdint>

struct udev;
struct udev_monitor;
class QSocketNotifier;

class CUsbMonitor : public QObject {
    Q_OBJECT
public:
    explicit CUsbMonitor(QObject* parent = nullptr);
    ~CUsbMonitor() override;

    bool isWatching() const { return m_monitor != nullptr; }

    // Vendor and product id from a uevent's PRODUCT value ("18d1/4ee1/440", hex without
    // leading zeros); false when it has not that form.
    static bool parseProduct(const char* product, uint16_t* vid, uint16_t* pid);

signals:
    void deviceArrived(uint16_t vid, uint16_t pid);
    void devicesChanged();

private:
    void readEvents();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
};
