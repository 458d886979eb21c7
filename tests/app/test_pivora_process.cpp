// Runs the real program as a user would: against the local web service, as a second
// instance, after a crash, and without network.

#include "support/ApiServerProcess.h"
#include "support/PivoraProcess.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 30000;

// Accepts the alert that has the keyboard focus, as a user pressing Enter would.
void pressEnter()
{
    QProcess::execute("xdotool", {"key", "Return"});
}

} // namespace

class TestPivoraProcess : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_home;

    QString dataDir() const { return m_home.path() + "/pivora"; }
    QString logText() const
    {
        QFile log(dataDir() + "/log/" + QDate::currentDate().toString("yyyy-MM-dd") + "/log.txt");
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }
    int logCount(const QString& text) const { return logText().count(text); }

private slots:
    void init()
    {
        if (qEnvironmentVariable("PIVORA_BIN_DIR").isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
        QVERIFY(m_home.isValid());
        QDir(dataDir()).removeRecursively();
    }

    void versionCheckStartsServicesAndOneInstanceRuns()
    {
        ApiServerProcess api;
        QVERIFY2(api.start(), "pivora-api did not start");

        PivoraProcess first(m_home.path(), api.url());
        QVERIFY(first.start());
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Services started"), 1, kWaitMs);

        QFile settings(dataDir() + "/userdefaults.conf");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QJsonObject options = QJsonDocument::fromJson(settings.readAll()).object().value("options").toObject();
        for (const char* group : {"general", "iosDevice", "androidDevice", "videoaudio", "record"})
            QVERIFY2(options.value(group).isObject(), group);

        PivoraProcess second(m_home.path(), api.url());
        QVERIFY(second.start());
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Application is running..."), 1, kWaitMs);
        QTest::qWait(500);
        pressEnter();
        QVERIFY(second.process().waitForFinished(kWaitMs));
        QCOMPARE(second.process().exitCode(), 1);
        QCOMPARE(first.process().state(), QProcess::Running);

        // A crashed instance leaves its lock behind; the next start must not be refused.
        first.process().kill();
        QVERIFY(first.process().waitForFinished(kWaitMs));
        PivoraProcess third(m_home.path(), api.url());
        QVERIFY(third.start());
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Services started"), 2, kWaitMs);
        QCOMPARE(logCount("Application is running..."), 1);

        third.process().terminate();
        QVERIFY(third.process().waitForFinished(kWaitMs));
        QCOMPARE(third.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(third.process().exitCode(), 0);
    }

    void phonesMirrorIntoTheProgram()
    {
        ApiServerProcess api;
        QVERIFY2(api.start(), "pivora-api did not start");
        PivoraProcess app(m_home.path(), api.url());
        QVERIFY(app.start());
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Services started"), 1, kWaitMs);
        const QRegularExpressionMatch ports =
            QRegularExpression("Receiver started on ports (\\d+)").match(logText());
        QVERIFY2(ports.hasMatch(), "the receiver did not start");
        const QString port = ports.captured(1);
        const QString cast = qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-cast";

        // A phone that comes and goes; closing its window must not end the program.
        QProcess shortPhone;
        shortPhone.start(cast, {"--port", port, "--id", "short", "--pattern", "160x120@30", "--duration", "2"});
        QVERIFY(shortPhone.waitForFinished(kWaitMs));
        QCOMPARE(shortPhone.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Phone disconnected: channel short"), 1, kWaitMs);
        QCOMPARE(logCount("Phone connected: channel short"), 1);
        QCOMPARE(app.process().state(), QProcess::Running);

        // The program ends while a phone is still streaming: the phone is told, nothing hangs.
        QProcess longPhone;
        longPhone.setReadChannel(QProcess::StandardOutput);
        longPhone.start(cast, {"--port", port, "--id", "long", "--pattern", "160x120@30", "--duration", "60"});
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Phone connected: channel long"), 1, kWaitMs);
        QTest::qWait(1000);
        app.process().terminate();
        QVERIFY(app.process().waitForFinished(kWaitMs));
        QCOMPARE(app.process().exitStatus(), QProcess::NormalExit);
        QVERIFY(longPhone.waitForFinished(kWaitMs));
        QCOMPARE(longPhone.exitCode(), 0);
        QVERIFY(longPhone.readAllStandardOutput().contains("{\"type\":\"disconnect\"}"));
    }

    // "receiverAccess" is "ask": a remembered phone comes straight in; an unknown one waits for
    // the question on the screen, which Enter answers with Allow and Escape with Deny.
    void askFirstWithTheQuestionOnScreen()
    {
        QDir().mkpath(dataDir());
        QFile settings(dataDir() + "/userdefaults.conf");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        const QJsonObject general{{"lang", "en-us"}, {"receiverAccess", "ask"},
                                  {"allowedPhones", QJsonArray{QJsonObject{{"id", "friend"}, {"name", "Friend"}}}}};
        settings.write(QJsonDocument(QJsonObject{{"options", QJsonObject{{"general", general}}}}).toJson());
        settings.close();

        ApiServerProcess api;
        QVERIFY2(api.start(), "pivora-api did not start");
        PivoraProcess app(m_home.path(), api.url());
        QVERIFY(app.start());
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Services started"), 1, kWaitMs);
        const QString port = QRegularExpression("Receiver started on ports (\\d+)").match(logText()).captured(1);
        QVERIFY(!port.isEmpty());
        const QString cast = qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-cast";
        const auto phone = [&](const QString& id) {
            auto p = std::make_unique<QProcess>();
            p->start(cast, {"--port", port, "--id", id, "--name", id, "--pattern", "160x120@30", "--duration", "1"});
            return p;
        };

        auto friendPhone = phone("friend");
        QVERIFY(friendPhone->waitForFinished(kWaitMs));
        QCOMPARE(friendPhone->exitCode(), 0);
        QCOMPARE(logCount("asking whether"), 0);

        for (const char* key : {"Return", "Escape"}) {
            auto stranger = phone("stranger");
            QTRY_COMPARE_WITH_TIMEOUT(logCount("asking whether \"stranger\""), key[0] == 'R' ? 1 : 2, kWaitMs);
            QTest::qWait(500);
            QProcess::execute("xdotool", {"key", key});
            QVERIFY(stranger->waitForFinished(kWaitMs));
            QCOMPARE(stranger->exitCode(), key[0] == 'R' ? 0 : 1);
        }
        QCOMPARE(logCount("\"stranger\" (127.0.0.1) allowed this time"), 1);
        QCOMPARE(logCount("\"stranger\" (127.0.0.1) denied"), 1);
        // Answering never ends the program.
        QCOMPARE(app.process().state(), QProcess::Running);
        app.process().terminate();
        QVERIFY(app.process().waitForFinished(kWaitMs));
    }

    void noNetworkStartsNothing()
    {
        // Nothing listens on the discard port of loopback.
        PivoraProcess app(m_home.path(), "http://127.0.0.1:9");
        QVERIFY(app.start());
        QTRY_COMPARE_WITH_TIMEOUT(logCount("Please check network and restart app."), 1, kWaitMs);
        QTest::qWait(500);
        pressEnter();
        // Closing the alert ends the program; nothing was started.
        QVERIFY(app.process().waitForFinished(kWaitMs));
        QCOMPARE(logCount("Services started"), 0);
    }
};

QTEST_GUILESS_MAIN(TestPivoraProcess)
#include "test_pivora_process.moc"
