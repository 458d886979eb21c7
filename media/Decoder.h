#pragma once
#include "media/AVPtr.h"

#include <QObject>

extern "C" {
#include <libavutil/hwcontext.h>
}

class VideoBuffer;

// An FFmpeg decoding context for one video stream, used on the stream thread. Each decoded
// picture goes into the VideoBuffer; onNewFrame tells the display that one is waiting.
// With hardware decoding on, the first hardware device that can be created is used, and its
// pictures are downloaded as NV12 so that the display receives ordinary planes.
class Decoder : public QObject {
    Q_OBJECT
public:
    explicit Decoder(VideoBuffer* buffer, QObject* parent = nullptr);
    ~Decoder() override;

    // 0 software only, 1 hardware when a device is available. Takes effect at open.
    void setHardwareDecoding(int enabled);
    int hardwareDecoding() const;

    bool open(const AVCodec* codec, const AVCodecParameters* params = nullptr);
    // Sends one packet and publishes what it yields. False on an error; the decoder stays
    // usable for the next packet.
    virtual bool decode(const AVPacket* packet);
    void close();

    bool isOpen() const;
    // The hardware device in use, AV_HWDEVICE_TYPE_NONE when decoding in software.
    AVHWDeviceType hardwareDeviceType() const;

signals:
    void onNewFrame();

private:
    AVBufferRefPtr createHardwareDevice(const AVCodec* codec);
    bool sendPacket(const AVPacket* packet);
    bool receiveFrames();
    bool downloadHardwareFrame(AVFrame* frame);
    void publishFrame();

    VideoBuffer* m_buffer;
    AVCodecContextPtr m_context;
    AVBufferRefPtr m_hardwareDevice;
    AVFramePtr m_hardwareFrame;
    AVHWDeviceType m_hardwareType = AV_HWDEVICE_TYPE_NONE;
    bool m_open = false;
    int m_hardwareDecoding = 0;
};
