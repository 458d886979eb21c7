#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The bytes the peripheral notifies for each kind of input, and the report map that declares
// them. Every report starts with its Report ID.
namespace hidlink {

using Report = std::vector<uint8_t>;

enum ReportId : uint8_t {
    KeyboardReportId = 1,
    MouseReportId = 2,
    TouchReportId = 3,
    ButtonsReportId = 4,
};

// The HID report descriptor served by the Report Map characteristic.
const std::vector<uint8_t>& reportMap();
// bcdHID 1.12, no country code, remote wake.
const std::vector<uint8_t>& hidInformation();
// Report Reference of the input report: Report ID 1, input.
const std::vector<uint8_t>& inputReportReference();

// Low bytes of each argument, unclamped.
Report mouseReport(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel);
// x and y in 0..1 across the screen, as 12-bit coordinates; values outside wrap.
Report touchReport(int32_t contact, float x, float y);
// The low 16 bits of the button pad.
Report buttonsReport(int32_t buttons);

// Held keys and the last keyboard report sent.
class KeyboardState {
public:
    static constexpr uint8_t kFirstModifier = 0xE0;
    static constexpr uint8_t kLastModifier = 0xE7;
    static constexpr int kReportedKeys = 6;

    // Action 1 presses, anything else releases. Answers the report to send, or nothing when
    // the report would equal the last one sent.
    std::optional<Report> apply(int32_t action, uint8_t usage);
    void reset();

    Report currentReport() const;
    const std::array<uint8_t, 9>& lastReport() const { return m_last; }

private:
    // In press order; the first six non-modifier keys are reported.
    std::vector<uint8_t> m_modifiers;
    std::vector<uint8_t> m_keys;
    std::array<uint8_t, 9> m_last {};
};

} // namespace hidlink
