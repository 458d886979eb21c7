#pragma once
// What the options dialog's choice controls (combo boxes and radio groups) store, without any
// widget: the items of each control and the mapping between a stored value and the item it
// selects. The dialog's pages and the settings fuzzer share this code.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace OptionChoices {

// How an item is stored.
enum class Kind {
    Position, // the item's 1-based position in the list (an "index" setting)
    Number,   // the item's integer value
    Text,     // the item's text value
    Truth,    // true or false
};

struct Item {
    QString label;  // shown text; translated in the choice's context when it has one
    QVariant value;    // stored value (Number, Text, Truth); unused for Position
};

struct Choice {
    QString group;
    QString key;
    Kind kind = Kind::Position;
    const char* context = nullptr; // translation context of the labels; null: shown as they are
    QVector<Item> items;
    QVariant readDefault; // read when the key is missing from its group
};

// The option groups that the dialog edits, in page order.
const QStringList& editedGroups();

// The fixed choices of one group, in the order their controls appear on its page; empty for
// an unknown group. The capture device list is not among them (it is the PC's, see below).
const QVector<Choice>& groupChoices(const QString& group);

// The choice of one key, or null.
const Choice* findChoice(const QString& group, const QString& key);

// "record" → "audioInput" with one item per capture device name.
Choice captureDeviceChoice(const QStringList& deviceNames);

// The item's label as the user sees it.
QString itemLabel(const Choice& choice, int index);

// The item a stored value selects; -1 when the value has the wrong type, is out of range or
// matches no item.
int indexForValue(const Choice& choice, const QVariant& stored);

// The value to store for a selected item. With no item selected (or an index out of range)
// the previous value is kept, so a value the dialog cannot show is not lost by saving.
QVariant valueForIndex(const Choice& choice, int index, const QVariant& previous);

// The stored value of a choice's key in a group map, or its read default when missing.
QVariant storedValue(const Choice& choice, const QVariantMap& groupMap);

// The selection of every choice in `choices` for a stored group map.
QVector<int> readSelection(const QVector<Choice>& choices, const QVariantMap& groupMap);

// The group map with each choice's key written from the selection (same order as `choices`);
// other keys of the map are kept.
QVariantMap writeSelection(const QVector<Choice>& choices, QVariantMap groupMap,
                           const QVector<int>& selection);

} // namespace OptionChoices
