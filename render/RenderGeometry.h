#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

class QWidget;

// Where the picture lands in a render widget and how widget positions map back onto the
// frame. Both render engines and the container use these, so what is drawn and what input
// is mapped to always agree.
//
// The shown picture is the crop of the frame, turned by the rotation, scaled uniformly to
// fit the widget and centred. When the widget has the picture's shape (within a pixel) the
// picture fills it exactly; otherwise the remaining strips stay black.
namespace render {

// The rotation as 0, 90, 180 or 270 (-90 counts as 270); angles that are not quarter turns
// count as 0 for placement and mapping.
int quarterTurnDegrees(int rotation);
bool swapsSides(int rotation);

// Size of one 4:2:0 chroma plane of a frame.
QSize chromaSize(const QSize &frameSize);

QRectF pictureRect(const QSizeF &area, const QSize &frameSize, const QRectF &crop, int rotation);

// Size the whole (uncropped) frame would have on screen, in the frame's own orientation.
QSize displayFrameSize(const QSizeF &area, const QSize &frameSize, const QRectF &crop,
                       int rotation);

// A widget position as a position on the frame shown at displayFrameSize. Positions outside
// the picture map outside the frame (negative or beyond the size); they are not clamped.
QPointF mapToFrame(const QPointF &position, const QSizeF &area, const QSize &frameSize,
                   const QRectF &crop, int rotation);

// Whether what the widget draws can be seen now: it is visible and its window is neither
// minimised nor unexposed. Renderers put off their work for a widget that cannot be seen.
bool isOnScreen(const QWidget *widget);

}  // namespace render
