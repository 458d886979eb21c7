#pragma once
// Small process and event-loop helpers shared by the end-to-end benchmarks.

#include <QMap>
#include <QString>
#include <QStringList>

class QProcess;

#include <functional>

namespace BenchSystem {
// Resident set size of this process in kibibytes (0 when unknown).
long residentKiB();
// CPU time of the whole process (all threads), in seconds.
double cpuSeconds();
// CPU seconds of each of this process's threads so far, by thread id, with its kind: the GUI
// (main) thread "gui", the video decoding threads "decoding", the rest "other".
struct ThreadTime {
    QString kind;
    double seconds = 0.0;
};
QMap<int, ThreadTime> threadTimes();
// The CPU use of each kind of thread between two readings, in percent of one core.
QMap<QString, double> threadPercent(const QMap<int, ThreadTime>& before, const QMap<int, ThreadTime>& after,
                                    int ms);
// The three load averages as /proc/loadavg gives them.
QString loadAverage();
// Runs the event loop for a while.
void runFor(int ms);
// Runs the event loop for a while; the process's CPU use meanwhile, in percent of one core.
double cpuPercentDuring(int ms);
// Runs the event loop until the condition holds or the time is up; whether it held.
bool runUntil(const std::function<bool()>& condition, int timeoutMs);
// The simulated phone next to this executable (both are built into the same bin folder).
QString castProgram();
// Starts the simulated phone with these arguments, its errors on ours; false (with a message)
// when it did not start.
bool startCast(QProcess& phone, const QStringList& arguments);
}
