#pragma once

#include "render/IRenderWidget.h"
#include "media/AVPtr.h"
#include "render/RenderState.h"

#include <QImage>
#include <QWidget>

extern "C" {
#include <libavutil/pixfmt.h>
}

// Shows YUV frames without a GPU: each frame is converted to an RGB image with swscale
// (BT.709, limited range, like the OpenGL shader) and painted with QPainter, cropped,
// turned and scaled to fit. Serves as the default engine and wherever OpenGL is missing.
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

    bool isNV12() const { return m_nv12; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void convert(AVPixelFormat format, const uchar *const planes[], const int strides[]);
    SwsContext *converterFor(AVPixelFormat format);

    RenderState m_state;
    bool m_nv12;
    QImage m_image;
    SwsContextPtr m_converter;
    AVPixelFormat m_converterFormat = AV_PIX_FMT_NONE;
    QSize m_converterSize;
};
