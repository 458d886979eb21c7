#pragma once
// Signing in, by account and password or by a verification code, with "Auto Login" and the
// way to a password reset.

#include <QFrame>
#include <QJsonObject>

class QAccountKindSwitch;
class QCheckBox;
class QELabel;
class QLineEdit;
class QPushButton;
class QSignSNSFrame;
class QVerifyCodeBox;

class QSigninFrame : public QFrame {
    Q_OBJECT
public:
    explicit QSigninFrame(QWidget* parent = nullptr);

    bool isAutoLogin() const;
    bool isByCode() const;
    void setByCode(bool byCode);
    bool isEmail() const;
    QPushButton* primaryButton() const { return m_signIn; }
    QSignSNSFrame* snsFrame() const { return m_sns; }
    QVerifyCodeBox* codeBox() const { return m_codeBox; }
    // Puts the cursor where the user goes on: the first empty field of the shown way in.
    void focusFirstField();

signals:
    void didReceiveLoginKey(const QString& loginKey);

public slots:
    void didApiLoginWithAccount(int result, QJsonObject* resObject);
    void didApiLoginWithCode(int result, QJsonObject* resObject);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void didClickSignIn();
    void didClickSwitch();
    void didClickForgot();

private:
    void buildForm();
    void retranslate();
    void signInByPassword();
    void signInByCode();
    void finishSignIn(int result, const QJsonObject* answer);
    QLineEdit* shownAccount() const;

    QAccountKindSwitch* m_kind = nullptr;
    QFrame* m_byAccount = nullptr;
    QLineEdit* m_account = nullptr;
    QLineEdit* m_password = nullptr;
    QFrame* m_byCode = nullptr;
    QLineEdit* m_codeAccount = nullptr;
    QVerifyCodeBox* m_codeBox = nullptr;
    QCheckBox* m_autoLogin = nullptr;
    QELabel* m_forgot = nullptr;
    QPushButton* m_signIn = nullptr;
    QELabel* m_switch = nullptr;
    QSignSNSFrame* m_sns = nullptr;
    bool m_pending = false;
};
