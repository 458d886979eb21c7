#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>

// The signed-in user: the login key the server handed out and the profile it answered with.
class PVUserContext {
public:
    // Null unless the key is non-empty and the profile has at least one member.
    static std::unique_ptr<PVUserContext> create(const QString& loginKey, const QJsonObject& profile);

    QString loginKey() const { return m_loginKey; }
    QJsonObject profile() const { return m_profile; }
    QString nickname() const;
    QString phone() const;

private:
    PVUserContext(const QString& loginKey, const QJsonObject& profile);

    QString m_loginKey;
    QJsonObject m_profile;
};
