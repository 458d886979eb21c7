#include "ui/QOptionsShortcutsFrame.h"

#include <QLabel>

QOptionsShortcutsFrame::QOptionsShortcutsFrame(QWidget* parent)
    : QOptionsFrame(QString(), tr("Shortcuts"), parent)
{
    setRowSpacing(6);
    addSection(tr("Control Bar"));
    addShortcut(tr("Record"), QStringLiteral("Alt + 1"));
    addShortcut(tr("Rotate 90"), QStringLiteral("Alt + 2"));
    addShortcut(tr("Screenshot"), QStringLiteral("Alt + 3"));
    addShortcut(tr("FPS"), QStringLiteral("Alt + 4"));
    addShortcut(tr("Volume On/Off"), QStringLiteral("Alt + 5"));
    addShortcut(tr("Always on Top"), QStringLiteral("Alt + 6"));
    addShortcut(tr("Full Screen"), QStringLiteral("Alt + 7"));

    addSection(tr("Control Device"));
    addShortcut(tr("Home"), QStringLiteral("Shift + 1"));
    addShortcut(tr("Back"), QStringLiteral("Shift + 2"));
    addShortcut(tr("Notify"), QStringLiteral("Shift + 3"));
    addShortcut(tr("App Switch"), QStringLiteral("Shift + 4"));
    addShortcut(tr("Power"), QStringLiteral("Shift + 5"));
    addShortcut(tr("Keyboard Mapping"), QStringLiteral("Shift + 6"));
    finish();
}

void QOptionsShortcutsFrame::addShortcut(const QString& action, const QString& keys)
{
    auto* keyLabel = new QLabel(keys, this);
    keyLabel->setObjectName("lbKeys");
    addRow(action, keyLabel);
}
