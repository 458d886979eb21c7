#pragma once
// A user in front of the driver window: answers every box as it appears (No, unless told
// otherwise) and notes what the progress popup showed.

#include "ui/QEAlertDialog.h"
#include "usbdriver/CProgressDlg.h"
#include "usbdriver/CWDIDlg.h"

#include <QApplication>
#include <QTimer>

class DriverUser : public QObject {
public:
    DriverUser()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { look(); });
        m_poll.start(20);
    }
    bool sayYes = false;
    QStringList boxes;
    QStringList popupTexts;

private:
    void look()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* popup = qobject_cast<CProgressDlg*>(w)) {
                if (popup->isVisible() && (popupTexts.isEmpty() || popupTexts.last() != popup->text()))
                    popupTexts << popup->text();
            }
            auto* box = qobject_cast<QEAlertDialog*>(w);
            if (box && box->isVisible() && !box->property("answered").toBool()) {
                box->setProperty("answered", true);
                boxes << box->detail();
                QTimer::singleShot(100, box, sayYes ? &QDialog::accept : &QDialog::reject);
            }
        }
    }
    QTimer m_poll;
};

// Device listings in the window's log: each scan cycle lists twice (iOS, then Android).
inline int scansListed(const CWDIDlg& dlg)
{
    return dlg.logText().count("USB devices listed");
}
