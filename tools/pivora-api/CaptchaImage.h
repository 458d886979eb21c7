#pragma once

#include <string>

// Limits of the picture a client may ask for; out-of-range requests are brought inside.
struct CaptchaSize {
    static constexpr int kMinWidth = 80, kMaxWidth = 480;
    static constexpr int kMinHeight = 30, kMaxHeight = 160;
    static constexpr int kMinDigits = 4, kMaxDigits = 8;
};

// Draws the digits as a PNG that a person reads easily and a text recogniser does not:
// hand-drawn strokes (no font needed), each digit turned, slanted and sized on its own,
// crossed by lines of the same ink, on a noisy background, the whole picture waved.
std::string drawCaptchaPng(const std::string& digits, int width, int height);
