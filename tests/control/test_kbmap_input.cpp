// Playing key maps through a Controller: fingers for keys and buttons, the joystick and its
// sprint, ten fingers at most, camera movement at both ends of the sensitivity scale,
// shooting mode, aiming, walking, and held keys that stay held.

#include "ControlTestSupport.h"

#include "control/Controller.h"
#include "control/InputConvertKBMapper.h"
#include "render/QRenderWidget.h"
#include "ui/QPVDeviceWidget.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <linux/input-event-codes.h>

using controltest::MessageLog;

namespace {

const QSize kArea(1000, 500);
// Jitter 0, paths of eight steps without wobble, 4 ms apart.
constexpr quint32 kMiddle = 0x80000000u;
// Carries nothing out, so the messages can be watched as they arrive.
constexpr int kNoControlKind = 4;
// Long enough for a release to be handed on, a delayed finger to go down and a path to end.
constexpr int kSettleMs = 150;

QByteArray click(const char* key, double x, double y, int item = 1, int role = 0, double w = 0.04, double h = 0.09)
{
    return QString("{\"itemType\": %1, \"roleType\": %2, \"key\": \"%3\", \"pos\": {\"x\": %4, \"y\": %5}, "
                   "\"size\": {\"width\": %6, \"height\": %7}}")
        .arg(item).arg(role).arg(key).arg(x).arg(y).arg(w).arg(h).toUtf8();
}

QByteArray wheel(const char* up, const char* left, const char* down, const char* right, double x, double y)
{
    return QString("{\"itemType\": 4, \"pos\": {\"x\": %5, \"y\": %6}, \"size\": {\"width\": 0.15, \"height\": 0.3}, "
                   "\"keyUp\": {\"key\": \"%1\", \"offset\": {\"x\": 0, \"y\": -0.1}}, \"keyLeft\": {\"key\": \"%2\", \"offset\": {\"x\": -0.05, \"y\": 0}}, "
                   "\"keyDown\": {\"key\": \"%3\", \"offset\": {\"x\": 0, \"y\": 0.1}}, \"keyRight\": {\"key\": \"%4\", \"offset\": {\"x\": 0.05, \"y\": 0}}}")
        .arg(up, left, down, right).arg(x).arg(y).toUtf8();
}

QByteArray profile(const QList<QByteArray>& nodes)
{
    QByteArray keys;
    for (const QByteArray& node : nodes)
        keys += (keys.isEmpty() ? "" : ",") + node;
    return "{\"canvas_size\": {\"width\": 1000, \"height\": 500}, \"keys\": [" + keys + "]}";
}

// Space, a W/A/S/D joystick, a field of view, the left button as fire, X double, J drag,
// Alt rotate view and Tab backpack.
QByteArray shooter()
{
    return profile({click("Key_Space", 0.9, 0.7), wheel("Key_W", "Key_A", "Key_S", "Key_D", 0.2, 0.7),
                    click("", 0.6, 0.4, 5, 6, 0.1, 0.2), click("LeftButton", 0.85, 0.5), click("Key_X", 0.5, 0.8, 2),
                    "{\"itemType\": 3, \"key\": \"Key_J\", \"pos\": {\"x\": 0.6, \"y\": 0.8}, "
                    "\"points\": [{\"x\": 0.6, \"y\": 0.9}, {\"x\": 0.6, \"y\": 0.7}]}",
                    click("Key_Alt", 0.75, 0.2, 5, 4), click("Key_Tab", 0.05, 0.9, 1, 1)});
}

// Arrow-key joystick, right-click walking, Q smart magic, Space cancelling it.
QByteArray arena()
{
    return profile({wheel("Key_Up", "Key_Left", "Key_Down", "Key_Right", 0.13, 0.74),
                    click("RightButton", 0.13, 0.74, 5, 5, 0.08, 0.19), click("Key_Q", 0.7, 0.85, 5, 3, 0.1, 0.2),
                    click("Key_Space", 0.9, 0.15, 1, 2)});
}

QString finger(int id, const char* action, int x, int y, int buttons = 1)
{
    return QString("touch#%1 %2 b%3 %4,%5 in 1000x500").arg(id).arg(action).arg(buttons).arg(x).arg(y);
}

Qt::Key keyNamed(const QString& name)
{
    static const QMap<QString, Qt::Key> keys{{"W", Qt::Key_W}, {"A", Qt::Key_A}, {"S", Qt::Key_S}, {"D", Qt::Key_D},
                                             {"Shift", Qt::Key_Shift}, {"Space", Qt::Key_Space}, {"X", Qt::Key_X},
                                             {"J", Qt::Key_J}, {"P", Qt::Key_P}, {"Z", Qt::Key_Z}, {"Tab", Qt::Key_Tab}};
    return keys.value(name, Qt::Key_unknown);
}

} // namespace

class TestKBMapInput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void joystickFollowsTheKeys_data();
    void joystickFollowsTheKeys();
    void keysAndHeldKeys_data();
    void keysAndHeldKeys();
    void plainKeysStayHeldToo();
    void eleventhFingerIsNotPutDown();
    void cameraFollowsTheMouse_data();
    void cameraFollowsTheMouse();
    void shootingModeTakesTheMouse();
    void smartMagicAimsAndCancels();
    void rightClickWalksAndLetsGo();
    void switchingProfilesLiftsFingers();

private:
    InputConvertKBMapper* play(const QByteArray& file);
    void key(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false,
             ulong time = 0);
    // Runs "press|release <key> [shift] [repeat] [@time]" lines, waiting after each.
    QStringList keys(const QStringList& script);
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held, QPoint global = QPoint());
    QPoint centre() const;
    QStringList settle(int ms = kSettleMs);

    std::unique_ptr<QPVDeviceWidget> m_window;
    std::unique_ptr<Controller> m_controller;
    std::unique_ptr<MessageLog> m_log;
    QTemporaryDir m_dir;
    ulong m_time = 1000;
};

void TestKBMapInput::init()
{
    m_window = std::make_unique<QPVDeviceWidget>();
    m_window->renderWidget()->resize(kArea);
    m_controller = std::make_unique<Controller>(kNoControlKind, nullptr);
    m_controller->setDeviceWindow(m_window.get());
    m_controller->setBluetoothReady(true);
    m_controller->onMouseSensitivityChanged(10);
    m_log = std::make_unique<MessageLog>(m_controller.get());
}

void TestKBMapInput::cleanup()
{
    m_log.reset();
    m_controller.reset();
    m_window.reset();
    QVERIFY2(!QGuiApplication::overrideCursor(), "a hidden cursor outlived its key map");
}

InputConvertKBMapper* TestKBMapInput::play(const QByteArray& file)
{
    const QString path = m_dir.filePath(QString("profile-%1.json").arg(m_time));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return nullptr;
    out.close();
    m_controller->setKBMapProfile(path);
    auto* converter = qobject_cast<InputConvertKBMapper*>(m_controller->inputConverter());
    if (converter)
        converter->setRandom([] { return kMiddle; });
    return converter;
}

void TestKBMapInput::key(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeat, ulong time)
{
    static const QMap<int, quint32> scanCodes{{Qt::Key_P, KEY_P + 8}, {Qt::Key_Z, KEY_Z + 8}, {Qt::Key_Shift, KEY_LEFTSHIFT + 8}};
    QKeyEvent event(type, key, modifiers, scanCodes.value(key, 0), 0, 0, QString(), repeat);
    event.setTimestamp(time ? time : (m_time += 10));
    m_controller->onKeyEvent(&event, kArea, kArea);
}

QStringList TestKBMapInput::keys(const QStringList& script)
{
    QStringList sent;
    for (const QString& line : script) {
        const QStringList f = line.split(' ');
        const ulong time = line.contains('@') ? line.section('@', 1).toULong() : 0;
        key(f[0] == "press" ? QEvent::KeyPress : QEvent::KeyRelease, keyNamed(f[1]),
            f.contains("shift") ? Qt::ShiftModifier : Qt::NoModifier, f.contains("repeat"), time);
        if (!f.contains("now"))
            sent += settle();
    }
    return sent + settle();
}

void TestKBMapInput::mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held, QPoint global)
{
    const QMouseEvent event(type, at, at, global, button, held, Qt::NoModifier);
    m_controller->onMouseEvent(&event, kArea, kArea);
}

QPoint TestKBMapInput::centre() const
{
    return m_window->renderWidget()->mapToGlobal(QPoint(500, 250));
}

QStringList TestKBMapInput::settle(int ms)
{
    QTest::qWait(ms);
    return m_log->take();
}

void TestKBMapInput::joystickFollowsTheKeys_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("ends");  // where the finger is after each line
    // Centre (200, 350); up and down 50 pixels, left and right 50; sprint 200 further up.
    QTest::newRow("up") << QStringList{"press W", "release W"}
                        << QStringList{finger(0, "move", 200, 300), finger(0, "up", 200, 300)};
    QTest::newRow("up and right") << QStringList{"press W", "press D", "release W", "release D"}
                                  << QStringList{finger(0, "move", 200, 300), finger(0, "move", 250, 300),
                                                 finger(0, "move", 250, 350), finger(0, "up", 250, 350)};
    QTest::newRow("Shift while walking") << QStringList{"press W", "press Shift", "release Shift shift", "release W"}
                                         << QStringList{finger(0, "move", 200, 300), finger(0, "move", 200, 100),
                                                        finger(0, "move", 200, 300), finger(0, "up", 200, 300)};
    // Letting the direction go while Shift is held keeps running straight on.
    QTest::newRow("walking with Shift held") << QStringList{"press W shift", "release W shift", "release Shift shift"}
                                             << QStringList{finger(0, "move", 200, 100), finger(0, "move", 200, 150),
                                                            finger(0, "up", 200, 150)};
    QTest::newRow("opposite keys cancel out") << QStringList{"press A", "press D", "release A", "release D"}
                                              << QStringList{finger(0, "move", 150, 350), finger(0, "move", 200, 350),
                                                             finger(0, "move", 250, 350), finger(0, "up", 250, 350)};
    // A key let go that was never held (the profile came on meanwhile) taps nothing.
    QTest::newRow("release never pressed") << QStringList{"release D"} << QStringList{QString()};
    QTest::newRow("Shift alone is a key") << QStringList{"press Shift", "release Shift shift"}
                                          << QStringList{"key down 225 meta 0", "key up 225 meta 0"};
}

void TestKBMapInput::joystickFollowsTheKeys()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, ends);
    QVERIFY(play(shooter()));
    for (int i = 0; i < script.size(); ++i) {
        const QStringList sent = keys({script[i]});
        QCOMPARE(sent.value(sent.size() - 1), ends[i]);
        // The joystick goes down at its centre, then walks there in small steps.
        if (i == 0 && ends[0].startsWith("touch")) {
            QCOMPARE(sent.first(), finger(0, "down", 200, 350));
            QCOMPARE(sent.size(), 1 + 9);
        }
    }
}

void TestKBMapInput::keysAndHeldKeys_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("click") << QStringList{"press Space", "release Space"}
                           << QStringList{finger(0, "down", 900, 350), finger(0, "up", 900, 350)};
    QTest::newRow("held click repeats") << QStringList{"press Space", "press Space repeat", "press Space repeat", "release Space"}
                                        << QStringList{finger(0, "down", 900, 350), finger(0, "up", 900, 350)};
    // X11 sends a release and a press with one timestamp for every repeat, not always marked.
    QTest::newRow("unmarked repeat pairs") << QStringList{"press Space", "release Space now @5000", "press Space @5000",
                                                          "release Space now @5040", "press Space @5040", "release Space"}
                                           << QStringList{finger(0, "down", 900, 350), finger(0, "up", 900, 350)};
    QTest::newRow("double click") << QStringList{"press X", "release X"}
                                  << QStringList{finger(0, "down", 500, 400), finger(0, "up", 500, 400),
                                                 finger(0, "down", 500, 400), finger(0, "up", 500, 400)};
    QTest::newRow("drag") << QStringList{"press J", "release J"}
                          << QStringList{finger(0, "down", 600, 450), finger(0, "move", 600, 350), finger(0, "up", 600, 350)};
    QTest::newRow("key without a node") << QStringList{"press P", "release P"}
                                        << QStringList{"key down 19 meta 0", "key up 19 meta 0"};
    QTest::newRow("two keys, two fingers") << QStringList{"press Space", "press X", "release Space"}
                                           << QStringList{finger(0, "down", 900, 350), finger(1, "down", 500, 400),
                                                          finger(1, "up", 500, 400), finger(0, "up", 900, 350)};
}

void TestKBMapInput::keysAndHeldKeys()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, expected);
    QVERIFY(play(shooter()));
    QCOMPARE(keys(script), expected);
}

void TestKBMapInput::plainKeysStayHeldToo()
{
    // Without a key map the repeats reach the phone as presses, the release only once.
    const QStringList sent = keys({"press Z", "release Z now @7000", "press Z @7000", "release Z"});
    QCOMPARE(sent, QStringList({"key down 29 meta 0", "key down 29 meta 0", "key up 29 meta 0"}));
}

void TestKBMapInput::eleventhFingerIsNotPutDown()
{
    QList<QByteArray> nodes;
    const QString letters = "ABCDEFGHIJK";
    for (int i = 0; i < letters.size(); ++i)
        nodes << click(qPrintable("Key_" + letters.mid(i, 1)), 0.05 + 0.08 * i, 0.5);
    InputConvertKBMapper* converter = play(profile(nodes));
    QVERIFY(converter);
    auto letter = [](int i) { return Qt::Key(Qt::Key_A + i); };
    for (int i = 0; i < letters.size(); ++i)
        key(QEvent::KeyPress, letter(i));
    QStringList expected;
    for (int i = 0; i < InputConvertKBMapper::kPointerCount; ++i)
        expected << finger(i, "down", qRound(1000 * (0.05 + 0.08 * i)), 250);
    QCOMPARE(settle(), expected);
    QCOMPARE(converter->fingersDown(), 10);

    // The eleventh key does nothing, not even as a key; a free finger takes it later.
    key(QEvent::KeyRelease, letter(10));
    QCOMPARE(settle(), QStringList());
    key(QEvent::KeyRelease, letter(0));
    QCOMPARE(settle(), QStringList{finger(0, "up", 50, 250)});
    key(QEvent::KeyPress, letter(10));
    QCOMPARE(settle(), QStringList{finger(0, "down", 850, 250)});
}

void TestKBMapInput::cameraFollowsTheMouse_data()
{
    QTest::addColumn<int>("sensitivity");
    QTest::addColumn<QList<QPoint>>("moves");  // from the middle, where the cursor is put back
    QTest::addColumn<QPoint>("end");
    // s = (100 - sensitivity) × 0.15; x moves by dx / (s + 1), y by dy / (0.3 s + 1).
    QTest::newRow("sensitivity 100") << 100 << QList<QPoint>{{29, 0}, {0, 29}} << QPoint(779, 129);
    QTest::newRow("sensitivity 10") << 10 << QList<QPoint>{{29, 0}, {0, 29}} << QPoint(752, 106);
    QTest::newRow("slow movement adds up") << 10 << QVector<QPoint>(10, QPoint(1, 0)).toList() << QPoint(751, 100);
    QTest::newRow("kept off the edges") << 100 << QList<QPoint>{{500, 0}, {0, -300}} << QPoint(950, 25);
}

void TestKBMapInput::cameraFollowsTheMouse()
{
    QFETCH(int, sensitivity);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, end);
    QVERIFY(play(shooter()));
    m_controller->onMouseSensitivityChanged(sensitivity);
    // Rotate view: holding Alt puts a finger on the view a moment later.
    key(QEvent::KeyPress, Qt::Key_Alt);
    QCOMPARE(settle(), QStringList{finger(0, "down", 750, 100)});
    mouse(QEvent::MouseMove, QPoint(500, 250), Qt::NoButton, Qt::NoButton, centre());
    QStringList sent;
    for (const QPoint& move : moves) {
        mouse(QEvent::MouseMove, QPoint(500, 250) + move, Qt::NoButton, Qt::NoButton, centre() + move);
        sent += m_log->take();
    }
    QVERIFY(!sent.isEmpty());
    QCOMPARE(sent.last(), finger(0, "move", end.x(), end.y()));
    // The cursor went back to the middle of the picture.
    QCOMPARE(QCursor::pos(), centre());
    key(QEvent::KeyRelease, Qt::Key_Alt);
    QCOMPARE(settle(), QStringList{finger(0, "up", end.x(), end.y())});
}

void TestKBMapInput::shootingModeTakesTheMouse()
{
    InputConvertKBMapper* converter = play(shooter());
    QVERIFY(converter);
    // With the cursor shown the left button is the plain finger.
    mouse(QEvent::MouseButtonPress, QPoint(400, 200), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(400, 200), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(settle(), QStringList({"touch down b1 400,200 in 1000x500", "touch up b0 400,200 in 1000x500"}));

    // The shortcut's button hides the cursor; its release lifts no plain finger.
    mouse(QEvent::MouseButtonPress, QPoint(400, 200), Qt::RightButton, Qt::RightButton);
    QVERIFY(!converter->isCursorShown());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    mouse(QEvent::MouseMove, QPoint(410, 200), Qt::NoButton, Qt::RightButton, centre());
    mouse(QEvent::MouseButtonRelease, QPoint(400, 200), Qt::RightButton, Qt::NoButton);
    QCOMPARE(m_log->take(), QStringList());
    settle();

    // The first move puts the view finger down, the next ones turn the camera.
    mouse(QEvent::MouseMove, QPoint(500, 250), Qt::NoButton, Qt::NoButton, centre());
    mouse(QEvent::MouseMove, QPoint(500, 250), Qt::NoButton, Qt::NoButton, centre());
    mouse(QEvent::MouseMove, QPoint(529, 250), Qt::NoButton, Qt::NoButton, centre() + QPoint(29, 0));
    QCOMPARE(settle(), QStringList({finger(0, "down", 600, 200), finger(0, "move", 602, 200)}));
    // Near an edge the cursor is put back inside instead.
    mouse(QEvent::MouseMove, QPoint(20, 250), Qt::NoButton, Qt::NoButton, centre() - QPoint(480, 0));
    QCOMPARE(m_log->take(), QStringList());
    QCOMPARE(QCursor::pos(), m_window->renderWidget()->mapToGlobal(QPoint(950, 250)));

    // The left button fires with a finger of its own.
    mouse(QEvent::MouseButtonPress, QPoint(500, 250), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(500, 250), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(settle(), QStringList({finger(1, "down", 850, 250), finger(1, "up", 850, 250)}));

    // Pressing the shortcut again lifts the camera finger and shows the cursor.
    mouse(QEvent::MouseButtonPress, QPoint(500, 250), Qt::RightButton, Qt::RightButton);
    QCOMPARE(settle(), QStringList{finger(0, "up", 602, 200)});
    QVERIFY(converter->isCursorShown());
    QVERIFY(!QGuiApplication::overrideCursor());

    // The backpack opens with the cursor shown and closes back into shooting.
    QCOMPARE(keys({"press Tab", "release Tab"}), QStringList({finger(0, "down", 50, 450), finger(0, "up", 50, 450)}));
    QVERIFY(!converter->isCursorShown());
    m_controller->setKBMapProfile(QString());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestKBMapInput::smartMagicAimsAndCancels()
{
    QVERIFY(play(arena()));
    // The skill finger goes down a moment after the key and aims where the mouse points
    // (here to the right of the middle, 100 pixels: the node's width).
    key(QEvent::KeyPress, Qt::Key_Q);
    QCOMPARE(m_log->take(), QStringList());
    QCOMPARE(settle(), QStringList{finger(0, "down", 700, 425)});
    mouse(QEvent::MouseMove, QPoint(600, 250), Qt::NoButton, Qt::NoButton, centre());
    QCOMPARE(settle().last(), finger(0, "move", 800, 425));
    key(QEvent::KeyRelease, Qt::Key_Q);
    QCOMPARE(settle(), QStringList{finger(0, "up", 800, 425)});

    // A tap quicker than the delay still casts.
    key(QEvent::KeyPress, Qt::Key_Q);
    key(QEvent::KeyRelease, Qt::Key_Q);
    QCOMPARE(settle(), QStringList({finger(0, "down", 700, 425), finger(0, "up", 700, 425)}));

    // Cancelling drags the skill finger onto the cancel button and lets go there.
    key(QEvent::KeyPress, Qt::Key_Q);
    settle();
    key(QEvent::KeyPress, Qt::Key_Space);
    const QStringList cancel = settle();
    QCOMPARE(cancel.mid(cancel.size() - 2), QStringList({finger(0, "move", 900, 75), finger(0, "up", 900, 75)}));
    key(QEvent::KeyRelease, Qt::Key_Space);
    key(QEvent::KeyRelease, Qt::Key_Q);
    QCOMPARE(settle(), QStringList());
}

void TestKBMapInput::rightClickWalksAndLetsGo()
{
    QVERIFY(play(arena()));
    // Without a field of view the right button walks: up from the joystick by its radius
    // (80 pixels), held a while, then let go.
    QElapsedTimer held;
    held.start();
    mouse(QEvent::MouseButtonPress, QPoint(500, 100), Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, QPoint(500, 100), Qt::RightButton, Qt::NoButton);
    QStringList sent = settle();
    QCOMPARE(sent.first(), finger(0, "down", 130, 370));
    QCOMPARE(sent.last(), finger(0, "move", 130, 290));
    sent.clear();
    QTRY_VERIFY_WITH_TIMEOUT((sent += m_log->take()).contains(finger(0, "up", 130, 290)), 5000);
    QVERIFY(held.elapsed() >= InputConvertKBMapper::kWalkHoldMs - 100);
    // The left button stays the plain finger.
    mouse(QEvent::MouseButtonPress, QPoint(10, 20), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(settle(), QStringList{"touch down b1 10,20 in 1000x500"});
}

void TestKBMapInput::switchingProfilesLiftsFingers()
{
    QVERIFY(play(shooter()));
    key(QEvent::KeyPress, Qt::Key_Space);
    QCOMPARE(settle(), QStringList{finger(0, "down", 900, 350)});
    QVERIFY(m_controller->isKBMapper());
    m_controller->setKBMapProfile(QString());
    QVERIFY(!m_controller->isKBMapper());
    QCOMPARE(settle(), QStringList{finger(0, "up", 900, 350)});
    // A profile that cannot be read plays nothing: every key goes to the phone as it is.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused: not JSON"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is not played"));
    QVERIFY(play("not a profile"));
    QCOMPARE(keys({"press P", "release P"}), QStringList({"key down 19 meta 0", "key up 19 meta 0"}));
}

QTEST_MAIN(TestKBMapInput)
#include "test_kbmap_input.moc"
