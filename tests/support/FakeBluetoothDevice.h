#pragma once
// A phone's HID device that notes every input call as a line ("mouse dx dy wheel buttons",
// "touch x y contact", "keyboard action usage modifiers", "consumer key down"); it can be told
// to fail from a given call on.

#include "bluetooth/ISCBluetoothDevice.h"

#include <QString>
#include <QStringList>

class FakeBluetoothDevice : public ISCBluetoothDevice {
public:
    QStringList calls;
    int failFrom = -1;

    void setDelegate(ISCBluetoothDeviceDelegate*) override {}
    std::string name() const override { return "Test iPhone"; }
    std::string address() const override { return "00:00:00:00:00:01"; }
    bool isConnected() const override { return true; }
    bool disconnect() override { return true; }
    bool connectedFlag() const override { return true; }
    bool isAvailable() const override { return true; }
    bool linkState() const override { return true; }
    bool keyboard(uint32_t action, uint8_t usage, uint32_t modifiers) override
    {
        return note(QString("keyboard %1 %2 %3").arg(action).arg(usage).arg(modifiers));
    }
    bool mouse(int32_t dx, int32_t dy, int32_t wheel, int32_t buttons) override
    {
        return note(QString("mouse %1 %2 %3 %4").arg(dx).arg(dy).arg(wheel).arg(buttons));
    }
    bool touch(float x, float y, uint32_t contact) override
    {
        return note(QString("touch %1 %2 %3").arg(double(x)).arg(double(y)).arg(contact));
    }
    bool consumerKey(int key, bool down) override { return note(QString("consumer %1 %2").arg(key).arg(down)); }
    void release() override {}

    int count(const QString& call) const { return calls.count(call); }

private:
    bool note(const QString& call)
    {
        if (failFrom >= 0 && calls.size() >= failFrom)
            return false;
        calls << call;
        return true;
    }
};
