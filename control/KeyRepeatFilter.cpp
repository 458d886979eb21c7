#include "control/KeyRepeatFilter.h"

#include <QKeyEvent>

KeyRepeatFilter::KeyRepeatFilter(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &KeyRepeatFilter::flush);
}

KeyRepeatFilter::~KeyRepeatFilter() = default;

QKeyEvent KeyRepeatFilter::repeatOf(const QKeyEvent& event)
{
    // The stored modifiers, not modifiers(), which flips the bit of a modifier key itself.
    QKeyEvent repeat(event.type(), event.key(), static_cast<const QInputEvent&>(event).modifiers(),
                     event.nativeScanCode(), event.nativeVirtualKey(), event.nativeModifiers(), event.text(), true,
                     event.count());
    repeat.setTimestamp(event.timestamp());
    return repeat;
}

void KeyRepeatFilter::keyEvent(const QKeyEvent& event, Deliver deliver)
{
    if (event.type() == QEvent::KeyRelease) {
        // Qt saw the repeat itself.
        if (event.isAutoRepeat())
            return;
        flush();
        m_pending = std::make_unique<QKeyEvent>(event);
        m_pendingDeliver = std::move(deliver);
        m_timer.start(kHoldMs);
        return;
    }
    const bool repeat = event.type() == QEvent::KeyPress && m_pending && m_pending->key() == event.key()
                        && m_pending->nativeScanCode() == event.nativeScanCode()
                        && m_pending->timestamp() == event.timestamp();
    if (repeat) {
        m_timer.stop();
        m_pending.reset();
        m_pendingDeliver = nullptr;
        deliver(event.isAutoRepeat() ? event : repeatOf(event));
        return;
    }
    flush();
    deliver(event);
}

void KeyRepeatFilter::flush()
{
    m_timer.stop();
    if (!m_pending)
        return;
    const std::unique_ptr<QKeyEvent> release = std::move(m_pending);
    const Deliver deliver = std::move(m_pendingDeliver);
    m_pendingDeliver = nullptr;
    if (deliver)
        deliver(*release);
}
