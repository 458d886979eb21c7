#include "ui/KeepRatioWidget.h"

#include <QResizeEvent>

#include <cmath>

namespace {
constexpr double kRatioEpsilon = 1e-6;

// Rounding up, but not for the last bits of a division that should have come out whole.
int ceilSide(double value)
{
    return int(std::ceil(value - kRatioEpsilon));
}
}  // namespace

KeepRatioWidget::KeepRatioWidget(QWidget *parent) : QWidget(parent) {}

void KeepRatioWidget::setWidget(QWidget *child)
{
    m_child = child;
    if (!child)
        return;
    child->setParent(this);
    layoutChild();
    child->show();
}

void KeepRatioWidget::setRatio(double ratio)
{
    if (std::isnan(ratio)) {
        qWarning("KeepRatioWidget ignored a ratio that is not a number");
        return;
    }
    if (std::fabs(ratio - m_ratio) < kRatioEpsilon)
        return;
    m_ratio = ratio;
    layoutChild();
}

QSize KeepRatioWidget::childSize() const
{
    if (!m_child || m_ratio < 0)
        return QSize();
    return childRect(size(), m_ratio).size();
}

QRect KeepRatioWidget::childRect(const QSize &area, double ratio)
{
    const int width = qMax(0, area.width());
    const int height = qMax(0, area.height());
    if (ratio <= 0 || width == 0 || height == 0)
        return QRect(0, 0, width, height);
    const double areaRatio = double(width) / double(height);
    const bool wider = (ratio > 1 && ratio >= areaRatio) || (ratio <= 1 && areaRatio < ratio);
    if (wider) {
        const int childHeight = ceilSide(width / ratio);
        return QRect(0, (height - childHeight) / 2, width, childHeight);
    }
    const int childWidth = ceilSide(height * ratio);
    return QRect((width - childWidth) / 2, 0, childWidth, height);
}

void KeepRatioWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChild();
}

void KeepRatioWidget::layoutChild()
{
    if (!m_child)
        return;
    m_child->setGeometry(childRect(size(), m_ratio));
}
