#pragma once
// What the account dialogs share: the required-field check, alerts for the user, the refusal
// text of a server answer and the dialogs' title bar.

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>

class QAbstractButton;
class QDialog;
class QELabel;
class QLineEdit;
class QPushButton;
class QWidget;

class PVSignForm {
    Q_DECLARE_TR_FUNCTIONS(PVSignForm)
public:
    static constexpr int kApiSuccess = 10000;

    // Tests the edits in order; the first empty one (blank counts as empty) raises an alert
    // whose text is its placeholder and gets the focus. True when all are filled.
    static bool requireFilled(QWidget* parent, const QList<QLineEdit*>& edits);
    // A modal alert captioned "Alert" with one button.
    static void alert(QWidget* parent, const QString& text);
    // A modal note captioned "Tips" with one button.
    static void tip(QWidget* parent, const QString& text);
    // The first empty edit gets the focus, or the last one when all are filled.
    static void focusFirstEmpty(const QList<QLineEdit*>& edits);
    // The server's "message"; a fixed text when there is none (no answer at all).
    static QString refusalText(const QJsonObject* answer);
    // The answer's login key. When the answer is not a success that carries one, the refusal is
    // shown (and logged as the request's) and the key is empty.
    static QString acceptedLoginKey(QWidget* parent, int result, const QJsonObject* answer, const char* request);
    // What an edit holds for a request: surrounding blanks typed by mistake are dropped.
    static QString fieldText(const QLineEdit* edit);

    // The title bar of an account dialog ("titlebar": "lbAppIcon", "lbCaption", "btnClose");
    // the close button rejects the dialog.
    static QWidget* createTitleBar(QDialog* dialog);
    // The title bar's caption shows the dialog's window title again.
    static void refreshCaption(QDialog* dialog);
    // Only the checked button of an exclusive pair is on the Tab key's way (the arrow keys move
    // between them), however the focus came to the pair.
    static void keepCheckedOnTabWay(QAbstractButton* first, QAbstractButton* second);
    // Puts a dialog over the middle of its parent's window.
    static void centerOnParent(QWidget* dialog);
    // Marks a widget for the account dialogs' style sheet.
    static void setSkinRole(QWidget* widget, const char* role);
    // The parts the forms are made of, named as the forms' object names go.
    static QLineEdit* createField(QWidget* parent, const char* objectName, bool secret = false);
    static QELabel* createLink(QWidget* parent, const char* objectName);
    static QPushButton* createPrimaryButton(QWidget* parent, const char* objectName);
};
