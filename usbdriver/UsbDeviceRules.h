#pragma once
// Which USB devices get which driver: the tests of the driver scan over the engine's device
// records, kept free of threads and windows.

#include "pvwdi.h"

#include <QSet>
#include <QString>
#include <QVector>

#include <cstdint>

namespace usbrules {

constexpr uint16_t kAppleVid = 0x05AC;
constexpr uint16_t kSamsungVid = 0x04E8;
constexpr uint16_t kHuaweiVid = 0x12D1;
constexpr uint16_t kGoogleVid = 0x18D1;
// Bound to several Samsung devices, Samsung's own phone driver decides which are phones.
extern const char kSamsungPhoneDriver[];

// The 19 makers of Android phones known by vendor id.
const QVector<uint16_t>& knownVendors();
bool isKnownVendor(uint16_t vid);
// Android Open Accessory product ids of Google's vendor id, 0x2D00 to 0x2D0F.
bool isAccessoryPid(uint16_t pid);
// Accessory modes without ADB: 0x2D00, 0x2D02, 0x2D04.
bool isAccessoryWithoutAdb(uint16_t pid);
// A maker whose devices are Android phones: a known vendor, Huawei with a product id, Google
// outside the accessory ids.
bool isAcceptedVendor(uint16_t vid, uint16_t pid);

// ASCII substring test ignoring case; false when either is null.
bool containsNoCase(const char* haystack, const char* needle);
// The bound driver is exactly this name (case-sensitive); false without a driver.
bool driverIs(const wdi_device_info& d, const char* name);

// An iPhone or iPad whose driver is not yet libusb0.
bool isIosCandidate(const wdi_device_info& d);
// A mouse, keyboard, camera or Bluetooth function: its product id is kept from every list.
bool excludesProduct(const wdi_device_info& d);
bool isSkipped(const wdi_device_info& d, const QSet<uint16_t>& excludedPids);

// What the Android pass chose a device for; the names are those of the chosen-device log.
enum class Choice { Debugging, Phone, Samsung, Accessory, AccessoryDebugging };
const char* choiceLogTag(Choice choice);

struct AndroidLists {
    QVector<const wdi_device_info*> debugging;
    QVector<const wdi_device_info*> phones;
    QVector<const wdi_device_info*> samsung;
    QVector<const wdi_device_info*> accessories;
};

// The product ids the exclusion pass keeps from every list.
QSet<uint16_t> excludedProducts(const wdi_device_info* list);
// Puts one device into the lists it belongs to and says which.
QVector<Choice> classify(const wdi_device_info& d, const QSet<uint16_t>& excludedPids, AndroidLists* lists);
// One Samsung device is a phone; of several only those bound to Samsung's phone driver.
QVector<const wdi_device_info*> samsungPhones(const QVector<const wdi_device_info*>& samsung);

// The file name a driver is prepared under: the description without the characters a file
// name cannot hold, blanks as underscores, ".inf" appended. Null for a description over 200
// bytes or one with nothing left, so that the engine uses its own name.
QString cleanInfName(const char* desc);

// A rule of this program that the uninstall removes: phone rules of Android makers and iOS
// rules of Apple devices; accessory rules stay.
bool isUninstallCandidate(const wdi_installed_driver& d);

} // namespace usbrules
