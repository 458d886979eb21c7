#pragma once
#include <QString>

namespace PVVersion {
// True when the server's version is newer than ours. Versions are four dotted parts; only
// versions whose third part matches ours are compared, then parts 0, 1 and 3 in that order.
bool isNewer(const QString& serverVersion, const QString& ownVersion);
}
