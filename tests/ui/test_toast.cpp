#include "ui/QEToast.h"

#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QProcess>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Fade 300 ms + hold 2000 ms + fade 300 ms, with room for a slow machine.
constexpr int kLifeTimeout = 20000;

QPropertyAnimation *animationOf(QEToast *toast)
{
    return toast->findChild<QPropertyAnimation *>();
}

// A window that notes the keys (without the bare modifiers) and presses that reach it.
class InputWindow : public QWidget {
public:
    QStringList seen;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Alt && event->key() != Qt::Key_Shift && event->key() != Qt::Key_Control)
            seen << QKeySequence(int(event->modifiers()) | event->key()).toString();
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        seen << QStringLiteral("press %1,%2").arg(event->pos().x()).arg(event->pos().y());
    }
};

void xdotool(const QStringList &args)
{
    QProcess::execute(QStringLiteral("xdotool"), args);
}
}  // namespace

class TestToast : public QObject {
    Q_OBJECT
private:
    QScopedPointer<QWidget> m_parent;

    QWidget *parentAt(const QRect &geometry)
    {
        m_parent.reset(new QWidget);
        m_parent->setGeometry(geometry);
        m_parent->show();
        if (!QTest::qWaitForWindowExposed(m_parent.data()))
            qWarning("parent window not exposed");
        return m_parent.data();
    }

private slots:
    void initTestCase() { qRegisterMetaType<QAbstractAnimation::State>(); }
    void cleanup() { m_parent.reset(); }

    void centredOnParentFrame_data()
    {
        QTest::addColumn<QRect>("parentGeometry");
        QTest::newRow("middle of the screen") << QRect(400, 300, 800, 600);
        QTest::newRow("odd sizes round to nearest") << QRect(101, 99, 401, 301);
        QTest::newRow("top-left edge, partly off screen") << QRect(-300, -200, 400, 300);
        QTest::newRow("bottom-right edge") << QRect(1800, 1000, 500, 400);
        QTest::newRow("parent smaller than the toast") << QRect(50, 50, 120, 30);
    }
    void centredOnParentFrame()
    {
        QFETCH(QRect, parentGeometry);
        QWidget *parent = parentAt(parentGeometry);
        QTRY_COMPARE(parent->geometry(), parentGeometry);
        auto *toast = new QEToast(parent);
        toast->setText(QStringLiteral("Screenshot is saved successfully!"));
        toast->show();
        const QRectF frame(parent->frameGeometry());
        const QPoint expected(qRound(frame.center().x() - 130.0), qRound(frame.center().y() - 28.0));
        QCOMPARE(toast->pos(), expected);
        QCOMPARE(toast->size(), QSize(260, 56));
        QVERIFY(toast->windowFlags() & Qt::FramelessWindowHint);
        // Never a popup: a notice must not take the keyboard or the mouse.
        QCOMPARE(toast->windowType(), Qt::ToolTip);
        QVERIFY(toast->windowFlags() & Qt::WindowTransparentForInput);
        QVERIFY(toast->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(toast->findChild<QLabel *>()->text(), QStringLiteral("Screenshot is saved successfully!"));
    }

    // Real X input right after a notice appears (as after a screenshot shortcut): the key and a
    // click on the notice itself reach the window under it, and the notice stays.
    void inputReachesTheWindowUnderTheToast()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        InputWindow window;
        window.setGeometry(300, 200, 600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_VERIFY(window.isActiveWindow());

        QPointer<QEToast> toast = QEToast::showText(&window, QStringLiteral("Screenshot is saved successfully!"));
        QVERIFY(toast->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(toast.data()));
        const QPoint onToast = toast->geometry().center();
        QVERIFY(window.geometry().contains(onToast));

        xdotool({"key", "alt+1"});
        xdotool({"mousemove", "--sync", QString::number(onToast.x()), QString::number(onToast.y())});
        xdotool({"click", "1"});
        const QPoint local = window.mapFromGlobal(onToast);
        QTRY_COMPARE(window.seen, QStringList({"Alt+1", QStringLiteral("press %1,%2").arg(local.x()).arg(local.y())}));
        QVERIFY(toast);
        QVERIFY(toast->isVisible());
        QVERIFY(window.isActiveWindow());
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), kLifeTimeout);
    }

    void fadesInHoldsFadesOutAndDeletes()
    {
        QPointer<QEToast> toast = new QEToast(parentAt(QRect(200, 200, 600, 400)));
        QSignalSpy hidden(toast.data(), &QEToast::didHide);
        toast->setText(QStringLiteral("The key is already in use."));
        toast->show();
        QPropertyAnimation *animation = animationOf(toast);
        QVERIFY(animation);
        QCOMPARE(animation->duration(), 300);
        QCOMPARE(animation->startValue().toDouble(), 0.0);
        QCOMPARE(animation->endValue().toDouble(), 1.0);

        QStringList steps;
        connect(animation, &QAbstractAnimation::stateChanged, this,
                [&](QAbstractAnimation::State state) {
                    if (state == QAbstractAnimation::Running)
                        steps << (animation->direction() == QAbstractAnimation::Forward ? "in" : "out");
                });
        connect(animation, &QAbstractAnimation::finished, this, [&] { steps << "end"; });
        QVERIFY(toast->isVisible());
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->direction(), QAbstractAnimation::Forward);

        QTRY_COMPARE_WITH_TIMEOUT(steps, QStringList() << "end", kLifeTimeout);
        QVERIFY(toast->isVisible());
        QCOMPARE(toast->windowOpacity(), 1.0);
        QCOMPARE(hidden.count(), 0);  // the hold follows the fade-in

        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, kLifeTimeout);
        QCOMPARE(steps, QStringList() << "end" << "out" << "end");
        QVERIFY(!toast || !toast->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), kLifeTimeout);
        QVERIFY(m_parent);  // the parent is untouched
    }

    void secondShowWhileFadingInDoesNotRestart()
    {
        QPointer<QEToast> toast = new QEToast(parentAt(QRect(200, 200, 600, 400)));
        QSignalSpy hidden(toast.data(), &QEToast::didHide);
        toast->show();
        QPropertyAnimation *animation = animationOf(toast);
        QSignalSpy states(animation, &QAbstractAnimation::stateChanged);
        QSignalSpy finished(animation, &QAbstractAnimation::finished);
        QTRY_VERIFY_WITH_TIMEOUT(animation->currentTime() > 0 ||
                                     animation->state() != QAbstractAnimation::Running,
                                 kLifeTimeout);
        if (animation->state() != QAbstractAnimation::Running)
            QSKIP("fade-in finished before the second show could be tried");
        const int before = animation->currentTime();
        toast->show();
        QCOMPARE(states.count(), 0);
        QVERIFY(animation->currentTime() >= before);
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, kLifeTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), kLifeTimeout);
        QCOMPARE(finished.count(), 2);  // one fade-in, one fade-out
    }

    void hideWhileFadingInEndsOnce()
    {
        QPointer<QEToast> toast = new QEToast(parentAt(QRect(200, 200, 600, 400)));
        QSignalSpy hidden(toast.data(), &QEToast::didHide);
        toast->show();
        toast->hide();
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), kLifeTimeout);
        QCOMPARE(hidden.count(), 1);
    }

    void showWhileFadingOutComesBack()
    {
        QPointer<QEToast> toast = new QEToast(parentAt(QRect(200, 200, 600, 400)));
        QSignalSpy hidden(toast.data(), &QEToast::didHide);
        toast->show();
        QPropertyAnimation *animation = animationOf(toast);
        QTRY_VERIFY_WITH_TIMEOUT(animation->state() == QAbstractAnimation::Running
                                     && animation->direction() == QAbstractAnimation::Backward,
                                 kLifeTimeout);
        toast->show();
        QTRY_VERIFY_WITH_TIMEOUT(animation->state() == QAbstractAnimation::Stopped, kLifeTimeout);
        QVERIFY(toast);
        QVERIFY(toast->isVisible());
        QCOMPARE(hidden.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, kLifeTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), kLifeTimeout);
    }

    void modalDialogOverAToastDoesNotWait()
    {
        // A modal dialog shown while a toast fades in neither waits for it nor ends it early.
        QPointer<QEToast> toast = new QEToast(parentAt(QRect(200, 200, 600, 400)));
        QSignalSpy hidden(toast.data(), &QEToast::didHide);
        toast->show();
        QDialog dialog(m_parent.data());
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(toast);
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), kLifeTimeout);
        QCOMPARE(hidden.count(), 1);
    }
};

QTEST_MAIN(TestToast)
#include "test_toast.moc"
