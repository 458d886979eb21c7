// Drives simulated phones through the real program's windows with X input, as a user would:
// Android phones get their touches, keys and system keys over the receiver's channel, iPhones
// get HID reports from the Bluetooth peripheral library through BlueZ's stand-in.

#include "HidReportText.h"
#include "support/ControlledProgram.h"
#include "support/XCastPhone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace xphone;

namespace {

// The first record of a touch message.
QJsonObject record(const QJsonObject& touch)
{
    return touch.value("records").toArray().first().toObject();
}

// Whether a record is the finger at a point of the picture, within the key map's jitter of five
// pixels (and a pixel of rounding) on a picture of that size. Records of a landscape picture
// are measured from the phone's upright corner: x = 1 - py, y = px.
bool near(const QJsonObject& record, double px, double py, const QSize& frame)
{
    const double tolerance = 6.5;
    return qAbs(record.value("x").toDouble() - (1.0 - py)) * frame.height() <= tolerance
        && qAbs(record.value("y").toDouble() - px) * frame.width() <= tolerance;
}

QString describe(const QJsonObject& record)
{
    return QString("id %1 pressed %2 at %3,%4").arg(record.value("id").toInt()).arg(record.value("pressed").toInt())
        .arg(record.value("x").toDouble()).arg(record.value("y").toDouble());
}

} // namespace

class TestControlProcess : public QObject {
    Q_OBJECT
private:
    ControlledProgram m_program;
    // The Bluetooth side of the iPhone under test.
    bluezstandin::StandInPhone* m_btPhone = nullptr;

    // The reports the iPhone under test received, written like the calls that made them.
    QStringList hidCalls() const
    {
        QStringList calls;
        if (m_btPhone) {
            for (const bluezstandin::Bytes& report : m_btPhone->notifications())
                calls << QString::fromStdString(bluezstandin::reportText(report));
        }
        return calls;
    }
    void clearHidCalls() const
    {
        if (m_btPhone)
            m_btPhone->clearNotifications();
    }

    // The mirrored iPhone pairs with the computer; input goes to it once its window is active
    // and the pairing guide has gone.
    bool linkBluetooth(const QString& name, const char* address, Phone& phone)
    {
        const int guidesClosed = m_program.app->logText().count("Bluetooth pairing guide closed");
        if (!QTest::qWaitFor([&] { return m_program.app->logText().contains("Bluetooth pairing guide shown for " + name); }, kWaitMs)
            || !m_program.bluez->waitForService(std::chrono::seconds(30)))
            return false;
        if (m_btPhone)
            m_btPhone->disconnect();
        m_btPhone = &m_program.bluez->addPhone(name.toStdString(), address);
        if (!m_btPhone->connectAsHidHost())
            return false;
        if (!QTest::qWaitFor([&] { return m_program.app->logText().contains("Phone control on: channel " + name); }, kWaitMs)
            || !QTest::qWaitFor([&] { return m_program.app->logText().count("Bluetooth pairing guide closed") > guidesClosed; }, kWaitMs))
            return false;
        phone.focus();
        QTest::qWait(500);
        return true;
    }

    std::unique_ptr<Phone> connectPhone(const PhoneSpec& spec) { return xphone::connectPhone(m_program.port, spec); }

private slots:
    void initTestCase()
    {
        const QString bin = qEnvironmentVariable("PIVORA_BIN_DIR");
        if (bin.isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed");
        const QString failure = m_program.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(m_program.app->logText().contains("Bluetooth HID library libhidlink.so loaded"),
            "the HID library was not loaded");
    }

    void cleanupTestCase()
    {
        if (m_program.app) {
            m_program.app->process().terminate();
            m_program.app->process().waitForFinished(kWaitMs);
        }
    }

    void androidTouchesFollowTheMouse_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<double>("expectedX");
        QTest::addColumn<double>("expectedY");
        // A click at (0.25, 0.6) of the picture; landscape records are turned to the phone's
        // natural orientation.
        QTest::newRow("portrait") << QSize(360, 640) << 0.25 << 0.6;
        QTest::newRow("landscape") << QSize(640, 360) << 0.4 << 0.25;
    }

    void androidTouchesFollowTheMouse()
    {
        QFETCH(QSize, frame);
        QFETCH(double, expectedX);
        QFETCH(double, expectedY);
        auto phone = connectPhone({QString("droid-%1").arg(QTest::currentDataTag()), 3, frame, {}, {}});
        QVERIFY2(phone, "the phone's window did not show");

        click(*phone, 0.25, 0.6);
        QTRY_VERIFY_WITH_TIMEOUT(phone->messages("touch").size() >= 2, kWaitMs);
        const QList<QJsonObject> touches = phone->messages("touch");
        const QJsonObject down = touches.first().value("records").toArray().first().toObject();
        const QJsonObject up = touches.last().value("records").toArray().first().toObject();
        QCOMPARE(down.value("pressed").toInt(), 1);
        QCOMPARE(up.value("pressed").toInt(), 0);
        // One screen pixel of rounding either way.
        QVERIFY2(qAbs(down.value("x").toDouble() - expectedX) < 0.02, qPrintable(QString::number(down.value("x").toDouble())));
        QVERIFY2(qAbs(down.value("y").toDouble() - expectedY) < 0.02, qPrintable(QString::number(down.value("y").toDouble())));
    }

    void androidDragSendsMovesAndEndsAtTheRelease()
    {
        auto phone = connectPhone({"droid-drag", 3, QSize(360, 640), {}, {}});
        QVERIFY2(phone, "the phone's window did not show");
        xdotool(QStringList {"mousemove", "--sync"} + phone->at(0.2, 0.3));
        xdotool({"mousedown", "1"});
        for (int step = 1; step <= 10; ++step) {
            xdotool(QStringList {"mousemove", "--sync"} + phone->at(0.2 + 0.05 * step, 0.3 + 0.04 * step));
            QTest::qWait(40);
        }
        xdotool({"mouseup", "1"});
        QTRY_VERIFY_WITH_TIMEOUT(!phone->messages("touch").isEmpty()
                && phone->messages("touch").last().value("records").toArray().first().toObject().value("pressed").toInt() == 0,
            kWaitMs);

        const QList<QJsonObject> touches = phone->messages("touch");
        QVERIFY2(touches.size() >= 4, "a drag must send moves between press and release");
        double lastX = -1;
        for (int i = 0; i < touches.size(); ++i) {
            const QJsonObject record = touches[i].value("records").toArray().first().toObject();
            QCOMPARE(record.value("pressed").toInt(), i + 1 < touches.size() ? 1 : 0);
            QVERIFY(record.value("x").toDouble() >= lastX);
            lastX = record.value("x").toDouble();
        }
        const QJsonObject up = touches.last().value("records").toArray().first().toObject();
        QVERIFY(qAbs(up.value("x").toDouble() - 0.7) < 0.02);
        QVERIFY(qAbs(up.value("y").toDouble() - 0.7) < 0.02);
    }

    void androidKeysAndPhoneButtons()
    {
        auto phone = connectPhone({"droid-keys", 3, QSize(360, 640), {}, {}});
        QVERIFY2(phone, "the phone's window did not show");
        phone->focus();

        // HID keyboard usages of the pressed keys.
        const QList<QPair<QString, int>> keys {{"a", 4}, {"z", 29}, {"1", 30}, {"0", 39}, {"Return", 40},
            {"Up", 82}, {"Left", 80}, {"Tab", 43}, {"Shift_L", 225}, {"Control_L", 224}, {"Alt_L", 226}};
        for (const auto& key : keys) {
            phone->clear();
            xdotool({"key", key.first});
            QTRY_VERIFY_WITH_TIMEOUT(phone->messages("key").size() >= 2, kWaitMs);
            const QList<QJsonObject> sent = phone->messages("key");
            QCOMPARE(sent.size(), 2);
            QVERIFY2(sent[0].value("code").toInt() == key.second, qPrintable(key.first));
            QCOMPARE(sent[0].value("action").toInt(), 1);
            QCOMPARE(sent[1].value("code").toInt(), key.second);
            QCOMPARE(sent[1].value("action").toInt(), -1);
        }

        // Phone buttons by their shortcuts: each key goes down (its mask) and up (0).
        const QList<QPair<QString, QList<int>>> buttons {
            {"shift+1", {0x4000, 0, 0x4000, 0}}, // home, twice
            {"shift+2", {0x8000, 0}}, // back
            {"shift+4", {0x1000, 0}}, // app switch
            {"shift+5", {0x400, 0}}, // power
        };
        for (const auto& button : buttons) {
            phone->clear();
            xdotool({"key", button.first});
            QTRY_VERIFY_WITH_TIMEOUT(phone->messages("system_key").size() >= button.second.size(), kWaitMs);
            QList<int> masks;
            for (const QJsonObject& message : phone->messages("system_key"))
                masks << message.value("mask").toInt();
            QVERIFY2(masks == button.second, qPrintable(button.first));
        }

        // Notifications: a drag down from the top edge of the picture. Its moves come faster
        // than the converter passes them on, so the phone sees a quick swipe.
        phone->clear();
        xdotool({"key", "shift+3"});
        QTRY_VERIFY_WITH_TIMEOUT(phone->messages("touch").size() >= 3
                && phone->messages("touch").last().value("records").toArray().first().toObject().value("pressed").toInt() == 0,
            kWaitMs);
        const QList<QJsonObject> pull = phone->messages("touch");
        const QJsonObject first = pull.first().value("records").toArray().first().toObject();
        const QJsonObject last = pull.last().value("records").toArray().first().toObject();
        QCOMPARE(first.value("pressed").toInt(), 1);
        QVERIFY(first.value("y").toDouble() < 0.05);
        QCOMPARE(last.value("pressed").toInt(), 0);
        QVERIFY(last.value("y").toDouble() > 0.4);
    }

    void iphoneClickSendsPointerReports()
    {
        clearHidCalls();
        auto phone = connectPhone({"iphone14", 1, QSize(390, 844), "iPhone13,2", "14.2.1"});
        QVERIFY2(phone, "the phone's window did not show");
        // The phone links; input is on once the session has the linked device.
        QVERIFY(linkBluetooth("iphone14", "F0:99:B6:12:34:56", *phone));
        clearHidCalls();

        click(*phone, 0.5, 0.5);
        QTRY_VERIFY_WITH_TIMEOUT(hidCalls().contains("MouseSend 1 0 0 0")
                && hidCalls().lastIndexOf("MouseSend 0 0 0 0") > hidCalls().indexOf("MouseSend 1 0 0 0"), kWaitMs);
        QTest::qWait(500);
        QVERIFY(hidCalls().filter("TouchScreenSend").isEmpty());
        const QStringList calls = hidCalls().filter(QRegularExpression("^MouseSend "));
        // Homing first: the pointer is driven into the top-left corner with the button up.
        QVERIFY(calls.size() > 13);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(calls[i], QString("MouseSend 0 -121 0 0"));
        for (int i = 4; i < 12; ++i)
            QCOMPARE(calls[i], QString("MouseSend 0 0 -121 0"));
        QCOMPARE(calls[12], QString("MouseSend 4 0 0 0"));
        const QRegularExpression report("^MouseSend (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+)$");
        // Then towards the middle with the button down, and a report that lifts it.
        int pressed = 0;
        int released = 0;
        for (const QString& call : calls) {
            const QRegularExpressionMatch m = report.match(call);
            if (!m.hasMatch())
                continue;
            if (m.captured(1).toInt() == 1)
                ++pressed;
            else if (pressed > 0)
                ++released;
        }
        QVERIFY(pressed > 0);
        QVERIFY(released > 0);
    }

    void oldIphoneGetsOneAbsoluteTouch()
    {
        clearHidCalls();
        auto phone = connectPhone({"iphone13", 1, QSize(390, 844), "iPhone11,2", "13.3"});
        QVERIFY2(phone, "the phone's window did not show");
        QVERIFY(linkBluetooth("iphone13", "F0:99:B6:12:34:57", *phone));
        clearHidCalls();

        click(*phone, 0.25, 0.5);
        QTRY_VERIFY_WITH_TIMEOUT(hidCalls().filter("TouchScreenSend").size() >= 2, kWaitMs);
        QTest::qWait(500);
        const QStringList calls = hidCalls();
        QVERIFY(calls.filter("MouseSend").isEmpty());
        const QStringList touches = calls.filter("TouchScreenSend");
        QCOMPARE(touches.size(), 2);
        const QStringList down = touches.first().split(' ');
        QCOMPARE(down.value(1), QString("1"));
        QVERIFY(qAbs(down.value(2).toDouble() - 0.25) < 0.02);
        QVERIFY(qAbs(down.value(3).toDouble() - 0.5) < 0.02);
        QCOMPARE(touches.last().split(' ').value(1), QString("0"));
    }

    void androidKeyMapPlaysTheShooter()
    {
        const QSize frame(1280, 576);
        const PhoneSpec spec {"droid-game", 3, frame, {}, {}};
        auto phone = connectPhone(spec);
        QVERIFY2(phone, "the phone's window did not show");
        phone->focus();

        // A held key reaches the phone held: repeated presses, one release when it is let go.
        xdotool({"keydown", "z"});
        QTest::qWait(1500);
        const QList<QJsonObject> held = phone->messages("key");
        QVERIFY2(held.size() >= 2, "the key did not repeat");
        for (const QJsonObject& key : held)
            QCOMPARE(key.value("action").toInt(), 1);
        xdotool({"keyup", "z"});
        QTRY_VERIFY_WITH_TIMEOUT(phone->messages("key").last().value("action").toInt() == -1, kWaitMs);
        int releases = 0;
        for (const QJsonObject& key : phone->messages("key"))
            releases += key.value("action").toInt() == -1 ? 1 : 0;
        QCOMPARE(releases, 1);

        // Shift+6 opens the key mapper; a keyboard user goes from the list to the switch.
        xdotool({"key", "shift+6"});
        QTRY_VERIFY_WITH_TIMEOUT(m_program.app->logText().contains(
                                     "Key-map editor opened with 3 profiles: [PV]GameForPeace, [PV]LOL-3, [PV]LOL-4"),
            kWaitMs);
        const QString editor = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Key Mapper$"}).section('\n', 0, 0);
        QVERIFY(!editor.isEmpty());
        xdotool({"windowfocus", "--sync", editor});
        xdotool({"key", "Tab", "space"});
        QTRY_VERIFY_WITH_TIMEOUT(
            m_program.app->logText().contains("Key map on: " + m_program.app->dataDir() + "/kbmapper/[PV]GameForPeace.json"), kWaitMs);
        phone->focus();
        phone->clear();

        // Space holds one finger on the jump button until it is let go.
        xdotool({"keydown", "space"});
        QTest::qWait(1000);
        QList<QJsonObject> touches = phone->messages("touch");
        QCOMPARE(touches.size(), 1);
        QVERIFY2(record(touches[0]).value("pressed").toInt() == 1 && record(touches[0]).value("id").toInt() == 0
                && near(record(touches[0]), 0.9299, 0.7046, frame),
            qPrintable(describe(record(touches[0]))));
        xdotool({"keyup", "space"});
        QTRY_COMPARE_WITH_TIMEOUT(phone->messages("touch").size(), 2, kWaitMs);
        QCOMPARE(record(phone->messages("touch")[1]).value("pressed").toInt(), 0);

        // W walks the joystick up, Shift pushes it further, and letting go lifts it.
        phone->clear();
        const QList<QPair<QString, double>> steps {{"keydown w", 0.7496 - 0.1079}, {"keydown shift", 0.7496 - 0.1079 - 0.4},
            {"keyup shift", 0.7496 - 0.1079}};
        for (const auto& step : steps) {
            xdotool(step.first.split(' '));
            QTest::qWait(600);
            touches = phone->messages("touch");
            QVERIFY2(near(record(touches.last()), 0.1962, step.second, frame), qPrintable(step.first + ": " + describe(record(touches.last()))));
        }
        QVERIFY(near(record(touches.first()), 0.1962, 0.7496, frame));
        for (const QJsonObject& touch : touches)
            QVERIFY2(record(touch).value("pressed").toInt() == 1 && record(touch).value("id").toInt() == 0, qPrintable(describe(record(touch))));
        xdotool({"keyup", "w"});
        QTRY_COMPARE_WITH_TIMEOUT(record(phone->messages("touch").last()).value("pressed").toInt(), 0, kWaitMs);

        // A key the profile does not use arrives as a key.
        phone->clear();
        xdotool({"key", "p"});
        QTRY_COMPARE_WITH_TIMEOUT(phone->messages("key").size(), 2, kWaitMs);
        QCOMPARE(phone->messages("key")[0].value("code").toInt(), 19);
        QVERIFY(phone->messages("touch").isEmpty());

        // Through the open overlay, the right button turns shooting mode on: the mouse turns
        // the camera finger, the left button fires, the right button ends it.
        xdotool(QStringList {"mousemove", "--sync"} + phone->at(0.5, 0.5));
        phone->clear();
        xdotool({"click", "3"});
        QTest::qWait(200);
        for (int i = 0; i < 6; ++i) {
            xdotool({"mousemove_relative", "--", "40", "0"});
            QTest::qWait(60);
        }
        QTRY_VERIFY_WITH_TIMEOUT(phone->messages("touch").size() >= 3, kWaitMs);
        touches = phone->messages("touch");
        QVERIFY2(near(record(touches[0]), 0.64, 0.42, frame), qPrintable(describe(record(touches[0]))));
        for (int i = 1; i < touches.size(); ++i) {
            QCOMPARE(record(touches[i]).value("id").toInt(), 0);
            QVERIFY(record(touches[i]).value("y").toDouble() > record(touches[i - 1]).value("y").toDouble());
        }
        phone->clear();
        xdotool({"click", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(phone->messages("touch").size(), 2, kWaitMs);
        touches = phone->messages("touch");
        QVERIFY2(record(touches[0]).value("id").toInt() == 1 && near(record(touches[0]), 0.86, 0.53, frame),
            qPrintable(describe(record(touches[0]))));
        xdotool({"click", "3"});
        QTRY_COMPARE_WITH_TIMEOUT(phone->messages("touch").size(), 3, kWaitMs);
        QCOMPARE(record(phone->messages("touch")[2]).value("pressed").toInt(), 0);
        QCOMPARE(record(phone->messages("touch")[2]).value("id").toInt(), 0);

        // The phone keeps its key map: remembered by its channel, and back when it returns.
        QFile settings(m_program.app->dataDir() + "/userdefaults.conf");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QJsonObject keyMapping = QJsonDocument::fromJson(settings.readAll()).object().value("KBMapping").toObject();
        QCOMPARE(keyMapping.value("appliedProfiles").toObject().value("droid-game").toString(), QString("[PV]GameForPeace"));
        const int applied = m_program.app->logText().count("Key map on:");
        phone.reset();
        QTest::qWait(1000);
        phone = connectPhone(spec);
        QVERIFY2(phone, "the phone did not come back");
        QTRY_COMPARE_WITH_TIMEOUT(m_program.app->logText().count("Key map on:"), applied + 1, kWaitMs);
        // The editor went with its window and left its settings behind.
        settings.close();
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QJsonObject stored = QJsonDocument::fromJson(settings.readAll()).object().value("KBMapping").toObject();
        QCOMPARE(stored.value("mouseSensitivity").toInt(), 10);
        QCOMPARE(stored.value("keyOpacity").toInt(), 60);
        QCOMPARE(stored.value("shootingModeShortcut").toString(), QString("RightButton"));
        QCOMPARE(stored.value("restoreDefaultProfiles").toBool(true), false);
        phone->focus();
        phone->clear();
        xdotool({"key", "space"});
        QTRY_COMPARE_WITH_TIMEOUT(phone->messages("touch").size(), 2, kWaitMs);
        QVERIFY(near(record(phone->messages("touch")[0]), 0.9299, 0.7046, frame));
    }
};

QTEST_GUILESS_MAIN(TestControlProcess)
#include "test_control_process.moc"
