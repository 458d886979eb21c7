#pragma once

#include "hidlink/hidlink.h"

#include <cstdint>

// The signatures of the HID peripheral library's exports, as the program resolves them by
// name; the callback record comes from the library's own header.
extern "C" {

typedef void (*AirPlayPeripheralVoidFn)();
typedef bool (*AirPlayPeripheralBoolFn)();
typedef void (*AirPlayPeripheralSetPhoneInfoFn)(const char* name, const char* note);
typedef void (*AirPlayPeripheralSetCallbacksFn)(const PeripheralCallbacks* callbacks);
typedef void (*AirPlayPeripheralSetSubscribedClientFn)(const char* name);
typedef void (*AirPlayPeripheralKeyBoardSendFn)(int32_t action, uint8_t usage);
typedef void (*AirPlayPeripheralMouseSendFn)(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel);
typedef void (*AirPlayPeripheralTouchScreenSendFn)(int32_t contact, float x, float y);
typedef void (*AirPlayPeripheralGamePadSendFn)(int32_t buttons);

} // extern "C"

static_assert(sizeof(PeripheralCallbacks) == 16, "the library copies a 16-byte record");
