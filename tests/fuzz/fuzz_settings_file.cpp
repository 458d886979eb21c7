// Arbitrary bytes as the settings file: loading repairs it, completion gives every option
// group, and the options dialog's reading of each group selects only items that exist,
// saves back what it read, and keeps every value it cannot show.

#include "app/PVSettings.h"
#include "ui/OptionChoices.h"

#include "FuzzQuietLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

QTemporaryDir* folder()
{
    static QTemporaryDir dir;
    return &dir;
}

void checkGroup(const QString& group, const QVariantMap& groupMap, const QStringList& deviceNames)
{
    QVector<OptionChoices::Choice> choices = OptionChoices::groupChoices(group);
    if (group == QLatin1String("record"))
        choices.prepend(OptionChoices::captureDeviceChoice(deviceNames));
    const QVector<int> selection = OptionChoices::readSelection(choices, groupMap);
    for (int i = 0; i < choices.size(); ++i) {
        if (selection[i] < -1 || selection[i] >= choices[i].items.size())
            abort();
        OptionChoices::itemLabel(choices[i], selection[i]);
    }
    const QVariantMap written = OptionChoices::writeSelection(choices, groupMap, selection);
    if (OptionChoices::readSelection(choices, written) != selection)
        abort();
    for (int i = 0; i < choices.size(); ++i) {
        const QString& key = choices[i].key;
        if (selection[i] < 0 && written.value(key) != groupMap.value(key))
            abort();
    }
    for (auto it = groupMap.constBegin(); it != groupMap.constEnd(); ++it) {
        if (!written.contains(it.key()))
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzSilenceLog();
    if (!folder()->isValid())
        abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536)
        return 0;
    const QString dir = folder()->path();
    {
        QFile file(QDir(dir).filePath("userdefaults.conf"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    std::unique_ptr<QSettings> settings(PVSettings::loadSettings(dir, nullptr));
    const QVariantMap options = settings->value("options").toMap();
    // Device names come from the input too, so odd names meet odd stored values.
    const QStringList deviceNames = QString::fromUtf8(reinterpret_cast<const char*>(data), int(qMin<size_t>(size, 64)))
                                        .split('\n');
    for (const QString& group : OptionChoices::editedGroups()) {
        if (options.value(group).userType() != QMetaType::QVariantMap)
            abort();
        checkGroup(group, PVSettings::optionGroup(*settings, group), deviceNames);
    }

    // What was written reads back as the same complete options.
    QFile written(settings->fileName());
    if (!written.open(QIODevice::ReadOnly))
        abort();
    const QJsonDocument reread = QJsonDocument::fromJson(written.readAll());
    if (!reread.isObject() || reread.object().value("options").toVariant().toMap().keys() != options.keys())
        abort();
    return 0;
}
