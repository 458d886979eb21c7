#include "app/PVVersion.h"

#include <QStringList>

namespace PVVersion {

bool isNewer(const QString& serverVersion, const QString& ownVersion)
{
    const QStringList server = serverVersion.split('.', Qt::KeepEmptyParts);
    const QStringList own = ownVersion.split('.', Qt::KeepEmptyParts);
    if (server.size() != 4 || own.size() != server.size())
        return false;
    if (server[2].toInt() != own[2].toInt())
        return false;
    for (int part : {0, 1, 3}) {
        const int s = server[part].toInt();
        const int o = own[part].toInt();
        if (s != o)
            return s > o;
    }
    return false;
}

} // namespace PVVersion
