#pragma once
// The home screen: what the program does, the name phones see it under, this PC's address and
// Wi-Fi network, and the buttons for sign-in, the multi-device center, the settings, minimise
// and close. Fixed size, dragged by its title bar.

#include "ui/FramelessWindow.h"

#include <QDialog>
#include <QJsonObject>
#include <QScopedPointer>

namespace Ui {
class QMainDialog;
}
class QGuideWidget;

class QMainDialog : public FramelessWindow<QDialog> {
    Q_OBJECT
public:
    static constexpr int kWidth = 1100;
    static constexpr int kHeight = 620;

    // What the close button does ("options"/"general"/"closingAction").
    enum class ClosingAction { Minimize, AskFirst, Quit };
    // "minimize", "askfirst", "quit"; anything else asks, as the default does.
    static ClosingAction closingActionFromSetting(const QString& value);
    static QString settingFromClosingAction(ClosingAction action);

    explicit QMainDialog(QWidget* parent = nullptr);
    ~QMainDialog() override;

    QGuideWidget* guideWidget() const { return m_guide; }
    // Closes the window without asking: the program is ending anyway.
    void closeForShutdown();

public slots:
    void didUserStatusChanged();
    void didClickSign();
    void didClickOption();
    void didClickGrid();
    void didClickMin();
    void didClickClose();
    void didClickGuide();
    void didApiLoadProfile(int result, QJsonObject* resObject);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public:
    // The home screen is never dismissed like a dialog: Escape does nothing.
    void reject() override;

private:
    void setupWindow();
    void setupGuide();
    void setupShortcuts();
    void fillLocalInformation();
    void setVideoWindowProperty();
    void connectSignals();
    void autoSignIn();
    void refreshGuideLabel();
    void refreshReceiverName();
    void showAccessCode(const QString& code);

    void applyClosingAction(ClosingAction action);
    void askClosingAction();
    void rememberClosingAction(ClosingAction action);
    void quitProgram();

    QScopedPointer<Ui::QMainDialog> ui;
    QGuideWidget* m_guide = nullptr;
    // Set once the window may really close (quitting or shutting down).
    bool m_closingForGood = false;
    // An ask-first question is open; a second close request must not stack another.
    bool m_asking = false;
};
