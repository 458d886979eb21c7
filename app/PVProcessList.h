#pragma once
#include <QStringList>

// Names of running processes, for the check against programs that cannot run beside us.
namespace PVProcessList {

// Every name a running process is known by: its command name, the base name of its
// executable and of its first argument (Windows programs under Wine show up there).
QStringList runningProcessNames(const QString& procRoot = QStringLiteral("/proc"));

// The first of `programs` (in their order) found among `processNames`, compared without
// case; empty when none runs. The kernel cuts command names to 15 characters, so such a
// name also matches a longer program name it is the start of.
QString findRunning(const QStringList& programs, const QStringList& processNames);

} // namespace PVProcessList
