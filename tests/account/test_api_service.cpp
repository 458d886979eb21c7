#include "account/CaptureServer.h"

#include "account/QPVApiService.h"

#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

namespace {
constexpr int kWaitMs = 60000; // an upper bound for a hang, not a speed requirement
}

class Receiver : public QObject {
    Q_OBJECT
public:
    struct Call {
        QByteArray slot;
        int result;
        QJsonObject object;
        QByteArray raw;
    };
    QList<Call> calls;
    int* sharedCount = nullptr; // outlives the receiver
    qint64 lastDownloaded = -1;

public slots:
    void didApiCheckVersion(int result, QJsonObject* resObject) { record("didApiCheckVersion", result, resObject); }
    void didApiLoadProfile(int result, QJsonObject* resObject) { record("didApiLoadProfile", result, resObject); }
    void didApiLoginWithAccount(int result, QJsonObject* resObject) { record("didApiLoginWithAccount", result, resObject); }
    void onApiFinish(int result, QByteArray* bytes)
    {
        calls.append({"onApiFinish", result, {}, *bytes});
        countShared();
    }
    void onApiDownloadProgress(qint64 received, qint64) { lastDownloaded = received; }

private:
    void record(const QByteArray& slot, int result, QJsonObject* object)
    {
        calls.append({slot, result, *object, {}});
        countShared();
    }
    void countShared()
    {
        if (sharedCount)
            ++*sharedCount;
    }
};

// Closes itself on the answer, as a dialog might.
class SelfDeletingReceiver : public QObject {
    Q_OBJECT
public:
    explicit SelfDeletingReceiver(int* answers) : m_answers(answers) {}
public slots:
    void didApiLoadProfile(int, QJsonObject*)
    {
        ++*m_answers;
        delete this;
    }
private:
    int* m_answers;
};

class TestApiService : public QObject {
    Q_OBJECT

    QSharedPointer<QNetworkAccessManager> m_manager = QSharedPointer<QNetworkAccessManager>::create();

    std::unique_ptr<QPVApiService> makeService(int port)
    {
        auto service = std::make_unique<QPVApiService>(m_manager);
        service->setBaseUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
        return service;
    }

    // Waits for the one answer and for the reply to be gone, so a second delivery would show.
    static void waitForSingleAnswer(Receiver& receiver, QPointer<QNetworkReply> reply)
    {
        QTRY_COMPARE_WITH_TIMEOUT(receiver.calls.size(), 1, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(reply.isNull(), kWaitMs);
        QCOMPARE(receiver.calls.size(), 1);
    }

    static int freeLoopbackPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

private slots:
    void requestBody_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("parameters");

        QTest::newRow("no parameters") << "weChatLoginGuid" << "/v1/app/wxLoginGuid" << QByteArray();
        QTest::newRow("reserved characters") << "loginWithEmail" << "/v1/app/emailLogin"
            << QByteArray("&account=a%20b%26c%3Dd&password=x%2By%25z%3F");
        QTest::newRow("non-ASCII as UTF-8") << "loginWithPhone" << "/v1/app/login"
            << QByteArray("&account=13800000000&password=p%C3%A4ss%E5%AF%86%E7%A0%81");
        QTest::newRow("keys in ascending order") << "loadCaptchaImage" << "/v1/app/imageVerify"
            << QByteArray("&fontSize=12&height=80&imagetype=base64&length=4&width=240");
        QTest::newRow("sign in by code") << "loginWithCode" << "/v1/app/getPhoneLogin"
            << QByteArray("&imagecode=AbC1&phonecode=123456&phonenumber=138");
        QTest::newRow("sign up") << "registerWithEmail" << "/v1/app/emailRegister"
            << QByteArray("&account=u%40x.org&checkcode=cc&imagecode=ic&password=pw");
        QTest::newRow("reset password") << "resetPasswordWithPhone" << "/v1/app/resetPwd"
            << QByteArray("&account=138&checkcode=cc&imagecode=ic&password=new");
        QTest::newRow("send code") << "sendSmsCode" << "/v1/app/checkCode"
            << QByteArray("&account=138&imagecode=ic&verifytype=quicklogin");
        QTest::newRow("version") << "checkVersion" << "/v1/app/checkVersion" << QByteArray("&lang=en-us");
    }
    void requestBody()
    {
        QFETCH(QString, operation);
        QFETCH(QString, path);
        QFETCH(QByteArray, parameters);

        CaptureServer server;
        auto service = makeService(server.port());
        Receiver receiver;
        const char* slot = "didApiLoadProfile";
        if (operation == "weChatLoginGuid") service->weChatLoginGuid(&receiver, slot);
        else if (operation == "loginWithEmail") service->loginWithEmail("a b&c=d", "x+y%z?", &receiver, slot);
        else if (operation == "loginWithPhone") service->loginWithPhone("13800000000", QString::fromUtf8("päss密码"), &receiver, slot);
        else if (operation == "loadCaptchaImage") service->loadCaptchaImage(4, 240, 80, &receiver, slot);
        else if (operation == "loginWithCode") service->loginWithCode("138", "AbC1", "123456", &receiver, slot);
        else if (operation == "registerWithEmail") service->registerWithEmail("u@x.org", "pw", "ic", "cc", &receiver, slot);
        else if (operation == "resetPasswordWithPhone") service->resetPasswordWithPhone("138", "new", "ic", "cc", &receiver, slot);
        else if (operation == "sendSmsCode") service->sendSmsCode("138", "ic", "quicklogin", &receiver, slot);
        else if (operation == "checkVersion") service->checkVersion("en-us", &receiver, slot);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.calls.size(), 1, kWaitMs);
        QCOMPARE(receiver.calls.first().result, 10000);

        const auto requests = server.requests();
        QCOMPARE(int(requests.size()), 1);
        QCOMPARE(QString::fromStdString(requests[0].path), path);
        QCOMPARE(QByteArray::fromStdString(requests[0].contentType), QByteArray("application/x-www-form-urlencoded"));
        const QByteArray fixed = "uuid=" + service->deviceId().toLatin1() + "&limituse=1&language=zh-cn";
        QCOMPARE(QByteArray::fromStdString(requests[0].body), fixed + parameters);
    }

    void languageIsSent()
    {
        CaptureServer server;
        auto service = makeService(server.port());
        service->setLanguage("en-us");
        Receiver receiver;
        service->weChatLoginGuid(&receiver, "didApiLoadProfile");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.calls.size(), 1, kWaitMs);
        QVERIFY(QByteArray::fromStdString(server.requests()[0].body).endsWith("&limituse=1&language=en-us"));
    }

    void deviceIdIsStable()
    {
        const QString first = QPVApiService(m_manager).deviceId();
        QCOMPARE(QPVApiService(m_manager).deviceId(), first);
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(first).hasMatch());
    }

    void baseUrl_data()
    {
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset") << QByteArray() << "https://api.pivora.app";
        QTest::newRow("override") << QByteArray("http://127.0.0.1:8080/") << "http://127.0.0.1:8080";
        QTest::newRow("not a URL") << QByteArray("::nonsense") << "https://api.pivora.app";
        QTest::newRow("other scheme") << QByteArray("ftp://example.org") << "https://api.pivora.app";
    }
    void baseUrl()
    {
        QFETCH(QByteArray, environment);
        QFETCH(QString, expected);
        if (environment.isEmpty())
            qunsetenv("PIVORA_API_URL");
        else
            qputenv("PIVORA_API_URL", environment);
        QCOMPARE(QPVApiService(m_manager).baseUrl(), expected);
        qunsetenv("PIVORA_API_URL");
    }

    void answers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("stall");
        QTest::addColumn<int>("expectedResult");
        QTest::addColumn<QString>("expectedMessage");

        QTest::newRow("success") << 200 << QByteArray(R"({"code":10000,"message":"ok"})") << false << 10000 << "ok";
        QTest::newRow("refusal") << 200 << QByteArray(R"({"code":20001,"message":"Wrong password"})") << false << 20001 << "Wrong password";
        QTest::newRow("no code") << 200 << QByteArray(R"({"message":"x"})") << false << -1 << "x";
        QTest::newRow("code is text") << 200 << QByteArray(R"({"code":"10000"})") << false << -1 << "";
        QTest::newRow("code is fractional") << 200 << QByteArray(R"({"code":10000.5})") << false << -1 << "";
        QTest::newRow("not JSON") << 200 << QByteArray("<html>busy</html>") << false << -1 << "";
        QTest::newRow("JSON array") << 200 << QByteArray("[10000]") << false << -1 << "";
        QTest::newRow("HTTP error with refusal") << 503 << QByteArray(R"({"code":50300,"message":"Maintenance"})") << false << 50300 << "Maintenance";
        QTest::newRow("HTTP error, empty body") << 502 << QByteArray() << false << -1 << "";
        QTest::newRow("oversized") << 200 << QByteArray(R"({"code":10000,"pad":")") + QByteArray(64 * 1024, 'x') + "\"}" << false << -1 << "";
        QTest::newRow("no answer") << 200 << QByteArray() << true << -1 << "";
    }
    void answers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, stall);
        QFETCH(int, expectedResult);
        QFETCH(QString, expectedMessage);

        CaptureServer server;
        server.setAnswer({status, body.toStdString(), stall, false});
        auto service = makeService(server.port());
        service->setMaxAnswerSize(16 * 1024);
        if (stall)
            service->setTransferTimeout(500);
        Receiver receiver;
        QPointer<QNetworkReply> reply = service->post("/v1/app/getProfile", {}, &receiver, "didApiLoadProfile");
        waitForSingleAnswer(receiver, reply);
        server.releaseStalls();
        QCOMPARE(receiver.calls[0].slot, QByteArray("didApiLoadProfile"));
        QCOMPARE(receiver.calls[0].result, expectedResult);
        QCOMPARE(receiver.calls[0].object.value("message").toString(), expectedMessage);
    }

    void unreachableServer()
    {
        auto service = makeService(freeLoopbackPort());
        Receiver receiver;
        QPointer<QNetworkReply> reply = service->post("/v1/app/checkVersion", {}, &receiver, "didApiCheckVersion");
        waitForSingleAnswer(receiver, reply);
        QCOMPARE(receiver.calls[0].result, -1);
        QVERIFY(receiver.calls[0].object.isEmpty());
    }

    void eachRequestReachesItsOwnSlot()
    {
        CaptureServer server;
        CaptureServer::Answer echo;
        echo.echoPath = true;
        server.setAnswer(echo);
        auto service = makeService(server.port());
        Receiver receiver;
        service->loginWithEmail("a@b.c", "pw", &receiver, "didApiLoginWithAccount");
        service->loadProfile("key", &receiver, "didApiLoadProfile");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.calls.size(), 2, kWaitMs);
        QHash<QByteArray, QString> pathBySlot;
        for (const auto& call : receiver.calls)
            pathBySlot.insert(call.slot, call.object.value("path").toString());
        QCOMPARE(pathBySlot.value("didApiLoginWithAccount"), QString("/v1/app/emailLogin"));
        QCOMPARE(pathBySlot.value("didApiLoadProfile"), QString("/v1/app/getProfile"));
    }

    void receiverDeletedInFlight()
    {
        CaptureServer server;
        CaptureServer::Answer stall;
        stall.stall = true;
        server.setAnswer(stall);
        auto service = makeService(server.port());
        int deliveredToGone = 0;
        auto* gone = new Receiver;
        gone->sharedCount = &deliveredToGone;
        QPointer<QNetworkReply> reply = service->post("/v1/app/getProfile", {}, gone, "didApiLoadProfile");
        QTRY_COMPARE_WITH_TIMEOUT(server.requestCount(), size_t(1), kWaitMs);
        delete gone;
        QVERIFY(reply.isNull());
        server.releaseStalls();

        // The service keeps working for others.
        server.setAnswer(CaptureServer::Answer());
        Receiver next;
        QPointer<QNetworkReply> nextReply = service->post("/v1/app/getProfile", {}, &next, "didApiLoadProfile");
        waitForSingleAnswer(next, nextReply);
        QCOMPARE(next.calls[0].result, 10000);
        QCOMPARE(deliveredToGone, 0);
    }

    void receiverDeletesItselfInSlot_data()
    {
        QTest::addColumn<bool>("serverUp");
        QTest::newRow("answer") << true;
        QTest::newRow("network failure") << false;
    }
    void receiverDeletesItselfInSlot()
    {
        QFETCH(bool, serverUp);
        CaptureServer server;
        auto service = makeService(serverUp ? server.port() : freeLoopbackPort());
        int answers = 0;
        QPointer<QNetworkReply> reply = service->post("/v1/app/getProfile", {},
            new SelfDeletingReceiver(&answers), "didApiLoadProfile");
        QTRY_VERIFY_WITH_TIMEOUT(reply.isNull(), kWaitMs);
        QCOMPARE(answers, 1);
    }

    void missingSlotIsLogged()
    {
        CaptureServer server;
        auto service = makeService(server.port());
        Receiver receiver;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("has no slot didApiNoSuchSlot"));
        QPointer<QNetworkReply> reply = service->post("/v1/app/getProfile", {}, &receiver, "didApiNoSuchSlot");
        QTRY_VERIFY_WITH_TIMEOUT(reply.isNull(), kWaitMs);
        QVERIFY(receiver.calls.isEmpty());
    }

    void rawAnswerWithProgress()
    {
        CaptureServer server;
        server.setAnswer({200, "plain bytes", false, false});
        auto service = makeService(server.port());
        Receiver receiver;
        QPointer<QNetworkReply> reply = service->post("/v1/app/anything", {}, &receiver, nullptr,
                                                      QPVApiService::AnswerKind::Raw);
        waitForSingleAnswer(receiver, reply);
        QCOMPARE(receiver.calls[0].slot, QByteArray("onApiFinish"));
        QCOMPARE(receiver.calls[0].result, 10000);
        QCOMPARE(receiver.calls[0].raw, QByteArray("plain bytes"));
        QCOMPARE(receiver.lastDownloaded, qint64(11));
    }

    void localWebService()
    {
        const QString bin = qEnvironmentVariable("PIVORA_BIN_DIR");
        const QString source = qEnvironmentVariable("PIVORA_SOURCE_DIR");
        if (bin.isEmpty() || source.isEmpty())
            QSKIP("PIVORA_BIN_DIR and PIVORA_SOURCE_DIR are not set");
        QProcess process;
        process.start(bin + "/pivora-api",
                      {"--port", "0", "--config", source + "/tools/pivora-api/pivora-api.json"});
        QVERIFY2(process.waitForStarted(kWaitMs), qPrintable(process.errorString()));
        QByteArray output;
        const QRegularExpression listening("listening on (http://127\\.0\\.0\\.1:\\d+)");
        QRegularExpressionMatch match;
        while (!(match = listening.match(QString::fromUtf8(output))).hasMatch()) {
            QVERIFY2(process.waitForReadyRead(kWaitMs), "pivora-api did not start listening");
            output += process.readAllStandardOutput();
        }

        QPVApiService service(m_manager);
        service.setBaseUrl(match.captured(1));
        Receiver receiver;
        service.checkVersion("en-us", &receiver, "didApiCheckVersion");
        service.post("/v1/app/noSuchThing", {}, &receiver, "didApiLoadProfile");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.calls.size(), 2, kWaitMs);
        for (const auto& call : receiver.calls) {
            if (call.slot == "didApiCheckVersion") {
                QCOMPARE(call.result, 10000);
                const QJsonObject data = call.object.value("data").toObject();
                QCOMPARE(data.value("version").toString(), QString(PIVORA_VERSION));
                QCOMPARE(data.value("url").toString(), QString("https://www.pivora.app/download/Pivora.exe"));
                QCOMPARE(data.value("force_upgrade").toInt(-1), 0);
            } else {
                QCOMPARE(call.result, 40400);
                QCOMPARE(call.object.value("message").toString(), QString("Unknown endpoint"));
            }
        }
        process.terminate();
        QVERIFY(process.waitForFinished(kWaitMs));
    }
};

QTEST_GUILESS_MAIN(TestApiService)
#include "test_api_service.moc"
