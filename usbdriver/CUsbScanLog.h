#pragma once
// The two logs of an Android scan in the temporary folder: "orvane_list.log" lists every
// device, "orvane.log" every device chosen for a list. Files that cannot be opened are skipped.

#include "pvwdi.h"

#include <QString>

#include <cstdio>

class CUsbScanLog {
public:
    static constexpr qint64 kRotateBytes = 10485760;

    explicit CUsbScanLog(const QString& folder);
    ~CUsbScanLog();
    CUsbScanLog(const CUsbScanLog&) = delete;
    CUsbScanLog& operator=(const CUsbScanLog&) = delete;

    void listed(const wdi_device_info& d);
    void chosen(const char* tag, const wdi_device_info& d);
    // Ends the pass: a line feed closes the list log, and the chosen-device log when anything
    // was chosen.
    void close(bool anyChosen);

    // One line: time stamp or tag, then the device's fields.
    static QByteArray line(const char* lead, const wdi_device_info& d);

private:
    void write(FILE* file, const char* tag, const wdi_device_info& d);

    FILE* m_list = nullptr;
    FILE* m_chosen = nullptr;
};
