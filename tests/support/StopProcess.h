#pragma once

#include <QProcess>

// Ends a helper process a test started: politely first, then for sure.
inline void stopProcess(QProcess& process, int waitMs = 5000)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(waitMs))
        process.kill();
    process.waitForFinished(waitMs);
}
