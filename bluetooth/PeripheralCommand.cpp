#include "bluetooth/PeripheralCommand.h"

#include <QtGlobal>

#include <cstring>

PeripheralCommand::PeripheralCommand(Code code)
{
    putU32(0, code);
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::start()
{
    return std::unique_ptr<PeripheralCommand>(new PeripheralCommand(Start));
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::stop()
{
    return std::unique_ptr<PeripheralCommand>(new PeripheralCommand(Stop));
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::phoneInfo(const std::string& name, const std::string& note)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(PhoneInfo));
    cmd->putText(kPayload, kNameField, name);
    cmd->putText(kNoteOffset, kNoteField, note);
    return cmd;
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::callbacks(const PeripheralCallbacks& record)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(Callbacks));
    std::memcpy(&cmd->m_bytes[kPayload], &record, sizeof record);
    return cmd;
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::mouse(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(Mouse));
    cmd->putU32(8, static_cast<uint32_t>(buttons));
    cmd->putU32(12, static_cast<uint32_t>(dx));
    cmd->putU32(16, static_cast<uint32_t>(dy));
    cmd->putU32(20, static_cast<uint32_t>(wheel));
    return cmd;
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::touch(uint32_t contact, float x, float y)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(Touch));
    cmd->putU32(8, contact);
    cmd->putF32(12, x);
    cmd->putF32(16, y);
    return cmd;
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::gamePad(uint32_t buttons)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(GamePad));
    cmd->putU32(8, buttons);
    return cmd;
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::keyBoard(uint32_t action, uint8_t usage)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(KeyBoard));
    cmd->putU32(8, action);
    cmd->m_bytes[12] = usage;
    return cmd;
}

std::unique_ptr<PeripheralCommand> PeripheralCommand::subscribedClient(const std::string& name)
{
    std::unique_ptr<PeripheralCommand> cmd(new PeripheralCommand(SubscribedClient));
    cmd->putText(kPayload, kNameField, name);
    return cmd;
}

uint32_t PeripheralCommand::u32At(size_t offset) const
{
    return uint32_t(m_bytes[offset]) | uint32_t(m_bytes[offset + 1]) << 8
        | uint32_t(m_bytes[offset + 2]) << 16 | uint32_t(m_bytes[offset + 3]) << 24;
}

float PeripheralCommand::f32At(size_t offset) const
{
    const uint32_t bits = u32At(offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

PeripheralCallbacks PeripheralCommand::callbacksRecord() const
{
    PeripheralCallbacks record;
    std::memcpy(&record, &m_bytes[kPayload], sizeof record);
    return record;
}

void PeripheralCommand::putU32(size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes[offset + i] = uint8_t(value >> (8 * i));
}

void PeripheralCommand::putF32(size_t offset, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    putU32(offset, bits);
}

size_t PeripheralCommand::fittingLength(const std::string& text, size_t fieldSize)
{
    if (fieldSize == 0)
        return 0;
    const size_t nul = text.find('\0');
    size_t length = nul == std::string::npos ? text.size() : nul;
    if (length < fieldSize)
        return length;
    length = fieldSize - 1;
    // text[length] is the first byte left out; while it continues a sequence, that sequence
    // began inside the kept part and must go too.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}

void PeripheralCommand::putText(size_t offset, size_t fieldSize, const std::string& text)
{
    const size_t length = fittingLength(text, fieldSize);
    if (length < text.size() && text[length] != '\0')
        qWarning("Bluetooth text of %zu bytes cut to %zu bytes to fit its field", text.size(), length);
    std::memcpy(&m_bytes[offset], text.data(), length);
    m_bytes[offset + length] = 0;
}
