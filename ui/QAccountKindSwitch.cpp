#include "ui/QAccountKindSwitch.h"

#include "ui/PVSignForm.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

QAccountKindSwitch::QAccountKindSwitch(QWidget* parent)
    : QWidget(parent)
    , m_email(new QRadioButton(this))
    , m_phone(new QRadioButton(this))
    , m_group(new QButtonGroup(this))
{
    m_email->setObjectName(QStringLiteral("rdbtnEmail"));
    m_phone->setObjectName(QStringLiteral("rdbtnPhone"));
    for (QRadioButton* button : {m_email, m_phone}) {
        PVSignForm::setSkinRole(button, "kind");
        button->setCursor(Qt::PointingHandCursor);
        m_group->addButton(button);
    }
    m_email->setChecked(true);
    PVSignForm::keepCheckedOnTabWay(m_email, m_phone);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_email);
    row->addWidget(m_phone);
    row->addStretch(1);
    connect(m_email, &QRadioButton::toggled, this, [this](bool email) {
        refreshAccounts();
        emit kindChanged(email);
    });
    retranslate();
}

bool QAccountKindSwitch::isEmail() const
{
    return m_email->isChecked();
}

void QAccountKindSwitch::setEmail(bool email)
{
    (email ? m_email : m_phone)->setChecked(true);
}

void QAccountKindSwitch::bindAccount(QLineEdit* account)
{
    m_accounts.append(account);
    refreshAccounts();
}

void QAccountKindSwitch::refreshAccounts()
{
    const bool email = isEmail();
    for (const QPointer<QLineEdit>& account : m_accounts) {
        if (!account)
            continue;
        account->setPlaceholderText(email ? tr("Please input email") : tr("Please input phone number"));
        account->setInputMethodHints(email ? Qt::ImhEmailCharactersOnly : Qt::ImhDialableCharactersOnly);
    }
}

void QAccountKindSwitch::retranslate()
{
    m_email->setText(tr("Email"));
    m_phone->setText(tr("Phone"));
    refreshAccounts();
}

void QAccountKindSwitch::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
