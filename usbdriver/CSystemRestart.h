#pragma once
// Restarts the computer through logind on the system bus.

#include <QString>

namespace CSystemRestart {

// Asks logind to reboot (it asks for authorisation itself when needed). The message is the
// reason shown to the user; logind has no place for it, so it goes to the log. False when
// logind refused or is not reachable.
bool reboot(const QString& message);

} // namespace CSystemRestart
