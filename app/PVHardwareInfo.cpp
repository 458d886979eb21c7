#include "app/PVHardwareInfo.h"

#include <QFile>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QRegularExpression>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <libudev.h>

#include <memory>

namespace PVHardwareInfo {

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Cannot read %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return QByteArray();
    }
    // Files under /proc report no size; read until the end.
    return file.readAll();
}

// "key : value" lines; the value of the line, trimmed, when its key matches.
bool splitLine(const QByteArray& line, QByteArray* key, QByteArray* value)
{
    const int colon = line.indexOf(':');
    if (colon < 0)
        return false;
    *key = line.left(colon).trimmed();
    *value = line.mid(colon + 1).trimmed();
    return true;
}

// "16318588 kB" → bytes.
qint64 kilobytes(const QByteArray& value)
{
    const QList<QByteArray> parts = value.split(' ');
    bool ok = false;
    const qint64 amount = parts.value(0).toLongLong(&ok);
    return ok && amount >= 0 && amount < (qint64(1) << 53) ? amount * 1024 : 0;
}

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
    void operator()(udev_hwdb* h) const { udev_hwdb_unref(h); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

QString text(const char* value)
{
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

// What the hardware database calls the device with that modalias.
QString hwdbName(udev_hwdb* hwdb, const char* modalias)
{
    if (!hwdb || !modalias)
        return QString();
    QString vendor;
    QString model;
    udev_list_entry* entry = udev_hwdb_get_properties_list_entry(hwdb, modalias, 0);
    for (; entry; entry = udev_list_entry_get_next(entry)) {
        const QByteArray name = udev_list_entry_get_name(entry);
        if (name == "ID_VENDOR_FROM_DATABASE")
            vendor = text(udev_list_entry_get_value(entry));
        else if (name == "ID_MODEL_FROM_DATABASE")
            model = text(udev_list_entry_get_value(entry));
    }
    return (vendor + ' ' + model).trimmed();
}

QString adapterName(udev_device* parent, udev_hwdb* hwdb)
{
    const QString vendor = text(udev_device_get_property_value(parent, "ID_VENDOR_FROM_DATABASE"));
    const QString model = text(udev_device_get_property_value(parent, "ID_MODEL_FROM_DATABASE"));
    QString name = (vendor + ' ' + model).trimmed();
    if (name.isEmpty())
        name = hwdbName(hwdb, udev_device_get_sysattr_value(parent, "modalias"));
    if (name.isEmpty()) {
        QString vendorId = text(udev_device_get_sysattr_value(parent, "vendor"));
        QString deviceId = text(udev_device_get_sysattr_value(parent, "device"));
        if (!vendorId.isEmpty() || !deviceId.isEmpty())
            name = QStringLiteral("%1:%2").arg(vendorId.remove("0x"), deviceId.remove("0x"));
    }
    return name.isEmpty() ? text(udev_device_get_sysname(parent)) : name;
}

} // namespace

PVProcessorInfo parseCpuInfo(const QByteArray& text)
{
    PVProcessorInfo info;
    QSet<QByteArray> cores;
    QByteArray physicalId;
    QByteArray key;
    QByteArray value;
    for (const QByteArray& line : text.split('\n')) {
        if (!splitLine(line, &key, &value))
            continue;
        if (key == "processor") {
            ++info.threads;
            physicalId.clear();
        } else if (key == "model name" && info.model.isEmpty()) {
            info.model = QString::fromUtf8(value).simplified();
        } else if (key == "physical id") {
            physicalId = value;
        } else if (key == "core id") {
            cores.insert(physicalId + '/' + value);
        }
    }
    info.cores = cores.isEmpty() ? info.threads : cores.size();
    return info;
}

PVProcessorInfo processor(const QString& cpuInfoPath)
{
    PVProcessorInfo info = parseCpuInfo(readAll(cpuInfoPath));
    if (info.threads == 0) {
        info.threads = QThread::idealThreadCount();
        info.cores = info.threads;
    }
    if (info.model.isEmpty())
        info.model = QSysInfo::currentCpuArchitecture();
    return info;
}

PVMemoryInfo parseMemInfo(const QByteArray& text)
{
    PVMemoryInfo info;
    QByteArray key;
    QByteArray value;
    for (const QByteArray& line : text.split('\n')) {
        if (!splitLine(line, &key, &value))
            continue;
        if (key == "MemTotal")
            info.total = kilobytes(value);
        else if (key == "MemAvailable")
            info.available = kilobytes(value);
    }
    return info;
}

PVMemoryInfo memory(const QString& memInfoPath)
{
    return parseMemInfo(readAll(memInfoPath));
}

QList<PVGraphicsAdapter> graphicsAdapters()
{
    QList<PVGraphicsAdapter> adapters;
    UdevPtr<udev> context(udev_new());
    if (!context) {
        qWarning("udev is not available; no graphics adapters listed");
        return adapters;
    }
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    UdevPtr<udev_hwdb> hwdb(udev_hwdb_new(context.get()));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "drm") < 0
        || udev_enumerate_scan_devices(enumerate.get()) < 0) {
        qWarning("DRM devices could not be listed");
        return adapters;
    }
    // Cards only, not their connectors ("card0-HDMI-A-1") or render nodes.
    static const QRegularExpression card(QStringLiteral("^card\\d+$"));
    udev_list_entry* entry = udev_enumerate_get_list_entry(enumerate.get());
    for (; entry; entry = udev_list_entry_get_next(entry)) {
        UdevPtr<udev_device> device(udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device || !card.match(text(udev_device_get_sysname(device.get()))).hasMatch())
            continue;
        // The parent belongs to the card and is not unreferenced separately.
        udev_device* parent = udev_device_get_parent(device.get());
        PVGraphicsAdapter adapter;
        adapter.node = text(udev_device_get_devnode(device.get()));
        adapter.name = parent ? adapterName(parent, hwdb.get()) : text(udev_device_get_sysname(device.get()));
        adapter.driver = parent ? text(udev_device_get_driver(parent)) : QString();
        adapters.append(adapter);
    }
    return adapters;
}

QString openGLRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return QString();
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return QString();
    QOpenGLFunctions* gl = context.functions();
    const auto* renderer = reinterpret_cast<const char*>(gl->glGetString(GL_RENDERER));
    const auto* version = reinterpret_cast<const char*>(gl->glGetString(GL_VERSION));
    QString result = text(renderer);
    if (version)
        result += QStringLiteral("\nOpenGL %1").arg(text(version));
    context.doneCurrent();
    return result.trimmed();
}

QString formatBytes(qint64 bytes)
{
    static const char* const units[] = {"B", "KB", "MB", "GB", "TB", "PB"};
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(qMax<qint64>(bytes, 0));
    double value = double(bytes);
    int unit = 0;
    while (value >= 1024 && unit < 5) {
        value /= 1024;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

} // namespace PVHardwareInfo
