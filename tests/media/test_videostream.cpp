#include "H264TestStream.h"
#include "media/Decoder.h"
#include "media/Stream.h"
#include "media/VideoBuffer.h"

#include <QMutex>
#include <QSemaphore>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {

QMutex logMutex;
QStringList logged;

void captureMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg)
        return;
    QMutexLocker locker(&logMutex);
    logged.append(message);
}

int lumaAtCentre(const AVFrame* frame)
{
    return frame->data[0][(frame->height / 2) * frame->linesize[0] + frame->width / 2];
}

// Stream, decoder and buffer wired as the device object wires them. The consumer either
// takes each frame on the stream thread as it is announced, or not at all.
struct Pipeline {
    VideoBuffer buffer;
    std::unique_ptr<Stream> stream = std::make_unique<Stream>();
    Decoder* decoder = nullptr;
    std::atomic<int> notifications{0};
    std::vector<AVFramePtr> taken;

    Pipeline(Decoder* customDecoder, int hardware, bool consume)
    {
        buffer.initialize();
        decoder = customDecoder ? customDecoder : new Decoder(&buffer);
        decoder->setParent(stream.get());
        decoder->setHardwareDecoding(hardware);
        stream->setDecoder(decoder);
        QObject::connect(decoder, &Decoder::onNewFrame, [this, consume] {
            ++notifications;
            if (consume)
                take();
        });
    }
    void take()
    {
        buffer.lock();
        taken.push_back(AVFramePtr(av_frame_clone(buffer.takeFrame())));
        buffer.unlock();
    }
    void enqueue(const QByteArray& bytes, int64_t pts, int64_t dts = AV_NOPTS_VALUE, int flags = 0)
    {
        stream->enqueue(makeTestPacket(bytes, pts, dts, flags).get());
    }
    void feed(const H264TestStream& h264, int from = 0)
    {
        if (from == 0)
            enqueue(h264.configuration, AV_NOPTS_VALUE);
        for (int i = from; i < h264.pictures.size(); ++i)
            enqueue(h264.pictures[i], H264TestStream::ptsOf(i), H264TestStream::ptsOf(i),
                    i == 0 ? AV_PKT_FLAG_KEY : 0);
    }
};

// Records what reaches the decoder instead of decoding it.
class RecordingDecoder : public Decoder {
public:
    RecordingDecoder() : Decoder(nullptr) {}
    bool decode(const AVPacket* packet) override
    {
        received.append(QByteArray(reinterpret_cast<const char*>(packet->data), packet->size));
        timing.append({packet->pts, packet->dts, int64_t(packet->flags)});
        return true;
    }
    QStringList received;
    QVector<QVector<int64_t>> timing;
};

// Holds the stream thread in its first decode until released, so packets pile up behind it.
class GatedDecoder : public RecordingDecoder {
public:
    bool decode(const AVPacket* packet) override
    {
        RecordingDecoder::decode(packet);
        entered.release();
        gate.acquire();
        return true;
    }
    QSemaphore entered;
    QSemaphore gate;
};

} // namespace

class TestVideoStream : public QObject {
    Q_OBJECT
    H264TestStream m_h264;

private slots:
    void initTestCase()
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        QVERIFY(Stream::initMedia());
        m_h264 = H264TestStream::encode(320, 240, 30);
        QVERIFY2(!m_h264.configuration.isEmpty(), "libx264 encoder unavailable");
        QCOMPARE(m_h264.pictures.size(), 30);
    }
    void cleanupTestCase() { Stream::deinitMedia(); }

    void decodesEveryPicture_data()
    {
        QTest::addColumn<int>("hardware");
        QTest::newRow("software") << 0;
        QTest::newRow("hardware falls back without a device") << 1;
    }
    void decodesEveryPicture()
    {
        QFETCH(int, hardware);
        Pipeline pipeline(nullptr, hardware, true);
        pipeline.stream->startDecoding();
        pipeline.feed(m_h264);
        pipeline.stream->stopDecoding();

        const bool onGpu = pipeline.decoder->hardwareDeviceType() != AV_HWDEVICE_TYPE_NONE;
        QCOMPARE(int(pipeline.taken.size()), m_h264.pictures.size());
        for (int i = 0; i < int(pipeline.taken.size()); ++i) {
            const AVFrame* frame = pipeline.taken[i].get();
            QCOMPARE(frame->width, 320);
            QCOMPARE(frame->height, 240);
            QCOMPARE(frame->format, int(onGpu ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P));
            QVERIFY2(qAbs(lumaAtCentre(frame) - H264TestStream::lumaOf(i)) <= 2,
                     qPrintable(QString("picture %1 luma %2").arg(i).arg(lumaAtCentre(frame))));
            QCOMPARE(frame->pts, H264TestStream::ptsOf(i));
        }
        QCOMPARE(pipeline.buffer.fpsCounter().displayedCount(), uint(m_h264.pictures.size()));
        QCOMPARE(pipeline.buffer.fpsCounter().droppedCount(), 0u);
        QVERIFY(!pipeline.decoder->isOpen());
        QCOMPARE(pipeline.stream->lastTimestamp(), H264TestStream::ptsOf(m_h264.pictures.size() - 1));
    }

    void joinsConfigurationToNextPacket_data()
    {
        // Input packets "bytes@pts" (pts -1: configuration) and what the decoder must receive.
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("configuration then data") << QStringList{"CFG@-1", "DATA@100"}
                                                 << QStringList{"CFGDATA@100"};
        QTest::newRow("two configurations kept in order")
            << QStringList{"SPS@-1", "PPS@-1", "IDR@7"} << QStringList{"SPSPPSIDR@7"};
        QTest::newRow("data alone unchanged") << QStringList{"A@1", "B@2"} << QStringList{"A@1", "B@2"};
        QTest::newRow("configuration between data")
            << QStringList{"A@1", "CFG@-1", "B@2"} << QStringList{"A@1", "CFGB@2"};
        QTest::newRow("empty configuration") << QStringList{"@-1", "B@2"} << QStringList{"B@2"};
    }
    void joinsConfigurationToNextPacket()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);
        auto* recorder = new RecordingDecoder;
        Pipeline pipeline(recorder, 0, false);
        pipeline.stream->startDecoding();
        for (const QString& item : input) {
            const QStringList parts = item.split('@');
            const int64_t pts = parts[1].toLongLong() < 0 ? AV_NOPTS_VALUE : parts[1].toLongLong();
            const int64_t dts = pts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : pts - 1;
            pipeline.enqueue(parts[0].toLatin1(), pts, dts, AV_PKT_FLAG_KEY);
        }
        pipeline.stream->stopDecoding();

        QStringList received;
        for (int i = 0; i < recorder->received.size(); ++i) {
            received << recorder->received[i] + '@' + QString::number(recorder->timing[i][0]);
            QCOMPARE(recorder->timing[i][1], recorder->timing[i][0] - 1);
            QCOMPARE(recorder->timing[i][2], int64_t(AV_PKT_FLAG_KEY));
        }
        QCOMPARE(received, expected);
    }

    void dropsFramesNotTaken()
    {
        Pipeline pipeline(nullptr, 0, false);
        pipeline.stream->startDecoding();
        pipeline.feed(m_h264);
        pipeline.stream->stopDecoding();

        const FpsCounter& counter = pipeline.buffer.fpsCounter();
        QCOMPARE(counter.displayedCount(), 0u);
        QCOMPARE(counter.droppedCount(), uint(m_h264.pictures.size() - 1));
        // The first announcement is still pending, so no second one was sent.
        QCOMPARE(pipeline.notifications.load(), 1);
        pipeline.take();
        QCOMPARE(lumaAtCentre(pipeline.taken.back().get()), H264TestStream::lumaOf(m_h264.pictures.size() - 1));
        QCOMPARE(counter.displayedCount(), 1u);
    }

    void queuedConsumerSeesOrDropsEveryFrame()
    {
        Pipeline pipeline(nullptr, 0, false);
        QObject gui;
        uint shown = 0;
        uint dropped = 0;
        FpsCounter& counter = pipeline.buffer.fpsCounter();
        connect(&counter, &FpsCounter::updateFPS, &gui, [&] {
            shown += counter.lastDisplayed();
            dropped += counter.lastDropped();
        });
        connect(pipeline.decoder, &Decoder::onNewFrame, &gui, [&] { pipeline.take(); },
                Qt::QueuedConnection);
        pipeline.stream->startDecoding();
        pipeline.feed(m_h264);
        pipeline.stream->stopDecoding();
        QCoreApplication::processEvents();

        QCOMPARE(shown + counter.displayedCount(), uint(int(pipeline.taken.size())));
        QCOMPARE(shown + dropped + counter.displayedCount() + counter.droppedCount(),
                 uint(m_h264.pictures.size()));
        QCOMPARE(lumaAtCentre(pipeline.taken.back().get()), H264TestStream::lumaOf(m_h264.pictures.size() - 1));
    }

    void stopsWhileWaiting_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("destroyed while waiting") << "destroy";
        QTest::newRow("stopped while waiting") << "stop";
        QTest::newRow("null packet") << "null";
        QTest::newRow("packet after stop is refused") << "late";
    }
    void stopsWhileWaiting()
    {
        QFETCH(QString, how);
        Pipeline pipeline(nullptr, 0, true);
        std::atomic<int> stops{0};
        connect(pipeline.stream.get(), &Stream::onStreamStop, [&] { ++stops; });
        pipeline.stream->startDecoding();
        if (how == "destroy") {
            pipeline.stream.reset();
        } else if (how == "null") {
            pipeline.stream->enqueue(nullptr);
            QVERIFY(pipeline.stream->wait(QDeadlineTimer(60000)));
        } else {
            pipeline.stream->stopDecoding();
            if (how == "late")
                pipeline.feed(m_h264);
        }
        QCOMPARE(stops.load(), 1);
        QVERIFY(pipeline.taken.empty());
    }

    void skipsBadPackets_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QByteArray noise;
        quint32 seed = 12345;
        for (int i = 0; i < 400; ++i) {
            seed = seed * 1103515245u + 12345u;
            noise.append(char(seed >> 16));
        }
        QTest::newRow("noise") << noise;
        QTest::newRow("forbidden NAL header") << QByteArray("\x00\x00\x00\x01\xff\xff\xff\xff", 8);
        QTest::newRow("empty packet") << QByteArray();
        QTest::newRow("start code only") << QByteArray("\x00\x00\x01", 3);
    }
    void skipsBadPackets()
    {
        QFETCH(QByteArray, bad);
        Pipeline pipeline(nullptr, 0, true);
        {
            QMutexLocker locker(&logMutex);
            logged.clear();
        }
        const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
        pipeline.stream->startDecoding();
        pipeline.enqueue(bad, 5);
        pipeline.feed(m_h264);
        pipeline.enqueue(bad, H264TestStream::ptsOf(99));
        pipeline.stream->stopDecoding();
        qInstallMessageHandler(previous);

        const bool reported = std::any_of(logged.cbegin(), logged.cend(), [](const QString& line) {
            return line.startsWith("Could not send video packet") || line == "Empty video packet skipped";
        });
        QVERIFY2(reported, qPrintable(logged.join('|')));
        QCOMPARE(int(pipeline.taken.size()), m_h264.pictures.size());
        for (int i = 0; i < int(pipeline.taken.size()); ++i)
            QVERIFY(qAbs(lumaAtCentre(pipeline.taken[i].get()) - H264TestStream::lumaOf(i)) <= 2);
    }

    // A decoder more than a second behind never gets a picture without its reference, and the
    // phone is asked for a key frame once.
    void backlogResumesAtKeyFrame()
    {
        auto* decoder = new GatedDecoder;
        Pipeline pipeline(decoder, 0, false);
        std::atomic<int64_t> now{0};
        std::atomic<int> requests{0};
        pipeline.stream->setClock([&] { return now.load(); });
        pipeline.stream->setKeyFrameRequest([&] { ++requests; });
        {
            QMutexLocker locker(&logMutex);
            logged.clear();
        }
        const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
        pipeline.stream->startDecoding();
        // "name@ms": K key picture, P other picture, C configuration; arrival = pts = ms.
        auto send = [&](const QString& item) {
            const QStringList parts = item.split('@');
            now = parts[1].toLongLong() * 1000;
            const bool configuration = parts[0].startsWith('C');
            pipeline.enqueue(parts[0].toLatin1(), configuration ? AV_NOPTS_VALUE : now.load(),
                             AV_NOPTS_VALUE, parts[0].startsWith('K') ? AV_PKT_FLAG_KEY : 0);
        };
        send("K1@0");
        decoder->entered.acquire();  // the thread now holds K1; the rest queues up
        for (const char* item : {"P2@100", "P3@500", "P4@1200", "P5@1300", "C6@1400", "K7@1400",
                               "P8@1500"})
            send(item);
        decoder->gate.release(100);
        pipeline.stream->stopDecoding();
        qInstallMessageHandler(previous);

        QCOMPARE(decoder->received, QStringList({"K1", "C6K7", "P8"}));
        QCOMPARE(requests.load(), 1);
        const QStringList warnings = logged.filter("fell more than a second behind");
        QCOMPARE(warnings, QStringList{"Video decoding fell more than a second behind; dropped 3 queued "
                                       "pictures and waits for a key frame"});
    }

    void fpsCounterReportsEachSecond_data()
    {
        QTest::addColumn<int>("displayed");
        QTest::addColumn<int>("dropped");
        QTest::newRow("nothing shown reports 0") << 0 << 0;
        QTest::newRow("shown and dropped") << 3 << 2;
    }
    void fpsCounterReportsEachSecond()
    {
        QFETCH(int, displayed);
        QFETCH(int, dropped);
        FpsCounter counter;
        QSignalSpy spy(&counter, &FpsCounter::updateFPS);
        counter.start();
        QVERIFY(counter.isRunning());
        for (int i = 0; i < displayed; ++i)
            counter.countDisplayed();
        for (int i = 0; i < dropped; ++i)
            counter.countDropped();
        QVERIFY(spy.wait(10000));
        QCOMPARE(spy.first().first().toUInt(), uint(displayed));
        QCOMPARE(counter.lastDropped(), uint(dropped));
        QCOMPARE(counter.displayedCount(), 0u);
        counter.stop();
        QVERIFY(!counter.isRunning());
    }
};

QTEST_GUILESS_MAIN(TestVideoStream)
#include "test_videostream.moc"
