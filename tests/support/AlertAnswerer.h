#pragma once
// Answers the next alert a window puts up, once it is on screen, and notes what it asked.

#include "ui/QEAlertDialog.h"

#include <QApplication>
#include <QObject>
#include <QPushButton>
#include <QTimer>

#include <functional>

class AlertAnswerer : public QObject {
public:
    bool asked = false;
    QString title;
    QString detail;

    // Without an answer the alert is accepted.
    void arm(std::function<void(QEAlertDialog*)> answer = {})
    {
        QTimer::singleShot(20, this, [this, answer] {
            auto* alert = qobject_cast<QEAlertDialog*>(QApplication::activeModalWidget());
            if (!alert || !alert->isVisible()) {
                arm(answer);
                return;
            }
            asked = true;
            title = alert->title();
            detail = alert->detail();
            if (answer)
                answer(alert);
            else
                alert->acceptButton()->click();
        });
    }
};
