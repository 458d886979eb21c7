#pragma once

#include "render/IRenderWidget.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

struct AVFrame;

// Holds the render widget of a device window, passes frames, crop and rotation on to it,
// and maps window positions onto the phone's frame for input.
class QRenderWidget : public QWidget {
    Q_OBJECT
public:
    enum Engine { OpenGL = 0, Raster = 1 };

    // engine: the "renderEngine" setting. An unknown value, or OpenGL where it cannot run,
    // gives the raster engine (logged).
    QRenderWidget(QWidget *parent, int engine, bool nv12);

    // The engine actually in use.
    Engine engine() const { return m_engine; }
    QWidget *renderWidget() const { return m_widget; }
    // Whether this process can create an OpenGL context (checked once).
    static bool isOpenGLAvailable();

    void resetDevice(bool onlyIfGrown);
    void adjustPosition();
    void setFrameSize(const QSize &size);
    QSize frameSize() const;
    void setCropRect(const QRectF &rect);
    QRectF cropRect() const;
    void updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV);
    void updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                      int strideY, int strideU, int strideV);
    int rotation() const;
    void rotate(int degrees, bool relative);

    // Shows a decoded frame: I420 (YUV420P, YUVJ420P) or NV12, or a hardware frame, which is
    // read back into memory first. A frame of another size than the current one sets the new
    // size first (which turns the rotation back to 0). Frames that cannot be shown are logged
    // and dropped. The frame itself is not kept after the call, but the engines keep a
    // reference to a reference-counted frame's buffers until the next frame: write into such a
    // buffer only after av_frame_make_writable.
    void updateFrame(const AVFrame *frame);

    // Size of the whole frame on screen, in the frame's orientation.
    QSize displayFrameSize() const;
    // A position in this widget as a position on the frame shown at displayFrameSize().
    QPointF mapToFrame(const QPointF &position) const;

    // What the render widget shows right now.
    QImage grabImage();

    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return QSize(50, 50); }

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void didOpenGLFail();

private:
    static Engine chooseEngine(int requested);
    void createRenderWidget(Engine engine, bool nv12);
    bool renderWidgetIsNV12() const;
    void showMemoryFrame(const AVFrame *frame);

    Engine m_engine = Raster;
    QPointer<QWidget> m_widget;
    IRenderWidget *m_render = nullptr;
};
