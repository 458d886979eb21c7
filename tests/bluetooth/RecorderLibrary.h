#pragma once

#include "hidlink_recorder/HidlinkRecorder.h"

#include <QString>
#include <QStringList>
#include <QtTest>

#include <dlfcn.h>

// The recording HID library, opened by the test itself so its record survives the worker's
// unload.
class RecorderLibrary {
public:
    explicit RecorderLibrary(const char* path)
        : m_handle(dlopen(path, RTLD_NOW | RTLD_LOCAL))
    {
        if (!m_handle)
            return;
        reset = symbol<HidlinkRecorderResetFn>("HidlinkRecorder_Reset");
        setSupport = symbol<HidlinkRecorderSetSupportFn>("HidlinkRecorder_SetSupport");
        waitCalls = symbol<HidlinkRecorderWaitCallsFn>("HidlinkRecorder_WaitCalls");
        holdMouse = symbol<HidlinkRecorderHoldMouseFn>("HidlinkRecorder_HoldMouse");
        waitMouseHeld = symbol<HidlinkRecorderWaitMouseHeldFn>("HidlinkRecorder_WaitMouseHeld");
        holdSupport = symbol<HidlinkRecorderHoldSupportFn>("HidlinkRecorder_HoldSupport");
        fireLinked = symbol<HidlinkRecorderFireLinkedFn>("HidlinkRecorder_FireLinked");
        m_snapshot = symbol<HidlinkRecorderSnapshotFn>("HidlinkRecorder_Snapshot");
        reset();
    }
    ~RecorderLibrary()
    {
        if (m_handle)
            dlclose(m_handle);
    }

    bool isLoaded() const { return m_handle != nullptr; }

    QStringList calls() const
    {
        QByteArray text(m_snapshot(nullptr, 0), '\0');
        m_snapshot(text.data(), text.size());
        return QString::fromUtf8(text.constData()).split('\n', Qt::SkipEmptyParts);
    }

    HidlinkRecorderResetFn reset = nullptr;
    HidlinkRecorderSetSupportFn setSupport = nullptr;
    HidlinkRecorderWaitCallsFn waitCalls = nullptr;
    HidlinkRecorderHoldMouseFn holdMouse = nullptr;
    HidlinkRecorderWaitMouseHeldFn waitMouseHeld = nullptr;
    HidlinkRecorderHoldSupportFn holdSupport = nullptr;
    HidlinkRecorderFireLinkedFn fireLinked = nullptr;

private:
    template <typename Fn>
    Fn symbol(const char* name) { return reinterpret_cast<Fn>(dlsym(m_handle, name)); }

    void* m_handle;
    HidlinkRecorderSnapshotFn m_snapshot = nullptr;
};
