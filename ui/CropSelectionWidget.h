#pragma once

#include <QRect>
#include <QRectF>
#include <QWidget>

// The rectangle the user drags over the picture while choosing a crop: moved by dragging its
// inside, resized by its eight handles, always kept inside the widget.
class CropSelectionWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHandleSize = 8;
    static constexpr int kMinimumSide = 16;

    explicit CropSelectionWidget(QWidget *parent = nullptr);

    QRect selection() const { return m_selection; }
    void setSelection(const QRect &selection);
    // The selection as fractions of the widget (0 to 1).
    QRectF selectionFraction() const;

    // A rectangle in fractions of the rotated picture as fractions of the unrotated frame.
    static QRectF viewToFrame(const QRectF &view, int rotation);
    // `inner` (fractions of what `outer` shows) as fractions of the whole frame.
    static QRectF compose(const QRectF &outer, const QRectF &inner);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum Grip { None, Move, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

    QList<QPair<Grip, QRect>> handles() const;
    Grip gripAt(const QPoint &pos) const;
    void dragTo(const QPoint &pos);

    QRect m_selection;
    Grip m_grip = None;
    QPoint m_pressPos;
    QRect m_pressSelection;
};
