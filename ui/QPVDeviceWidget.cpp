#include "ui/QPVDeviceWidget.h"

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "bluetooth/QBtGuideWidget.h"
#include "control/Controller.h"
#include "control/QHIDMapperWidget.h"
#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/CropSelectionWidget.h"
#include "ui/KeepRatioWidget.h"
#include "ui/QPVDeviceCtrlBar.h"
#include "ui/QPVDeviceHIDControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

extern "C" {
#include <libavutil/frame.h>
}

#include <cmath>

namespace {
constexpr int kTitleHeight = 28;
constexpr int kCtrlBarHeight = 34;
constexpr int kMinimumRatioWidth = 320;
constexpr int kCroppedMinimumSide = 20;
constexpr int kFpsWindowWidth = 100;
constexpr int kFpsWindowHeight = 50;
constexpr int kFpsOffset = 15;
constexpr double kScreenShare = 0.8;
constexpr double kShrinkFactor = 0.618;
// Enough steps to bring any frame size below one pixel; the loop never needs more.
constexpr int kMaxShrinkSteps = 64;
const QKeySequence kToggleBarKeys(Qt::ALT + Qt::Key_0);

QPivoraApplication *application()
{
    return qobject_cast<QPivoraApplication *>(QCoreApplication::instance());
}

// Degrees the picture turns for the orientation code the phone reports.
int phoneAngle(int dir)
{
    switch (dir) {
    case 3:
        return 180;
    case 4:
        return 90;
    case 7:
        return 270;
    default:
        return 0;
    }
}

bool isQuarterTurn(int angle)
{
    return angle == 90 || angle == 270;
}
}  // namespace

QPVDeviceWidget::QPVDeviceWidget(QWidget *parent) : FramelessWindow<QWidget>(parent, false)
{
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_QuitOnClose, false);
    setResizable(true);

    int hwDecoder = 1;
    int renderEngine = 1;
    if (QPivoraApplication *app = application(); app && app->settings()) {
        hwDecoder = PVSettings::optionInt(*app->settings(), QStringLiteral("videoaudio"),
                                          QStringLiteral("hwDecoder"), 1);
        renderEngine = PVSettings::optionInt(*app->settings(), QStringLiteral("videoaudio"),
                                             QStringLiteral("renderEngine"), 1);
    }
    m_render = new QRenderWidget(nullptr, renderEngine, hwDecoder != 0);
    buildForm();
    m_render->installEventFilter(this);
    m_render->setAttribute(Qt::WA_MouseTracking);
    m_render->setAcceptDrops(true);
    m_ratioBox->setWidget(m_render);

    m_fpsWindow = new QWidget(m_render, Qt::Tool | Qt::FramelessWindowHint
                                            | Qt::WindowTransparentForInput
                                            | Qt::WindowDoesNotAcceptFocus);
    m_fpsWindow->setAttribute(Qt::WA_TranslucentBackground);
    m_fpsWindow->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_fpsWindow->setAttribute(Qt::WA_ShowWithoutActivating);
    m_fpsWindow->setAttribute(Qt::WA_QuitOnClose, false);
    m_fpsWindow->setFixedSize(kFpsWindowWidth, kFpsWindowHeight);
    m_fpsLabel = new QLabel(m_fpsWindow);
    m_fpsLabel->setObjectName(QStringLiteral("labelFPS"));
    m_fpsLabel->setFixedSize(kFpsWindowWidth, kFpsWindowHeight);
    m_fpsLabel->setStyleSheet(
        QStringLiteral("color: rgba(255, 122, 0, 70%); font-size: 16px; font-weight: bold;"));

    createShortcuts();
    if (QPivoraApplication *app = application())
        connect(app, &QPivoraApplication::didUserStatusChanged, this, &QPVDeviceWidget::didUserStatusChanged);
    applyMode();
    retranslate();
}

QPVDeviceWidget::~QPVDeviceWidget() = default;

void QPVDeviceWidget::buildForm()
{
    setObjectName(QStringLiteral("QPVDeviceWidget"));
    auto *rootLayout = new QVBoxLayout(this);
    rootLayout->setContentsMargins(0, 0, 0, 0);
    rootLayout->setSpacing(0);
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("content"));
    rootLayout->addWidget(m_content);
    m_contentLayout = new QVBoxLayout(m_content);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(0);

    m_titleWrapper = new QWidget(m_content);
    m_titleWrapper->setObjectName(QStringLiteral("titleCtrlbarWrapper"));
    m_titleWrapper->setAttribute(Qt::WA_StyledBackground);
    m_titleWrapper->setFixedHeight(kTitleHeight + kCtrlBarHeight);
    auto *wrapperLayout = new QVBoxLayout(m_titleWrapper);
    wrapperLayout->setContentsMargins(0, 0, 0, 0);
    wrapperLayout->setSpacing(0);
    auto *titleCtrlbar = new QWidget(m_titleWrapper);
    titleCtrlbar->setObjectName(QStringLiteral("titleCtrlbar"));
    wrapperLayout->addWidget(titleCtrlbar);
    auto *titleCtrlbarLayout = new QVBoxLayout(titleCtrlbar);
    titleCtrlbarLayout->setContentsMargins(0, 0, 0, 0);
    titleCtrlbarLayout->setSpacing(0);

    m_titlebar = new QWidget(titleCtrlbar);
    m_titlebar->setObjectName(QStringLiteral("titlebar"));
    m_titlebar->setFixedHeight(kTitleHeight);
    auto *titleLayout = new QHBoxLayout(m_titlebar);
    titleLayout->setContentsMargins(10, 0, 10, 0);
    m_labelDevice = new QLabel(m_titlebar);
    m_labelDevice->setObjectName(QStringLiteral("labelDevice"));
    titleLayout->addWidget(m_labelDevice, 1);
    titleCtrlbarLayout->addWidget(m_titlebar);

    m_ctrlBar = new QPVDeviceCtrlBar(this, titleCtrlbar);
    m_ctrlBar->setFixedHeight(kCtrlBarHeight);
    titleCtrlbarLayout->addWidget(m_ctrlBar);
    m_contentLayout->addWidget(m_titleWrapper);

    m_previewContent = new QWidget(m_content);
    m_previewContent->setObjectName(QStringLiteral("previewContent"));
    auto *previewLayout = new QVBoxLayout(m_previewContent);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    m_ratioBox = new KeepRatioWidget(m_previewContent);
    m_ratioBox->setObjectName(QStringLiteral("ratioContent"));
    previewLayout->addWidget(m_ratioBox);
    m_contentLayout->addWidget(m_previewContent, 1);

    m_sidePanel = new QPVDeviceHIDControl(this);
    m_sidePanel->hide();

    setTitleWidgets({m_titlebar, m_ctrlBar});

    QFile css(QStringLiteral(":/skin/QPVDeviceWidget.css"));
    if (css.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(css.readAll()));
    else
        qWarning("Style sheet of the device window is missing");
}

void QPVDeviceWidget::createShortcuts()
{
    QWidget *grpRecord = findChild<QWidget *>(QStringLiteral("grpRecord"));
    QWidget *grpWindow = findChild<QWidget *>(QStringLiteral("grpWindow"));
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_1), "btnRecord", grpRecord);
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_2), "btnRotate", nullptr);
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_3), "btnCapture", nullptr);
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_4), "btnFPS", nullptr);
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_5), "btnVolume", nullptr);
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_6), "btnPin", grpWindow);
    addShortcut(QKeySequence(Qt::ALT + Qt::Key_7), "btnFullScreen", grpWindow);
    addShortcut(QKeySequence(Qt::SHIFT + Qt::Key_1), "btnHome", nullptr);
    addShortcut(QKeySequence(Qt::SHIFT + Qt::Key_2), "btnBack", nullptr);
    addShortcut(QKeySequence(Qt::SHIFT + Qt::Key_3), "btnNotify", nullptr);
    addShortcut(QKeySequence(Qt::SHIFT + Qt::Key_4), "btnAppSwitch", nullptr);
    addShortcut(QKeySequence(Qt::SHIFT + Qt::Key_5), "btnPower", nullptr);
    addShortcut(QKeySequence(Qt::SHIFT + Qt::Key_6), "btnKBMapper", findButton("btnKBMapper"));

    auto *toggleBar = new QShortcut(kToggleBarKeys, this);
    toggleBar->setContext(Qt::WindowShortcut);
    toggleBar->setAutoRepeat(false);
    connect(toggleBar, &QShortcut::activated, this, [this] {
        if (m_mode == 0)
            toggleControlBar();
    });
}

void QPVDeviceWidget::addShortcut(const QKeySequence &keys, const char *button,
                                  QWidget *onlyWhenVisible)
{
    auto *shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QPointer<QWidget> condition(onlyWhenVisible);
    const bool conditional = onlyWhenVisible != nullptr;
    connect(shortcut, &QShortcut::activated, this, [this, button, condition, conditional] {
        // Visible within its own window: a hidden bar or panel window does not count, a group
        // or button switched off does.
        if (conditional && (!condition || !condition->isVisibleTo(condition->window())))
            return;
        if (QAbstractButton *target = findButton(button))
            target->click();
    });
}

QAbstractButton *QPVDeviceWidget::findButton(const char *name) const
{
    return findChild<QAbstractButton *>(QLatin1String(name));
}

void QPVDeviceWidget::setDevice(PVDevice *device)
{
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
    m_device = device;
    m_sidePanel->setDevice(device);
    if (device) {
        // The argument is the new state; the device object may store it only later.
        connect(device, &PVDevice::volumeMuteChanged, this,
                [this](bool isMuted) { m_ctrlBar->setVolumeOn(!isMuted); });
    }
    m_ctrlBar->refresh();
    refreshTitles();
}

PVDevice *QPVDeviceWidget::device() const
{
    return m_device;
}

void QPVDeviceWidget::setMode(int mode)
{
    if (mode != 0 && mode != 1) {
        qWarning("Device window ignored unknown mode %d", mode);
        return;
    }
    m_mode = mode;
    applyMode();
}

int QPVDeviceWidget::mode() const
{
    return m_mode;
}

void QPVDeviceWidget::applyMode()
{
    m_titleWrapper->setVisible(m_mode == 0);
    m_ratioBox->setMinimumWidth(m_mode == 0 ? kMinimumRatioWidth : 0);
    // Inside the center the window is a child widget: its edges are no resize borders, and its
    // shortcuts work only while it has the focus (the picked phone's), since every phone's
    // window in the center shares one top-level window and the same keys would clash.
    setResizable(m_mode == 0);
    const Qt::ShortcutContext context = m_mode == 0 ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut;
    for (QShortcut *shortcut : findChildren<QShortcut *>(QString(), Qt::FindDirectChildrenOnly))
        shortcut->setContext(context);
    if (m_mode != 0)
        m_sidePanel->hide();
}

QRenderWidget *QPVDeviceWidget::renderWidget() const
{
    return m_render;
}

QSize QPVDeviceWidget::frameSize() const
{
    return m_frameSize;
}

QHIDMapperWidget *QPVDeviceWidget::keyMapOverlay() const
{
    return m_keyMapOverlay;
}

void QPVDeviceWidget::setKeyMapOverlay(QHIDMapperWidget *overlay)
{
    m_keyMapOverlay = overlay;
    placeKeyMapOverlay();
}

void QPVDeviceWidget::placeKeyMapOverlay()
{
    if (m_keyMapOverlay)
        m_keyMapOverlay->followVideoArea();
}

void QPVDeviceWidget::showFrame(const AVFrame *frame)
{
    if (!frame) {
        qWarning("Device window was given no frame");
        return;
    }
    const QSize size(frame->width, frame->height);
    if (size.width() <= 0 || size.height() <= 0) {
        qWarning("Device window ignored a frame of size %dx%d", size.width(), size.height());
        return;
    }
    if (size != m_frameSize) {
        m_frameSize = size;
        fitWindow(size, true);
        m_render->setFrameSize(size);
        setPhoneRotation(0);
        notifyFrameSizeChanged();
    }
    m_render->updateFrame(frame);
    emit frameShown(frame->pts != AV_NOPTS_VALUE ? frame->pts : frame->best_effort_timestamp);
}

void QPVDeviceWidget::fitWindow(QSize size, bool shrinkToScreenArea, double aspect)
{
    if (size.width() <= 0 || size.height() <= 0) {
        qWarning("Device window cannot fit to size %dx%d", size.width(), size.height());
        return;
    }
    m_aspect = aspect > 0 ? aspect : double(size.width()) / double(size.height());
    m_ratioBox->setRatio(m_aspect);
    if (isFullScreen() || isMaximized() || m_mode != 0) {
        placeFpsWindow();
        return;
    }
    const int minimumWidth = qMax(this->minimumWidth(), minimumSizeHint().width());
    if (size.width() < minimumWidth)
        size = QSize(minimumWidth, int(minimumWidth / m_aspect));
    if (shrinkToScreenArea)
        size = shrinkToScreen(size);
    size.rheight() += titleBarHeight();
    resize(size);
}

QSize QPVDeviceWidget::shrinkToScreen(QSize size) const
{
    const QRect available = availableScreenArea();
    if (available.isEmpty())
        return size;
    const int maxWidth = int(kScreenShare * available.width());
    const int maxHeight = int(kScreenShare * available.height());
    for (int step = 0; step < kMaxShrinkSteps
                       && (size.width() > maxWidth || size.height() > maxHeight);
         ++step)
        size *= kShrinkFactor;
    return size;
}

QSize QPVDeviceWidget::containerSize() const
{
    // The ratio box fills the window below the bars; computed rather than read so that it is
    // right before a hidden window has been laid out.
    const QSize box(width(), height() - titleBarHeight());
    return KeepRatioWidget::childRect(box, m_ratioBox->ratio()).size();
}

int QPVDeviceWidget::titleBarHeight() const
{
    if (m_barDetached || m_titleWrapper->isHidden())
        return 0;
    return m_titleWrapper->minimumHeight();
}

QRect QPVDeviceWidget::availableScreenArea() const
{
    QScreen *screen = nullptr;
    if (QWindow *handle = window()->windowHandle())
        screen = handle->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void QPVDeviceWidget::setPhoneRotation(int dir)
{
    if (m_cropEditing)
        closeCrop(CropEnd::Cancel);
    const int angle = (m_userRotation + phoneAngle(dir)) % 360;
    m_render->rotate(angle, false);
    const QSize container = containerSize();
    const int longSide = qMax(container.width(), container.height());
    const int shortSide = qMin(container.width(), container.height());
    const bool portrait = m_frameSize.width() <= m_frameSize.height();
    QSize target = portrait ? QSize(shortSide, longSide) : QSize(longSide, shortSide);
    if (isQuarterTurn(angle))
        target.transpose();
    fitWindow(target, false, turnedAspect(container, target));
}

void QPVDeviceWidget::fitToContent()
{
    if (m_aspect > 0)
        fitWindow(containerSize(), false, m_aspect);
}

double QPVDeviceWidget::turnedAspect(const QSize &from, const QSize &to) const
{
    // The pixel sides are rounded; the picture's own aspect is kept exact across turns.
    if (m_aspect <= 0)
        return 0;
    const bool turned = (from.width() > from.height()) != (to.width() > to.height());
    return turned ? 1.0 / m_aspect : m_aspect;
}

void QPVDeviceWidget::rotateByUser()
{
    m_render->rotate(90, true);
    const QSize container = containerSize();
    const int longSide = qMax(container.width(), container.height());
    const int shortSide = qMin(container.width(), container.height());
    const QSize target = m_aspect > 1 ? QSize(shortSide, longSide) : QSize(longSide, shortSide);
    fitWindow(target, false, turnedAspect(container, target));
    m_userRotation = (m_userRotation + 90) % 360;
    notifyUserRotated();
}

void QPVDeviceWidget::refreshTitles()
{
    QString title = tr("Pivora (Window Capture)");
    QString label = tr("Pivora");
    const QString name = phoneName();
    if (!name.isEmpty()) {
        title += QStringLiteral(" - ") + name;
        label += QStringLiteral(" - ") + name;
    }
    setWindowTitle(title);
    m_labelDevice->setText(label);
}

void QPVDeviceWidget::showBluetoothGuide()
{
    if (m_mode != 0 || m_btGuideShown || m_btGuide)
        return;
    m_btGuideShown = true;
    m_btGuide = new QBtGuideWidget(this);
    qInfo("Bluetooth pairing guide shown for %s; this computer is listed as \"%s\"", qPrintable(phoneName()),
        qPrintable(m_btGuide->pcName()));
    placeBluetoothGuide();
    m_btGuide->show();
    m_btGuide->raise();
}

void QPVDeviceWidget::placeBluetoothGuide()
{
    // Over the picture, below the bars; it follows the window, which a window manager may still
    // be placing when the guide appears.
    if (!m_btGuide)
        return;
    const int top = titleBarHeight();
    m_btGuide->setGeometry(QRect(mapToGlobal(QPoint(0, top)), QSize(width(), height() - top)));
}

void QPVDeviceWidget::setControlDisplay(bool on)
{
    m_controlDisplayed = on;
    m_sidePanel->setPhoneButtonsEnabled(on);
    if (m_btGuide)
        m_btGuide->setConnected(on);
    emit controlDisplayChanged(on);
}

void QPVDeviceWidget::updateFps(int fps)
{
    if (fps == -1) {
        m_fpsWindow->hide();
        return;
    }
    m_fpsLabel->setText(
        QString::asprintf("%d x %d\nFPS: %d", m_frameSize.width(), m_frameSize.height(), fps));
    if (m_fpsWindow->isHidden())
        m_fpsWindow->show();
    placeFpsWindow();
    m_fpsWindow->raise();
}

void QPVDeviceWidget::placeFpsWindow()
{
    if (m_fpsWindow && m_fpsWindow->isVisible())
        m_fpsWindow->move(m_render->mapToGlobal(QPoint(kFpsOffset, kFpsOffset)));
}

void QPVDeviceWidget::didTopMostChanged(bool isTopmost)
{
    m_topmost = isTopmost;
    if (QAbstractButton *pin = findButton("btnPin"))
        pin->setChecked(isTopmost);
}

void QPVDeviceWidget::setTopmost(bool on)
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing the flags hides the window.
    if (visible)
        show();
    didTopMostChanged(on);
}

void QPVDeviceWidget::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void QPVDeviceWidget::followFullScreen()
{
    if (isFullScreen() && !m_barDetached && m_mode == 0) {
        // The bars float over the video as a window of their own.
        const bool barShown = !m_titleWrapper->isHidden();
        m_contentLayout->removeWidget(m_titleWrapper);
        m_titleWrapper->setParent(this, Qt::Tool | Qt::FramelessWindowHint);
        m_barDetached = true;
        QScreen *screen = windowHandle() ? windowHandle()->screen() : nullptr;
        const QRect area = screen ? screen->geometry() : geometry();
        m_titleWrapper->setGeometry(area.x(), area.y(), area.width(), m_titleWrapper->minimumHeight());
        m_titleWrapper->setVisible(barShown);
    } else if (!isFullScreen() && m_barDetached) {
        const bool barShown = !m_titleWrapper->isHidden();
        m_titleWrapper->setParent(m_content, Qt::Widget);
        m_contentLayout->insertWidget(0, m_titleWrapper);
        m_barDetached = false;
        m_titleWrapper->setVisible(barShown);
    }
}

void QPVDeviceWidget::toggleControlBar()
{
    const bool show = m_titleWrapper->isHidden();
    if (m_barDetached) {
        m_titleWrapper->setVisible(show);
        return;
    }
    const int change = m_titleWrapper->minimumHeight();
    m_titleWrapper->setVisible(show);
    // The video keeps its size; the window grows or shrinks by the bars.
    if (!isFullScreen() && !isMaximized())
        resize(width(), height() + (show ? change : -change));
}

bool QPVDeviceWidget::inputAccepted() const
{
    return m_device && m_device->acceptsInput() && !m_cropEditing;
}

bool QPVDeviceWidget::keyMapOverlayActive() const
{
    return m_keyMapOverlay && m_keyMapOverlay->isVisible() && m_keyMapOverlay->isActiveWindow();
}

bool QPVDeviceWidget::keyMapperConverterActive() const
{
    Controller *controller = m_device ? m_device->controller() : nullptr;
    return controller && controller->isKBMapper();
}

bool QPVDeviceWidget::routeMouse(QMouseEvent *event)
{
    if (!inputAccepted() || hitRegion() != HitNone)
        return false;
    if (keyMapOverlayActive())
        return true;
    const QPointF mapped = m_render->mapToFrame(event->localPos());
    QMouseEvent forwarded(event->type(), mapped, event->windowPos(), event->screenPos(),
                          event->button(), event->buttons(), event->modifiers(), event->source());
    emit m_device->mouseEvent(&forwarded, m_render->frameSize(), m_render->displayFrameSize());
    return true;
}

bool QPVDeviceWidget::routeWheel(QWheelEvent *event)
{
    // Never handed to the window below, whether or not the phone gets it.
    if (!inputAccepted() || keyMapOverlayActive())
        return true;
    QWheelEvent forwarded(m_render->mapToFrame(event->position()), event->globalPosition(),
                          event->pixelDelta(), event->angleDelta(), event->buttons(),
                          event->modifiers(), event->phase(), event->inverted(), event->source());
    emit m_device->wheelEvent(&forwarded, m_render->frameSize(), m_render->displayFrameSize());
    return true;
}

bool QPVDeviceWidget::routeDrag(QEvent *event)
{
    if (!keyMapOverlayActive())
        return false;
    QCoreApplication::sendEvent(m_keyMapOverlay, event);
    return true;
}

bool QPVDeviceWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_render) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return routeMouse(static_cast<QMouseEvent *>(event));
        case QEvent::Wheel:
            return routeWheel(static_cast<QWheelEvent *>(event));
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            return routeDrag(event);
        case QEvent::Resize:
            if (m_crop.selection)
                m_crop.selection->setGeometry(m_render->rect());
            placeKeyMapOverlay();
            break;
        case QEvent::Move:
            placeKeyMapOverlay();
            break;
        default:
            break;
        }
        return false;
    }
    return FramelessWindow<QWidget>::eventFilter(watched, event);
}

void QPVDeviceWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat() && isFullScreen()) {
        showNormal();
        return;
    }
    if (inputAccepted()) {
        emit m_device->keyEvent(event, m_render->frameSize(), m_render->displayFrameSize());
        return;
    }
    FramelessWindow<QWidget>::keyPressEvent(event);
}

void QPVDeviceWidget::keyReleaseEvent(QKeyEvent *event)
{
    if (inputAccepted()) {
        emit m_device->keyEvent(event, m_render->frameSize(), m_render->displayFrameSize());
        return;
    }
    FramelessWindow<QWidget>::keyReleaseEvent(event);
}

bool QPVDeviceWidget::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        emit didActivate();
        if (m_sidePanel->isVisible())
            m_sidePanel->raise();
        if (m_keyMapOverlay && m_keyMapOverlay->isVisible())
            m_keyMapOverlay->raiseWithEditor();
    }
    return FramelessWindow<QWidget>::event(event);
}

void QPVDeviceWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::WindowStateChange) {
        followFullScreen();
        placeFpsWindow();
        placeKeyMapOverlay();
    }
    FramelessWindow<QWidget>::changeEvent(event);
}

void QPVDeviceWidget::closeEvent(QCloseEvent *event)
{
    m_sidePanel->hide();
    m_fpsWindow->hide();
    if (m_keyMapOverlay)
        m_keyMapOverlay->hide();
    closeChannel();
    event->accept();
}

void QPVDeviceWidget::moveEvent(QMoveEvent *event)
{
    FramelessWindow<QWidget>::moveEvent(event);
    placeFpsWindow();
    placeBluetoothGuide();
    placeKeyMapOverlay();
    if (m_sidePanel->isVisible())
        m_ctrlBar->placeSidePanel();
}

void QPVDeviceWidget::resizeEvent(QResizeEvent *event)
{
    FramelessWindow<QWidget>::resizeEvent(event);
    placeFpsWindow();
    placeBluetoothGuide();
    placeKeyMapOverlay();
}

bool QPVDeviceWidget::focusNextPrevChild(bool)
{
    return false;
}

void QPVDeviceWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_mode != 0 || m_titleWrapper->isHidden() || keyMapperConverterActive())
        return;
    QMenu menu(this);
    fillContextMenu(&menu);
    menu.exec(QCursor::pos());
    event->accept();
}

void QPVDeviceWidget::fillContextMenu(QMenu *menu)
{
    if (m_cropEditing) {
        menu->addAction(tr("Reset"), this, [this] { closeCrop(CropEnd::Reset); });
        menu->addAction(tr("Confirm"), this, [this] { closeCrop(CropEnd::Confirm); });
        menu->addAction(tr("Cancel"), this, [this] { closeCrop(CropEnd::Cancel); });
        return;
    }
    const bool barShown = !m_titleWrapper->isHidden();
    QAction *bar = menu->addAction(
        QIcon(barShown ? QStringLiteral(":/asset/menu-fold.svg") : QStringLiteral(":/asset/menu-unfold.svg")),
        barShown ? tr("Hide Control Bar") : tr("Show Control Bar"), this,
        &QPVDeviceWidget::toggleControlBar);
    bar->setShortcut(kToggleBarKeys);
    menu->addSeparator();
    menu->addAction(QIcon(QStringLiteral(":/asset/rotate.svg")), tr("Rotate 90°"), this,
                    [this] { findButton("btnRotate")->click(); });
    QAction *pin = menu->addAction(QIcon(QStringLiteral(":/asset/topmost.svg")), tr("Pin"), this,
                                   [this] { findButton("btnPin")->click(); });
    pin->setCheckable(true);
    pin->setChecked(m_topmost);
    menu->addSeparator();
    if (isFullScreen()) {
        menu->addAction(tr("Exit Fullscreen"), this, &QPVDeviceWidget::toggleFullScreen);
    } else {
        menu->addAction(QIcon(QStringLiteral(":/asset/fullscreen.svg")), tr("Fullscreen"), this,
                        &QPVDeviceWidget::toggleFullScreen);
        menu->addSeparator();
        if (hasCrop())
            menu->addAction(QIcon(QStringLiteral(":/asset/crop-reset.svg")), tr("Reset"), this,
                            &QPVDeviceWidget::resetCrop);
        menu->addAction(QIcon(QStringLiteral(":/asset/crop.svg")), tr("Crop"), this,
                        &QPVDeviceWidget::openCrop);
    }
    menu->addSeparator();
    QAbstractButton *mapper = findButton("btnKBMapper");
    if (mapper && mapper->isVisibleTo(mapper->window())) {
        menu->addAction(QIcon(QStringLiteral(":/asset/keymapper.svg")), tr("Key Mapper"), mapper,
                        &QAbstractButton::click);
        menu->addSeparator();
    }
    menu->addAction(QIcon(QStringLiteral(":/asset/icon-close.svg")), tr("Close"), this,
                    &QWidget::close);
}

bool QPVDeviceWidget::hasCrop() const
{
    const QRectF crop = m_render->cropRect();
    return !(qFuzzyCompare(crop.x() + 1, 1.0) && qFuzzyCompare(crop.y() + 1, 1.0)
             && qFuzzyCompare(crop.width(), 1.0) && qFuzzyCompare(crop.height(), 1.0));
}

void QPVDeviceWidget::openCrop()
{
    if (m_cropEditing || m_frameSize.isEmpty())
        return;
    m_cropEditing = true;
    if (Controller *controller = m_device ? m_device->controller() : nullptr)
        controller->setPaused(true);
    m_crop.geometryBefore = geometry();
    m_crop.aspectBefore = m_aspect;
    m_crop.rotation = m_render->rotation();
    m_crop.crop = m_render->cropRect();
    m_ratioBox->setMinimumSize(kCroppedMinimumSide, kCroppedMinimumSide);
    m_ratioBox->setRatio(0);
    m_crop.selection = new CropSelectionWidget(m_render);
    m_crop.selection->setGeometry(m_render->rect());
    m_crop.selection->setSelection(m_crop.selection->rect());
    m_crop.selection->show();
    m_crop.selection->raise();
}

void QPVDeviceWidget::closeCrop(CropEnd end)
{
    if (!m_cropEditing)
        return;
    QRect target = m_crop.geometryBefore;
    double aspect = m_crop.aspectBefore;
    CropSelectionWidget *selection = m_crop.selection;
    if (end == CropEnd::Confirm && selection && !selection->selection().isEmpty()) {
        const QRect picked = selection->selection();
        const QRectF inFrame = CropSelectionWidget::viewToFrame(selection->selectionFraction(),
                                                                m_crop.rotation);
        m_render->setCropRect(CropSelectionWidget::compose(m_crop.crop, inFrame));
        aspect = double(picked.width()) / double(picked.height());
        // The window shrinks around the chosen part, which stays where it was on screen.
        const int top = titleBarHeight();
        target = QRect(selection->mapToGlobal(picked.topLeft()) - QPoint(0, top),
                       QSize(picked.width(), picked.height() + top));
    } else if (end == CropEnd::Reset) {
        m_render->setCropRect(QRectF(0, 0, 1, 1));
        const QSize shown = isQuarterTurn(m_crop.rotation) ? m_frameSize.transposed() : m_frameSize;
        aspect = double(shown.width()) / double(shown.height());
        const int top = titleBarHeight();
        target.setHeight(int(std::lround(target.width() / aspect)) + top);
    }
    delete selection;
    m_cropEditing = false;
    if (aspect > 0)
        m_aspect = aspect;
    m_ratioBox->setMinimumSize(hasCrop() ? kCroppedMinimumSide : kMinimumRatioWidth, 0);
    m_ratioBox->setRatio(m_aspect);
    if (!isFullScreen() && !isMaximized())
        setGeometry(target);
    if (Controller *controller = m_device ? m_device->controller() : nullptr)
        controller->setPaused(false);
}

void QPVDeviceWidget::resetCrop()
{
    if (m_frameSize.isEmpty())
        return;
    m_render->setCropRect(QRectF(0, 0, 1, 1));
    m_ratioBox->setMinimumSize(kMinimumRatioWidth, 0);
    const QSize shown = isQuarterTurn(m_render->rotation()) ? m_frameSize.transposed() : m_frameSize;
    const int width = containerSize().width();
    fitWindow(QSize(width, int(std::lround(width * double(shown.height()) / shown.width()))), false);
}

void QPVDeviceWidget::didUserStatusChanged()
{
    m_ctrlBar->refresh();
}

void QPVDeviceWidget::refreshKeyMapperButton()
{
    QAbstractButton *mapper = findButton("btnKBMapper");
    if (!mapper)
        return;
    const uint32_t kind = deviceKind();
    QPivoraApplication *app = application();
    mapper->setVisible(kind == 3 && app && app->canControl(kind));
}

void QPVDeviceWidget::retranslate()
{
    m_ctrlBar->retranslate();
    m_sidePanel->retranslate();
    refreshTitles();
}

QPVAirPlayClient *QPVDeviceWidget::client() const
{
    return m_device ? m_device->client() : nullptr;
}

QString QPVDeviceWidget::phoneName() const
{
    QPVAirPlayClient *c = client();
    return c ? c->phoneName() : QString();
}

uint32_t QPVDeviceWidget::deviceKind() const
{
    QPVAirPlayClient *c = client();
    return c ? c->deviceKind() : 0;
}

void QPVDeviceWidget::notifyFrameSizeChanged()
{
    QPVAirPlayClient *c = client();
    QPivoraApplication *app = application();
    if (c && app && app->airplayService())
        emit app->airplayService()->didAirPlayMirroringFrameSizeChanged(c);
}

void QPVDeviceWidget::notifyUserRotated()
{
    QPVAirPlayClient *c = client();
    QPivoraApplication *app = application();
    if (c && app && app->airplayService())
        emit app->airplayService()->didAirPlayMirroringRotated(c, -1, -1);
}

void QPVDeviceWidget::closeChannel()
{
    // Queued: ending the channel deletes this window, which is still in its close event.
    if (QPVAirPlayClient *c = client())
        QMetaObject::invokeMethod(c, "shutdownDevice", Qt::QueuedConnection);
}
