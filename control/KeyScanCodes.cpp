#include "control/KeyScanCodes.h"

#include <cstddef>

#include <linux/input-event-codes.h>

namespace KeyScanCodes {
namespace {

struct CodePair {
    uint32_t from;
    uint32_t to;
};

// HID usages of the set-1 codes 0x01 (Escape) to 0x53 (keypad Delete), in code order.
constexpr uint8_t kMainBlockUsages[] = {
    41,                                                   // 0x01 Escape
    30, 31, 32, 33, 34, 35, 36, 37, 38, 39,               // 0x02-0x0B 1..0
    45, 46, 42, 43,                                       // - = Backspace Tab
    20, 26, 8, 21, 23, 28, 24, 12, 18, 19,                // 0x10-0x19 Q..P
    47, 48, 40, 224,                                      // [ ] Enter LeftCtrl
    4, 22, 7, 9, 10, 11, 13, 14, 15,                      // 0x1E-0x26 A..L
    51, 52, 53, 225, 49,                                  // ; ' ` LeftShift backslash
    29, 27, 6, 25, 5, 17, 16,                             // 0x2C-0x32 Z..M
    54, 55, 56, 229, 85, 226, 44, 57,                     // , . / RightShift KP* LeftAlt Space Caps
    58, 59, 60, 61, 62, 63, 64, 65, 66, 67,               // 0x3B-0x44 F1..F10
    83, 71,                                               // NumLock ScrollLock
    95, 96, 97, 86, 92, 93, 94, 87, 89, 90, 91, 98, 99,   // 0x47-0x53 keypad
};
constexpr uint32_t kLastMainBlockCode = 0x53;
static_assert(sizeof kMainBlockUsages == kLastMainBlockCode, "one usage per set-1 code 0x01..0x53");

// The other set-1 codes that have a usage.
constexpr CodePair kOtherUsages[] = {
    {0x56, 100},     // non-US backslash
    {0x57, 68},      // F11
    {0x58, 69},      // F12
    {0x73, 135},     // International1 (Ro)
    {0x7E, 133},     // keypad comma
    {0xE01C, 88},    // keypad Enter
    {0xE01D, 228},   // right Control
    {0xE035, 84},    // keypad /
    {0xE037, 70},    // Print Screen
    {0xE038, 230},   // right Alt
    {0xE047, 74},    // Home
    {0xE048, 82},    // Up
    {0xE049, 75},    // Page Up
    {0xE04B, 80},    // Left
    {0xE04D, 79},    // Right
    {0xE04F, 77},    // End
    {0xE050, 81},    // Down
    {0xE051, 78},    // Page Down
    {0xE052, 73},    // Insert
    {0xE053, 76},    // Delete
    {0xE05B, 227},   // left GUI
    {0xE05C, 231},   // right GUI
    {0xE05D, 101},   // Application
    {0xE11D45, 72},  // Pause
};

// Evdev codes up to KEY_KPDOT follow the PC/AT layout and equal their set-1 codes.
constexpr uint32_t kLastPcAtEvdev = KEY_KPDOT;

// Set-1 codes of the evdev keys beyond the PC/AT block.
constexpr CodePair kEvdevToSet1[] = {
    {KEY_102ND, 0x56},
    {KEY_F11, 0x57},
    {KEY_F12, 0x58},
    {KEY_KPEQUAL, 0x59},
    {KEY_KPJPCOMMA, 0x5C},
    {KEY_F13, 0x64},
    {KEY_F14, 0x65},
    {KEY_F15, 0x66},
    {KEY_F16, 0x67},
    {KEY_F17, 0x68},
    {KEY_F18, 0x69},
    {KEY_F19, 0x6A},
    {KEY_F20, 0x6B},
    {KEY_F21, 0x6C},
    {KEY_F22, 0x6D},
    {KEY_F23, 0x6E},
    {KEY_KATAKANAHIRAGANA, 0x70},
    {KEY_RO, 0x73},
    {KEY_F24, 0x76},
    {KEY_HENKAN, 0x79},
    {KEY_MUHENKAN, 0x7B},
    {KEY_YEN, 0x7D},
    {KEY_KPCOMMA, 0x7E},
    {KEY_PREVIOUSSONG, 0xE010},
    {KEY_NEXTSONG, 0xE019},
    {KEY_KPENTER, 0xE01C},
    {KEY_RIGHTCTRL, 0xE01D},
    {KEY_MUTE, 0xE020},
    {KEY_PLAYPAUSE, 0xE022},
    {KEY_STOPCD, 0xE024},
    {KEY_VOLUMEDOWN, 0xE02E},
    {KEY_VOLUMEUP, 0xE030},
    {KEY_KPSLASH, 0xE035},
    {KEY_SYSRQ, 0xE037},
    {KEY_RIGHTALT, 0xE038},
    {KEY_HOME, 0xE047},
    {KEY_UP, 0xE048},
    {KEY_PAGEUP, 0xE049},
    {KEY_LEFT, 0xE04B},
    {KEY_RIGHT, 0xE04D},
    {KEY_END, 0xE04F},
    {KEY_DOWN, 0xE050},
    {KEY_PAGEDOWN, 0xE051},
    {KEY_INSERT, 0xE052},
    {KEY_DELETE, 0xE053},
    {KEY_LEFTMETA, 0xE05B},
    {KEY_RIGHTMETA, 0xE05C},
    {KEY_COMPOSE, 0xE05D},
    {KEY_POWER, 0xE05E},
    {KEY_SLEEP, 0xE05F},
    {KEY_WAKEUP, 0xE063},
    {KEY_PAUSE, 0xE11D45},
};

template <std::size_t N>
bool lookUp(const CodePair (&table)[N], uint32_t from, uint32_t* to)
{
    for (const CodePair& pair : table) {
        if (pair.from == from) {
            *to = pair.to;
            return true;
        }
    }
    return false;
}

} // namespace

uint32_t set1FromEvdev(uint32_t evdevCode)
{
    if (evdevCode <= kLastPcAtEvdev)
        return evdevCode;
    uint32_t set1 = kNoSet1Code;
    lookUp(kEvdevToSet1, evdevCode, &set1);
    return set1;
}

uint32_t set1FromNativeScanCode(uint32_t nativeScanCode)
{
    if (nativeScanCode == 0)
        return 0;
    // Keycodes below the offset are not keys.
    if (nativeScanCode < kX11KeycodeOffset)
        return kNoSet1Code;
    return set1FromEvdev(nativeScanCode - kX11KeycodeOffset);
}

uint8_t hidUsageFromSet1(uint32_t set1Code)
{
    if (set1Code == 0)
        return 0;
    if (set1Code <= kLastMainBlockCode)
        return kMainBlockUsages[set1Code - 1];
    uint32_t usage = kUnknownUsage;
    lookUp(kOtherUsages, set1Code, &usage);
    return uint8_t(usage);
}

uint8_t hidUsageFromNativeScanCode(uint32_t nativeScanCode)
{
    return hidUsageFromSet1(set1FromNativeScanCode(nativeScanCode));
}

} // namespace KeyScanCodes
