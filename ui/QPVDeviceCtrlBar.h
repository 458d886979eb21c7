#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class PVDevice;
class QLabel;
class QPushButton;
class QPVDeviceWidget;

// The control bar of a device window: side panel, recording, rotation, capture, FPS,
// volume, and the window buttons (pin, full screen, minimise, close).
class QPVDeviceCtrlBar : public QWidget {
    Q_OBJECT
public:
    explicit QPVDeviceCtrlBar(QPVDeviceWidget *window, QWidget *parent = nullptr);

    // Brings the toggles and their tips in line with the side panel and the device object.
    void refresh();
    // Volume button state for a mute change that the device object has not stored yet.
    void setVolumeOn(bool on);
    void retranslate();
    // Puts the side panel beside the bar (left of it when the screen has room).
    void placeSidePanel();

    // "hh:mm:ss" of a recording's length.
    static QString recordClockText(int seconds);
    // Where the side panel goes for a bar whose top-left corner is at `barTopLeft`.
    static QPoint sidePanelPosition(const QPoint &barTopLeft, int barHeight,
                                    const QSize &panelSize, const QRect &available);

protected slots:
    void didClickShowHide(bool checked);
    void didClickClose();
    void didClickMin();
    void didClickFullScreen();
    void didClickRotate();
    void didClickTopmost();
    void didClickCapture();
    void didClickRecord();
    void didClickFPS();
    void didClickVolume();

private:
    QPushButton *addButton(QWidget *owner, const char *name, bool checkable);
    PVDevice *device() const;
    void recordTick();
    void resetRecordClock();

    QPointer<QPVDeviceWidget> m_window;
    QTimer m_recordTimer;
    QPushButton *m_btnShowHide = nullptr;
    QWidget *m_grpRecord = nullptr;
    QPushButton *m_btnRecord = nullptr;
    QLabel *m_labelRecord = nullptr;
    QPushButton *m_btnRotate = nullptr;
    QPushButton *m_btnCapture = nullptr;
    QPushButton *m_btnFPS = nullptr;
    QPushButton *m_btnVolume = nullptr;
    QWidget *m_grpWindow = nullptr;
    QPushButton *m_btnPin = nullptr;
    QPushButton *m_btnFullScreen = nullptr;
    QPushButton *m_btnMin = nullptr;
    QPushButton *m_btnClose = nullptr;
};
