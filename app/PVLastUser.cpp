#include "app/PVLastUser.h"

namespace PVLastUser {

namespace {
// 0xFF never occurs in UTF-8, so no byte of a key scrambles to NUL (which the JSON file
// would not keep).
constexpr unsigned char kScrambleByte = 0xFF;
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
