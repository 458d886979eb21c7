#include "render/QRasterRenderWidget.h"

#include "render/RenderGeometry.h"
#include "render/RgbPicture.h"

#include <QPainter>

extern "C" {
#include <libswscale/swscale.h>
}

QRasterRenderWidget::QRasterRenderWidget(QWidget *parent, bool nv12)
    : QWidget(parent), m_nv12(nv12)
{
    setFocusPolicy(Qt::NoFocus);
    // The device window handles input through the container.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void QRasterRenderWidget::resetDevice(bool onlyIfGrown)
{
    if (!onlyIfGrown)
        m_converter.reset();
}

void QRasterRenderWidget::setFrameSize(const QSize &size)
{
    if (!m_state.setFrameSize(size))
        return;
    // A picture of the old size would be drawn with the new size's crop; show nothing instead.
    m_image = QImage();
    repaint();
}

void QRasterRenderWidget::setCropRect(const QRectF &rect)
{
    if (m_state.setCropRect(rect))
        update();
}

void QRasterRenderWidget::rotate(int degrees, bool relative)
{
    m_state.rotate(degrees, relative);
    update();
}

void QRasterRenderWidget::updatePlanes(const uchar *y, const uchar *u, const uchar *v,
                                       int strideY, int strideU, int strideV)
{
    if (m_state.acceptsI420(y, u, v, strideY, strideU, strideV)) {
        m_nv12 = false;
        const uchar *const planes[] = {y, u, v, nullptr};
        const int strides[] = {strideY, strideU, strideV, 0};
        convert(AV_PIX_FMT_YUV420P, planes, strides);
    }
    update();
}

void QRasterRenderWidget::updateSurface(const uchar *y, const uchar *uv, int strideY, int strideUV)
{
    if (m_state.acceptsNV12(y, uv, strideY, strideUV)) {
        m_nv12 = true;
        const uchar *const planes[] = {y, uv, nullptr, nullptr};
        const int strides[] = {strideY, strideUV, 0, 0};
        convert(AV_PIX_FMT_NV12, planes, strides);
    }
    update();
}

SwsContext *QRasterRenderWidget::converterFor(AVPixelFormat format)
{
    const QSize size = m_state.frameSize();
    if (m_converter && format == m_converterFormat && size == m_converterSize)
        return m_converter.get();
    m_converter.reset(sws_getContext(size.width(), size.height(), format, size.width(),
                                     size.height(), AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr,
                                     nullptr, nullptr));
    m_converterFormat = format;
    m_converterSize = size;
    if (m_converter)
        render::useDisplayColours(m_converter.get());
    return m_converter.get();
}

void QRasterRenderWidget::convert(AVPixelFormat format, const uchar *const planes[],
                                  const int strides[])
{
    SwsContext *converter = converterFor(format);
    if (!converter) {
        qWarning("Raster renderer could not create a colour converter for %dx%d",
                 m_state.frameSize().width(), m_state.frameSize().height());
        return;
    }
    // A shared picture would detach into a buffer without the slack.
    if (m_image.size() != m_state.frameSize() || !m_image.isDetached())
        m_image = render::convertibleImage(m_state.frameSize());
    if (m_image.isNull()) {
        qWarning("Raster renderer could not allocate a %dx%d picture",
                 m_state.frameSize().width(), m_state.frameSize().height());
        return;
    }
    uint8_t *const target[] = {m_image.bits(), nullptr, nullptr, nullptr};
    const int targetStrides[] = {int(m_image.bytesPerLine()), 0, 0, 0};
    sws_scale(converter, planes, strides, 0, m_image.height(), target, targetStrides);
}

void QRasterRenderWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_image.isNull())
        return;

    const QRectF crop = m_state.cropRect();
    const QRectF source(crop.x() * m_image.width(), crop.y() * m_image.height(),
                        crop.width() * m_image.width(), crop.height() * m_image.height());
    const QRectF picture = m_state.pictureRect(size());
    QSizeF target = picture.size();
    if (render::swapsSides(m_state.rotation()))
        target.transpose();

    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(picture.center());
    painter.rotate(m_state.rotation());
    painter.drawImage(QRectF(QPointF(-target.width() / 2, -target.height() / 2), target),
                      m_image, source);
}
