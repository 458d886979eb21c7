#include "render/RenderState.h"

#include "render/RenderGeometry.h"

#include <QtGlobal>

bool RenderState::setFrameSize(const QSize &size)
{
    if (size.width() <= 0 || size.height() <= 0 || size.width() > kMaxFrameSide
        || size.height() > kMaxFrameSide) {
        qWarning("Renderer ignored an unusable frame size %dx%d", size.width(), size.height());
        return false;
    }
    if (size == m_frameSize)
        return false;
    m_frameSize = size;
    m_rotation = 0;
    return true;
}

bool RenderState::setCropRect(const QRectF &rect)
{
    const QRectF inside = rect.normalized() & QRectF(0, 0, 1, 1);
    if (!(inside.width() > 0) || !(inside.height() > 0)) {
        qWarning("Renderer ignored a crop rectangle outside the frame (%g, %g, %g, %g)",
                 rect.x(), rect.y(), rect.width(), rect.height());
        return false;
    }
    m_crop = inside;
    return true;
}

void RenderState::rotate(int degrees, bool relative)
{
    m_rotation = relative ? (m_rotation + degrees) % 360 : degrees % 360;
}

QRectF RenderState::pictureRect(const QSizeF &area) const
{
    return render::pictureRect(area, m_frameSize, m_crop, m_rotation);
}

bool RenderState::acceptsFrame() const
{
    if (hasFrameSize())
        return true;
    qWarning("Renderer rejected a frame: no frame size is set");
    return false;
}

bool RenderState::acceptsI420(const uchar *y, const uchar *u, const uchar *v,
                              int strideY, int strideU, int strideV) const
{
    if (!acceptsFrame())
        return false;
    if (!y || !u || !v) {
        qWarning("Renderer rejected an I420 frame with a missing plane");
        return false;
    }
    const int chromaWidth = render::chromaSize(m_frameSize).width();
    if (strideY < m_frameSize.width() || strideU < chromaWidth || strideV < chromaWidth) {
        qWarning("Renderer rejected an I420 frame with row lengths %d/%d/%d for width %d",
                 strideY, strideU, strideV, m_frameSize.width());
        return false;
    }
    return true;
}

bool RenderState::acceptsNV12(const uchar *y, const uchar *uv, int strideY, int strideUV) const
{
    if (!acceptsFrame())
        return false;
    if (!y || !uv) {
        qWarning("Renderer rejected an NV12 frame with a missing plane");
        return false;
    }
    // Chroma rows hold UV pairs, so their length must be a whole number of pairs.
    const int chromaWidth = render::chromaSize(m_frameSize).width();
    if (strideY < m_frameSize.width() || strideUV < 2 * chromaWidth || strideUV % 2 != 0) {
        qWarning("Renderer rejected an NV12 frame with row lengths %d/%d for width %d",
                 strideY, strideUV, m_frameSize.width());
        return false;
    }
    return true;
}
