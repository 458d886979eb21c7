#include "ui/FramelessWindow.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

namespace {
using Window = FramelessWindow<QWidget>;

// A resizable window with a 32 px title bar holding a label, like the device window.
class TestWindow : public Window {
public:
    explicit TestWindow(bool resizable = true)
    {
        setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
        titlebar = new QWidget(this);
        titlebar->setFixedHeight(32);
        titleLabel = new QLabel(QStringLiteral("caption"), titlebar);
        content = new QWidget(this);
        plainInner = new QWidget(content);
        frame = new QFrame(content);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(titlebar);
        layout->addWidget(content, 1);
        setTitleWidgets({titlebar});
        setResizable(resizable);
        setMinimumSize(200, 150);
    }

    bool acceptGeometry(const QRect &rect, int region) override
    {
        ++asked;
        lastRegion = region;
        lastRect = rect;
        return accept;
    }

    QWidget *titlebar;
    QLabel *titleLabel;
    QWidget *content;
    QWidget *plainInner;
    QFrame *frame;
    bool accept = true;
    int asked = 0;
    int lastRegion = -1;
    QRect lastRect;
};

const QRect kStart(300, 200, 400, 300);

void sendMouse(QWidget *window, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPoint local = global - window->geometry().topLeft();
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

void hover(QWidget *w, const QPoint &global)
{
    sendMouse(w, QEvent::MouseMove, global, Qt::NoButton, Qt::NoButton);
}
void press(QWidget *w, const QPoint &global)
{
    sendMouse(w, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
}
void dragTo(QWidget *w, const QPoint &global)
{
    sendMouse(w, QEvent::MouseMove, global, Qt::NoButton, Qt::LeftButton);
}
void release(QWidget *w, const QPoint &global)
{
    sendMouse(w, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
}
}  // namespace

class TestFramelessWindow : public QObject {
    Q_OBJECT
private:
    QScopedPointer<TestWindow> m_window;

    TestWindow *shown(bool resizable = true)
    {
        m_window.reset(new TestWindow(resizable));
        m_window->setGeometry(kStart);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.data()))
            qWarning("window not exposed");
        if (!QTest::qWaitFor([this] { return m_window->geometry() == kStart; }))
            qWarning("window not placed at its start geometry");
        return m_window.data();
    }

private slots:
    void cleanup() { m_window.reset(); }

    void hitRegions_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("cursor");
        const QRect r = kStart;  // bands of 4 px inside each edge
        QTest::newRow("top") << QPoint(r.center().x(), r.top()) << 0 << int(Qt::SizeVerCursor);
        QTest::newRow("bottom") << QPoint(r.center().x(), r.bottom() - 3) << 1 << int(Qt::SizeVerCursor);
        QTest::newRow("left") << QPoint(r.left() + 3, r.center().y()) << 2 << int(Qt::SizeHorCursor);
        QTest::newRow("right") << QPoint(r.right(), r.center().y()) << 3 << int(Qt::SizeHorCursor);
        QTest::newRow("top-left") << QPoint(r.left() + 1, r.top() + 2) << 4 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-left") << QPoint(r.left(), r.bottom()) << 5 << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-right") << QPoint(r.right() - 2, r.bottom() - 1) << 6 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right") << QPoint(r.right(), r.top()) << 7 << int(Qt::SizeBDiagCursor);
        QTest::newRow("just inside the band") << QPoint(r.left() + 4, r.top() + 4) << 8 << int(Qt::ArrowCursor);
        QTest::newRow("middle") << r.center() << 8 << int(Qt::ArrowCursor);
    }
    void hitRegions()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, region);
        QFETCH(int, cursor);
        QCOMPARE(Window::hitRegionAt(kStart, pos, 4), region);
        QCOMPARE(int(Window::cursorForRegion(region)), cursor);

        TestWindow *w = shown();
        hover(w, pos);
        QCOMPARE(w->hitRegion(), region);
        QCOMPARE(int(w->cursor().shape()), cursor);
    }

    void noBorderWhenNotResizableOrMaximized()
    {
        TestWindow *w = shown(false);
        hover(w, kStart.topLeft());
        QCOMPARE(w->hitRegion(), 8);

        w = shown(true);
        w->showMaximized();
        QVERIFY(w->isMaximizedState());
        hover(w, w->geometry().topLeft());
        QCOMPARE(w->hitRegion(), 8);
        w->showNormal();
        QVERIFY(!w->isMaximizedState());
    }

    void leaveResetsRegion()
    {
        TestWindow *w = shown();
        hover(w, kStart.topLeft());
        QCOMPARE(w->hitRegion(), 4);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
        QCOMPARE(w->hitRegion(), 8);
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    }

    void dragByTitle_data()
    {
        QTest::addColumn<QPoint>("grab");  // relative to the window
        QTest::addColumn<bool>("moves");
        QTest::newRow("title bar") << QPoint(200, 20) << true;
        QTest::newRow("label in the title bar") << QPoint(10, 10) << true;
        QTest::newRow("content area") << QPoint(200, 200) << false;
    }
    void dragByTitle()
    {
        QFETCH(QPoint, grab);
        QFETCH(bool, moves);
        TestWindow *w = shown(false);
        QTRY_COMPARE(w->geometry(), kStart);
        const QPoint start = kStart.topLeft() + grab;
        press(w, start);
        QCOMPARE(w->isPressed(), moves);
        dragTo(w, start + QPoint(150, 80));
        release(w, start + QPoint(150, 80));
        QVERIFY(!w->isPressed());
        QTRY_COMPARE(w->pos(), moves ? kStart.topLeft() + QPoint(150, 80) : kStart.topLeft());
    }

    void resizeFromBorder_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("region");
        QTest::addColumn<QRect>("expected");
        const QRect r = kStart;
        QTest::newRow("right grows") << QPoint(r.right() - 1, r.center().y()) << QPoint(r.right() + 50, r.center().y())
                                     << 3 << QRect(300, 200, 450, 300);
        QTest::newRow("bottom-right") << QPoint(r.right(), r.bottom()) << QPoint(r.right() + 20, r.bottom() + 30)
                                      << 6 << QRect(300, 200, 420, 330);
        QTest::newRow("left moves origin") << QPoint(r.left(), r.center().y()) << QPoint(r.left() - 40, r.center().y())
                                           << 2 << QRect(260, 200, 440, 300);
        QTest::newRow("top-left shrinks") << QPoint(r.left(), r.top()) << QPoint(r.left() + 100, r.top() + 50)
                                          << 4 << QRect(400, 250, 300, 250);
        QTest::newRow("left stops at minimum width") << QPoint(r.left(), r.center().y()) << QPoint(r.right(), r.center().y())
                                                     << 2 << QRect(500, 200, 200, 300);
        QTest::newRow("top stops at minimum height") << QPoint(r.center().x(), r.top()) << QPoint(r.center().x(), r.bottom() + 10)
                                                     << 0 << QRect(300, 350, 400, 150);
        QTest::newRow("bottom-left") << QPoint(r.left(), r.bottom()) << QPoint(r.left() - 10, r.bottom() + 10)
                                     << 5 << QRect(290, 200, 410, 310);
        QTest::newRow("top-right") << QPoint(r.right(), r.top()) << QPoint(r.right() + 10, r.top() - 10)
                                   << 7 << QRect(300, 190, 410, 310);
    }
    void resizeFromBorder()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, region);
        QFETCH(QRect, expected);
        TestWindow *w = shown();
        QTRY_COMPARE(w->geometry(), kStart);
        hover(w, from);
        QCOMPARE(w->hitRegion(), region);
        press(w, from);
        QVERIFY(w->isPressed());
        dragTo(w, to);
        QCOMPARE(w->lastRegion, region);
        QCOMPARE(w->lastRect, expected);
        QTRY_COMPARE(w->geometry(), expected);
        release(w, to);
        QVERIFY(!w->isPressed());
        QCOMPARE(w->hitRegion(), 8);
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    }

    void refusedGeometryIsNotApplied()
    {
        TestWindow *w = shown();
        QTRY_COMPARE(w->geometry(), kStart);
        w->accept = false;
        const QPoint from(kStart.right(), kStart.bottom());
        hover(w, from);
        press(w, from);
        dragTo(w, from + QPoint(50, 50));
        QCOMPARE(w->asked, 1);
        QCOMPARE(w->geometry(), kStart);
        release(w, from + QPoint(50, 50));
    }

    void doubleClickTogglesMaximised_data()
    {
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("maximiseHint");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("resizable with hint") << true << true << true;
        QTest::newRow("not resizable") << false << true << false;
        QTest::newRow("no maximise hint") << true << false << false;
    }
    void doubleClickTogglesMaximised()
    {
        QFETCH(bool, resizable);
        QFETCH(bool, maximiseHint);
        QFETCH(bool, toggles);
        m_window.reset(new TestWindow(resizable));
        if (!maximiseHint)
            m_window->setWindowFlags(m_window->windowFlags() & ~Qt::WindowMaximizeButtonHint);
        m_window->setGeometry(kStart);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        TestWindow *w = m_window.data();
        const QPoint onTitle = kStart.topLeft() + QPoint(200, 16);
        sendMouse(w, QEvent::MouseButtonDblClick, onTitle, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(w->isMaximized(), toggles);
        QCOMPARE(w->isMaximizedState(), toggles);
        sendMouse(w, QEvent::MouseButtonDblClick, w->geometry().topLeft() + QPoint(200, 16),
                  Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!w->isMaximized());
        QVERIFY(!w->isMaximizedState());
    }

    void dragRestoresMaximisedUnderCursor()
    {
        TestWindow *w = shown();
        w->showMaximized();
        QVERIFY(w->isMaximizedState());
        const QPoint grab = w->geometry().topLeft() + QPoint(100, 10);
        press(w, grab);
        QVERIFY(w->isPressed());
        const QPoint cursor(900, 500);
        dragTo(w, cursor);
        QVERIFY(!w->isMaximizedState());
        QTRY_COMPARE(w->pos(), QPoint(cursor.x() - w->width() / 2, cursor.y() - 22));
        // Further moves keep the cursor at the same place on the window.
        dragTo(w, cursor + QPoint(30, 40));
        QTRY_COMPARE(w->pos(), QPoint(cursor.x() + 30 - w->width() / 2, cursor.y() + 40 - 22));
        release(w, cursor + QPoint(30, 40));
    }

    void trackingOnFirstPaintForPlainWidgetsOnly()
    {
        TestWindow *w = shown();
        QTRY_VERIFY(w->hasMouseTracking());
        QVERIFY(w->titlebar->hasMouseTracking());
        QVERIFY(w->content->hasMouseTracking());
        QVERIFY(w->plainInner->hasMouseTracking());
        QVERIFY(!w->titleLabel->hasMouseTracking());
        QVERIFY(!w->frame->hasMouseTracking());
    }
};

QTEST_MAIN(TestFramelessWindow)
#include "test_framelesswindow.moc"
