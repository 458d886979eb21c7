#include "ui/PVSignForm.h"

#include "ui/QEAlertDialog.h"
#include "ui/QELabel.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

bool PVSignForm::requireFilled(QWidget* parent, const QList<QLineEdit*>& edits)
{
    for (QLineEdit* edit : edits) {
        if (!edit->text().trimmed().isEmpty())
            continue;
        QPointer<QLineEdit> field = edit;
        alert(parent, edit->placeholderText());
        // The alert's nested loop may have ended the form.
        if (field)
            field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

namespace {

// A one-button alert over the middle of the form's window.
void runAlert(QWidget* parent, const QString& title, const QString& text)
{
    // The nested loop may end the form and with it the alert.
    QPointer<QEAlertDialog> alert = QEAlertDialog::create(parent, title, text, QEAlertDialog::ModeAccept);
    alert->adjustSize();
    PVSignForm::centerOnParent(alert);
    alert->exec();
    delete alert.data();
}

} // namespace

void PVSignForm::alert(QWidget* parent, const QString& text)
{
    qInfo("Alert: %s", qUtf8Printable(text));
    runAlert(parent, tr("Alert"), text);
}

void PVSignForm::tip(QWidget* parent, const QString& text)
{
    qInfo("Tips: %s", qUtf8Printable(text));
    runAlert(parent, tr("Tips"), text);
}

void PVSignForm::focusFirstEmpty(const QList<QLineEdit*>& edits)
{
    for (QLineEdit* edit : edits) {
        if (edit->text().isEmpty()) {
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!edits.isEmpty())
        edits.last()->setFocus(Qt::OtherFocusReason);
}

QString PVSignForm::refusalText(const QJsonObject* answer)
{
    const QString message = answer ? answer->value(QLatin1String("message")).toString() : QString();
    return message.isEmpty() ? tr("Network error, please try again.") : message;
}

QString PVSignForm::acceptedLoginKey(QWidget* parent, int result, const QJsonObject* answer, const char* request)
{
    const QString loginKey = answer ? answer->value(QLatin1String("loginkey")).toString() : QString();
    if (result == kApiSuccess && !loginKey.isEmpty())
        return loginKey;
    qInfo("%s refused: result %d", request, result);
    alert(parent, refusalText(answer));
    return QString();
}

QString PVSignForm::fieldText(const QLineEdit* edit)
{
    return edit->text().trimmed();
}

QWidget* PVSignForm::createTitleBar(QDialog* dialog)
{
    auto* bar = new QWidget(dialog);
    bar->setObjectName(QStringLiteral("titlebar"));
    setSkinRole(bar, "titlebar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(32);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 0, 0, 0);
    row->setSpacing(8);

    auto* icon = new QLabel(bar);
    icon->setObjectName(QStringLiteral("lbAppIcon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(20, 20));
    auto* caption = new QLabel(dialog->windowTitle(), bar);
    caption->setObjectName(QStringLiteral("lbCaption"));
    // Drawn as text, like the alerts' close button, so it shows on the light bar.
    auto* close = new QPushButton(QStringLiteral("\u2715"), bar);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setFixedSize(32, 32);
    // Escape does the same from the keyboard.
    close->setFocusPolicy(Qt::NoFocus);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);

    row->addWidget(icon);
    row->addWidget(caption);
    row->addStretch(1);
    row->addWidget(close);
    return bar;
}

void PVSignForm::refreshCaption(QDialog* dialog)
{
    if (auto* caption = dialog->findChild<QLabel*>(QStringLiteral("lbCaption")))
        caption->setText(dialog->windowTitle());
}

void PVSignForm::keepCheckedOnTabWay(QAbstractButton* first, QAbstractButton* second)
{
    const auto refresh = [first, second] {
        for (QAbstractButton* button : {first, second})
            button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(first, &QAbstractButton::toggled, first, refresh);
    QObject::connect(second, &QAbstractButton::toggled, second, refresh);
    refresh();
}

void PVSignForm::centerOnParent(QWidget* dialog)
{
    QWidget* parent = dialog->parentWidget();
    if (!parent)
        return;
    const QRect area = parent->window()->frameGeometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

void PVSignForm::setSkinRole(QWidget* widget, const char* role)
{
    widget->setProperty("skin", QString::fromLatin1(role));
}

QLineEdit* PVSignForm::createField(QWidget* parent, const char* objectName, bool secret)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    setSkinRole(edit, "field");
    // Accounts and passwords are short; nothing longer is ever sent.
    edit->setMaxLength(secret ? 128 : 254);
    if (secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QELabel* PVSignForm::createLink(QWidget* parent, const char* objectName)
{
    auto* link = new QELabel(parent);
    link->setObjectName(QLatin1String(objectName));
    setSkinRole(link, "link");
    link->setCursor(Qt::PointingHandCursor);
    link->setFocusPolicy(Qt::StrongFocus);
    return link;
}

QPushButton* PVSignForm::createPrimaryButton(QWidget* parent, const char* objectName)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    setSkinRole(button, "primary");
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
