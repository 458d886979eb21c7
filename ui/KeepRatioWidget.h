#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

// Holds one child and keeps it at a width/height ratio, centred, as large as fits. A ratio of
// 0 or less lets the child fill the whole widget.
class KeepRatioWidget : public QWidget {
    Q_OBJECT
public:
    explicit KeepRatioWidget(QWidget *parent = nullptr);

    // Re-parents the child into this widget (the previous child, if any, stays where it is).
    void setWidget(QWidget *child);
    QWidget *widget() const { return m_child; }

    // Changes smaller than 1e-6 leave the layout alone.
    void setRatio(double ratio);
    double ratio() const { return m_ratio; }

    // The size the child gets at the current size and ratio; invalid without a child or with a
    // negative ratio.
    QSize childSize() const;

    // Where a child with `ratio` goes inside an area of `area` size.
    static QRect childRect(const QSize &area, double ratio);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutChild();

    QPointer<QWidget> m_child;
    double m_ratio = -1.0;
};
