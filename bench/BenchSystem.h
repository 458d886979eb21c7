#pragma once
// Small process and event-loop helpers shared by the end-to-end benchmarks.

#include <QString>
#include <QStringList>

class QProcess;

#include <functional>

namespace BenchSystem {
// Resident set size of this process in kibibytes (0 when unknown).
long residentKiB();
// CPU time of the whole process (all threads), in seconds.
double cpuSeconds();
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
