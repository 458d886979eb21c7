#include "ui/QSigninFrame.h"

#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSignForm.h"
#include "ui/QAccountKindSwitch.h"
#include "ui/QELabel.h"
#include "ui/QModifyDialog.h"
#include "ui/QSignSNSFrame.h"
#include "ui/QVerifyCodeBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

QPivoraApplication* application()
{
    return qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
}

QVBoxLayout* columnOf(QWidget* widget, int spacing)
{
    auto* column = new QVBoxLayout(widget);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    return column;
}

} // namespace

QSigninFrame::QSigninFrame(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frameSignIn"));
    buildForm();
    QPivoraApplication* app = application();
    m_autoLogin->setChecked(app && app->settings() && app->settings()->value(QStringLiteral("autoLogin")).toBool());
    setByCode(false);
    retranslate();
}

void QSigninFrame::buildForm()
{
    // Created in the order the Tab key visits them.
    m_kind = new QAccountKindSwitch(this);
    m_byAccount = new QFrame(this);
    m_byAccount->setObjectName(QStringLiteral("frameSignByAccount"));
    m_account = PVSignForm::createField(m_byAccount, "lineEditAccount");
    m_password = PVSignForm::createField(m_byAccount, "lineEditPassword", true);
    QVBoxLayout* byAccount = columnOf(m_byAccount, 14);
    byAccount->addWidget(m_account);
    byAccount->addWidget(m_password);

    m_byCode = new QFrame(this);
    m_byCode->setObjectName(QStringLiteral("frameSignByCode"));
    m_codeAccount = PVSignForm::createField(m_byCode, "lineEditCodeAccount");
    m_codeBox = new QVerifyCodeBox(QStringLiteral("quicklogin"), m_byCode);
    m_codeBox->setAccount(m_codeAccount, m_kind);
    QVBoxLayout* byCode = columnOf(m_byCode, 14);
    byCode->addWidget(m_codeAccount);
    byCode->addWidget(m_codeBox);
    m_kind->bindAccount(m_account);
    m_kind->bindAccount(m_codeAccount);

    m_autoLogin = new QCheckBox(this);
    m_autoLogin->setObjectName(QStringLiteral("checkBtnAutoLogin"));
    m_forgot = PVSignForm::createLink(this, "labelForgot");
    auto* options = new QHBoxLayout;
    options->addWidget(m_autoLogin);
    options->addStretch(1);
    options->addWidget(m_forgot);

    m_signIn = PVSignForm::createPrimaryButton(this, "btnSignIn");
    m_switch = PVSignForm::createLink(this, "labelSwitch");
    m_switch->setAlignment(Qt::AlignCenter);
    m_sns = new QSignSNSFrame(this);

    QVBoxLayout* column = columnOf(this, 14);
    column->addWidget(m_kind);
    column->addWidget(m_byAccount);
    column->addWidget(m_byCode);
    column->addLayout(options);
    column->addSpacing(4);
    column->addWidget(m_signIn);
    column->addWidget(m_switch, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addWidget(m_sns);

    connect(m_signIn, &QPushButton::clicked, this, &QSigninFrame::didClickSignIn);
    connect(m_switch, &QELabel::clicked, this, &QSigninFrame::didClickSwitch);
    connect(m_forgot, &QELabel::clicked, this, &QSigninFrame::didClickForgot);
    connect(m_sns, &QSignSNSFrame::didReceiveLoginKey, this, &QSigninFrame::didReceiveLoginKey);
}

bool QSigninFrame::isAutoLogin() const
{
    return m_autoLogin->isChecked();
}

bool QSigninFrame::isByCode() const
{
    return !m_byCode->isHidden();
}

bool QSigninFrame::isEmail() const
{
    return m_kind->isEmail();
}

void QSigninFrame::setByCode(bool byCode)
{
    // The account typed for one way in is kept for the other.
    QLineEdit* from = byCode ? m_account : m_codeAccount;
    QLineEdit* to = byCode ? m_codeAccount : m_account;
    if (to->text().isEmpty())
        to->setText(from->text());
    m_byAccount->setVisible(!byCode);
    m_byCode->setVisible(byCode);
    retranslate();
}

QLineEdit* QSigninFrame::shownAccount() const
{
    return isByCode() ? m_codeAccount : m_account;
}

void QSigninFrame::focusFirstField()
{
    if (isByCode())
        PVSignForm::focusFirstEmpty({m_codeAccount, m_codeBox->captchaEdit(), m_codeBox->codeEdit()});
    else
        PVSignForm::focusFirstEmpty({m_account, m_password});
}

void QSigninFrame::didClickSwitch()
{
    setByCode(!isByCode());
    focusFirstField();
}

void QSigninFrame::didClickSignIn()
{
    if (m_pending)
        return;
    if (isByCode())
        signInByCode();
    else
        signInByPassword();
}

void QSigninFrame::signInByPassword()
{
    QPVApiService* api = application() ? application()->apiService() : nullptr;
    if (!api || !PVSignForm::requireFilled(window(), {m_account, m_password}))
        return;
    m_pending = true;
    qInfo("Signing in with %s and password", isEmail() ? "e-mail" : "phone number");
    const auto signIn = isEmail() ? &QPVApiService::loginWithEmail : &QPVApiService::loginWithPhone;
    (api->*signIn)(PVSignForm::fieldText(m_account), m_password->text(), this, "didApiLoginWithAccount");
}

void QSigninFrame::signInByCode()
{
    QPVApiService* api = application() ? application()->apiService() : nullptr;
    QLineEdit* captcha = m_codeBox->captchaEdit();
    QLineEdit* code = m_codeBox->codeEdit();
    if (!api || !PVSignForm::requireFilled(window(), {m_codeAccount, captcha, code}))
        return;
    m_pending = true;
    qInfo("Signing in with a verification code");
    api->loginWithCode(PVSignForm::fieldText(m_codeAccount), PVSignForm::fieldText(captcha),
                       PVSignForm::fieldText(code), this, "didApiLoginWithCode");
}

void QSigninFrame::didApiLoginWithAccount(int result, QJsonObject* resObject)
{
    finishSignIn(result, resObject);
}

void QSigninFrame::didApiLoginWithCode(int result, QJsonObject* resObject)
{
    finishSignIn(result, resObject);
}

void QSigninFrame::finishSignIn(int result, const QJsonObject* answer)
{
    m_pending = false;
    const QString loginKey = PVSignForm::acceptedLoginKey(window(), result, answer, "Sign-in");
    if (!loginKey.isEmpty())
        emit didReceiveLoginKey(loginKey);
}

void QSigninFrame::didClickForgot()
{
    QPointer<QSigninFrame> self(this);
    QPointer<QModifyDialog> dialog = new QModifyDialog(window(), PVSignForm::fieldText(shownAccount()), isEmail());
    const int answer = dialog->exec();
    const QString account = dialog ? dialog->account() : QString();
    const bool email = dialog ? dialog->isEmail() : true;
    delete dialog.data();
    if (!self)
        return;
    // With the nested dialogs gone the window manager may leave no window active, and the
    // keyboard would reach nothing until the user clicks.
    window()->activateWindow();
    if (answer != QDialog::Accepted)
        return;
    // Back to signing in with the new password.
    m_kind->setEmail(email);
    m_account->setText(account);
    m_password->clear();
    setByCode(false);
    m_password->setFocus(Qt::OtherFocusReason);
}

void QSigninFrame::retranslate()
{
    m_password->setPlaceholderText(tr("Please input password"));
    m_autoLogin->setText(tr("Auto Login"));
    m_forgot->setText(tr("Forgot Password?"));
    m_signIn->setText(tr("Sign In"));
    m_switch->setText(isByCode() ? tr("Sign in by userpass") : tr("Sign in by smscode"));
}

void QSigninFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
