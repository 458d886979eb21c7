#pragma once
// Modal frameless message box: a title, a detail text and one or two buttons.

#include "ui/FramelessWindow.h"

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class QEAlertDialog;
}
class QCheckBox;
class QLabel;
class QPushButton;

class QEAlertDialog : public FramelessWindow<QDialog> {
    Q_OBJECT
public:
    enum Mode {
        ModeAccept = 0,          // only the accept button
        ModeAcceptCancel = 1,    // accept and cancel
    };

    explicit QEAlertDialog(QWidget *parent = nullptr);
    ~QEAlertDialog() override;

    // Builds the dialog without showing it; the caller runs it and owns it. A mode other than
    // 0 or 1 leaves both buttons as the form has them.
    static QEAlertDialog *create(QWidget *parent, const QString &title, const QString &detail,
                                 int mode);
    // Runs an alert modally and deletes it; answers QDialog::Accepted or QDialog::Rejected.
    static int run(QWidget *parent, const QString &title, const QString &detail, int mode);

    void setTitle(const QString &title);
    QString title() const;
    void setDetail(const QString &detail);
    QString detail() const;
    void setDetailAlignment(Qt::Alignment alignment);
    void setAcceptText(const QString &text);
    void setCancelText(const QString &text);
    void setMode(int mode);

    // A check box under the detail text (such as "remember my choice"); the dialog owns it.
    // In the Tab order it comes before the buttons.
    QCheckBox *addCheckBox(const QString &text);

    QPushButton *acceptButton() const;
    QPushButton *cancelButton() const;

    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyStyleSheet();
    void fitToText();

    QScopedPointer<Ui::QEAlertDialog> m_ui;
};
