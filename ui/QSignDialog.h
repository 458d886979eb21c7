#pragma once
// The modal sign-in and sign-up window: a bar with "Sign In" and "Sign Up" over the frame it
// selects. Whichever way the user gets a login key, the profile is loaded with it and the user
// becomes the signed-in user.

#include "ui/FramelessWindow.h"

#include <QDialog>
#include <QJsonObject>

class QButtonGroup;
class QPushButton;
class QSigninFrame;
class QSignupFrame;
class QStackedWidget;

class QSignDialog : public FramelessWindow<QDialog> {
    Q_OBJECT
public:
    enum Page { PageSignIn = 0, PageSignUp = 1 };

    explicit QSignDialog(QWidget* parent = nullptr);

    QSigninFrame* signinFrame() const { return m_signin; }
    QSignupFrame* signupFrame() const { return m_signup; }
    Page currentPage() const;
    void showPage(Page page);

    // Closing by any way ends the browser sign-in's polling.
    void done(int result) override;

public slots:
    void didApiLoadProfile(int result, QJsonObject* resObject);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void didReceiveLoginKey(const QString& loginKey);

private:
    void buildForm();
    void retranslate();
    void focusFirstField();

    QPushButton* m_barSignIn = nullptr;
    QPushButton* m_barSignUp = nullptr;
    QButtonGroup* m_bar = nullptr;
    QStackedWidget* m_frames = nullptr;
    QSigninFrame* m_signin = nullptr;
    QSignupFrame* m_signup = nullptr;
    // The key whose profile is being loaded; empty when none is.
    QString m_loginKey;
};
