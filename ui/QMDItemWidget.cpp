#include "ui/QMDItemWidget.h"

#include "app/QPivoraApplication.h"
#include "control/Controller.h"
#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "ui/QPVDeviceWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int kInfoHeight = 40;
constexpr int kButtonSide = 24;
constexpr int kButtonInset = 4;
constexpr int kButtonTop = 20;
constexpr int kCenterMode = 1;

QPivoraApplication *application()
{
    return qobject_cast<QPivoraApplication *>(QCoreApplication::instance());
}

PVDevice *sessionOf(const QPVDeviceWidget *window)
{
    return window ? window->device() : nullptr;
}

Controller *controllerOf(const QPVDeviceWidget *window)
{
    PVDevice *session = sessionOf(window);
    return session ? session->controller() : nullptr;
}

QPVAirPlayClient *clientOf(const QPVDeviceWidget *window)
{
    PVDevice *session = sessionOf(window);
    return session ? session->client() : nullptr;
}

QPushButton *makeButton(QWidget *parent, const char *name, bool checkable)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(kButtonSide, kButtonSide);
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    return button;
}

}  // namespace

QMDItemWidget::QMDItemWidget(QWidget *parent) : QFrame(parent)
{
    buildForm();
    refreshForm();
}

QMDItemWidget::~QMDItemWidget()
{
    // A window still embedded here must outlive this item; its phone's session owns it.
    if (holdsWindow()) {
        m_deviceWidget->hide();
        m_deviceWidget->setParent(nullptr);
    }
}

void QMDItemWidget::buildForm()
{
    setObjectName(QStringLiteral("QMDItemWidget"));
    setAttribute(Qt::WA_StyledBackground);
    m_preview = new QWidget(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->installEventFilter(this);

    m_itemInfo = new QWidget(this);
    m_itemInfo->setObjectName(QStringLiteral("itemInfo"));
    m_itemInfo->setAttribute(Qt::WA_StyledBackground);
    // Clicks on the caption select the phone like clicks on its picture.
    m_itemInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *infoLayout = new QHBoxLayout(m_itemInfo);
    infoLayout->setContentsMargins(8, 0, 8, 0);
    m_labelInfo = new QLabel(m_itemInfo);
    m_labelInfo->setObjectName(QStringLiteral("labelInfo"));
    m_labelIndex = new QLabel(m_itemInfo);
    m_labelIndex->setObjectName(QStringLiteral("labelIndex"));
    infoLayout->addWidget(m_labelInfo, 1);
    infoLayout->addWidget(m_labelIndex);

    m_btnClose = makeButton(this, "btnClose", false);
    connect(m_btnClose, &QPushButton::clicked, this, &QMDItemWidget::didClickClose);
    // The control marks show a state; a click on them picks the phone like a click on it.
    m_btnKB = makeButton(this, "btnKB", true);
    m_btnKB->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_btnMouse = makeButton(this, "btnMouse", true);
    m_btnMouse->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QMDItemWidget::setIndex(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    refreshForm();
}

bool QMDItemWidget::holdsWindow() const
{
    return m_deviceWidget && m_deviceWidget->parentWidget() == m_preview;
}

void QMDItemWidget::setDeviceWidget(QPVDeviceWidget *window, bool reparentOld, bool embedWindow)
{
    QPVDeviceWidget *old = m_deviceWidget;
    if (window != old) {
        if (old) {
            disconnect(old, nullptr, this, nullptr);
            if (PVDevice *session = sessionOf(old))
                disconnect(session, nullptr, this, nullptr);
            if (reparentOld && old->parentWidget() == m_preview) {
                old->hide();
                old->setParent(nullptr);
            }
        }
        m_deviceWidget = window;
        listenTo(window);
    }
    if (window) {
        if (embedWindow)
            embed();
        if (Controller *controller = controllerOf(window))
            controller->setPaused(true);
        // A window that is only named here (shown by the large item) is left where it is.
        if (window->parentWidget())
            window->show();
    }
    refreshForm();
}

void QMDItemWidget::clearDeviceWidget()
{
    if (m_deviceWidget) {
        disconnect(m_deviceWidget, nullptr, this, nullptr);
        if (PVDevice *session = sessionOf(m_deviceWidget))
            disconnect(session, nullptr, this, nullptr);
    }
    m_deviceWidget = nullptr;
    refreshForm();
}

void QMDItemWidget::listenTo(QPVDeviceWidget *window)
{
    if (!window)
        return;
    if (PVDevice *session = sessionOf(window))
        connect(session, &PVDevice::deviceInfoChanged, this, &QMDItemWidget::checkHIDStatus);
    // Control comes and goes with the phone's link and with pausing, without a device event.
    connect(window, &QPVDeviceWidget::controlDisplayChanged, this, &QMDItemWidget::checkHIDStatus);
}

void QMDItemWidget::embed()
{
    QPVDeviceWidget *window = m_deviceWidget;
    if (window->parentWidget() != m_preview) {
        window->hide();
        window->setParent(m_preview);
    }
    window->setMode(kCenterMode);
    fitWindow();
    window->show();
}

void QMDItemWidget::fitWindow()
{
    if (holdsWindow())
        m_deviceWidget->setGeometry(m_preview->rect());
}

void QMDItemWidget::refreshForm()
{
    QPVDeviceWidget *window = m_deviceWidget;
    QPVAirPlayClient *client = clientOf(window);
    const QString name = client ? client->phoneName() : QString();
    const uint32_t kind = client ? client->deviceKind() : 0;
    QPivoraApplication *app = application();
    const bool controllable = window && app && app->canControl(kind);

    setToolTip(window ? name : QString());
    if (!window)
        m_labelInfo->clear();
    else if (m_index < 1)
        m_labelInfo->setText(tr("Controlling..."));
    else
        m_labelInfo->setText(name.isEmpty() ? tr("Device") : name);
    m_labelIndex->setText(window && m_index >= 1 ? QString::number(m_index) : QString());
    m_itemInfo->setVisible(m_index != 0);
    m_btnClose->setVisible(window != nullptr);
    m_btnKB->setVisible(controllable);
    m_btnMouse->setVisible(controllable);
    checkHIDStatus();
}

void QMDItemWidget::checkHIDStatus()
{
    PVDevice *session = sessionOf(m_deviceWidget);
    const bool active = session && session->acceptsInput();
    m_btnKB->setChecked(active);
    m_btnMouse->setChecked(active);
}

void QMDItemWidget::didClickClose()
{
    // Queued: ending the channel deletes the window, possibly inside this item.
    if (QPVAirPlayClient *client = clientOf(m_deviceWidget))
        QMetaObject::invokeMethod(client, "shutdownDevice", Qt::QueuedConnection);
}

bool QMDItemWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_preview && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        fitWindow();
    return QFrame::eventFilter(watched, event);
}

void QMDItemWidget::mousePressEvent(QMouseEvent *event)
{
    // Taken, so that the release comes back here.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void QMDItemWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()) && m_deviceWidget) {
        emit clickItemWidget(this);
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void QMDItemWidget::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeParts();
}

void QMDItemWidget::placeParts()
{
    const int w = width();
    const int h = height();
    m_preview->setGeometry(rect());
    m_itemInfo->setGeometry(0, h - kInfoHeight, w, kInfoHeight);
    m_btnClose->move(w - kButtonSide - kButtonInset, kButtonTop);
    m_btnKB->move(kButtonInset, kButtonTop);
    m_btnMouse->move(kButtonInset + kButtonSide + kButtonInset, kButtonTop);
    // The caption and buttons lie over the picture.
    m_itemInfo->raise();
    m_btnClose->raise();
    m_btnKB->raise();
    m_btnMouse->raise();
}

void QMDItemWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshForm();
    QFrame::changeEvent(event);
}
