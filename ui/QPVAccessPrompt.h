#pragma once
// The question shown when an unknown phone wants to mirror while the receiver asks first:
// "Allow NAME to mirror to this PC?" with Allow, Deny and Always allow. Unanswered, it closes
// itself after a minute and counts as Deny.

#include "scairplay/SCReceiverAccess.h"

#include <QObject>
#include <QPointer>

class QEAlertDialog;
class QWidget;

class QPVAccessPrompt : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 60000;
    // The dialog's result for "Always allow" (accept is Allow, reject is Deny).
    static constexpr int kAlwaysAllowResult = 2;

    explicit QPVAccessPrompt(QObject* parent = nullptr);

    // Runs the question modally; answers what the user chose.
    SCReceiverAccess::Answer ask(QWidget* parent, const QString& phoneName);
    // Closes an open question as Deny (the receiver is stopping).
    void cancel();
    // The question being shown, or null.
    QEAlertDialog* dialog() const { return m_dialog; }

signals:
    // The question is on the screen (for tests and the window that raises it).
    void shown(QEAlertDialog* dialog);

private:
    QPointer<QEAlertDialog> m_dialog;
};
