// The real pivora-api process with the program's own web client: a new user's whole way from
// captcha to browser-confirmed sign-in, on SQLite and PostgreSQL; what the command line
// refuses; HTTPS; codes through an SMTP relay; limits of the HTTP layer.

#include "SmtpSink.h"
#include "support/ApiServerProcess.h"
#include "support/PostgresCluster.h"

#include "SqliteConnection.h"
#include "account/PVUserContext.h"
#include "account/QPVApiService.h"

#include <httplib.h>

#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

namespace {
constexpr int kWaitMs = 60000; // an upper bound for a hang, not a speed requirement
}

class Receiver : public QObject {
    Q_OBJECT
public:
    struct Call {
        QByteArray slot;
        int result = -2; // -2: no answer in time
        QJsonObject object;
    };
    QList<Call> calls;

public slots:
    void didApiLoadCaptchaImage(int result, QJsonObject* resObject) { record("didApiLoadCaptchaImage", result, resObject); }
    void didApiCheckCode(int result, QJsonObject* resObject) { record("didApiCheckCode", result, resObject); }
    void didApiLoginWithAccount(int result, QJsonObject* resObject) { record("didApiLoginWithAccount", result, resObject); }
    void didApiLoginWithCode(int result, QJsonObject* resObject) { record("didApiLoginWithCode", result, resObject); }
    void didApiRegisterAccount(int result, QJsonObject* resObject) { record("didApiRegisterAccount", result, resObject); }
    void didApiResetPassword(int result, QJsonObject* resObject) { record("didApiResetPassword", result, resObject); }
    void didApiLoadProfile(int result, QJsonObject* resObject) { record("didApiLoadProfile", result, resObject); }
    void didApiWeChatLogin(int result, QJsonObject* resObject) { record("didApiWeChatLogin", result, resObject); }
    void didApiCheckWeChatLogin(int result, QJsonObject* resObject) { record("didApiCheckWeChatLogin", result, resObject); }
    void didApiCheckVersion(int result, QJsonObject* resObject) { record("didApiCheckVersion", result, resObject); }

private:
    void record(const QByteArray& slot, int result, QJsonObject* object) { calls.append({slot, result, *object}); }
};

class TestApiProcess : public QObject {
    Q_OBJECT

    QSharedPointer<QNetworkAccessManager> m_manager = QSharedPointer<QNetworkAccessManager>::create();
    QTemporaryDir m_dir;
    PostgresCluster m_cluster;
    QString m_postgresProblem;

    QString sampleConfig() const { return qEnvironmentVariable("PIVORA_SOURCE_DIR") + "/tools/pivora-api/pivora-api.json"; }
    QString binary() const { return qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-api"; }

    // Runs one operation of the client and waits for its answer.
    template <class Operation>
    static Receiver::Call ask(Operation operation)
    {
        Receiver receiver;
        operation(&receiver);
        if (!QTest::qWaitFor([&] { return !receiver.calls.isEmpty(); }, kWaitMs))
            return {};
        return receiver.calls.first();
    }

    // A copy of the sample configuration with more settings.
    QString config(const QString& name, const QJsonObject& extra)
    {
        QFile sample(sampleConfig());
        sample.open(QIODevice::ReadOnly);
        QJsonObject object = QJsonDocument::fromJson(sample.readAll()).object();
        for (auto it = extra.begin(); it != extra.end(); ++it)
            object.insert(it.key(), it.value());
        const QString path = m_dir.path() + "/" + name + ".json";
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(object).toJson());
        return path;
    }

    // The browser's part: the form on the confirmation page, sent as a browser sends it.
    QString confirmInBrowser(const QString& url, const QString& account, const QString& password)
    {
        QUrlQuery form;
        form.addQueryItem("guid", QUrlQuery(QUrl(url)).queryItemValue("guid"));
        form.addQueryItem("account", QString::fromLatin1(QUrl::toPercentEncoding(account)));
        form.addQueryItem("password", QString::fromLatin1(QUrl::toPercentEncoding(password)));
        QNetworkRequest request{QUrl(url)};
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        QNetworkReply* reply = m_manager->post(request, form.toString(QUrl::FullyEncoded).toLatin1());
        const bool finished = QTest::qWaitFor([&] { return reply->isFinished(); }, kWaitMs);
        const QString page = finished ? QString::fromUtf8(reply->readAll()) : QString();
        reply->deleteLater();
        return page;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void newUserFromSignUpToBrowserSignIn_data()
    {
        QTest::addColumn<bool>("postgres");
        QTest::newRow("sqlite") << false;
        QTest::newRow("postgresql") << true;
    }
    void newUserFromSignUpToBrowserSignIn()
    {
        QFETCH(bool, postgres);
        if (postgres && !m_cluster.start(&m_postgresProblem))
            QSKIP(qPrintable("PostgreSQL is not available: " + m_postgresProblem));
        const QString clockFile = m_dir.path() + (postgres ? "/clock-pg" : "/clock-sqlite");
        QStringList arguments{"--dev", "--clock-file", clockFile};
        arguments << "--database" << (postgres ? m_cluster.address() : m_dir.path() + "/accounts.sqlite3");
        ApiServerProcess server;
        QVERIFY2(server.start(QString(), 15000, arguments), "pivora-api did not start listening");
        QPVApiService api(m_manager);
        api.setBaseUrl(server.url());
        api.setLanguage("en-us");
        const QString device = api.deviceId();
        const QString account = "New.User@example.org";
        const QString address = account.toLower();

        const auto captcha = [&] {
            const Receiver::Call answer = ask([&](QObject* r) { api.loadCaptchaImage(4, 240, 80, r, "didApiLoadCaptchaImage"); });
            const QImage image = QImage::fromData(QByteArray::fromBase64(answer.object.value("image").toString().toLatin1()), "PNG");
            return answer.result == 10000 && image.size() == QSize(240, 80) ? server.printedValue("captcha", "uuid", device) : QString();
        };
        const auto code = [&](const QString& verifyType, const QString& text) {
            const Receiver::Call answer = ask([&](QObject* r) { api.sendEmailCode(account, text, verifyType, r, "didApiCheckCode"); });
            return answer.result == 10000 ? server.printedValue("code", "outbox", address) : QString();
        };

        QString text = captcha();
        QVERIFY(QRegularExpression("^[0-9]{4}$").match(text).hasMatch());
        QString sent = code("register", text);
        QVERIFY(QRegularExpression("^[0-9]{6}$").match(sent).hasMatch());
        const Receiver::Call signUp = ask([&](QObject* r) { api.registerWithEmail(account, "pass-word", text, sent, r, "didApiRegisterAccount"); });
        QCOMPARE(signUp.result, 10000);
        const QString key = signUp.object.value("loginkey").toString();
        Receiver::Call profile = ask([&](QObject* r) { api.loadProfile(key, r, "didApiLoadProfile"); });
        QCOMPARE(profile.result, 10000);
        profile.object.remove("code");
        profile.object.remove("message");
        const auto user = PVUserContext::create(key, profile.object);
        QVERIFY(user);
        QCOMPARE(user->nickname(), QString("new.user"));
        QCOMPARE(user->phone(), QString());

        QCOMPARE(ask([&](QObject* r) { api.loginWithEmail(account, "pass-word", r, "didApiLoginWithAccount"); }).result, 10000);
        const Receiver::Call wrong = ask([&](QObject* r) { api.loginWithEmail(account, "not-it", r, "didApiLoginWithAccount"); });
        QCOMPARE(wrong.result, 20009);
        QCOMPARE(wrong.object.value("message").toString(), QString("Incorrect account or password"));

        text = captcha();
        sent = code("getpassword", text);
        QCOMPARE(ask([&](QObject* r) { api.resetPasswordWithEmail(account, "new-pass", text, sent, r, "didApiResetPassword"); }).result, 10000);
        QCOMPARE(ask([&](QObject* r) { api.loadProfile(key, r, "didApiLoadProfile"); }).result, 20012);
        QCOMPARE(ask([&](QObject* r) { api.loginWithEmail(account, "new-pass", r, "didApiLoginWithAccount"); }).result, 10000);

        const Receiver::Call qr = ask([&](QObject* r) { api.weChatLoginGuid(r, "didApiWeChatLogin"); });
        QCOMPARE(qr.result, 10000);
        const QString guid = qr.object.value("guid").toString();
        QCOMPARE(qr.object.value("url").toString(), server.url() + "/v1/app/qrLogin?guid=" + guid);
        QCOMPARE(ask([&](QObject* r) { api.checkWeChatLogin(guid, r, "didApiCheckWeChatLogin"); }).result, 20013);
        QVERIFY(confirmInBrowser(qr.object.value("url").toString(), account, "new-pass").contains("Pivora is signed in"));
        const Receiver::Call receipt = ask([&](QObject* r) { api.checkWeChatLogin(guid, r, "didApiCheckWeChatLogin"); });
        QCOMPARE(receipt.result, 10000);
        QCOMPARE(ask([&](QObject* r) { api.loadProfile(receipt.object.value("loginkey").toString(), r, "didApiLoadProfile"); }).result, 10000);

        // Time moves on through the test-only clock file: an unused code expires.
        text = captcha();
        sent = code("getpassword", text);
        QFile clock(clockFile);
        QVERIFY(clock.open(QIODevice::WriteOnly));
        clock.write("601");
        clock.close();
        const Receiver::Call late = ask([&](QObject* r) { api.resetPasswordWithEmail(account, "other-pass", text, sent, r, "didApiResetPassword"); });
        QCOMPARE(late.result, 20006);
        QCOMPARE(late.object.value("message").toString(), QString("The verification code has expired or was used, please request a new one"));
    }

    void developmentOutputOnlyWithDev()
    {
        ApiServerProcess server;
        QVERIFY(server.start(QString(), 15000, {"--database", m_dir.path() + "/quiet.sqlite3"}));
        QPVApiService api(m_manager);
        api.setBaseUrl(server.url());
        QCOMPARE(ask([&](QObject* r) { api.loadCaptchaImage(4, 240, 80, r, "didApiLoadCaptchaImage"); }).result, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(server.output().contains("POST /v1/app/imageVerify 200"), kWaitMs);
        QVERIFY(!server.output().contains("\"captcha\""));
        QVERIFY(server.printedValue("captcha", "uuid", api.deviceId()).isEmpty());
    }

    void unsafeStartsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("reason");
        const QString config = sampleConfig();
        const QStringList base{"--port", "0", "--config", config};
        QTest::newRow("dev off loopback") << base + QStringList{"--host", "0.0.0.0", "--dev"} << 2 << "--dev serves loopback addresses only";
        QTest::newRow("plain HTTP off loopback") << base + QStringList{"--host", "0.0.0.0"} << 2 << "refusing plain HTTP on 0.0.0.0";
        QTest::newRow("certificate without key") << base + QStringList{"--cert", config} << 2 << "--cert and --key go together";
        QTest::newRow("unusable certificate") << base + QStringList{"--cert", config, "--key", config} << 2 << "cannot use the certificate";
        QTest::newRow("no config") << QStringList{"--port", "0", "--config", "/nonexistent/config.json"} << 2 << "cannot read the configuration file";
        QTest::newRow("no port") << QStringList{"--config", config} << 2 << "--port and --config are needed";
        QTest::newRow("unknown option") << base + QStringList{"--verbose", "1"} << 2 << "unknown option --verbose";
        QTest::newRow("database folder missing") << base + QStringList{"--database", "/nonexistent/folder/a.sqlite3"} << 1 << "cannot create the database file";
        QTest::newRow("PostgreSQL unreachable") << base + QStringList{"--database", "postgresql:///x?host=/nonexistent"} << 1 << "cannot connect to PostgreSQL";
    }
    void unsafeStartsAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, reason);
        QProcess process;
        process.start(binary(), arguments);
        QVERIFY(process.waitForFinished(kWaitMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY2(QString::fromLocal8Bit(process.readAllStandardError()).contains(reason), qPrintable(reason));
        QVERIFY(!process.readAllStandardOutput().contains("listening"));
    }

    void servesHttpsWithCertificate()
    {
        const QString key = m_dir.path() + "/key.pem";
        const QString certificate = m_dir.path() + "/cert.pem";
        QProcess openssl;
        openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", certificate,
                                  "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        if (!openssl.waitForFinished(kWaitMs) || openssl.exitCode() != 0)
            QSKIP("openssl cannot make a test certificate");
        ApiServerProcess server;
        QVERIFY(server.start(QString(), 15000, {"--cert", certificate, "--key", key, "--database", m_dir.path() + "/tls.sqlite3"}));
        QVERIFY(server.url().startsWith("https://127.0.0.1:"));

        const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = original;
        trusting.addCaCertificates(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        QPVApiService api(m_manager);
        api.setBaseUrl(server.url());
        const Receiver::Call secure = ask([&](QObject* r) { api.checkVersion("en-us", r, "didApiCheckVersion"); });
        QSslConfiguration::setDefaultConfiguration(original);
        QCOMPARE(secure.result, 10000);
        QCOMPARE(secure.object.value("data").toObject().value("version").toString(), QString(PIVORA_VERSION));

        api.setBaseUrl(QString(server.url()).replace("https://", "http://"));
        QCOMPARE(ask([&](QObject* r) { api.checkVersion("en-us", r, "didApiCheckVersion"); }).result, -1);
    }

    void httpLimitsAndHeaders()
    {
        ApiServerProcess server;
        QVERIFY(server.start(QString(), 15000, {"--database", m_dir.path() + "/limits.sqlite3"}));
        const QUrl url(server.url());
        httplib::Client client(url.host().toStdString(), url.port());
        const auto huge = client.Post("/v1/app/emailLogin", "uuid=d&password=" + std::string(70 * 1024, 'x'),
                                      "application/x-www-form-urlencoded");
        QVERIFY(huge);
        QCOMPARE(huge->status, 413);
        QVERIFY(huge->body.find("\"code\":41300") != std::string::npos);

        const auto json = client.Post("/v1/app/emailLogin", "{\"uuid\":\"d\"}", "application/json");
        QVERIFY(json);
        QCOMPARE(json->status, 415);
        QVERIFY(json->body.find("Unsupported content type") != std::string::npos);

        // A path cannot forge a line of the log (or of the development output).
        const auto forged = client.Get("/v1/%0A%7B%22captcha%22%3A%221234%22%2C%22uuid%22%3A%22forged%22%7D");
        QVERIFY(forged);
        QCOMPARE(forged->status, 404);
        QTRY_VERIFY_WITH_TIMEOUT(server.output().contains("GET /v1/?{\"captcha\""), kWaitMs);
        QVERIFY(server.printedValue("captcha", "uuid", "forged").isEmpty());

        const auto page = client.Get("/v1/app/qrLogin?guid=0123456789abcdef0123456789abcdef");
        QVERIFY(page);
        QCOMPARE(page->get_header_value("X-Frame-Options"), std::string("DENY"));
        QVERIFY(page->get_header_value("Content-Security-Policy").find("frame-ancestors 'none'") != std::string::npos);
        QCOMPARE(page->get_header_value("Cache-Control"), std::string("no-store"));
        QVERIFY(page->body.find("expired") != std::string::npos);
    }

    void codesThroughSmtpRelay()
    {
        SmtpSink sink;
        const QJsonObject smtp{{"url", QString("smtp://127.0.0.1:%1").arg(sink.port())},
                               {"from", "Pivora <no-reply@pivora.test>"},
                               {"require_tls", false},
                               {"timeout_seconds", 5}};
        const QString database = m_dir.path() + "/mail.sqlite3";
        ApiServerProcess server;
        QVERIFY(server.start(config("smtp", {{"smtp", smtp}}), 15000, {"--dev", "--database", database}));
        QPVApiService api(m_manager);
        api.setBaseUrl(server.url());
        api.setLanguage("en-us");
        const auto request = [&](const QString& account) {
            ask([&](QObject* r) { api.loadCaptchaImage(4, 240, 80, r, "didApiLoadCaptchaImage"); });
            const QString text = server.printedValue("captcha", "uuid", api.deviceId());
            return ask([&](QObject* r) { api.sendEmailCode(account, text, "register", r, "didApiCheckCode"); });
        };

        QCOMPARE(request("mailed@example.org").result, 10000);
        QCOMPARE(sink.messages.size(), 1);
        const QString code = server.printedValue("code", "outbox", "mailed@example.org");
        QVERIFY(sink.messages[0].contains("To: <mailed@example.org>"));
        QVERIFY(sink.messages[0].contains("From: Pivora <no-reply@pivora.test>"));
        QVERIFY(sink.messages[0].contains("Your Pivora verification code is " + code + "."));
        SqliteConnection store(database.toStdString(), 1000, std::make_shared<SqliteWriteGate>());
        QCOMPARE(store.exec("SELECT COUNT(*) FROM outbox", {}).rows[0].integer(0), int64_t(0));

        sink.close();
        const Receiver::Call failed = request("unmailed@example.org");
        QCOMPARE(failed.result, 20016);
        QCOMPARE(failed.object.value("message").toString(), QString("The verification code could not be sent, please try again later"));
        QCOMPARE(store.exec("SELECT COUNT(*) FROM verification_codes WHERE account = $1", {std::string("unmailed@example.org")})
                     .rows[0].integer(0), int64_t(0));
    }
};

QTEST_GUILESS_MAIN(TestApiProcess)
#include "test_api_process.moc"
