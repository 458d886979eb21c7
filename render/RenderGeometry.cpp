#include "render/RenderGeometry.h"

#include <QWidget>
#include <QWindow>

namespace render {

int quarterTurnDegrees(int rotation)
{
    const int degrees = ((rotation % 360) + 360) % 360;
    return degrees % 90 == 0 ? degrees : 0;
}

bool swapsSides(int rotation)
{
    const int degrees = quarterTurnDegrees(rotation);
    return degrees == 90 || degrees == 270;
}

QSize chromaSize(const QSize &frameSize)
{
    return QSize((frameSize.width() + 1) / 2, (frameSize.height() + 1) / 2);
}

QRectF pictureRect(const QSizeF &area, const QSize &frameSize, const QRectF &crop, int rotation)
{
    const QRectF whole(QPointF(0, 0), area);
    if (frameSize.width() <= 0 || frameSize.height() <= 0 || area.isEmpty())
        return whole;
    QSizeF content(frameSize.width() * crop.width(), frameSize.height() * crop.height());
    if (content.isEmpty())
        return whole;
    if (swapsSides(rotation))
        content.transpose();
    const qreal scale = qMin(area.width() / content.width(), area.height() / content.height());
    const QSizeF fitted = content * scale;
    // Rounding of the window layout leaves up to a pixel of mismatch; that is not worth bars.
    if (area.width() - fitted.width() < 1.0 && area.height() - fitted.height() < 1.0)
        return whole;
    return QRectF(QPointF((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2),
                  fitted);
}

QSize displayFrameSize(const QSizeF &area, const QSize &frameSize, const QRectF &crop,
                       int rotation)
{
    QSizeF shown = pictureRect(area, frameSize, crop, rotation).size();
    if (swapsSides(rotation))
        shown.transpose();
    if (crop.width() <= 0 || crop.height() <= 0)
        return shown.toSize();
    return QSize(int(shown.width() / crop.width()), int(shown.height() / crop.height()));
}

QPointF mapToFrame(const QPointF &position, const QSizeF &area, const QSize &frameSize,
                   const QRectF &crop, int rotation)
{
    const QRectF picture = pictureRect(area, frameSize, crop, rotation);
    const QPointF p = position - picture.topLeft();
    const qreal w = picture.width();
    const qreal h = picture.height();
    QPointF mapped;
    switch (quarterTurnDegrees(rotation)) {
    case 90: mapped = QPointF(p.y(), w - p.x()); break;
    case 180: mapped = QPointF(w - p.x(), h - p.y()); break;
    case 270: mapped = QPointF(h - p.y(), p.x()); break;
    default: mapped = p; break;
    }
    const QSize display = displayFrameSize(area, frameSize, crop, rotation);
    mapped.rx() += crop.x() * display.width();
    mapped.ry() += crop.y() * display.height();
    return mapped;
}

bool isOnScreen(const QWidget *widget)
{
    if (!widget || !widget->isVisible())
        return false;
    const QWidget *top = widget->window();
    if (top->isMinimized())
        return false;
    const QWindow *handle = top->windowHandle();
    return handle && handle->isExposed();
}

}  // namespace render
