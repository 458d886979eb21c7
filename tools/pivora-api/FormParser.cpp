#include "FormParser.h"

#include <cstdint>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// False on a broken escape or when the result would pass the limit.
bool percentDecode(std::string_view text, size_t limit, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '+') {
            c = ' ';
        } else if (c == '%') {
            if (i + 2 >= text.size())
                return false;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return false;
            c = char(high * 16 + low);
            i += 2;
        }
        if (out.size() >= limit)
            return false;
        out.push_back(c);
    }
    return true;
}

bool isPlainKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (const char c : key) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                           || c == '_' || c == '-' || c == '.';
        if (!plain)
            return false;
    }
    return true;
}

FormResult refuse(const char* why)
{
    FormResult result;
    result.error = why;
    return result;
}

} // namespace

std::string Form::value(const std::string& key) const
{
    const auto found = m_fields.find(key);
    return found == m_fields.end() ? std::string() : found->second;
}

bool Form::insert(std::string key, std::string value)
{
    return m_fields.emplace(std::move(key), std::move(value)).second;
}

FormResult parseForm(std::string_view body, const FormLimits& limits)
{
    FormResult result;
    std::string key;
    std::string value;
    size_t start = 0;
    while (start <= body.size()) {
        size_t end = body.find('&', start);
        if (end == std::string_view::npos)
            end = body.size();
        const std::string_view pair = body.substr(start, end - start);
        start = end + 1;
        if (pair.empty())
            continue;
        const size_t equals = pair.find('=');
        const std::string_view rawKey = pair.substr(0, equals);
        const std::string_view rawValue = equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1);
        if (!percentDecode(rawKey, limits.maxKeyBytes, key) || !isPlainKey(key))
            return refuse("malformed or overlong field name");
        if (!percentDecode(rawValue, limits.maxValueBytes, value))
            return refuse("malformed or overlong field value");
        if (!isValidUtf8(value) || value.find('\0') != std::string::npos)
            return refuse("field value is not UTF-8 text");
        if (result.form.size() >= limits.maxFields)
            return refuse("too many fields");
        if (!result.form.insert(key, value))
            return refuse("field given twice");
    }
    result.ok = true;
    return result;
}

bool isValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        uint32_t point = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and points past U+10FFFF.
        const uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (point < smallest[extra] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
            return false;
        i += extra + 1;
    }
    return true;
}

size_t utf8Length(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}
