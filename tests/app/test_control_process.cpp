// Drives simulated phones through the real program's windows with X input, as a user would:
// Android phones get their touches, keys and system keys over the receiver's channel, iPhones
// get HID reports through the recording stand-in of the Bluetooth peripheral library.

#include "support/ApiServerProcess.h"
#include "support/PivoraProcess.h"

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

namespace {

constexpr int kWaitMs = 30000;
// Title bar and control bar above the picture.
constexpr int kBarsHeight = 62;

QString xdotool(const QStringList& args)
{
    QProcess tool;
    tool.start("xdotool", args);
    if (!tool.waitForFinished(kWaitMs))
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

struct PhoneSpec {
    QString name;
    int kind;
    QSize frame;
    QString model;
    QString os;
};

// One simulated phone and the control messages it printed.
class Phone {
public:
    Phone(const QString& port, const PhoneSpec& spec)
        : m_spec(spec)
    {
        const QString size = QString("%1x%2@15").arg(spec.frame.width()).arg(spec.frame.height());
        QStringList args {"--port", port, "--name", spec.name, "--id", spec.name, "--kind",
            QString::number(spec.kind), "--pattern", size, "--duration", "120"};
        if (!spec.model.isEmpty())
            args << "--model" << spec.model;
        if (!spec.os.isEmpty())
            args << "--os" << spec.os;
        m_process.setReadChannel(QProcess::StandardOutput);
        m_process.start(qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-cast", args);
    }
    ~Phone()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    // Messages of one type printed since the last clear.
    QList<QJsonObject> messages(const QString& type)
    {
        m_output += m_process.readAllStandardOutput();
        QList<QJsonObject> found;
        for (const QByteArray& line : m_output.split('\n')) {
            const QJsonObject message = QJsonDocument::fromJson(line).object();
            if (message.value("type").toString() == type)
                found << message;
        }
        return found;
    }
    void clear()
    {
        m_process.waitForReadyRead(200);
        m_process.readAllStandardOutput();
        m_output.clear();
    }

    // Finds the phone's window and the part of it that shows the picture, in screen pixels.
    bool locate()
    {
        const QString title = "Pivora \\(Window Capture\\) - " + m_spec.name;
        m_window = xdotool({"search", "--sync", "--onlyvisible", "--name", title}).section('\n', 0, 0);
        if (m_window.isEmpty())
            return false;
        const QString shell = xdotool({"getwindowgeometry", "--shell", m_window});
        auto value = [&shell](const char* key) {
            return QRegularExpression(QString("%1=(\\d+)").arg(key)).match(shell).captured(1).toInt();
        };
        const QRect area(value("X"), value("Y") + kBarsHeight, value("WIDTH"), value("HEIGHT") - kBarsHeight);
        const QSize shown = m_spec.frame.scaled(area.size(), Qt::KeepAspectRatio);
        m_video = QRect(area.x() + (area.width() - shown.width()) / 2,
            area.y() + (area.height() - shown.height()) / 2, shown.width(), shown.height());
        return m_video.width() > 0 && m_video.height() > 0;
    }
    // A screen point at fractions of the picture.
    QStringList at(double fx, double fy) const
    {
        return {QString::number(m_video.x() + qRound(fx * m_video.width())),
            QString::number(m_video.y() + qRound(fy * m_video.height()))};
    }
    void focus() const { xdotool({"windowfocus", "--sync", m_window}); }

    QProcess& process() { return m_process; }

private:
    PhoneSpec m_spec;
    QProcess m_process;
    QByteArray m_output;
    QString m_window;
    QRect m_video;
};

// Software decoding shows a tip over each new phone's window; a user closes it with Escape.
// The home screen (1100 × 620) has the same title; the tip is the topmost other one (search
// lists top-level windows bottom to top).
bool dismissDecodingTip()
{
    QString tip;
    QElapsedTimer waited;
    waited.start();
    while (tip.isEmpty() && waited.elapsed() < 10000) {
        const QStringList found =
            xdotool({"search", "--onlyvisible", "--name", "^Pivora$"}).split('\n', Qt::SkipEmptyParts);
        for (const QString& window : found) {
            if (!xdotool({"getwindowgeometry", window}).contains("Geometry: 1100x620"))
                tip = window;
        }
        if (tip.isEmpty())
            QTest::qWait(200);
    }
    if (tip.isEmpty())
        return false;
    xdotool({"windowfocus", "--sync", tip});
    xdotool({"key", "Escape"});
    return true;
}

void click(const Phone& phone, double fx, double fy)
{
    xdotool(QStringList {"mousemove", "--sync"} + phone.at(fx, fy));
    xdotool({"click", "1"});
}

} // namespace

class TestControlProcess : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QString m_hidLog;
    std::unique_ptr<ApiServerProcess> m_api;
    std::unique_ptr<PivoraProcess> m_app;
    QString m_port;

    QStringList hidCalls() const
    {
        QFile log(m_hidLog);
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    void clearHidCalls() const { QFile::resize(m_hidLog, 0); }

    // A phone whose first picture is on screen.
    std::unique_ptr<Phone> connectPhone(const PhoneSpec& spec)
    {
        auto phone = std::make_unique<Phone>(m_port, spec);
        if (!phone->process().waitForStarted(kWaitMs) || !phone->locate())
            return nullptr;
        // The window is placed when its first frame shows; the tip comes with it.
        if (!dismissDecodingTip() || !phone->locate())
            return nullptr;
        phone->clear();
        return phone;
    }

    void writeSettings() const
    {
        QDir().mkpath(m_home.path() + "/pivora");
        QFile settings(m_home.path() + "/pivora/userdefaults.conf");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        const QJsonObject options {{"iosDevice", QJsonObject {{"enableHID", true}}},
            {"androidDevice", QJsonObject {{"wiredHID", true}}}};
        settings.write(QJsonDocument(QJsonObject {{"options", options}}).toJson());
    }

private slots:
    void initTestCase()
    {
        const QString bin = qEnvironmentVariable("PIVORA_BIN_DIR");
        if (bin.isEmpty())
            QSKIP("PIVORA_BIN_DIR is not set");
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed");
        QVERIFY(m_home.isValid());
        writeSettings();
        m_hidLog = m_home.path() + "/hidlink-calls.txt";

        m_api = std::make_unique<ApiServerProcess>();
        QVERIFY2(m_api->start(), "pivora-api did not start");
        QProcessEnvironment env;
        env.insert("LD_LIBRARY_PATH", QStringLiteral(HIDLINK_RECORDER_DIR));
        env.insert("HIDLINK_RECORDER_LOG", m_hidLog);
        env.insert("HIDLINK_RECORDER_AUTOLINK", "1");
        m_app = std::make_unique<PivoraProcess>(m_home.path(), m_api->url(), env);
        QVERIFY(m_app->start());
        QTRY_VERIFY_WITH_TIMEOUT(m_app->logText().contains("Services started"), kWaitMs);
        const QRegularExpressionMatch ports =
            QRegularExpression("Receiver started on ports (\\d+)").match(m_app->logText());
        QVERIFY2(ports.hasMatch(), "the receiver did not start");
        m_port = ports.captured(1);
        QVERIFY2(m_app->logText().contains("Bluetooth HID library libhidlink.so loaded"),
            "the recording HID library was not loaded");
    }

    void cleanupTestCase()
    {
        if (m_app) {
            m_app->process().terminate();
            m_app->process().waitForFinished(kWaitMs);
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
        QTRY_VERIFY_WITH_TIMEOUT(hidCalls().contains("SetPhoneInfo iphone14|iphone14"), kWaitMs);
        // The phone links; input is on once the session has the linked device.
        QTRY_VERIFY_WITH_TIMEOUT(m_app->logText().contains("Phone control on: channel iphone14"), kWaitMs);
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
        QTRY_VERIFY_WITH_TIMEOUT(hidCalls().contains("SetPhoneInfo iphone13|iphone13"), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->logText().contains("Phone control on: channel iphone13"), kWaitMs);
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
