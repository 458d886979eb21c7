#include "BenchSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

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
