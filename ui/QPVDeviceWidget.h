#pragma once

#include "ui/FramelessWindow.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

struct AVFrame;
class PVDevice;
class QRenderWidget;

// The window of one mirrored phone: the picture at the phone's aspect, title and control
// bar, phone-button side panel and FPS read-out. Mode 0 is a stand-alone window, mode 1 is
// shown inside the multi-device center without bars.
class QPVDeviceWidget : public FramelessWindow<QWidget> {
    Q_OBJECT
public:
    explicit QPVDeviceWidget(QWidget* parent = nullptr);
    ~QPVDeviceWidget() override;

    void setDevice(PVDevice* device);
    PVDevice* device() const;
    void setMode(int mode);
    int mode() const;

    // Shows one decoded frame; the frame stays the caller's.
    void showFrame(const AVFrame* frame);
    // The phone's orientation code (0, 3, 4, 7) as the receiver reports it.
    void setPhoneRotation(int dir);
    void refreshTitles();
    void showBluetoothGuide();

    QRenderWidget* renderWidget() const;
    QSize frameSize() const;

public slots:
    void updateFps(int fps);
    void didTopMostChanged(bool isTopmost);

signals:
    // The window became the active window (the phone becomes the Bluetooth subscribed client).
    void didActivate();
};
