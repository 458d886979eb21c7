#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A read-only summary of this PC for the options dialog's hardware page.

struct PVProcessorInfo {
    QString model;   // "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"
    int cores = 0;   // physical cores
    int threads = 0; // logical processors
};

struct PVMemoryInfo {
    qint64 total = 0;     // bytes
    qint64 available = 0; // bytes
};

struct PVGraphicsAdapter {
    QString name;   // maker and model, or the PCI ids when the hardware database has none
    QString driver; // kernel driver, empty when none is bound
    QString node;   // "/dev/dri/card0"
};

namespace PVHardwareInfo {

// The processor described by the text of /proc/cpuinfo. Cores count distinct
// (physical id, core id) pairs; without those every logical processor counts as a core.
PVProcessorInfo parseCpuInfo(const QByteArray& text);
PVProcessorInfo processor(const QString& cpuInfoPath = QStringLiteral("/proc/cpuinfo"));

// MemTotal and MemAvailable of the text of /proc/meminfo.
PVMemoryInfo parseMemInfo(const QByteArray& text);
PVMemoryInfo memory(const QString& memInfoPath = QStringLiteral("/proc/meminfo"));

// The display adapters that have a DRM card device, in udev's order.
QList<PVGraphicsAdapter> graphicsAdapters();

// The OpenGL renderer and, on a second line, version of a context made on an offscreen surface; empty
// when no context can be made. Needs the GUI thread.
QString openGLRenderer();

// "512 B", "1.5 KB", "15.6 GB" (powers of 1024).
QString formatBytes(qint64 bytes);

} // namespace PVHardwareInfo
