#pragma once
// "Shortcuts" page: the device window's keyboard shortcuts, for reading only.

#include "ui/QOptionsFrame.h"

class QOptionsShortcutsFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsShortcutsFrame(QWidget* parent = nullptr);

private:
    void addShortcut(const QString& action, const QString& keys);
};
