#include "usbdriver/CUsbScanner.h"

#include "usbdriver/CUsbScanLog.h"
#include "usbdriver/CWDIState.h"
#include "usbdriver/IUsbScanSink.h"
#include "usbdriver/UsbDeviceRules.h"
#include "usbdriver/WDITexts.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <memory>

namespace {

constexpr int kAfterInstallMs = 2000;
constexpr int kAfterReenumerateMs = 8000;
constexpr int kBeforeFirstRemovalMs = 1000;
constexpr int kUninstallStepMs = 2000;

struct ListDeleter {
    void operator()(wdi_device_info* list) const { wdi_destroy_list(list); }
    void operator()(wdi_installed_driver* list) const { wdi_destroy_installed_list(list); }
};
using DeviceList = std::unique_ptr<wdi_device_info, ListDeleter>;
using InstalledList = std::unique_ptr<wdi_installed_driver, ListDeleter>;

DeviceList createList()
{
    wdi_device_info* list = nullptr;
    const wdi_options_create_list options = {1, 1, 1};
    const int rc = wdi_create_list(&list, &options);
    if (rc != WDI_SUCCESS && rc != WDI_ERROR_NO_DEVICE)
        qWarning("USB devices could not be listed: %s", wdi_strerror(rc));
    return DeviceList(list);
}

} // namespace

CUsbScanner::CUsbScanner(CWDIState& state, IUsbScanSink& sink)
    : m_state(state)
    , m_sink(sink)
{
}

bool CUsbScanner::stopped() const
{
    return m_state.installFailed || m_sink.abandoned();
}

void CUsbScanner::finishWork()
{
    m_state.finishWork(m_sink.abandoned());
}

QString CUsbScanner::workingFolder(const char* name, bool numbered) const
{
    QString folder = m_state.tempFolder() + QLatin1Char('/') + QLatin1String(name);
    if (numbered)
        folder += QLatin1Char('/') + QString::number(QRandomGenerator::global()->bounded(RAND_MAX) + 1);
    return folder;
}

CUsbScanner::InstallResult CUsbScanner::installAll(const QVector<const wdi_device_info*>& devices, int driverType,
    const QString& folder, const InstallTexts& texts, bool cleanNames)
{
    InstallResult result;
    const int n = devices.size();
    const QByteArray path = QFile::encodeName(folder);
    for (int i = 1; i <= n && !stopped(); ++i) {
        const wdi_device_info* d = devices[i - 1];
        m_sink.sendProgress(20, texts.preparing, i, n);
        const QString infName =
            cleanNames ? usbrules::cleanInfName(d->desc) : QString::fromUtf8(d->desc) + QStringLiteral(".inf");
        const QByteArray inf = infName.toUtf8();
        const char* infArg = infName.isNull() ? nullptr : inf.constData();
        const wdi_options_prepare_driver prepare = {driverType};
        if (wdi_prepare_driver(d, path.constData(), infArg, &prepare) != WDI_SUCCESS) {
            m_sink.sendProgress(20, texts.preparationFailed, i, n);
            m_state.installFailed = true;
            break;
        }
        m_sink.sendProgress(50, texts.installing, i, n);
        m_sink.sendInstallTimer(true);
        const wdi_options_install_driver install = {0, unsigned(CWDIState::kInstallTimeoutMs)};
        const int rc = wdi_install_driver(d, path.constData(), infArg, &install);
        m_sink.sendInstallTimer(false);
        if (rc != WDI_SUCCESS) {
            qWarning("USB driver for %04x:%04x not installed: %s", d->vid, d->pid, wdi_strerror(rc));
            m_sink.sendProgress(50, texts.installFailed, i, n);
            m_state.installFailed = true;
            break;
        }
        result.restartNeeded = result.restartNeeded || wdi_restart_needed();
        m_sink.sendProgress(100, texts.installed, i, n);
        ++result.succeeded;
    }
    return result;
}

void CUsbScanner::iosScan()
{
    if (!wdi_is_driver_supported(WDI_LIBUSB0))
        return;
    m_state.setBusy();
    DeviceList list = createList();
    QVector<const wdi_device_info*> chosen;
    for (const wdi_device_info* d = list.get(); d; d = d->next) {
        if (usbrules::isIosCandidate(*d))
            chosen.append(d);
    }
    if (!chosen.isEmpty())
        m_sink.sendProgress(0, wditext::IosCount, chosen.size());
    if (m_state.installFailed && !chosen.isEmpty())
        m_sink.askReboot();
    const InstallResult r = installAll(chosen, WDI_LIBUSB0, workingFolder("ov_usb_driver", false),
        {wditext::IosPreparing, wditext::IosPreparationFailed, wditext::IosInstalling, wditext::IosInstalled,
            wditext::IosInstallFailed},
        false);
    list.reset();
    if (!chosen.isEmpty() && !m_sink.abandoned()) {
        m_sink.pause(kAfterInstallMs);
        if (r.succeeded == 0) {
            m_sink.sendOutcome(-2, true);
        } else {
            m_sink.sendOutcome(-1, r.restartNeeded);
            m_sink.postDeviceChange();
        }
    }
    finishWork();
}

void CUsbScanner::androidScan()
{
    if (!wdi_is_driver_supported(WDI_WINUSB) || !wdi_is_driver_supported(WDI_LIBUSBK))
        return;
    m_state.setBusy();
    // The numbered working folders are made only when a driver is prepared in them and go
    // when the scan ends, so that scans every ten seconds leave nothing behind.
    const QString phoneFolder = workingFolder("ov_usb_driver_winusb", true);
    const QString accessoryFolder = workingFolder("ov_usb_driver_libusbk", true);
    DeviceList list = createList();

    usbrules::AndroidLists lists;
    {
        QDir().mkpath(m_state.tempFolder());
        CUsbScanLog log(m_state.tempFolder());
        const QSet<uint16_t> excluded = usbrules::excludedProducts(list.get());
        for (const wdi_device_info* d = list.get(); d; d = d->next) {
            log.listed(*d);
            for (usbrules::Choice c : usbrules::classify(*d, excluded, &lists))
                log.chosen(usbrules::choiceLogTag(c), *d);
        }
        log.close(!lists.debugging.isEmpty() || !lists.phones.isEmpty() || !lists.samsung.isEmpty() ||
            !lists.accessories.isEmpty());
    }
    if (m_state.takeDebuggingWarning(lists.debugging))
        m_sink.showDebuggingWarning();
    lists.phones += usbrules::samsungPhones(lists.samsung);
    if (m_state.installFailed && (!lists.phones.isEmpty() || !lists.accessories.isEmpty())) {
        lists.phones.clear();
        lists.accessories.clear();
        m_sink.askReboot();
    }

    if (!lists.phones.isEmpty())
        m_sink.sendProgress(0, wditext::PhoneCount, lists.phones.size());
    const InstallResult phones = installAll(lists.phones, WDI_WINUSB, phoneFolder,
        {wditext::PhonePreparing, wditext::PhonePreparationFailed, wditext::PhoneInstalling, wditext::PhoneInstalled,
            wditext::PhoneInstallFailed},
        true);
    if (!lists.accessories.isEmpty())
        m_sink.sendProgress(0, wditext::AccessoryCount, lists.accessories.size());
    const InstallResult accessories = installAll(lists.accessories, WDI_LIBUSBK, accessoryFolder,
        {wditext::AccessoryPreparing, wditext::AccessoryPreparationFailed, wditext::AccessoryInstalling,
            wditext::AccessoryInstalled2, wditext::AccessoryInstallFailed},
        true);
    list.reset();
    QDir(phoneFolder).removeRecursively();
    QDir(accessoryFolder).removeRecursively();

    const bool anyListed = !lists.phones.isEmpty() || !lists.accessories.isEmpty();
    if (anyListed && !m_sink.abandoned()) {
        if (phones.succeeded + accessories.succeeded == 0) {
            m_sink.pause(kAfterInstallMs);
            m_sink.sendOutcome(-2, true);
        } else {
            reenumerate();
            m_sink.pause(kAfterReenumerateMs);
            m_sink.sendOutcome(accessories.succeeded > 0 ? -3 : -4, phones.restartNeeded || accessories.restartNeeded);
            m_sink.postDeviceChange();
        }
    }
    finishWork();
}

void CUsbScanner::reenumerate()
{
    // The helper already told udev to re-apply the rules to each device it changed.
    qInfo("USB devices re-triggered by the helper after each change");
}

void CUsbScanner::uninstall()
{
    m_state.setBusy();
    m_sink.sendProgress(0, wditext::UninstallReady);
    wdi_installed_driver* raw = nullptr;
    wdi_list_installed_drivers(&raw);
    InstalledList installed(raw);

    int candidates = 0;
    int removed = 0;
    for (const wdi_installed_driver* d = installed.get(); d; d = d->next) {
        if (!usbrules::isUninstallCandidate(*d))
            continue;
        if (candidates++ == 0) {
            m_sink.sendProgress(30, wditext::Uninstalling);
            m_sink.pause(kBeforeFirstRemovalMs);
        }
        if (wdi_uninstall_driver(d, CWDIState::kInstallTimeoutMs) == WDI_SUCCESS) {
            ++removed;
            continue;
        }
        // The rest would meet the same refusal or the same unwritable folder; one question
        // is enough, and what was removed stays removed.
        m_sink.sendProgress(30, wditext::UninstallFailed);
        m_sink.sendOutcome(-7, true);
        if (removed > 0)
            m_state.uninstallDone = true;
        finishWork();
        return;
    }
    if (removed == 0) {
        m_sink.sendOutcome(-6, false);
        finishWork();
        return;
    }
    m_state.uninstallDone = true;
    m_sink.sendProgress(60, wditext::Uninstalling);
    m_sink.pause(kUninstallStepMs);
    m_sink.sendProgress(100, wditext::UninstallCompleted);
    m_sink.pause(kUninstallStepMs);
    reenumerate();
    m_sink.pause(kUninstallStepMs);
    m_sink.sendOutcome(-5, true);
    m_sink.postDeviceChange();
    finishWork();
}
