#include "control/InputConvertBase.h"

#include "control/ControlMsg.h"
#include "control/Controller.h"

InputConvertBase::InputConvertBase(Controller* controller)
    : QObject(controller)
    , m_controller(controller)
{
}

void InputConvertBase::send(std::unique_ptr<ControlMsg> msg)
{
    if (m_controller)
        m_controller->postControlMsg(std::move(msg));
}
