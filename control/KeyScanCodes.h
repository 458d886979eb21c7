#pragma once

#include <cstdint>

// From a key event's native scan code to the USB HID keyboard usage a phone understands. The
// usage table is keyed by the Windows set-1 make code (extended keys 0xE0xx, Pause 0xE11D45);
// on Linux the native code is the X11 keycode (evdev code + 8) and is first turned into the
// set-1 code of the same physical key.
namespace KeyScanCodes {

// Set-1 code given for keys that have none; its usage is kUnknownUsage.
constexpr uint32_t kNoSet1Code = 0xFFFFFFFFu;
constexpr uint8_t kUnknownUsage = 255;
// X11 keycodes are evdev codes moved up by this much.
constexpr uint32_t kX11KeycodeOffset = 8;

// 0 for 0 (no key), kNoSet1Code for codes without a set-1 equivalent.
uint32_t set1FromEvdev(uint32_t evdevCode);
uint32_t set1FromNativeScanCode(uint32_t nativeScanCode);
// 0 for 0, kUnknownUsage for codes outside the table.
uint8_t hidUsageFromSet1(uint32_t set1Code);
uint8_t hidUsageFromNativeScanCode(uint32_t nativeScanCode);

} // namespace KeyScanCodes
