// Recordings and phone sound end to end: a simulated phone (pivora-cast) mirrors a file or a
// live picture into the real receiver service, its sound plays through the real mixer (on SDL's
// dummy driver), and the device session records it. The files written are read back and
// decoded on their own.

#include "RecordingTestStream.h"
#include "pivoraaudio/MixerProbe.h"
#include "support/CastHost.h"

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "media/DeviceRecording.h"
#include "media/Recorder.h"
#include "media/pvoaudio.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

using casthost::Host;

namespace {

constexpr int kWaitMs = 90000;
constexpr int kToneHz = 440;
constexpr int kFileSeconds = 4;
constexpr int kFileFps = 25;
constexpr QSize kFileSize(240, 160);

QByteArray md5(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5);
}

void setRecordOption(const QString& key, const QVariant& value)
{
    PVSettings::setOption(*pvApp()->settings(), QStringLiteral("record"), key, value);
}

QStringList recordingsIn(const QString& folder)
{
    return QDir(folder).entryList({"Pivora_*.mp4"}, QDir::Files, QDir::Name);
}

// An MP4 as a phone's screen recording would be: H.264 without B-frames (libx264) and a stereo
// AAC tone, made with the ffmpeg program.
QString makeToneFile(const QString& path)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-y",
                            "-f", "lavfi", "-i", QStringLiteral("testsrc2=size=%1x%2:rate=%3")
                                                     .arg(kFileSize.width()).arg(kFileSize.height()).arg(kFileFps),
                            "-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:sample_rate=44100").arg(kToneHz),
                            "-t", QString::number(kFileSeconds), "-map", "0:v", "-map", "1:a",
                            "-c:v", "libx264", "-preset", "ultrafast", "-bf", "0", "-g", QString::number(kFileFps),
                            "-pix_fmt", "yuv420p", "-c:a", "aac", "-ac", "2", "-ar", "44100", path});
    if (!ffmpeg.waitForFinished(kWaitMs) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        return QString::fromLocal8Bit(ffmpeg.readAllStandardError()) + ffmpeg.errorString();
    return QString();
}

struct DecodedVideo {
    bool opened = false;
    int packets = 0;
    int frames = 0;
    int damaged = 0;   // frames the decoder marked corrupt or concealed
    QSize size;        // of the first frame
    QString error;
};

// Decodes a file's video with a decoder that knows only what the file holds.
DecodedVideo decodeVideo(const QString& path)
{
    DecodedVideo result;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return result;
    AVFormatInputPtr input(raw);
    const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return result;
    AVCodecContextPtr decoder(avcodec_alloc_context3(avcodec_find_decoder(AV_CODEC_ID_H264)));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), input->streams[index]->codecpar) < 0
        || avcodec_open2(decoder.get(), nullptr, nullptr) < 0)
        return result;
    result.opened = true;
    AVPacketPtr packet = makeAVPacket();
    AVFramePtr frame = makeAVFrame();
    const auto receive = [&] {
        while (avcodec_receive_frame(decoder.get(), frame.get()) == 0) {
            if (result.frames++ == 0)
                result.size = QSize(frame->width, frame->height);
            if ((frame->flags & AV_FRAME_FLAG_CORRUPT) || frame->decode_error_flags)
                ++result.damaged;
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        if (packet->stream_index == index) {
            ++result.packets;
            const int sent = avcodec_send_packet(decoder.get(), packet.get());
            if (sent < 0 && result.error.isEmpty())
                result.error = QStringLiteral("packet %1 refused (%2)").arg(result.packets).arg(sent);
            receive();
        }
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(decoder.get(), nullptr);
    receive();
    return result;
}

// The first channel of a file's sound, decoded and converted to 16-bit at its own rate.
std::vector<int16_t> decodeSoundLeft(const QString& path)
{
    std::vector<int16_t> left;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return left;
    AVFormatInputPtr input(raw);
    const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index < 0)
        return left;
    const AVCodecParameters* par = input->streams[index]->codecpar;
    AVCodecContextPtr decoder(avcodec_alloc_context3(avcodec_find_decoder(par->codec_id)));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), par) < 0
        || avcodec_open2(decoder.get(), nullptr, nullptr) < 0)
        return left;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    SwrContext* rawSwr = nullptr;
    // Channel 0 only: a matrix that takes the left input as the single output.
    if (swr_alloc_set_opts2(&rawSwr, &mono, AV_SAMPLE_FMT_S16, decoder->sample_rate, &decoder->ch_layout,
                            decoder->sample_fmt, decoder->sample_rate, 0, nullptr) < 0)
        return left;
    SwrContextPtr swr(rawSwr);
    std::vector<double> matrix(size_t(decoder->ch_layout.nb_channels), 0.0);
    matrix[0] = 1.0;
    if (swr_set_matrix(swr.get(), matrix.data(), 1) < 0 || swr_init(swr.get()) < 0)
        return left;
    AVPacketPtr packet = makeAVPacket();
    AVFramePtr frame = makeAVFrame();
    const auto receive = [&] {
        while (avcodec_receive_frame(decoder.get(), frame.get()) == 0) {
            const size_t at = left.size();
            left.resize(at + size_t(frame->nb_samples));
            uint8_t* out[] = {reinterpret_cast<uint8_t*>(left.data() + at)};
            const int got = swr_convert(swr.get(), out, frame->nb_samples,
                                        const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
            left.resize(at + size_t(std::max(got, 0)));
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        if (packet->stream_index == index && avcodec_send_packet(decoder.get(), packet.get()) >= 0)
            receive();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(decoder.get(), nullptr);
    receive();
    return left;
}

// How much of the signal in [from, from + count) is a tone of hz (1: nothing else), from the
// Goertzel power at hz against the whole power; 0 for silence.
double toneShare(const int16_t* samples, long count, int stride, double hz)
{
    if (count <= 0)
        return 0;
    const double coefficient = 2 * std::cos(2 * M_PI * hz / probe::kRate);
    double s1 = 0, s2 = 0, energy = 0;
    for (long i = 0; i < count; ++i) {
        const double x = samples[i * stride];
        energy += x * x;
        const double s = x + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    if (energy < 1)
        return 0;
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2 * power / (double(count) * energy);
}

double rms(const int16_t* samples, long count, int stride)
{
    double sum = 0;
    for (long i = 0; i < count; ++i)
        sum += double(samples[i * stride]) * samples[i * stride];
    return count > 0 ? std::sqrt(sum / count) : 0;
}

// A second of sound is the tone when it is loud enough and mostly that frequency (short gaps
// where a source ran dry still pass).
bool carriesTone(const int16_t* samples, long count, int stride)
{
    return rms(samples, count, stride) > 1000 && toneShare(samples, count, stride, kToneHz) > 0.5;
}

// Whether some half second of interleaved sound within frames [from, to) is the tone.
bool toneWithin(const int16_t* samples, long from, long to, int channels)
{
    const long window = probe::kRate / 2;
    for (long at = std::max(0L, from); at + window <= to; at += probe::kRate / 20)
        if (carriesTone(samples + at * channels, window, channels))
            return true;
    return false;
}

struct Run {
    long start = 0;
    long length = 0;
};

// The longest stretch of frames in [from, to) of interleaved sound in which no channel goes
// beyond limit.
Run longestQuietRun(const int16_t* samples, long from, long to, int channels, int limit)
{
    Run best, current;
    for (long i = from; i < to; ++i) {
        bool quiet = true;
        for (int c = 0; c < channels; ++c)
            quiet = quiet && std::abs(samples[i * channels + c]) <= limit;
        if (!quiet) {
            current.length = 0;
            continue;
        }
        if (current.length++ == 0)
            current.start = i;
        if (current.length > best.length)
            best = current;
    }
    return best;
}

// The phone's process has ended (it may have done so already).
bool phoneEnded(QProcess& phone)
{
    return phone.state() == QProcess::NotRunning || phone.waitForFinished(kWaitMs);
}

long mixedFrames()
{
    std::lock_guard<std::mutex> lock(probe::capture(0).mutex);
    return long(probe::capture(0).samples.size() / 2);
}

} // namespace

class TestRecordE2E : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void recordingHoldsThePhonesStream_data();
    void recordingHoldsThePhonesStream();
    void mutedPhoneIsSilent();
    void splitFilesPlayOnTheirOwn_data();
    void splitFilesPlayOnTheirOwn();

private:
    QTemporaryDir m_dir;
    QString m_file;
    QString m_saveFolder;
    std::unique_ptr<QPVAirPlayService> m_service;
    std::unique_ptr<Host> m_host;
    void* m_output = nullptr;
};

void TestRecordE2E::initTestCase()
{
    QVERIFY2(QFile::exists(casthost::castProgram()), "pivora-cast not found; PIVORA_BIN_DIR must name the build's bin");
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath("phone.mp4");
    const QString failure = makeToneFile(m_file);
    QVERIFY2(failure.isEmpty(), qPrintable("ffmpeg could not make the phone's file: " + failure));
    QCOMPARE(pvoAudioInit(), 0);
    m_output = pvoAudioAddOutput(probe::collect<0>);
    QVERIFY(m_output);
}

void TestRecordE2E::cleanupTestCase()
{
    pvoAudioRemoveOutput(m_output);
    pvoAudioDeInit();
}

void TestRecordE2E::init()
{
    static int run = 0;
    m_saveFolder = m_dir.filePath(QStringLiteral("recordings-%1").arg(++run));
    QVERIFY(QDir().mkpath(m_saveFolder));
    setRecordOption("savePath", m_saveFolder);
    setRecordOption("audioOutput", "device");
    setRecordOption("splitDuration", 1);
    probe::capture(0).reset();
    m_service = std::make_unique<QPVAirPlayService>();
    m_host = std::make_unique<Host>(m_service.get());
    QVERIFY(m_service->start("Pivora-(record)", nullptr));
}

void TestRecordE2E::cleanup()
{
    // The callbacks of a test refer to its locals.
    if (m_host) {
        m_host->onPlay = nullptr;
        m_host->onStop = nullptr;
    }
    m_service.reset();
    m_host.reset();
}

void TestRecordE2E::recordingHoldsThePhonesStream_data()
{
    QTest::addColumn<QString>("audioOutput");
    QTest::newRow("with sound") << "device";
    QTest::newRow("silence") << "silence";
}

// The whole file, recorded from the phone's first picture to its last: the H.264 packets are
// the file's own, byte for byte and in the file's length-prefixed form (the recorder stores
// what the phone sent; the start-code form is only for the decoder), timed from 0.
void TestRecordE2E::recordingHoldsThePhonesStream()
{
    QFETCH(QString, audioOutput);
    setRecordOption("audioOutput", audioOutput);
    QPointer<PVDevice> session;
    bool started = false;
    bool stopped = false;
    m_host->onPlay = [&](QPVAirPlayClient* client) {
        session = client->deviceSession();
        started = session && session->startRecord(0);
    };
    m_host->onStop = [&](QPVAirPlayClient*) {
        if (session)
            session->stopRecord(true);
        stopped = true;
    };
    auto phone = casthost::startPhone(m_service->ports()[0], "recorded", 4, {"--file", m_file});
    QTRY_VERIFY_WITH_TIMEOUT(stopped, kWaitMs);
    QVERIFY(phoneEnded(*phone));
    QCOMPARE(phone->exitCode(), 0);
    QVERIFY(started);

    const QStringList files = recordingsIn(m_saveFolder);
    QCOMPARE(files.size(), 1);
    const ProbedFile sent = ProbedFile::read(m_file);
    const ProbedFile recorded = ProbedFile::read(QDir(m_saveFolder).filePath(files[0]));
    QVERIFY(sent.opened && recorded.opened);
    const bool withSound = audioOutput != "silence";
    QCOMPARE(recorded.streams, withSound ? 2 : 1);

    QCOMPARE(recorded.videoCodec, AV_CODEC_ID_H264);
    QCOMPARE(recorded.videoSize, kFileSize);
    QCOMPARE(recorded.videoExtradata, sent.videoExtradata);
    QCOMPARE(recorded.videoData.size(), sent.videoData.size());
    QCOMPARE(recorded.videoData.size(), kFileSeconds * kFileFps);
    QCOMPARE(recorded.videoPtsUs.first(), int64_t(0));
    for (int i = 0; i < sent.videoData.size(); ++i) {
        QVERIFY2(md5(recorded.videoData[i]) == md5(sent.videoData[i]), qPrintable(QString("packet %1").arg(i)));
        const int64_t expected = sent.videoPtsUs[i] - sent.videoPtsUs.first();
        QVERIFY2(std::abs(recorded.videoPtsUs[i] - expected) <= 1000,
                 qPrintable(QString("packet %1 at %2 us, sent at %3 us").arg(i).arg(recorded.videoPtsUs[i]).arg(expected)));
        QCOMPARE(recorded.videoKeys[i], sent.videoKeys[i]);
    }
    if (!withSound)
        return;

    QCOMPARE(recorded.audioCodec, AV_CODEC_ID_AAC);
    QCOMPARE(recorded.sampleRate, 44100);
    QCOMPARE(recorded.channels, 2);
    QVERIFY(!recorded.audioPts.isEmpty());
    QVERIFY2(recorded.audioPts.first() >= 0 && recorded.audioPts.first() < 44100 / 10,
             qPrintable(QString("sound starts at sample %1").arg(recorded.audioPts.first())));
    QVERIFY2(std::abs(recorded.audioSeconds - recorded.videoSeconds) < 0.5,
             qPrintable(QString("sound %1 s, picture %2 s").arg(recorded.audioSeconds).arg(recorded.videoSeconds)));
    // The sound is the phone's tone, from the middle of the recording.
    const std::vector<int16_t> sound = decodeSoundLeft(QDir(m_saveFolder).filePath(files[0]));
    QVERIFY(long(sound.size()) >= 3 * probe::kRate);
    QVERIFY(carriesTone(sound.data() + probe::kRate, probe::kRate, 1));
}

// Muting the phone silences it at its mixer source: the mix carries exact zeros and the
// recording silence for the muted stretch, and the tone again once unmuted.
void TestRecordE2E::mutedPhoneIsSilent()
{
    // Looping the file keeps the tone going however long the test takes.
    auto phone = casthost::startPhone(m_service->ports()[0], "muted", 4, {"--file", m_file, "--duration", "600"});
    QTRY_VERIFY_WITH_TIMEOUT(m_service->channelCount() == 1 && casthost::windowOf(m_service->clientAt(0))
                                 && casthost::windowOf(m_service->clientAt(0))->isVisible(),
                             kWaitMs);
    QPointer<PVDevice> session = m_service->clientAt(0)->deviceSession();
    const auto toneLately = [] {
        const std::vector<int16_t> mix = probe::capture(0).copy();
        const long frames = long(mix.size() / 2);
        return toneWithin(mix.data(), frames - probe::kRate, frames, 2);
    };
    QTRY_VERIFY_WITH_TIMEOUT(toneLately(), kWaitMs);
    QVERIFY(session->startRecord(0));
    // The file begins with the phone's next key frame; sound is recorded from then on.
    const auto* recording = session->findChild<DeviceRecording*>();
    QTRY_VERIFY_WITH_TIMEOUT(recording->recorder() && recording->recorder()->isStarted(), kWaitMs);
    // Stretches measured in mixed sound, not wall time: the mixer plays at real-time pace.
    const long recorded = mixedFrames();
    QTRY_VERIFY_WITH_TIMEOUT(mixedFrames() >= recorded + 2 * probe::kRate, kWaitMs);

    const long muted = mixedFrames();
    emit session->volumeMuteChanged(true);
    QTRY_VERIFY(session->isMuted());
    QTRY_VERIFY_WITH_TIMEOUT(mixedFrames() >= muted + 3 * probe::kRate, kWaitMs);
    const long unmuted = mixedFrames();
    emit session->volumeMuteChanged(false);
    QTRY_VERIFY(!session->isMuted());
    QTRY_VERIFY_WITH_TIMEOUT(mixedFrames() >= unmuted + 2 * probe::kRate, kWaitMs);
    const long end = mixedFrames();
    QVERIFY(session->isRecording());
    session->stopRecord(true);
    m_service->clientAt(0)->shutdownDevice();
    QTRY_COMPARE_WITH_TIMEOUT(m_service->channelCount(), 0, kWaitMs);
    QVERIFY(phoneEnded(*phone));

    // The mix: the phone is the only source. What was buffered when it was muted (at most half
    // a second) still plays, then nothing but zeros until it is unmuted.
    const std::vector<int16_t> mix = probe::capture(0).copy();
    QVERIFY2(toneWithin(mix.data(), muted - probe::kRate, muted, 2), "no tone in the mix before the mute");
    const Run silent = longestQuietRun(mix.data(), muted, std::min(long(mix.size() / 2), unmuted + probe::kRate / 2), 2, 0);
    QVERIFY2(silent.length >= 2 * probe::kRate,
             qPrintable(QString("longest run of zeros in the mix while muted: %1 frames").arg(silent.length)));
    QVERIFY2(toneWithin(mix.data(), silent.start + silent.length, end, 2), "no tone in the mix after the mute");

    // The recording: tone, a muted stretch of silence, tone again.
    const QStringList files = recordingsIn(m_saveFolder);
    QCOMPARE(files.size(), 1);
    const std::vector<int16_t> sound = decodeSoundLeft(QDir(m_saveFolder).filePath(files[0]));
    const long length = long(sound.size());
    // AAC's rounding of silence stays far below the tone (peak about 4000).
    const Run quiet = longestQuietRun(sound.data(), 0, length, 1, 60);
    QVERIFY2(quiet.length >= 2 * probe::kRate,
             qPrintable(QString("longest quiet stretch of the recording: %1 samples of %2").arg(quiet.length).arg(length)));
    QVERIFY2(toneWithin(sound.data(), 0, quiet.start, 1),
             qPrintable(QString("no tone before the quiet stretch at sample %1").arg(quiet.start)));
    QVERIFY2(toneWithin(sound.data(), quiet.start + quiet.length, length, 1),
             qPrintable(QString("no tone after the quiet stretch, from sample %1 of %2").arg(quiet.start + quiet.length).arg(length)));
}

void TestRecordE2E::splitFilesPlayOnTheirOwn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("phoneOptions");
    QTest::addColumn<int>("splitSeconds");   // 0: the hour from the settings
    QTest::addColumn<bool>("numberOneTaken");
    QTest::addColumn<int>("framesSent");
    QTest::addColumn<int>("files");          // 0: at least two
    QTest::addColumn<bool>("turns");

    // The phone turns at 2 s and 4 s of its 5 s, each time re-encoding at the swapped size;
    // the picture of each turning moment belongs to neither stream and is not sent.
    QTest::newRow("size changes") << 4 << QStringList{"--pattern", "160x96@30", "--duration", "5", "--rotate-every", "2"}
                                  << 0 << false << 5 * 30 - 2 << 3 << true;
    // Every 2 s of recording the file ends before a key frame, which the phone (kind 2, sending
    // key frames on request) makes at once; "_1" is taken, so the numbers go on from "_2".
    QTest::newRow("duration, _1 taken") << 2 << QStringList{"--pattern", "160x96@30", "--duration", "7"}
                                        << 2 << true << 7 * 30 << 0 << false;
}

void TestRecordE2E::splitFilesPlayOnTheirOwn()
{
    QFETCH(int, kind);
    QFETCH(QStringList, phoneOptions);
    QFETCH(int, splitSeconds);
    QFETCH(bool, numberOneTaken);
    QFETCH(int, framesSent);
    QFETCH(int, files);
    QFETCH(bool, turns);
    setRecordOption("audioOutput", "silence");
    QPointer<PVDevice> session;
    QString first;
    bool stopped = false;
    m_host->onPlay = [&](QPVAirPlayClient* client) {
        session = client->deviceSession();
        if (!session || !session->startRecord(0))
            return;
        // The file is created when the recording opens it.
        first = recordingsIn(m_saveFolder).value(0);
        if (numberOneTaken)
            QFile(QDir(m_saveFolder).filePath(QFileInfo(first).completeBaseName() + "_1.mp4")).open(QIODevice::WriteOnly);
        if (splitSeconds > 0)
            session->findChild<DeviceRecording*>()->setSplitDuration(splitSeconds);
    };
    m_host->onStop = [&](QPVAirPlayClient*) {
        if (session)
            session->stopRecord(true);
        stopped = true;
    };
    auto phone = casthost::startPhone(m_service->ports()[0], "split", kind, phoneOptions);
    QTRY_VERIFY_WITH_TIMEOUT(stopped, kWaitMs);
    QVERIFY(phoneEnded(*phone));
    QCOMPARE(phone->exitCode(), 0);
    QVERIFY(!first.isEmpty());

    QStringList written = recordingsIn(m_saveFolder);
    const QString stem = QFileInfo(first).completeBaseName();
    if (numberOneTaken) {
        QCOMPARE(QFileInfo(QDir(m_saveFolder).filePath(stem + "_1.mp4")).size(), qint64(0));
        written.removeOne(stem + "_1.mp4");
    }
    if (files > 0)
        QCOMPARE(written.size(), files);
    else
        QVERIFY2(written.size() >= 2, qPrintable(written.join(", ")));
    int frames = 0;
    for (int i = 0; i < written.size(); ++i) {
        // The first file keeps the name; each split takes the next free number.
        const int number = i == 0 ? 0 : i + (numberOneTaken ? 1 : 0);
        const QString expected = number == 0 ? first : QStringLiteral("%1_%2.mp4").arg(stem).arg(number);
        QCOMPARE(written[i], expected);

        const QString path = QDir(m_saveFolder).filePath(written[i]);
        const ProbedFile probed = ProbedFile::read(path);
        QVERIFY2(probed.opened && !probed.videoData.isEmpty(), qPrintable(written[i]));
        QCOMPARE(probed.streams, 1);
        QVERIFY2(probed.videoKeys.first(), qPrintable(written[i]));
        QCOMPARE(probed.videoPtsUs.first(), int64_t(0));
        const QSize size = turns && i % 2 ? QSize(96, 160) : QSize(160, 96);
        QCOMPARE(probed.videoSize, size);

        const DecodedVideo decoded = decodeVideo(path);
        QVERIFY2(decoded.opened && decoded.error.isEmpty(), qPrintable(written[i] + ": " + decoded.error));
        QCOMPARE(decoded.frames, decoded.packets);
        QCOMPARE(decoded.damaged, 0);
        QCOMPARE(decoded.size, size);
        frames += decoded.frames;
    }
    // Nothing sent is lost between the files.
    QCOMPARE(frames, framesSent);
    if (kind == 2)
        QVERIFY(phone->readAllStandardOutput().contains("{\"type\":\"keyframe\"}"));
}

int main(int argc, char** argv)
{
    // No sound device in tests: the mixer runs on SDL's dummy driver at real-time pace.
    qputenv("SDL_AUDIODRIVER", "dummy");
    QPivoraApplication app(argc, argv);
    TestRecordE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_record_e2e.moc"
