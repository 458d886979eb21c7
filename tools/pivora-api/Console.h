#pragma once

#include <cstdio>
#include <mutex>
#include <string>

// The service's standard output: the listening line, one line per request, and in
// development mode the captcha texts and codes, so nobody needs a mail box or eyes to sign
// up. Lines from many threads never mix.
class Console {
public:
    explicit Console(bool development, std::FILE* out = stdout) : m_development(development), m_out(out) {}

    bool development() const { return m_development; }
    void line(const std::string& text);
    // Both print only in development mode.
    void captchaIssued(const std::string& captcha, const std::string& deviceId);
    void codeSent(const std::string& account, const std::string& code, const std::string& verifyType);

private:
    bool m_development;
    std::FILE* m_out;
    std::mutex m_mutex;
};

// Text from outside made safe for a log line: control characters become '?', and it is cut
// at maxBytes. A request path can otherwise forge lines (a decoded "%0a").
std::string loggable(const std::string& text, size_t maxBytes = 200);

// A JSON string literal (with quotes) of UTF-8 text.
std::string jsonString(const std::string& text);

// A problem worth an operator's attention, on standard error. Never passwords, codes or keys.
void logProblem(const std::string& text);
