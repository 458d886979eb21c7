#include "usbdriver/WDITexts.h"

#include <QCoreApplication>

namespace wditext {

namespace {

struct Entry {
    int number;
    const char* text;
};

const Entry kTexts[] = {
    {Tips, QT_TRANSLATE_NOOP("CWDIDlg", "Tips")},
    {Detecting, QT_TRANSLATE_NOOP("CWDIDlg", "Detecting mirroring device driver...")},
    {Restarting, QT_TRANSLATE_NOOP("CWDIDlg", "Restarting your computer")},
    {RebootQuestion, QT_TRANSLATE_NOOP("CWDIDlg",
        "The system has detected that the driver setting has been changed. You must reboot your computer for "
        "the changes to take effect. Do you want to restart now?")},
    {RebootMessage, QT_TRANSLATE_NOOP("CWDIDlg", "The driver setting has been changed. Restarting your computer")},
    {AccessoryInstalled, QT_TRANSLATE_NOOP("CWDIDlg",
        "The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it "
        "again!")},
    {UninstallDone, QT_TRANSLATE_NOOP("CWDIDlg",
        "Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to "
        "restart now?")},
    {NothingToUninstall, QT_TRANSLATE_NOOP("CWDIDlg", "The device driver cannot be found.")},
    {UninstallFailedQuestion, QT_TRANSLATE_NOOP("CWDIDlg",
        "Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart "
        "now?")},
    {UninstallReady, QT_TRANSLATE_NOOP("CWDIDlg", "The device driver ready to uninstall...")},
    {Uninstalling, QT_TRANSLATE_NOOP("CWDIDlg", "The device driver is uninstalling...")},
    {UninstallCompleted, QT_TRANSLATE_NOOP("CWDIDlg", "The device driver uninstall completed!")},
    {UninstallFailed, QT_TRANSLATE_NOOP("CWDIDlg", "The device driver uninstall failed!")},
    {IosCount, QT_TRANSLATE_NOOP("CWDIDlg",
        "There are % devices connected to your computer, Ready to install driver...")},
    {IosPreparing, QT_TRANSLATE_NOOP("CWDIDlg", "%d/%d Preparing device drivers...")},
    {IosPreparationFailed, QT_TRANSLATE_NOOP("CWDIDlg", "%d/%d The driver preparation failed...")},
    {IosInstalling, QT_TRANSLATE_NOOP("CWDIDlg", "%d/%d Installing device drivers...")},
    {IosInstalled, QT_TRANSLATE_NOOP("CWDIDlg", "%d/%d You have successfully installed the driver...")},
    {IosInstallFailed, QT_TRANSLATE_NOOP("CWDIDlg", "%d/%d The driver installation failed...")},
    {DebuggingWarning, QT_TRANSLATE_NOOP("CWDIDlg",
        "The system has detected that the 'USB debugging' function was turned on. Please turn it off in "
        "Setting and replug the Phone!")},
    {PhoneCount, QT_TRANSLATE_NOOP("CWDIDlg",
        "Android Phone: There are % devices connected to your computer, Ready to install driver...")},
    {PhonePreparing, QT_TRANSLATE_NOOP("CWDIDlg", "Android Phone: %d/%d Preparing device drivers...")},
    {PhonePreparationFailed, QT_TRANSLATE_NOOP("CWDIDlg", "Android Phone: %d/%d The driver preparation failed...")},
    {PhoneInstalling, QT_TRANSLATE_NOOP("CWDIDlg", "Android Phone: %d/%d Installing device drivers...")},
    {PhoneInstalled, QT_TRANSLATE_NOOP("CWDIDlg",
        "Android Phone: %d/%d You have successfully installed the driver...")},
    {PhoneInstallFailed, QT_TRANSLATE_NOOP("CWDIDlg", "Android Phone: %d/%d The driver installation failed...")},
    {AccessoryCount, QT_TRANSLATE_NOOP("CWDIDlg",
        "Android UsbCast: There are % devices connected to your computer, Ready to install driver...")},
    {AccessoryPreparing, QT_TRANSLATE_NOOP("CWDIDlg", "Android UsbCast: %d/%d Preparing device drivers...")},
    {AccessoryPreparationFailed, QT_TRANSLATE_NOOP("CWDIDlg",
        "Android UsbCast: %d/%d The driver preparation failed...")},
    {AccessoryInstalling, QT_TRANSLATE_NOOP("CWDIDlg", "Android UsbCast: %d/%d Installing device drivers...")},
    {AccessoryInstalled2, QT_TRANSLATE_NOOP("CWDIDlg",
        "Android UsbCast: %d/%d You have successfully installed the driver...")},
    {AccessoryInstallFailed, QT_TRANSLATE_NOOP("CWDIDlg",
        "Android UsbCast: %d/%d The driver installation failed...")},
};

} // namespace

const char* source(int number)
{
    for (const Entry& e : kTexts) {
        if (e.number == number)
            return e.text;
    }
    return nullptr;
}

QString text(int number, int first, int second)
{
    const char* src = source(number);
    if (!src)
        return QString();
    const QString templ = QCoreApplication::translate("CWDIDlg", src);
    const int args[] = {first, second};
    int next = 0;
    QString out;
    for (int i = 0; i < templ.size(); ++i) {
        if (templ[i] != '%' || next >= 2) {
            out += templ[i];
            continue;
        }
        out += QString::number(args[next++]);
        if (i + 1 < templ.size() && templ[i + 1] == 'd')
            ++i;
    }
    return out;
}

} // namespace wditext
