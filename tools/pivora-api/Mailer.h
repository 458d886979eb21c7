#pragma once

#include <string>

struct SmtpSettings {
    std::string url;      // smtp://host:587 (STARTTLS) or smtps://host:465; empty: no relay
    std::string username; // empty: no authentication
    std::string password;
    std::string from;     // "Name <address>" or a bare address
    bool requireTls = true;
    int timeoutSeconds = 20;

    bool configured() const { return !url.empty(); }
};

// Sends plain-text mail through the configured SMTP relay with libcurl.
class Mailer {
public:
    explicit Mailer(SmtpSettings settings);

    bool enabled() const { return m_settings.configured(); }
    // False (with the reason) when the relay did not take the message.
    bool send(const std::string& to, const std::string& subject, const std::string& body,
              std::string* error) const;

private:
    std::string message(const std::string& to, const std::string& subject, const std::string& body) const;

    SmtpSettings m_settings;
};
