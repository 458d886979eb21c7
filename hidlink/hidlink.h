#pragma once
// The exported interface of libhidlink.so, the Bluetooth LE HID peripheral. The program loads
// the library by file name and resolves these names itself; nothing links against it.

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(HIDLINK_BUILDING)
#define HIDLINK_EXPORT __attribute__((visibility("default")))
#else
#define HIDLINK_EXPORT
#endif

// Called when a phone named by AirPlay_Peripheral_SetPhoneInfo has subscribed to the input
// report. The name is valid only during the call; the address is the phone's 48-bit address.
typedef void (*PhoneLinkedCallback)(void* context, const char* name, uint64_t address, bool connected);

struct PeripheralCallbacks {
    void* context;
    PhoneLinkedCallback onPhoneLinked;
};

HIDLINK_EXPORT void AirPlay_Peripheral_EnvInitialize(void);
HIDLINK_EXPORT void AirPlay_Peripheral_Initialize(void);
HIDLINK_EXPORT bool AirPlay_Peripheral_Support(void);
HIDLINK_EXPORT bool AirPlay_Peripheral_Support_Quick(void);
HIDLINK_EXPORT bool AirPlay_Peripheral_StartService(void);
HIDLINK_EXPORT void AirPlay_Peripheral_StopService(void);
HIDLINK_EXPORT void AirPlay_Peripheral_SetPhoneInfo(const char* name, const char* note);
HIDLINK_EXPORT void AirPlay_Peripheral_SetCallbacks(const struct PeripheralCallbacks* callbacks);
HIDLINK_EXPORT void AirPlay_Peripheral_SetSubscribedClient(const char* name);
HIDLINK_EXPORT void AirPlay_Peripheral_KeyBoardSend(int32_t action, uint8_t usage);
HIDLINK_EXPORT void AirPlay_Peripheral_MouseSend(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel);
HIDLINK_EXPORT void AirPlay_Peripheral_TouchScreenSend(int32_t contact, float x, float y);
HIDLINK_EXPORT void AirPlay_Peripheral_GamePadSend(int32_t buttons);

// The MD5 message digest (RFC 1321): initialise, feed bytes, take the 16-byte digest.
typedef struct MD5_CTX {
    uint32_t state[4];
    uint64_t bitCount;
    unsigned char buffer[64];
} MD5_CTX;

HIDLINK_EXPORT void MD5_Init(MD5_CTX* context);
HIDLINK_EXPORT void MD5_Update(MD5_CTX* context, const void* data, size_t size);
HIDLINK_EXPORT void MD5_Final(unsigned char digest[16], MD5_CTX* context);

#ifdef __cplusplus
} // extern "C"
#endif
