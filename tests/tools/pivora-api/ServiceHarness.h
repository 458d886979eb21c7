#pragma once
// The account service in this process, on a real database, driven through its router exactly
// as the HTTP layer does, with a clock the test moves and the development output captured.

#include "AccountService.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "Console.h"
#include "Mailer.h"
#include "OpenDatabase.h"
#include "Secrets.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QUrl>

#include <cstdio>
#include <memory>

struct ApiReply {
    int status = 0;
    int code = -1;
    QString message;
    QJsonObject json;
    QString body;
};

using Fields = QList<QPair<QString, QString>>;

class ServiceHarness {
public:
    explicit ServiceHarness(const DatabaseSettings& settings, AccountRules rules = AccountRules(),
                            SmtpSettings smtp = SmtpSettings())
        : m_devOutput(std::tmpfile())
        , m_console(true, m_devOutput)
        , m_hasher(PasswordCost::cheapest(), 4)
        , m_mailer(smtp)
    {
        (void)secrets::initialise();
        m_database = openDatabase(settings, m_clock.now());
        m_accounts = std::make_unique<AccountService>(*m_database, m_clock, m_hasher, m_mailer, m_console, rules);
        m_router = std::make_unique<ApiRouter>(*m_accounts, VersionRecord{"3.0.0.5", "u", "d", 0}, "");
    }
    ~ServiceHarness() { std::fclose(m_devOutput); }

    Clock& clock() { return m_clock; }
    Database& database() { return *m_database; }
    AccountService& accounts() { return *m_accounts; }

    HttpAnswer request(const HttpRequest& request) { return m_router->handle(request); }

    // A form POST as the program sends it (uuid, limituse, language first).
    ApiReply post(const QString& path, const Fields& fields, const QString& device = "device-1")
    {
        Fields all{{"uuid", device}, {"limituse", "1"}, {"language", "en-us"}};
        all += fields;
        return send("POST", path, encode(all));
    }

    ApiReply send(const QString& method, const QString& path, const QByteArray& body,
                  const QString& contentType = "application/x-www-form-urlencoded")
    {
        HttpRequest call;
        call.method = method.toStdString();
        call.path = path.toStdString();
        call.body = body.toStdString();
        call.contentType = contentType.toStdString();
        call.host = "accounts.test";
        return reply(m_router->handle(call));
    }

    static QByteArray encode(const Fields& fields)
    {
        QByteArray body;
        for (const auto& field : fields)
            body += (body.isEmpty() ? "" : "&") + field.first.toLatin1() + '=' + QUrl::toPercentEncoding(field.second);
        return body;
    }

    static ApiReply reply(const HttpAnswer& answer)
    {
        ApiReply result;
        result.status = answer.status;
        result.body = QString::fromStdString(answer.body);
        result.json = QJsonDocument::fromJson(QByteArray::fromStdString(answer.body)).object();
        result.code = result.json.value("code").toInt(-1);
        result.message = result.json.value("message").toString();
        return result;
    }

    // The newest development line with this key whose other field matches, e.g.
    // devValue("captcha", "uuid", device) or devValue("code", "outbox", account).
    QString devValue(const QString& key, const QString& matchKey, const QString& matchValue)
    {
        std::fflush(m_devOutput);
        std::rewind(m_devOutput);
        QString found;
        char line[1024];
        while (std::fgets(line, sizeof line, m_devOutput)) {
            const QJsonObject object = QJsonDocument::fromJson(QByteArray(line).trimmed()).object();
            if (object.value(matchKey).toString() == matchValue && object.contains(key))
                found = object.value(key).toString();
        }
        std::fseek(m_devOutput, 0, SEEK_END);
        return found;
    }

    // The captcha text shown to device.
    QString captcha(const QString& device = "device-1")
    {
        const ApiReply answer = post("/v1/app/imageVerify",
                                     {{"fontSize", "12"}, {"height", "80"}, {"imagetype", "base64"},
                                      {"length", "4"}, {"width", "240"}},
                                     device);
        return answer.code == 10000 ? devValue("captcha", "uuid", device) : QString();
    }

    // Asks for a code by e-mail and returns it (empty on refusal; the refusal in *refusal).
    QString emailCode(const QString& account, const QString& captchaText, const QString& verifyType,
                      const QString& device = "device-1", ApiReply* refusal = nullptr)
    {
        const ApiReply answer = post("/v1/app/emailCode",
                                     {{"account", account}, {"imagecode", captchaText}, {"verifytype", verifyType}},
                                     device);
        if (refusal)
            *refusal = answer;
        return answer.code == 10000 ? devValue("code", "outbox", account.toLower()) : QString();
    }

    // A new e-mail account through the whole flow; its login key.
    QString signUp(const QString& account, const QString& password, const QString& device = "device-1")
    {
        const QString text = captcha(device);
        const QString code = emailCode(account, text, "register", device);
        const ApiReply answer = post("/v1/app/emailRegister",
                                     {{"account", account}, {"checkcode", code}, {"imagecode", text},
                                      {"password", password}},
                                     device);
        return answer.json.value("loginkey").toString();
    }

    ApiReply signIn(const QString& account, const QString& password, const QString& device = "device-1")
    {
        return post("/v1/app/emailLogin", {{"account", account}, {"password", password}}, device);
    }

private:
    std::FILE* m_devOutput;
    Console m_console;
    Clock m_clock;
    PasswordHasher m_hasher;
    Mailer m_mailer;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<AccountService> m_accounts;
    std::unique_ptr<ApiRouter> m_router;
};
