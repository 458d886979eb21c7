#include "ServiceConfig.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <sodium.h>

namespace {

constexpr qint64 kMaxConfigBytes = 1024 * 1024;

class Reader {
public:
    Reader(const QJsonObject& object, std::string prefix, std::string* error)
        : m_object(object), m_prefix(std::move(prefix)), m_error(error) {}

    bool ok() const { return m_error->empty(); }

    void text(const char* key, std::string& target, bool required = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined() && !required)
            return;
        if (!value.isString())
            return fail(key, "must be a string");
        target = value.toString().toStdString();
    }

    template <class Number>
    void integer(const char* key, Number& target, double low, double high)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        const double number = value.toDouble(-1e300);
        if (!value.isDouble() || number != double(qint64(number)) || number < low || number > high)
            return fail(key, "must be a whole number in range");
        target = Number(number);
    }

    void flag(const char* key, bool& target)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        if (!value.isBool())
            return fail(key, "must be true or false");
        target = value.toBool();
    }

    QJsonObject section(const char* key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isObject())
            fail(key, "must be an object");
        return value.toObject();
    }

private:
    void fail(const char* key, const char* why)
    {
        if (m_error->empty())
            *m_error = "\"" + m_prefix + key + "\" " + why;
    }

    QJsonObject m_object;
    std::string m_prefix;
    std::string* m_error;
};

void readSettings(const QJsonObject& root, ServiceConfig& config, std::string* error)
{
    Reader top(root, "", error);
    top.text("public_url", config.publicUrl);
    top.integer("threads", config.threads, 2, 1024);
    top.integer("login_key_days", config.loginKeyDays, 1, 3650);

    Reader database(top.section("database"), "database.", error);
    database.integer("pool_size", config.poolSize, 1, 256);
    database.integer("busy_timeout_ms", config.busyTimeoutMs, 1, 600000);
    database.integer("statement_timeout_ms", config.statementTimeoutMs, 1, 600000);
    database.integer("lock_timeout_ms", config.lockTimeoutMs, 1, 600000);

    Reader passwords(top.section("passwords"), "passwords.", error);
    passwords.integer("opslimit", config.passwordCost.opsLimit, crypto_pwhash_OPSLIMIT_MIN, 64);
    size_t memoryKiB = config.passwordCost.memLimitBytes / 1024;
    passwords.integer("memlimit_kib", memoryKiB, crypto_pwhash_MEMLIMIT_MIN / 1024, 4 * 1024 * 1024);
    config.passwordCost.memLimitBytes = memoryKiB * 1024;
    passwords.integer("concurrency", config.hashConcurrency, 0, 256);

    Reader smtp(top.section("smtp"), "smtp.", error);
    smtp.text("url", config.smtp.url);
    smtp.text("username", config.smtp.username);
    smtp.text("password", config.smtp.password);
    smtp.text("from", config.smtp.from);
    smtp.flag("require_tls", config.smtp.requireTls);
    smtp.integer("timeout_seconds", config.smtp.timeoutSeconds, 1, 300);
    if (error->empty() && config.smtp.configured() && config.smtp.from.empty())
        *error = "\"smtp.from\" is needed with \"smtp.url\"";
}

} // namespace

std::optional<ServiceConfig> loadServiceConfig(const std::string& path, std::string* error)
{
    error->clear();
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read the configuration file";
        return std::nullopt;
    }
    if (file.size() > kMaxConfigBytes) {
        *error = "configuration file too large";
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        *error = "configuration file is not a JSON object";
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    ServiceConfig config;
    Reader top(root, "", error);
    top.text("version", config.version.version, true);
    top.text("url", config.version.url, true);
    top.text("description", config.version.description);
    top.integer("force_upgrade", config.version.forceUpgrade, -2147483647.0, 2147483647.0);
    if (top.ok() && config.version.version.empty())
        *error = "configuration needs string \"version\" and \"url\"";
    if (top.ok())
        readSettings(root, config, error);
    if (!error->empty())
        return std::nullopt;
    return config;
}
