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
            {"Up", 82}, {"Left", 80}, {"Shift_L", 225}, {"Control_L", 224}, {"Alt_L", 226}};
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
};

QTEST_GUILESS_MAIN(TestControlProcess)
#include "test_control_process.moc"
