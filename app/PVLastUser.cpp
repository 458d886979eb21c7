#include "app/PVLastUser.h"

namespace PVLastUser {

namespace {
constexpr char kScrambleByte = 0x5A;
}

QByteArray scramble(const QByteArray& bytes)
{
    QByteArray out = bytes;
    for (char& c : out)
        c = static_cast<char>(c ^ kScrambleByte);
    return out;
}

QVariant toSetting(const QString& loginKey)
{
    return QString::fromLatin1(scramble(loginKey.toUtf8()));
}

QString fromSetting(const QVariant& value)
{
    return QString::fromUtf8(scramble(value.toString().toLatin1()));
}

} // namespace PVLastUser
