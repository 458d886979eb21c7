#pragma once
// What the control tests watch: the messages a Controller receives, and the calls that reach
// a phone's Bluetooth HID device.

#include "support/FakeBluetoothDevice.h"
#include "control/ControlMsg.h"

#include <QCoreApplication>
#include <QStringList>

namespace controltest {

inline QString describe(const ControlMsg& msg)
{
    static const char* const actions[] = {"down", "up", "move"};
    auto action = [](uint32_t a) { return QString(a < 3 ? actions[a] : "?"); };
    auto rect = [](const QRect& r) { return QString("%1,%2 in %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); };
    switch (msg.msgType()) {
    case ControlMsg::KeyCode:
        return QString("key %1 %2 meta %3").arg(action(msg.keyCode().action)).arg(msg.keyCode().keyCode).arg(msg.keyCode().metaState);
    case ControlMsg::Touch: {
        // Fingers of a key map carry their own ids; the mouse's is left out.
        const uint64_t id = msg.touch().pointerId;
        const QString finger = id == ControlMsg::kMousePointerId ? QString() : QString("#%1").arg(id);
        return QString("touch%1 %2 b%3 %4").arg(finger).arg(action(msg.touch().action)).arg(msg.touch().buttons).arg(rect(msg.touch().position));
    }
    case ControlMsg::Scroll:
        return QString("scroll %1,%2 at %3").arg(msg.scroll().hScroll).arg(msg.scroll().vScroll).arg(rect(msg.scroll().position));
    case ControlMsg::SystemKey:
        return QString("system %1 %2").arg(action(msg.systemKey().action)).arg(msg.systemKey().key);
    default:
        return QString("type %1").arg(msg.msgType());
    }
}

// Takes every control message delivered to the object it filters and notes it.
class MessageLog : public QObject {
public:
    explicit MessageLog(QObject* watched) : m_watched(watched) { watched->installEventFilter(this); }
    // Delivers what was posted and answers what arrived since the last call.
    QStringList take()
    {
        QCoreApplication::sendPostedEvents(m_watched, QMirraEvent::Control);
        QStringList out;
        out.swap(m_lines);
        return out;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QMirraEvent::Control)
            return false;
        m_lines << describe(*static_cast<ControlMsg*>(event));
        return true;
    }

private:
    QObject* m_watched;
    QStringList m_lines;
};

} // namespace controltest
