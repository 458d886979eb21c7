// An Android phone's device session controlled through the real receiver engine: a phone on
// a loopback socket receives what the Controller carries out, and the session wires its
// settings, window and phone buttons to the Controller.

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "control/Controller.h"
#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QPVDeviceWidget.h"

#include "CastProtocol.h"
#include "CastSocket.h"

#include <QAbstractButton>
#include <QSettings>
#include <QtTest>

#include <functional>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 30000;
constexpr int kAndroidKind = 3;

// A phone on a raw socket: says hello, then reads what the receiver sends it.
class LoopbackPhone {
public:
    explicit LoopbackPhone(int port)
    {
        std::string error;
        m_fd = cast::connectTcp("127.0.0.1", port, error);
        cast::setReceiveTimeout(m_fd, kWaitMs);
    }
    ~LoopbackPhone() { ::close(m_fd); }
    bool hello()
    {
        cast::HelloMsg h;
        h.kind = kAndroidKind;
        h.channelId = "android-1";
        h.phoneName = "Pixel Test";
        return cast::writeFrame(m_fd, cast::Hello, cast::encodeHello(h));
    }
    // Read once the session exists: the receiver answers after the program took the channel.
    bool welcomed()
    {
        cast::WelcomeMsg welcome;
        return next() && m_frame.type == cast::Welcome && cast::decodeWelcome(m_frame.payload, welcome)
            && welcome.status == cast::Accepted;
    }
    QStringList read(int count)
    {
        QStringList frames;
        std::vector<cast::TouchRecord> touches;
        cast::KeyMsg key;
        uint32_t mask = 0;
        for (int i = 0; i < count && next(); ++i) {
            if (m_frame.type == cast::Touch && cast::decodeTouch(m_frame.payload, touches) && touches.size() == 1)
                frames << QString("touch %1 id %2 at %3,%4")
                              .arg(touches[0].pressed).arg(touches[0].pointerId)
                              .arg(double(touches[0].x)).arg(double(touches[0].y));
            else if (m_frame.type == cast::Key && cast::decodeKey(m_frame.payload, key))
                frames << QString("key %1 %2").arg(key.action).arg(key.code);
            else if (m_frame.type == cast::SystemKey && cast::decodeSystemKey(m_frame.payload, mask))
                frames << QString("system 0x%1").arg(mask, 0, 16);
            else
                frames << QString("frame 0x%1").arg(m_frame.type, 0, 16);
        }
        return frames;
    }

private:
    bool next()
    {
        std::string error;
        return cast::readFrame(m_fd, m_frame, error) == cast::ReadResult::Frame;
    }

    int m_fd = -1;
    cast::Frame m_frame;
};

std::unique_ptr<ControlMsg> message(ControlMsg::ControlMsgType type, uint32_t action, uint32_t value,
                                    const QRect& position = QRect())
{
    auto msg = std::make_unique<ControlMsg>(type);
    if (type == ControlMsg::Touch)
        msg->setTouchMsgData(ControlMsg::kMousePointerId, action, 1, position, 1.0f);
    else if (type == ControlMsg::KeyCode)
        msg->setKeyCodeMsgData(action, value, 0);
    else if (type == ControlMsg::SystemKey)
        msg->setSystemKeyMsgData(action, value);
    else if (type == ControlMsg::Scroll)
        msg->setScrollMsgData(position, 0, int32_t(value));
    return msg;
}

} // namespace

class TestControllerChannel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void keyMappingSettingsReachTheController_data();
    void keyMappingSettingsReachTheController();
    void bindingMakesTheControllerActive();
    void messagesReachThePhone_data();
    void messagesReachThePhone();
    void unbindingStopsControl();

private:
    std::unique_ptr<QPVAirPlayService> m_service;
    std::unique_ptr<LoopbackPhone> m_phone;
    QPointer<PVDevice> m_session;
};

void TestControllerChannel::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    m_service = std::make_unique<QPVAirPlayService>();
    // Sessions are made for new channels the way the application makes them.
    QPVAirPlayService* service = m_service.get();
    connect(service, &QPVAirPlayService::didFindNewChannel, this,
            [service](QPVAirPlayClient* client) {
                if (service->isListed(client))
                    client->createDeviceSession();
            },
            Qt::BlockingQueuedConnection);
    QVERIFY(m_service->start("Pivora-(control)", nullptr));
    m_phone = std::make_unique<LoopbackPhone>(m_service->ports()[0]);
    QVERIFY(m_phone->hello());
    QTRY_VERIFY_WITH_TIMEOUT(m_service->clientAt(0) && m_service->clientAt(0)->deviceSession(), kWaitMs);
    QVERIFY(m_phone->welcomed());
    m_session = m_service->clientAt(0)->deviceSession();
    QCOMPARE(m_session->controller()->deviceKind(), kAndroidKind);
}

void TestControllerChannel::cleanupTestCase()
{
    m_phone.reset();
    m_service.reset();
}

void TestControllerChannel::keyMappingSettingsReachTheController_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("sensitivity");
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<QString>("warning");
    const int right = Qt::RightButton;
    QTest::newRow("nothing stored") << QVariant() << 10 << right << QString();
    QTest::newRow("a mouse button")
        << QVariant(QVariantMap{{"mouseSensitivity", 25}, {"shootingModeShortcut", "LeftButton"}}) << 25
        << int(Qt::LeftButton) << QString();
    QTest::newRow("a key, sensitivity as text")
        << QVariant(QVariantMap{{"mouseSensitivity", "7"}, {"shootingModeShortcut", "Key_Space"}}) << 7
        << int(Qt::Key_Space) << QString();
    QTest::newRow("unknown shortcut") << QVariant(QVariantMap{{"shootingModeShortcut", "Key_Nothing"}}) << 10 << right
        << "Settings: \"shootingModeShortcut\" names no mouse button or key; the default is used";
    QTest::newRow("sensitivity not a number") << QVariant(QVariantMap{{"mouseSensitivity", "fast"}}) << 10 << right
        << "Settings: \"mouseSensitivity\" is not a number; the default is used";
    QTest::newRow("group not a map") << QVariant("broken") << 10 << right
        << "Settings: \"KBMapping\" is not a map; key-mapping defaults are used";
}

void TestControllerChannel::keyMappingSettingsReachTheController()
{
    QFETCH(QVariant, stored);
    QFETCH(int, sensitivity);
    QFETCH(int, shortcut);
    QFETCH(QString, warning);
    QSettings* settings = pvApp()->settings();
    settings->setValue("KBMapping", stored);
    if (!stored.isValid())
        settings->remove("KBMapping");
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));

    auto* session = new PVDevice(nullptr);
    QPointer<Controller> controller = session->controller();
    QCOMPARE(controller->mouseSensitivity(), sensitivity);
    QCOMPARE(controller->shootingModeShortcut(), shortcut);
    QVERIFY(!controller->isKBMapper());
    delete session;
    QVERIFY(!controller);
    settings->remove("KBMapping");
}

void TestControllerChannel::bindingMakesTheControllerActive()
{
    QVERIFY(!m_session->acceptsInput());
    QVERIFY(!m_session->deviceWidget()->isControlDisplayed());
    PVSettings::setOption(*pvApp()->settings(), "androidDevice", "wiredHID", true);
    emit pvApp()->didOptionsChanged();
    QVERIFY(pvApp()->canControl(kAndroidKind));

    emit m_session->setupBtDevice();
    QTRY_VERIFY(m_session->acceptsInput());
    QCOMPARE(m_session->controller()->deviceWindow(), m_session->deviceWidget());
    QVERIFY(m_session->deviceWidget()->isControlDisplayed());
}

void TestControllerChannel::messagesReachThePhone_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("expected");
    const QString home = "system 0x4000", release = "system 0x0";
    QTest::newRow("landscape touch") << "landscape touch" << QStringList{"touch 1 id 4294967295 at 0.8,0.25"};
    QTest::newRow("portrait move") << "portrait move" << QStringList{"touch 1 id 4294967295 at 0.5,0.1"};
    QTest::newRow("portrait lift") << "portrait lift" << QStringList{"touch 0 id 4294967295 at 0.5,0.1"};
    QTest::newRow("key") << "key" << QStringList{"key 1 4", "key -1 4"};
    QTest::newRow("home") << "postGoHome" << QStringList{home, release, home, release};
    QTest::newRow("back") << "postGoBack" << QStringList{"system 0x8000", release};
    QTest::newRow("app switch") << "postAppSwitch" << QStringList{"system 0x1000", release};
    QTest::newRow("power") << "postPower" << QStringList{"system 0x400", release};
    QTest::newRow("home button") << "btnHome" << QStringList{home, release, home, release};
    QTest::newRow("power button") << "btnPower" << QStringList{"system 0x400", release};
    QTest::newRow("other system key") << "system key 9" << QStringList{"system 0x9", release};
    // What arrives after them shows that nothing came before.
    QTest::newRow("messages with no use here") << "unused" << QStringList{"key 1 41"};
}

void TestControllerChannel::messagesReachThePhone()
{
    QFETCH(QString, action);
    QFETCH(QStringList, expected);
    Controller* controller = m_session->controller();
    auto post = [controller](std::unique_ptr<ControlMsg> msg) { controller->postControlMsg(std::move(msg)); };
    const QMap<QString, std::function<void()>> actions = {
        {"landscape touch", [&] { post(message(ControlMsg::Touch, 0, 0, QRect(250, 100, 1000, 500))); }},
        {"portrait move", [&] { post(message(ControlMsg::Touch, 2, 0, QRect(250, 100, 500, 1000))); }},
        {"portrait lift", [&] { post(message(ControlMsg::Touch, 1, 0, QRect(250, 100, 500, 1000))); }},
        {"key", [&] {
             post(message(ControlMsg::KeyCode, 0, 0x0104));
             post(message(ControlMsg::KeyCode, 1, 0x0104));
         }},
        {"system key 9", [&] {
             post(message(ControlMsg::SystemKey, 0, 9));
             post(message(ControlMsg::SystemKey, 1, 9));
         }},
        {"unused", [&] {
             post(message(ControlMsg::Scroll, 0, 1, QRect(10, 10, 500, 1000)));
             QString text("typed");
             controller->onPostTextInput(text);
             controller->onSetDeviceClipboard();
             controller->onRequestDeviceClipboard();
             controller->onSetScreenPowerMode(ControlMsg::ScreenPowerOff);
             controller->onCollapseNotificationPanel();
             post(message(ControlMsg::Touch, 5, 0, QRect(1, 1, 500, 1000)));
             post(message(ControlMsg::KeyCode, 0, 41));
         }},
    };
    if (actions.contains(action))
        actions[action]();
    else if (action.startsWith("btn"))
        m_session->deviceWidget()->findChild<QAbstractButton*>(action)->click();
    else
        QVERIFY(QMetaObject::invokeMethod(m_session, action.toLatin1().constData()));
    QCoreApplication::sendPostedEvents(controller, QMirraEvent::Control);
    QCOMPARE(m_phone->read(expected.size()), expected);
}

void TestControllerChannel::unbindingStopsControl()
{
    Controller* controller = m_session->controller();
    QSignalSpy infoChanged(m_session.data(), &PVDevice::deviceInfoChanged);
    emit m_session->destroyBtDevice();
    QTRY_VERIFY(!controller->isBluetoothReady());
    QVERIFY(!controller->deviceWindow());
    QVERIFY(!m_session->deviceWidget()->isControlDisplayed());
    QVERIFY(infoChanged.count() >= 1);

    // Nothing goes out now; binding again brings control back.
    emit m_session->postPower();
    emit m_session->setupBtDevice();
    QTRY_VERIFY(m_session->acceptsInput());
    emit m_session->postGoBack();
    QCoreApplication::sendPostedEvents(controller, QMirraEvent::Control);
    QCOMPARE(m_phone->read(2), QStringList({"system 0x8000", "system 0x0"}));
}

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestControllerChannel test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_controller_channel.moc"
