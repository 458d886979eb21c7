#include "BenchSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace BenchSystem {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

QMap<int, ThreadTime> threadTimes()
{
    QMap<int, ThreadTime> times;
    const double tick = double(sysconf(_SC_CLK_TCK));
    const QString tasks = QStringLiteral("/proc/self/task");
    for (const QString& tid : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks + "/" + tid + "/stat");
        QFile comm(tasks + "/" + tid + "/comm");
        if (!stat.open(QIODevice::ReadOnly) || !comm.open(QIODevice::ReadOnly))
            continue;
        // The fields after the name, which may hold spaces: state is field 3, utime 14, stime 15.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            continue;
        const QString name = QString::fromUtf8(comm.readAll()).trimmed();
        ThreadTime time;
        time.kind = tid.toInt() == getpid() ? QStringLiteral("gui")
                  : name == QLatin1String("Stream") ? QStringLiteral("decoding")
                                                    : QStringLiteral("other");
        time.seconds = (fields[11].toDouble() + fields[12].toDouble()) / tick;
        times.insert(tid.toInt(), time);
    }
    return times;
}

QMap<QString, double> threadPercent(const QMap<int, ThreadTime>& before, const QMap<int, ThreadTime>& after, int ms)
{
    QMap<QString, double> percent{{"gui", 0.0}, {"decoding", 0.0}, {"other", 0.0}};
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        percent[it->kind] += 100.0 * (it->seconds - before.value(it.key()).seconds) * 1000.0 / ms;
    return percent;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> parts = file.readAll().split(' ');
    return QStringLiteral("%1 %2 %3").arg(QString(parts.value(0)), QString(parts.value(1)), QString(parts.value(2)));
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuPercentDuring(int ms)
{
    const double before = cpuSeconds();
    runFor(ms);
    return 100.0 * (cpuSeconds() - before) * 1000.0 / ms;
}

bool runUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        runFor(20);
    }
    return true;
}

QString castProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/pivora-cast");
}

bool startCast(QProcess& phone, const QStringList& arguments)
{
    phone.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    phone.start(castProgram(), arguments);
    if (phone.waitForStarted())
        return true;
    std::fprintf(stderr, "%s did not start\n", qPrintable(castProgram()));
    return false;
}

} // namespace BenchSystem
