#include "ui/QSignSNSFrame.h"

#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSignForm.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPVApiService* apiService()
{
    auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
    return app ? app->apiService() : nullptr;
}

// Only web pages are handed to the browser; any other scheme could start another program.
bool isWebPage(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

} // namespace

QSignSNSFrame::QSignSNSFrame(QWidget* parent)
    : QFrame(parent)
    , m_title(new QLabel(this))
    , m_weChat(new QPushButton(this))
    , m_qq(new QPushButton(this))
    , m_youTube(new QPushButton(this))
{
    setObjectName(QStringLiteral("frameSNS"));
    m_title->setObjectName(QStringLiteral("lbSignWith"));
    m_title->setAlignment(Qt::AlignCenter);
    m_weChat->setObjectName(QStringLiteral("btnWeChat"));
    m_qq->setObjectName(QStringLiteral("btnQQ"));
    m_youTube->setObjectName(QStringLiteral("btnYouTube"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    for (QPushButton* button : {m_weChat, m_qq, m_youTube}) {
        PVSignForm::setSkinRole(button, "sns");
        button->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(button, button == m_weChat ? 2 : 1);
        // Every service's button opens the one confirmation page of our own service.
        connect(button, &QPushButton::clicked, this, &QSignSNSFrame::didClickWeChat);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(m_title);
    column->addLayout(buttons);

    m_poll.setSingleShot(true);
    m_poll.setInterval(kPollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &QSignSNSFrame::poll);
    retranslate();
}

void QSignSNSFrame::didClickWeChat()
{
    QPVApiService* api = apiService();
    if (!api || m_guidRequested)
        return;
    m_guidRequested = true;
    api->weChatLoginGuid(this, "didApiWeChatLogin");
}

void QSignSNSFrame::didApiWeChatLogin(int result, QJsonObject* resObject)
{
    m_guidRequested = false;
    if (result != PVSignForm::kApiSuccess) {
        qInfo("Browser sign-in refused: result %d", result);
        PVSignForm::alert(window(), PVSignForm::refusalText(resObject));
        return;
    }
    const QString guid = resObject->value(QLatin1String("guid")).toString();
    const QUrl page(resObject->value(QLatin1String("url")).toString());
    if (guid.isEmpty() || !isWebPage(page)) {
        qWarning("Browser sign-in answer lacks a request id or a web page address");
        PVSignForm::alert(window(), PVSignForm::refusalText(nullptr));
        return;
    }
    // A second request replaces the first; the loop of polls goes on with the new id.
    m_guid = guid;
    qInfo("Browser sign-in started");
    if (!QDesktopServices::openUrl(page))
        qWarning("The web browser could not be started for the sign-in page");
    if (!m_pollInFlight) {
        m_poll.stop();
        poll();
    }
}

void QSignSNSFrame::poll()
{
    QPVApiService* api = apiService();
    if (!api || m_guid.isEmpty())
        return;
    m_pollInFlight = true;
    api->checkWeChatLogin(m_guid, this, "didApiCheckWeChatLogin");
}

void QSignSNSFrame::didApiCheckWeChatLogin(int result, QJsonObject* resObject)
{
    m_pollInFlight = false;
    if (m_guid.isEmpty())
        return;
    const QString loginKey = resObject->value(QLatin1String("loginkey")).toString();
    if (result != PVSignForm::kApiSuccess || loginKey.isEmpty()) {
        m_poll.start();
        return;
    }
    qInfo("Browser sign-in confirmed");
    stopPolling();
    emit didReceiveLoginKey(loginKey);
}

void QSignSNSFrame::stopPolling()
{
    m_poll.stop();
    m_guid.clear();
}

void QSignSNSFrame::retranslate()
{
    m_title->setText(tr("Sign With"));
    m_weChat->setText(tr("Login with WeChat"));
    m_qq->setText(tr("QQ"));
    m_youTube->setText(tr("YouTube"));
}

void QSignSNSFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
