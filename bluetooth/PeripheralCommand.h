#pragma once

#include "bluetooth/PeripheralCallbacks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// One queued call for the Bluetooth worker: a fixed 200-byte record, the code at offset 0 and
// the payload from offset 8, numbers little-endian. Built on the sending thread, read and freed
// by the worker.
class PeripheralCommand {
public:
    enum Code : uint32_t {
        Start = 1,
        Stop = 2,
        PhoneInfo = 3,
        Callbacks = 4,
        Mouse = 5,
        Touch = 6,
        GamePad = 7,
        KeyBoard = 8,
        SubscribedClient = 9,
    };

    static constexpr size_t kSize = 200;
    static constexpr size_t kPayload = 8;
    static constexpr size_t kNameField = 128;
    static constexpr size_t kNoteOffset = 136;
    static constexpr size_t kNoteField = 64;

    static std::unique_ptr<PeripheralCommand> start();
    static std::unique_ptr<PeripheralCommand> stop();
    static std::unique_ptr<PeripheralCommand> phoneInfo(const std::string& name, const std::string& note);
    static std::unique_ptr<PeripheralCommand> callbacks(const PeripheralCallbacks& record);
    static std::unique_ptr<PeripheralCommand> mouse(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel);
    static std::unique_ptr<PeripheralCommand> touch(uint32_t contact, float x, float y);
    static std::unique_ptr<PeripheralCommand> gamePad(uint32_t buttons);
    static std::unique_ptr<PeripheralCommand> keyBoard(uint32_t action, uint8_t usage);
    static std::unique_ptr<PeripheralCommand> subscribedClient(const std::string& name);

    uint32_t code() const { return u32At(0); }
    uint32_t u32At(size_t offset) const;
    int32_t i32At(size_t offset) const { return static_cast<int32_t>(u32At(offset)); }
    float f32At(size_t offset) const;
    uint8_t u8At(size_t offset) const { return m_bytes[offset]; }
    // A NUL-terminated text field; always terminated inside the field.
    const char* textAt(size_t offset) const { return reinterpret_cast<const char*>(&m_bytes[offset]); }
    PeripheralCallbacks callbacksRecord() const;

    const uint8_t* data() const { return m_bytes.data(); }

    // How many bytes of `text` fit a field of `fieldSize` bytes with its terminator, cut
    // before any UTF-8 sequence that would not fit whole (and at an embedded NUL).
    static size_t fittingLength(const std::string& text, size_t fieldSize);

private:
    explicit PeripheralCommand(Code code);
    void putU32(size_t offset, uint32_t value);
    void putF32(size_t offset, float value);
    void putText(size_t offset, size_t fieldSize, const std::string& text);

    std::array<uint8_t, kSize> m_bytes {};
};
