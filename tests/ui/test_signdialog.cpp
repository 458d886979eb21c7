// The account dialogs inside a real application object against a loopback server: the
// required-field alerts, the "Send Code" countdown, refusals shown with the fields kept, signing
// in each way with and without "Auto Login", the browser sign-in's polling, the keyboard and the
// user panel.

#include "account/CaptureServer.h"
#include "account/PVUserContext.h"
#include "app/PVLastUser.h"
#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "support/AlertAnswerer.h"
#include "ui/QModifyDialog.h"
#include "ui/QSignDialog.h"
#include "ui/QSignSNSFrame.h"
#include "ui/QSigninFrame.h"
#include "ui/QSignupFrame.h"
#include "ui/QUserPanel.h"
#include "ui/QVerifyCodeBox.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 15000;
const std::string kProfilePath = "/v1/app/getProfile";

// Stands in for the web browser: notes every address the program opens.
class BrowserRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl& url) { opened << url; }
};

CaptureServer::Answer answer(const std::string& body, int status = 200)
{
    CaptureServer::Answer reply;
    reply.body = body;
    reply.status = status;
    return reply;
}

// A captcha picture as the service sends it: a PNG in base64.
CaptureServer::Answer captchaAnswer()
{
    QImage picture(240, 80, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    const QJsonObject body{{"code", 10000}, {"image", QString::fromLatin1(png.toBase64())}};
    return answer(QJsonDocument(body).toJson().toStdString());
}

// The browser sign-in's start: its request id and page address.
CaptureServer::Answer guidAnswer(const QString& guid, const QString& page)
{
    const QJsonObject body{{"code", 10000}, {"guid", guid}, {"url", page}};
    return answer(QJsonDocument(body).toJson().toStdString());
}

template <class T>
T* child(QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

// The form of a row: the sign-in frame by password or by code, e-mail or phone, the sign-up
// frame, or the password reset.
QWidget* form(QSignDialog* dialog, std::unique_ptr<QModifyDialog>& modify, const QString& name)
{
    if (name == "modify") {
        modify.reset(new QModifyDialog(dialog));
        modify->show();
        return modify.get();
    }
    if (name.startsWith("signup")) {
        dialog->showPage(QSignDialog::PageSignUp);
        return dialog->signupFrame();
    }
    dialog->signinFrame()->setByCode(name.startsWith("code"));
    if (name.endsWith("phone"))
        child<QRadioButton>(dialog->signinFrame(), "rdbtnPhone")->setChecked(true);
    return dialog->signinFrame();
}

// The widget that has, or gets when the window is activated, the keyboard focus: no window
// manager hands the focus back to a window when an alert over it closes.
QWidget* focused(QWidget* window)
{
    return window->window()->focusWidget();
}

QString focusedName(QWidget* window)
{
    QWidget* widget = focused(window);
    return widget ? widget->objectName() : QString("(none)");
}

QStringList focusChain(QWidget* start, int steps)
{
    start->setFocus();
    QStringList names{focusedName(start)};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(focused(start), Qt::Key_Tab);
        names << focusedName(start);
    }
    return names;
}

} // namespace

class TestSignDialog : public QObject {
    Q_OBJECT
public:
    TestSignDialog(CaptureServer* server, BrowserRecorder* browser)
        : m_server(server)
        , m_browser(browser)
    {
    }

private:
    CaptureServer* m_server;
    BrowserRecorder* m_browser;
    std::unique_ptr<QSignDialog> m_dialog;

    QSignDialog* shown()
    {
        m_dialog.reset(new QSignDialog);
        m_dialog->show();
        m_dialog->activateWindow();
        if (!QTest::qWaitForWindowExposed(m_dialog.get()))
            qWarning("sign dialog not exposed");
        return m_dialog.get();
    }

    // Requests that reached the server since `from`, captcha pictures left out.
    std::vector<CaptureServer::Request> requestsSince(size_t from) const
    {
        std::vector<CaptureServer::Request> found;
        const std::vector<CaptureServer::Request> all = m_server->requests();
        for (size_t i = from; i < all.size(); ++i) {
            if (all[i].path != "/v1/app/imageVerify")
                found.push_back(all[i]);
        }
        return found;
    }

    static QString field(const CaptureServer::Request& request, const QString& key)
    {
        const QUrlQuery form(QString::fromStdString(request.body));
        return form.queryItemValue(key, QUrl::FullyDecoded);
    }

private slots:
    void init()
    {
        m_server->setAnswerFor("/v1/app/imageVerify", captchaAnswer());
    }

    void cleanup()
    {
        m_dialog.reset();
        m_server->clearPathAnswers();
        m_server->setAnswer(CaptureServer::Answer());
        pvApp()->signOut();
        pvApp()->settings()->setValue("autoLogin", false);
        m_browser->opened.clear();
    }

    void requiredFieldsInOrder_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("filled"); // object names, "name=text" for other text
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("focus");
        const QString email = "Please input email";
        const QString phone = "Please input phone number";
        const QString captcha = "Please input captcha";
        const QString code = "Please input verify code";
        QTest::newRow("password: account") << "password" << QStringList() << email << "lineEditAccount";
        QTest::newRow("password: phone account") << "password-phone" << QStringList() << phone << "lineEditAccount";
        QTest::newRow("password: blank account") << "password" << QStringList{"lineEditAccount=   "} << email
                                                 << "lineEditAccount";
        QTest::newRow("password: password") << "password" << QStringList{"lineEditAccount"}
                                            << "Please input password" << "lineEditPassword";
        QTest::newRow("code: account") << "code-phone" << QStringList() << phone << "lineEditCodeAccount";
        QTest::newRow("code: captcha") << "code" << QStringList{"lineEditCodeAccount"} << captcha << "lineEditCaptcha";
        QTest::newRow("code: code") << "code" << QStringList{"lineEditCodeAccount", "lineEditCaptcha"} << code
                                    << "lineEditCode";
        QTest::newRow("sign-up: password") << "signup" << QStringList{"lineEditAccount"} << "Please input password"
                                           << "lineEditPassword";
        QTest::newRow("sign-up: captcha") << "signup" << QStringList{"lineEditAccount", "lineEditPassword"} << captcha
                                          << "lineEditCaptcha";
        QTest::newRow("sign-up: code") << "signup" << QStringList{"lineEditAccount", "lineEditPassword", "lineEditCaptcha"}
                                       << code << "lineEditCode";
        QTest::newRow("sign-up: terms") << "signup"
                                        << QStringList{"lineEditAccount", "lineEditPassword", "lineEditCaptcha", "lineEditCode"}
                                        << "Please review term of service and agree to check it" << "checkBtnTerms";
        QTest::newRow("reset: account") << "modify" << QStringList() << email << "lineEditAccount";
        QTest::newRow("reset: new password") << "modify" << QStringList{"lineEditAccount", "lineEditCaptcha", "lineEditCode"}
                                             << "Please input new password" << "lineEditNewPassword";
        QTest::newRow("send code: account") << "signup-send" << QStringList{"lineEditPassword"} << email
                                            << "lineEditAccount";
        QTest::newRow("send code: captcha") << "signup-send" << QStringList{"lineEditAccount"} << captcha
                                            << "lineEditCaptcha";
    }
    void requiredFieldsInOrder()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, filled);
        QFETCH(QString, alert);
        QFETCH(QString, focus);
        QSignDialog* dialog = shown();
        std::unique_ptr<QModifyDialog> modify;
        QWidget* fields = ::form(dialog, modify, form);
        for (const QString& entry : filled) {
            const QStringList parts = entry.split('=');
            child<QLineEdit>(fields, parts[0])->setText(parts.size() > 1 ? parts[1] : "filled");
        }
        const size_t before = m_server->requestCount();
        AlertAnswerer answerer;
        answerer.arm();
        const char* button = form == "modify" ? "btnModify"
            : form == "signup-send"           ? "btnSendCode"
            : form == "signup"                ? "btnSignUp"
                                              : "btnSignIn";
        child<QPushButton>(fields, button)->click();
        QVERIFY(answerer.asked);
        QCOMPARE(answerer.title, QString("Alert"));
        QCOMPARE(answerer.detail, alert);
        QCOMPARE(focusedName(fields), focus);
        QVERIFY(requestsSince(before).empty());
    }

    void sendCodeCountsDown_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("verifyType");
        QTest::newRow("sign-up by e-mail") << "signup" << "/v1/app/emailCode" << "register";
        QTest::newRow("sign-in by SMS code") << "code-phone" << "/v1/app/checkCode" << "quicklogin";
        QTest::newRow("password reset") << "modify" << "/v1/app/emailCode" << "getpassword";
    }
    void sendCodeCountsDown()
    {
        QFETCH(QString, form);
        QFETCH(QString, path);
        QFETCH(QString, verifyType);
        QSignDialog* dialog = shown();
        std::unique_ptr<QModifyDialog> modify;
        QWidget* fields = ::form(dialog, modify, form);
        auto* box = fields->findChild<QVerifyCodeBox*>();
        QVERIFY(box && box->isVisible());
        QLineEdit* account = box->parentWidget()->findChild<QLineEdit*>(
            form.startsWith("code") ? "lineEditCodeAccount" : "lineEditAccount");
        account->setText(" ada@example.org ");
        box->captchaEdit()->setText("4711");
        const size_t before = m_server->requestCount();
        QPushButton* send = box->sendCodeButton();
        send->click();
        QCOMPARE(focused(box), box->codeEdit());
        QVERIFY(!send->isEnabled()); // no second request while the first is answered
        QTRY_COMPARE_WITH_TIMEOUT(send->text(), QString("60"), kWaitMs);

        const std::vector<CaptureServer::Request> sent = requestsSince(before);
        QCOMPARE(sent.size(), size_t(1));
        QCOMPARE(QString::fromStdString(sent[0].path), path);
        QCOMPARE(field(sent[0], "verifytype"), verifyType);
        QCOMPARE(field(sent[0], "imagecode"), QString("4711"));
        QCOMPARE(field(sent[0], "account"), QString("ada@example.org"));

        // One second a step, each step armed anew; the button stays shut until the end.
        QVERIFY(box->tickTimer().isSingleShot());
        QCOMPARE(box->tickTimer().interval(), 1000);
        for (int left = 59; left >= 1; --left) {
            QVERIFY(box->tickTimer().isActive());
            box->countdownTick();
            QCOMPARE(send->text(), QString::number(left));
            QVERIFY(!send->isEnabled());
        }
        QTest::mouseClick(send, Qt::LeftButton);
        box->countdownTick();
        QCOMPARE(send->text(), QString("Send Code"));
        QVERIFY(send->isEnabled());
        QVERIFY(!box->tickTimer().isActive());
        QCOMPARE(requestsSince(before).size(), size_t(1));
    }

    void refusalKeepsFields_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("alert");
        const QString wrong = R"({"code":20009,"message":"Wrong account or password"})";
        QTest::newRow("sign-in refused") << "signin" << 200 << wrong << "Wrong account or password";
        QTest::newRow("refused with HTTP status") << "signin" << 503 << R"({"code":50300,"message":"Busy"})"
                                                  << "Busy";
        QTest::newRow("no answer to read") << "signin" << 200 << "<html>proxy</html>"
                                           << "Network error, please try again.";
        QTest::newRow("success without key") << "signin" << 200 << R"({"code":10000})"
                                             << "Network error, please try again.";
        QTest::newRow("code refused") << "sendcode" << 200 << R"({"code":20003,"message":"Wrong captcha"})"
                                      << "Wrong captcha";
        QTest::newRow("profile refused") << "profile" << 200 << R"({"code":20012,"message":"Sign in again"})"
                                         << "Sign in again";
    }
    void refusalKeepsFields()
    {
        QFETCH(QString, action);
        QFETCH(int, status);
        QFETCH(QString, body);
        QFETCH(QString, alert);
        if (action == "profile") {
            m_server->setAnswerFor("/v1/app/emailLogin", answer(R"({"code":10000,"loginkey":"k-1"})"));
            m_server->setAnswerFor(kProfilePath, answer(body.toStdString(), status));
        } else {
            m_server->setAnswer(answer(body.toStdString(), status));
        }
        QSignDialog* dialog = shown();
        QSigninFrame* frame = dialog->signinFrame();
        frame->setByCode(action == "sendcode");
        const QStringList names = action == "sendcode" ? QStringList{"lineEditCodeAccount", "lineEditCaptcha"}
                                                        : QStringList{"lineEditAccount", "lineEditPassword"};
        for (int i = 0; i < names.size(); ++i)
            child<QLineEdit>(frame, names[i])->setText(QString("typed-%1").arg(i));
        QPushButton* button = child<QPushButton>(frame, action == "sendcode" ? "btnSendCode" : "btnSignIn");

        AlertAnswerer answerer;
        answerer.arm();
        button->click();
        QTRY_VERIFY_WITH_TIMEOUT(answerer.asked, kWaitMs);
        QCOMPARE(answerer.title, QString("Alert"));
        QCOMPARE(answerer.detail, alert);
        QVERIFY(dialog->isVisible());
        QVERIFY(!pvApp()->userContext());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(child<QLineEdit>(frame, names[i])->text(), QString("typed-%1").arg(i));
        // The user may try again at once.
        QVERIFY(button->isEnabled());
        QCOMPARE(button->text(), action == "sendcode" ? QString("Send Code") : QString("Sign In"));
        const size_t before = m_server->requestCount();
        answerer.asked = false;
        answerer.arm();
        button->click();
        QTRY_VERIFY_WITH_TIMEOUT(answerer.asked, kWaitMs);
        QVERIFY(m_server->requestCount() > before);
    }

    void signsInEachWay_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("autoLogin");
        QTest::addColumn<QString>("path");
        QTest::newRow("e-mail password, auto login") << "password" << true << "/v1/app/emailLogin";
        QTest::newRow("phone password") << "password-phone" << false << "/v1/app/login";
        QTest::newRow("code, auto login") << "code" << true << "/v1/app/getPhoneLogin";
        QTest::newRow("sign-up") << "signup" << false << "/v1/app/emailRegister";
    }
    void signsInEachWay()
    {
        QFETCH(QString, way);
        QFETCH(bool, autoLogin);
        QFETCH(QString, path);
        const QString key = QString::fromUtf8("key-ключ-") + way;
        m_server->setAnswerFor(path.toStdString(),
            answer(QJsonDocument(QJsonObject{{"code", 10000}, {"loginkey", key}}).toJson().toStdString()));
        m_server->setAnswerFor(kProfilePath,
            answer(R"({"code":10000,"message":"ok","mNickname":"Ada","mPhone":"138****0000"})"));
        // Someone was remembered before; unticking "Auto Login" forgets them.
        QSettings* settings = pvApp()->settings();
        settings->setValue("autoLogin", true);
        settings->setValue("lastUser", PVLastUser::toSetting("older-key"));

        QSignDialog* dialog = shown();
        std::unique_ptr<QModifyDialog> modify;
        QWidget* fields = ::form(dialog, modify, way);
        auto* autoLoginBox = child<QCheckBox>(dialog->signinFrame(), "checkBtnAutoLogin");
        QVERIFY(autoLoginBox->isChecked()); // starts as the setting says
        autoLoginBox->setChecked(autoLogin);
        for (QLineEdit* edit : fields->findChildren<QLineEdit*>()) {
            if (edit->isVisible())
                edit->setText("x");
        }
        if (way == "signup")
            child<QCheckBox>(fields, "checkBtnTerms")->setChecked(true);
        const size_t before = m_server->requestCount();
        child<QPushButton>(fields, way == "signup" ? "btnSignUp" : "btnSignIn")->click();
        QTRY_VERIFY_WITH_TIMEOUT(pvApp()->userContext(), kWaitMs);

        const std::vector<CaptureServer::Request> sent = requestsSince(before);
        QCOMPARE(sent.size(), size_t(2));
        QCOMPARE(QString::fromStdString(sent[0].path), path);
        QCOMPARE(sent[1].path, kProfilePath);
        QCOMPARE(field(sent[1], "loginkey"), key);
        const PVUserContext* user = pvApp()->userContext();
        QCOMPARE(user->loginKey(), key);
        QCOMPARE(user->nickname(), QString("Ada"));
        QVERIFY(!user->profile().contains("code") && !user->profile().contains("message"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        // What was decided is in the settings file when it is read afresh.
        std::unique_ptr<QSettings> reread(PVSettings::loadSettings(pvApp()->dataDirectory(), nullptr));
        QCOMPARE(reread->value("autoLogin").toBool(), autoLogin);
        QCOMPARE(reread->contains("lastUser"), autoLogin);
        if (autoLogin)
            QCOMPARE(PVLastUser::fromSetting(reread->value("lastUser")), key);
    }

    void browserSignIn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("WeChat") << "btnWeChat";
        QTest::newRow("QQ") << "btnQQ";
        QTest::newRow("YouTube") << "btnYouTube";
    }
    void browserSignIn()
    {
        QFETCH(QString, button);
        const QString page = "http://127.0.0.1:9/v1/app/qrLogin?guid=g-1";
        m_server->setAnswerFor("/v1/app/wxLoginGuid", guidAnswer("g-1", page));
        m_server->setAnswerFor("/v1/app/wxReceipt", answer(R"({"code":20013,"message":"pending"})"));
        m_server->setAnswerFor(kProfilePath, answer(R"({"code":10000,"mNickname":"Qr"})"));
        QSignDialog* dialog = shown();
        QSignSNSFrame* sns = dialog->signinFrame()->snsFrame();
        const size_t before = m_server->requestCount();
        child<QPushButton>(sns, button)->click();
        const QList<QUrl> opened{QUrl(page)};
        QTRY_COMPARE_WITH_TIMEOUT(m_browser->opened, opened, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(requestsSince(before).size() >= 2, kWaitMs);
        const CaptureServer::Request poll = requestsSince(before)[1];
        QCOMPARE(poll.path, std::string("/v1/app/wxReceipt"));
        QCOMPARE(field(poll, "guid"), QString("g-1"));
        // Pending: asked again a second later.
        QTRY_VERIFY_WITH_TIMEOUT(sns->pollTimer().isActive(), kWaitMs);
        QCOMPARE(sns->pollTimer().interval(), 1000);

        m_server->setAnswerFor("/v1/app/wxReceipt", answer(R"({"code":10000,"loginkey":"k-qr"})"));
        QTRY_VERIFY_WITH_TIMEOUT(pvApp()->userContext(), kWaitMs);
        QCOMPARE(pvApp()->userContext()->loginKey(), QString("k-qr"));
        QVERIFY(!sns->isPolling());
        QVERIFY(!dialog->isVisible());
    }

    void browserSignInEndsWithTheDialog()
    {
        m_server->setAnswerFor("/v1/app/wxLoginGuid",
            guidAnswer("g-2", "https://accounts.example.org/v1/app/qrLogin?guid=g-2"));
        m_server->setAnswerFor("/v1/app/wxReceipt", answer(R"({"code":20013,"message":"pending"})"));
        QSignDialog* dialog = shown();
        dialog->showPage(QSignDialog::PageSignUp);
        QSignSNSFrame* sns = dialog->signupFrame()->snsFrame();
        child<QPushButton>(sns, "btnWeChat")->click();
        QTRY_VERIFY_WITH_TIMEOUT(sns->pollTimer().isActive(), kWaitMs);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!sns->isPolling());
        QVERIFY(!sns->pollTimer().isActive());
        const size_t after = m_server->requestCount();
        QTest::qWait(1300);
        QCOMPARE(m_server->requestCount(), after);
    }

    void browserPageMustBeAWebPage()
    {
        m_server->setAnswerFor("/v1/app/wxLoginGuid", guidAnswer("g-3", "file:///etc/passwd"));
        QSignDialog* dialog = shown();
        AlertAnswerer answerer;
        answerer.arm();
        child<QPushButton>(dialog->signinFrame()->snsFrame(), "btnWeChat")->click();
        QTRY_VERIFY_WITH_TIMEOUT(answerer.asked, kWaitMs);
        QVERIFY(m_browser->opened.isEmpty());
        QVERIFY(!dialog->signinFrame()->snsFrame()->isPolling());
    }

    void keyboard()
    {
        QSignDialog* dialog = shown();
        QTRY_VERIFY(dialog->isActiveWindow());
        QCOMPARE(focusedName(dialog), QString("lineEditAccount"));
        // Only the shown frame's bar button is on the Tab way; the arrows move along the bar.
        QCOMPARE(focusChain(child<QWidget>(dialog, "barBtnSignIn"), 11),
            QStringList({"barBtnSignIn", "rdbtnEmail", "lineEditAccount", "lineEditPassword", "checkBtnAutoLogin",
                "labelForgot", "btnSignIn", "labelSwitch", "btnWeChat", "btnQQ", "btnYouTube", "barBtnSignIn"}));

        // The switch link by keyboard shows the code fields and says how to go back.
        auto* link = child<QLabel>(dialog, "labelSwitch");
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QVERIFY(dialog->signinFrame()->isByCode());
        QCOMPARE(link->text(), QString("Sign in by userpass"));
        QCOMPARE(focusedName(dialog), QString("lineEditCodeAccount"));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(link->text(), QString("Sign in by smscode"));

        // The right arrow on the bar shows the sign-up frame; a click also moves into it.
        child<QWidget>(dialog, "barBtnSignIn")->setFocus();
        QTest::keyClick(child<QWidget>(dialog, "barBtnSignIn"), Qt::Key_Right);
        QCOMPARE(dialog->currentPage(), QSignDialog::PageSignUp);
        QCOMPARE(focusedName(dialog), QString("barBtnSignUp"));
        QTest::mouseClick(child<QWidget>(dialog, "barBtnSignIn"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>(dialog, "barBtnSignUp"), Qt::LeftButton);
        QCOMPARE(focusedName(dialog), QString("lineEditAccount"));
        // The captcha picture is on the way once it has come.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->signupFrame()->codeBox()->captchaButton()->isEnabled(), kWaitMs);
        QCOMPARE(focusChain(child<QWidget>(dialog, "barBtnSignUp"), 14),
            QStringList({"barBtnSignUp", "rdbtnEmail", "lineEditAccount", "lineEditPassword", "lineEditCaptcha",
                "btnCaptcha", "lineEditCode", "btnSendCode", "checkBtnTerms", "labelTerms", "btnSignUp", "btnWeChat",
                "btnQQ", "btnYouTube", "barBtnSignUp"}));

        // Enter in a field presses the shown frame's button.
        AlertAnswerer answerer;
        answerer.arm();
        QTest::keyClick(dialog->signupFrame()->findChild<QLineEdit*>("lineEditAccount"), Qt::Key_Return);
        QCOMPARE(answerer.detail, QString("Please input email"));

        // "Forgot Password?" by keyboard, on the sign-in frame, with the account typed there.
        dialog->showPage(QSignDialog::PageSignIn);
        child<QLineEdit>(dialog->signinFrame(), "lineEditAccount")->setText("ada@example.org");
        auto* forgot = child<QLabel>(dialog, "labelForgot");
        forgot->setFocus();
        QTimer::singleShot(0, this, [] {
            auto* modify = qobject_cast<QModifyDialog*>(QApplication::activeModalWidget());
            QVERIFY(modify);
            QTRY_VERIFY_WITH_TIMEOUT(modify->codeBox()->captchaButton()->isEnabled(), kWaitMs);
            QVERIFY(!modify->codeBox()->captchaButton()->icon().isNull());
            QCOMPARE(modify->account(), QString("ada@example.org"));
            QCOMPARE(focusedName(modify), QString("lineEditCaptcha"));
            QCOMPARE(focusChain(child<QWidget>(modify, "lineEditAccount"), 7),
                QStringList({"lineEditAccount", "lineEditCaptcha", "btnCaptcha", "lineEditCode", "btnSendCode",
                    "lineEditNewPassword", "btnModify", "btnCancel"}));
            QTest::keyClick(modify, Qt::Key_Escape);
        });
        QTest::keyClick(forgot, Qt::Key_Return);
        QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == dialog);
        QVERIFY(dialog->isVisible());

        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void userPanelAtTheSignButton()
    {
        QWidget home;
        auto* anchor = new QPushButton("Ada", &home);
        anchor->setGeometry(500, 10, 120, 26);
        home.resize(700, 300);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        pvApp()->setUserContext(PVUserContext::create("key-p", QJsonObject{{"mNickname", ""}, {"mPhone", "138****0000"}})
                                    .release());
        pvApp()->showSignIn(anchor);
        auto* panel = qobject_cast<QUserPanel*>(QApplication::activePopupWidget());
        QVERIFY(panel);
        QCOMPARE(child<QLabel>(panel, "lbUserName")->text(), QString("138****0000"));
        QCOMPARE(panel->frameGeometry().right(), anchor->mapToGlobal(QPoint(anchor->width() - 1, 0)).x());
        QVERIFY(panel->y() > anchor->mapToGlobal(QPoint(0, anchor->height())).y());

        // Escape closes it and nobody is signed out.
        QPointer<QUserPanel> first = panel;
        QTest::keyClick(focused(panel), Qt::Key_Escape);
        QTRY_VERIFY(!first);
        QVERIFY(pvApp()->userContext());

        // Enter on "Sign out".
        pvApp()->showSignIn(anchor);
        QPointer<QUserPanel> second = qobject_cast<QUserPanel*>(QApplication::activePopupWidget());
        QVERIFY(second);
        QCOMPARE(focusedName(second), QString("btnSignOut"));
        QTest::keyClick(focused(second), Qt::Key_Return);
        QVERIFY(!pvApp()->userContext());
        QVERIFY(!pvApp()->settings()->contains("lastUser"));
        QTRY_VERIFY(!second);

        // Signed out, the same button opens the sign-in dialog, modally.
        QTimer::singleShot(0, this, [] {
            QTRY_VERIFY(qobject_cast<QSignDialog*>(QApplication::activeModalWidget()));
            QApplication::activeModalWidget()->close();
        });
        pvApp()->showSignIn(anchor);
    }

    void userPanelPlacement_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("under, right edges aligned") << QRect(600, 10, 120, 26) << QPoint(520, 40);
        QTest::newRow("kept inside on the left") << QRect(10, 10, 120, 26) << QPoint(0, 40);
        QTest::newRow("above when no room below") << QRect(600, 650, 120, 26) << QPoint(520, 545);
    }
    void userPanelPlacement()
    {
        QFETCH(QRect, anchor);
        QFETCH(QPoint, at);
        QCOMPARE(QUserPanel::placement(anchor, QSize(200, 100), QRect(0, 0, 1000, 700)), at);
    }
};

int main(int argc, char** argv)
{
    CaptureServer server;
    qputenv("PIVORA_API_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(server.port()));
    QPivoraApplication app(argc, argv);
    BrowserRecorder browser;
    QDesktopServices::setUrlHandler("http", &browser, "openUrl");
    QDesktopServices::setUrlHandler("https", &browser, "openUrl");
    TestSignDialog test(&server, &browser);
    return QTest::qExec(&test, argc, argv);
}

#include "test_signdialog.moc"
