#pragma once
// The numbered texts of the USB driver window, translated with "CWDIDlg" as context.

#include <QString>

namespace wditext {

enum : int {
    Tips = 1,
    Detecting = 100,
    Restarting = 101,
    RebootQuestion = 102,
    RebootMessage = 103,
    AccessoryInstalled = 104,
    UninstallDone = 105,
    NothingToUninstall = 106,
    UninstallFailedQuestion = 107,
    UninstallReady = 108,
    Uninstalling = 109,
    UninstallCompleted = 110,
    UninstallFailed = 111,
    IosCount = 112,
    IosPreparing = 113,
    IosPreparationFailed = 114,
    IosInstalling = 115,
    IosInstalled = 116,
    IosInstallFailed = 117,
    DebuggingWarning = 118,
    PhoneCount = 119,
    PhonePreparing = 120,
    PhonePreparationFailed = 121,
    PhoneInstalling = 122,
    PhoneInstalled = 123,
    PhoneInstallFailed = 124,
    AccessoryCount = 125,
    AccessoryPreparing = 126,
    AccessoryPreparationFailed = 127,
    AccessoryInstalling = 128,
    AccessoryInstalled2 = 129,
    AccessoryInstallFailed = 130,
};

// The untranslated text; null for a number without text.
const char* source(int number);
// The translated text with its numbers filled in: a lone "%" takes the device count, each
// "%d" the next argument. Any other number yields an empty text.
QString text(int number, int first = 0, int second = 0);

} // namespace wditext
