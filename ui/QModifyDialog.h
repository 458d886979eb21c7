#pragma once
// "Modify Password": a new password for an account, proven by a verification code.

#include "ui/FramelessWindow.h"

#include <QDialog>
#include <QJsonObject>

class QAccountKindSwitch;
class QLabel;
class QLineEdit;
class QPushButton;
class QVerifyCodeBox;

class QModifyDialog : public FramelessWindow<QDialog> {
    Q_OBJECT
public:
    // Starts with the account and kind the user was signing in with.
    explicit QModifyDialog(QWidget* parent = nullptr, const QString& account = QString(), bool email = true);

    QString account() const;
    bool isEmail() const;
    QVerifyCodeBox* codeBox() const { return m_codeBox; }

public slots:
    void didApiResetPassword(int result, QJsonObject* resObject);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void didClickModify();

private:
    void buildForm();
    void retranslate();

    QWidget* m_titlebar = nullptr;
    QAccountKindSwitch* m_kind = nullptr;
    QLineEdit* m_account = nullptr;
    QVerifyCodeBox* m_codeBox = nullptr;
    QLabel* m_newPasswordLabel = nullptr;
    QLineEdit* m_newPassword = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_pending = false;
};
