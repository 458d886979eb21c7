#include "control/Controller.h"

#include "bluetooth/ISCBluetoothDevice.h"
#include "control/InputConvertAirplay.h"
#include "control/InputConvertKBMapper.h"
#include "control/KeyRepeatFilter.h"
#include "control/QHIDMapperWidget.h"
#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "scairplay/CAirPlayEx.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QPVDeviceWidget.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kAndroidKind = 3;

// System keys as the control messages carry them.
constexpr uint32_t kKeyHome = 1;
constexpr uint32_t kKeyAppSwitch = 2;
constexpr uint32_t kKeyPower = 3;
constexpr uint32_t kKeyBack = 7;
// The Bluetooth button pad's power key.
constexpr uint32_t kKeyIosPower = 2048;

// Control-channel masks of the system keys.
constexpr uint32_t kMaskBack = 0x8000;
constexpr uint32_t kMaskHome = 0x4000;
constexpr uint32_t kMaskAppSwitch = 0x1000;
constexpr uint32_t kMaskPower = 0x400;

// Channel key actions.
constexpr int kChannelKeyDown = 1;
constexpr int kChannelKeyUp = -1;
// Bluetooth keyboard actions.
constexpr uint32_t kBluetoothKeyPress = 1;
constexpr uint32_t kBluetoothKeyRelease = 0;

// Phone orientation codes.
constexpr int kRotationUpright = 0;
constexpr int kRotationUpsideDown = 3;
constexpr int kRotationLeft = 4;
constexpr int kRotationRight = 7;

// The notification panel is pulled down from near the top edge.
constexpr double kNotifyX = 0.5;
constexpr double kNotifyStartY = 0.02;
constexpr double kNotifyStepY = 0.05;
constexpr int kNotifyMoves = 9;
// Where iOS apps keep their back button.
constexpr double kBackTapX = 0.04;
constexpr double kBackTapY = 0.04;

bool hasArea(const QRect& position)
{
    return position.width() > 0 && position.height() > 0;
}

} // namespace

Controller::Controller(int deviceKind, QObject* parent)
    : QObject(parent)
    , m_deviceKind(deviceKind)
    , m_keyRepeat(new KeyRepeatFilter(this))
{
    installConverter(new InputConvertAirplay(this));
}

Controller::~Controller() = default;

void Controller::setKBMapProfile(const QString& path)
{
    if (path.isEmpty()) {
        installConverter(new InputConvertAirplay(this));
        qInfo("Key map off");
        return;
    }
    installConverter(new InputConvertKBMapper(this, path));
    qInfo("Key map on: %s", qUtf8Printable(path));
}

void Controller::installConverter(InputConvertBase* converter)
{
    delete m_converter.data();
    m_converter = converter;
}

void Controller::setBluetoothDevice(ISCBluetoothDevice* device, const SCDeviceModelInfo* info, int iosVersion)
{
    m_btDevice = device;
    // With information the driver also loads its pointer-speed table.
    m_pointerDriver.setDevice(device, info);
    if (device)
        m_pointerDriver.setAbsoluteMode(iosVersion < kPointerMinimumIosVersion);
}

void Controller::setDeviceWindow(QPVDeviceWidget* window)
{
    m_window = window;
}

QPVDeviceWidget* Controller::deviceWindow() const
{
    return m_window.data();
}

void Controller::setBluetoothReady(bool ready)
{
    m_btReady = ready;
    showControlState();
}

void Controller::setPaused(bool paused)
{
    m_paused = paused;
    showControlState();
}

void Controller::showControlState()
{
    if (m_window)
        m_window->setControlDisplay(m_btReady && !m_paused);
}

bool Controller::isActive() const
{
    return m_btReady && !m_paused && m_window;
}

QPoint Controller::mapToGlobal(const QPointF& point) const
{
    if (!m_window)
        return QPoint(0, 0);
    return m_window->renderWidget()->mapToGlobal(point.toPoint());
}

bool Controller::isKBMapper() const
{
    return m_converter && m_converter->isKBMapper();
}

CKBMapProfile* Controller::kbMapProfile() const
{
    return m_converter ? m_converter->kbMapProfile() : nullptr;
}

InputConvertBase* Controller::inputConverter() const
{
    return m_converter.data();
}

void Controller::postControlMsg(std::unique_ptr<ControlMsg> msg)
{
    if (msg && isActive())
        QCoreApplication::postEvent(this, msg.release());
}

bool Controller::isIos() const
{
    return m_deviceKind == 1 || m_deviceKind == 2;
}

PVDevice* Controller::session() const
{
    return qobject_cast<PVDevice*>(parent());
}

// --- Slots

void Controller::onPostCapture()
{
    if (PVDevice* device = session())
        device->screenshot();
}

void Controller::onPostNotify()
{
    if (!m_converter || !m_window)
        return;
    const QSize shown = m_window->renderWidget()->displayFrameSize();
    dragThroughConverter(QPointF(kNotifyX * shown.width(), kNotifyStartY * shown.height()),
                         kNotifyStepY * shown.height(), kNotifyMoves);
}

void Controller::onPostGoBack()
{
    if (!isIos()) {
        postSystemKey(kKeyBack);
        return;
    }
    if (!m_converter || !m_window)
        return;
    const QSize shown = m_window->renderWidget()->displayFrameSize();
    tapThroughConverter(QPointF(kBackTapX * shown.width(), kBackTapY * shown.height()));
}

void Controller::onPostGoHome()
{
    if (isIos()) {
        postSystemKey(kKeyAppSwitch);
        postSystemKey(kKeyHome);
    } else {
        postSystemKey(kKeyHome);
        postSystemKey(kKeyHome);
    }
}

void Controller::onPostAppSwitch()
{
    postSystemKey(kKeyAppSwitch);
    if (isIos())
        postSystemKey(kKeyAppSwitch);
}

void Controller::onPostPower()
{
    postSystemKey(isIos() ? kKeyIosPower : kKeyPower);
}

void Controller::onPostVolumeUp()
{
}

void Controller::onPostVolumeDown()
{
}

void Controller::onPostKBMapper()
{
    if (!m_window)
        return;
    if (QHIDMapperWidget* overlay = m_window->keyMapOverlay()) {
        overlay->close();
        delete overlay;
        return;
    }
    auto* overlay = new QHIDMapperWidget(m_window, this);
    m_window->setKeyMapOverlay(overlay);
    overlay->show();
}

void Controller::onMouseSensitivityChanged(int value)
{
    m_mouseSensitivity = value;
}

void Controller::onShootingModeShortcutChanged(int key)
{
    m_shootingModeShortcut = key;
}

void Controller::onExpandNotificationPanel()
{
    postSimple(ControlMsg::ExpandNotificationPanel);
}

void Controller::onCollapseNotificationPanel()
{
    postSimple(ControlMsg::CollapseNotificationPanel);
}

void Controller::onSetScreenPowerMode(ControlMsg::ScreenPowerMode mode)
{
    auto msg = std::make_unique<ControlMsg>(ControlMsg::SetScreenPowerMode);
    msg->setSetScreenPowerModeData(mode);
    postControlMsg(std::move(msg));
}

void Controller::onMouseEvent(const QMouseEvent* from, QSize frameSize, QSize showSize)
{
    // A key let go just before stays before the mouse.
    m_keyRepeat->flush();
    if (m_converter)
        m_converter->mouseEvent(from, frameSize, showSize);
}

void Controller::onWheelEvent(const QWheelEvent* from, QSize frameSize, QSize showSize)
{
    m_keyRepeat->flush();
    if (m_converter)
        m_converter->wheelEvent(from, frameSize, showSize);
}

void Controller::onKeyEvent(const QKeyEvent* from, QSize frameSize, QSize showSize)
{
    if (!from)
        return;
    // A held key stays held: its repeats reach the converter as repeated presses only.
    m_keyRepeat->keyEvent(*from, [this, frameSize, showSize](const QKeyEvent& event) {
        if (m_converter)
            m_converter->keyEvent(&event, frameSize, showSize);
    });
}

void Controller::onRequestDeviceClipboard()
{
    postSimple(ControlMsg::RequestDeviceClipboard);
}

void Controller::onSetDeviceClipboard()
{
    auto msg = std::make_unique<ControlMsg>(ControlMsg::SetDeviceClipboard);
    msg->setSetClipboardMsgData(QGuiApplication::clipboard()->text(), true);
    postControlMsg(std::move(msg));
}

void Controller::onClipboardPaste()
{
    postText(QGuiApplication::clipboard()->text());
}

void Controller::onPostTextInput(QString& text)
{
    postText(text);
}

void Controller::postSimple(ControlMsg::ControlMsgType type)
{
    postControlMsg(std::make_unique<ControlMsg>(type));
}

void Controller::postText(const QString& text)
{
    auto msg = std::make_unique<ControlMsg>(ControlMsg::Text);
    msg->setTextMsgData(text);
    postControlMsg(std::move(msg));
}

void Controller::postSystemKey(uint32_t key)
{
    for (uint32_t action : {ControlMsg::ActionDown, ControlMsg::ActionUp}) {
        auto msg = std::make_unique<ControlMsg>(ControlMsg::SystemKey);
        msg->setSystemKeyMsgData(action, key);
        postControlMsg(std::move(msg));
    }
}

void Controller::dragThroughConverter(QPointF start, double stepY, int moves)
{
    QPointF at = start;
    sendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < moves; ++i) {
        sendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        at.ry() += stepY;
    }
    sendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void Controller::tapThroughConverter(QPointF at)
{
    sendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void Controller::sendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (!m_converter || !m_window)
        return;
    const QRenderWidget* render = m_window->renderWidget();
    const QMouseEvent event(type, at, button, buttons, Qt::NoModifier);
    m_converter->mouseEvent(&event, render->frameSize(), render->displayFrameSize());
}

// --- Carrying out messages

bool Controller::event(QEvent* event)
{
    if (event->type() != QMirraEvent::Control)
        return QObject::event(event);
    const auto* msg = dynamic_cast<const ControlMsg*>(event);
    if (!msg) {
        qWarning("Controller dropped a control event that is not a control message");
        return true;
    }
    if (isIos())
        handleBluetooth(*msg);
    else if (m_deviceKind == kAndroidKind)
        handleChannel(*msg);
    return true;
}

void Controller::handleBluetooth(const ControlMsg& msg)
{
    switch (msg.msgType()) {
    case ControlMsg::KeyCode: {
        const ControlMsg::KeyCodeData& key = msg.keyCode();
        const uint8_t usage = uint8_t(key.keyCode & 0xFF);
        if (!m_btDevice)
            return;
        if (key.action == ControlMsg::ActionDown)
            m_btDevice->keyboard(kBluetoothKeyPress, usage, key.metaState);
        else if (key.action == ControlMsg::ActionUp)
            m_btDevice->keyboard(kBluetoothKeyRelease, usage, key.metaState);
        return;
    }
    case ControlMsg::Touch:
        handleBluetoothTouch(msg.touch());
        return;
    case ControlMsg::Scroll:
        m_pointerDriver.wheel(msg.scroll().vScroll);
        return;
    case ControlMsg::SystemKey: {
        const ControlMsg::SystemKeyData& key = msg.systemKey();
        if (!m_btDevice)
            return;
        if (key.action == ControlMsg::ActionDown)
            m_btDevice->consumerKey(int(key.key), true);
        else if (key.action == ControlMsg::ActionUp)
            m_btDevice->consumerKey(int(key.key), false);
        return;
    }
    default:
        return;
    }
}

void Controller::handleBluetoothTouch(const ControlMsg::TouchData& touch)
{
    if (!hasArea(touch.position)) {
        qWarning("Controller dropped a touch measured in an empty area");
        return;
    }
    const QRectF p = orientTouch(touch.position, phoneRotation(), sessionFrameSize());
    const float x = float(p.x());
    const float y = float(p.y());
    const float w = float(p.width());
    const float h = float(p.height());
    switch (touch.action) {
    case ControlMsg::ActionDown:
        m_pointerDriver.touchDown(x, y, w, h, int32_t(touch.buttons));
        break;
    case ControlMsg::ActionMove:
        m_pointerDriver.touchMove(x, y, w, h, int32_t(touch.buttons));
        break;
    case ControlMsg::ActionUp:
        m_pointerDriver.touchUp(x, y, w, h);
        break;
    default:
        break;
    }
}

QRectF Controller::orientTouch(const QRect& position, int rotation, const QSize& frame)
{
    const double x = position.x();
    const double y = position.y();
    const double w = position.width();
    const double h = position.height();
    switch (rotation) {
    case kRotationLeft:
        return QRectF(h - y, x, h, w);
    case kRotationRight:
        return QRectF(y, w - x, h, w);
    case kRotationUpsideDown:
        return QRectF(w - x, h - y, w, h);
    default:
        // A portrait picture shown on its side (the user turned the window).
        if (w > h && frame.height() > frame.width() && rotation == kRotationUpright)
            return QRectF(h - y, x, h, w);
        return QRectF(x, y, w, h);
    }
}

void Controller::handleChannel(const ControlMsg& msg)
{
    CAirPlayEx* engine = nullptr;
    void* handle = nullptr;
    if (!channel(&engine, &handle))
        return;
    switch (msg.msgType()) {
    case ControlMsg::KeyCode: {
        const ControlMsg::KeyCodeData& key = msg.keyCode();
        const uint32_t code = key.keyCode & 0xFF;
        if (key.action == ControlMsg::ActionDown)
            engine->Key(handle, kChannelKeyDown, code);
        else if (key.action == ControlMsg::ActionUp)
            engine->Key(handle, kChannelKeyUp, code);
        return;
    }
    case ControlMsg::Touch:
        sendChannelTouch(engine, handle, msg.touch());
        return;
    case ControlMsg::SystemKey: {
        const ControlMsg::SystemKeyData& key = msg.systemKey();
        if (key.action == ControlMsg::ActionDown)
            engine->SystemKey(handle, systemKeyMask(key.key));
        else if (key.action == ControlMsg::ActionUp)
            engine->SystemKey(handle, 0);
        return;
    }
    default:
        return;
    }
}

void Controller::sendChannelTouch(CAirPlayEx* engine, void* handle, const ControlMsg::TouchData& touch)
{
    if (touch.action != ControlMsg::ActionDown && touch.action != ControlMsg::ActionUp
        && touch.action != ControlMsg::ActionMove)
        return;
    if (!hasArea(touch.position)) {
        qWarning("Controller dropped a touch measured in an empty area");
        return;
    }
    const float x = float(touch.position.x());
    const float y = float(touch.position.y());
    const float w = float(touch.position.width());
    const float h = float(touch.position.height());
    CAirPlayTouchRecord record{};
    record.pressed = touch.action != ControlMsg::ActionUp ? 1 : 0;
    record.pointerId = uint32_t(touch.pointerId);
    if (w > h) {
        // The channel measures landscape pictures from the phone's own upright corner.
        record.x = 1.0f - y / h;
        record.y = x / w;
    } else {
        record.x = x / w;
        record.y = y / h;
    }
    engine->Touch(handle, &record, 1);
}

uint32_t Controller::systemKeyMask(uint32_t key)
{
    switch (key) {
    case kKeyBack:
        return kMaskBack;
    case kKeyHome:
        return kMaskHome;
    case kKeyAppSwitch:
        return kMaskAppSwitch;
    case kKeyPower:
        return kMaskPower;
    default:
        return key;
    }
}

bool Controller::channel(CAirPlayEx** engine, void** handle) const
{
    PVDevice* device = session();
    QPVAirPlayClient* client = device ? device->client() : nullptr;
    if (!client)
        return false;
    *engine = client->airplayService() ? client->airplayService()->engine() : nullptr;
    *handle = static_cast<void*>(client);
    return *engine != nullptr;
}

int Controller::phoneRotation() const
{
    PVDevice* device = session();
    QPVAirPlayClient* client = device ? device->client() : nullptr;
    return client ? client->rotation() : kRotationUpright;
}

QSize Controller::sessionFrameSize() const
{
    return m_window ? m_window->frameSize() : QSize();
}
