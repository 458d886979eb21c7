#pragma once

#include <QRectF>
#include <QSize>

// The frame size, crop rectangle and rotation a render widget shows with, plus the checks
// every incoming frame must pass. Shared by both render engines.
class RenderState {
public:
    // Sides beyond this are taken for garbage rather than video.
    static constexpr int kMaxFrameSide = 16384;

    // Stores a new frame size and turns the rotation back to 0. Returns false when the size
    // is unchanged or unusable (the latter is logged and leaves the old size).
    bool setFrameSize(const QSize &size);
    QSize frameSize() const { return m_frameSize; }
    bool hasFrameSize() const { return m_frameSize.width() > 0 && m_frameSize.height() > 0; }

    // Keeps the part of the rectangle inside the frame; an empty remainder is logged and
    // ignored, so the crop can never divide a size by zero.
    bool setCropRect(const QRectF &rect);
    QRectF cropRect() const { return m_crop; }

    int rotation() const { return m_rotation; }
    void rotate(int degrees, bool relative);

    QRectF pictureRect(const QSizeF &area) const;

    // Whether the planes can be read for the stored frame size; problems are logged.
    bool acceptsI420(const uchar *y, const uchar *u, const uchar *v,
                     int strideY, int strideU, int strideV) const;
    bool acceptsNV12(const uchar *y, const uchar *uv, int strideY, int strideUV) const;

private:
    bool acceptsFrame() const;

    QSize m_frameSize{-1, -1};
    QRectF m_crop{0, 0, 1, 1};
    int m_rotation = 0;
};
