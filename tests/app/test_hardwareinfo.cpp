// The hardware summary's readers: processor and memory texts of /proc, sizes, and graphics
// adapters listed through libudev from a mocked sysfs (umockdev).

// GLib's headers use "signals" as a name, so they come before Qt's.
#include <umockdev.h>
#include <unistd.h>

#include "app/PVHardwareInfo.h"

#include <QtTest>

namespace {

// An Intel card the hardware database names, with a connector and a render node that are
// not adapters, and a virtual card it does not name.
const char kDevices[] = R"(P: /devices/pci0000:00/0000:00:02.0
E: SUBSYSTEM=pci
E: DRIVER=i915
E: ID_VENDOR_FROM_DATABASE=Intel Corporation
E: ID_MODEL_FROM_DATABASE=UHD Graphics 620
A: vendor=0x8086
A: device=0x5917
L: driver=../../../bus/pci/drivers/i915

P: /devices/pci0000:00/0000:00:02.0/drm/card0
N: dri/card0
E: DEVNAME=/dev/dri/card0
E: SUBSYSTEM=drm
E: DEVTYPE=drm_minor

P: /devices/pci0000:00/0000:00:02.0/drm/card0/card0-HDMI-A-1
E: SUBSYSTEM=drm
E: DEVTYPE=drm_connector

P: /devices/pci0000:00/0000:00:02.0/drm/renderD128
N: dri/renderD128
E: DEVNAME=/dev/dri/renderD128
E: SUBSYSTEM=drm
E: DEVTYPE=drm_minor

P: /devices/pci0000:00/0000:00:04.0
E: SUBSYSTEM=pci
A: vendor=0x1af4
A: device=0x1050
A: modalias=pci:v00001AF4d00001050sv00001AF4sd00001100bc03sc00i00

P: /devices/pci0000:00/0000:00:04.0/drm/card1
N: dri/card1
E: DEVNAME=/dev/dri/card1
E: SUBSYSTEM=drm
E: DEVTYPE=drm_minor
)";

const char kIntelCpuInfo[] = "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM)  i5-8250U CPU @ 1.60GHz\n"
                             "physical id\t: 0\ncore id\t\t: 0\n\n"
                             "processor\t: 1\nmodel name\t: Intel(R) Core(TM)  i5-8250U CPU @ 1.60GHz\nphysical id\t: 0\ncore id\t\t: 1\n\n"
                             "processor\t: 2\nmodel name\t: Intel(R) Core(TM)  i5-8250U CPU @ 1.60GHz\nphysical id\t: 0\ncore id\t\t: 0\n\n"
                             "processor\t: 3\nmodel name\t: Intel(R) Core(TM)  i5-8250U CPU @ 1.60GHz\nphysical id\t: 0\ncore id\t\t: 1\n";

} // namespace

class TestHardwareInfo : public QObject {
    Q_OBJECT
private slots:
    void processor_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("cores");
        QTest::addColumn<int>("threads");
        QTest::newRow("two cores, four threads") << QByteArray(kIntelCpuInfo)
            << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << 2 << 4;
        QTest::newRow("two sockets share core ids")
            << QByteArray("processor: 0\nphysical id: 0\ncore id: 0\nprocessor: 1\nphysical id: 1\ncore id: 0\n")
            << "" << 2 << 2;
        QTest::newRow("no core ids") << QByteArray("processor : 0\nBogoMIPS : 48\n\nprocessor : 1\nCPU part : 0xd08\n")
            << "" << 2 << 2;
        QTest::newRow("garbage") << QByteArray("\xff\xfe:::\n\n:\nprocessor") << "" << 0 << 0;
    }
    void processor()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, model);
        QFETCH(int, cores);
        QFETCH(int, threads);
        const PVProcessorInfo info = PVHardwareInfo::parseCpuInfo(text);
        QCOMPARE(info.model, model);
        QCOMPARE(info.cores, cores);
        QCOMPARE(info.threads, threads);
    }

    void memory_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("available");
        QTest::newRow("normal") << QByteArray("MemTotal:       16318588 kB\nMemFree: 1 kB\nMemAvailable:    8000000 kB\n")
                                << qint64(16318588) * 1024 << qint64(8000000) * 1024;
        QTest::newRow("not numbers") << QByteArray("MemTotal: lots kB\nMemAvailable: -5 kB\n") << qint64(0) << qint64(0);
        QTest::newRow("overflowing") << QByteArray("MemTotal: 99999999999999999999 kB\n") << qint64(0) << qint64(0);
    }
    void memory()
    {
        QFETCH(QByteArray, text);
        QFETCH(qint64, total);
        QFETCH(qint64, available);
        const PVMemoryInfo info = PVHardwareInfo::parseMemInfo(text);
        QCOMPARE(info.total, total);
        QCOMPARE(info.available, available);
    }

    void thisMachine()
    {
        const PVProcessorInfo cpu = PVHardwareInfo::processor();
        QVERIFY(!cpu.model.isEmpty());
        QVERIFY(cpu.cores >= 1 && cpu.threads >= cpu.cores);
        QVERIFY(PVHardwareInfo::memory().total > 0);
        QCOMPARE(PVHardwareInfo::processor("/nonexistent/cpuinfo").threads, QThread::idealThreadCount());
    }

    void sizes()
    {
        QCOMPARE(PVHardwareInfo::formatBytes(-3), QString("0 B"));
        QCOMPARE(PVHardwareInfo::formatBytes(1023), QString("1023 B"));
        QCOMPARE(PVHardwareInfo::formatBytes(1536), QString("1.5 KB"));
        QCOMPARE(PVHardwareInfo::formatBytes(qint64(16) << 30), QString("16.0 GB"));
        QCOMPARE(PVHardwareInfo::formatBytes(qint64(3) << 50), QString("3.0 PB"));
    }

    void graphicsAdapters()
    {
        UMockdevTestbed* testbed = umockdev_testbed_new();
        QVERIFY(umockdev_in_mock_environment());
        GError* error = nullptr;
        QVERIFY(umockdev_testbed_add_from_string(testbed, kDevices, &error));
        const QList<PVGraphicsAdapter> adapters = PVHardwareInfo::graphicsAdapters();
        g_object_unref(testbed);
        QCOMPARE(adapters.size(), 2);
        QCOMPARE(adapters[0].name, QString("Intel Corporation UHD Graphics 620"));
        QCOMPARE(adapters[0].driver, QString("i915"));
        QCOMPARE(adapters[0].node, QString("/dev/dri/card0"));
        // Unnamed by the mocked database: the PCI ids stand in.
        QVERIFY2(adapters[1].name == "1af4:1050" || adapters[1].name.contains("Red Hat"), qPrintable(adapters[1].name));
        QCOMPARE(adapters[1].driver, QString());
    }
};

int main(int argc, char** argv)
{
    // libudev must read the mocked sysfs: run again under the preload wrapper.
    if (!qEnvironmentVariable("LD_PRELOAD").contains("libumockdev-preload")) {
        QVector<char*> args{const_cast<char*>("umockdev-wrapper")};
        for (int i = 0; i < argc; ++i)
            args.append(argv[i]);
        args.append(nullptr);
        // The preloaded library comes before a sanitizer's runtime; that order is intended.
        const QByteArray asan = qgetenv("ASAN_OPTIONS");
        qputenv("ASAN_OPTIONS", (asan.isEmpty() ? asan : asan + ':') + "verify_asan_link_order=0");
        execvp("umockdev-wrapper", args.data());
        qWarning("umockdev-wrapper could not be run");
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestHardwareInfo test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hardwareinfo.moc"
