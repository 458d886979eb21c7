#pragma once

#include <QRectF>
#include <QSize>

// What the render container asks of a render widget. Everything runs on the GUI thread.
//
// Frame hand-over: the planes passed to updatePlanes/updateSurface are only borrowed for the
// duration of the call. A render widget copies what it needs before returning (into its
// textures, its own image, or a private staging copy when it cannot upload yet) and never
// keeps the caller's pointers, so the caller may free or reuse its frame right after the call.
//
// Both update operations expect planes laid out for the size given to setFrameSize: 4:2:0
// chroma planes of ((width + 1) / 2) x ((height + 1) / 2) samples. Planes that do not fit are
// rejected with a log line and the previous picture stays.
class IRenderWidget {
public:
    virtual ~IRenderWidget() = default;

    // Rebuilds the drawing resources; with onlyIfGrown nothing is needed on this platform.
    virtual void resetDevice(bool onlyIfGrown) = 0;
    // Places a native surface after the container moved; nothing to do for Qt-drawn widgets.
    virtual void adjustPosition() = 0;

    virtual void setFrameSize(const QSize &size) = 0;
    virtual QSize frameSize() const = 0;

    // Visible part of the frame in frame fractions (0 to 1).
    virtual void setCropRect(const QRectF &rect) = 0;
    virtual QRectF cropRect() const = 0;

    // A hardware-decoded frame brought to memory: NV12 (luma plane, interleaved UV plane).
    virtual void updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV) = 0;
    // A software-decoded I420 frame: three planes and their row lengths in bytes.
    virtual void updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                              int strideY, int strideU, int strideV) = 0;

    virtual int rotation() const = 0;
    // Sets the rotation to degrees % 360, or adds degrees to it (% 360); the remainder keeps
    // the sign of the dividend, so -90 stays -90.
    virtual void rotate(int degrees, bool relative) = 0;
};
