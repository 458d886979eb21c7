#pragma once
// A top-level window without system frame that keeps the frame's behaviour: dragging by its
// title widgets, resizing from a thin border band, and double-click maximising.

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QList>
#include <QMouseEvent>
#include <QPoint>
#include <QRect>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <cstring>

template <class Base>
class FramelessWindow : public Base {
public:
    enum HitRegion {
        HitTop = 0,
        HitBottom = 1,
        HitLeft = 2,
        HitRight = 3,
        HitTopLeft = 4,
        HitBottomLeft = 5,
        HitBottomRight = 6,
        HitTopRight = 7,
        HitNone = 8,
    };

    // Pixels a maximised window's top edge is placed above the cursor when a drag restores it.
    static constexpr int kRestoreDragTop = 22;

    explicit FramelessWindow(QWidget *parent = nullptr, bool translucent = false)
        : Base(parent)
    {
        this->setWindowFlags(this->windowFlags() | Qt::FramelessWindowHint);
        this->installEventFilter(this);
        if (translucent)
            this->setAttribute(Qt::WA_TranslucentBackground);
    }

    ~FramelessWindow() override = default;

    bool isResizable() const { return m_resizable; }
    bool isPressed() const { return m_pressed; }
    bool isMaximizedState() const { return m_maximized; }
    int hitRegion() const { return m_hitRegion; }
    int borderWidth() const { return m_borderWidth; }
    QList<QWidget *> titleWidgets() const { return m_titleWidgets; }

    // Region of `pos` against `area` with bands of `border` pixels inside each edge; corners win
    // over edges, anything outside every band (or outside the area) is HitNone.
    static int hitRegionAt(const QRect &area, const QPoint &pos, int border)
    {
        if (!area.contains(pos))
            return HitNone;
        const bool top = pos.y() < area.top() + border;
        const bool bottom = pos.y() > area.bottom() - border;
        const bool left = pos.x() < area.left() + border;
        const bool right = pos.x() > area.right() - border;
        if (top && left)
            return HitTopLeft;
        if (bottom && left)
            return HitBottomLeft;
        if (bottom && right)
            return HitBottomRight;
        if (top && right)
            return HitTopRight;
        if (top)
            return HitTop;
        if (bottom)
            return HitBottom;
        if (left)
            return HitLeft;
        if (right)
            return HitRight;
        return HitNone;
    }

    static Qt::CursorShape cursorForRegion(int region)
    {
        switch (region) {
        case HitTop:
        case HitBottom:
            return Qt::SizeVerCursor;
        case HitLeft:
        case HitRight:
            return Qt::SizeHorCursor;
        case HitTopLeft:
        case HitBottomRight:
            return Qt::SizeFDiagCursor;
        case HitBottomLeft:
        case HitTopRight:
            return Qt::SizeBDiagCursor;
        default:
            return Qt::ArrowCursor;
        }
    }

protected:
    void setResizable(bool resizable) { m_resizable = resizable; }
    void setTitleWidgets(const QList<QWidget *> &widgets) { m_titleWidgets = widgets; }
    void addTitleWidget(QWidget *widget) { m_titleWidgets.append(widget); }

    // Asked before every resize step; a subclass may refuse or keep an aspect by returning false.
    virtual bool acceptGeometry(const QRect &rect, int region)
    {
        Q_UNUSED(rect);
        Q_UNUSED(region);
        return true;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == this) {
            if (event->type() == QEvent::Paint && !m_trackingPrepared)
                prepareMouseTracking();
            else if (event->type() == QEvent::WindowStateChange)
                m_maximized = this->isMaximized();
        }
        return Base::eventFilter(watched, event);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton) {
            if (m_hitRegion != HitNone) {
                m_pressed = true;
                this->grabMouse();
            } else if (isOnTitle(event->pos()) && innerFrame().contains(event->globalPos())) {
                m_pressed = true;
                m_dragOffset = event->globalPos() - this->frameGeometry().topLeft();
            }
        }
        Base::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton) {
            m_pressed = false;
            if (m_hitRegion != HitNone)
                resetHitRegion();
        }
        Base::mouseReleaseEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && m_resizable
            && (this->windowFlags() & Qt::WindowMaximizeButtonHint) && isOnTitle(event->pos())) {
            if (m_maximized)
                this->showNormal();
            else
                this->showMaximized();
        }
        Base::mouseDoubleClickEvent(event);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (m_pressed)
            pressedMove(event->globalPos());
        else if (event->buttons() == Qt::NoButton)
            hover(event->globalPos());
        Base::mouseMoveEvent(event);
    }

    void leaveEvent(QEvent *event) override
    {
        if (!m_pressed && m_hitRegion != HitNone)
            resetHitRegion();
        Base::leaveEvent(event);
    }

    void resizeEvent(QResizeEvent *event) override { Base::resizeEvent(event); }

private:
    // Plain container widgets ignore mouse moves, so with tracking on the moves reach the window
    // and the border cursor follows the pointer over them too.
    void prepareMouseTracking()
    {
        m_trackingPrepared = true;
        this->setMouseTracking(true);
        const auto children = this->template findChildren<QWidget *>();
        for (QWidget *child : children) {
            if (std::strcmp(child->metaObject()->className(), "QWidget") == 0)
                child->setMouseTracking(true);
        }
    }

    bool isOnTitle(const QPoint &localPos) const
    {
        QWidget *hit = this->childAt(localPos);
        // Presses reach the window only when nothing under the cursor took them, so a label
        // inside a title bar drags as well as the bar itself.
        for (QWidget *w = hit; w && w != this; w = w->parentWidget()) {
            if (m_titleWidgets.contains(w))
                return true;
        }
        return false;
    }

    QRect innerFrame() const
    {
        return this->frameGeometry().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth,
                                              -m_borderWidth);
    }

    void hover(const QPoint &globalPos)
    {
        if (!m_resizable || m_maximized)
            return;
        m_hitRegion = hitRegionAt(this->geometry(), globalPos, m_borderWidth);
        this->setCursor(cursorForRegion(m_hitRegion));
    }

    void pressedMove(const QPoint &globalPos)
    {
        QScreen *screen = QGuiApplication::screenAt(globalPos);
        if (!screen || !screen->availableGeometry().contains(globalPos))
            return;
        if (m_hitRegion == HitNone)
            dragTo(globalPos);
        else
            resizeTo(globalPos);
    }

    void dragTo(const QPoint &globalPos)
    {
        if (m_maximized && m_resizable) {
            this->showNormal();
            QCoreApplication::processEvents();
            this->move(globalPos.x() - this->width() / 2, globalPos.y() - kRestoreDragTop);
            m_dragOffset = globalPos - this->frameGeometry().topLeft();
            return;
        }
        this->move(globalPos - m_dragOffset);
    }

    void resizeTo(const QPoint &globalPos)
    {
        QRect rect = this->geometry();
        const QSize minimum = this->minimumSize();
        const int region = m_hitRegion;
        if (region == HitLeft || region == HitTopLeft || region == HitBottomLeft)
            rect.setLeft(qMin(globalPos.x(), rect.right() - minimum.width() + 1));
        if (region == HitRight || region == HitTopRight || region == HitBottomRight)
            rect.setRight(qMax(globalPos.x(), rect.left() + minimum.width() - 1));
        if (region == HitTop || region == HitTopLeft || region == HitTopRight)
            rect.setTop(qMin(globalPos.y(), rect.bottom() - minimum.height() + 1));
        if (region == HitBottom || region == HitBottomLeft || region == HitBottomRight)
            rect.setBottom(qMax(globalPos.y(), rect.top() + minimum.height() - 1));
        if (acceptGeometry(rect, region))
            this->setGeometry(rect);
    }

    void resetHitRegion()
    {
        m_hitRegion = HitNone;
        this->releaseMouse();
        this->setCursor(Qt::ArrowCursor);
    }

    bool m_pressed = false;
    bool m_resizable = false;
    bool m_maximized = false;
    int m_hitRegion = HitNone;
    int m_borderWidth = 4;
    QPoint m_dragOffset;
    QList<QWidget *> m_titleWidgets;
    bool m_trackingPrepared = false;
};
