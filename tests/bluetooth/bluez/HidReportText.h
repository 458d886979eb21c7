#pragma once
// A notified HID report as the phone reads it, written like the call that made it:
// "MouseSend buttons dx dy wheel", "TouchScreenSend contact x y", "GamePadSend buttons", and
// "KeyBoard" with the report's bytes after its ID.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bluezstandin {

inline std::string reportText(const std::vector<uint8_t>& r)
{
    char text[96];
    if (r.size() == 5 && r[0] == 2) {
        std::snprintf(text, sizeof text, "MouseSend %d %d %d %d", r[1], int8_t(r[2]), int8_t(r[3]), int8_t(r[4]));
    } else if (r.size() == 5 && r[0] == 3) {
        const int x = r[2] | (r[3] & 0x0F) << 8;
        const int y = r[3] >> 4 | r[4] << 4;
        std::snprintf(text, sizeof text, "TouchScreenSend %d %g %g", r[1] & 1, x / 4095.0, y / 4095.0);
    } else if (r.size() == 3 && r[0] == 4) {
        std::snprintf(text, sizeof text, "GamePadSend %d", r[1] | r[2] << 8);
    } else if (r.size() == 9 && r[0] == 1) {
        std::snprintf(text, sizeof text, "KeyBoard %02x %02x %02x %02x %02x %02x %02x %02x", r[1], r[2], r[3], r[4],
            r[5], r[6], r[7], r[8]);
    } else {
        std::snprintf(text, sizeof text, "unknown report of %zu bytes", r.size());
    }
    return text;
}

} // namespace bluezstandin
