#pragma once

#include "control/InputConvertBase.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>

// The default converter: the left or right mouse button is one finger, the wheel scrolls in
// single steps, and every PC key goes to the phone as its USB HID keyboard usage.
class InputConvertAirplay : public InputConvertBase {
    Q_OBJECT
public:
    // Moves closer together than this are dropped.
    static constexpr qint64 kMoveIntervalMs = 15;

    explicit InputConvertAirplay(Controller* controller);

    void mouseEvent(const QMouseEvent* from, const QSize& frameSize, const QSize& showSize) override;
    void wheelEvent(const QWheelEvent* from, const QSize& frameSize, const QSize& showSize) override;
    void keyEvent(const QKeyEvent* from, const QSize& frameSize, const QSize& showSize) override;

    // Milliseconds since the epoch; replaceable so the move throttle can be driven by hand.
    void setClock(std::function<qint64()> clock);

protected:
    void sendTouch(uint32_t action, uint32_t buttons, const QRect& position);

private:
    // The touch action of a mouse event, or false when the event sends nothing.
    bool touchAction(const QMouseEvent* from, uint32_t* action);

    std::function<qint64()> m_clock;
    // Time of the last move sent; 0 when none was sent since the last press.
    qint64 m_lastMoveMs = 0;
};
