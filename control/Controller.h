#pragma once

#include "bluetooth/SCTouchToPointerDriver.h"
#include "control/ControlMsg.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

class CAirPlayEx;
class CKBMapProfile;
class ISCBluetoothDevice;
class InputConvertBase;
class KeyRepeatFilter;
class PVDevice;
class QKeyEvent;
class QMouseEvent;
class QPVDeviceWidget;
class QWheelEvent;
struct SCDeviceModelInfo;

// The single point through which a mirrored phone is controlled. Its input converter turns
// the window's events into control messages, which come back here as events and are carried
// out over the Bluetooth HID link (iOS, kinds 1 and 2) or the receiver's control channel
// (Android, kind 3). GUI thread only.
class Controller : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultMouseSensitivity = 1;
    static constexpr int kDefaultShootingModeShortcut = Qt::RightButton;
    // iOS before 13.4 takes absolute touches instead of a pointer.
    static constexpr int kPointerMinimumIosVersion = 1340;

    // parent: the device session (PVDevice) whose channel and window are controlled.
    Controller(int deviceKind, QObject* parent);
    ~Controller() override;

    int deviceKind() const { return m_deviceKind; }

    // A key-map profile file, or none for plain mouse and keyboard.
    void setKBMapProfile(const QString& path);
    // device information: the phone's row of the model table, or null; iosVersion as
    // major × 100 + minor × 10 + patch.
    void setBluetoothDevice(ISCBluetoothDevice* device, const SCDeviceModelInfo* info, int iosVersion);
    ISCBluetoothDevice* bluetoothDevice() const { return m_btDevice; }
    void setDeviceWindow(QPVDeviceWidget* window);
    QPVDeviceWidget* deviceWindow() const;
    void setBluetoothReady(bool ready);
    void setPaused(bool paused);
    bool isBluetoothReady() const { return m_btReady; }
    bool isPaused() const { return m_paused; }
    // Ready, not paused and with a window: input is delivered.
    bool isActive() const;

    int mouseSensitivity() const { return m_mouseSensitivity; }
    int shootingModeShortcut() const { return m_shootingModeShortcut; }
    // A point of the window's video area on the screen; (0, 0) without a window.
    QPoint mapToGlobal(const QPointF& point) const;

    bool isKBMapper() const;
    CKBMapProfile* kbMapProfile() const;
    InputConvertBase* inputConverter() const;
    SCTouchToPointerDriver& pointerDriver() { return m_pointerDriver; }

    // Posts the message to this object while active; otherwise it is freed at once.
    void postControlMsg(std::unique_ptr<ControlMsg> msg);

    // A touch position turned into the phone's own orientation for the pointer driver.
    // rotation: the phone's orientation code; frame: the session's video frame size.
    static QRectF orientTouch(const QRect& position, int rotation, const QSize& frame);
    // Mask the control channel takes for a system key.
    static uint32_t systemKeyMask(uint32_t key);

public slots:
    void onPostCapture();
    void onPostNotify();
    void onPostGoBack();
    void onPostGoHome();
    void onPostAppSwitch();
    void onPostPower();
    void onPostVolumeUp();
    void onPostVolumeDown();
    void onPostKBMapper();
    void onMouseSensitivityChanged(int value);
    void onShootingModeShortcutChanged(int key);
    void onExpandNotificationPanel();
    void onCollapseNotificationPanel();
    void onSetScreenPowerMode(ControlMsg::ScreenPowerMode mode);
    void onMouseEvent(const QMouseEvent* from, QSize frameSize, QSize showSize);
    void onWheelEvent(const QWheelEvent* from, QSize frameSize, QSize showSize);
    void onKeyEvent(const QKeyEvent* from, QSize frameSize, QSize showSize);
    void onRequestDeviceClipboard();
    void onSetDeviceClipboard();
    void onClipboardPaste();
    void onPostTextInput(QString& text);

protected:
    bool event(QEvent* event) override;

private:
    bool isIos() const;
    PVDevice* session() const;
    void installConverter(InputConvertBase* converter);
    void postSimple(ControlMsg::ControlMsgType type);
    void postText(const QString& text);
    // A down, then an up of the key.
    void postSystemKey(uint32_t key);
    // A press at start, moves down by stepY, and a release, through the converter.
    void dragThroughConverter(QPointF start, double stepY, int moves);
    void tapThroughConverter(QPointF at);
    void sendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons);
    void showControlState();

    void handleBluetooth(const ControlMsg& msg);
    void handleBluetoothTouch(const ControlMsg::TouchData& touch);
    void handleChannel(const ControlMsg& msg);
    void sendChannelTouch(CAirPlayEx* engine, void* channel, const ControlMsg::TouchData& touch);
    // The receiver engine and this phone's channel handle; false without a session.
    bool channel(CAirPlayEx** engine, void** handle) const;
    int phoneRotation() const;
    QSize sessionFrameSize() const;

    const int m_deviceKind;
    KeyRepeatFilter* m_keyRepeat;
    QPointer<InputConvertBase> m_converter;
    SCTouchToPointerDriver m_pointerDriver;
    ISCBluetoothDevice* m_btDevice = nullptr;
    QPointer<QPVDeviceWidget> m_window;
    bool m_btReady = false;
    bool m_paused = false;
    int m_mouseSensitivity = kDefaultMouseSensitivity;
    int m_shootingModeShortcut = kDefaultShootingModeShortcut;
};
