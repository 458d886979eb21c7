#include "ui/OptionChoices.h"

#include "app/PVSettings.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>
#include <limits>

namespace OptionChoices {

namespace {

const char kGeneral[] = "QOptionsGeneralFrame";
const char kIos[] = "QOptionsIOSDeviceFrame";
const char kAndroid[] = "QOptionsAndroidDeviceFrame";
const char kVideo[] = "QOptionsVideoAudioFrame";
const char kRecord[] = "QOptionsRecordFrame";

// Items stored by position carry no value of their own.
QVector<Item> plainItems(std::initializer_list<const char*> labels)
{
    QVector<Item> items;
    for (const char* label : labels)
        items.append({QString::fromUtf8(label), QVariant()});
    return items;
}

// Labels that are also what is stored.
QVector<Item> textItems(std::initializer_list<const char*> labels)
{
    QVector<Item> items;
    for (const char* label : labels)
        items.append({QString::fromLatin1(label), QString::fromLatin1(label)});
    return items;
}

QVector<Item> enableItems()
{
    return {{QT_TRANSLATE_NOOP("QOptionsFrame", "Enable"), true},
            {QT_TRANSLATE_NOOP("QOptionsFrame", "Disable"), false}};
}

Choice truth(const char* group, const char* key)
{
    return {group, key, Kind::Truth, "QOptionsFrame", enableItems(), {}};
}

QVector<Choice> generalChoices()
{
    // Language names are written in their own language and never translated.
    const QVector<Item> languages = {
        {"English", "en-us"},   {"简体中文", "zh-cn"}, {"繁體中文", "zh-hant"},  {"Deutsch", "de"},
        {"Español", "es"},      {"Français", "fr"},   {"Indonesia", "id"},     {"Italiano", "it"},
        {"日本語", "ja"},        {"한국어", "ko"},       {"Português", "pt"},     {"Русский", "ru"},
        {"ไทย", "th"},          {"العربية", "ar"},     {"Tiếng Việt", "vi"},    {"Filipino", "fil"},
    };
    const QVector<Item> closing = {
        {QT_TRANSLATE_NOOP("QOptionsGeneralFrame", "Minimize"), "minimize"},
        {QT_TRANSLATE_NOOP("QOptionsGeneralFrame", "Ask First"), "askfirst"},
        {QT_TRANSLATE_NOOP("QOptionsGeneralFrame", "Quit"), "quit"},
    };
    const QVector<Item> access = {
        {QT_TRANSLATE_NOOP("QOptionsGeneralFrame", "Any phone on the network"), "open"},
        {QT_TRANSLATE_NOOP("QOptionsGeneralFrame", "Ask me for new phones"), "ask"},
        {QT_TRANSLATE_NOOP("QOptionsGeneralFrame", "Phones that give the code"), "pin"},
    };
    return {{"general", "lang", Kind::Text, nullptr, languages, {}},
            {"general", "closingAction", Kind::Text, kGeneral, closing, {}},
            {"general", "receiverAccess", Kind::Text, kGeneral, access, {}}};
}

QVector<Choice> iosChoices()
{
    const char* best = QT_TRANSLATE_NOOP("QOptionsIOSDeviceFrame", "Screen Size (Best)");
    const QVector<Item> fps = textItems({"25", "30", "60"});
    // This page reads some missing keys with values of its own.
    return {truth("iosDevice", "enableHID"),
            {"iosDevice", "wiredResolution", Kind::Position, kIos,
             plainItems({best, "1920x1080", "1280x720", "1200x688", "1024x576"}), 2},
            {"iosDevice", "wiredFps", Kind::Text, nullptr, fps, {}},
            {"iosDevice", "wirelessResolution", Kind::Position, kIos,
             plainItems({best, "1920x1080", "1280x720"}), 1},
            {"iosDevice", "wirelessFps", Kind::Text, nullptr, fps, 60}};
}

QVector<Choice> androidChoices()
{
    const char* best = QT_TRANSLATE_NOOP("QOptionsAndroidDeviceFrame", "Screen Size (Best)");
    const QVector<Item> versions = {
        {QT_TRANSLATE_NOOP("QOptionsAndroidDeviceFrame", "5/6/7/8"), 1},
        {QT_TRANSLATE_NOOP("QOptionsAndroidDeviceFrame", "9 and above"), 2},
    };
    const QVector<Item> resolutions = plainItems({best, "1920x1080", "1280x720"});
    return {{"androidDevice", "systemversion", Kind::Number, kAndroid, versions, {}},
            truth("androidDevice", "wiredHID"),
            {"androidDevice", "wiredResolution", Kind::Position, kAndroid, resolutions, {}},
            {"androidDevice", "wiredFps", Kind::Position, nullptr,
             plainItems({"30", "40", "50", "60", "90", "120"}), {}},
            {"androidDevice", "wiredBitrate", Kind::Position, nullptr,
             plainItems({"2M", "4M", "6M", "8M", "10M", "20M", "30M", "40M", "50M", "60M", "70M", "80M"}), {}},
            truth("androidDevice", "wiredMic"),
            {"androidDevice", "wirelessResolution", Kind::Position, kAndroid, resolutions, {}},
            {"androidDevice", "wirelessFps", Kind::Position, nullptr,
             plainItems({"15", "25", "30", "50", "60", "90", "120"}), {}},
            {"androidDevice", "wirelessBitrate", Kind::Position, nullptr,
             plainItems({"2M", "4M", "6M", "8M", "10M", "12M", "14M", "16M", "18M", "20M", "25M", "30M", "40M"}), {}},
            truth("androidDevice", "wirelessMic")};
}

QVector<Choice> videoChoices()
{
    const QVector<Item> decoders = {{QT_TRANSLATE_NOOP("QOptionsVideoAudioFrame", "Disable"), 0},
                                    {QT_TRANSLATE_NOOP("QOptionsVideoAudioFrame", "Auto"), 1}};
    const QVector<Item> engines = {{"OpenGL", 0}, {"Direct3D 9", 1}};
    return {{"videoaudio", "hwDecoder", Kind::Number, kVideo, decoders, {}},
            {"videoaudio", "renderEngine", Kind::Number, nullptr, engines, {}}};
}

QVector<Choice> recordChoices()
{
    const QVector<Item> sources = {
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "Silence"), "silence"},
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "Device"), "device"},
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "Device + PC Microphone"), "deviceWithAudioCapture"},
    };
    const QVector<Item> splits = {
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "Disable"), "0"},
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "1 h"), "1"},
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "2 h"), "2"},
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "3 h"), "3"},
        {QT_TRANSLATE_NOOP("QOptionsRecordFrame", "4 h"), "4"},
    };
    return {truth("record", "audioInputTest"),
            {"record", "audioOutput", Kind::Text, kRecord, sources, {}},
            {"record", "splitDuration", Kind::Text, kRecord, splits, {}}};
}

// A whole number stored as a number or a decimal string; anything else is not one.
bool readInteger(const QVariant& value, int* result)
{
    bool ok = false;
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong: {
        const qlonglong n = value.toLongLong(&ok);
        *result = int(n);
        return ok && n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max();
    }
    case QMetaType::ULongLong:
        *result = int(value.toULongLong());
        return value.toULongLong() <= quint64(std::numeric_limits<int>::max());
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || d < std::numeric_limits<int>::min()
            || d > std::numeric_limits<int>::max())
            return false;
        *result = int(d);
        return true;
    }
    case QMetaType::QString:
        *result = value.toString().toInt(&ok);
        return ok;
    default:
        return false;
    }
}

// Text as a reader sees it: strings as they are, numbers in decimal; nothing else is text.
bool readText(const QVariant& value, QString* result)
{
    int number = 0;
    if (value.userType() == QMetaType::QString) {
        *result = value.toString();
        return true;
    }
    if (readInteger(value, &number)) {
        *result = QString::number(number);
        return true;
    }
    return false;
}

int matchingItem(const Choice& choice, const QVariant& stored)
{
    int number = 0;
    QString text;
    for (int i = 0; i < choice.items.size(); ++i) {
        const QVariant& value = choice.items[i].value;
        switch (choice.kind) {
        case Kind::Number:
            if (readInteger(stored, &number) && number == value.toInt())
                return i;
            break;
        case Kind::Text:
            if (readText(stored, &text) && text == value.toString())
                return i;
            break;
        case Kind::Truth:
            if (stored.userType() == QMetaType::Bool && stored.toBool() == value.toBool())
                return i;
            break;
        case Kind::Position:
            break;
        }
    }
    return -1;
}

} // namespace

const QStringList& editedGroups()
{
    static const QStringList groups = {"general", "iosDevice", "androidDevice", "videoaudio", "record"};
    return groups;
}

const QVector<Choice>& groupChoices(const QString& group)
{
    static const QHash<QString, QVector<Choice>> tables = {
        {"general", generalChoices()},        {"iosDevice", iosChoices()},
        {"androidDevice", androidChoices()},  {"videoaudio", videoChoices()},
        {"record", recordChoices()},
    };
    static const QVector<Choice> none;
    const auto it = tables.constFind(group);
    return it == tables.constEnd() ? none : it.value();
}

const Choice* findChoice(const QString& group, const QString& key)
{
    for (const Choice& choice : groupChoices(group)) {
        if (choice.key == key)
            return &choice;
    }
    return nullptr;
}

Choice captureDeviceChoice(const QStringList& deviceNames)
{
    Choice choice{"record", "audioInput", Kind::Text, nullptr, {}, {}};
    for (const QString& name : deviceNames)
        choice.items.append({name, name});
    return choice;
}

QString itemLabel(const Choice& choice, int index)
{
    if (index < 0 || index >= choice.items.size())
        return QString();
    const QString& label = choice.items[index].label;
    return choice.context ? QCoreApplication::translate(choice.context, label.toUtf8().constData()) : label;
}

int indexForValue(const Choice& choice, const QVariant& stored)
{
    if (choice.kind != Kind::Position)
        return matchingItem(choice, stored);
    int position = 0;
    if (!readInteger(stored, &position) || position < 1 || position > choice.items.size())
        return -1;
    return position - 1;
}

QVariant valueForIndex(const Choice& choice, int index, const QVariant& previous)
{
    if (index < 0 || index >= choice.items.size())
        return previous;
    return choice.kind == Kind::Position ? QVariant(index + 1) : choice.items[index].value;
}

QVariant storedValue(const Choice& choice, const QVariantMap& groupMap)
{
    const auto it = groupMap.constFind(choice.key);
    if (it != groupMap.constEnd())
        return it.value();
    return choice.readDefault.isValid() ? choice.readDefault : PVSettings::defaultOption(choice.group, choice.key);
}

QVector<int> readSelection(const QVector<Choice>& choices, const QVariantMap& groupMap)
{
    QVector<int> selection;
    selection.reserve(choices.size());
    for (const Choice& choice : choices)
        selection.append(indexForValue(choice, storedValue(choice, groupMap)));
    return selection;
}

QVariantMap writeSelection(const QVector<Choice>& choices, QVariantMap groupMap, const QVector<int>& selection)
{
    for (int i = 0; i < choices.size() && i < selection.size(); ++i) {
        const Choice& choice = choices[i];
        const QVariant value = valueForIndex(choice, selection[i], groupMap.value(choice.key));
        // A key that was missing and is still unselected stays missing.
        if (value.isValid())
            groupMap.insert(choice.key, value);
    }
    return groupMap;
}

} // namespace OptionChoices
