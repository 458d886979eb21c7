#include "control/ControlMsg.h"

#include <cstring>

ControlMsg::ControlMsg(ControlMsgType type)
    : QMirraEvent(QMirraEvent::Control)
    , m_msgType(type)
{
}

// The owned text goes with the message.
ControlMsg::~ControlMsg() = default;

void ControlMsg::setKeyCodeMsgData(uint32_t action, uint32_t keyCode, uint32_t metaState)
{
    m_keyCode = {action, keyCode, metaState};
}

void ControlMsg::setTextMsgData(const QString& text)
{
    copyText(text, kTextMaxLength);
}

void ControlMsg::setTouchMsgData(uint64_t pointerId, uint32_t action, uint32_t buttons, const QRect& position,
                                 float pressure)
{
    m_touch = {pointerId, action, buttons, position, pressure};
}

void ControlMsg::setScrollMsgData(const QRect& position, int32_t hScroll, int32_t vScroll)
{
    m_scroll = {position, hScroll, vScroll};
}

void ControlMsg::setSetClipboardMsgData(const QString& text, bool paste)
{
    if (text.isEmpty())
        return;
    copyText(text, kClipboardMaxLength);
    m_paste = paste;
}

void ControlMsg::setSetScreenPowerModeData(ScreenPowerMode mode)
{
    m_powerMode = mode;
}

void ControlMsg::setSystemKeyMsgData(uint32_t action, uint32_t key)
{
    m_systemKey = {action, key};
}

QByteArray ControlMsg::utf8Prefix(const QString& text, int maxLength)
{
    int length = qMin(text.size(), maxLength);
    // Half a surrogate pair would turn into a replacement character.
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length).toUtf8();
}

void ControlMsg::copyText(const QString& text, int maxLength)
{
    const QByteArray utf8 = utf8Prefix(text, maxLength);
    m_text.reset(new char[size_t(utf8.size()) + 1]);
    std::memcpy(m_text.get(), utf8.constData(), size_t(utf8.size()) + 1);
}
