#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One row of the iOS device model table: what the pointer driver needs to know about a phone.
struct SCDeviceModelInfo {
    static constexpr int kMaxIdentifiers = 8;
    static constexpr size_t kRowCount = 87;

    int32_t code;
    const char* identifiers[kMaxIdentifiers];
    const char* name;
    double width;   // points
    double height;  // points
    double scale;
    double diagonal; // inches

    // The first row listing that model identifier exactly, or null.
    static const SCDeviceModelInfo* find(const std::string& identifier);
    static const SCDeviceModelInfo* rows();

    // Tablets are told by their display name.
    bool isPad() const;
    // Distance from the left edge, in points, at which the pointer rests in its home corner.
    static int32_t cornerInset(const SCDeviceModelInfo* info);
};
