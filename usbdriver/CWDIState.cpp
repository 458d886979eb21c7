#include "usbdriver/CWDIState.h"

CWDIState::CWDIState(const QString& tempFolder)
    : m_tempFolder(tempFolder)
{
}

bool CWDIState::isBusy() const
{
    std::lock_guard<std::mutex> lock(m_busyLock);
    return m_busy;
}

void CWDIState::setBusy()
{
    std::lock_guard<std::mutex> lock(m_busyLock);
    m_busy = true;
}

void CWDIState::finishWork(const std::atomic<bool>& abandoned)
{
    std::lock_guard<std::mutex> lock(m_busyLock);
    if (!abandoned)
        m_busy = false;
}

void CWDIState::abandonWork(std::atomic<bool>& abandoned)
{
    std::lock_guard<std::mutex> lock(m_busyLock);
    abandoned = true;
    m_busy = false;
}

bool CWDIState::takeDebuggingWarning(const QVector<const wdi_device_info*>& debugging)
{
    std::lock_guard<std::mutex> lock(m_deviceLock);
    auto inList = [&](const SeenDevice& s) {
        for (const wdi_device_info* d : debugging) {
            if (d->vid == s.vid && d->pid == s.pid)
                return true;
        }
        return false;
    };
    for (const wdi_device_info* d : debugging) {
        bool seen = false;
        for (const SeenDevice& s : qAsConst(m_seen))
            seen = seen || (s.vid == d->vid && s.pid == d->pid);
        if (!seen)
            m_seen.append({d->vid, d->pid, true});
    }
    // Only a device that still has debugging on is warned about: one replugged after the user
    // turned it off keeps its mark until debugging is on again.
    for (SeenDevice& s : m_seen) {
        if (s.isNew && inList(s)) {
            s.isNew = false;
            return true;
        }
    }
    return false;
}

void CWDIState::deviceArrived(uint16_t vid, uint16_t pid)
{
    std::lock_guard<std::mutex> lock(m_deviceLock);
    for (SeenDevice& s : m_seen) {
        if (s.vid == vid && s.pid == pid)
            s.isNew = true;
    }
}

int CWDIState::seenDeviceCount() const
{
    std::lock_guard<std::mutex> lock(m_deviceLock);
    return m_seen.size();
}
