#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class CKBMapProfile;
class QSettings;

// The process's registry of key-map profiles: the JSON files of one folder, the built-in
// profiles copied there on first run, and which profile each phone had switched on.
class CKBMapService {
public:
    // The built-in profiles, in the order they are copied out; installed with kInstalledPrefix.
    static const QStringList& defaultProfileNames();
    static constexpr const char* kInstalledPrefix = "[PV]";

    // The service of the running program: its data folder's "kbmapper" and its settings.
    static CKBMapService* instance();

    // Creates the folder if needed and copies the built-in profiles out once. settings may be
    // null (nothing is remembered then).
    CKBMapService(const QString& folder, QSettings* settings);
    ~CKBMapService();
    CKBMapService(const CKBMapService&) = delete;
    CKBMapService& operator=(const CKBMapService&) = delete;

    QString folder() const { return m_folder; }
    // With refresh the list is rebuilt from the folder's *.json files (not read yet); earlier
    // profile pointers are then gone.
    QList<CKBMapProfile*> profiles(bool refresh);
    // The path a profile of that name has.
    QString profilePath(const QString& name) const;
    // False for names that would leave the folder or name no file.
    static bool isValidName(const QString& name);
    // A new empty profile of that name, not written yet; null when the name is taken or invalid.
    CKBMapProfile* newProfile(const QString& name);
    // Removes the profile and its file; false when it is not in the list.
    bool removeProfile(CKBMapProfile* profile);
    // Copies the built-in profiles out, once (the setting remembers it) or always with force.
    void restoreDefaultProfiles(bool force);

    // The profile name switched on for a phone's channel, empty when none; an empty name
    // forgets the phone.
    QString appliedProfile(const QString& channelId) const;
    void setAppliedProfile(const QString& channelId, const QString& name);

private:
    void clearProfiles();
    void writeKeyMapping(const QString& key, const QVariant& value);

    QString m_folder;
    QSettings* m_settings = nullptr;
    QList<CKBMapProfile*> m_profiles;
};
