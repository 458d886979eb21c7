#include "usbdriver/UsbDeviceRules.h"

#include <cstring>

namespace usbrules {

const char kSamsungPhoneDriver[] = "dg_ssudbus";

namespace {

// Drivers of functions that mark a product as no phone: the kernel's HID, video-class and
// Bluetooth drivers.
const char* const kExcludingDrivers[] = {"usbhid", "uvcvideo", "btusb"};

bool hasExcludingDriver(const wdi_device_info& d)
{
    for (const char* name : kExcludingDrivers) {
        if (containsNoCase(d.driver, name))
            return true;
    }
    return false;
}

// The WinUSB test's vendors: like isAcceptedVendor, with Samsung handled on its own.
bool isWinUsbVendor(uint16_t vid, uint16_t pid)
{
    return vid != kSamsungVid && isAcceptedVendor(vid, pid);
}

bool isWholeFirstFunction(const wdi_device_info& d)
{
    return d.mi == 0 && !d.is_composite;
}

} // namespace

const QVector<uint16_t>& knownVendors()
{
    static const QVector<uint16_t> vendors = {
        0x22D9, 0x2717, 0x04E8, 0x2A45, 0x29A9, 0x05C6, 0x2D95, 0x1004, 0x2A70, 0x17EF,
        0x0FCE, 0x19D2, 0x0B05, 0x04DD, 0x2C73, 0x2B5B, 0x0A9D, 0x31CE, 0x0E8D,
    };
    return vendors;
}

bool isKnownVendor(uint16_t vid)
{
    return knownVendors().contains(vid);
}

bool isAccessoryPid(uint16_t pid)
{
    return pid >= 0x2D00 && pid <= 0x2D0F;
}

bool isAccessoryWithoutAdb(uint16_t pid)
{
    return pid == 0x2D00 || pid == 0x2D02 || pid == 0x2D04;
}

bool isAcceptedVendor(uint16_t vid, uint16_t pid)
{
    return (vid == kHuaweiVid && pid != 0) || isKnownVendor(vid) || (vid == kGoogleVid && !isAccessoryPid(pid));
}

bool containsNoCase(const char* haystack, const char* needle)
{
    return haystack && needle && strcasestr(haystack, needle) != nullptr;
}

bool driverIs(const wdi_device_info& d, const char* name)
{
    return d.driver && std::strcmp(d.driver, name) == 0;
}

bool isIosCandidate(const wdi_device_info& d)
{
    return d.vid == kAppleVid && isWholeFirstFunction(d) && d.desc && std::strncmp(d.desc, "iP", 2) == 0 &&
        d.driver && !driverIs(d, "libusb0");
}

bool excludesProduct(const wdi_device_info& d)
{
    return containsNoCase(d.desc, "mouse") || containsNoCase(d.desc, "keyboard") || hasExcludingDriver(d);
}

bool isSkipped(const wdi_device_info& d, const QSet<uint16_t>& excludedPids)
{
    for (const char* word : {"wlan", "mouse", "keyboard", "cdc"}) {
        if (containsNoCase(d.desc, word))
            return true;
    }
    return containsNoCase(d.device_desc, "wireless") || containsNoCase(d.device_desc, "wlan") ||
        hasExcludingDriver(d) || excludedPids.contains(d.pid);
}

const char* choiceLogTag(Choice choice)
{
    switch (choice) {
    case Choice::Debugging: return "ADB";
    case Choice::Phone: return "WINUSB";
    case Choice::Samsung: return "WINUSB SamSung";
    case Choice::Accessory: return "USBCCGP";
    case Choice::AccessoryDebugging: return "AOA ADB";
    }
    return "";
}

QSet<uint16_t> excludedProducts(const wdi_device_info* list)
{
    QSet<uint16_t> pids;
    for (const wdi_device_info* d = list; d; d = d->next) {
        if (excludesProduct(*d))
            pids.insert(d->pid);
    }
    return pids;
}

QVector<Choice> classify(const wdi_device_info& d, const QSet<uint16_t>& excludedPids, AndroidLists* lists)
{
    QVector<Choice> chosen;
    if (isSkipped(d, excludedPids))
        return chosen;
    auto choose = [&](QVector<const wdi_device_info*>& list, Choice c) {
        list.append(&d);
        chosen.append(c);
    };
    if (isAcceptedVendor(d.vid, d.pid)) {
        for (const char* field : {d.desc, d.device_id, d.hardware_id, d.device_desc}) {
            if (containsNoCase(field, "adb")) {
                choose(lists->debugging, Choice::Debugging);
                break;
            }
        }
    }
    const bool needsWinUsb = isWholeFirstFunction(d) && d.driver && !driverIs(d, "WinUSB");
    if (isWinUsbVendor(d.vid, d.pid) && needsWinUsb)
        choose(lists->phones, Choice::Phone);
    else if (d.vid == kSamsungVid && needsWinUsb)
        choose(lists->samsung, Choice::Samsung);
    if (d.vid == kGoogleVid && isAccessoryPid(d.pid)) {
        if (!isAccessoryWithoutAdb(d.pid))
            choose(lists->debugging, Choice::AccessoryDebugging);
        else if (isWholeFirstFunction(d) && !driverIs(d, "libusbK"))
            choose(lists->accessories, Choice::Accessory);
    }
    return chosen;
}

QVector<const wdi_device_info*> samsungPhones(const QVector<const wdi_device_info*>& samsung)
{
    if (samsung.size() <= 1)
        return samsung;
    QVector<const wdi_device_info*> phones;
    for (const wdi_device_info* d : samsung) {
        if (driverIs(*d, kSamsungPhoneDriver))
            phones.append(d);
    }
    return phones;
}

QString cleanInfName(const char* desc)
{
    if (!desc || std::strlen(desc) > 200)
        return QString();
    static const QString kDropped = QStringLiteral("\"*/:<>?\\|,");
    QString cleaned;
    for (const QChar c : QString::fromUtf8(desc)) {
        const ushort u = c.unicode();
        if ((u >= 0x01 && u <= 0x08) || (u >= 0x0A && u <= 0x1F) || u == 0x7F || kDropped.contains(c))
            continue;
        cleaned += (u == ' ' || u == '\t') ? QChar('_') : c;
    }
    // Bytes that were not UTF-8 come back as three-byte replacement characters.
    if (cleaned.isEmpty() || cleaned.toUtf8().size() > 200)
        return QString();
    return cleaned + QStringLiteral(".inf");
}

bool isUninstallCandidate(const wdi_installed_driver& d)
{
    if (d.driver_type == WDI_WINUSB)
        return isKnownVendor(d.vid) || d.vid == kHuaweiVid || d.vid == kGoogleVid;
    if (d.driver_type == WDI_LIBUSB0)
        return d.vid == kAppleVid && d.desc && std::strstr(d.desc, "iP");
    return false;
}

} // namespace usbrules
