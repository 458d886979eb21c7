#include "ui/QSignupFrame.h"

#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSignForm.h"
#include "ui/QAccountKindSwitch.h"
#include "ui/QELabel.h"
#include "ui/QSignSNSFrame.h"
#include "ui/QVerifyCodeBox.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kTermsResource[] = ":/asset/terms-of-service.html";

// The compiled-in page, written where the browser can read it.
bool writeTerms(const QString& path)
{
    QFile source(QString::fromLatin1(kTermsResource));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile target(path);
    return target.open(QIODevice::WriteOnly) && target.write(source.readAll()) >= 0 && target.commit();
}

} // namespace

QSignupFrame::QSignupFrame(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frameSignUp"));
    buildForm();
    retranslate();
}

void QSignupFrame::buildForm()
{
    // Created in the order the Tab key visits them.
    m_kind = new QAccountKindSwitch(this);
    m_account = PVSignForm::createField(this, "lineEditAccount");
    m_password = PVSignForm::createField(this, "lineEditPassword", true);
    m_kind->bindAccount(m_account);
    m_codeBox = new QVerifyCodeBox(QStringLiteral("register"), this);
    m_codeBox->setAccount(m_account, m_kind);
    m_terms = new QCheckBox(this);
    m_terms->setObjectName(QStringLiteral("checkBtnTerms"));
    m_termsLink = PVSignForm::createLink(this, "labelTerms");
    m_signUp = PVSignForm::createPrimaryButton(this, "btnSignUp");
    m_sns = new QSignSNSFrame(this);

    auto* terms = new QHBoxLayout;
    terms->setSpacing(0);
    terms->addWidget(m_terms);
    terms->addWidget(m_termsLink);
    terms->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);
    column->addWidget(m_kind);
    column->addWidget(m_account);
    column->addWidget(m_password);
    column->addWidget(m_codeBox);
    column->addLayout(terms);
    column->addSpacing(4);
    column->addWidget(m_signUp);
    column->addStretch(1);
    column->addWidget(m_sns);

    connect(m_signUp, &QPushButton::clicked, this, &QSignupFrame::didClickSignUp);
    connect(m_termsLink, &QELabel::clicked, this, &QSignupFrame::didClickTerms);
    connect(m_sns, &QSignSNSFrame::didReceiveLoginKey, this, &QSignupFrame::didReceiveLoginKey);
}

void QSignupFrame::focusFirstField()
{
    PVSignForm::focusFirstEmpty({m_account, m_password, m_codeBox->captchaEdit(), m_codeBox->codeEdit()});
}

void QSignupFrame::didClickSignUp()
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    QPVApiService* api = app ? app->apiService() : nullptr;
    QLineEdit* captcha = m_codeBox->captchaEdit();
    QLineEdit* code = m_codeBox->codeEdit();
    if (m_pending || !api || !PVSignForm::requireFilled(window(), {m_account, m_password, captcha, code}))
        return;
    if (!m_terms->isChecked()) {
        PVSignForm::alert(window(), tr("Please review term of service and agree to check it"));
        m_terms->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_pending = true;
    const bool email = m_kind->isEmail();
    qInfo("Signing up with %s", email ? "e-mail" : "phone number");
    const auto signUp = email ? &QPVApiService::registerWithEmail : &QPVApiService::registerWithPhone;
    (api->*signUp)(PVSignForm::fieldText(m_account), m_password->text(), PVSignForm::fieldText(captcha),
                   PVSignForm::fieldText(code), this, "didApiRegisterAccount");
}

void QSignupFrame::didApiRegisterAccount(int result, QJsonObject* resObject)
{
    m_pending = false;
    const QString loginKey = PVSignForm::acceptedLoginKey(window(), result, resObject, "Sign-up");
    if (loginKey.isEmpty())
        return;
    qInfo("Account created");
    emit didReceiveLoginKey(loginKey);
}

QString QSignupFrame::termsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/terms-of-service.html");
}

void QSignupFrame::didClickTerms()
{
    const QString path = termsFilePath();
    if (!writeTerms(path)) {
        qWarning("Terms of service could not be written to %s", qUtf8Printable(path));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        qWarning("The web browser could not be started for the terms of service");
}

void QSignupFrame::retranslate()
{
    m_password->setPlaceholderText(tr("Please input password"));
    m_terms->setText(tr("I have read and agreed to "));
    m_termsLink->setText(tr("Term of Service"));
    m_signUp->setText(tr("Sign Up"));
}

void QSignupFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
