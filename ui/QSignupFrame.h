#pragma once
// Creating an account: account, password, a verification code sent to the account, and the
// terms of service accepted.

#include <QFrame>
#include <QJsonObject>

class QAccountKindSwitch;
class QCheckBox;
class QELabel;
class QLineEdit;
class QPushButton;
class QSignSNSFrame;
class QVerifyCodeBox;

class QSignupFrame : public QFrame {
    Q_OBJECT
public:
    explicit QSignupFrame(QWidget* parent = nullptr);

    QPushButton* primaryButton() const { return m_signUp; }
    QSignSNSFrame* snsFrame() const { return m_sns; }
    QVerifyCodeBox* codeBox() const { return m_codeBox; }
    void focusFirstField();
    // Where the terms of service are written for the browser to show.
    static QString termsFilePath();

signals:
    void didReceiveLoginKey(const QString& loginKey);

public slots:
    void didApiRegisterAccount(int result, QJsonObject* resObject);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void didClickSignUp();
    void didClickTerms();

private:
    void buildForm();
    void retranslate();

    QAccountKindSwitch* m_kind = nullptr;
    QLineEdit* m_account = nullptr;
    QLineEdit* m_password = nullptr;
    QVerifyCodeBox* m_codeBox = nullptr;
    QCheckBox* m_terms = nullptr;
    QELabel* m_termsLink = nullptr;
    QPushButton* m_signUp = nullptr;
    QSignSNSFrame* m_sns = nullptr;
    bool m_pending = false;
};
