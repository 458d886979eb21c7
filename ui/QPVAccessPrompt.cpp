#include "ui/QPVAccessPrompt.h"

#include "ui/QEAlertDialog.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTimer>

QPVAccessPrompt::QPVAccessPrompt(QObject* parent)
    : QObject(parent)
{
}

SCReceiverAccess::Answer QPVAccessPrompt::ask(QWidget* parent, const QString& phoneName)
{
    if (m_dialog)
        return SCReceiverAccess::Answer::Deny;  // one question at a time; the receiver serialises them
    QEAlertDialog* dialog = QEAlertDialog::create(parent, tr("Tips"),
                                                  tr("Allow %1 to mirror to this PC?").arg(phoneName),
                                                  QEAlertDialog::ModeAcceptCancel);
    m_dialog = dialog;
    // Answering a phone never ends the program, even when no other window is open.
    dialog->setAttribute(Qt::WA_QuitOnClose, false);
    dialog->setAcceptText(tr("Allow"));
    dialog->setCancelText(tr("Deny"));
    auto* always = new QPushButton(tr("Always allow"), dialog);
    always->setObjectName(QStringLiteral("btnAlwaysAllow"));
    always->setCursor(dialog->acceptButton()->cursor());
    always->setMinimumSize(dialog->acceptButton()->minimumSize());
    // Beside the other two answers, before Allow.
    if (auto* row = qobject_cast<QBoxLayout*>(dialog->acceptButton()->parentWidget()->layout()))
        row->insertWidget(row->indexOf(dialog->acceptButton()), always);
    connect(always, &QPushButton::clicked, dialog, [dialog] { dialog->done(kAlwaysAllowResult); });
    QTimer::singleShot(kTimeoutMs, dialog, [dialog] { dialog->reject(); });
    QTimer::singleShot(0, this, [this, shownDialog = QPointer<QEAlertDialog>(dialog)] {
        if (shownDialog)
            emit shown(shownDialog);
    });

    const int result = dialog->exec();
    // The nested event loop may have deleted the parent and with it the dialog.
    delete m_dialog.data();
    m_dialog.clear();
    if (result == kAlwaysAllowResult)
        return SCReceiverAccess::Answer::AlwaysAllow;
    return result == QDialog::Accepted ? SCReceiverAccess::Answer::Allow : SCReceiverAccess::Answer::Deny;
}

void QPVAccessPrompt::cancel()
{
    if (m_dialog)
        m_dialog->reject();
}
