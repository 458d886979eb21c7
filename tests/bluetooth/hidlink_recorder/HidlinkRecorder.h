#pragma once

#include <cstdint>

// Query side of the recording stand-in for the HID peripheral library. The tests dlopen the
// same file the worker loads, so both see one recorder.
extern "C" {
typedef void (*HidlinkRecorderResetFn)();
typedef void (*HidlinkRecorderSetSupportFn)(bool supported);
// Copies the recorded calls, one per line, into buffer; answers the length needed.
typedef int (*HidlinkRecorderSnapshotFn)(char* buffer, int size);
typedef void (*HidlinkRecorderWaitCallsFn)(int count);
// While held, a mouse send is recorded and then waits until the hold is lifted.
typedef void (*HidlinkRecorderHoldMouseFn)(bool hold);
typedef void (*HidlinkRecorderWaitMouseHeldFn)();
// While held, the support question is not answered.
typedef void (*HidlinkRecorderHoldSupportFn)(bool hold);
// Calls the stored link callback from a thread of the library's own.
typedef void (*HidlinkRecorderFireLinkedFn)(const char* name, uint64_t address, bool connected);
}
