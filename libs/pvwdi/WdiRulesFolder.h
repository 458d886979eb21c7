#pragma once
// Reads the rules of this program that the rules folder holds (readable without privileges).

#include "WdiRule.h"

#include <vector>

namespace wdirule {

struct InstalledRule {
    Rule rule;
    std::string name;
};

// Every file of the folder that is a rule of this program, sorted by name. Files of other
// programs, and files that only look like ours, are left out.
std::vector<InstalledRule> installedRules(const std::string& folder);
// The driver type of the first rule that covers the device, or -1.
int installedType(const std::vector<InstalledRule>& rules, uint16_t vid, uint16_t pid);

// Creates a folder with its missing parents (mode 0755); false with errno set otherwise.
bool makePath(const std::string& path);

// Writes folder/name (mode 0644) beside its final name and renames it, so that nobody ever
// sees half of it; false with errno set, and nothing left behind, otherwise.
bool writeAtomically(const std::string& folder, const std::string& name, const std::string& text);

// The whole file when it is a regular file no larger than limit bytes; false otherwise.
bool readSmallFile(const std::string& path, size_t limit, std::string* text);

} // namespace wdirule
