#pragma once

// Known pictures for the renderer tests: drawn in RGB, turned into YUV frames with swscale
// the way a BT.709 decoder would deliver them.

#include "media/AVPtr.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QVector>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace testframes {

// Top-left red, top-right green, bottom-left blue, bottom-right white.
inline QImage quadrants(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::white);
    return image;
}

// Equal vertical bars, left to right.
inline QImage bars(const QSize &size, const QVector<QColor> &colours)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int n = colours.size();
    for (int i = 0; i < n; ++i) {
        const int left = size.width() * i / n;
        const int right = size.width() * (i + 1) / n;
        painter.fillRect(left, 0, right - left, size.height(), colours[i]);
    }
    return image;
}

inline AVFramePtr toFrame(const QImage &rgb, AVPixelFormat format)
{
    AVFramePtr frame(av_frame_alloc());
    frame->width = rgb.width();
    frame->height = rgb.height();
    frame->format = format;
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        return nullptr;
    SwsContextPtr converter(sws_getContext(rgb.width(), rgb.height(), AV_PIX_FMT_RGB32,
                                                   rgb.width(), rgb.height(), format,
                                                   SWS_POINT, nullptr, nullptr, nullptr));
    if (!converter)
        return nullptr;
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(converter.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    const uint8_t *const source[] = {rgb.constBits(), nullptr, nullptr, nullptr};
    const int sourceStrides[] = {int(rgb.bytesPerLine()), 0, 0, 0};
    sws_scale(converter.get(), source, sourceStrides, 0, rgb.height(), frame->data, frame->linesize);
    return frame;
}

inline bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace testframes
