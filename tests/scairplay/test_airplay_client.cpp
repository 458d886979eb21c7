// The channel's conversion of the engine's callbacks: packets, timestamps, key-frame gate,
// rotation, version numbers and audio parameters.

#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "scairplay/SCAirPlayClient.h"

#include <QApplication>
#include <QtTest>

#include <atomic>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// 1918x1078 High profile, as the MP4 muxer writes it for a libx264 encode.
const QByteArray kRecord = QByteArray::fromHex(
    "01641028ffe1001767641028acb80f0044f53602200000030020000006408001000568ee0f2c8bfdf8f800");
// A record whose sequence parameter set is only a header byte: no size can be read from it.
const QByteArray kRecordNoSize = QByteArray::fromHex("0164001fffe1000167010001000168");

const uint8_t* bytes(const QByteArray& a)
{
    return reinterpret_cast<const uint8_t*>(a.constData());
}

QByteArray lengthPrefixed(const QList<QByteArray>& units)
{
    QByteArray out;
    for (const QByteArray& u : units) {
        const uint32_t n = uint32_t(u.size());
        out.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
        out.append(u);
    }
    return out;
}

const QByteArray kIdr = lengthPrefixed({QByteArray::fromHex("658888"), QByteArray::fromHex("6501")});
const QByteArray kDelta = lengthPrefixed({QByteArray::fromHex("419a0203")});

struct Delivered {
    int64_t pts;
    int64_t dts;
    int64_t duration;
    bool key;
    QByteArray data;
};

// Records what the protocol layer hands to its overridable operations.
class RecordingClient : public SCAirPlayClient {
public:
    RecordingClient()
        : SCAirPlayClient(nullptr, "channel", 1)
    {
    }
    void videoPackets(const AVPacket* converted, const AVPacket* received, int, int) override
    {
        packets.append({converted->pts, converted->dts, converted->duration,
                        bool(converted->flags & AV_PKT_FLAG_KEY),
                        QByteArray(reinterpret_cast<const char*>(converted->data), converted->size)});
        raw.append(QByteArray(reinterpret_cast<const char*>(received->data), received->size));
    }
    void rotationChanged(int oldDir, int newDir) override
    {
        rotations.append(QString("%1>%2").arg(oldDir).arg(newDir));
    }
    void streamStarted(const AVCodecParameters*, const AVCodecParameters*) override { ++started; }
    void streamChanged(const AVCodecParameters*, const AVCodecParameters*) override { ++changed; }
    void audioPacket(const AVPacket* packet) override
    {
        audio.append({packet->pts, packet->dts, packet->duration, false, QByteArray()});
    }

    QList<Delivered> packets;
    QList<QByteArray> raw;
    QStringList rotations;
    QList<Delivered> audio;
    int started = 0;
    int changed = 0;
};

} // namespace

class TestAirPlayClient : public QObject {
    Q_OBJECT
private slots:
    void conversion();
    void timestamps_data();
    void timestamps();
    void rotation_data();
    void rotation();
    void versionNumber_data();
    void versionNumber();
    void frameSize();
    void parametersCopiedWhileReconfigured();
    void audio_data();
    void audio();
    void keyFrameGate_data();
    void keyFrameGate();
    void connectTwiceSameChannel();
    void callbacksForUnlistedChannelsIgnored();
};

void TestAirPlayClient::conversion()
{
    RecordingClient c;
    c.handleMirroringStarted(bytes(kRecord), kRecord.size(), 1, 2.0);
    c.handleMirroringData(bytes(kIdr), kIdr.size(), 0, 2.5, 0);
    QCOMPARE(c.started, 1);
    QCOMPARE(c.packets.size(), 2);
    // Configuration: its parameter sets in start-code form, no timestamp.
    const Delivered& config = c.packets[0];
    QCOMPARE(config.pts, int64_t(AV_NOPTS_VALUE));
    QCOMPARE(config.dts, int64_t(AV_NOPTS_VALUE));
    QVERIFY(config.data.startsWith(QByteArray::fromHex("0000000167641028")));
    QVERIFY(config.data.contains(QByteArray::fromHex("0000000168ee0f2c8b")));
    QCOMPARE(c.raw[0], kRecord);
    // Frame: start codes in place of the lengths, key frame marked, received bytes untouched.
    QCOMPARE(c.packets[1].data, QByteArray::fromHex("00000001658888000000016501"));
    QVERIFY(c.packets[1].key);
    QCOMPARE(c.raw[1], kIdr);
    QVERIFY(c.videoParameters());
    QCOMPARE(c.videoParameters()->codec_id, AV_CODEC_ID_H264);
    QCOMPARE(c.audioParameters()->codec_id, AV_CODEC_ID_PCM_S16LE);
    QCOMPARE(c.audioParameters()->sample_rate, 44100);
    QCOMPARE(c.audioParameters()->ch_layout.nb_channels, 2);
    QCOMPARE(c.audioParameters()->frame_size, 1024);

    // A cut-off frame keeps the whole units before the cut; nothing crashes.
    QByteArray cut = kIdr;
    cut.chop(1);
    c.handleMirroringData(bytes(cut), cut.size(), 0, 3.0, 0);
    QCOMPARE(c.packets.size(), 3);
    QVERIFY(c.packets[2].data.startsWith(QByteArray::fromHex("00000001658888")));

    c.mirroringStopped();
    QVERIFY(!c.videoParameters());
    QVERIFY(!c.audioParameters());
}

void TestAirPlayClient::timestamps_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<qint64>("firstDuration");
    QTest::addColumn<qint64>("secondDuration");
    QTest::newRow("rising") << 1.0 << 1.5 << 1.75 << qint64(500000) << qint64(250000);
    QTest::newRow("older timestamp") << 1.0 << 2.0 << 1.5 << qint64(1000000) << qint64(0);
    QTest::newRow("before start") << 5.0 << 4.0 << 4.5 << qint64(0) << qint64(500000);
}

void TestAirPlayClient::timestamps()
{
    QFETCH(double, start);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(qint64, firstDuration);
    QFETCH(qint64, secondDuration);
    RecordingClient c;
    c.handleMirroringStarted(bytes(kRecord), kRecord.size(), 1, start);
    c.handleMirroringData(bytes(kIdr), kIdr.size(), 0, first, 0);
    c.handleMirroringData(bytes(kDelta), kDelta.size(), 0, second, 0);
    QCOMPARE(c.packets.size(), 3);
    QCOMPARE(c.packets[1].pts, int64_t(first * 1000000));
    QCOMPARE(c.packets[1].dts, int64_t(start * 1000000));
    QCOMPARE(qint64(c.packets[1].duration), firstDuration);
    QCOMPARE(c.packets[2].dts, int64_t(first * 1000000));
    QCOMPARE(qint64(c.packets[2].duration), secondDuration);
}

void TestAirPlayClient::rotation_data()
{
    QTest::addColumn<QList<int>>("sequence");
    QTest::addColumn<QStringList>("changes");
    QTest::newRow("0 90 90") << QList<int>{0, 90, 90} << QStringList{"0>90"};
    QTest::newRow("orientation codes") << QList<int>{0, 4, 4, 7, 0} << QStringList{"0>4", "4>7", "7>0"};
    QTest::newRow("steady") << QList<int>{0, 0, 0} << QStringList{};
}

void TestAirPlayClient::rotation()
{
    QFETCH(QList<int>, sequence);
    QFETCH(QStringList, changes);
    RecordingClient c;
    c.handleMirroringStarted(bytes(kRecord), kRecord.size(), 1, 1.0);
    double t = 1.0;
    for (int r : sequence)
        c.handleMirroringData(bytes(kDelta), kDelta.size(), 0, t += 0.1, r);
    QCOMPARE(c.rotations, changes);
    QCOMPARE(c.rotation(), sequence.last());
    // A new start turns the stored rotation back to 0 without reporting it.
    c.handleMirroringStarted(bytes(kRecord), kRecord.size(), 1, 9.0);
    QCOMPARE(c.rotation(), 0);
    QCOMPARE(c.rotations, changes);
}

void TestAirPlayClient::versionNumber_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("number");
    QTest::newRow("14.0") << "14.0" << 1400;
    QTest::newRow("13.4.1") << "13.4.1" << 1341;
    QTest::newRow("major only") << "15" << 1500;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a version") << "beta" << 0;
    QTest::newRow("huge parts") << "99999999999.99999999999.9" << 100000 * 100 + 100000 * 10 + 9;
}

void TestAirPlayClient::versionNumber()
{
    QFETCH(QString, version);
    QFETCH(int, number);
    RecordingClient c;
    const QByteArray utf8 = version.toUtf8();
    c.setInformation("Phone", "channel-2", utf8.constData(), "iPhone13,2");
    QCOMPARE(c.versionNumber(), number);
    QCOMPARE(QString::fromStdString(c.systemVersionUtf8()), version);
    QCOMPARE(QString::fromStdString(c.channelIdUtf8()), QString("channel-2"));
}

void TestAirPlayClient::frameSize()
{
    RecordingClient c;
    int w = -1;
    int h = -1;
    // A size that could not be read does not count as known...
    c.handleMirroringStarted(bytes(kRecordNoSize), kRecordNoSize.size(), 1, 1.0);
    c.portraitSize(&w, &h);
    QCOMPARE(w, 0);
    QCOMPARE(h, 0);
    // ...so the next readable configuration sets it, turned to portrait.
    c.handleMirroringData(bytes(kRecord), kRecord.size(), 1, 1.1, 0);
    c.portraitSize(&w, &h);
    QCOMPARE(w, 1078);
    QCOMPARE(h, 1918);
    QCOMPARE(c.changed, 1);
}

// A recording copies the parameters on the GUI thread while the phone may be sending a new
// configuration on the engine thread: every copy is one whole configuration, never a mix of
// two or a freed one.
void TestAirPlayClient::parametersCopiedWhileReconfigured()
{
    RecordingClient c;
    c.handleMirroringStarted(bytes(kRecord), kRecord.size(), 1, 1.0);
    AVCodecParametersPtr first(avcodec_parameters_alloc());
    QVERIFY(c.copyVideoParameters(first.get()));
    QCOMPARE(first->width, 1918);
    std::atomic<bool> done{false};
    std::thread phone([&] {
        for (int i = 0; i < 3000; ++i) {
            const QByteArray& record = i % 2 ? kRecord : kRecordNoSize;
            c.handleMirroringData(bytes(record), record.size(), 1, 1.0 + i * 0.001, 0);
        }
        c.mirroringStopped();
        done = true;
    });
    int mixed = 0;
    while (!done) {
        AVCodecParametersPtr copy(avcodec_parameters_alloc());
        if (!c.copyVideoParameters(copy.get()))
            continue;
        const QByteArray extradata(reinterpret_cast<const char*>(copy->extradata), copy->extradata_size);
        const bool sized = copy->width == 1918 && extradata == kRecord;
        const bool unsized = copy->width == 0 && extradata == kRecordNoSize;
        mixed += sized || unsized ? 0 : 1;
    }
    phone.join();
    QCOMPARE(mixed, 0);
    AVCodecParametersPtr after(avcodec_parameters_alloc());
    QVERIFY(!c.copyVideoParameters(after.get()));
}

void TestAirPlayClient::audio_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("codec");
    QTest::addColumn<qint64>("duration"); // -1: dropped
    QTest::newRow("16-bit stereo") << 16 << 2 << 44100 << 4096 << int(AV_CODEC_ID_PCM_S16LE) << qint64(23220);
    QTest::newRow("8-bit mono") << 8 << 1 << 8000 << 800 << int(AV_CODEC_ID_PCM_U8) << qint64(100000);
    QTest::newRow("float 48k") << 32 << 2 << 48000 << 384000 << int(AV_CODEC_ID_PCM_F32LE) << qint64(1000000);
    QTest::newRow("six channels") << 16 << 6 << 48000 << 1152 << int(AV_CODEC_ID_PCM_S16LE) << qint64(2000);
    QTest::newRow("24-bit") << 24 << 2 << 44100 << 4096 << int(AV_CODEC_ID_NONE) << qint64(-1);
    QTest::newRow("no channels") << 16 << 0 << 44100 << 4096 << int(AV_CODEC_ID_NONE) << qint64(-1);
    QTest::newRow("no rate") << 16 << 2 << 0 << 4096 << int(AV_CODEC_ID_NONE) << qint64(-1);
}

void TestAirPlayClient::audio()
{
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, length);
    QFETCH(int, codec);
    QFETCH(qint64, duration);
    RecordingClient c;
    const QByteArray pcm(length, '\x10');
    // Before any format nothing says what the bytes are.
    c.handleAudioData(reinterpret_cast<const uint8_t*>(pcm.constData()), pcm.size(), 1.0);
    QVERIFY(c.audio.isEmpty());

    c.handleAudioFormat(bits, channels, rate, 7);
    c.handleAudioData(reinterpret_cast<const uint8_t*>(pcm.constData()), pcm.size(), 2.5);
    if (duration < 0) {
        QVERIFY(!c.audioParameters());
        QVERIFY(c.audio.isEmpty());
        return;
    }
    QCOMPARE(int(c.audioParameters()->codec_id), codec);
    QCOMPARE(c.audioParameters()->ch_layout.nb_channels, channels);
    QCOMPARE(c.audio.size(), 1);
    QCOMPARE(c.audio[0].pts, int64_t(2500000));
    QCOMPARE(qint64(c.audio[0].duration), duration);
    // A later configuration keeps the format the phone announced.
    c.handleMirroringStarted(bytes(kRecord), kRecord.size(), 1, 3.0);
    QCOMPARE(int(c.audioParameters()->codec_id), codec);
}

void TestAirPlayClient::keyFrameGate_data()
{
    // C configuration, I key frame, P other frame; the expected letters are what reaches the
    // device session.
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("delivered");
    QTest::newRow("frames before the key frame") << "CPPIPP" << "CIPP";
    QTest::newRow("configuration while waiting") << "CPCPI" << "CCI";
    QTest::newRow("new configuration waits again") << "CIPCPIP" << "CIPCIP";
}

void TestAirPlayClient::keyFrameGate()
{
    QFETCH(QString, sent);
    QFETCH(QString, delivered);
    QPVAirPlayService service;
    void* handle = service.Connect("gate", 4);
    auto* client = static_cast<QPVAirPlayClient*>(handle);
    client->createDeviceSession();
    PVDevice* session = client->deviceSession();
    QVERIFY(session);

    QString got;
    connect(session, &PVDevice::deliverMediaPacket, this,
            [&](int type, AVPacket* packet, AVPacket*) {
                QCOMPARE(type, 0);
                if (packet->pts == AV_NOPTS_VALUE)
                    got += 'C';
                else
                    got += (packet->flags & AV_PKT_FLAG_KEY) ? 'I' : 'P';
            },
            Qt::DirectConnection);

    double t = 1.0;
    bool first = true;
    for (QChar step : sent) {
        t += 0.04;
        if (step == 'C' && first)
            service.MirroringStarted(handle, 0, 0, bytes(kRecord), kRecord.size(), 1, t);
        else if (step == 'C')
            service.MirroringData(handle, bytes(kRecord), kRecord.size(), 1, t, 0);
        else if (step == 'I')
            service.MirroringData(handle, bytes(kIdr), kIdr.size(), 0, t, 0);
        else
            service.MirroringData(handle, bytes(kDelta), kDelta.size(), 0, t, 0);
        first = false;
    }
    QCOMPARE(got, delivered);
    // The session is deleted with its channel; the packets still queued for it are freed.
    service.removeChannel(handle);
    QCOMPARE(service.channelCount(), 0);
}

void TestAirPlayClient::connectTwiceSameChannel()
{
    QPVAirPlayService service;
    QSignalSpy found(&service, &QPVAirPlayService::didFindNewChannel);
    void* a = service.Connect("phone-1", 1);
    void* b = service.Connect("phone-1", 1);
    void* c = service.Connect("phone-2", 3);
    QVERIFY(a);
    QCOMPARE(b, a);
    QVERIFY(c != a);
    QCOMPARE(found.count(), 3);
    QCOMPARE(found[0][0].value<QPVAirPlayClient*>(), static_cast<QPVAirPlayClient*>(a));
    QCOMPARE(found[1][0].value<QPVAirPlayClient*>(), static_cast<QPVAirPlayClient*>(a));
    QCOMPARE(service.channelCount(), 2);
    QCOMPARE(service.indexOfChannel(c), 1);
    QCOMPARE(static_cast<QPVAirPlayClient*>(a)->deviceKind(), 1u);
    QCOMPARE(static_cast<QPVAirPlayClient*>(c)->deviceKind(), 3u);

    service.Information(c, "Pixel", "phone-2", "12.0.0", "Pixel5");
    QCOMPARE(service.findClientByPhoneName("Pixel"), static_cast<QPVAirPlayClient*>(c));
    QVERIFY(!service.findChannelByPhoneName(nullptr));
    QVERIFY(!service.findChannelByPhoneName("Nobody"));

    // An empty identifier is refused without a channel.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("without a channel identifier"));
    QVERIFY(!service.Connect("", 1));
    QCOMPARE(found.count(), 3);
}

void TestAirPlayClient::callbacksForUnlistedChannelsIgnored()
{
    QPVAirPlayService service;
    QSignalSpy stopped(&service, &QPVAirPlayService::didStopChannel);
    QSignalSpy rotated(&service, &QPVAirPlayService::didAirPlayMirroringRotated);
    void* handle = service.Connect("phone", 1);
    service.removeChannel(handle);
    // The same removal again (phone left while its window was closed) does nothing.
    service.removeChannel(handle);
    service.Disconnected(handle);
    service.Rotated(handle, 0, 4);
    service.MirroringData(handle, bytes(kIdr), kIdr.size(), 0, 1.0, 0);
    QCOMPARE(stopped.count(), 0);
    QCOMPARE(rotated.count(), 0);
    QCOMPARE(service.channelCount(), 0);
}

QTEST_MAIN(TestAirPlayClient)
#include "test_airplay_client.moc"
