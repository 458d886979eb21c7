#include "control/CKBMapService.h"

#include "app/QPivoraApplication.h"
#include "control/CKBMapProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

const char kGroup[] = "KBMapping";
const char kRestoreKey[] = "restoreDefaultProfiles";
const char kAppliedKey[] = "appliedProfiles";
const char kFolderName[] = "/kbmapper";
const char kResourceFolder[] = ":/keymap/";
const char kSuffix[] = "json";
// A file name holds at most this many bytes.
constexpr int kMaxFileNameBytes = 255;

} // namespace

const QStringList& CKBMapService::defaultProfileNames()
{
    static const QStringList names{QStringLiteral("GameForPeace.json"), QStringLiteral("LOL-3.json"),
                                   QStringLiteral("LOL-4.json")};
    return names;
}

CKBMapService* CKBMapService::instance()
{
    static std::unique_ptr<CKBMapService> service;
    if (!service) {
        auto* app = qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
        const QString data = app ? app->dataDirectory()
                                 : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        service = std::make_unique<CKBMapService>(data + QLatin1String(kFolderName), app ? app->settings() : nullptr);
    }
    return service.get();
}

CKBMapService::CKBMapService(const QString& folder, QSettings* settings)
    : m_folder(folder)
    , m_settings(settings)
{
    if (!m_folder.isEmpty() && !QDir().mkpath(m_folder))
        qWarning("Key-map folder %s cannot be created", qUtf8Printable(m_folder));
    restoreDefaultProfiles(false);
}

CKBMapService::~CKBMapService()
{
    clearProfiles();
}

void CKBMapService::clearProfiles()
{
    qDeleteAll(m_profiles);
    m_profiles.clear();
}

QList<CKBMapProfile*> CKBMapService::profiles(bool refresh)
{
    if (!refresh || m_folder.isEmpty())
        return m_profiles;
    clearProfiles();
    const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        if (file.suffix().compare(QLatin1String(kSuffix), Qt::CaseInsensitive) == 0)
            m_profiles.append(new CKBMapProfile(file.absoluteFilePath()));
    }
    return m_profiles;
}

QString CKBMapService::profilePath(const QString& name) const
{
    return m_folder + QLatin1Char('/') + name + QLatin1Char('.') + QLatin1String(kSuffix);
}

bool CKBMapService::isValidName(const QString& name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return name.toUtf8().size() + int(sizeof kSuffix) <= kMaxFileNameBytes;
}

CKBMapProfile* CKBMapService::newProfile(const QString& name)
{
    if (!isValidName(name)) {
        qWarning("Key-map profile name \"%s\" refused", qUtf8Printable(name.left(64)));
        return nullptr;
    }
    const QString path = profilePath(name);
    if (QFile::exists(path))
        return nullptr;
    // Race.JSON and Race.json would be two profiles of one name.
    for (const CKBMapProfile* profile : qAsConst(m_profiles)) {
        if (profile->path() == path || profile->name() == name)
            return nullptr;
    }
    auto* profile = new CKBMapProfile(path);
    m_profiles.append(profile);
    return profile;
}

bool CKBMapService::removeProfile(CKBMapProfile* profile)
{
    const int index = m_profiles.indexOf(profile);
    if (index < 0)
        return false;
    if (QFile::exists(profile->path()) && !QFile::remove(profile->path()))
        qWarning("Key-map profile %s could not be removed", qUtf8Printable(profile->path()));
    delete m_profiles.takeAt(index);
    return true;
}

void CKBMapService::restoreDefaultProfiles(bool force)
{
    const bool pending = m_settings ? m_settings->value(QLatin1String(kGroup)).toMap().value(QLatin1String(kRestoreKey), true).toBool()
                                    : true;
    if (!pending && !force)
        return;
    writeKeyMapping(QLatin1String(kRestoreKey), false);
    for (const QString& name : defaultProfileNames()) {
        QFile source(QLatin1String(kResourceFolder) + name);
        if (!source.open(QIODevice::ReadOnly))
            continue;
        QSaveFile target(m_folder + QLatin1Char('/') + QLatin1String(kInstalledPrefix) + name);
        if (!target.open(QIODevice::WriteOnly))
            continue;
        target.write(source.readAll());
        if (!target.commit())
            qWarning("Key-map profile %s could not be installed: %s", qUtf8Printable(target.fileName()),
                     qUtf8Printable(target.errorString()));
    }
}

QString CKBMapService::appliedProfile(const QString& channelId) const
{
    if (!m_settings)
        return QString();
    const QVariantMap group = m_settings->value(QLatin1String(kGroup)).toMap();
    return group.value(QLatin1String(kAppliedKey)).toMap().value(channelId).toString();
}

void CKBMapService::setAppliedProfile(const QString& channelId, const QString& name)
{
    if (!m_settings || channelId.isEmpty())
        return;
    QVariantMap applied = m_settings->value(QLatin1String(kGroup)).toMap().value(QLatin1String(kAppliedKey)).toMap();
    if (name.isEmpty())
        applied.remove(channelId);
    else
        applied.insert(channelId, name);
    writeKeyMapping(QLatin1String(kAppliedKey), applied);
}

void CKBMapService::writeKeyMapping(const QString& key, const QVariant& value)
{
    if (!m_settings)
        return;
    QVariantMap group = m_settings->value(QLatin1String(kGroup)).toMap();
    group.insert(key, value);
    m_settings->setValue(QLatin1String(kGroup), group);
    m_settings->sync();
}
