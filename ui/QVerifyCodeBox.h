#pragma once
// The captcha and verification-code rows of an account form: the captcha picture (clicking it
// loads a new one), and "Send Code" with its countdown before a code may be asked for again.

#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QAccountKindSwitch;
class QLineEdit;
class QPushButton;

class QVerifyCodeBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCaptchaLength = 4;
    static constexpr int kCaptchaWidth = 240;
    static constexpr int kCaptchaHeight = 80;
    static constexpr int kCountdownSeconds = 60;
    static constexpr int kTickMs = 1000;
    // A captcha picture larger than this is refused unread.
    static constexpr int kMaxPictureSide = 2048;

    // verifyType: what the code is for, "quicklogin", "register" or "getpassword".
    explicit QVerifyCodeBox(const QString& verifyType, QWidget* parent = nullptr);

    // The account the code goes to, and the choice that picks the e-mail or SMS request.
    void setAccount(QLineEdit* account, QAccountKindSwitch* kind);

    QLineEdit* captchaEdit() const { return m_captchaEdit; }
    QLineEdit* codeEdit() const { return m_codeEdit; }
    QPushButton* captchaButton() const { return m_captchaButton; }
    QPushButton* sendCodeButton() const { return m_sendCode; }
    // Seconds before "Send Code" may be pressed again; 0 when it is not counting down.
    int secondsLeft() const { return m_secondsLeft; }
    const QTimer& tickTimer() const { return m_tick; }

public slots:
    void loadCaptcha();
    void didApiLoadCaptchaImage(int result, QJsonObject* resObject);
    void didApiCheckCode(int result, QJsonObject* resObject);
    // One second of the countdown has passed.
    void countdownTick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void didClickSendCode();

private:
    void retranslate();
    bool showCaptcha(const QByteArray& base64);
    void refreshSendCode();

    QString m_verifyType;
    QPointer<QLineEdit> m_account;
    QPointer<QAccountKindSwitch> m_kind;
    QLineEdit* m_captchaEdit = nullptr;
    QPushButton* m_captchaButton = nullptr;
    QLineEdit* m_codeEdit = nullptr;
    QPushButton* m_sendCode = nullptr;
    QTimer m_tick;
    int m_secondsLeft = 0;
    bool m_codeRequested = false;
};
