#include "Console.h"

void Console::line(const std::string& text)
{
    if (!m_out)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    std::fputs(text.c_str(), m_out);
    std::fputc('\n', m_out);
    std::fflush(m_out);
}

void Console::captchaIssued(const std::string& captcha, const std::string& deviceId)
{
    if (m_development)
        line("{\"captcha\": " + jsonString(captcha) + ", \"uuid\": " + jsonString(deviceId) + "}");
}

void Console::codeSent(const std::string& account, const std::string& code, const std::string& verifyType)
{
    if (m_development)
        line("{\"outbox\": " + jsonString(account) + ", \"code\": " + jsonString(code)
             + ", \"verifytype\": " + jsonString(verifyType) + "}");
}

std::string loggable(const std::string& text, size_t maxBytes)
{
    std::string out = text.substr(0, maxBytes);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return out;
}

std::string jsonString(const std::string& text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void logProblem(const std::string& text)
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::fprintf(stderr, "pivora-api: %s\n", text.c_str());
    std::fflush(stderr);
}
