// The account service's rules, run the same on SQLite and on a private PostgreSQL server:
// each operation's success and refusals, expiry and single use, throttling, bad input,
// races, and a database that is locked or gone.

#include "ServiceHarness.h"
#include "support/PostgresCluster.h"

#include "Migrations.h"
#include "PostgresConnection.h"
#include "SqliteConnection.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <map>
#include <thread>

namespace {
const QRegularExpression kLoginKey("^[0-9a-f]{64}$");
}

class TestAccountRules : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    PostgresCluster m_cluster;
    bool m_postgres = false;
    QString m_postgresProblem;
    std::map<QString, std::unique_ptr<ServiceHarness>> m_services;
    int m_serial = 0;

    static void backends()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }

    // A database of its own for a test that needs special settings or breaks it.
    DatabaseSettings freshDatabase(const QString& backend)
    {
        DatabaseSettings settings;
        const QString name = QString("db%1").arg(++m_serial);
        if (backend == "sqlite") {
            settings.address = (m_dir.path() + "/" + name + ".sqlite3").toStdString();
        } else {
            QString why;
            if (!m_cluster.createDatabase(name, &why))
                qFatal("createdb failed: %s", qPrintable(why));
            settings.address = m_cluster.address(name).toStdString();
        }
        return settings;
    }

    // The shared service of the row's back-end (skips when PostgreSQL is missing).
    ServiceHarness* service()
    {
        QFETCH(QString, backend);
        if (backend == "postgresql" && !m_postgres)
            return nullptr;
        std::unique_ptr<ServiceHarness>& harness = m_services[backend];
        if (!harness)
            harness = std::make_unique<ServiceHarness>(freshDatabase(backend));
        return harness.get();
    }

    QString unique(const QString& stem) { return QString("%1%2").arg(stem).arg(++m_serial); }
    QString uniqueAccount() { return unique("user") + "@example.org"; }

#define SERVICE_OR_SKIP(name)                                                                              \
    ServiceHarness* name = service();                                                                      \
    if (!name)                                                                                             \
        QSKIP(qPrintable("PostgreSQL is not available: " + m_postgresProblem));

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_postgres = m_cluster.start(&m_postgresProblem);
        if (!m_postgres)
            qWarning("PostgreSQL rows will be skipped: %s", qPrintable(m_postgresProblem));
    }

    void signUpSignInProfileAndReset_data() { backends(); }
    void signUpSignInProfileAndReset()
    {
        SERVICE_OR_SKIP(s);
        const QString device = unique("device");
        const QString account = unique("Mixed.Case") + "@Example.ORG";
        const QString lower = account.toLower();

        const QString key = s->signUp(account, "first-pass", device);
        QVERIFY2(kLoginKey.match(key).hasMatch(), qPrintable(key));
        const auto outbox = s->database().read([&](SqlConnection& c) { return AccountStore(c).latestOutboxEntry(lower.toStdString()); });
        QVERIFY(outbox);
        QCOMPARE(QString::fromStdString(outbox->purpose), QString("register"));
        QCOMPARE(QString::fromStdString(outbox->channel), QString("email"));

        ApiReply profile = s->post("/v1/app/getProfile", {{"loginkey", key}}, device);
        QCOMPARE(profile.code, 10000);
        QCOMPARE(profile.json.value("mNickname").toString(), lower.section('@', 0, 0));
        QCOMPARE(profile.json.value("mPhone").toString(), QString());
        QCOMPARE(profile.json.value("mEmail").toString(), lower);

        ApiReply signIn = s->signIn(lower, "first-pass", device);
        QCOMPARE(signIn.code, 10000);
        const QString secondKey = signIn.json.value("loginkey").toString();
        QVERIFY(kLoginKey.match(secondKey).hasMatch());
        QVERIFY(secondKey != key);

        const QString text = s->captcha(device);
        const QString code = s->emailCode(account, text, "getpassword", device);
        QVERIFY(!code.isEmpty());
        QCOMPARE(QString::fromStdString(s->database().read([&](SqlConnection& c) {
                     return AccountStore(c).latestOutboxEntry(lower.toStdString());
                 })->code), code);
        ApiReply reset = s->post("/v1/app/emailResetPwd",
                                 {{"account", account}, {"checkcode", code}, {"imagecode", text}, {"password", "second-pass"}},
                                 device);
        QCOMPARE(reset.code, 10000);

        // A reset signs out every earlier sign-in and only the new password works.
        QCOMPARE(s->post("/v1/app/getProfile", {{"loginkey", key}}, device).code, 20012);
        QCOMPARE(s->post("/v1/app/getProfile", {{"loginkey", secondKey}}, device).code, 20012);
        ApiReply old = s->signIn(account, "first-pass", device);
        QCOMPARE(old.code, 20009);
        QCOMPARE(old.message, QString("Incorrect account or password"));
        QCOMPARE(s->signIn(account, "second-pass", device).code, 10000);
    }

    void phoneAccountAndCodeSignIn_data() { backends(); }
    void phoneAccountAndCodeSignIn()
    {
        SERVICE_OR_SKIP(s);
        const QString device = unique("device");
        const QString digits = QString::number(1000 + ++m_serial);
        const QString phone = "+86 138-0000-" + digits;
        const QString normalised = "+86138" + QString("0000") + digits;

        QString text = s->captcha(device);
        QCOMPARE(s->post("/v1/app/checkCode", {{"account", phone}, {"imagecode", text}, {"verifytype", "register"}}, device).code, 10000);
        QString code = s->devValue("code", "outbox", normalised);
        QCOMPARE(code.size(), 6);
        ApiReply signUp = s->post("/v1/app/register",
                                  {{"account", phone}, {"checkcode", code}, {"imagecode", text}, {"password", "phone-pass"}}, device);
        QCOMPARE(signUp.code, 10000);
        ApiReply profile = s->post("/v1/app/getProfile", {{"loginkey", signUp.json.value("loginkey").toString()}}, device);
        QCOMPARE(profile.json.value("mPhone").toString(), normalised);
        QCOMPARE(profile.json.value("mNickname").toString(), "+86*******" + digits);
        QCOMPARE(s->post("/v1/app/login", {{"account", normalised}, {"password", "phone-pass"}}, device).code, 10000);
        QCOMPARE(s->post("/v1/app/emailLogin", {{"account", normalised}, {"password", "phone-pass"}}, device).code, 20002);

        text = s->captcha(device);
        QCOMPARE(s->post("/v1/app/checkCode", {{"account", phone}, {"imagecode", text}, {"verifytype", "quicklogin"}}, device).code, 10000);
        code = s->devValue("code", "outbox", normalised);
        const Fields byCode{{"imagecode", text}, {"phonecode", code}, {"phonenumber", phone}};
        ApiReply signIn = s->post("/v1/app/getPhoneLogin", byCode, device);
        QCOMPARE(signIn.code, 10000);
        QVERIFY(kLoginKey.match(signIn.json.value("loginkey").toString()).hasMatch());
        QCOMPARE(s->post("/v1/app/getPhoneLogin", byCode, device).code, 20004); // captcha and code served once
    }

    void captchaRules_data() { backends(); }
    void captchaRules()
    {
        SERVICE_OR_SKIP(s);
        const QString device = unique("device");
        const QString account = uniqueAccount();
        ApiReply refusal;

        QCOMPARE(s->emailCode(account, "1234", "register", device, &refusal), QString());
        QCOMPARE(refusal.code, 20004); // this device has no captcha
        const QString text = s->captcha(device);
        QCOMPARE(text.size(), 4);
        const QString wrong = text == "0000" ? "1111" : "0000";
        s->emailCode(account, wrong, "register", device, &refusal);
        QCOMPARE(refusal.code, 20003);
        QCOMPARE(refusal.message, QString("Incorrect captcha"));
        s->emailCode(account, text, "register", unique("other-device"), &refusal);
        QCOMPARE(refusal.code, 20004); // bound to the device that fetched it

        const QString first = s->emailCode(account, " " + text + " ", "register", device, &refusal);
        QCOMPARE(refusal.code, 10000);
        s->emailCode(uniqueAccount(), text, "register", device, &refusal);
        QCOMPARE(refusal.code, 20004);
        QCOMPARE(refusal.message, QString("This captcha was used for another request, please load a new one"));
        s->emailCode(account, text, "getpassword", device, &refusal);
        QCOMPARE(refusal.code, 20004);
        s->emailCode(account, text, "register", device, &refusal);
        QCOMPARE(refusal.code, 20015);
        QCOMPARE(refusal.message, QString("A code was sent a moment ago, please wait 60 seconds"));

        s->clock().advance(61); // a resend of the same flow replaces the code
        const QString second = s->emailCode(account, text, "register", device, &refusal);
        QCOMPARE(refusal.code, 10000);
        if (first != second) {
            QCOMPARE(s->post("/v1/app/emailRegister", {{"account", account}, {"checkcode", first}, {"imagecode", text},
                                                       {"password", "pass-word"}}, device).code, 20005);
        }

        const QString burnt = s->captcha(device);
        const QString miss = burnt == "0000" ? "1111" : "0000";
        for (int i = 0; i < 5; ++i)
            QCOMPARE(s->post("/v1/app/emailCode", {{"account", uniqueAccount()}, {"imagecode", miss}, {"verifytype", "register"}}, device).code, 20003);
        s->emailCode(uniqueAccount(), burnt, "register", device, &refusal);
        QCOMPARE(refusal.code, 20004);

        const QString stale = s->captcha(device);
        s->clock().advance(5 * 60 + 1);
        s->emailCode(uniqueAccount(), stale, "register", device, &refusal);
        QCOMPARE(refusal.code, 20004);
        QCOMPARE(refusal.message, QString("The captcha has expired, please load a new one"));
    }

    void codeRules_data() { backends(); }
    void codeRules()
    {
        SERVICE_OR_SKIP(s);
        const QString device = unique("device");
        const QString account = uniqueAccount();
        const auto signUp = [&](const QString& text, const QString& code) {
            return s->post("/v1/app/emailRegister", {{"account", account}, {"checkcode", code}, {"imagecode", text},
                                                     {"password", "pass-word"}}, device);
        };
        QString text = s->captcha(device);
        QString code = s->emailCode(account, text, "register", device);
        QVERIFY(QRegularExpression("^[0-9]{6}$").match(code).hasMatch());
        const QString wrong = code == "000000" ? "111111" : "000000";
        for (int i = 1; i < 5; ++i)
            QCOMPARE(signUp(text, wrong).code, 20005);
        ApiReply fifth = signUp(text, wrong);
        QCOMPARE(fifth.code, 20006);
        QCOMPARE(fifth.message, QString("Too many incorrect verification codes, please request a new one"));
        QCOMPARE(signUp(text, code).code, 20006); // the right code no longer helps

        s->clock().advance(61);
        text = s->captcha(device);
        code = s->emailCode(account, text, "register", device);
        s->clock().advance(10 * 60 + 1);
        ApiReply expired = signUp(text, code);
        QCOMPARE(expired.code, 20006);
        QCOMPARE(expired.message, QString("The verification code has expired or was used, please request a new one"));

        text = s->captcha(device);
        code = s->emailCode(account, text, "register", device);
        s->clock().advance(9 * 60); // the captcha lives as long as its code
        QCOMPARE(signUp(text, code).code, 10000);
        QCOMPARE(signUp(text, code).code, 20004);
        QCOMPARE(signUp(s->captcha(device), code).code, 20006); // a fresh captcha carries no code
    }

    void accountRules_data() { backends(); }
    void accountRules()
    {
        SERVICE_OR_SKIP(s);
        const QString device = unique("device");
        const QString account = uniqueAccount();
        QVERIFY(!s->signUp(account, "pass-word", device).isEmpty());
        ApiReply refusal;

        s->emailCode(account, s->captcha(device), "register", device, &refusal);
        QCOMPARE(refusal.code, 20007);
        QCOMPARE(refusal.message, QString("This account is already registered"));
        s->emailCode(uniqueAccount(), s->captcha(device), "getpassword", device, &refusal);
        QCOMPARE(refusal.code, 20008);
        s->emailCode("not-an-address", s->captcha(device), "register", device, &refusal);
        QCOMPARE(refusal.message, QString("Please enter a valid e-mail address"));
        QCOMPARE(s->post("/v1/app/checkCode", {{"account", account}, {"imagecode", "1"}, {"verifytype", "register"}}, device).message,
                 QString("Please enter a valid phone number"));
        QCOMPARE(s->post("/v1/app/emailRegister", {{"account", uniqueAccount()}, {"checkcode", "1"}, {"imagecode", "1"},
                                                   {"password", "12345"}}, device).message,
                 QString("The password must be 6 to 64 characters long"));

        // SQL in names and passwords is only ever data.
        const QString quoted = unique("o'brien+x") + "@example.org";
        const QString nasty = "'; DROP TABLE accounts; --";
        QVERIFY(!s->signUp(quoted, nasty, device).isEmpty());
        QCOMPARE(s->signIn(quoted, nasty, device).code, 10000);
        QCOMPARE(s->signIn(quoted, "' OR '1'='1", device).code, 20009);
        QCOMPARE(s->signIn(account, "pass-word", device).code, 10000);
    }

    void signInThrottling_data() { backends(); }
    void signInThrottling()
    {
        SERVICE_OR_SKIP(s);
        const QString account = uniqueAccount();
        const QString device = unique("device");
        QVERIFY(!s->signUp(account, "right-pass", device).isEmpty());

        for (int i = 0; i < 4; ++i)
            QCOMPARE(s->signIn(account, "wrong-pass", device).code, 20009);
        ApiReply slowed = s->signIn(account, "right-pass", device);
        QCOMPARE(slowed.code, 20010);
        QCOMPARE(slowed.message, QString("Too many failed sign-ins, please wait 2 seconds and try again"));
        // Each further failure doubles the wait, up to a minute; the tenth locks.
        for (const int wait : {2, 4, 8, 16, 32}) {
            s->clock().advance(wait);
            QCOMPARE(s->signIn(account, "wrong-pass", device).code, 20009);
        }
        s->clock().advance(60);
        ApiReply locked = s->signIn(account, "wrong-pass", device);
        QCOMPARE(locked.code, 20011);
        QCOMPARE(locked.message, QString("Too many failed sign-ins, signing in is locked for 15 minutes"));
        QCOMPARE(s->signIn(account, "right-pass", unique("elsewhere")).code, 20011); // per account
        s->clock().advance(14 * 60);
        QCOMPARE(s->signIn(account, "right-pass", device).code, 20011);
        s->clock().advance(60);
        QCOMPARE(s->signIn(account, "right-pass", device).code, 10000);

        // One device guessing many accounts is stopped too.
        const QString guesser = unique("guesser");
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(s->signIn(uniqueAccount(), "guess", guesser).code, i < 19 ? 20009 : 20011);
            s->clock().advance(61);
        }
        QCOMPARE(s->signIn(account, "right-pass", guesser).code, 20011);
        QCOMPARE(s->signIn(account, "right-pass", unique("device")).code, 10000);
    }

    void loginKeys_data() { backends(); }
    void loginKeys()
    {
        SERVICE_OR_SKIP(s);
        const QString key = s->signUp(uniqueAccount(), "pass-word", unique("device"));
        QCOMPARE(s->post("/v1/app/getProfile", {{"loginkey", key}}).code, 10000);
        for (const QString& junk : {QString("zz"), QString("' OR 1=1 --"), QString(64, 'a'), key.toUpper()}) {
            ApiReply refusal = s->post("/v1/app/getProfile", {{"loginkey", junk}});
            QCOMPARE(refusal.code, 20012);
            QCOMPARE(refusal.message, QString("Your sign-in has expired, please sign in again"));
        }
        s->clock().advance(30 * 24 * 3600);
        QCOMPARE(s->post("/v1/app/getProfile", {{"loginkey", key}}).code, 20012);
    }

    void browserConfirmation_data() { backends(); }
    void browserConfirmation()
    {
        SERVICE_OR_SKIP(s);
        const QString account = uniqueAccount();
        const QString device = unique("device");
        QVERIFY(!s->signUp(account, "pass-word", device).isEmpty());
        const auto page = [&](const QString& method, const QString& guid, const Fields& fields = {}) {
            HttpRequest call;
            call.method = method.toStdString();
            call.path = "/v1/app/qrLogin";
            call.query = ("guid=" + guid).toStdString();
            call.contentType = "application/x-www-form-urlencoded";
            call.body = ServiceHarness::encode(Fields{{"guid", guid}} + fields).toStdString();
            return ServiceHarness::reply(s->request(call));
        };

        ApiReply start = s->post("/v1/app/wxLoginGuid", {}, device);
        QCOMPARE(start.code, 10000);
        const QString guid = start.json.value("guid").toString();
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(guid).hasMatch());
        QCOMPARE(start.json.value("url").toString(), "http://accounts.test/v1/app/qrLogin?guid=" + guid);
        ApiReply poll = s->post("/v1/app/wxReceipt", {{"guid", guid}}, device);
        QCOMPARE(poll.code, 20013);

        ApiReply form = page("GET", guid);
        QCOMPARE(form.status, 200);
        QVERIFY(form.body.contains("name=\"password\"") && form.body.contains(guid));
        ApiReply refused = page("POST", guid, {{"account", account}, {"password", "wrong"}});
        QVERIFY(refused.body.contains("Incorrect account or password"));
        QVERIFY(refused.body.contains("<form"));
        ApiReply confirmed = page("POST", guid, {{"account", account}, {"password", "pass-word"}});
        QVERIFY(confirmed.body.contains("Pivora is signed in"));
        QVERIFY(!confirmed.body.contains("<form"));

        QCOMPARE(s->post("/v1/app/wxReceipt", {{"guid", guid}}, unique("other-device")).code, 20014);
        poll = s->post("/v1/app/wxReceipt", {{"guid", guid}}, device);
        QCOMPARE(poll.code, 10000);
        QCOMPARE(s->post("/v1/app/getProfile", {{"loginkey", poll.json.value("loginkey").toString()}}).code, 10000);
        QCOMPARE(s->post("/v1/app/wxReceipt", {{"guid", guid}}, device).code, 20014); // collected once
        QVERIFY(page("POST", guid, {{"account", account}, {"password", "pass-word"}}).body.contains("has expired"));

        const QString late = s->post("/v1/app/wxLoginGuid", {}, device).json.value("guid").toString();
        s->clock().advance(5 * 60 + 1);
        QCOMPARE(s->post("/v1/app/wxReceipt", {{"guid", late}}, device).code, 20014);
        QVERIFY(page("GET", late).body.contains("This sign-in request has expired"));
        QCOMPARE(page("GET", "<script>").status, 404);
        QVERIFY(!page("GET", "<script>").body.contains("<script>"));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");

        const QString form = "application/x-www-form-urlencoded";
        const QByteArray device = "uuid=d1&limituse=1&language=en-us";
        QByteArray manyFields = device;
        for (int i = 0; i < 40; ++i)
            manyFields += "&f" + QByteArray::number(i) + "=x";
        QTest::newRow("JSON body") << "POST" << "/v1/app/emailLogin" << "application/json" << QByteArray("{}") << 415 << 41500 << "Unsupported content type";
        QTest::newRow("no content type") << "POST" << "/v1/app/emailLogin" << "" << device << 415 << 41500 << "";
        QTest::newRow("broken escape") << "POST" << "/v1/app/emailLogin" << form << device + "&account=%zz" << 400 << 40000 << "Malformed request";
        QTest::newRow("cut escape") << "POST" << "/v1/app/emailLogin" << form << device + "&account=%4" << 400 << 40000 << "";
        QTest::newRow("not UTF-8") << "POST" << "/v1/app/emailLogin" << form << device + "&account=%ff%fe" << 400 << 40000 << "";
        QTest::newRow("overlong UTF-8") << "POST" << "/v1/app/emailLogin" << form << device + "&account=%c0%af" << 400 << 40000 << "";
        QTest::newRow("NUL byte") << "POST" << "/v1/app/emailLogin" << form << device + "&password=a%00b" << 400 << 40000 << "";
        QTest::newRow("field twice") << "POST" << "/v1/app/emailLogin" << form << device + "&uuid=d2" << 400 << 40000 << "";
        QTest::newRow("odd field name") << "POST" << "/v1/app/emailLogin" << form << device + "&a%20b=1" << 400 << 40000 << "";
        QTest::newRow("too many fields") << "POST" << "/v1/app/emailLogin" << form << manyFields << 400 << 40000 << "";
        QTest::newRow("no device id") << "POST" << "/v1/app/emailLogin" << form << QByteArray("account=a%40b.cd&password=x") << 200 << 20001 << "Missing field: uuid";
        QTest::newRow("odd device id") << "POST" << "/v1/app/emailLogin" << form << QByteArray("uuid=a%20b&account=a%40b.cd&password=x") << 200 << 20002 << "Invalid value of field: uuid";
        QTest::newRow("missing password") << "POST" << "/v1/app/emailLogin" << form << device + "&account=a%40b.cd" << 200 << 20001 << "Missing field: password";
        QTest::newRow("empty password") << "POST" << "/v1/app/emailLogin" << form << device + "&account=a%40b.cd&password=" << 200 << 20001 << "Missing field: password";
        QTest::newRow("huge account") << "POST" << "/v1/app/emailLogin" << form << device + "&password=x&account=" + QByteArray(400, 'a') << 200 << 20002 << "Invalid value of field: account";
        QTest::newRow("huge value") << "POST" << "/v1/app/emailLogin" << form << device + "&other=" + QByteArray(5000, 'a') << 400 << 40000 << "";
        QTest::newRow("unknown kind") << "POST" << "/v1/app/emailCode" << form << device + "&account=a%40b.cd&imagecode=1&verifytype=other" << 200 << 20002 << "Unknown verification type";
        QTest::newRow("width not a number") << "POST" << "/v1/app/imageVerify" << form << device + "&width=abc" << 200 << 20002 << "Invalid value of field: width";
        QTest::newRow("other picture type") << "POST" << "/v1/app/imageVerify" << form << device + "&imagetype=png" << 200 << 20002 << "";
        QTest::newRow("unknown path") << "POST" << "/v1/app/nothing" << form << device << 404 << 40400 << "Unknown endpoint";
        QTest::newRow("GET of an operation") << "GET" << "/v1/app/emailLogin" << form << device << 405 << 40500 << "Method not allowed";
        QTest::newRow("PUT of the version") << "PUT" << "/v1/app/checkVersion" << form << device << 405 << 40500 << "";
        QTest::newRow("version by GET") << "GET" << "/v1/app/checkVersion" << "" << QByteArray() << 200 << 10000 << "ok";
        QTest::newRow("Chinese refusal") << "POST" << "/v1/app/emailLogin" << form << QByteArray("uuid=d1&language=zh-cn&account=x") << 200 << 20001 << QString::fromUtf8("缺少字段：password");
    }
    void badInput()
    {
        QFETCH(QString, method);
        QFETCH(QString, path);
        QFETCH(QString, contentType);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(int, code);
        QFETCH(QString, message);
        if (!m_services.count("sqlite"))
            m_services["sqlite"] = std::make_unique<ServiceHarness>(freshDatabase("sqlite"));
        const ApiReply reply = m_services["sqlite"]->send(method, path, body, contentType);
        QCOMPARE(reply.status, status);
        QCOMPARE(reply.code, code);
        if (!message.isEmpty())
            QCOMPARE(reply.message, message);
    }

    void concurrentSignUps_data() { backends(); }
    void concurrentSignUps()
    {
        SERVICE_OR_SKIP(s);
        const QString account = uniqueAccount();
        struct Flow {
            QString device, text, code;
        };
        std::vector<Flow> flows;
        for (int i = 0; i < 2; ++i) {
            Flow flow{unique("racer"), {}, {}};
            flow.text = s->captcha(flow.device);
            flow.code = s->emailCode(account, flow.text, "register", flow.device);
            QVERIFY(!flow.code.isEmpty());
            flows.push_back(flow);
            s->clock().advance(61);
        }
        std::vector<int> codes(8, 0);
        std::vector<std::thread> racers;
        for (size_t i = 0; i < codes.size(); ++i) {
            racers.emplace_back([&, i] {
                const Flow& flow = flows[i % 2];
                codes[i] = s->post("/v1/app/emailRegister", {{"account", account}, {"checkcode", flow.code},
                                                             {"imagecode", flow.text}, {"password", "pass-" + QString::number(i % 2) + "word"}},
                                   flow.device).code;
            });
        }
        for (std::thread& racer : racers)
            racer.join();
        QCOMPARE(int(std::count(codes.begin(), codes.end(), 10000)), 1);
        for (const int code : codes)
            QVERIFY2(code == 10000 || code == 20004 || code == 20006 || code == 20007, qPrintable(QString::number(code)));
        const int64_t rows = s->database().read([&](SqlConnection& c) {
            return c.exec("SELECT COUNT(*) FROM accounts WHERE account = $1", {account.toStdString()}).rows[0].integer(0);
        });
        QCOMPARE(rows, int64_t(1));
        const int winner = int(std::find(codes.begin(), codes.end(), 10000) - codes.begin());
        QCOMPARE(s->signIn(account, "pass-" + QString::number(winner % 2) + "word", flows[winner % 2].device).code, 10000);
    }

    void lockedDatabase_data() { backends(); }
    void lockedDatabase()
    {
        QFETCH(QString, backend);
        if (backend == "postgresql" && !m_postgres)
            QSKIP("PostgreSQL is not available");
        DatabaseSettings settings = freshDatabase(backend);
        settings.busyTimeoutMs = 200;
        settings.lockTimeoutMs = 200;
        ServiceHarness s(settings);
        std::unique_ptr<SqlConnection> blocker;
        if (backend == "sqlite") {
            blocker = std::make_unique<SqliteConnection>(settings.address, 200, std::make_shared<SqliteWriteGate>());
            blocker->beginWrite();
        } else {
            blocker = std::make_unique<PostgresConnection>(PostgresSettings{settings.address});
            blocker->beginWrite();
            blocker->exec("LOCK TABLE captchas IN ACCESS EXCLUSIVE MODE", {});
        }
        ApiReply busy = s.post("/v1/app/imageVerify", {}, "device-1");
        QCOMPARE(busy.status, 503);
        QCOMPARE(busy.code, 50300);
        QCOMPARE(busy.message, QString("The service is busy, please try again later"));
        blocker->rollback();
        QVERIFY(!s.captcha("device-1").isEmpty());
    }

    void databaseGone_data() { backends(); }
    void databaseGone()
    {
        QFETCH(QString, backend);
        if (backend == "postgresql" && !m_postgres)
            QSKIP("PostgreSQL is not available");
        const DatabaseSettings settings = freshDatabase(backend);
        ServiceHarness s(settings);
        const QString account = uniqueAccount();
        QVERIFY(!s.signUp(account, "pass-word").isEmpty());
        // The shared server comes back whatever this test finds.
        struct Restart {
            PostgresCluster* cluster;
            ~Restart()
            {
                QString why;
                if (cluster && !cluster->startServer(&why))
                    qWarning("PostgreSQL did not start again: %s", qPrintable(why));
            }
        } restart{nullptr};
        if (backend == "sqlite") {
            for (const char* suffix : {"", "-wal", "-shm"})
                QFile::remove(QString::fromStdString(settings.address) + suffix);
        } else {
            QVERIFY(m_cluster.stopServer());
            restart.cluster = &m_cluster;
        }
        for (int i = 0; i < 2; ++i) {
            ApiReply gone = s.signIn(account, "pass-word");
            QCOMPARE(gone.status, 503);
            QCOMPARE(gone.code, 50300);
            QCOMPARE(gone.message, QString("The service is temporarily unavailable, please try again later"));
        }
        if (backend == "postgresql") { // the service finds its way back
            QString why;
            QVERIFY2(m_cluster.startServer(&why), qPrintable(why));
            restart.cluster = nullptr;
            QCOMPARE(s.signIn(account, "pass-word").code, 10000);
        }
    }

    void migrations_data() { backends(); }
    void migrations()
    {
        QFETCH(QString, backend);
        if (backend == "postgresql" && !m_postgres)
            QSKIP("PostgreSQL is not available");
        const DatabaseSettings settings = freshDatabase(backend);
        // Instances starting together migrate once.
        std::atomic<int> failures{0};
        std::vector<std::thread> starters;
        for (int i = 0; i < 4; ++i) {
            starters.emplace_back([&] {
                try {
                    openDatabase(settings, 1);
                } catch (const StoreError& error) {
                    qWarning("%s", error.what());
                    ++failures;
                }
            });
        }
        for (std::thread& starter : starters)
            starter.join();
        QCOMPARE(failures.load(), 0);
        std::unique_ptr<Database> database = openDatabase(settings, 2);
        const auto versions = database->read([](SqlConnection& c) {
            return c.exec("SELECT version FROM schema_migrations ORDER BY version").rows;
        });
        QCOMPARE(int(versions.size()), latestSchemaVersion());
        database->write([](SqlConnection& c) { c.exec("INSERT INTO schema_migrations VALUES (999, 3)"); });
        database.reset();
        try {
            openDatabase(settings, 4);
            QFAIL("a newer schema was accepted");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::Kind::Failed);
            QVERIFY(QString(error.what()).contains("newer"));
        }
    }

    void captchaImages_data()
    {
        QTest::addColumn<Fields>("request");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("digits");
        QTest::newRow("program's request") << Fields{{"length", "4"}, {"width", "240"}, {"height", "80"}} << QSize(240, 80) << 4;
        QTest::newRow("defaults") << Fields{} << QSize(240, 80) << 4;
        QTest::newRow("small, six digits") << Fields{{"length", "6"}, {"width", "100"}, {"height", "40"}} << QSize(100, 40) << 6;
        QTest::newRow("out of range") << Fields{{"length", "50"}, {"width", "99999"}, {"height", "0"}} << QSize(480, 30) << 8;
    }
    void captchaImages()
    {
        QFETCH(Fields, request);
        QFETCH(QSize, size);
        QFETCH(int, digits);
        if (!m_services.count("sqlite"))
            m_services["sqlite"] = std::make_unique<ServiceHarness>(freshDatabase("sqlite"));
        ServiceHarness& s = *m_services["sqlite"];
        const QString device = unique("painter");
        const ApiReply reply = s.post("/v1/app/imageVerify", request, device);
        QCOMPARE(reply.code, 10000);
        const QImage image = QImage::fromData(QByteArray::fromBase64(reply.json.value("image").toString().toLatin1()), "PNG");
        QCOMPARE(image.size(), size);
        QCOMPARE(s.devValue("captcha", "uuid", device).size(), digits);
    }
};

QTEST_GUILESS_MAIN(TestAccountRules)
#include "test_account_rules.moc"
