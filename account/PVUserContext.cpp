#include "account/PVUserContext.h"

#include <QtGlobal>

std::unique_ptr<PVUserContext> PVUserContext::create(const QString& loginKey,
                                                     const QJsonObject& profile)
{
    if (loginKey.isEmpty()) {
        qWarning("User context not created: empty login key");
        return nullptr;
    }
    if (profile.isEmpty()) {
        qWarning("User context not created: empty profile");
        return nullptr;
    }
    return std::unique_ptr<PVUserContext>(new PVUserContext(loginKey, profile));
}

PVUserContext::PVUserContext(const QString& loginKey, const QJsonObject& profile)
    : m_loginKey(loginKey)
    , m_profile(profile)
{
}

QString PVUserContext::nickname() const
{
    return m_profile.value(QLatin1String("mNickname")).toString();
}

QString PVUserContext::phone() const
{
    return m_profile.value(QLatin1String("mPhone")).toString();
}
