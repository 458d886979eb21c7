#include "ui/QOptionsFrame.h"

#include "ui/PVSkin.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// "wiredFps" → "WiredFps", for the form designer style object names.
QString capitalised(const QString& key)
{
    return key.isEmpty() ? key : key.left(1).toUpper() + key.mid(1);
}

} // namespace

QOptionsFrame::QOptionsFrame(const QString& group, const QString& title, QWidget* parent)
    : QFrame(parent), m_group(group)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(28, 20, 28, 16);
    m_layout->setSpacing(10);
    auto* heading = new QLabel(title, this);
    heading->setObjectName("lbPageTitle");
    m_layout->addWidget(heading);
}

void QOptionsFrame::load(const QVariantMap& groupMap)
{
    for (const Binding& b : qAsConst(m_bindings))
        select(b, OptionChoices::indexForValue(b.choice, OptionChoices::storedValue(b.choice, groupMap)));
}

QVariantMap QOptionsFrame::save(QVariantMap groupMap) const
{
    QVector<OptionChoices::Choice> choices;
    QVector<int> selection;
    for (const Binding& b : m_bindings) {
        choices.append(b.choice);
        selection.append(selectionOf(b));
    }
    return OptionChoices::writeSelection(choices, groupMap, selection);
}

int QOptionsFrame::selectedIndex(const QString& key) const
{
    const Binding* b = binding(key);
    return b ? selectionOf(*b) : -1;
}

void QOptionsFrame::setSelectedIndex(const QString& key, int index)
{
    if (const Binding* b = binding(key))
        select(*b, index);
}

QWidget* QOptionsFrame::control(const QString& key) const
{
    const Binding* b = binding(key);
    if (!b)
        return nullptr;
    if (b->combo)
        return b->combo;
    return b->radios->buttons().value(0);
}

const QOptionsFrame::Binding* QOptionsFrame::binding(const QString& key) const
{
    for (const Binding& b : m_bindings) {
        if (b.choice.key == key)
            return &b;
    }
    return nullptr;
}

int QOptionsFrame::selectionOf(const Binding& b)
{
    if (b.combo)
        return b.combo->currentIndex();
    return b.radios->checkedId();
}

void QOptionsFrame::select(const Binding& b, int index)
{
    if (b.combo) {
        b.combo->setCurrentIndex(index >= 0 && index < b.combo->count() ? index : -1);
        return;
    }
    QAbstractButton* button = b.radios->button(index);
    if (button) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; nothing checked needs it lifted briefly.
    b.radios->setExclusive(false);
    for (QAbstractButton* each : b.radios->buttons())
        each->setChecked(false);
    b.radios->setExclusive(true);
}

QLabel* QOptionsFrame::addSection(const QString& heading)
{
    QLabel* label = nullptr;
    if (!heading.isEmpty()) {
        label = new QLabel(heading, this);
        label->setObjectName("lbSection");
        m_layout->addWidget(label);
    }
    m_grid = nullptr;
    return label;
}

QGridLayout* QOptionsFrame::currentGrid()
{
    if (!m_grid) {
        m_grid = new QGridLayout;
        m_grid->setHorizontalSpacing(16);
        m_grid->setVerticalSpacing(m_rowSpacing);
        m_grid->setColumnMinimumWidth(0, 150);
        m_grid->setColumnStretch(1, 1);
        m_layout->addLayout(m_grid);
    }
    return m_grid;
}

void QOptionsFrame::setRowSpacing(int pixels)
{
    m_rowSpacing = pixels;
    m_layout->setSpacing(pixels);
}

void QOptionsFrame::addRow(const QString& label, QWidget* field)
{
    auto* box = new QHBoxLayout;
    box->addWidget(field);
    box->addStretch(1);
    addRow(label, box);
}

void QOptionsFrame::addRow(const QString& label, QLayout* field)
{
    QGridLayout* grid = currentGrid();
    const int row = grid->rowCount();
    auto* text = new QLabel(label, this);
    text->setObjectName("lbField");
    grid->addWidget(text, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addLayout(field, row, 1);
}

QComboBox* QOptionsFrame::addCombo(const QString& label, const OptionChoices::Choice& choice)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName("cb" + capitalised(choice.key));
    combo->setMinimumWidth(220);
    // Shown while the stored value matches no item.
    combo->setPlaceholderText(tr("Not selected"));
    for (int i = 0; i < choice.items.size(); ++i)
        combo->addItem(OptionChoices::itemLabel(choice, i));
    addRow(label, combo);
    m_bindings.append({choice, combo, nullptr});
    return combo;
}

QButtonGroup* QOptionsFrame::addRadios(const QString& label, const OptionChoices::Choice& choice)
{
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    auto* row = new QHBoxLayout;
    row->setSpacing(24);
    for (int i = 0; i < choice.items.size(); ++i) {
        auto* radio = new QRadioButton(OptionChoices::itemLabel(choice, i), this);
        radio->setObjectName(QStringLiteral("rdbtn%1%2").arg(capitalised(choice.key)).arg(i));
        group->addButton(radio, i);
        row->addWidget(radio);
    }
    row->addStretch(1);
    addRow(label, row);
    m_bindings.append({choice, nullptr, group});
    return group;
}

QLabel* QOptionsFrame::addNote(const QString& text, const char* objectName)
{
    auto* note = new QLabel(text, this);
    note->setObjectName(QLatin1String(objectName));
    note->setWordWrap(true);
    m_layout->addWidget(note);
    m_grid = nullptr;
    return note;
}

void QOptionsFrame::finish()
{
    m_layout->addStretch(1);
    // Called from the page's own constructor, so the class seen here is the page's.
    setObjectName(QString::fromLatin1(metaObject()->className()));
    PVSkin::apply(this);
}
