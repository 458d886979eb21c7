#pragma once
// "General" page: language, what closing the main window does, and removing the USB drivers.

#include "ui/QOptionsFrame.h"

class QPushButton;

class QOptionsGeneralFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsGeneralFrame(QWidget* parent = nullptr);

    QPushButton* uninstallButton() const { return m_btnUninstall; }

private slots:
    void didClickUninstall();

private:
    QPushButton* m_btnUninstall = nullptr;
};
