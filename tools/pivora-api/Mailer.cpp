#include "Mailer.h"

#include "Secrets.h"

#include <curl/curl.h>
#include <sodium.h>

#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>

namespace {

struct Payload {
    std::string text;
    size_t sent = 0;
};

size_t readPayload(char* buffer, size_t size, size_t count, void* user)
{
    auto* payload = static_cast<Payload*>(user);
    const size_t room = size * count;
    const size_t left = payload->text.size() - payload->sent;
    const size_t chunk = left < room ? left : room;
    std::memcpy(buffer, payload->text.data() + payload->sent, chunk);
    payload->sent += chunk;
    return chunk;
}

// "Pivora <a@b.c>" -> "<a@b.c>"; "a@b.c" -> "<a@b.c>".
std::string envelopeAddress(const std::string& from)
{
    const size_t open = from.find('<');
    const size_t close = from.find('>', open);
    if (open != std::string::npos && close != std::string::npos)
        return from.substr(open, close - open + 1);
    return "<" + from + ">";
}

// RFC 2047 form, so any UTF-8 subject survives 7-bit transports.
std::string encodedWord(const std::string& text)
{
    std::string base64(sodium_base64_encoded_len(text.size(), sodium_base64_VARIANT_ORIGINAL), '\0');
    sodium_bin2base64(base64.data(), base64.size(), reinterpret_cast<const unsigned char*>(text.data()),
                      text.size(), sodium_base64_VARIANT_ORIGINAL);
    base64.resize(std::strlen(base64.c_str()));
    return "=?UTF-8?B?" + base64 + "?=";
}

std::string mailDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S +0000", &utc);
    return text;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

Mailer::Mailer(SmtpSettings settings) : m_settings(std::move(settings))
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string Mailer::message(const std::string& to, const std::string& subject, const std::string& body) const
{
    return "Date: " + mailDate() + "\r\n"
           "To: <" + to + ">\r\n"
           "From: " + m_settings.from + "\r\n"
           "Message-ID: <" + secrets::randomHex(16) + "@pivora-api>\r\n"
           "Subject: " + encodedWord(subject) + "\r\n"
           "MIME-Version: 1.0\r\n"
           "Content-Type: text/plain; charset=UTF-8\r\n"
           "Content-Transfer-Encoding: 8bit\r\n"
           "\r\n" + body;
}

bool Mailer::send(const std::string& to, const std::string& subject, const std::string& body,
                  std::string* error) const
{
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        *error = "cannot start libcurl";
        return false;
    }
    Payload payload{message(to, subject, body)};
    const std::string from = envelopeAddress(m_settings.from);
    std::unique_ptr<curl_slist, ListDeleter> recipients(curl_slist_append(nullptr, ("<" + to + ">").c_str()));
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, m_settings.url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_USE_SSL, long(m_settings.requireTls ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, long(m_settings.timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, long(m_settings.timeoutSeconds));
    if (!m_settings.username.empty()) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, m_settings.username.c_str());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, m_settings.password.c_str());
    }
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readPayload);
    curl_easy_setopt(handle, CURLOPT_READDATA, &payload);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    const CURLcode result = curl_easy_perform(handle);
    if (result != CURLE_OK) {
        *error = curl_easy_strerror(result);
        return false;
    }
    return true;
}
