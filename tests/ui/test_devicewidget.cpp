#include "control/Controller.h"
#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "render/RenderTestFrames.h"
#include "ui/CropSelectionWidget.h"
#include "ui/KeepRatioWidget.h"
#include "ui/QPVDeviceCtrlBar.h"
#include "ui/QPVDeviceHIDControl.h"
#include "ui/QPVDeviceWidget.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A window whose receiver channel reports a phone name.
class NamedWindow : public QPVDeviceWidget {
public:
    QString name;

protected:
    QString phoneName() const override { return name; }
};

// Counts the events of one type that reach a widget.
class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type(type) {}
    QEvent::Type type;
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type)
            ++count;
        return false;
    }
};

// Remembers every size a widget is given.
class ResizeRecorder : public QObject {
public:
    QList<QSize> sizes;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            sizes.append(static_cast<QResizeEvent *>(event)->size());
        return false;
    }
};

AVFramePtr frameOf(const QSize &size)
{
    return testframes::toFrame(testframes::quadrants(size), AV_PIX_FMT_YUV420P);
}

QSize shrunkToScreen(QSize size, const QRect &available)
{
    while (size.width() > int(0.8 * available.width()) || size.height() > int(0.8 * available.height()))
        size *= 0.618;
    return size;
}

QAbstractButton *button(QWidget *window, const char *name)
{
    return window->findChild<QAbstractButton *>(QLatin1String(name));
}

int barHeight(QWidget *window)
{
    QWidget *wrapper = window->findChild<QWidget *>(QStringLiteral("titleCtrlbarWrapper"));
    return wrapper && !wrapper->isHidden() ? wrapper->height() : 0;
}

// Opens the window's context menu, notes its entries and picks `choice` (none: closes it).
QStringList useContextMenu(QWidget *window, const QString &choice = QString())
{
    QStringList entries;
    bool shown = false;
    QTimer::singleShot(0, window, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        shown = true;
        QAction *picked = nullptr;
        const auto actions = menu->actions();
        for (QAction *action : actions) {
            entries << (action->isSeparator() ? QStringLiteral("|") : action->text());
            if (!choice.isEmpty() && action->text() == choice)
                picked = action;
        }
        menu->close();
        if (picked)
            picked->trigger();
    });
    const QPoint at = window->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QApplication::sendEvent(window, &event);
    QCoreApplication::processEvents();
    return shown ? entries : QStringList();
}

QSize videoArea(QWidget *window)
{
    return window->size() - QSize(0, barHeight(window));
}

}  // namespace

class TestDeviceWidget : public QObject {
    Q_OBJECT
private:
    QScopedPointer<QPVDeviceWidget> m_window;
    QScopedPointer<PVDevice> m_device;

    QPVDeviceWidget *shownWindow(QPVDeviceWidget *window = nullptr)
    {
        m_window.reset(window ? window : new QPVDeviceWidget);
        m_window->move(40, 40);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.data()))
            qWarning("device window not exposed");
        return m_window.data();
    }

    QPVDeviceWidget *activeWindow(QPVDeviceWidget *window = nullptr)
    {
        window = shownWindow(window);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("device window not active");
        return window;
    }

    void showFrame(QPVDeviceWidget *window, const QSize &size)
    {
        AVFramePtr frame = frameOf(size);
        QVERIFY(frame);
        window->showFrame(frame.get());
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(resources);
        qRegisterMetaType<const QKeyEvent *>("const QKeyEvent*");
        qRegisterMetaType<const QMouseEvent *>("const QMouseEvent*");
        qRegisterMetaType<const QWheelEvent *>("const QWheelEvent*");
    }
    void cleanup()
    {
        m_window.reset();
        m_device.reset();
    }

    // The first frame sizes the window: shrunk by 0.618 until within 80 % of the screen's
    // available area, the bars added on top.
    void firstFrameFitsScreen_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("portrait 1080x1920") << QSize(1080, 1920);
        QTest::newRow("small fits") << QSize(854, 480);
        QTest::newRow("narrower than the minimum") << QSize(200, 400);
    }
    void firstFrameFitsScreen()
    {
        QFETCH(QSize, frame);
        QPVDeviceWidget *window = shownWindow();
        const QRect available = window->windowHandle()->screen()->availableGeometry();
        // The bars set the narrowest the window can be; the video box alone asks for 320.
        const int minimumWidth = qMax(window->minimumWidth(), window->minimumSizeHint().width());
        QVERIFY(minimumWidth >= 320);
        QSize before = frame;
        if (frame.width() < minimumWidth)
            before = QSize(minimumWidth, int(minimumWidth * double(frame.height()) / frame.width()));
        ResizeRecorder resizes;
        window->installEventFilter(&resizes);
        showFrame(window, frame);
        const QSize expected = shrunkToScreen(before, available);
        QVERIFY(barHeight(window) > 0);
        QVERIFY(!resizes.sizes.isEmpty());
        QCOMPARE(resizes.sizes.first(), expected + QSize(0, barHeight(window)));
        // Turning to the phone's orientation then fits the window to the video box, whose
        // sides are rounded up to the aspect: at most a pixel apart.
        QTRY_VERIFY(qAbs(videoArea(window).width() - expected.width()) <= 1);
        QVERIFY(qAbs(videoArea(window).height() - expected.height()) <= 1);
        QCOMPARE(window->frameSize(), frame);
    }

    void fittingExampleOfA1080pScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        if (available.width() < 1484 || available.width() >= 2400 || available.height() < 834
            || available.height() >= 1350)
            QSKIP("needs a screen where a single shrinking step fits");
        QPVDeviceWidget *window = shownWindow();
        ResizeRecorder resizes;
        window->installEventFilter(&resizes);
        showFrame(window, QSize(1920, 1080));
        QVERIFY(!resizes.sizes.isEmpty());
        QCOMPARE(resizes.sizes.first(), QSize(1187, 667 + barHeight(window)));
    }

    void newFrameSizeRefitsSameSizeDoesNot()
    {
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, QSize(854, 480));
        QTRY_COMPARE(videoArea(window), QSize(854, 480));
        window->resize(500, 400);
        QTRY_COMPARE(window->size(), QSize(500, 400));
        showFrame(window, QSize(854, 480));
        QCOMPARE(window->size(), QSize(500, 400));
        showFrame(window, QSize(480, 854));
        QTRY_COMPARE(videoArea(window), QSize(480, 854));
        QCOMPARE(window->frameSize(), QSize(480, 854));
        QCOMPARE(window->renderWidget()->frameSize(), QSize(480, 854));
    }

    void badFramesAreIgnored()
    {
        QPVDeviceWidget *window = shownWindow();
        qRegisterMetaType<int64_t>("int64_t");
        QSignalSpy shown(window, &QPVDeviceWidget::frameShown);
        AVFramePtr good = frameOf(QSize(854, 480));
        QVERIFY(good);
        good->pts = 4200;
        window->showFrame(good.get());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).value<int64_t>(), int64_t(4200));
        const QSize before = window->size();
        QTest::ignoreMessage(QtWarningMsg, "Device window was given no frame");
        window->showFrame(nullptr);
        AVFramePtr empty(av_frame_alloc());
        QTest::ignoreMessage(QtWarningMsg, "Device window ignored a frame of size 0x0");
        window->showFrame(empty.get());
        QCOMPARE(window->frameSize(), QSize(854, 480));
        QCOMPARE(window->size(), before);
        QCOMPARE(shown.count(), 1);  // nothing reached the renderer
    }

    void phoneRotation_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("angle");
        QTest::addColumn<bool>("landscapeWindow");
        QTest::newRow("portrait, up") << QSize(480, 854) << 0 << 0 << false;
        QTest::newRow("portrait, upside down") << QSize(480, 854) << 3 << 180 << false;
        QTest::newRow("portrait, dir 4") << QSize(480, 854) << 4 << 90 << true;
        QTest::newRow("portrait, dir 7") << QSize(480, 854) << 7 << 270 << true;
        QTest::newRow("portrait, unknown code") << QSize(480, 854) << 5 << 0 << false;
        QTest::newRow("landscape, dir 4") << QSize(854, 480) << 4 << 90 << false;
        QTest::newRow("landscape, dir 3") << QSize(854, 480) << 3 << 180 << true;
    }
    void phoneRotation()
    {
        QFETCH(QSize, frame);
        QFETCH(int, dir);
        QFETCH(int, angle);
        QFETCH(bool, landscapeWindow);
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, frame);
        QTRY_COMPARE(videoArea(window), frame);
        window->setPhoneRotation(dir);
        QCOMPARE(window->renderWidget()->rotation(), angle);
        const QSize area = videoArea(window);
        const QSize expected = landscapeWindow ? QSize(854, 480) : QSize(480, 854);
        QTRY_COMPARE(videoArea(window), expected);
        QCOMPARE(area.width() > area.height(), landscapeWindow);
        auto *box = window->findChild<KeepRatioWidget *>(QStringLiteral("ratioContent"));
        QVERIFY(qAbs(box->ratio() - double(expected.width()) / expected.height()) < 1e-9);
    }

    void rotate90AddsToThePhoneRotation()
    {
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, QSize(854, 480));
        QTRY_COMPARE(videoArea(window), QSize(854, 480));
        button(window, "btnRotate")->click();
        QCOMPARE(window->renderWidget()->rotation(), 90);
        QTRY_COMPARE(videoArea(window), QSize(480, 854));
        button(window, "btnRotate")->click();
        QCOMPARE(window->renderWidget()->rotation(), 180);
        QTRY_COMPARE(videoArea(window), QSize(854, 480));
        // The user's turn stays on top of what the phone reports.
        window->setPhoneRotation(4);
        QCOMPARE(window->renderWidget()->rotation(), 270);
        QTRY_COMPARE(videoArea(window), QSize(480, 854));
        window->setPhoneRotation(0);
        QCOMPARE(window->renderWidget()->rotation(), 180);
    }

    void escapeInFullScreenLeavesAndIsNotSent()
    {
        m_device.reset(new PVDevice(nullptr));
        QPVDeviceWidget *window = activeWindow();
        window->setDevice(m_device.data());
        QSignalSpy keys(m_device.data(), &PVDevice::keyEvent);
        button(window, "btnFullScreen")->click();
        QTRY_VERIFY(window->isFullScreen());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window->isFullScreen());
        QCOMPARE(keys.count(), 0);
        // Back in the normal window the bars are part of it again.
        QWidget *wrapper = window->findChild<QWidget *>(QStringLiteral("titleCtrlbarWrapper"));
        QVERIFY(!wrapper->isWindow());
        QCOMPARE(wrapper->parentWidget(), window->findChild<QWidget *>(QStringLiteral("content")));
    }

    void fullScreenFloatsTheBars()
    {
        QPVDeviceWidget *window = shownWindow();
        QWidget *wrapper = window->findChild<QWidget *>(QStringLiteral("titleCtrlbarWrapper"));
        window->showFullScreen();
        QTRY_VERIFY(window->isFullScreen());
        QVERIFY(wrapper->isWindow());
        QVERIFY(wrapper->windowFlags() & Qt::Tool);
        QVERIFY(wrapper->isVisible());
        window->showNormal();
        QTRY_VERIFY(!wrapper->isWindow());
    }

    void wheelIsAlwaysConsumed_data()
    {
        QTest::addColumn<bool>("withDevice");
        QTest::newRow("no device") << false;
        QTest::newRow("device without input") << true;
    }
    void wheelIsAlwaysConsumed()
    {
        QFETCH(bool, withDevice);
        QPVDeviceWidget *window = shownWindow();
        if (withDevice) {
            m_device.reset(new PVDevice(nullptr));
            window->setDevice(m_device.data());
        }
        EventCounter below(QEvent::Wheel);
        window->installEventFilter(&below);
        QRenderWidget *render = window->renderWidget();
        const QPointF at(render->width() / 2.0, render->height() / 2.0);
        QWheelEvent wheel(at, render->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(render, &wheel);
        QCOMPARE(below.count, 0);
    }

    void mouseWithoutInputReachesTheWindow()
    {
        m_device.reset(new PVDevice(nullptr));
        QPVDeviceWidget *window = shownWindow();
        window->setDevice(m_device.data());
        QSignalSpy mice(m_device.data(), &PVDevice::mouseEvent);
        EventCounter below(QEvent::MouseButtonPress);
        window->installEventFilter(&below);
        QRenderWidget *render = window->renderWidget();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(render, &press);
        // Not taken for the phone, so the window may still start a drag or resize.
        QCOMPARE(below.count, 1);
        QCOMPARE(mice.count(), 0);
    }

    void shortcutsClickTheirButtons_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<bool>("clicked");
        QTest::addColumn<bool>("controlOn");
        const int alt = Qt::AltModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("Alt+1") << int(Qt::Key_1) << alt << "btnRecord" << true << true;
        QTest::newRow("Alt+2") << int(Qt::Key_2) << alt << "btnRotate" << true << true;
        QTest::newRow("Alt+3") << int(Qt::Key_3) << alt << "btnCapture" << true << true;
        QTest::newRow("Alt+4") << int(Qt::Key_4) << alt << "btnFPS" << true << true;
        QTest::newRow("Alt+5") << int(Qt::Key_5) << alt << "btnVolume" << true << true;
        QTest::newRow("Alt+6") << int(Qt::Key_6) << alt << "btnPin" << true << true;
        QTest::newRow("Alt+7") << int(Qt::Key_7) << alt << "btnFullScreen" << true << true;
        QTest::newRow("Shift+1") << int(Qt::Key_1) << shift << "btnHome" << true << true;
        QTest::newRow("Shift+2") << int(Qt::Key_2) << shift << "btnBack" << true << true;
        QTest::newRow("Shift+3") << int(Qt::Key_3) << shift << "btnNotify" << true << true;
        QTest::newRow("Shift+4") << int(Qt::Key_4) << shift << "btnAppSwitch" << true << true;
        QTest::newRow("Shift+5") << int(Qt::Key_5) << shift << "btnPower" << true << true;
        // Phone buttons do nothing while the phone cannot be controlled.
        QTest::newRow("Shift+1, no control") << int(Qt::Key_1) << shift << "btnHome" << false << false;
        QTest::newRow("Shift+5, no control") << int(Qt::Key_5) << shift << "btnPower" << false << false;
        QTest::newRow("Alt+3, no control") << int(Qt::Key_3) << alt << "btnCapture" << true << false;
        // The key mapper is for Android phones only; without one its button is hidden.
        QTest::newRow("Shift+6 hidden") << int(Qt::Key_6) << shift << "btnKBMapper" << false << true;
    }
    void shortcutsClickTheirButtons()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, buttonName);
        QFETCH(bool, clicked);
        QFETCH(bool, controlOn);
        QPVDeviceWidget *window = activeWindow();
        window->setControlDisplay(controlOn);
        QAbstractButton *target = button(window, buttonName.toLatin1().constData());
        QVERIFY(target);
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicks.count(), clicked ? 1 : 0);
        if (window->isFullScreen())
            window->showNormal();
    }

    void shortcutsOfHiddenGroupsDoNothing_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("buttonName");
        QTest::newRow("Alt+1, record group") << "grpRecord" << int(Qt::Key_1) << "btnRecord";
        QTest::newRow("Alt+6, window group") << "grpWindow" << int(Qt::Key_6) << "btnPin";
        QTest::newRow("Alt+7, window group") << "grpWindow" << int(Qt::Key_7) << "btnFullScreen";
    }
    void shortcutsOfHiddenGroupsDoNothing()
    {
        QFETCH(QString, group);
        QFETCH(int, key);
        QFETCH(QString, buttonName);
        QPVDeviceWidget *window = activeWindow();
        window->findChild<QWidget *>(group)->hide();
        QAbstractButton *target = button(window, buttonName.toLatin1().constData());
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        QTest::keyClick(window, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(clicks.count(), 0);
        // Alt+2 has no such condition.
        QSignalSpy rotations(button(window, "btnRotate"), &QAbstractButton::clicked);
        QTest::keyClick(window, Qt::Key_2, Qt::AltModifier);
        QCOMPARE(rotations.count(), 1);
    }

    void sidePanelButtonsPostToTheDevice_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("home") << "btnHome" << QByteArray(SIGNAL(postGoHome()));
        QTest::newRow("back") << "btnBack" << QByteArray(SIGNAL(postGoBack()));
        QTest::newRow("notify") << "btnNotify" << QByteArray(SIGNAL(postNotify()));
        QTest::newRow("app switch") << "btnAppSwitch" << QByteArray(SIGNAL(postAppSwitch()));
        QTest::newRow("power") << "btnPower" << QByteArray(SIGNAL(postPower()));
        QTest::newRow("key mapper") << "btnKBMapper" << QByteArray(SIGNAL(postKBMapper()));
    }
    void sidePanelButtonsPostToTheDevice()
    {
        QFETCH(QString, buttonName);
        QFETCH(QByteArray, signal);
        m_device.reset(new PVDevice(nullptr));
        m_window.reset(new QPVDeviceWidget);
        m_window->setDevice(m_device.data());
        m_window->setControlDisplay(true);
        QSignalSpy posts(m_device.data(), signal.constData());
        button(m_window.data(), buttonName.toLatin1().constData())->click();
        QCOMPARE(posts.count(), 1);
    }

    void volumeButtonMutesAndFollowsTheDevice()
    {
        m_device.reset(new PVDevice(nullptr));
        m_window.reset(new QPVDeviceWidget);
        m_window->setDevice(m_device.data());
        QAbstractButton *volume = button(m_window.data(), "btnVolume");
        QVERIFY(volume->isChecked());
        QSignalSpy mutes(m_device.data(), &PVDevice::volumeMuteChanged);
        volume->click();
        QCOMPARE(mutes.count(), 1);
        QCOMPARE(mutes.at(0).at(0).toBool(), true);
        QCOMPARE(volume->toolTip(), QStringLiteral("Volume Off"));
        // A change made elsewhere (the application unmutes a new phone) shows on the button.
        emit m_device->volumeMuteChanged(false);
        QVERIFY(volume->isChecked());
        QCOMPARE(volume->toolTip(), QStringLiteral("Volume On"));
    }

    void sidePanelPlacement_data()
    {
        QTest::addColumn<QPoint>("bar");
        QTest::addColumn<QPoint>("expected");
        const QRect available(100, 0, 1820, 1040);
        // Panel 44 x 260, bar 34 high.
        QTest::newRow("room on the left") << QPoint(400, 300) << QPoint(356, 300);
        QTest::newRow("just enough room") << QPoint(144, 300) << QPoint(100, 300);
        QTest::newRow("one pixel short") << QPoint(143, 300) << QPoint(100, 334);
        QTest::newRow("at the edge") << QPoint(100, 50) << QPoint(100, 84);
    }
    void sidePanelPlacement()
    {
        QFETCH(QPoint, bar);
        QFETCH(QPoint, expected);
        const QRect available(100, 0, 1820, 1040);
        QCOMPARE(QPVDeviceCtrlBar::sidePanelPosition(bar, 34, QSize(44, 260), available), expected);
    }

    void showHideButtonPlacesThePanel()
    {
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, QSize(854, 480));
        window->move(400, 200);
        auto *bar = window->findChild<QPVDeviceCtrlBar *>();
        auto *panel = window->findChild<QPVDeviceHIDControl *>();
        QAbstractButton *showHide = button(window, "btnShowHide");
        QCOMPARE(showHide->toolTip(), QStringLiteral("Show Device Control"));
        showHide->click();
        QTRY_VERIFY(panel->isVisible());
        QVERIFY(showHide->isChecked());
        QCOMPARE(showHide->toolTip(), QStringLiteral("Hide Device Control"));
        const QPoint barCorner = bar->mapToGlobal(QPoint(0, 0));
        QTRY_COMPARE(panel->pos(), QPoint(barCorner.x() - panel->width(), barCorner.y()));
        showHide->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(showHide->toolTip(), QStringLiteral("Show Device Control"));
    }

    void recordClock_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << "00:00:00";
        QTest::newRow("a minute less a second") << 59 << "00:00:59";
        QTest::newRow("an hour, a minute, a second") << 3661 << "01:01:01";
        QTest::newRow("a long day") << 100 * 3600 + 59 * 60 + 59 << "100:59:59";
        QTest::newRow("negative") << -5 << "00:00:00";
    }
    void recordClock()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(QPVDeviceCtrlBar::recordClockText(seconds), text);
    }

    void fpsReadOut()
    {
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, QSize(854, 480));
        QLabel *label = window->findChild<QLabel *>(QStringLiteral("labelFPS"));
        QVERIFY(label);
        QWidget *fpsWindow = label->parentWidget();
        QVERIFY(fpsWindow->isHidden());
        window->updateFps(58);
        QCOMPARE(label->text(), QStringLiteral("854 x 480\nFPS: 58"));
        QVERIFY(fpsWindow->isVisible());
        QCOMPARE(fpsWindow->size(), QSize(100, 50));
        QTRY_COMPARE(fpsWindow->pos(), window->renderWidget()->mapToGlobal(QPoint(15, 15)));
        window->updateFps(0);
        QCOMPARE(label->text(), QStringLiteral("854 x 480\nFPS: 0"));
        window->updateFps(-1);
        QVERIFY(fpsWindow->isHidden());
    }

    void titles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::newRow("no name") << QString() << "Pivora (Window Capture)" << "Pivora";
        QTest::newRow("named") << QString::fromUtf8("Anna’s iPhone")
                               << QString::fromUtf8("Pivora (Window Capture) - Anna’s iPhone")
                               << QString::fromUtf8("Pivora - Anna’s iPhone");
    }
    void titles()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, label);
        auto *window = new NamedWindow;
        m_window.reset(window);
        window->name = name;
        window->refreshTitles();
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("labelDevice"))->text(), label);
    }

    void modeOneHasNoBarsAndKeepsItsSize()
    {
        QPVDeviceWidget *window = shownWindow();
        window->setMode(1);
        // Without the bars nothing holds the window wide.
        QTRY_COMPARE(window->minimumWidth(), 0);
        window->resize(300, 300);
        QTRY_COMPARE(window->size(), QSize(300, 300));
        showFrame(window, QSize(854, 480));
        QCOMPARE(window->size(), QSize(300, 300));
        QVERIFY(window->findChild<QWidget *>(QStringLiteral("titleCtrlbarWrapper"))->isHidden());
        auto *box = window->findChild<KeepRatioWidget *>(QStringLiteral("ratioContent"));
        QVERIFY(qAbs(box->ratio() - 854.0 / 480.0) < 1e-9);
        QCOMPARE(box->minimumWidth(), 0);
        QTest::ignoreMessage(QtWarningMsg, "Device window ignored unknown mode 2");
        window->setMode(2);
        QCOMPARE(window->mode(), 1);
    }

    void contextMenuEntries()
    {
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, QSize(854, 480));
        const QStringList normal = {"Hide Control Bar", "|", "Rotate 90°", "Pin", "|",
                                    "Fullscreen", "|", "Crop", "|", "Close"};
        QCOMPARE(useContextMenu(window), normal);
        window->showFullScreen();
        QTRY_VERIFY(window->isFullScreen());
        QCOMPARE(useContextMenu(window),
                 QStringList({"Hide Control Bar", "|", "Rotate 90°", "Pin", "|",
                              "Exit Fullscreen", "|", "Close"}));
        window->showNormal();
        QTRY_VERIFY(!window->isFullScreen());
        // Inside the multi-device center there is no menu.
        window->setMode(1);
        QCOMPARE(useContextMenu(window), QStringList());
    }

    // While the crop is edited the phone gets no input, and its buttons are off.
    void cropEditingPausesInput()
    {
        m_device.reset(new PVDevice(nullptr));
        QPVDeviceWidget *window = shownWindow();
        window->setDevice(m_device.data());
        Controller *controller = m_device->controller();
        controller->setDeviceWindow(window);
        controller->setBluetoothReady(true);
        showFrame(window, QSize(854, 480));
        QVERIFY(m_device->acceptsInput());
        QVERIFY(window->isControlDisplayed());

        for (const char *end : {"Cancel", "Confirm"}) {
            useContextMenu(window, "Crop");
            QVERIFY(controller->isPaused());
            QVERIFY(!m_device->acceptsInput());
            QVERIFY(!window->isControlDisplayed());
            QVERIFY(!button(window, "btnHome")->isEnabled());
            useContextMenu(window, end);
            QVERIFY(!controller->isPaused());
            QVERIFY(m_device->acceptsInput());
            QVERIFY(button(window, "btnHome")->isEnabled());
        }
    }

    void cropConfirmCancelReset()
    {
        QPVDeviceWidget *window = shownWindow();
        showFrame(window, QSize(854, 480));
        QTRY_COMPARE(videoArea(window), QSize(854, 480));
        const QRect before = window->geometry();
        QRenderWidget *render = window->renderWidget();

        // Cancel keeps everything.
        useContextMenu(window, "Crop");
        auto *selection = window->findChild<CropSelectionWidget *>();
        QVERIFY(selection);
        QCOMPARE(useContextMenu(window), QStringList({"Reset", "Confirm", "Cancel"}));
        selection->setSelection(QRect(0, 0, 427, 240));
        useContextMenu(window, "Cancel");
        QVERIFY(!window->findChild<CropSelectionWidget *>());
        QCOMPARE(render->cropRect(), QRectF(0, 0, 1, 1));
        QTRY_COMPARE(window->geometry(), before);

        // Confirm: the right half of the picture, the window shrinks around it.
        useContextMenu(window, "Crop");
        selection = window->findChild<CropSelectionWidget *>();
        QVERIFY(selection);
        QTRY_COMPARE(selection->size(), render->size());
        const int half = render->width() / 2;
        const QRect picked(half, 0, render->width() - half, render->height());
        selection->setSelection(picked);
        const QPoint pickedOnScreen = selection->mapToGlobal(picked.topLeft());
        const double left = double(half) / render->width();
        useContextMenu(window, "Confirm");
        const QRectF crop = render->cropRect();
        QVERIFY(qAbs(crop.x() - left) < 1e-9);
        QVERIFY(qAbs(crop.width() - 0.5) < 0.01);
        QCOMPARE(crop.y(), 0.0);
        QCOMPARE(crop.height(), 1.0);
        QTRY_COMPARE(videoArea(window), picked.size());
        QTRY_COMPARE(render->mapToGlobal(QPoint(0, 0)), pickedOnScreen);
        QVERIFY(useContextMenu(window).contains("Reset"));

        // Reset shows the whole frame again at its own aspect.
        useContextMenu(window, "Reset");
        QCOMPARE(render->cropRect(), QRectF(0, 0, 1, 1));
        auto *box = window->findChild<KeepRatioWidget *>(QStringLiteral("ratioContent"));
        QTRY_VERIFY(qAbs(box->ratio() - 854.0 / 480.0) < 0.01);
        QVERIFY(!useContextMenu(window).contains("Reset"));
    }

    void hidingTheBarsKeepsTheVideo()
    {
        QPVDeviceWidget *window = activeWindow();
        showFrame(window, QSize(854, 480));
        QTRY_COMPARE(videoArea(window), QSize(854, 480));
        const int bars = barHeight(window);
        QTest::keyClick(window, Qt::Key_0, Qt::AltModifier);
        QTRY_COMPARE(window->size(), QSize(854, 480));
        // The record group went with the bar, so its shortcut does nothing now.
        QSignalSpy records(button(window, "btnRecord"), &QAbstractButton::clicked);
        QTest::keyClick(window, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(records.count(), 0);
        QCOMPARE(useContextMenu(window), QStringList());
        QTest::keyClick(window, Qt::Key_0, Qt::AltModifier);
        QTRY_COMPARE(window->size(), QSize(854, 480 + bars));
    }

    void pinKeepsTheWindowOnTop()
    {
        QPVDeviceWidget *window = shownWindow();
        QAbstractButton *pin = button(window, "btnPin");
        pin->click();
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QTRY_VERIFY(window->isVisible());
        pin->click();
        QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
        QTRY_VERIFY(window->isVisible());
        window->didTopMostChanged(true);
        QVERIFY(pin->isChecked());
    }

    void activationIsAnnounced()
    {
        auto *window = new QPVDeviceWidget;
        QSignalSpy activations(window, &QPVDeviceWidget::didActivate);
        activeWindow(window);
        QTRY_VERIFY(activations.count() >= 1);
    }

    void closingDoesNotQuit()
    {
        m_window.reset(new QPVDeviceWidget);
        QVERIFY(!m_window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    }
};

// The aspect box on its own.
class TestKeepRatioWidget : public QObject {
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QRect>("child");
        QTest::newRow("start fills") << QSize(400, 300) << -1.0 << QRect(0, 0, 400, 300);
        QTest::newRow("zero fills") << QSize(400, 300) << 0.0 << QRect(0, 0, 400, 300);
        QTest::newRow("16:9 in a square") << QSize(400, 400) << 16.0 / 9 << QRect(0, 87, 400, 225);
        QTest::newRow("9:16 in a square") << QSize(400, 400) << 9.0 / 16 << QRect(87, 0, 225, 400);
        QTest::newRow("square in landscape") << QSize(400, 300) << 1.0 << QRect(50, 0, 300, 300);
        QTest::newRow("square in portrait") << QSize(300, 400) << 1.0 << QRect(0, 50, 300, 300);
        QTest::newRow("wide in wider") << QSize(300, 100) << 2.0 << QRect(50, 0, 200, 100);
        QTest::newRow("exact fit") << QSize(1920, 1080) << 1920.0 / 1080 << QRect(0, 0, 1920, 1080);
        QTest::newRow("rounds up") << QSize(1187, 667) << 1920.0 / 1080 << QRect(0, 0, 1186, 667);
        QTest::newRow("odd space halves down") << QSize(401, 400) << 1.0 << QRect(0, 0, 400, 400);
    }
    void layout()
    {
        QFETCH(QSize, area);
        QFETCH(double, ratio);
        QFETCH(QRect, child);
        QCOMPARE(KeepRatioWidget::childRect(area, ratio), child);

        KeepRatioWidget box;
        auto *inner = new QWidget;
        box.setWidget(inner);
        QCOMPARE(inner->parentWidget(), &box);
        box.resize(area);
        box.setRatio(ratio);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(inner->geometry(), child);
        QCOMPARE(box.childSize(), ratio < 0 ? QSize() : child.size());
    }

    void followsResizeAndIgnoresTinyChanges()
    {
        KeepRatioWidget box;
        QCOMPARE(box.childSize(), QSize());
        auto *inner = new QWidget;
        box.setWidget(inner);
        box.setRatio(2.0);
        box.resize(400, 400);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(inner->geometry(), QRect(0, 100, 400, 200));
        box.resize(200, 400);
        QTRY_COMPARE(inner->geometry(), QRect(0, 150, 200, 100));
        inner->setGeometry(0, 0, 10, 10);
        box.setRatio(2.0 + 1e-7);
        QCOMPARE(inner->geometry(), QRect(0, 0, 10, 10));
        box.setRatio(2.5);
        QCOMPARE(inner->geometry(), QRect(0, 160, 200, 80));
    }
};

// Selections over a turned picture come back as fractions of the unturned frame, in agreement
// with how the renderer maps positions.
class TestCropMapping : public QObject {
    Q_OBJECT
private slots:
    void agreesWithTheRenderer_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::newRow("0") << 0;
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
    }
    void agreesWithTheRenderer()
    {
        QFETCH(int, rotation);
        QRenderWidget render(nullptr, QRenderWidget::Raster, false);
        render.setFrameSize(QSize(800, 400));
        render.resize(rotation % 180 ? QSize(200, 400) : QSize(400, 200));
        render.rotate(rotation, false);
        const QRectF view(0.25, 0.1, 0.5, 0.3);
        const QRectF mapped = CropSelectionWidget::viewToFrame(view, rotation);
        const QSize shown = render.displayFrameSize();
        const QSizeF widget = render.size();
        const QPointF a = render.mapToFrame(QPointF(view.left() * widget.width(), view.top() * widget.height()));
        const QPointF b = render.mapToFrame(QPointF(view.right() * widget.width(), view.bottom() * widget.height()));
        const QRectF expected = QRectF(QPointF(a.x() / shown.width(), a.y() / shown.height()),
                                       QPointF(b.x() / shown.width(), b.y() / shown.height()))
                                    .normalized();
        QVERIFY2(qAbs(mapped.x() - expected.x()) < 1e-9 && qAbs(mapped.y() - expected.y()) < 1e-9
                     && qAbs(mapped.width() - expected.width()) < 1e-9
                     && qAbs(mapped.height() - expected.height()) < 1e-9,
                 qPrintable(QString("%1,%2 %3x%4").arg(mapped.x()).arg(mapped.y()).arg(mapped.width()).arg(mapped.height())));
    }

    void composesWithAnEarlierCrop()
    {
        const QRectF outer(0.25, 0.0, 0.5, 1.0);
        const QRectF inner(0.5, 0.5, 0.5, 0.5);
        QCOMPARE(CropSelectionWidget::compose(outer, inner), QRectF(0.5, 0.5, 0.25, 0.5));
        QCOMPARE(CropSelectionWidget::compose(QRectF(0, 0, 1, 1), inner), inner);
    }
};

// Runs every class, or with function names on the command line only the classes that have them.
static bool selected(QObject *tests, int argc, char **argv)
{
    bool named = false;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true;
        named = true;
        const QByteArray function = QByteArray(argv[i]).split(':').first() + "()";
        if (tests->metaObject()->indexOfMethod(function.constData()) >= 0)
            return true;
    }
    return !named;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestKeepRatioWidget keepRatio;
    TestCropMapping crop;
    TestDeviceWidget window;
    int status = 0;
    for (QObject *tests : {static_cast<QObject *>(&keepRatio), static_cast<QObject *>(&crop),
                           static_cast<QObject *>(&window)}) {
        if (selected(tests, argc, argv))
            status |= QTest::qExec(tests, argc, argv);
    }
    return status;
}

#include "test_devicewidget.moc"
