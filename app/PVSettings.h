#pragma once
#include <QLocale>
#include <QSettings>
#include <QString>
#include <QVariant>

class QObject;

// The persistent user settings: one JSON file, "userdefaults.conf", in the data directory, read
// and written through QSettings. Top-level keys: "options" (a map of option groups), "KBMapping",
// "autoLogin" and "lastUser". Option values are reached with the option* helpers below, which
// convert stored values (numbers may come back as decimal strings) to the type the caller wants.
namespace PVSettings {

// The QSettings format "json": whole-file JSON object, case-sensitive keys. Registered once.
QSettings::Format jsonFormat();

// Opens "<dataDir>/userdefaults.conf", adds any missing option group with its defaults and writes
// the file back at once. A file that is not a JSON object, or whose option groups are not
// objects, is copied to "userdefaults.conf.bak" before the repaired settings replace it.
QSettings* loadSettings(const QString& dataDir, QObject* parent);

// Adds every missing group ("general", "iosDevice", "androidDevice", "videoaudio", "record") with
// all its defaults. Groups that exist are left exactly as they are. With an empty map this gives
// the full default options ("Restore Defaults").
QVariantMap completeDefaultOptions(QVariantMap options);

// The default user-interface language for a locale: "zh-cn", "zh-hant" or "en-us".
QString languageForLocale(const QLocale& locale);

// The default of one option as readers use it when the key is missing; an invalid QVariant for
// keys that have none.
QVariant defaultOption(const QString& group, const QString& key);

// The group map inside "options" (empty when missing or not a map).
QVariantMap optionGroup(const QSettings& settings, const QString& group);

// One option value, or defaultValue when the group or key is missing.
QVariant optionValue(const QSettings& settings, const QString& group, const QString& key,
                     const QVariant& defaultValue);

// Typed readers. Without a default they fall back to defaultOption(). A value that cannot be
// converted reads as 0 / false / "" and is logged.
int optionInt(const QSettings& settings, const QString& group, const QString& key, int defaultValue);
int optionInt(const QSettings& settings, const QString& group, const QString& key);
bool optionBool(const QSettings& settings, const QString& group, const QString& key, bool defaultValue);
bool optionBool(const QSettings& settings, const QString& group, const QString& key);
QString optionString(const QSettings& settings, const QString& group, const QString& key,
                     const QString& defaultValue);
QString optionString(const QSettings& settings, const QString& group, const QString& key);

// Sets one option inside "options" and writes "options" back. The caller decides when to sync().
void setOption(QSettings& settings, const QString& group, const QString& key, const QVariant& value);

} // namespace PVSettings
