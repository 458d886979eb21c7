#include "bluetooth/SCTouchToPointerDriver.h"

#include "bluetooth/ISCBluetoothDevice.h"
#include "bluetooth/SCDeviceModelInfo.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Measured on iOS: points travelled per report, by report delta.
const double kPointerDistances[SCTouchToPointerDriver::kSpeedEntries] = {
    0.0, 0.3, 0.6, 1.1, 1.6, 2.3, 3.0, 3.8, 4.8, 5.8,
    6.9, 8.1, 9.3, 10.7, 12.2, 13.8, 15.4, 17.2, 19.0, 21.0,
    23.0, 25.1, 27.3, 29.7, 32.1, 34.6, 37.2, 39.9, 42.7, 45.6,
    48.6, 51.7, 54.9, 58.2, 61.6, 65.1, 68.7, 72.3, 76.1, 80.0,
    84.0, 88.1, 92.3, 96.5, 100.9, 105.4, 110.0, 114.7, 119.5, 124.4,
    129.3, 134.4, 139.6, 144.8, 150.0, 155.2, 160.3, 165.5, 170.7, 175.9,
    181.0, 186.2, 191.4, 196.6, 201.8, 206.9, 212.1, 217.3, 222.5, 227.7,
    232.8, 238.0, 243.2, 248.4, 253.6, 258.7, 263.9, 269.1, 274.3, 279.5,
    284.6, 289.8, 295.0, 300.2, 305.3, 310.5, 315.7, 320.9, 326.1, 331.2,
    336.4, 341.5, 346.5, 351.5, 356.4, 361.2, 366.0, 370.7, 375.3, 379.9,
    384.4, 388.9, 393.3, 397.7, 402.0, 406.3, 410.5, 414.7, 418.9, 423.0,
    427.1, 431.1, 435.1, 439.1, 443.0, 446.9, 450.7, 454.5, 458.3, 462.1,
    465.8, 469.5, 473.2, 476.8, 480.5, 484.0, 487.6, 491.1,
};

// A full sweep in this many reports of -121 crosses any screen from edge to edge.
constexpr int32_t kHomeStep = 121;
constexpr int kHomeReportsX = 4;
constexpr int kHomeReportsY = 8;
constexpr int32_t kHomeClickButtons = 4;
constexpr int32_t kHomingInterval = 10;

int32_t roundTenths(double points)
{
    const double tenths = points * 10.0;
    return static_cast<int32_t>(tenths > 0 ? tenths + 0.5 : tenths - 0.5);
}

bool validFrame(float x, float y, float w, float h)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0;
}

} // namespace

const double* SCTouchToPointerDriver::storedPointerDistances()
{
    return kPointerDistances;
}

void SCTouchToPointerDriver::setDevice(ISCBluetoothDevice* device, const SCDeviceModelInfo* info)
{
    m_device = device;
    m_info = info;
    m_cornerInset = SCDeviceModelInfo::cornerInset(info);
    if (info && info->isPad())
        m_restY = static_cast<int32_t>(info->height);
    if (info)
        loadSpeedTable(kPointerDistances, kSpeedEntries);
}

void SCTouchToPointerDriver::loadSpeedTable(const double* distances, int count)
{
    m_speed.clear();
    if (!distances || count <= 0)
        return;
    if (count < 2 || count > kSpeedEntries) {
        qWarning("Pointer speed table of %d entries ignored", count);
        return;
    }
    std::vector<int32_t> table;
    table.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(distances[i]) || distances[i] < 0 || distances[i] > 1e6) {
            qWarning("Pointer speed table with an unusable distance ignored");
            return;
        }
        table.push_back(static_cast<int32_t>(std::floor(distances[i] * 10.0 + 0.5)));
    }
    // Splitting a move relies on every step carrying the pointer further than the last.
    if (table[1] <= 0 || !std::is_sorted(table.begin(), table.end())) {
        qWarning("Pointer speed table that does not grow ignored");
        return;
    }
    m_speed = std::move(table);
}

bool SCTouchToPointerDriver::touchDown(float x, float y, float w, float h, int32_t buttons)
{
    ensureHomed(w, h);
    return moveTo(x, y, w, h, buttons, false);
}

bool SCTouchToPointerDriver::touchMove(float x, float y, float w, float h, int32_t buttons)
{
    return moveTo(x, y, w, h, buttons, true);
}

bool SCTouchToPointerDriver::touchUp(float x, float y, float w, float h)
{
    return moveTo(x, y, w, h, 0, false);
}

bool SCTouchToPointerDriver::wheel(int32_t steps)
{
    return m_device && m_device->mouse(0, 0, steps, 0);
}

void SCTouchToPointerDriver::ensureHomed(float w, float h)
{
    if (m_homed && std::fabs(m_homeWidth - w) <= 1.0f && std::fabs(m_homeHeight - h) <= 1.0f) {
        if (m_countdown >= 0) {
            --m_countdown;
            return;
        }
        home(w, h);
        m_countdown = kHomingInterval - 1;
        return;
    }
    if (!home(w, h)) {
        --m_countdown;
        return;
    }
    m_homeWidth = w;
    m_homeHeight = h;
    m_homed = true;
    m_countdown = kHomingInterval - 1;
}

void SCTouchToPointerDriver::sendRepeated(int count, int32_t dx, int32_t dy)
{
    for (int i = 0; i < count; ++i)
        m_device->mouse(dx, dy, 0, 0);
}

bool SCTouchToPointerDriver::home(float w, float h)
{
    if (!m_device)
        return false;
    if (m_absolute)
        return true;
    sendRepeated(kHomeReportsX, -kHomeStep, 0);
    sendRepeated(kHomeReportsY, 0, m_restY == 0 ? -kHomeStep : kHomeStep);
    m_device->mouse(0, 0, 0, kHomeClickButtons);

    // Without a known screen the corner is all we know.
    const double sw = m_info ? m_info->width : 0;
    const double sh = m_info ? m_info->height : 0;
    const double xBase = h > w ? sw : sh;
    const double yBase = w > h ? sw : sh;
    m_lastX = xBase > 0 ? float(m_cornerInset * double(w) / xBase) : 0.0f;
    m_lastY = yBase > 0 ? float(m_restY * double(h) / yBase) : 0.0f;
    return true;
}

bool SCTouchToPointerDriver::moveTo(float x, float y, float w, float h, int32_t buttons, bool moving)
{
    if (!m_device)
        return false;
    if (!validFrame(x, y, w, h)) {
        qWarning("Touch outside any frame ignored");
        return false;
    }
    const float cx = std::clamp(x, 0.0f, w);
    const float cy = std::clamp(y, 0.0f, h);
    if (m_absolute)
        return moveAbsolute(cx, cy, w, h, buttons, moving);
    if (!m_info) {
        m_lastX = cx;
        m_lastY = cy;
        return true;
    }
    return moveRelative(cx, cy, w, h, buttons, moving);
}

bool SCTouchToPointerDriver::moveAbsolute(float cx, float cy, float w, float h, int32_t buttons, bool moving)
{
    float nx = cx / w;
    float ny = cy / h;
    if (w > h) {
        nx = 1.0f - cy / h;
        ny = cx / w;
    }
    const bool sent = m_device->touch(nx, ny, (buttons != 0 || moving) ? 1 : 0);
    if (sent) {
        m_lastX = cx;
        m_lastY = cy;
    }
    return sent;
}

bool SCTouchToPointerDriver::moveRelative(float cx, float cy, float w, float h, int32_t buttons, bool moving)
{
    const double sx = w < h ? m_info->width : m_info->height;
    const double sy = w <= h ? m_info->height : m_info->width;
    const double dx = (double(cx) - m_lastX) * sx / w;
    const double dy = (double(cy) - m_lastY) * sy / h;

    const std::vector<int32_t> stepsX = splitDistance(roundTenths(dx), m_speed);
    const std::vector<int32_t> stepsY = splitDistance(roundTenths(dy), m_speed);
    const int32_t b = moving ? buttons : 0;
    // A failed send keeps the old position so the next move starts from it again.
    for (int32_t step : stepsX) {
        if (!m_device->mouse(step, 0, 0, b))
            return false;
    }
    for (int32_t step : stepsY) {
        if (!m_device->mouse(0, step, 0, b))
            return false;
    }
    if (!moving && !m_device->mouse(0, 0, 0, buttons))
        return false;
    m_lastX = cx;
    m_lastY = cy;
    return true;
}

std::vector<int32_t> SCTouchToPointerDriver::splitDistance(int32_t tenths, const std::vector<int32_t>& table)
{
    std::vector<int32_t> steps;
    if (tenths == 0 || table.size() < 2)
        return steps;
    const int32_t sign = tenths < 0 ? -1 : 1;
    const int32_t top = int32_t(table.size()) - 1;
    int64_t r = std::llabs(int64_t(tenths));
    if (table[top] > 0) {
        while (r > table[top]) {
            steps.push_back(sign * top);
            r -= table[top];
        }
    }
    while (r > 0) {
        const int32_t k = findSpeedIndex(table, int32_t(r));
        if (k <= 0)
            break;
        steps.push_back(sign * k);
        r -= table[k];
    }
    return steps;
}

int32_t SCTouchToPointerDriver::findSpeedIndex(const std::vector<int32_t>& table, int32_t remainder)
{
    const int32_t n = int32_t(table.size());
    int32_t lo = 1;
    int32_t hi = n - 1;
    while (lo <= hi) {
        const int32_t mid = (lo + hi) / 2;
        if (table[mid] == remainder)
            return mid;
        // The last entry has nothing above it.
        if (mid + 1 >= n)
            return table[mid] < remainder ? mid : 0;
        if (table[mid + 1] == remainder)
            return mid + 1;
        if (table[mid] < remainder && remainder < table[mid + 1])
            return mid;
        if (table[mid + 1] < remainder)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return 0;
}
