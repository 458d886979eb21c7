// The device session driven through a channel with real H.264: the window appears with the
// first decoded picture, is placed by the channel's position, the Bluetooth binding starts
// once, the decoding tip shows once, and stopping and playing again rebuilds the video path,
// which the FPS read-out follows.

#include "H264TestStream.h"

#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QEAlertDialog.h"
#include "ui/QPVDeviceWidget.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr int kWaitMs = 30000;

// NAL units of an Annex B stream, without their start codes.
QList<QByteArray> splitAnnexB(const QByteArray& stream)
{
    QList<QByteArray> units;
    int pos = 0;
    int start = -1;
    while (pos + 3 <= stream.size()) {
        const bool three = stream[pos] == 0 && stream[pos + 1] == 0 && stream[pos + 2] == 1;
        if (three) {
            if (start >= 0) {
                int end = pos;
                while (end > start && stream[end - 1] == 0)
                    --end;
                units.append(stream.mid(start, end - start));
            }
            pos += 3;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start >= 0)
        units.append(stream.mid(start));
    return units;
}

QByteArray be16(int v)
{
    return QByteArray(1, char(v >> 8)) + QByteArray(1, char(v));
}

QByteArray lengthPrefixed(const QList<QByteArray>& units)
{
    QByteArray out;
    for (const QByteArray& u : units)
        out.append(be16(u.size() >> 16)).append(be16(u.size() & 0xffff)).append(u);
    return out;
}

// The configuration record a phone sends for the stream's parameter sets.
QByteArray configurationRecord(const QByteArray& annexB)
{
    QList<QByteArray> sps;
    QList<QByteArray> pps;
    for (const QByteArray& unit : splitAnnexB(annexB)) {
        if ((unit[0] & 0x1f) == 7)
            sps.append(unit);
        else if ((unit[0] & 0x1f) == 8)
            pps.append(unit);
    }
    QByteArray r;
    r.append(char(1)).append(sps[0].mid(1, 3)).append(char(0xff)).append(char(0xe0 | sps.size()));
    for (const QByteArray& s : sps)
        r.append(be16(s.size())).append(s);
    r.append(char(pps.size()));
    for (const QByteArray& p : pps)
        r.append(be16(p.size())).append(p);
    return r;
}

const uint8_t* bytes(const QByteArray& a)
{
    return reinterpret_cast<const uint8_t*>(a.constData());
}

QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg)
        g_warnings << text;
    g_previousHandler(type, context, text);
}

// The rate the FPS read-out shows for that frame size, or -1 when it shows something else.
int shownFps(QPVDeviceWidget* window, const QSize& size)
{
    auto* label = window->findChild<QLabel*>("labelFPS");
    const QRegularExpressionMatch m = QRegularExpression(QString("^%1 x %2\\nFPS: (\\d+)$")
                                                             .arg(size.width()).arg(size.height()))
                                          .match(label ? label->text() : QString());
    return m.hasMatch() && label->window()->isVisible() ? m.captured(1).toInt() : -1;
}

int tipCount(QWidget* window)
{
    int n = 0;
    for (QEAlertDialog* alert : window->findChildren<QEAlertDialog*>())
        n += alert->title() == "Tips" ? 1 : 0;
    return n;
}

} // namespace

class TestPVDevice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstFrameShowsAndPlacesTheWindow();
    void unknownModelIsLoggedOncePerPhone();
    void fpsReadOutFollowsARestartedStream();

private:
    void play(void* handle, const H264TestStream& stream, double start);

    QPVAirPlayService m_service;
    H264TestStream m_stream;
    H264TestStream m_smaller;
};

void TestPVDevice::initTestCase()
{
    m_stream = H264TestStream::encode(160, 96, 12);
    m_smaller = H264TestStream::encode(128, 80, 12);
    if (m_stream.pictures.isEmpty() || m_smaller.pictures.isEmpty())
        QSKIP("libx264 is not available");
}

void TestPVDevice::play(void* handle, const H264TestStream& stream, double start)
{
    const QByteArray record = configurationRecord(stream.configuration);
    m_service.MirroringStarted(handle, 0, 0, bytes(record), record.size(), 1, start);
    for (int i = 0; i < stream.pictures.size(); ++i) {
        const QByteArray unit = lengthPrefixed(splitAnnexB(stream.pictures[i]));
        m_service.MirroringData(handle, bytes(unit), unit.size(), 0, start + 0.02 * (i + 1), 0);
    }
}

void TestPVDevice::firstFrameShowsAndPlacesTheWindow()
{
    // Two channels; the second one's window goes one step to the right.
    void* first = m_service.Connect("first", 4);
    void* second = m_service.Connect("second", 4);
    auto* client = static_cast<QPVAirPlayClient*>(second);
    static_cast<QPVAirPlayClient*>(first)->createDeviceSession();
    client->createDeviceSession();
    PVDevice* session = client->deviceSession();
    QPointer<QPVDeviceWidget> window = session->deviceWidget();
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QSignalSpy binding(session, &PVDevice::setupBtDevice);

    emit session->volumeMuteChanged(true);
    QTRY_VERIFY(session->isMuted());

    play(second, m_stream, 1.0);
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), kWaitMs);
    QCOMPARE(window->pos(), QPoint(180, 50));
    QTRY_COMPARE_WITH_TIMEOUT(window->frameSize(), QSize(160, 96), kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(binding.count(), 1, kWaitMs);
    QCOMPARE(tipCount(window), 1);

    // Stopped: the video path goes, the window stays; playing again shows pictures again
    // without a second binding or tip.
    m_service.MirroringStopped(second);
    play(second, m_smaller, 5.0);
    QTRY_COMPARE_WITH_TIMEOUT(window->frameSize(), QSize(128, 80), kWaitMs);
    QVERIFY(window->isVisible());
    QCOMPARE(binding.count(), 1);
    QCOMPARE(tipCount(window), 1);

    // A repeated connect gives the channel a new session; the old window goes.
    m_service.Connect("second", 4);
    client->createDeviceSession();
    QVERIFY(window.isNull());
    QVERIFY(client->deviceSession());

    m_service.removeChannel(second);
    m_service.removeChannel(first);
    QCOMPARE(m_service.channelCount(), 0);
}

void TestPVDevice::unknownModelIsLoggedOncePerPhone()
{
    // iPhones of kind 1: one of a model the table lacks, one it knows; an Android phone of an
    // unknown model does not need the table.
    void* future = m_service.Connect("future", 1);
    void* known = m_service.Connect("known", 1);
    void* android = m_service.Connect("android", 3);
    g_warnings.clear();
    g_previousHandler = qInstallMessageHandler(collectWarnings);
    for (void* handle : { future, known, android })
        static_cast<QPVAirPlayClient*>(handle)->createDeviceSession();
    m_service.Information(future, "future", "future", "19.0", "iPhone99,1");
    m_service.Information(known, "known", "known", "17.1", "iPhone17,5");
    m_service.Information(android, "android", "android", "14", "Pixel99");
    // Information that comes again is looked up again, and still noted only once.
    for (int i = 0; i < 3; ++i)
        emit static_cast<QPVAirPlayClient*>(future)->deviceSession()->deviceInfoChanged();
    QTest::qWait(200);
    qInstallMessageHandler(g_previousHandler);
    const QStringList noted = g_warnings.filter("is not in the model table");
    QCOMPARE(noted.size(), 1);
    QVERIFY(noted[0].contains("\"iPhone99,1\" of channel future"));
    for (void* handle : { future, known, android })
        m_service.removeChannel(handle);
}

void TestPVDevice::fpsReadOutFollowsARestartedStream()
{
    void* handle = m_service.Connect("fps", 4);
    auto* client = static_cast<QPVAirPlayClient*>(handle);
    client->createDeviceSession();
    QPointer<QPVDeviceWidget> window = client->deviceSession()->deviceWidget();
    play(handle, m_stream, 1.0);
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), kWaitMs);
    window->findChild<QAbstractButton*>("btnFPS")->click();
    QTRY_VERIFY_WITH_TIMEOUT(shownFps(window, QSize(160, 96)) >= 0, kWaitMs);

    // Stopped, nothing plays; the next stream's rate shows under the button still checked.
    m_service.MirroringStopped(handle);
    QTRY_COMPARE_WITH_TIMEOUT(shownFps(window, QSize(160, 96)), 0, kWaitMs);
    play(handle, m_smaller, 5.0);
    QTRY_VERIFY_WITH_TIMEOUT(shownFps(window, QSize(128, 80)) > 0, kWaitMs);
    QVERIFY(window->findChild<QAbstractButton*>("btnFPS")->isChecked());

    window->findChild<QAbstractButton*>("btnFPS")->click();
    QVERIFY(!window->findChild<QLabel*>("labelFPS")->window()->isVisible());
    m_service.removeChannel(handle);
}

QTEST_MAIN(TestPVDevice)
#include "test_pvdevice.moc"
