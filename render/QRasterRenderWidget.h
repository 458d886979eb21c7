#pragma once

#include "render/IRenderWidget.h"
#include "media/AVPtr.h"
#include "render/RenderState.h"

#include <QImage>
#include <QRect>
#include <QWidget>

extern "C" {
#include <libavutil/pixfmt.h>
}

// Shows YUV frames without a GPU. The newest frame is kept by reference and converted with
// swscale (BT.709, limited range, like the OpenGL shader) when the widget paints, straight to
// the size the picture has on screen, so nothing is converted for a hidden or minimised
// window and only the newest frame is when it shows again.
//
// A picture shown at its own size (the usual case: the window fits the frame) and unturned is
// converted a band of rows at a time: straight into the window's own picture where the
// painter allows it, else into a small image that stays in the processor's cache and is
// copied to the window at once. Any other picture is converted whole at its screen
// size, kept until the frame or geometry changes, and drawn turned.
class QRasterRenderWidget : public QWidget, public IRenderWidget {
    Q_OBJECT
public:
    QRasterRenderWidget(QWidget *parent, bool nv12);

    void resetDevice(bool onlyIfGrown) override;
    void adjustPosition() override {}
    void setFrameSize(const QSize &size) override;
    QSize frameSize() const override { return m_state.frameSize(); }
    void setCropRect(const QRectF &rect) override;
    QRectF cropRect() const override { return m_state.cropRect(); }
    void updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV) override;
    void updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                      int strideY, int strideU, int strideV) override;
    int rotation() const override { return m_state.rotation(); }
    void rotate(int degrees, bool relative) override;

    // Shows an I420 or NV12 frame of the current frame size. A reference-counted frame is
    // kept by reference, anything else is copied.
    void showFrame(const AVFrame *frame);

    bool isNV12() const { return m_nv12; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // One swscale context, remade when its formats or sizes change.
    class Converter {
    public:
        SwsContext *get(AVPixelFormat format, const QSize &source, const QSize &target);
        void reset() { m_context.reset(); }
        // Whether the current context writes nothing past the end of its rows (vector code
        // may round the row up), found out once with a trial conversion of these planes.
        bool keepsToRows(const uint8_t *const planes[], const int strides[]);

    private:
        SwsContextPtr m_context;
        AVPixelFormat m_format = AV_PIX_FMT_NONE;
        QSize m_source;
        QSize m_target;
        int m_keepsToRows = -1;  // unknown until tried
    };

    // The planes of the kept frame from a row and column on (both even for 4:2:0).
    struct Planes {
        const uint8_t *data[4] = {};
        int strides[4] = {};
    };

    bool acceptsFrame(const AVFrame *frame) const;
    bool keepFrame(const AVFrame *frame);
    // The part of the frame that is shown, in frame pixels, starting on an even row and column.
    QRect sourceRect() const;
    Planes planesAt(const QPoint &origin) const;
    AVPixelFormat converterFormat() const;
    QRect pictureDeviceRect() const;
    // Where the picture goes when it is drawn unscaled, or an empty rect when it is not.
    QRect bandedRect(const QRect &device, const QRect &source) const;
    void paintBands(QPainter &painter, const QRect &target, const QRect &source,
                    const QRect &dirty);
    void paintWhole(QPainter &painter, const QRect &device, const QRect &source);
    bool convertWhole(const QSize &target, const QRect &source);

    RenderState m_state;
    bool m_nv12;
    AVFramePtr m_frame;   // the newest frame; empty before the first
    bool m_stale = true;  // m_image does not show m_frame with the current crop
    QImage m_image;       // the whole picture at its screen size, unturned
    QRect m_imageSource;
    QSize m_imageTarget;  // the size m_image shows the picture at (it may be a column wider)
    QImage m_band;        // a band of rows on its way to the window
    Converter m_wholeConverter;
    Converter m_bandConverter;
    Converter m_lastBandConverter;
};
