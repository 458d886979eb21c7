#pragma once
// The driver scan and the uninstall: lists the USB devices, chooses the ones that need a
// driver, installs the drivers one by one and reports to the driver window. Runs on a worker
// thread of the window.

#include "pvwdi.h"

#include <QString>
#include <QVector>

class CWDIState;
class IUsbScanSink;

class CUsbScanner {
public:
    CUsbScanner(CWDIState& state, IUsbScanSink& sink);

    // iPhones and iPads.
    void iosScan();
    // Android phones and accessories.
    void androidScan();
    void uninstall();

private:
    struct InstallTexts {
        int preparing;
        int preparationFailed;
        int installing;
        int installed;
        int installFailed;
    };
    struct InstallResult {
        int succeeded = 0;
        bool restartNeeded = false;
    };

    // Prepares and installs one driver type on each device, stopping at the first failure.
    InstallResult installAll(const QVector<const wdi_device_info*>& devices, int driverType, const QString& folder,
        const InstallTexts& texts, bool cleanNames);
    bool stopped() const;
    void finishWork();
    void reenumerate();
    QString workingFolder(const char* name, bool numbered) const;

    CWDIState& m_state;
    IUsbScanSink& m_sink;
};
