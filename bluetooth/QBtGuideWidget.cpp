#include "bluetooth/QBtGuideWidget.h"

#include "app/QPivoraApplication.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {

const char kInstructions[] = QT_TRANSLATE_NOOP("QBtGuideWidget",
    "<html><head/><body><p><span style=\"font-size:14px;\">1.Open Settings-&gt;Bluetooth on iPhone/iPad, then "
    "connect to</span></p><p align=\"center\"><span style=\"font-size:15px;font-weight:600;color:#ff9900;"
    "word-break:break-all;white-space:pre-wrap;\">%s</span></p><p><span style=\"font-size:14px;\">2.Bluetooth of "
    "computer should be discoverable, Having trouble while connecting, go into your phone's settings, forget This "
    "Device first, turn off Bluetooth next and then turn on Bluetooth.</span></p><p><span "
    "style=\"font-size:14px;\">3.If you don't need to control your phone on your computer, Please tap "
    "'Close'.</span></p></body></html>");

QPivoraApplication* application()
{
    return qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
}

QLabel* addLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

QBtGuideWidget::QBtGuideWidget(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // A panel of a phone's window: closing it, or losing it with its window, never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFile css(QStringLiteral(":/skin/QBtGuideWidget.css"));
    if (css.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(css.readAll()));
    buildForm();
    connect(&m_closeTimer, &QTimer::timeout, this, &QBtGuideWidget::closeNow);
    connect(m_btnClose, &QPushButton::clicked, this, [this] { m_closeTimer.start(kCloseButtonMs); });
    retranslate();
}

void QBtGuideWidget::buildForm()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    content->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(content);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);
    m_lbTitle = addLabel(content, "lbTitle");
    m_lbTitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_lbTitle);
    m_lbGuide = addLabel(content, "lbGuide");
    m_lbGuide->setTextFormat(Qt::RichText);
    m_lbGuide->setWordWrap(true);
    layout->addWidget(m_lbGuide);

    auto* status = new QHBoxLayout;
    m_lbStatusDesc = addLabel(content, "lbStatusDesc");
    m_lbStatus = addLabel(content, "lbStatus");
    status->addStretch(1);
    status->addWidget(m_lbStatusDesc);
    status->addWidget(m_lbStatus);
    status->addStretch(1);
    layout->addLayout(status);

    // The illustration keeps its shape inside a container that takes the rest of the height.
    m_gifContainer = new QWidget(content);
    m_gifContainer->setObjectName(QStringLiteral("gifContainer"));
    m_gifContainer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_gifContainer->installEventFilter(this);
    m_lbGif = addLabel(m_gifContainer, "lbGif");
    m_lbGif->setScaledContents(true);
    layout->addWidget(m_gifContainer, 1);

    auto* buttons = new QHBoxLayout;
    m_btnClose = new QPushButton(content);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(m_btnClose);
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

void QBtGuideWidget::retranslate()
{
    setWindowTitle(tr("Connect Bluetooth"));
    m_lbTitle->setText(tr("Connect Bluetooth"));
    m_lbGuide->setText(tr(kInstructions).replace(QLatin1String("%s"), pcName().toHtmlEscaped()));
    m_lbStatusDesc->setText(tr("Bluetooth:"));
    m_btnClose->setText(tr("Close"));
    showStatus();
    chooseGif();
}

QString QBtGuideWidget::pcName() const
{
    QString name = tr("Accessory Or ");
    const QPivoraApplication* app = application();
    if (app && app->bluetoothService())
        name += QSysInfo::machineHostName();
    return name;
}

void QBtGuideWidget::setConnected(bool connected)
{
    if (connected != m_connected)
        qInfo("Bluetooth pairing guide: %s", connected ? "Connected" : "Disconnected");
    m_connected = connected;
    showStatus();
    if (connected)
        m_closeTimer.start(kConnectedCloseMs);
    else
        m_closeTimer.stop();
}

void QBtGuideWidget::showStatus()
{
    if (m_connected) {
        m_lbStatus->setText(tr("Connected"));
        m_lbStatus->setStyleSheet(QStringLiteral("color: #00ff00"));
    } else {
        m_lbStatus->setText(tr("Disconnected"));
        m_lbStatus->setStyleSheet(QStringLiteral("color: #ff0000;"));
    }
}

QString QBtGuideWidget::gifFile() const
{
    const QPivoraApplication* app = application();
    return gifFileFor(app ? app->language() : QString());
}

QString QBtGuideWidget::gifFileFor(const QString& language)
{
    return language == QLatin1String("zh-cn") ? QStringLiteral(":/asset/bt_cn.gif") : QStringLiteral(":/asset/bt_en.gif");
}

void QBtGuideWidget::chooseGif()
{
    const QString file = gifFile();
    if (m_movie && m_movie->fileName() == file)
        return;
    delete m_movie;
    m_movie = new QMovie(file, QByteArray(), this);
    if (!m_movie->isValid())
        qWarning("Bluetooth guide illustration %s cannot be shown", qPrintable(file));
    m_lbGif->setMovie(m_movie);
    if (isVisible())
        m_movie->start();
}

QRect QBtGuideWidget::gifGeometry(const QSize& container)
{
    const int w = container.width();
    const int h = container.height();
    if (w <= 0 || h <= 0)
        return QRect();
    if (double(w) / h > kGifRatio) {
        const int gifWidth = int(h * kGifRatio);
        return QRect((w - gifWidth) / 2, 0, gifWidth, h);
    }
    const int gifHeight = int(w / kGifRatio);
    return QRect(0, (h - gifHeight) / 2, w, gifHeight);
}

void QBtGuideWidget::placeGif()
{
    m_lbGif->setGeometry(gifGeometry(m_gifContainer->size()));
}

bool QBtGuideWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_gifContainer && event->type() == QEvent::Resize)
        placeGif();
    return QWidget::eventFilter(watched, event);
}

void QBtGuideWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_movie)
        m_movie->start();
}

void QBtGuideWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_movie)
        m_movie->stop();
}

void QBtGuideWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void QBtGuideWidget::closeNow()
{
    m_closeTimer.stop();
    qInfo("Bluetooth pairing guide closed");
    close();
    deleteLater();
}
