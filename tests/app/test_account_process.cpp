// Accounts as a new user meets them, in the real program on a desktop with a window manager,
// against the real account service in development mode (it prints the captcha texts and the
// codes it would mail): sign up with an e-mail address, sign in, the nickname on the sign
// button, signed in again automatically after a restart, sign out, a refused sign-in, a password
// reset and signing in with the new password, and signing in by confirming in the browser. Only
// the keyboard is used, as the dialogs' Tab order lays it out.

#include "app/PVLastUser.h"
#include "support/ApiServerProcess.h"
#include "support/Desktop.h"
#include "support/PivoraProcess.h"

#include <httplib.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

using desktop::xdotool;

namespace {

constexpr int kWaitMs = 30000;
const QString kAccount = "ada.lovelace@example.org";
const QString kNickname = "ada.lovelace";
const QString kFirstPassword = "first-secret-1";
const QString kNewPassword = "second-secret-2";

void keys(const QStringList& names)
{
    xdotool(QStringList{"key", "--delay", "60"} + names);
}

void type(const QString& text)
{
    xdotool({"type", "--delay", "30", text});
}

} // namespace

class TestAccountProcess : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_home;
    desktop::WindowManager m_wm;
    ApiServerProcess m_api;
    std::unique_ptr<PivoraProcess> m_app;
    int m_captchasSeen = 0;

    QString browserLog() const { return m_home.filePath("browser.log"); }

    // The first page the program asked the browser to open.
    QString openedPage() const
    {
        QFile file(browserLog());
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readLine()).trimmed();
    }

    // A browser that only notes the page it was asked to open.
    bool installBrowser()
    {
        const QString bin = m_home.filePath("bin");
        QDir().mkpath(bin);
        QFile script(bin + "/xdg-open");
        if (!script.open(QIODevice::WriteOnly))
            return false;
        script.write(QString("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n").arg(browserLog()).toUtf8());
        script.close();
        return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void startProgram()
    {
        QProcessEnvironment env;
        env.insert("PATH", m_home.filePath("bin") + ":" + qEnvironmentVariable("PATH"));
        env.insert("SDL_AUDIODRIVER", "dummy");
        m_app = std::make_unique<PivoraProcess>(m_home.path(), m_api.url(), env);
        const int started = log().count("Services started");
        QVERIFY(m_app->start());
        QTRY_COMPARE_WITH_TIMEOUT(log().count("Services started"), started + 1, kWaitMs);
        // The home screen is shown, active, with the sign button first in line.
        QTest::qWait(1000);
    }

    QString log() const { return m_app ? m_app->logText() : QString(); }

    // Waits until the log holds `text` `count` times.
    bool logged(const QString& text, int count)
    {
        QElapsedTimer timer;
        timer.start();
        while (log().count(text) < count) {
            if (timer.elapsed() > kWaitMs) {
                qWarning("not logged %d times: %s", count, qPrintable(text));
                return false;
            }
            m_api.readFor(100);
        }
        return true;
    }

    // The text of the next captcha the service issues, once the program shows its picture.
    QString nextCaptcha()
    {
        QElapsedTimer timer;
        timer.start();
        QString text;
        for (;;) {
            const QStringList lines = m_api.output().split('\n');
            QStringList captchas;
            for (const QString& line : lines) {
                const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
                if (object.contains("captcha"))
                    captchas << object.value("captcha").toString();
            }
            if (captchas.size() > m_captchasSeen) {
                m_captchasSeen = captchas.size();
                text = captchas.last();
                break;
            }
            if (timer.elapsed() > kWaitMs)
                return QString();
            m_api.readFor(100);
        }
        logged("Captcha loaded", log().count("Captcha loaded"));
        QTest::qWait(300);
        return text;
    }

    // The settings file as the program left it on disk.
    QJsonObject storedSettings() const
    {
        QFile file(m_app->dataDir() + "/userdefaults.conf");
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }

    // The nickname the service gives for the remembered login key; empty when it refuses it.
    QString rememberedUsersNickname() const
    {
        const QString key = PVLastUser::fromSetting(storedSettings().value("lastUser").toVariant());
        const QUrl service(m_api.url());
        httplib::Client client(service.host().toStdString(), service.port());
        QUrlQuery form;
        form.addQueryItem("loginkey", key);
        const auto answer = client.Post("/v1/app/getProfile", form.toString(QUrl::FullyEncoded).toStdString(),
            "application/x-www-form-urlencoded");
        if (key.isEmpty() || !answer)
            return QString();
        return QJsonDocument::fromJson(QByteArray::fromStdString(answer->body)).object().value("mNickname").toString();
    }

    QString outboxCode(const QString& verifyType)
    {
        return m_api.waitForPrinted("code", "verifytype", verifyType, kWaitMs);
    }

    int signButtonShows() const { return log().count(QString("Sign button shows \"%1\"").arg(kNickname)); }

    // The sign button has the focus on the home screen; Enter opens the dialog or the panel.
    void openSignDialog()
    {
        const int opened = log().count("Sign-in dialog opened");
        keys({"Return"});
        QVERIFY(logged("Sign-in dialog opened", opened + 1));
        QTest::qWait(800);
    }

    void signOut()
    {
        const int panels = log().count("User panel shown");
        const int signedOut = log().count("Signing out");
        keys({"Return"});
        QVERIFY(logged("User panel shown", panels + 1));
        QTest::qWait(500);
        keys({"Return"});
        QVERIFY(logged("Signing out", signedOut + 1));
        QTest::qWait(500);
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariable("PIVORA_BIN_DIR").isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
        for (const char* tool : {"openbox", "xdotool"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed").arg(tool)));
        }
        QVERIFY(m_home.isValid());
        QVERIFY(installBrowser());
        QVERIFY2(m_wm.start(), "openbox did not start");
        QVERIFY2(m_api.start(QString(), 15000, {"--dev", "--database", m_home.filePath("accounts.sqlite3")}),
            "pivora-api did not start");
    }

    void newUserSignsUpSignsInAndComesBack()
    {
        startProgram();

        // Sign up: back from the account field to the bar, whose right arrow shows "Sign Up".
        openSignDialog();
        keys({"shift+Tab", "shift+Tab", "Right", "Tab", "Tab"});
        const QString signUpCaptcha = nextCaptcha();
        QVERIFY(!signUpCaptcha.isEmpty());
        type(kAccount);
        keys({"Tab"});
        type(kFirstPassword);
        keys({"Tab"});
        type(signUpCaptcha);
        keys({"Tab", "Tab", "Tab", "Return"}); // past the picture and the code field to "Send Code"
        const QString signUpCode = outboxCode("register");
        QCOMPARE(signUpCode.size(), 6);
        QVERIFY(logged("Verification code sent", 1));
        type(signUpCode); // the cursor waits in the code field
        keys({"Tab", "space", "Return"}); // agree to the terms, then Enter signs up
        QVERIFY(logged("Account created", 1));
        QVERIFY(logged("Signed in", 1));
        QTRY_COMPARE_WITH_TIMEOUT(signButtonShows(), 1, kWaitMs);
        QCOMPARE(storedSettings().value("autoLogin").toBool(), false); // the box was left unticked
        QVERIFY(!storedSettings().contains("lastUser"));

        // Sign out at the sign button, then sign in with "Auto Login" ticked.
        QTest::qWait(500);
        signOut();
        openSignDialog();
        type(kAccount);
        keys({"Tab"});
        type(kFirstPassword);
        keys({"Tab", "space", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(signButtonShows(), 2, kWaitMs);
        // Remembered on disk at once, scrambled, and still a key the service accepts.
        QCOMPARE(storedSettings().value("autoLogin").toBool(), true);
        const QString stored = storedSettings().value("lastUser").toString();
        QVERIFY(!stored.isEmpty() && PVLastUser::fromSetting(stored) != stored);
        QCOMPARE(rememberedUsersNickname(), kNickname);

        // A new start signs in by itself.
        m_app->process().terminate();
        QVERIFY(m_app->process().waitForFinished(kWaitMs));
        startProgram();
        QVERIFY(logged("Signed in automatically", 1));
        QTRY_COMPARE_WITH_TIMEOUT(signButtonShows(), 3, kWaitMs);
        signOut();
        QTRY_VERIFY_WITH_TIMEOUT(!storedSettings().contains("lastUser"), kWaitMs);
        QCOMPARE(storedSettings().value("autoLogin").toBool(), true);

        // Forgotten password: from the sign-in dialog to the reset, which starts with the account.
        openSignDialog();
        type(kAccount);
        keys({"Tab", "Tab", "Tab", "Return"}); // password, "Auto Login", "Forgot Password?"
        const QString resetCaptcha = nextCaptcha();
        QVERIFY(!resetCaptcha.isEmpty());
        type(resetCaptcha);
        keys({"Tab", "Tab", "Tab", "Return"});
        const QString resetCode = outboxCode("getpassword");
        QCOMPARE(resetCode.size(), 6);
        type(resetCode);
        keys({"Tab"});
        type(kNewPassword);
        keys({"Return"});
        QVERIFY(logged("Tips: Modified succeed", 1));
        QTest::qWait(500);
        keys({"Return"});

        // Back in the sign-in dialog, which is active again, in the password field: the old
        // password is refused, with the service's message, and nothing typed is lost.
        QTest::qWait(800);
        QTRY_VERIFY_WITH_TIMEOUT(!xdotool({"getactivewindow"}).trimmed().isEmpty(), kWaitMs);
        type(kFirstPassword);
        keys({"Return"});
        QVERIFY(logged("Sign-in refused: result 20009", 1));
        QVERIFY(log().contains(QRegularExpression("Alert: .*(password|Password)")));
        QTest::qWait(500);
        keys({"Return"}); // closes the alert; the cursor is back in the password field
        QTest::qWait(800);
        keys({"ctrl+a"});
        type(kNewPassword);
        keys({"Return"});
        QTRY_COMPARE_WITH_TIMEOUT(signButtonShows(), 4, kWaitMs);
        signOut();

        // Signing in by confirming in the browser: the page is the service's own.
        openSignDialog();
        keys({"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Return"}); // to "Login with WeChat"
        QVERIFY(logged("Browser sign-in started", 1));
        QString page;
        QTRY_VERIFY_WITH_TIMEOUT(!(page = openedPage()).isEmpty(), kWaitMs);
        const QUrl url(page);
        QVERIFY2(url.path() == "/v1/app/qrLogin" && url.toString().startsWith(m_api.url()), qPrintable(page));
        const QString guid = QUrlQuery(url).queryItemValue("guid");
        QVERIFY(!guid.isEmpty());

        httplib::Client browser(url.host().toStdString(), url.port());
        const auto form = browser.Get((url.path() + "?" + url.query()).toStdString());
        QVERIFY(form);
        QCOMPARE(form->status, 200);
        QVERIFY(form->body.find("name=\"password\"") != std::string::npos);
        QTest::qWait(1500); // the program is still waiting
        QVERIFY(!log().contains("Browser sign-in confirmed"));
        QUrlQuery fields;
        fields.addQueryItem("guid", guid);
        fields.addQueryItem("account", kAccount);
        fields.addQueryItem("password", kNewPassword);
        const auto confirmed = browser.Post(url.path().toStdString(),
            fields.toString(QUrl::FullyEncoded).toStdString(), "application/x-www-form-urlencoded");
        QVERIFY(confirmed);
        QCOMPARE(confirmed->status, 200);
        QVERIFY(confirmed->body.find("name=\"password\"") == std::string::npos);
        QVERIFY(logged("Browser sign-in confirmed", 1));
        QTRY_COMPARE_WITH_TIMEOUT(signButtonShows(), 5, kWaitMs);

        // Never a password in the program's log.
        for (const QString& secret : {kFirstPassword, kNewPassword})
            QVERIFY2(!log().contains(secret), qPrintable(secret));

        m_app->process().terminate();
        QVERIFY(m_app->process().waitForFinished(kWaitMs));
        QCOMPARE(m_app->process().exitStatus(), QProcess::NormalExit);
    }
};

QTEST_GUILESS_MAIN(TestAccountProcess)
#include "test_account_process.moc"
