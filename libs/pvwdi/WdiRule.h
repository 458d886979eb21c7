#pragma once
// The udev rule files this program writes: one file per device and driver type, granting the
// logged-in user access to the USB device. Shared by the engine (which prepares them) and the
// privileged helper (which accepts only files that this code would have written).

#include <cstdint>
#include <string>

namespace wdirule {

// Longest accepted name part, in bytes; keeps the file name under the file system's limit.
constexpr size_t kMaxBaseBytes = 200;
// Larger input cannot be a rule of ours.
constexpr size_t kMaxContentBytes = 1024;

// Exit codes of pivora-usb-helper (pkexec itself uses 126 and 127).
enum HelperExit {
    kHelperOk = 0,
    kHelperUsage = 1,
    kHelperIoError = 2,
    kHelperRefused = 3,  // not a rule of this program
    kHelperMissing = 4,  // no such rule to remove
};
// The helper's report line after a change; followed by a reason when not "done".
const char kRetriggerDone[] = "retrigger: done";
const char kRetriggerPrefix[] = "retrigger: ";

struct Rule {
    int driverType = -1; // WDI_WINUSB, WDI_LIBUSB0, WDI_LIBUSBK
    uint16_t vid = 0;
    uint16_t pid = 0;
    std::string base; // name part from the driver's INF name, without ".inf"
};

// Bytes of the well-formed UTF-8 character at s[i] (i < s.size()), 0 when it is not one.
size_t utf8CharLength(const std::string& s, size_t i);

// "WinUSB", "libusb0", "libusbK"; null for an unknown type.
const char* typeName(int driverType);

// A usable name part: not empty, at most kMaxBaseBytes, valid UTF-8, no path separator, no
// control character.
bool isValidBase(const std::string& base);

// "70-pivora-winusb-18d1-4ee1-Pixel_7.rules".
std::string fileName(const Rule& rule);
// The whole file, comment header and the one rule line.
std::string content(const Rule& rule);

// Reads type, ids and name part back from a file name; false for any name not of this form.
bool parseFileName(const std::string& name, Rule* rule);
// A rule of this program: the name parses and the content is exactly what content() gives.
bool isOwnRule(const std::string& name, const std::string& text, Rule* rule = nullptr);

// The folder the rules live in: PIVORA_UDEV_RULES_DIR when overrides are allowed and it is
// set, else the system's folder.
std::string rulesDir(bool allowOverride);
std::string systemRulesDir();
// The folder the iOS USB multiplexer keeps its pairing records in (PIVORA_LOCKDOWN_DIR when
// overrides are allowed).
std::string lockdownDir(bool allowOverride);

} // namespace wdirule
