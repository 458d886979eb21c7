#pragma once
// A mock /sys with hand-written USB devices (tests/usbdriver/devices/*.umockdev). The test runs
// under umockdev-wrapper; the test bed then covers this process and every process it starts.

#include "WdiRule.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <umockdev.h>
#pragma pop_macro("signals")

class UsbTestbed {
public:
    UsbTestbed() : m_bed(umockdev_testbed_new()) {}
    ~UsbTestbed() { g_object_unref(m_bed); }
    UsbTestbed(const UsbTestbed&) = delete;
    UsbTestbed& operator=(const UsbTestbed&) = delete;

    static bool isMocked() { return umockdev_in_mock_environment(); }

    // Loads devices/<name>.umockdev; returns the device paths it added.
    QStringList add(const QString& name)
    {
        const QString file = QString::fromLocal8Bit(DEVICES_DIR) + "/" + name + ".umockdev";
        GError* error = nullptr;
        if (!umockdev_testbed_add_from_file(m_bed, QFile::encodeName(file).constData(), &error)) {
            qWarning("%s: %s", qPrintable(file), error ? error->message : "?");
            g_clear_error(&error);
            return {};
        }
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        QStringList devices;
        const QRegularExpression device("^P: (/devices/\\S+/\\d+-\\d+)$", QRegularExpression::MultilineOption);
        auto it = device.globalMatch(QString::fromUtf8(f.readAll()));
        while (it.hasNext())
            devices << "/sys" + it.next().captured(1);
        m_devices[name] = devices;
        return devices;
    }
    // Plugs a described device in: adds it and sends the "add" uevents.
    void plug(const QString& name)
    {
        for (const QString& path : add(name))
            uevent(path, "add");
    }
    // Sends a uevent for every device of a description added before.
    void replay(const QString& name, const char* action)
    {
        for (const QString& path : m_devices.value(name))
            uevent(path, action);
    }
    void unplug(const QString& name)
    {
        for (const QString& path : m_devices.take(name)) {
            uevent(path, "remove");
            umockdev_testbed_remove_device(m_bed, path.toUtf8().constData());
        }
    }
    void unplugAll()
    {
        for (const QString& name : m_devices.keys())
            unplug(name);
    }
    void uevent(const QString& path, const char* action)
    {
        umockdev_testbed_uevent(m_bed, path.toUtf8().constData(), action);
    }

private:
    UMockdevTestbed* m_bed;
    QMap<QString, QStringList> m_devices;
};

// The rules folder the tests write to (set for every test in tests/CMakeLists.txt).
inline QString rulesDir()
{
    return qEnvironmentVariable("PIVORA_UDEV_RULES_DIR");
}

inline QStringList ruleFiles()
{
    return QDir(rulesDir()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

inline void clearRules()
{
    QDir(rulesDir()).removeRecursively();
    QDir().mkpath(rulesDir());
}

// A rule as the program would have installed it.
inline QString writeOwnRule(int type, uint16_t vid, uint16_t pid, const char* base)
{
    wdirule::Rule rule;
    rule.driverType = type;
    rule.vid = vid;
    rule.pid = pid;
    rule.base = base;
    const QString name = QString::fromStdString(wdirule::fileName(rule));
    QFile f(rulesDir() + "/" + name);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(wdirule::content(rule)));
    return name;
}

inline void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
}
