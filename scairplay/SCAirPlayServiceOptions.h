#pragma once
#include <cstdint>

// Receiver options handed to the engine; the defaults are the engine's built-in values,
// used only when the service starts without options.
struct SCAirPlayServiceOptions {
    int32_t iosWiredResolution = 5;
    int32_t iosWiredFps = 60;
    int32_t iosWirelessResolution = 1;
    int32_t iosWirelessFps = 60;
    bool enableHID = false;
    bool controlHID = false;
    int32_t androidSystemVersion = 1;
    bool androidWiredHID = false;
    int32_t androidWiredResolution = 1;
    int32_t androidWiredFps = 4;
    int32_t androidWiredBitrate = 9;
    bool androidWiredMic = false;
    int32_t androidWirelessResolution = 1;
    int32_t androidWirelessFps = 4;
    int32_t androidWirelessBitrate = 9;
    bool androidWirelessMic = false;
};
