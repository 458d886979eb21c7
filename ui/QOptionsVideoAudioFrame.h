#pragma once
// "Video" page: hardware decoding and the render engine of new device windows.

#include "ui/QOptionsFrame.h"

class QOptionsVideoAudioFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsVideoAudioFrame(QWidget* parent = nullptr);
};
