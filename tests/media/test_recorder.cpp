#include "RecordingTestStream.h"

#include "app/PVSettings.h"
#include "media/AVCompat.h"
#include "media/DeviceRecording.h"
#include "media/Recorder.h"
#include "media/Screenshot.h"
#include "media/StreamTranscode.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {

constexpr qint64 kPlentyOfSpace = qint64(10) << 30;

AVCodecParametersPtr aacParameters()
{
    AVCodecParametersPtr params(avcodec_parameters_alloc());
    params->codec_type = AVMEDIA_TYPE_AUDIO;
    params->codec_id = AV_CODEC_ID_AAC;
    params->format = AV_SAMPLE_FMT_FLTP;
    params->profile = kAacLowProfile;
    av_channel_layout_default(&params->ch_layout, 2);
    params->sample_rate = 44100;
    params->frame_size = 1024;
    return params;
}

// Interleaved S16 stereo of a 440 Hz tone, as the mixer delivers it.
QByteArray tone(int samples, int64_t firstSample)
{
    QByteArray pcm(samples * 4, Qt::Uninitialized);
    auto* out = reinterpret_cast<int16_t*>(pcm.data());
    for (int i = 0; i < samples; ++i) {
        const auto value = int16_t(8000 * std::sin(2 * M_PI * 440 * double(firstSample + i) / 44100));
        out[2 * i] = out[2 * i + 1] = value;
    }
    return pcm;
}

void feedMixer(const QByteArray& pcm, int chunkBytes)
{
    for (int offset = 0; offset < pcm.size(); offset += chunkBytes)
        Recorder::mixerOutput(reinterpret_cast<const uint8_t*>(pcm.constData()) + offset,
                              std::min(chunkBytes, int(pcm.size() - offset)));
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestRecorder : public QObject {
    Q_OBJECT

private:
    DeviceTestStream m_stream;     // 120 frames, key frame every 30
    QTemporaryDir m_home;
    int m_devices = 0;

    // A device-side recorder with settings in a private folder and a clock the test moves.
    struct Device {
        std::unique_ptr<QSettings> settings;
        DeviceRecording recording;
        QStringList alerts;
        QStringList toasts;
        int keyFrameRequests = 0;
        int64_t clock = 0;
    };
    std::unique_ptr<Device> makeDevice(const QString& savePath, const QString& audioOutput = "silence")
    {
        auto device = std::make_unique<Device>();
        const QString data = m_home.filePath(QString::number(++m_devices));
        QDir().mkpath(data);
        device->settings.reset(PVSettings::loadSettings(data, nullptr));
        PVSettings::setOption(*device->settings, "record", "savePath", savePath);
        PVSettings::setOption(*device->settings, "record", "audioOutput", audioOutput);
        device->recording.setSettings(device->settings.get());
        Device* d = device.get();
        DeviceRecording::Hooks hooks;
        hooks.videoParameters = [this](AVCodecParameters* out) {
            return avcodec_parameters_copy(out, m_stream.videoParameters().get()) >= 0;
        };
        hooks.requestKeyFrame = [d] { ++d->keyFrameRequests; };
        hooks.showAlert = [d](const QString& title, const QString& text) { d->alerts << title + ": " + text; };
        hooks.showToast = [d](const QString& text) { d->toasts << text; };
        hooks.clock = [d] { return d->clock; };
        device->recording.setHooks(hooks);
        return device;
    }

    QByteArray hashOf(const QByteArray& bytes) const
    {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
    }

private slots:
    void initTestCase()
    {
        m_stream = DeviceTestStream::encode(320, 240, 120, 30);
        QVERIFY2(!m_stream.record.isEmpty() && m_stream.frames.size() == 120, "libx264 encoder unavailable");
        QVERIFY(m_stream.keys[0] && m_stream.keys[30] && !m_stream.keys[29]);
        Recorder::setFreeSpaceProbe([](const QString&) { return kPlentyOfSpace; });
    }

    void recordsPacketsAsReceived_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("firstFrame"); // frames before it reach the recorder first
        QTest::addColumn<bool>("staleFrames"); // frames with times already passed come again
        QTest::newRow("mp4") << "mp4" << 0 << false;
        QTest::newRow("mkv") << "mkv" << 0 << false;
        QTest::newRow("mp4 joined mid-stream") << "mp4" << 10 << false;
        QTest::newRow("mkv with stale frames") << "mkv" << 0 << true;
    }
    void recordsPacketsAsReceived()
    {
        QFETCH(QString, suffix);
        QFETCH(int, firstFrame);
        QFETCH(bool, staleFrames);
        QTemporaryDir folder;
        const QString path = folder.filePath("clip." + suffix);
        {
            Recorder recorder(path);
            AVCodecParametersPtr video = m_stream.videoParameters();
            QVERIFY(recorder.open(video.get(), nullptr));
            QVERIFY(recorder.startRecorder());
            recorder.push(m_stream.configPacket().get());
            for (int i = firstFrame; i < m_stream.frames.size(); ++i) {
                recorder.push(m_stream.framePacket(i).get());
                if (staleFrames && i % 10 == 9)
                    recorder.push(m_stream.framePacket(i - 5).get());
            }
            recorder.stopRecorder();
            recorder.close();
            QVERIFY(!recorder.isFailed());
        }
        const ProbedFile file = ProbedFile::read(path);
        QVERIFY(file.opened);
        QCOMPARE(file.streams, 1);
        QCOMPARE(file.comment, QStringLiteral("Recorded by Pivora " PIVORA_VERSION));
        QCOMPARE(file.videoCodec, AV_CODEC_ID_H264);
        const int first = firstFrame == 0 ? 0 : 30; // the first key frame at or after firstFrame
        QCOMPARE(file.videoData.size(), m_stream.frames.size() - first);
        for (int i = 0; i < file.videoData.size(); ++i)
            QCOMPARE(hashOf(file.videoData[i]), hashOf(m_stream.frames[first + i]));
        QCOMPARE(file.videoPtsUs.first(), int64_t(0));
        QVERIFY(file.videoKeys.first());
        QVERIFY(std::abs(file.videoPtsUs.last() - (H264TestStream::ptsOf(119) - H264TestStream::ptsOf(first))) <= 1000);
    }

    void recordsSound_data()
    {
        QTest::addColumn<int>("chunkBytes");
        QTest::addColumn<int>("samplesBeforeKeyFrame");
        QTest::newRow("10 ms buffers") << 1764 << 0;
        QTest::newRow("odd byte counts") << 1001 << 0;
        QTest::newRow("sound before the first key frame") << 1764 << 44100;
    }
    void recordsSound()
    {
        QFETCH(int, chunkBytes);
        QFETCH(int, samplesBeforeKeyFrame);
        QTemporaryDir folder;
        const QString path = folder.filePath("sound.mp4");
        {
            Recorder recorder(path);
            AVCodecParametersPtr video = m_stream.videoParameters();
            AVCodecParametersPtr audio = aacParameters();
            QVERIFY(recorder.open(video.get(), audio.get()));
            QVERIFY(recorder.hasAudio());
            QVERIFY(recorder.startRecorder());
            feedMixer(tone(samplesBeforeKeyFrame, 0), chunkBytes); // dropped: not started yet
            recorder.push(m_stream.framePacket(0).get());
            QVERIFY(recorder.isStarted());
            // As much sound as the video lasts (120 frames at 60 fps).
            feedMixer(tone(88200, 0), chunkBytes);
            for (int i = 1; i < m_stream.frames.size(); ++i)
                recorder.push(m_stream.framePacket(i).get());
            recorder.stopRecorder();
            recorder.close();
        }
        const ProbedFile file = ProbedFile::read(path);
        QVERIFY(file.opened);
        QCOMPARE(file.streams, 2);
        QCOMPARE(file.videoData.size(), m_stream.frames.size());
        QCOMPARE(file.audioCodec, AV_CODEC_ID_AAC);
        QCOMPARE(file.sampleRate, 44100);
        QCOMPARE(file.channels, 2);
        QVERIFY2(std::abs(file.audioSeconds - file.videoSeconds) < 0.5,
                 qPrintable(QString("audio %1 s, video %2 s").arg(file.audioSeconds).arg(file.videoSeconds)));
        for (int i = 1; i < file.audioPts.size(); ++i)
            QCOMPARE(file.audioPts[i] - file.audioPts[i - 1], int64_t(1024));
    }

    void fileNames_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList{} << "Pivora_20260102_030405.mp4";
        QTest::newRow("taken") << QStringList{"Pivora_20260102_030405.mp4"} << "Pivora_20260102_030405_1.mp4";
        QTest::newRow("taken with _1") << QStringList{"Pivora_20260102_030405.mp4", "Pivora_20260102_030405_1.mp4"}
                                       << "Pivora_20260102_030405_2.mp4";
    }
    void fileNames()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString& name : existing)
            QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
        const QString name = DeviceRecording::newRecordFileName(folder.path(), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        QCOMPARE(name, folder.filePath("Pivora_20260102_030405.mp4"));
        QCOMPARE(DeviceRecording::nextFreeFileName(name), folder.filePath(expected));
        QCOMPARE(Screenshot::fileName(folder.path(), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))),
                 folder.filePath("Pivora_Screenshot20260102_030405.png"));
    }

    // Every split file begins with a key frame and nothing is lost between files.
    void splitsAtKeyFrames_data()
    {
        QTest::addColumn<bool>("numberOneTaken");
        QTest::addColumn<QStringList>("suffixes");
        QTest::newRow("numbers free") << false << QStringList{"", "_1", "_2", "_3"};
        QTest::newRow("_1 taken") << true << QStringList{"", "_2", "_3", "_4"};
    }
    void splitsAtKeyFrames()
    {
        QFETCH(bool, numberOneTaken);
        QFETCH(QStringList, suffixes);
        QTemporaryDir folder;
        auto device = makeDevice(folder.path());
        QVERIFY(device->recording.startRecord(0));
        QCOMPARE(device->keyFrameRequests, 1);
        const QString base = device->recording.recordFileName();
        const QString stem = base.left(base.size() - 4);
        if (numberOneTaken)
            QFile(stem + "_1.mp4").open(QIODevice::WriteOnly);
        device->recording.setSplitDuration(1);
        device->recording.handleVideoPacket(m_stream.configPacket().get());
        // The clock passes the split time 5 frames before each key frame.
        for (int i = 0; i < m_stream.frames.size(); ++i) {
            device->clock = int64_t(i + 5) % 30 == 0 ? device->clock + 1000000 : device->clock;
            device->recording.handleVideoPacket(m_stream.framePacket(i).get());
        }
        device->recording.stopRecord(true);
        QVERIFY(device->alerts.isEmpty());
        QVERIFY(device->keyFrameRequests >= 4);
        int frame = 0;
        for (const QString& suffix : suffixes) {
            const ProbedFile file = ProbedFile::read(stem + suffix + ".mp4");
            QVERIFY2(file.opened, qPrintable(suffix));
            QVERIFY(file.videoKeys.first());
            QCOMPARE(file.videoPtsUs.first(), int64_t(0));
            QCOMPARE(file.videoData.size(), 30);
            for (const QByteArray& data : file.videoData)
                QCOMPARE(hashOf(data), hashOf(m_stream.frames[frame++]));
        }
        QCOMPARE(frame, m_stream.frames.size());
    }

    void sizeChangeStartsNextFile()
    {
        QTemporaryDir folder;
        auto device = makeDevice(folder.path());
        QVERIFY(device->recording.startRecord(0));
        for (int i = 0; i < 40; ++i)
            device->recording.handleVideoPacket(m_stream.framePacket(i).get());
        // Sizes changing faster than key frames come leave no empty files behind.
        for (int change = 0; change < 3; ++change)
            device->recording.handleSizeChanged(H264TestStream::ptsOf(40));
        QVERIFY(device->recording.isRecording());
        for (int i = 40; i < 70; ++i) // frames before the next key frame cannot begin a file
            device->recording.handleVideoPacket(m_stream.framePacket(i).get());
        device->recording.stopRecord(true);
        QCOMPARE(filesIn(folder.path()).size(), 2);
        const ProbedFile second = ProbedFile::read(folder.filePath(filesIn(folder.path()).last()));
        QVERIFY(filesIn(folder.path()).last().endsWith("_1.mp4"));
        QCOMPARE(second.videoData.size(), 10);
        QVERIFY(second.videoKeys.first());
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("savePath");   // relative to a private folder; "-" for empty
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("alert");   // empty: the message of the code
        QTest::newRow("short of space") << "." << qint64(300) * 1024 * 1024 << int(Recorder::StorageError) << "";
        // A missing folder is made; one under a file never can be.
        QTest::newRow("folder cannot be made")
            << "/dev/null/gone" << kPlentyOfSpace << int(Recorder::SavePathError)
            << "The save folder cannot be created:\n/dev/null/gone\nPlease choose another folder in the settings.";
        QTest::newRow("read-only folder") << "locked" << kPlentyOfSpace << int(Recorder::WriteError) << "";
        QTest::newRow("no save folder") << "-" << kPlentyOfSpace << int(Recorder::SavePathError) << "";
    }
    void failuresAreReported()
    {
        QFETCH(QString, savePath);
        QFETCH(qint64, freeBytes);
        QFETCH(int, code);
        QFETCH(QString, alert);
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("locked");
        QFile::setPermissions(folder.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        QString target = savePath == "-" ? QString()
            : QDir::isAbsolutePath(savePath) ? savePath
                                            : folder.filePath(savePath);
        if (savePath == "locked" && QFile(folder.filePath("locked/probe")).open(QIODevice::WriteOnly)) {
            // The superuser writes into read-only folders; sysfs refuses new files even to it.
            QFile::remove(folder.filePath("locked/probe"));
            if (QFile("/sys/pivora-probe").open(QIODevice::WriteOnly))
                QSKIP("no folder refuses new files to this user");
            target = "/sys";
        }
        Recorder::setFreeSpaceProbe([freeBytes](const QString&) { return freeBytes; });
        auto device = makeDevice(target);
        const bool started = device->recording.startRecord(0);
        Recorder::setFreeSpaceProbe([](const QString&) { return kPlentyOfSpace; });
        QCoreApplication::processEvents();
        QVERIFY(!started);
        QVERIFY(!device->recording.isRecording());
        QCOMPARE(device->recording.lastError(), code);
        QCOMPARE(device->alerts,
            QStringList{"Recording error: " + (alert.isEmpty() ? Recorder::errorMessage(code) : alert)});
        QVERIFY(device->recording.recordFileName().isEmpty());
        QCOMPARE(filesIn(folder.path()), QStringList{});
        QCOMPARE(filesIn(folder.filePath("locked")), QStringList{});
        QVERIFY(target.isEmpty() || QDir(target).entryList({"Pivora_*"}).isEmpty());
        QCOMPARE(Recorder::current(), nullptr);
    }

    void writeFailureEndsRecording()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("full.mkv");
        QVERIFY(QFile::link("/dev/full", path));
        Recorder recorder(path);
        QList<int> errors;
        connect(&recorder, &Recorder::recorderError, this, [&errors](int code) { errors << code; },
                Qt::QueuedConnection);
        AVCodecParametersPtr video = m_stream.videoParameters();
        QVERIFY(recorder.open(video.get(), nullptr));
        QVERIFY(recorder.startRecorder());
        for (int round = 0; round < 200 && !recorder.isFailed(); ++round) {
            for (int i = 0; i < m_stream.frames.size(); ++i) {
                AVPacketPtr packet = m_stream.framePacket(i);
                packet->pts += round * 2000000;
                packet->dts += round * 2000000;
                recorder.push(packet.get()); // refused once failed
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(errors, QList<int>{int(Recorder::WriteError)}, 60000);
        QVERIFY(recorder.isFailed());
        QVERIFY(!recorder.push(m_stream.framePacket(0).get()));
        recorder.stopRecorder();
        recorder.close();
    }

    void unknownContainerWritesNothing()
    {
        QTemporaryDir folder;
        Recorder recorder(folder.filePath("clip.avi"));
        AVCodecParametersPtr video = m_stream.videoParameters();
        QVERIFY(!recorder.open(video.get(), nullptr));
        QCOMPARE(recorder.lastError(), int(Recorder::WriteError));
        QCOMPARE(filesIn(folder.path()), QStringList{});
    }

    void stopWithoutPicturesLeavesNoFile()
    {
        QTemporaryDir folder;
        {
            Recorder recorder(folder.filePath("empty.mp4"));
            AVCodecParametersPtr video = m_stream.videoParameters();
            QVERIFY(recorder.open(video.get(), aacParameters().get()));
            QVERIFY(recorder.startRecorder());
            recorder.push(m_stream.framePacket(1).get()); // not a key frame
        }
        QCOMPARE(filesIn(folder.path()), QStringList{});
    }

    void oneRecordingAtATime()
    {
        QTemporaryDir folder;
        auto first = makeDevice(folder.path());
        auto second = makeDevice(folder.path());
        QVERIFY(first->recording.startRecord(0));
        QVERIFY(!second->recording.startRecord(0));
        QCOMPARE(second->recording.lastError(), int(Recorder::ConcurrentError));
        QCOMPARE(second->alerts, QStringList{"Recording error: Recording more than one video at the same time is not allowed."});
        Recorder stray(folder.filePath("stray.mp4"));
        AVCodecParametersPtr video = m_stream.videoParameters();
        QVERIFY(!stray.open(video.get(), nullptr));
        QCOMPARE(stray.lastError(), int(Recorder::ConcurrentError));
        QVERIFY(first->recording.isRecording());
        first->recording.stopRecord(true);
        QVERIFY(second->recording.startRecord(0));
        second->recording.stopRecord(true);
    }

    void errorsReachTheUser()
    {
        QTemporaryDir folder;
        auto device = makeDevice(folder.path());
        QVERIFY(device->recording.startRecord(0));
        device->recording.reportRecordError(Recorder::StorageError);
        QTRY_VERIFY(!device->recording.isRecording());
        QCOMPARE(device->alerts, QStringList{"Recording error: There is no enough storage space."});
        QVERIFY(device->recording.startRecord(0));
        device->recording.reportRecordError(7); // no message
        QTRY_VERIFY(!device->recording.isRecording());
        QCOMPARE(device->alerts.size(), 1);
    }

    void screenshotShowsWhatIsShown_data()
    {
        QTest::addColumn<QRectF>("crop");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        // Both corners: a mirror image or a turn the wrong way moves at least one of them.
        QTest::newRow("whole") << QRectF(0, 0, 1, 1) << 0 << QSize(64, 32) << QColor(Qt::red) << QColor(Qt::white);
        QTest::newRow("right half") << QRectF(0.5, 0, 0.5, 1) << 0 << QSize(32, 32) << QColor(Qt::green)
                                    << QColor(Qt::white);
        QTest::newRow("turned 90") << QRectF(0, 0, 1, 1) << 90 << QSize(32, 64) << QColor(Qt::blue)
                                   << QColor(Qt::green);
        QTest::newRow("turned -90") << QRectF(0, 0, 1, 1) << -90 << QSize(32, 64) << QColor(Qt::green)
                                    << QColor(Qt::blue);
        QTest::newRow("bottom half turned 180") << QRectF(0, 0.5, 1, 0.5) << 180 << QSize(64, 16)
                                                << QColor(Qt::white) << QColor(Qt::blue);
    }
    void screenshotShowsWhatIsShown()
    {
        QFETCH(QRectF, crop);
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        // Quarters: red, green on top; blue, white below.
        QImage picture(64, 32, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x)
                if (y < 16 || x < 32)
                    picture.setPixelColor(x, y, y < 16 ? (x < 32 ? Qt::red : Qt::green) : Qt::blue);
        const QImage shown = Screenshot::shownImage(picture, crop, rotation);
        QCOMPARE(shown.size(), size);
        QCOMPARE(shown.pixelColor(1, 1), topLeft);
        QCOMPARE(shown.pixelColor(size.width() - 2, size.height() - 2), bottomRight);
    }

    // Every column, the right edge of widths that are not a multiple of 8 included, gets the
    // colours the screen shows (BT.709, limited range).
    void screenshotConvertsEveryColumn_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("64") << 64;
        QTest::newRow("854") << 854;
        QTest::newRow("590") << 590;
        QTest::newRow("34") << 34;
    }
    void screenshotConvertsEveryColumn()
    {
        QFETCH(int, width);
        AVFramePtr frame = makeAVFrame();
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = width;
        frame->height = 6;
        QVERIFY(av_frame_get_buffer(frame.get(), 0) >= 0);
        const uint8_t yuv[] = {150, 90, 100};
        for (int plane = 0; plane < 3; ++plane)
            for (int y = 0; y < (plane ? 3 : 6); ++y)
                memset(frame->data[plane] + y * frame->linesize[plane], yuv[plane], plane ? (width + 1) / 2 : width);
        const QImage image = Screenshot::frameToImage(frame.get());
        QCOMPARE(image.size(), QSize(width, 6));
        const double luma = 1.164 * (150 - 16);
        const QColor expected(qRound(luma + 1.793 * (100 - 128)),
                              qRound(luma - 0.213 * (90 - 128) - 0.533 * (100 - 128)),
                              qRound(luma + 2.112 * (90 - 128)));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < width; ++x) {
                const QColor got = image.pixelColor(x, y);
                QVERIFY2(qAbs(got.red() - expected.red()) <= 3 && qAbs(got.green() - expected.green()) <= 3
                             && qAbs(got.blue() - expected.blue()) <= 3,
                         qPrintable(QString("(%1,%2) is %3, expected %4").arg(x).arg(y).arg(got.name(), expected.name())));
            }
    }

    void screenshotIsSaved()
    {
        AVFramePtr frame = makeAVFrame();
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = 64;
        frame->height = 32;
        QVERIFY(av_frame_get_buffer(frame.get(), 0) >= 0);
        for (int plane = 0; plane < 3; ++plane)
            for (int y = 0; y < (plane ? 16 : 32); ++y)
                memset(frame->data[plane] + y * frame->linesize[plane], plane ? 128 : 200, plane ? 32 : 64);
        QTemporaryDir folder;
        auto device = makeDevice(folder.path());
        QVERIFY(device->recording.screenshot(frame.get(), QRectF(0, 0, 0.5, 1), 90));
        QCOMPARE(device->toasts, QStringList{"Screenshot is saved successfully!"});
        const QStringList files = filesIn(folder.path());
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().startsWith("Pivora_Screenshot") && files.first().endsWith(".png"));
        const QImage saved(folder.filePath(files.first()));
        QCOMPARE(saved.size(), QSize(32, 32));
        QVERIFY(qAbs(qGray(saved.pixel(5, 5)) - 200) < 30);

        auto noFolder = makeDevice(QString());
        QVERIFY(!noFolder->recording.screenshot(frame.get(), QRectF(0, 0, 1, 1), 0));
        QCOMPARE(noFolder->alerts, QStringList{"Recording error: Please config save path in options."});
        QVERIFY(!device->recording.screenshot(nullptr, QRectF(0, 0, 1, 1), 0));
    }
};

QTEST_MAIN(TestRecorder)
#include "test_recorder.moc"
