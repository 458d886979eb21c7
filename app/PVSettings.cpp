#include "app/PVSettings.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStandardPaths>
#include <QStringList>

namespace PVSettings {

namespace {

const QString kFileName = QStringLiteral("userdefaults.conf");
const QString kKeptCopySuffix = QStringLiteral(".bak");
const QString kOptionsKey = QStringLiteral("options");

// Completion order of the option groups.
const QStringList& groupNames()
{
    static const QStringList names = {QStringLiteral("general"), QStringLiteral("iosDevice"),
                                      QStringLiteral("androidDevice"), QStringLiteral("videoaudio"),
                                      QStringLiteral("record")};
    return names;
}

QString deviceName(const QIODevice& device)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file ? file->fileName() : QStringLiteral("(settings device)");
}

bool readJson(QIODevice& device, QSettings::SettingsMap& map)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(device.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning("Settings file %s is not valid JSON (%s at offset %d)",
                 qUtf8Printable(deviceName(device)), qUtf8Printable(error.errorString()),
                 error.offset);
        return false;
    }
    if (!document.isObject()) {
        qWarning("Settings file %s does not hold a JSON object", qUtf8Printable(deviceName(device)));
        return false;
    }
    map = document.object().toVariantMap();
    return true;
}

bool writeJson(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QByteArray text = QJsonDocument::fromVariant(QVariant(map)).toJson(QJsonDocument::Indented);
    return device.write(text) == text.size();
}

QVariantMap generalDefaults()
{
    return {{QStringLiteral("lang"), languageForLocale(QLocale::system())},
            {QStringLiteral("closingAction"), QStringLiteral("askfirst")},
            {QStringLiteral("receiverAccess"), QStringLiteral("open")}};
}

QVariantMap iosDeviceDefaults()
{
    return {{QStringLiteral("enableHID"), false},
            {QStringLiteral("assistantTouch"), false},
            {QStringLiteral("wiredResolution"), 1},
            {QStringLiteral("wiredFps"), 60},
            {QStringLiteral("wirelessResolution"), 3},
            {QStringLiteral("wirelessFps"), 30}};
}

QVariantMap androidDeviceDefaults()
{
    return {{QStringLiteral("systemversion"), 1},
            {QStringLiteral("wiredHID"), true},
            {QStringLiteral("wiredResolution"), 1},
            {QStringLiteral("wiredFps"), 4},
            {QStringLiteral("wiredBitrate"), 9},
            {QStringLiteral("wiredMic"), false},
            {QStringLiteral("wirelessResolution"), 3},
            {QStringLiteral("wirelessFps"), 3},
            {QStringLiteral("wirelessBitrate"), 8},
            {QStringLiteral("wirelessMic"), false}};
}

QVariantMap videoAudioDefaults()
{
    return {{QStringLiteral("hwDecoder"), 1}, {QStringLiteral("renderEngine"), 1}};
}

QVariantMap recordDefaults()
{
    return {{QStringLiteral("audioInput"), QString()},
            {QStringLiteral("audioOutput"), QStringLiteral("device")},
            {QStringLiteral("savePath"),
             QStandardPaths::writableLocation(QStandardPaths::MoviesLocation)}};
}

QVariantMap groupDefaults(const QString& group)
{
    if (group == QLatin1String("general"))
        return generalDefaults();
    if (group == QLatin1String("iosDevice"))
        return iosDeviceDefaults();
    if (group == QLatin1String("androidDevice"))
        return androidDeviceDefaults();
    if (group == QLatin1String("videoaudio"))
        return videoAudioDefaults();
    if (group == QLatin1String("record"))
        return recordDefaults();
    return {};
}

bool isMap(const QVariant& value)
{
    return value.userType() == QMetaType::QVariantMap;
}

// Keeps the file as it was before it is overwritten with repaired settings.
void keepCopy(const QString& path)
{
    const QString copy = path + kKeptCopySuffix;
    QFile::remove(copy);
    if (QFile::copy(path, copy))
        qWarning("Settings file %s was kept as %s", qUtf8Printable(path), qUtf8Printable(copy));
}

// The stored options with malformed parts dropped, so that completion puts defaults there.
// Returns false when something had to be dropped.
bool storedOptions(const QSettings& settings, QVariantMap* options)
{
    const QVariant stored = settings.value(kOptionsKey);
    if (!stored.isValid())
        return true;
    if (!isMap(stored)) {
        qWarning("Settings file %s: \"options\" is not an object; using default options",
                 qUtf8Printable(settings.fileName()));
        return false;
    }
    *options = stored.toMap();
    bool intact = true;
    for (const QString& group : groupNames()) {
        const auto it = options->constFind(group);
        if (it == options->constEnd() || isMap(it.value()))
            continue;
        qWarning("Settings file %s: option group \"%s\" is not an object; using its defaults",
                 qUtf8Printable(settings.fileName()), qUtf8Printable(group));
        options->remove(group);
        intact = false;
    }
    return intact;
}

void warnUnconverted(const QString& group, const QString& key, const char* expected,
                     const char* fallback)
{
    qWarning("Setting \"%s\" of option group \"%s\" is not %s; reading %s", qUtf8Printable(key),
             qUtf8Printable(group), expected, fallback);
}

} // namespace

QSettings::Format jsonFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("json"), readJson, writeJson, Qt::CaseSensitive);
    return format;
}

QSettings* loadSettings(const QString& dataDir, QObject* parent)
{
    const QString path = QDir(dataDir).filePath(kFileName);
    auto* settings = new QSettings(path, jsonFormat(), parent);
    bool intact = settings->status() != QSettings::FormatError;

    QVariantMap options;
    intact = storedOptions(*settings, &options) && intact;
    if (!intact)
        keepCopy(path);

    settings->setValue(kOptionsKey, completeDefaultOptions(options));
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        qWarning("Settings file %s could not be written", qUtf8Printable(path));
    return settings;
}

QVariantMap completeDefaultOptions(QVariantMap options)
{
    for (const QString& group : groupNames()) {
        if (!options.contains(group))
            options.insert(group, groupDefaults(group));
    }
    return options;
}

QString languageForLocale(const QLocale& locale)
{
    if (locale.language() != QLocale::Chinese)
        return QStringLiteral("en-us");
    return locale.country() == QLocale::China ? QStringLiteral("zh-cn") : QStringLiteral("zh-hant");
}

QVariant defaultOption(const QString& group, const QString& key)
{
    if (group == QLatin1String("record")) {
        // Not put in by completion; these are the values readers assume.
        if (key == QLatin1String("audioInputTest"))
            return false;
        if (key == QLatin1String("splitDuration"))
            return 1;
    }
    return groupDefaults(group).value(key);
}

QVariantMap optionGroup(const QSettings& settings, const QString& group)
{
    return settings.value(kOptionsKey).toMap().value(group).toMap();
}

QVariant optionValue(const QSettings& settings, const QString& group, const QString& key,
                     const QVariant& defaultValue)
{
    return optionGroup(settings, group).value(key, defaultValue);
}

int optionInt(const QSettings& settings, const QString& group, const QString& key, int defaultValue)
{
    const QVariant value = optionValue(settings, group, key, defaultValue);
    bool ok = false;
    const int result = value.toInt(&ok);
    if (!ok)
        warnUnconverted(group, key, "a number", "0");
    return ok ? result : 0;
}

int optionInt(const QSettings& settings, const QString& group, const QString& key)
{
    return optionInt(settings, group, key, defaultOption(group, key).toInt());
}

bool optionBool(const QSettings& settings, const QString& group, const QString& key, bool defaultValue)
{
    const QVariant value = optionValue(settings, group, key, defaultValue);
    if (!value.canConvert<bool>()) {
        warnUnconverted(group, key, "a truth value", "false");
        return false;
    }
    return value.toBool();
}

bool optionBool(const QSettings& settings, const QString& group, const QString& key)
{
    return optionBool(settings, group, key, defaultOption(group, key).toBool());
}

QString optionString(const QSettings& settings, const QString& group, const QString& key,
                     const QString& defaultValue)
{
    const QVariant value = optionValue(settings, group, key, defaultValue);
    if (!value.canConvert<QString>()) {
        warnUnconverted(group, key, "a text", "an empty text");
        return QString();
    }
    return value.toString();
}

QString optionString(const QSettings& settings, const QString& group, const QString& key)
{
    return optionString(settings, group, key, defaultOption(group, key).toString());
}

void setOption(QSettings& settings, const QString& group, const QString& key, const QVariant& value)
{
    QVariantMap options = settings.value(kOptionsKey).toMap();
    QVariantMap groupMap = options.value(group).toMap();
    groupMap.insert(key, value);
    options.insert(group, groupMap);
    settings.setValue(kOptionsKey, options);
}

} // namespace PVSettings
