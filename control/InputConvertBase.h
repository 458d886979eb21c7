#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include <memory>

class CKBMapProfile;
class Controller;
class ControlMsg;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// Turns the device window's mouse, wheel and key events into control messages for its
// Controller. frameSize is the phone's video frame, showSize the area the frame is shown in;
// event positions are in that area.
class InputConvertBase : public QObject {
    Q_OBJECT
public:
    explicit InputConvertBase(Controller* controller);

    virtual void mouseEvent(const QMouseEvent* from, const QSize& frameSize, const QSize& showSize) = 0;
    virtual void wheelEvent(const QWheelEvent* from, const QSize& frameSize, const QSize& showSize) = 0;
    virtual void keyEvent(const QKeyEvent* from, const QSize& frameSize, const QSize& showSize) = 0;
    virtual bool isKBMapper() const { return false; }
    virtual CKBMapProfile* kbMapProfile() const { return nullptr; }

protected:
    // Hands the message to the Controller, which posts or frees it; dropped when it is gone.
    void send(std::unique_ptr<ControlMsg> msg);

    QPointer<Controller> m_controller;
};
