#pragma once
// "Android Device" page: the phone's system version, wired control, and the wired and wireless
// picture, bitrate and microphone settings.

#include "ui/QOptionsFrame.h"

class QOptionsAndroidDeviceFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsAndroidDeviceFrame(QWidget* parent = nullptr);
};
