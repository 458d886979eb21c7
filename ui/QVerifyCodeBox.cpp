#include "ui/QVerifyCodeBox.h"

#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSignForm.h"
#include "ui/QAccountKindSwitch.h"

#include <QBuffer>
#include <QEvent>
#include <QGridLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

namespace {

QPVApiService* apiService()
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    return app ? app->apiService() : nullptr;
}

} // namespace

QVerifyCodeBox::QVerifyCodeBox(const QString& verifyType, QWidget* parent)
    : QWidget(parent)
    , m_verifyType(verifyType)
    , m_captchaEdit(new QLineEdit(this))
    , m_captchaButton(new QPushButton(this))
    , m_codeEdit(new QLineEdit(this))
    , m_sendCode(new QPushButton(this))
{
    m_captchaEdit->setObjectName(QStringLiteral("lineEditCaptcha"));
    m_captchaButton->setObjectName(QStringLiteral("btnCaptcha"));
    m_codeEdit->setObjectName(QStringLiteral("lineEditCode"));
    m_sendCode->setObjectName(QStringLiteral("btnSendCode"));
    for (QLineEdit* edit : {m_captchaEdit, m_codeEdit})
        PVSignForm::setSkinRole(edit, "field");
    PVSignForm::setSkinRole(m_captchaButton, "captcha");
    PVSignForm::setSkinRole(m_sendCode, "sendcode");
    m_codeEdit->setMaxLength(16);
    m_codeEdit->setInputMethodHints(Qt::ImhDigitsOnly);
    m_captchaEdit->setMaxLength(16);

    // The picture is shown at half its pixel size, sharp on high-density screens.
    const QSize pictureSize(kCaptchaWidth / 2, kCaptchaHeight / 2);
    m_captchaButton->setFixedSize(pictureSize);
    m_captchaButton->setIconSize(pictureSize);
    m_captchaButton->setCursor(Qt::PointingHandCursor);
    m_sendCode->setFixedSize(pictureSize);
    m_sendCode->setCursor(Qt::PointingHandCursor);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);
    grid->addWidget(m_captchaEdit, 0, 0);
    grid->addWidget(m_captchaButton, 0, 1);
    grid->addWidget(m_codeEdit, 1, 0);
    grid->addWidget(m_sendCode, 1, 1);

    m_tick.setSingleShot(true);
    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &QVerifyCodeBox::countdownTick);
    connect(m_captchaButton, &QPushButton::clicked, this, &QVerifyCodeBox::loadCaptcha);
    connect(m_sendCode, &QPushButton::clicked, this, &QVerifyCodeBox::didClickSendCode);
    retranslate();
}

void QVerifyCodeBox::setAccount(QLineEdit* account, QAccountKindSwitch* kind)
{
    m_account = account;
    m_kind = kind;
}

void QVerifyCodeBox::showEvent(QShowEvent* event)
{
    // A form that comes into view gets a fresh captcha: the service keeps only the newest one
    // per device. Re-exposing a minimised window is not coming into view.
    if (!event->spontaneous())
        loadCaptcha();
    QWidget::showEvent(event);
}

void QVerifyCodeBox::loadCaptcha()
{
    QPVApiService* api = apiService();
    if (!api)
        return;
    m_captchaButton->setEnabled(false);
    api->loadCaptchaImage(kCaptchaLength, kCaptchaWidth, kCaptchaHeight, this, "didApiLoadCaptchaImage");
}

void QVerifyCodeBox::didApiLoadCaptchaImage(int result, QJsonObject* resObject)
{
    m_captchaButton->setEnabled(true);
    if (result != PVSignForm::kApiSuccess)
        qWarning("Captcha not loaded: result %d", result);
    else if (showCaptcha(resObject->value(QLatin1String("image")).toString().toLatin1()))
        return;
    // Without a picture the button says how to try again.
    m_captchaButton->setIcon(QIcon());
    m_captchaButton->setText(tr("Refresh"));
}

bool QVerifyCodeBox::showCaptcha(const QByteArray& base64)
{
    QByteArray bytes = QByteArray::fromBase64(base64);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        qWarning("Captcha answer has no usable picture (%dx%d)", size.width(), size.height());
        return false;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        qWarning("Captcha picture unreadable: %s", qPrintable(reader.errorString()));
        return false;
    }
    m_captchaButton->setIcon(QIcon(QPixmap::fromImage(image)));
    m_captchaButton->setText(QString());
    qInfo("Captcha loaded");
    return true;
}

void QVerifyCodeBox::didClickSendCode()
{
    QPVApiService* api = apiService();
    if (!api || !m_account || !m_kind || m_codeRequested || m_secondsLeft > 0)
        return;
    if (!PVSignForm::requireFilled(window(), {m_account, m_captchaEdit}))
        return;
    m_codeRequested = true;
    refreshSendCode();
    // The code is what comes next; the disabled button would otherwise pass the focus on.
    m_codeEdit->setFocus(Qt::OtherFocusReason);
    const QString account = PVSignForm::fieldText(m_account);
    const QString captcha = PVSignForm::fieldText(m_captchaEdit);
    qInfo("Asking for a verification code (%s, %s)", qPrintable(m_verifyType),
          m_kind->isEmail() ? "e-mail" : "SMS");
    const auto send = m_kind->isEmail() ? &QPVApiService::sendEmailCode : &QPVApiService::sendSmsCode;
    (api->*send)(account, captcha, m_verifyType, this, "didApiCheckCode");
}

void QVerifyCodeBox::didApiCheckCode(int result, QJsonObject* resObject)
{
    m_codeRequested = false;
    if (result != PVSignForm::kApiSuccess) {
        refreshSendCode();
        qInfo("Verification code refused: result %d", result);
        PVSignForm::alert(window(), PVSignForm::refusalText(resObject));
        return;
    }
    qInfo("Verification code sent");
    m_secondsLeft = kCountdownSeconds;
    refreshSendCode();
    m_tick.start();
}

void QVerifyCodeBox::countdownTick()
{
    if (m_secondsLeft <= 0)
        return;
    --m_secondsLeft;
    refreshSendCode();
    if (m_secondsLeft > 0)
        m_tick.start();
    else
        m_tick.stop();
}

void QVerifyCodeBox::refreshSendCode()
{
    const bool counting = m_secondsLeft > 0;
    m_sendCode->setText(counting ? QString::number(m_secondsLeft) : tr("Send Code"));
    m_sendCode->setEnabled(!counting && !m_codeRequested);
}

void QVerifyCodeBox::retranslate()
{
    m_captchaEdit->setPlaceholderText(tr("Please input captcha"));
    m_codeEdit->setPlaceholderText(tr("Please input verify code"));
    m_captchaButton->setToolTip(tr("Click to load another picture"));
    refreshSendCode();
}

void QVerifyCodeBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
