#pragma once

#include <cstdint>
#include <vector>

class ISCBluetoothDevice;
struct SCDeviceModelInfo;

// Reaches absolute touch positions with the relative pointer an iOS phone shows for a
// Bluetooth mouse: the pointer is driven into a known corner now and then, its position is
// tracked, and each move is split into report deltas by how far iOS carries the pointer per
// delta. Phones on iOS before 13.4 take absolute touch reports instead.
// x, y, w, h are frame coordinates already turned into the phone's orientation.
class SCTouchToPointerDriver {
public:
    static constexpr int kSpeedEntries = 128;
    // Distance in points the pointer travels for one report of delta k, k = 0..127.
    static const double* storedPointerDistances();

    void setDevice(ISCBluetoothDevice* device, const SCDeviceModelInfo* info);
    // Builds the table in tenths of a point; an unusable table leaves it empty.
    void loadSpeedTable(const double* distances, int count);
    void setAbsoluteMode(bool on) { m_absolute = on; }

    bool touchDown(float x, float y, float w, float h, int32_t buttons);
    bool touchMove(float x, float y, float w, float h, int32_t buttons);
    bool touchUp(float x, float y, float w, float h);
    bool wheel(int32_t steps);

    bool isAbsoluteMode() const { return m_absolute; }
    int32_t cornerInset() const { return m_cornerInset; }
    int32_t restY() const { return m_restY; }
    float lastX() const { return m_lastX; }
    float lastY() const { return m_lastY; }
    bool isHomed() const { return m_homed; }
    int32_t countdown() const { return m_countdown; }
    const std::vector<int32_t>& speedTable() const { return m_speed; }

    // Report deltas, signed like `tenths`, whose table distances add up to it; a remainder
    // below the smallest step is dropped.
    static std::vector<int32_t> splitDistance(int32_t tenths, const std::vector<int32_t>& table);
    // k with table[k] <= remainder < table[k + 1] (or an exact hit), 0 when there is none.
    static int32_t findSpeedIndex(const std::vector<int32_t>& table, int32_t remainder);

private:
    void ensureHomed(float w, float h);
    bool home(float w, float h);
    bool moveTo(float x, float y, float w, float h, int32_t buttons, bool moving);
    bool moveAbsolute(float cx, float cy, float w, float h, int32_t buttons, bool moving);
    bool moveRelative(float cx, float cy, float w, float h, int32_t buttons, bool moving);
    void sendRepeated(int count, int32_t dx, int32_t dy);

    ISCBluetoothDevice* m_device = nullptr;
    const SCDeviceModelInfo* m_info = nullptr;
    bool m_absolute = false;
    int32_t m_cornerInset = 0;
    int32_t m_restY = 0;
    std::vector<int32_t> m_speed;
    float m_lastX = 0;
    float m_lastY = 0;
    bool m_homed = false;
    float m_homeWidth = 0;
    float m_homeHeight = 0;
    int32_t m_countdown = 0;
};
