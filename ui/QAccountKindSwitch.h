#pragma once
// The "Email" / "Phone" choice of an account form: it decides which variant of each request is
// sent and what the account fields ask for.

#include <QList>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

class QAccountKindSwitch : public QWidget {
    Q_OBJECT
public:
    explicit QAccountKindSwitch(QWidget* parent = nullptr);

    bool isEmail() const;
    void setEmail(bool email);
    // The edit follows the choice: its placeholder and keyboard hints.
    void bindAccount(QLineEdit* account);

signals:
    void kindChanged(bool email);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void refreshAccounts();

    QRadioButton* m_email = nullptr;
    QRadioButton* m_phone = nullptr;
    QButtonGroup* m_group = nullptr;
    QList<QPointer<QLineEdit>> m_accounts;
};
