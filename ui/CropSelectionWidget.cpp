#include "ui/CropSelectionWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

CropSelectionWidget::CropSelectionWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void CropSelectionWidget::setSelection(const QRect &selection)
{
    QRect bounded = selection.normalized().intersected(rect());
    if (bounded.width() < kMinimumSide || bounded.height() < kMinimumSide)
        bounded = rect();
    m_selection = bounded;
    update();
}

QRectF CropSelectionWidget::selectionFraction() const
{
    if (width() <= 0 || height() <= 0 || m_selection.isEmpty())
        return QRectF(0, 0, 1, 1);
    return QRectF(double(m_selection.x()) / width(), double(m_selection.y()) / height(),
                  double(m_selection.width()) / width(), double(m_selection.height()) / height());
}

QRectF CropSelectionWidget::viewToFrame(const QRectF &view, int rotation)
{
    // The same turn the renderer applies to positions, on the two corners.
    auto turn = [rotation](const QPointF &p) {
        switch (((rotation % 360) + 360) % 360) {
        case 90:
            return QPointF(p.y(), 1.0 - p.x());
        case 180:
            return QPointF(1.0 - p.x(), 1.0 - p.y());
        case 270:
            return QPointF(1.0 - p.y(), p.x());
        default:
            return p;
        }
    };
    return QRectF(turn(view.topLeft()), turn(view.bottomRight())).normalized();
}

QRectF CropSelectionWidget::compose(const QRectF &outer, const QRectF &inner)
{
    return QRectF(outer.x() + inner.x() * outer.width(), outer.y() + inner.y() * outer.height(),
                  inner.width() * outer.width(), inner.height() * outer.height());
}

QList<QPair<CropSelectionWidget::Grip, QRect>> CropSelectionWidget::handles() const
{
    const QRect r = m_selection;
    const int h = kHandleSize;
    auto box = [h](int x, int y) { return QRect(x - h / 2, y - h / 2, h, h); };
    const int cx = r.center().x();
    const int cy = r.center().y();
    return {
        {TopLeft, box(r.left(), r.top())},       {TopRight, box(r.right(), r.top())},
        {BottomLeft, box(r.left(), r.bottom())}, {BottomRight, box(r.right(), r.bottom())},
        {Top, box(cx, r.top())},                 {Bottom, box(cx, r.bottom())},
        {Left, box(r.left(), cy)},               {Right, box(r.right(), cy)},
    };
}

CropSelectionWidget::Grip CropSelectionWidget::gripAt(const QPoint &pos) const
{
    const auto all = handles();
    for (const auto &handle : all) {
        if (handle.second.adjusted(-2, -2, 2, 2).contains(pos))
            return handle.first;
    }
    return m_selection.contains(pos) ? Move : None;
}

void CropSelectionWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPainterPath outside;
    outside.addRect(rect());
    QPainterPath inside;
    inside.addRect(m_selection);
    painter.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 110));
    painter.setPen(QPen(QColor(255, 122, 0), 1, Qt::DashLine));
    painter.drawRect(m_selection.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(255, 122, 0), 1));
    painter.setBrush(Qt::white);
    const auto all = handles();
    for (const auto &handle : all)
        painter.drawRect(handle.second.adjusted(0, 0, -1, -1));
}

void CropSelectionWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_grip = gripAt(event->pos());
    m_pressPos = event->pos();
    m_pressSelection = m_selection;
    event->accept();
}

void CropSelectionWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_grip != None && (event->buttons() & Qt::LeftButton)) {
        dragTo(event->pos());
        return;
    }
    switch (gripAt(event->pos())) {
    case Left:
    case Right:
        setCursor(Qt::SizeHorCursor);
        break;
    case Top:
    case Bottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case TopLeft:
    case BottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case TopRight:
    case BottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case Move:
        setCursor(Qt::SizeAllCursor);
        break;
    case None:
        setCursor(Qt::CrossCursor);
        break;
    }
}

void CropSelectionWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_grip = None;
    QWidget::mouseReleaseEvent(event);
}

void CropSelectionWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_selection.isEmpty() || !rect().contains(m_selection))
        setSelection(rect());
}

void CropSelectionWidget::dragTo(const QPoint &pos)
{
    const QPoint delta = pos - m_pressPos;
    QRect r = m_pressSelection;
    if (m_grip == Move) {
        r.translate(delta);
        r.moveLeft(qBound(0, r.left(), width() - r.width()));
        r.moveTop(qBound(0, r.top(), height() - r.height()));
        m_selection = r;
        update();
        return;
    }
    const int minSide = kMinimumSide;
    if (m_grip == Left || m_grip == TopLeft || m_grip == BottomLeft)
        r.setLeft(qBound(0, r.left() + delta.x(), r.right() - minSide));
    if (m_grip == Right || m_grip == TopRight || m_grip == BottomRight)
        r.setRight(qBound(r.left() + minSide, r.right() + delta.x(), width() - 1));
    if (m_grip == Top || m_grip == TopLeft || m_grip == TopRight)
        r.setTop(qBound(0, r.top() + delta.y(), r.bottom() - minSide));
    if (m_grip == Bottom || m_grip == BottomLeft || m_grip == BottomRight)
        r.setBottom(qBound(r.top() + minSide, r.bottom() + delta.y(), height() - 1));
    m_selection = r;
    update();
}
