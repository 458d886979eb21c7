#include "ui/QModifyDialog.h"

#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSignForm.h"
#include "ui/PVSkin.h"
#include "ui/QAccountKindSwitch.h"
#include "ui/QVerifyCodeBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

QModifyDialog::QModifyDialog(QWidget* parent, const QString& account, bool email)
    : FramelessWindow<QDialog>(parent, false)
{
    setObjectName(QStringLiteral("QModifyDialog"));
    setModal(true);
    // Before any child exists, as for the sign-in dialog.
    PVSkin::applyWith(this, "QSignDialog");
    buildForm();
    m_kind->setEmail(email);
    m_account->setText(account);
    retranslate();
}

void QModifyDialog::buildForm()
{
    m_titlebar = PVSignForm::createTitleBar(this);
    setTitleWidgets({m_titlebar});
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("contentMain"));
    PVSignForm::setSkinRole(content, "content");
    m_kind = new QAccountKindSwitch(content);
    m_account = PVSignForm::createField(content, "lineEditAccount");
    m_kind->bindAccount(m_account);
    m_codeBox = new QVerifyCodeBox(QStringLiteral("getpassword"), content);
    m_codeBox->setAccount(m_account, m_kind);
    m_newPasswordLabel = new QLabel(content);
    m_newPasswordLabel->setObjectName(QStringLiteral("lbNewPassword"));
    m_newPassword = PVSignForm::createField(content, "lineEditNewPassword", true);
    m_cancel = new QPushButton(content);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    PVSignForm::setSkinRole(m_cancel, "secondary");
    m_modify = PVSignForm::createPrimaryButton(content, "btnModify");
    m_modify->setDefault(true);
    // The Tab key reaches Modify before Cancel, the way the form is read.
    setTabOrder(m_newPassword, m_modify);
    setTabOrder(m_modify, m_cancel);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(m_cancel, 1);
    buttons->addWidget(m_modify, 1);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(32, 20, 32, 28);
    column->setSpacing(14);
    column->addWidget(m_kind);
    column->addWidget(m_account);
    column->addWidget(m_codeBox);
    column->addWidget(m_newPasswordLabel);
    column->addWidget(m_newPassword);
    column->addSpacing(6);
    column->addLayout(buttons);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(1, 1, 1, 1);
    window->setSpacing(0);
    window->addWidget(m_titlebar);
    window->addWidget(content);
    setFixedWidth(420);

    connect(m_modify, &QPushButton::clicked, this, &QModifyDialog::didClickModify);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString QModifyDialog::account() const
{
    return PVSignForm::fieldText(m_account);
}

bool QModifyDialog::isEmail() const
{
    return m_kind->isEmail();
}

void QModifyDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        PVSignForm::centerOnParent(this);
    FramelessWindow<QDialog>::showEvent(event);
    if (!event->spontaneous())
        PVSignForm::focusFirstEmpty({m_account, m_codeBox->captchaEdit(), m_codeBox->codeEdit(), m_newPassword});
}

void QModifyDialog::didClickModify()
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    QPVApiService* api = app ? app->apiService() : nullptr;
    QLineEdit* captcha = m_codeBox->captchaEdit();
    QLineEdit* code = m_codeBox->codeEdit();
    if (m_pending || !api || !PVSignForm::requireFilled(this, {m_account, captcha, code, m_newPassword}))
        return;
    m_pending = true;
    qInfo("Resetting the password of an %s account", isEmail() ? "e-mail" : "phone");
    const auto reset = isEmail() ? &QPVApiService::resetPasswordWithEmail : &QPVApiService::resetPasswordWithPhone;
    (api->*reset)(PVSignForm::fieldText(m_account), m_newPassword->text(), PVSignForm::fieldText(captcha),
                  PVSignForm::fieldText(code), this, "didApiResetPassword");
}

void QModifyDialog::didApiResetPassword(int result, QJsonObject* resObject)
{
    m_pending = false;
    if (result != PVSignForm::kApiSuccess) {
        qInfo("Password reset refused: result %d", result);
        PVSignForm::alert(this, PVSignForm::refusalText(resObject));
        return;
    }
    QPointer<QModifyDialog> self(this);
    PVSignForm::tip(this, tr("Modified succeed"));
    if (self)
        accept();
}

void QModifyDialog::retranslate()
{
    setWindowTitle(tr("Modify Password"));
    PVSignForm::refreshCaption(this);
    m_newPasswordLabel->setText(tr("New Password"));
    m_newPassword->setPlaceholderText(tr("Please input new password"));
    m_modify->setText(tr("Modify"));
    m_cancel->setText(tr("Cancel"));
}

void QModifyDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessWindow<QDialog>::changeEvent(event);
}
