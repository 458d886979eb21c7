#pragma once

#include "bluetooth/ISCBluetoothDeviceDelegate.h"
#include "media/AVMetaTypes.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <atomic>
#include <cstdint>

struct AVCodecParameters;
struct AVFrame;
struct AVPacket;
struct SCDeviceModelInfo;
class Controller;
class Decoder;
class DeviceRecording;
class QKeyEvent;
class QMouseEvent;
class QPVAirPlayClient;
class QPVDeviceWidget;
class QWheelEvent;
class Stream;
class VideoBuffer;

// One mirrored phone while it is connected: its window, its video path, its recordings and
// its control. Lives on the GUI thread; the client emits its signals from the receiver
// engine's threads and every one of them reaches a handler here queued.
class PVDevice : public QObject, public ISCBluetoothDeviceDelegate {
    Q_OBJECT
public:
    explicit PVDevice(QPVAirPlayClient* client);
    ~PVDevice() override;

    QPVAirPlayClient* client() const;
    Controller* controller() const;
    QPVDeviceWidget* deviceWidget() const;

    bool isMuted() const { return m_muted; }
    bool isRecording() const;
    // Whole seconds of the current recording file; 0 when not recording.
    int recordingSeconds() const;
    // Whether mouse and keyboard input on the window is handed on to the phone.
    bool acceptsInput() const;

    // The FPS read-out follows the video buffer of whatever stream plays, until switched off.
    void showFPS(bool on);
    // The phone becomes the Bluetooth service's subscribed client when it is controlled now
    // (its window became active, or it was picked in the multi-device center).
    void subscribeBluetoothClient();

    // Saves the picture on screen, cut and turned as shown, as a PNG in the save folder.
    void screenshot();
    // False when no recording runs afterwards; the user has been told why.
    bool startRecord(qint64 startPts);
    void stopRecord(bool forgetName);
    void reportRecordError(int code);

    void bluetoothDeviceDisconnect(ISCBluetoothDevice* device, int flag) override;
    void bluetoothDeviceConnectionChanged(ISCBluetoothDevice* device, bool connected) override;
    // An iOS phone whose binding ran and whose Bluetooth link is not up.
    bool isAwaitingBluetoothLink() const;
    // The Bluetooth device this session bound, or null.
    ISCBluetoothDevice* bluetoothDevice() const { return m_btDevice; }

signals:
    void newFramePushed(AVFrame* frame);
    void audioInit(void* audioCodecPar);
    void audioDestroy();
    void mirroringPlay(QSize size, int64_t timestamp);
    void mirroringStop();
    void mirroringSizeChanged(QSize size, int64_t timestamp);
    void mirroringRotated(int oldDir, int dir);
    void deviceInfoChanged();
    void setupBtDevice();
    void destroyBtDevice();
    void deliverMediaPacket(int mediaType, AVPacket* packet, AVPacket* rawPacket);
    void mouseEvent(const QMouseEvent* from, QSize frameSize, QSize showSize);
    void wheelEvent(const QWheelEvent* from, QSize frameSize, QSize showSize);
    void keyEvent(const QKeyEvent* from, QSize frameSize, QSize showSize);
    void postGoBack();
    void postGoHome();
    void postNotify();
    void postPower();
    void postAppSwitch();
    void postKBMapper();
    void postCapture();
    void volumeMuteChanged(bool isMuted);

private:
    void onVideoFrame();
    void onMirroringPlay(QSize size, int64_t timestamp);
    void onMirroringStop();
    void onMirroringSizeChanged(QSize size, int64_t timestamp);
    void onMirroringRotated(int oldDir, int dir);
    void onDeviceInfoChanged();
    void onSetupBtDevice();
    void onDestroyBtDevice();
    void onMediaPacket(int mediaType, AVPacket* packet, AVPacket* rawPacket);
    void onVolumeMuteChanged(bool isMuted);
    void placeFirstFrame();
    void showHardwareDecodingTip();
    void teardownVideo();
    void setupVideo();
    void bindBluetooth();
    void unbindBluetooth();
    void logControl(bool on) const;
    void connectFpsCounter();
    static bool isHardwareFrame(const AVFrame* frame);
    void setupRecording();
    void setupController();
    void applyKeyMappingSettings();
    // The key map the user last switched on for this phone.
    void applyRememberedKeyMap();
    void connectController();
    void lookUpModelRow();
    void noteUnknownModel();
    QString phoneName() const;
    bool copyVideoParameters(AVCodecParameters* out) const;
    void requestKeyFrame() const;

    const SCDeviceModelInfo* m_btDeviceRecord = nullptr;
    bool m_btBound = false;
    // Held from binding to unbinding; released exactly, never looked up by name.
    ISCBluetoothDevice* m_btDevice = nullptr;
    bool m_btBindingRan = false;
    bool m_phoneInfoSent = false;
    bool m_unknownModelNoted = false;
    QPointer<Controller> m_controller;
    QPointer<QPVAirPlayClient> m_client;
    QPointer<QPVDeviceWidget> m_widget;
    QPointer<Decoder> m_decoder;
    QPointer<Stream> m_stream;
    VideoBuffer* m_videoBuffer = nullptr;
    // Record file name, settings, recorder and split rule; a child of this object.
    DeviceRecording* m_recording = nullptr;
    // Read by the client on the receiver engine's threads.
    std::atomic<bool> m_muted{false};
    bool m_firstFrame = true;
    bool m_showFps = false;
    bool m_closing = false;  // being destroyed: queued calls only release what they carry
};
