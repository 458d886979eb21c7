// From window input to what reaches an iOS phone: the plain converter (one finger with its
// move throttle and the extra move before a lift, single wheel steps, HID key usages), the
// Controller's own gestures, the active rule, and the Bluetooth side of carrying messages out.

#include "ControlTestSupport.h"

#include "bluetooth/SCDeviceModelInfo.h"
#include "control/Controller.h"
#include "control/InputConvertAirplay.h"
#include "render/QRenderWidget.h"
#include "ui/QPVDeviceWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QtTest>

#include <linux/input-event-codes.h>

using controltest::MessageLog;

namespace {

const QSize kFrame(1080, 1920);
const QSize kShown(400, 800);
constexpr qint64 kClockBase = 1700000000000;  // wall-clock milliseconds
constexpr int kIosKind = 1;
// Carries nothing out, so the messages can be watched as they arrive.
constexpr int kNoControlKind = 4;

Qt::MouseButtons buttonsOf(const QString& letters)
{
    Qt::MouseButtons buttons;
    buttons.setFlag(Qt::LeftButton, letters.contains('L'));
    buttons.setFlag(Qt::RightButton, letters.contains('R'));
    buttons.setFlag(Qt::MiddleButton, letters.contains('M'));
    return buttons;
}

const QMap<QString, QEvent::Type> kMouseTypes = {{"press", QEvent::MouseButtonPress},
                                                 {"release", QEvent::MouseButtonRelease},
                                                 {"double", QEvent::MouseButtonDblClick},
                                                 {"move", QEvent::MouseMove}};

} // namespace

class TestControllerInput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mouseBecomesOneFinger_data();
    void mouseBecomesOneFinger();
    void wheelScrollsInSingleSteps_data();
    void wheelScrollsInSingleSteps();
    void keysBecomeHidUsages_data();
    void keysBecomeHidUsages();
    void notificationPullDownDrags();
    void backTapsOnIos();
    void nothingReachesThePhoneWhileInactive_data();
    void nothingReachesThePhoneWhileInactive();
    void touchesTurnWithThePhone_data();
    void touchesTurnWithThePhone();
    void iosMessagesReachTheDevice_data();
    void iosMessagesReachTheDevice();
    void oldIosTakesAbsoluteTouches_data();
    void oldIosTakesAbsoluteTouches();

private:
    // Runs "press|release|double|move <button> <held> x,y @ms" lines through the converter.
    void runMouse(const QStringList& script);
    Controller* makeController(int kind, bool active = true);

    std::unique_ptr<QPVDeviceWidget> m_window;
    std::unique_ptr<Controller> m_controller;
    std::unique_ptr<MessageLog> m_log;
    FakeBluetoothDevice m_phone;
    qint64 m_now = kClockBase;
};

void TestControllerInput::init()
{
    m_window = std::make_unique<QPVDeviceWidget>();
    m_phone.calls.clear();
    m_now = kClockBase;
    makeController(kNoControlKind);
    m_log = std::make_unique<MessageLog>(m_controller.get());
}

void TestControllerInput::cleanup()
{
    m_log.reset();
    m_controller.reset();
    m_window.reset();
}

Controller* TestControllerInput::makeController(int kind, bool active)
{
    m_log.reset();
    m_controller = std::make_unique<Controller>(kind, nullptr);
    m_controller->setBluetoothDevice(&m_phone, SCDeviceModelInfo::find("iPhone12,1"), 1400);
    m_controller->setDeviceWindow(m_window.get());
    m_controller->setBluetoothReady(active);
    auto* converter = qobject_cast<InputConvertAirplay*>(m_controller->inputConverter());
    converter->setClock([this] { return m_now; });
    return m_controller.get();
}

void TestControllerInput::runMouse(const QStringList& script)
{
    for (const QString& line : script) {
        const QStringList f = line.split(' ');
        const QStringList xy = f[3].split(',');
        m_now = kClockBase + f[4].mid(1).toLongLong();
        const QMouseEvent event(kMouseTypes.value(f[0]), QPointF(xy[0].toDouble(), xy[1].toDouble()),
                                Qt::MouseButton(int(buttonsOf(f[1]))), buttonsOf(f[2]), Qt::NoModifier);
        m_controller->onMouseEvent(&event, kFrame, kShown);
    }
}

void TestControllerInput::mouseBecomesOneFinger_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("expected");
    const QString in = " in 400x800";

    QTest::newRow("move with no button") << QStringList{"move - - 10,10 @0"} << QStringList{};
    QTest::newRow("press and release only") << QStringList{"press L L 10.6,20.4 @0", "release L - 10.4,20.6 @50"}
                                            << QStringList{"touch down b1 11,20" + in, "touch up b0 10,21" + in};
    // Moves closer than 15 ms to the last one sent are dropped; the lift brings the finger
    // to the release point first.
    QTest::newRow("press, moves, release")
        << QStringList{"press L L 10,20 @0", "move - L 11,21 @100", "move - L 12,22 @110", "move - L 13,23 @115",
                       "move - L 14,24 @129", "release L - 30,40 @200"}
        << QStringList{"touch down b1 10,20" + in, "touch move b1 11,21" + in, "touch move b1 13,23" + in,
                       "touch move b1 30,40" + in, "touch up b0 30,40" + in};
    QTest::newRow("right button") << QStringList{"press R R 5,5 @0", "move - R 6,6 @20", "release R - 7,7 @40"}
                                  << QStringList{"touch down b2 5,5" + in, "touch move b2 6,6" + in,
                                                 "touch move b1 7,7" + in, "touch up b0 7,7" + in};
    QTest::newRow("a new press starts the throttle over")
        << QStringList{"press L L 1,1 @0", "move - L 2,2 @100", "release L - 2,2 @105", "press L L 3,3 @106",
                       "move - L 4,4 @107", "release L - 4,4 @108"}
        << QStringList{"touch down b1 1,1" + in, "touch move b1 2,2" + in, "touch move b1 2,2" + in,
                       "touch up b0 2,2" + in, "touch down b1 3,3" + in, "touch move b1 4,4" + in,
                       "touch move b1 4,4" + in, "touch up b0 4,4" + in};
    QTest::newRow("middle button") << QStringList{"press M M 5,5 @0", "move - M 6,6 @20", "release M - 6,6 @40"}
                                   << QStringList{};
    QTest::newRow("middle released while left is held")
        << QStringList{"press L L 5,5 @0", "release M L 5,5 @1", "release L - 5,5 @2"}
        << QStringList{"touch down b1 5,5" + in, "touch up b0 5,5" + in};
    // Qt sends the second press of a double click as a double-click event.
    QTest::newRow("double click is two taps")
        << QStringList{"press L L 9,9 @0", "release L - 9,9 @40", "double L L 9,9 @80", "release L - 9,9 @120"}
        << QStringList{"touch down b1 9,9" + in, "touch up b0 9,9" + in, "touch down b1 9,9" + in,
                       "touch up b0 9,9" + in};
}

void TestControllerInput::mouseBecomesOneFinger()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, expected);
    runMouse(script);
    QCOMPARE(m_log->take(), expected);
}

void TestControllerInput::wheelScrollsInSingleSteps_data()
{
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("down a notch") << QPoint(0, -360) << QStringList{"scroll 0,-1 at 30,41 in 400x800"};
    QTest::newRow("sideways and up a little") << QPoint(-120, 15) << QStringList{"scroll -1,1 at 30,41 in 400x800"};
    QTest::newRow("no movement") << QPoint(0, 0) << QStringList{};
}

void TestControllerInput::wheelScrollsInSingleSteps()
{
    QFETCH(QPoint, angle);
    QFETCH(QStringList, expected);
    const QWheelEvent event(QPointF(30.2, 40.7), QPointF(130, 140), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
    m_controller->onWheelEvent(&event, kFrame, kShown);
    QCOMPARE(m_log->take(), expected);
}

void TestControllerInput::keysBecomeHidUsages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<uint>("scanCode");  // X11 keycode: evdev code + 8
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<QStringList>("expected");
    const int press = QEvent::KeyPress;
    QTest::newRow("A pressed") << press << uint(KEY_A + 8) << false << QStringList{"key down 4 meta 5"};
    QTest::newRow("A released") << int(QEvent::KeyRelease) << uint(KEY_A + 8) << false << QStringList{"key up 4 meta 5"};
    QTest::newRow("Up repeated") << press << uint(KEY_UP + 8) << true << QStringList{"key down 82 meta 5"};
    QTest::newRow("outside the table") << press << uint(KEY_MUTE + 8) << false << QStringList{"key down 255 meta 5"};
    QTest::newRow("no native code") << press << 0u << false << QStringList{"key down 0 meta 5"};
    QTest::newRow("not a press or release") << int(QEvent::ShortcutOverride) << uint(KEY_A + 8) << false << QStringList{};
}

void TestControllerInput::keysBecomeHidUsages()
{
    QFETCH(int, type);
    QFETCH(uint, scanCode);
    QFETCH(bool, autoRepeat);
    QFETCH(QStringList, expected);
    const QKeyEvent event(QEvent::Type(type), Qt::Key_A, Qt::NoModifier, scanCode, 0, 5, QString(), autoRepeat);
    m_controller->onKeyEvent(&event, kFrame, kShown);
    // A release is handed on once no repeated press of the key follows it.
    QStringList sent;
    QTRY_COMPARE_WITH_TIMEOUT((sent += m_log->take(), sent), expected, 2000);
}

void TestControllerInput::notificationPullDownDrags()
{
    // The synthetic drag runs within one call, so the clock stands still: the first move goes,
    // the other eight fall within the 15 ms throttle, and the lift brings the finger down to
    // where the drag ended.
    const QSize shown = m_window->renderWidget()->displayFrameSize();
    QVERIFY(!shown.isEmpty());
    auto line = [&](const char* what, double y) {
        return QString("touch %1 %2,%3 in %4x%5")
            .arg(what).arg(qRound(0.5 * shown.width())).arg(qRound(y)).arg(shown.width()).arg(shown.height());
    };
    const double top = 0.02 * shown.height();
    const double end = top + 9 * 0.05 * shown.height();
    const QStringList expected{line("down b1", top), line("move b1", top), line("move b1", end), line("up b0", end)};
    m_controller->onPostNotify();
    QCOMPARE(m_log->take(), expected);
}

void TestControllerInput::backTapsOnIos()
{
    // Android goes back with a system key, iOS with a tap on the top-left corner.
    m_controller->onPostGoBack();
    QCOMPARE(m_log->take(), QStringList({"system down 7", "system up 7"}));

    makeController(kIosKind);
    MessageLog log(m_controller.get());
    const QSize shown = m_window->renderWidget()->displayFrameSize();
    const QString at = QString("%1,%2 in %3x%4")
                           .arg(qRound(0.04 * shown.width())).arg(qRound(0.04 * shown.height()))
                           .arg(shown.width()).arg(shown.height());
    m_controller->onPostGoBack();
    QCOMPARE(log.take(), QStringList({"touch down b1 " + at, "touch up b0 " + at}));
}

void TestControllerInput::nothingReachesThePhoneWhileInactive_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("window");
    QTest::newRow("not ready") << false << false << true;
    QTest::newRow("paused") << true << true << true;
    QTest::newRow("no window") << true << false << false;
}

void TestControllerInput::nothingReachesThePhoneWhileInactive()
{
    QFETCH(bool, ready);
    QFETCH(bool, paused);
    QFETCH(bool, window);
    Controller* ios = makeController(kIosKind, ready);
    ios->setPaused(paused);
    if (!window)
        ios->setDeviceWindow(nullptr);
    QVERIFY(!ios->isActive());
    QVERIFY(!m_window->isControlDisplayed() || !window);

    ios->onPostGoHome();
    ios->onPostPower();
    const QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    ios->onMouseEvent(&press, kFrame, kShown);
    const QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, KEY_A + 8, 0, 0);
    ios->onKeyEvent(&key, kFrame, kShown);
    QCoreApplication::sendPostedEvents(ios, QMirraEvent::Control);
    QCOMPARE(m_phone.calls, QStringList());

    // Once active the same action reaches the phone; messages still queued when the
    // controller goes are dropped with it.
    ios->setDeviceWindow(m_window.get());
    ios->setBluetoothReady(true);
    ios->setPaused(false);
    QVERIFY(m_window->isControlDisplayed());
    ios->onPostPower();
    QCoreApplication::sendPostedEvents(ios, QMirraEvent::Control);
    QCOMPARE(m_phone.calls, QStringList({"consumer 2048 1", "consumer 2048 0"}));
    ios->onPostPower();
    m_controller.reset();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_phone.calls.size(), 2);
}

void TestControllerInput::touchesTurnWithThePhone_data()
{
    QTest::addColumn<QRect>("position");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRectF>("expected");
    const QRect portrait(100, 50, 400, 800);
    const QRect wide(100, 50, 800, 400);
    const QSize tall(720, 1280);
    QTest::newRow("upright") << portrait << 0 << tall << QRectF(100, 50, 400, 800);
    QTest::newRow("turned 90") << portrait << 4 << tall << QRectF(750, 100, 800, 400);
    QTest::newRow("turned 270") << portrait << 7 << tall << QRectF(50, 300, 800, 400);
    QTest::newRow("upside down") << portrait << 3 << tall << QRectF(300, 750, 400, 800);
    QTest::newRow("unknown code") << portrait << 1 << tall << QRectF(100, 50, 400, 800);
    // A tall picture shown on its side while the phone stands upright is turned like 90.
    QTest::newRow("upright, shown wide, tall frame") << wide << 0 << tall << QRectF(350, 100, 400, 800);
    QTest::newRow("upright, shown wide, wide frame") << wide << 0 << QSize(1280, 720) << QRectF(wide);
    QTest::newRow("upright, shown wide, no frame yet") << wide << 0 << QSize() << QRectF(wide);
    QTest::newRow("other code, shown wide, tall frame") << wide << 1 << tall << QRectF(wide);
}

void TestControllerInput::touchesTurnWithThePhone()
{
    QFETCH(QRect, position);
    QFETCH(int, rotation);
    QFETCH(QSize, frame);
    QFETCH(QRectF, expected);
    QCOMPARE(Controller::orientTouch(position, rotation, frame), expected);
}

void TestControllerInput::iosMessagesReachTheDevice_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("home") << "onPostGoHome"
                          << QStringList{"consumer 2 1", "consumer 2 0", "consumer 1 1", "consumer 1 0"};
    QTest::newRow("app switch") << "onPostAppSwitch"
                                << QStringList{"consumer 2 1", "consumer 2 0", "consumer 2 1", "consumer 2 0"};
    QTest::newRow("power") << "onPostPower" << QStringList{"consumer 2048 1", "consumer 2048 0"};
    QTest::newRow("volume") << "onPostVolumeUp" << QStringList{};
    // Only the low byte of a key code is the usage; actions other than down and up do nothing.
    QTest::newRow("key") << "key" << QStringList{"keyboard 1 4 17", "keyboard 0 4 17"};
    QTest::newRow("scroll") << "scroll" << QStringList{"mouse 0 0 -1 0"};
    QTest::newRow("dropped") << "dropped" << QStringList{};
}

void TestControllerInput::iosMessagesReachTheDevice()
{
    QFETCH(QString, action);
    QFETCH(QStringList, expected);
    Controller* ios = makeController(kIosKind);
    if (action == "key") {
        for (uint32_t keyAction : {0u, 1u, 2u}) {
            auto msg = std::make_unique<ControlMsg>(ControlMsg::KeyCode);
            msg->setKeyCodeMsgData(keyAction, 0x1004, 0x11);
            ios->postControlMsg(std::move(msg));
        }
    } else if (action == "scroll") {
        auto msg = std::make_unique<ControlMsg>(ControlMsg::Scroll);
        msg->setScrollMsgData(QRect(10, 10, 400, 800), 1, -1);
        ios->postControlMsg(std::move(msg));
    } else if (action == "dropped") {
        QString text("hello");
        ios->onPostTextInput(text);
        ios->onSetDeviceClipboard();
        ios->onRequestDeviceClipboard();
        ios->onSetScreenPowerMode(ControlMsg::ScreenPowerOff);
        ios->onExpandNotificationPanel();
        // A touch measured in no area says nothing about where to go.
        QTest::ignoreMessage(QtWarningMsg, "Controller dropped a touch measured in an empty area");
        auto touch = std::make_unique<ControlMsg>(ControlMsg::Touch);
        touch->setTouchMsgData(ControlMsg::kMousePointerId, ControlMsg::ActionDown, 1, QRect(5, 5, 0, 0), 1.0f);
        ios->postControlMsg(std::move(touch));
    } else {
        QVERIFY(QMetaObject::invokeMethod(ios, action.toLatin1().constData(), Qt::DirectConnection));
    }
    QCoreApplication::sendPostedEvents(ios, QMirraEvent::Control);
    QCOMPARE(m_phone.calls, expected);
}

void TestControllerInput::oldIosTakesAbsoluteTouches_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("firstCall");
    QTest::newRow("13.3.9") << 1339 << "touch 0.25 0.25 1";
    QTest::newRow("13.4.0") << 1340 << "mouse -121 0 0 0";  // the pointer is driven home first
    QTest::newRow("unknown") << 0 << "touch 0.25 0.25 1";
}

void TestControllerInput::oldIosTakesAbsoluteTouches()
{
    QFETCH(int, version);
    QFETCH(QString, firstCall);
    Controller* ios = makeController(kIosKind);
    ios->setBluetoothDevice(&m_phone, SCDeviceModelInfo::find("iPhone12,1"), version);
    QCOMPARE(int(ios->pointerDriver().speedTable().size()), 128);
    auto msg = std::make_unique<ControlMsg>(ControlMsg::Touch);
    msg->setTouchMsgData(ControlMsg::kMousePointerId, ControlMsg::ActionDown, 1, QRect(100, 200, 400, 800), 1.0f);
    ios->postControlMsg(std::move(msg));
    QCoreApplication::sendPostedEvents(ios, QMirraEvent::Control);
    QVERIFY(!m_phone.calls.isEmpty());
    QCOMPARE(m_phone.calls.first(), firstCall);
}

QTEST_MAIN(TestControllerInput)
#include "test_controller_input.moc"
