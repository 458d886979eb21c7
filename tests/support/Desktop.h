#pragma once
// The desktop of a GUI test's own X server: a window manager (so windows can be minimised,
// focused and closed as on a user's desktop) and the X tools that act and look like a user.

#include "support/StopProcess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

namespace desktop {

// Runs an X tool and gives back what it printed.
inline QString run(const QString& tool, const QStringList& args, int waitMs = 15000)
{
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(waitMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

inline QString xdotool(const QStringList& args)
{
    return run(QStringLiteral("xdotool"), args);
}

// One property of a window as xprop prints it ("NAME(TYPE) = value").
inline QString xprop(const QString& window, const QString& property)
{
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, property}).trimmed();
}

// "Normal" or "Iconic", as the window manager keeps it in WM_STATE.
inline QString windowState(const QString& window)
{
    const QString state = xprop(window, QStringLiteral("WM_STATE"));
    if (state.contains(QLatin1String("Iconic")))
        return QStringLiteral("Iconic");
    if (state.contains(QLatin1String("Normal")))
        return QStringLiteral("Normal");
    return state;
}

class WindowManager {
public:
    ~WindowManager() { stopProcess(m_process); }

    // Starts openbox on $DISPLAY and waits until it manages the screen.
    bool start(int waitMs = 15000)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!m_process.waitForStarted(waitMs))
            return false;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < waitMs) {
            if (run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                    .contains(QLatin1String("window id")))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

private:
    QProcess m_process;
};

} // namespace desktop
