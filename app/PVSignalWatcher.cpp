#include "app/PVSignalWatcher.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalSockets[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Only async-signal-safe work here: the GUI thread reads the byte.
    [[maybe_unused]] ssize_t n = ::write(g_signalSockets[0], &byte, 1);
}

} // namespace

PVSignalWatcher::PVSignalWatcher(QObject* parent)
    : QObject(parent)
{
    if (g_signalSockets[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0) {
        qWarning("Signal watcher could not be set up");
        return;
    }
    m_notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PVSignalWatcher::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

PVSignalWatcher::~PVSignalWatcher()
{
    if (!m_notifier)
        return;
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    ::close(g_signalSockets[0]);
    ::close(g_signalSockets[1]);
    g_signalSockets[0] = g_signalSockets[1] = -1;
}

void PVSignalWatcher::readSignal()
{
    unsigned char byte = 0;
    if (::read(g_signalSockets[1], &byte, 1) == 1)
        emit terminationRequested(byte);
}
