#pragma once

#include <QEvent>

// Base of the program's own events delivered through the Qt event queue.
class QMirraEvent : public QEvent {
public:
    // Control messages for a phone's Controller.
    static constexpr QEvent::Type Control = QEvent::Type(QEvent::User + 2);

    explicit QMirraEvent(QEvent::Type type) : QEvent(type) {}
};
