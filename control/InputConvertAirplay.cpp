#include "control/InputConvertAirplay.h"

#include "control/ControlMsg.h"
#include "control/KeyScanCodes.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// Only these buttons are a finger.
constexpr Qt::MouseButtons kTouchButtons = Qt::LeftButton | Qt::RightButton;
// The finger that follows the pointer to a release.
constexpr uint32_t kReleaseMoveButtons = Qt::LeftButton;
constexpr float kPressure = 1.0f;

int32_t stepOf(int delta)
{
    return delta > 0 ? 1 : (delta < 0 ? -1 : 0);
}

} // namespace

InputConvertAirplay::InputConvertAirplay(Controller* controller)
    : InputConvertBase(controller)
    , m_clock(&QDateTime::currentMSecsSinceEpoch)
{
}

void InputConvertAirplay::setClock(std::function<qint64()> clock)
{
    m_clock = clock ? std::move(clock) : std::function<qint64()>(&QDateTime::currentMSecsSinceEpoch);
}

bool InputConvertAirplay::touchAction(const QMouseEvent* from, uint32_t* action)
{
    switch (from->type()) {
    case QEvent::MouseButtonPress:
    // Qt sends the second press of a double click as its own event type.
    case QEvent::MouseButtonDblClick:
        if (!(from->buttons() & kTouchButtons))
            return false;
        *action = ControlMsg::ActionDown;
        m_lastMoveMs = 0;
        return true;
    case QEvent::MouseButtonRelease:
        if (!(from->button() & kTouchButtons))
            return false;
        *action = ControlMsg::ActionUp;
        return true;
    case QEvent::MouseMove: {
        if (!(from->buttons() & kTouchButtons))
            return false;
        const qint64 now = m_clock();
        if (now - m_lastMoveMs < kMoveIntervalMs)
            return false;
        m_lastMoveMs = now;
        *action = ControlMsg::ActionMove;
        return true;
    }
    default:
        return false;
    }
}

void InputConvertAirplay::mouseEvent(const QMouseEvent* from, const QSize&, const QSize& showSize)
{
    if (!from)
        return;
    uint32_t action = 0;
    if (!touchAction(from, &action))
        return;
    const QRect position(from->localPos().toPoint(), showSize);
    // The finger is brought to where the button comes up before it is lifted.
    if (action == ControlMsg::ActionUp && m_lastMoveMs != 0) {
        m_lastMoveMs = 0;
        sendTouch(ControlMsg::ActionMove, kReleaseMoveButtons, position);
    }
    sendTouch(action, uint32_t(from->buttons()), position);
}

void InputConvertAirplay::sendTouch(uint32_t action, uint32_t buttons, const QRect& position)
{
    auto msg = std::make_unique<ControlMsg>(ControlMsg::Touch);
    msg->setTouchMsgData(ControlMsg::kMousePointerId, action, buttons, position, kPressure);
    send(std::move(msg));
}

void InputConvertAirplay::wheelEvent(const QWheelEvent* from, const QSize&, const QSize& showSize)
{
    if (!from)
        return;
    const QPoint delta = from->angleDelta();
    if (delta.x() == 0 && delta.y() == 0)
        return;
    auto msg = std::make_unique<ControlMsg>(ControlMsg::Scroll);
    msg->setScrollMsgData(QRect(from->position().toPoint(), showSize), stepOf(delta.x()), stepOf(delta.y()));
    send(std::move(msg));
}

void InputConvertAirplay::keyEvent(const QKeyEvent* from, const QSize&, const QSize&)
{
    if (!from)
        return;
    uint32_t action = 0;
    if (from->type() == QEvent::KeyPress)
        action = ControlMsg::ActionDown;
    else if (from->type() == QEvent::KeyRelease)
        action = ControlMsg::ActionUp;
    else
        return;
    const uint8_t usage = KeyScanCodes::hidUsageFromNativeScanCode(from->nativeScanCode());
    auto msg = std::make_unique<ControlMsg>(ControlMsg::KeyCode);
    msg->setKeyCodeMsgData(action, usage, from->nativeModifiers());
    send(std::move(msg));
}
