#pragma once

#include "control/QMirraEvent.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>

// One user action aimed at a mirrored phone, created by an input converter or a Controller
// slot and carried out by the Controller when the event is delivered. Lives only in process.
class ControlMsg : public QMirraEvent {
public:
    enum ControlMsgType : uint32_t {
        KeyCode = 0,
        Text = 1,
        Touch = 2,
        Scroll = 3,
        ExpandNotificationPanel = 5,
        CollapseNotificationPanel = 6,
        RequestDeviceClipboard = 7,
        SetDeviceClipboard = 8,
        SetScreenPowerMode = 9,
        SystemKey = 10,
    };

    // Key and system-key actions use Down and Up; touches also Move.
    enum Action : uint32_t {
        ActionDown = 0,
        ActionUp = 1,
        ActionMove = 2,
    };

    enum ScreenPowerMode : uint32_t {
        ScreenPowerOff = 0,
        ScreenPowerNormal = 2,
    };

    // Longest texts carried, in UTF-16 code units.
    static constexpr int kTextMaxLength = 300;
    static constexpr int kClipboardMaxLength = 4092;
    // The pointer id of the mouse (all bits set).
    static constexpr uint64_t kMousePointerId = ~uint64_t(0);

    struct KeyCodeData {
        uint32_t action = 0;
        uint32_t keyCode = 0;  // HID keyboard usage in the low byte
        uint32_t metaState = 0;
    };
    struct TouchData {
        uint64_t pointerId = 0;
        uint32_t action = 0;
        uint32_t buttons = 0;  // Qt mouse-button bits
        QRect position;        // the point, and the size of the area it is measured in
        float pressure = 0;
    };
    struct ScrollData {
        QRect position;
        int32_t hScroll = 0;
        int32_t vScroll = 0;
    };
    struct SystemKeyData {
        uint32_t action = 0;
        uint32_t key = 0;
    };

    explicit ControlMsg(ControlMsgType type);
    ~ControlMsg() override;

    ControlMsgType msgType() const { return m_msgType; }

    void setKeyCodeMsgData(uint32_t action, uint32_t keyCode, uint32_t metaState);
    // Longer texts keep their first kTextMaxLength code units.
    void setTextMsgData(const QString& text);
    void setTouchMsgData(uint64_t pointerId, uint32_t action, uint32_t buttons, const QRect& position,
                         float pressure);
    void setScrollMsgData(const QRect& position, int32_t hScroll, int32_t vScroll);
    // An empty text sets nothing; longer texts keep their first kClipboardMaxLength code units.
    void setSetClipboardMsgData(const QString& text, bool paste);
    void setSetScreenPowerModeData(ScreenPowerMode mode);
    void setSystemKeyMsgData(uint32_t action, uint32_t key);

    const KeyCodeData& keyCode() const { return m_keyCode; }
    const TouchData& touch() const { return m_touch; }
    const ScrollData& scroll() const { return m_scroll; }
    const SystemKeyData& systemKey() const { return m_systemKey; }
    // NUL-terminated UTF-8 of a Text or SetDeviceClipboard message; null when none was set.
    const char* text() const { return m_text.get(); }
    bool paste() const { return m_paste; }
    ScreenPowerMode screenPowerMode() const { return m_powerMode; }

    // UTF-8 of the first maxLength code units; a surrogate pair at the cut is left out whole.
    static QByteArray utf8Prefix(const QString& text, int maxLength);

private:
    void copyText(const QString& text, int maxLength);

    ControlMsgType m_msgType;
    KeyCodeData m_keyCode;
    TouchData m_touch;
    ScrollData m_scroll;
    SystemKeyData m_systemKey;
    std::unique_ptr<char[]> m_text;
    bool m_paste = false;
    ScreenPowerMode m_powerMode = ScreenPowerNormal;
};
