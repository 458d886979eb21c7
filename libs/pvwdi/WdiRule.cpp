#include "WdiRule.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef PIVORA_SYSTEM_UDEV_RULES_DIR
#define PIVORA_SYSTEM_UDEV_RULES_DIR "/etc/udev/rules.d"
#endif
#ifndef PIVORA_SYSTEM_LOCKDOWN_DIR
#define PIVORA_SYSTEM_LOCKDOWN_DIR "/var/lib/lockdown"
#endif

namespace wdirule {

namespace {

// Below 73 so that the seat rules that turn the tag into access still see it.
const char kPrefix[] = "70-pivora-";
const char kSuffix[] = ".rules";

struct TypeNames {
    const char* name;
    const char* token;
    const char* purpose;
};
const TypeNames kTypes[] = {
    {"WinUSB", "winusb", "Android phone"},
    {"libusb0", "libusb0", "iOS device"},
    {"libusbK", "libusbk", "Android accessory"},
};

bool validUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const size_t n = utf8CharLength(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

bool parseHex4(const std::string& s, uint16_t* value)
{
    if (s.size() != 4)
        return false;
    unsigned v = 0;
    for (char c : s) {
        v <<= 4;
        if (c >= '0' && c <= '9')
            v |= unsigned(c - '0');
        else if (c >= 'a' && c <= 'f')
            v |= unsigned(c - 'a' + 10);
        else
            return false;
    }
    *value = static_cast<uint16_t>(v);
    return true;
}

std::string hex4(uint16_t v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04x", v);
    return buf;
}

std::string envOr(bool allowOverride, const char* variable, const char* fallback)
{
    if (allowOverride) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return fallback;
}

} // namespace

size_t utf8CharLength(const std::string& s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    const size_t follow = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
    if (follow == 0 || i + follow >= s.size())
        return 0;
    uint32_t cp = follow == 1 ? c & 0x1F : follow == 2 ? c & 0x0F : c & 0x07;
    for (size_t k = 1; k <= follow; ++k) {
        const auto f = static_cast<unsigned char>(s[i + k]);
        if ((f & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (f & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode.
    static const uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[follow] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return follow + 1;
}

const char* typeName(int driverType)
{
    if (driverType < 0 || driverType >= int(sizeof kTypes / sizeof kTypes[0]))
        return nullptr;
    return kTypes[driverType].name;
}

bool isValidBase(const std::string& base)
{
    if (base.empty() || base.size() > kMaxBaseBytes)
        return false;
    for (char ch : base) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == '"')
            return false;
    }
    return validUtf8(base);
}

std::string fileName(const Rule& rule)
{
    return std::string(kPrefix) + kTypes[rule.driverType].token + "-" + hex4(rule.vid) + "-" + hex4(rule.pid) +
        "-" + rule.base + kSuffix;
}

std::string content(const Rule& rule)
{
    const TypeNames& t = kTypes[rule.driverType];
    return std::string("# Pivora: USB access for a mirrored phone. Written by pivora-usb-helper; removed by "
                       "uninstalling the drivers in Pivora.\n") +
        "# driver=" + t.name + " (" + t.purpose + ")\n" +
        "# device=" + rule.base + "\n" +
        "SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", ATTR{idVendor}==\"" + hex4(rule.vid) +
        "\", ATTR{idProduct}==\"" + hex4(rule.pid) + "\", TAG+=\"uaccess\"\n";
}

bool parseFileName(const std::string& name, Rule* rule)
{
    const size_t prefixLen = sizeof kPrefix - 1;
    const size_t suffixLen = sizeof kSuffix - 1;
    if (name.size() <= prefixLen + suffixLen || name.compare(0, prefixLen, kPrefix) != 0 ||
        name.compare(name.size() - suffixLen, suffixLen, kSuffix) != 0)
        return false;
    const std::string middle = name.substr(prefixLen, name.size() - prefixLen - suffixLen);
    for (int type = 0; type < int(sizeof kTypes / sizeof kTypes[0]); ++type) {
        const std::string token = std::string(kTypes[type].token) + "-";
        if (middle.compare(0, token.size(), token) != 0)
            continue;
        // token-vvvv-pppp-base
        const std::string rest = middle.substr(token.size());
        if (rest.size() < 11 || rest[4] != '-' || rest[9] != '-')
            return false;
        Rule r;
        r.driverType = type;
        if (!parseHex4(rest.substr(0, 4), &r.vid) || !parseHex4(rest.substr(5, 4), &r.pid))
            return false;
        r.base = rest.substr(10);
        if (!isValidBase(r.base))
            return false;
        if (rule)
            *rule = r;
        return true;
    }
    return false;
}

bool isOwnRule(const std::string& name, const std::string& text, Rule* rule)
{
    Rule r;
    if (!parseFileName(name, &r) || text != content(r))
        return false;
    if (rule)
        *rule = r;
    return true;
}

std::string systemRulesDir()
{
    return PIVORA_SYSTEM_UDEV_RULES_DIR;
}

std::string rulesDir(bool allowOverride)
{
    return envOr(allowOverride, "PIVORA_UDEV_RULES_DIR", PIVORA_SYSTEM_UDEV_RULES_DIR);
}

std::string lockdownDir(bool allowOverride)
{
    return envOr(allowOverride, "PIVORA_LOCKDOWN_DIR", PIVORA_SYSTEM_LOCKDOWN_DIR);
}

} // namespace wdirule
