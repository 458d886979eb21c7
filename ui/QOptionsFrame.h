#pragma once
// Base of the options dialog's pages: a title, rows of labelled controls in sections, and the
// binding of choice controls to the keys of one option group.

#include "ui/OptionChoices.h"

#include <QFrame>
#include <QVariantMap>
#include <QVector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;

class QOptionsFrame : public QFrame {
    Q_OBJECT
public:
    // `group` is the option group the page edits; empty for read-only pages.
    QOptionsFrame(const QString& group, const QString& title, QWidget* parent);

    QString group() const { return m_group; }

    // Shows a stored group; missing keys show their defaults, values the page cannot show
    // select nothing.
    virtual void load(const QVariantMap& groupMap);
    // The group map with the page's controls written into it; keys the page has no control
    // for, and controls with nothing selected, keep what the map holds.
    virtual QVariantMap save(QVariantMap groupMap) const;

    // The selected item of the control bound to `key` (-1: none or no such control).
    int selectedIndex(const QString& key) const;
    void setSelectedIndex(const QString& key, int index);
    // The control bound to `key`: a combo box, or the first radio button of a group.
    QWidget* control(const QString& key) const;

protected:
    // Starts a new section under a heading (empty: no heading); rows go into it.
    QLabel* addSection(const QString& heading);
    void addRow(const QString& label, QWidget* field);
    void addRow(const QString& label, QLayout* field);
    QComboBox* addCombo(const QString& label, const OptionChoices::Choice& choice);
    QButtonGroup* addRadios(const QString& label, const OptionChoices::Choice& choice);
    // Grey explanatory text across the page.
    QLabel* addNote(const QString& text, const char* objectName = "lbNote");
    // Space between rows of the sections that follow (10 pixels unless set).
    void setRowSpacing(int pixels);
    // Ends the page's constructor: the content is pushed to the top and the page takes its own
    // style sheet (":/skin/<page class>.css").
    void finish();

private:
    struct Binding {
        OptionChoices::Choice choice;
        QComboBox* combo = nullptr;
        QButtonGroup* radios = nullptr;
    };

    const Binding* binding(const QString& key) const;
    static int selectionOf(const Binding& binding);
    static void select(const Binding& binding, int index);
    QGridLayout* currentGrid();

    QString m_group;
    QVBoxLayout* m_layout = nullptr;
    QGridLayout* m_grid = nullptr;
    int m_rowSpacing = 10;
    QVector<Binding> m_bindings;
};
