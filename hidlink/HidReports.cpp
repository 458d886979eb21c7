#include "hidlink/HidReports.h"

#include <algorithm>
#include <cmath>

namespace hidlink {

const std::vector<uint8_t>& reportMap()
{
    static const std::vector<uint8_t> kMap = {
        // Report ID 1: keyboard. Modifier bits, a reserved byte, six key codes.
        0x05, 0x01,       // Usage Page (Generic Desktop)
        0x09, 0x06,       // Usage (Keyboard)
        0xA1, 0x01,       // Collection (Application)
        0x85, 0x01,       //   Report ID (1)
        0x05, 0x07,       //   Usage Page (Keyboard/Keypad)
        0x19, 0xE0,       //   Usage Minimum (Left Control)
        0x29, 0xE7,       //   Usage Maximum (Right GUI)
        0x15, 0x00,       //   Logical Minimum (0)
        0x25, 0x01,       //   Logical Maximum (1)
        0x75, 0x01,       //   Report Size (1)
        0x95, 0x08,       //   Report Count (8)
        0x81, 0x02,       //   Input (Data, Variable, Absolute)
        0x75, 0x08,       //   Report Size (8)
        0x95, 0x01,       //   Report Count (1)
        0x81, 0x01,       //   Input (Constant)
        0x75, 0x08,       //   Report Size (8)
        0x95, 0x06,       //   Report Count (6)
        0x15, 0x00,       //   Logical Minimum (0)
        0x26, 0xFF, 0x00, //   Logical Maximum (255)
        0x19, 0x00,       //   Usage Minimum (0)
        0x2A, 0xFF, 0x00, //   Usage Maximum (255)
        0x81, 0x00,       //   Input (Data, Array, Absolute)
        0xC0,             // End Collection

        // Report ID 2: relative mouse. Eight buttons, then X, Y and wheel steps.
        0x05, 0x01,       // Usage Page (Generic Desktop)
        0x09, 0x02,       // Usage (Mouse)
        0xA1, 0x01,       // Collection (Application)
        0x85, 0x02,       //   Report ID (2)
        0x09, 0x01,       //   Usage (Pointer)
        0xA1, 0x00,       //   Collection (Physical)
        0x05, 0x09,       //     Usage Page (Button)
        0x19, 0x01,       //     Usage Minimum (1)
        0x29, 0x08,       //     Usage Maximum (8)
        0x15, 0x00,       //     Logical Minimum (0)
        0x25, 0x01,       //     Logical Maximum (1)
        0x75, 0x01,       //     Report Size (1)
        0x95, 0x08,       //     Report Count (8)
        0x81, 0x02,       //     Input (Data, Variable, Absolute)
        0x05, 0x01,       //     Usage Page (Generic Desktop)
        0x09, 0x30,       //     Usage (X)
        0x09, 0x31,       //     Usage (Y)
        0x09, 0x38,       //     Usage (Wheel)
        0x15, 0x81,       //     Logical Minimum (-127)
        0x25, 0x7F,       //     Logical Maximum (127)
        0x75, 0x08,       //     Report Size (8)
        0x95, 0x03,       //     Report Count (3)
        0x81, 0x06,       //     Input (Data, Variable, Relative)
        0xC0,             //   End Collection
        0xC0,             // End Collection

        // Report ID 3: one finger on a touch screen. Tip switch and in-range bits, two bits of
        // padding, a 4-bit contact identifier, then 12-bit X and Y.
        0x05, 0x0D,       // Usage Page (Digitizers)
        0x09, 0x04,       // Usage (Touch Screen)
        0xA1, 0x01,       // Collection (Application)
        0x85, 0x03,       //   Report ID (3)
        0x09, 0x22,       //   Usage (Finger)
        0xA1, 0x02,       //   Collection (Logical)
        0x09, 0x42,       //     Usage (Tip Switch)
        0x09, 0x32,       //     Usage (In Range)
        0x15, 0x00,       //     Logical Minimum (0)
        0x25, 0x01,       //     Logical Maximum (1)
        0x75, 0x01,       //     Report Size (1)
        0x95, 0x02,       //     Report Count (2)
        0x81, 0x02,       //     Input (Data, Variable, Absolute)
        0x95, 0x02,       //     Report Count (2)
        0x81, 0x03,       //     Input (Constant, Variable)
        0x09, 0x51,       //     Usage (Contact Identifier)
        0x25, 0x0F,       //     Logical Maximum (15)
        0x75, 0x04,       //     Report Size (4)
        0x95, 0x01,       //     Report Count (1)
        0x81, 0x02,       //     Input (Data, Variable, Absolute)
        0x05, 0x01,       //     Usage Page (Generic Desktop)
        0x09, 0x30,       //     Usage (X)
        0x09, 0x31,       //     Usage (Y)
        0x26, 0xFF, 0x0F, //     Logical Maximum (4095)
        0x75, 0x0C,       //     Report Size (12)
        0x95, 0x02,       //     Report Count (2)
        0x81, 0x02,       //     Input (Data, Variable, Absolute)
        0xC0,             //   End Collection
        0xC0,             // End Collection

        // Report ID 4: sixteen consumer buttons. Bit 2 is Home and bit 11 Power, the two the
        // program presses.
        0x05, 0x0C,       // Usage Page (Consumer)
        0x09, 0x01,       // Usage (Consumer Control)
        0xA1, 0x01,       // Collection (Application)
        0x85, 0x04,       //   Report ID (4)
        0x15, 0x00,       //   Logical Minimum (0)
        0x25, 0x01,       //   Logical Maximum (1)
        0x75, 0x01,       //   Report Size (1)
        0x95, 0x10,       //   Report Count (16)
        0x09, 0xE9,       //   Usage (Volume Increment)
        0x09, 0xEA,       //   Usage (Volume Decrement)
        0x0A, 0x23, 0x02, //   Usage (AC Home)
        0x09, 0xCD,       //   Usage (Play/Pause)
        0x09, 0xB5,       //   Usage (Scan Next Track)
        0x09, 0xB6,       //   Usage (Scan Previous Track)
        0x09, 0xE2,       //   Usage (Mute)
        0x0A, 0x21, 0x02, //   Usage (AC Search)
        0x0A, 0xAE, 0x01, //   Usage (AL Keyboard Layout)
        0x09, 0x40,       //   Usage (Menu)
        0x0A, 0x24, 0x02, //   Usage (AC Back)
        0x09, 0x30,       //   Usage (Power)
        0x09, 0xB7,       //   Usage (Stop)
        0x09, 0xB8,       //   Usage (Eject)
        0x09, 0x65,       //   Usage (Snapshot)
        0x0A, 0x9F, 0x02, //   Usage (AC Desktop Show All Windows)
        0x81, 0x02,       //   Input (Data, Variable, Absolute)
        0xC0,             // End Collection
    };
    return kMap;
}

const std::vector<uint8_t>& hidInformation()
{
    static const std::vector<uint8_t> kInfo = { 0x12, 0x01, 0x00, 0x01 };
    return kInfo;
}

const std::vector<uint8_t>& inputReportReference()
{
    static const std::vector<uint8_t> kReference = { KeyboardReportId, 0x01 };
    return kReference;
}

Report mouseReport(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel)
{
    return { MouseReportId, uint8_t(buttons), uint8_t(dx), uint8_t(dy), uint8_t(wheel) };
}

namespace {

// floor(v * 4095) as the low 12 bits of its integer; values no integer can hold count as 0.
uint32_t twelveBits(float v)
{
    const double scaled = std::floor(double(v) * 4095.0);
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e18)
        return 0;
    return uint32_t(int64_t(scaled)) & 0xFFF;
}

} // namespace

Report touchReport(int32_t contact, float x, float y)
{
    const uint32_t X = twelveBits(x);
    const uint32_t Y = twelveBits(y);
    const uint8_t flags = contact == 1 ? 0x13 : 0x12;
    return { TouchReportId, flags, uint8_t(X), uint8_t((X >> 8) | (Y & 0x0F) << 4), uint8_t(Y >> 4) };
}

Report buttonsReport(int32_t buttons)
{
    return { ButtonsReportId, uint8_t(buttons), uint8_t(uint32_t(buttons) >> 8) };
}

std::optional<Report> KeyboardState::apply(int32_t action, uint8_t usage)
{
    const bool modifier = usage >= kFirstModifier && usage <= kLastModifier;
    std::vector<uint8_t>& held = modifier ? m_modifiers : m_keys;
    const auto it = std::find(held.begin(), held.end(), usage);
    if (action == 1 && it == held.end())
        held.push_back(usage);
    else if (action != 1 && it != held.end())
        held.erase(it);

    const Report report = currentReport();
    if (std::equal(report.begin(), report.end(), m_last.begin()))
        return std::nullopt;
    std::copy(report.begin(), report.end(), m_last.begin());
    return report;
}

void KeyboardState::reset()
{
    m_modifiers.clear();
    m_keys.clear();
    m_last.fill(0);
}

Report KeyboardState::currentReport() const
{
    Report report(9, 0);
    report[0] = KeyboardReportId;
    for (uint8_t usage : m_modifiers)
        report[1] |= uint8_t(1u << (usage - kFirstModifier));
    const size_t shown = std::min<size_t>(m_keys.size(), kReportedKeys);
    std::copy(m_keys.begin(), m_keys.begin() + shown, report.begin() + 3);
    return report;
}

} // namespace hidlink
