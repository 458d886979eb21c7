#pragma once
#include "H264TestStream.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QVector>

// An H.264 stream as the receiver hands it to the device: the decoder configuration record
// (a packet without time) and frames of length-prefixed NAL units with microsecond times.
struct DeviceTestStream {
    QByteArray record;
    QVector<QByteArray> frames;
    QVector<bool> keys;

    static DeviceTestStream encode(int width, int height, int count, int keyInterval = 0);
    AVPacketPtr configPacket() const;
    AVPacketPtr framePacket(int index) const;
    AVCodecParametersPtr videoParameters() const;
};

// What a written file holds, read back with libavformat.
struct ProbedFile {
    bool opened = false;
    int streams = 0;
    QString comment;
    AVCodecID videoCodec = AV_CODEC_ID_NONE;
    QSize videoSize;
    QByteArray videoExtradata;
    QVector<QByteArray> videoData;
    QVector<int64_t> videoPtsUs;
    QVector<bool> videoKeys;
    double videoSeconds = 0;
    AVCodecID audioCodec = AV_CODEC_ID_NONE;
    int sampleRate = 0;
    int channels = 0;
    QVector<int64_t> audioPts; // in 1/sampleRate
    double audioSeconds = 0;

    static ProbedFile read(const QString& path);
};
