#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QKeyEvent;

// Keeps a held key held. X11 sends a release before every repeated press of a held key, both
// with the same timestamp, and Qt does not always mark the pair as auto-repeated. A release is
// therefore held back for a moment: a press of the same key with the same timestamp makes it
// a repeat (the release is dropped, the press marked auto-repeated); anything else hands the
// release on first.
class KeyRepeatFilter : public QObject {
    Q_OBJECT
public:
    // The repeated press follows its release within a millisecond; a real release waits this long.
    static constexpr int kHoldMs = 20;
    using Deliver = std::function<void(const QKeyEvent&)>;

    explicit KeyRepeatFilter(QObject* parent = nullptr);
    ~KeyRepeatFilter() override;

    // Hands the event (or the events it stands for) to deliver, in order.
    void keyEvent(const QKeyEvent& event, Deliver deliver);
    // Hands on a release held back, e.g. before other input.
    void flush();
    bool hasPendingRelease() const { return m_pending != nullptr; }

    // The same event marked as auto-repeated.
    static QKeyEvent repeatOf(const QKeyEvent& event);

private:
    std::unique_ptr<QKeyEvent> m_pending;
    Deliver m_pendingDeliver;
    QTimer m_timer;
};
