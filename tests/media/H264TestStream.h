#pragma once
#include "media/AVPtr.h"

#include <QByteArray>
#include <QVector>

// A short H.264 stream made with libx264 at test time: parameter sets in start-code form,
// then one access unit per picture. Picture i is a flat grey of luma lumaOf(i).
struct H264TestStream {
    QByteArray configuration;
    QVector<QByteArray> pictures;
    int width = 0;
    int height = 0;

    // keyInterval: pictures between key frames; 0 leaves the encoder's default.
    static H264TestStream encode(int width, int height, int count, int keyInterval = 0);
    static int lumaOf(int index) { return 40 + 6 * index; }
    // Microseconds, as the receiver stamps them.
    static int64_t ptsOf(int index) { return 1000000 + index * 16667; }
};

AVPacketPtr makeTestPacket(const QByteArray& bytes, int64_t pts, int64_t dts = AV_NOPTS_VALUE,
                           int flags = 0);
