#pragma once
// Strict reader of application/x-www-form-urlencoded bodies: every key once, every value
// UTF-8, bounded in count and size. Anything else is refused as a whole, never half-read.

#include <map>
#include <string>
#include <string_view>

struct FormLimits {
    size_t maxFields = 32;
    size_t maxKeyBytes = 64;
    size_t maxValueBytes = 4096;
};

class Form {
public:
    bool has(const std::string& key) const { return m_fields.count(key) != 0; }
    // "" when absent.
    std::string value(const std::string& key) const;
    size_t size() const { return m_fields.size(); }
    bool insert(std::string key, std::string value);

private:
    std::map<std::string, std::string> m_fields;
};

struct FormResult {
    bool ok = false;
    Form form;
    std::string error; // why the body was refused, for the log
};

FormResult parseForm(std::string_view body, const FormLimits& limits = FormLimits());

bool isValidUtf8(std::string_view text);
// Counts code points of valid UTF-8.
size_t utf8Length(std::string_view text);
