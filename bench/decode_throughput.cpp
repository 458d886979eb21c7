// Decodes a 1080p H.264 file through Stream + Decoder + VideoBuffer with a GUI-thread
// consumer taking every announced frame, then times the ffmpeg command line decoding the same
// file on one thread, and prints both times and the throughput ratio.
//
// decode_throughput [--hw] [FILE]
// Without FILE a 600-frame 1920x1080 60 fps test file is made once with the ffmpeg command.

#include "BenchTestFile.h"
#include "media/AVPtr.h"
#include "media/Decoder.h"
#include "media/Stream.h"
#include "media/VideoBuffer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>
#include <vector>

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

namespace {

// The file's video packets in start-code form with microsecond timestamps, as the receiver
// hands them to the device object.
std::vector<AVPacketPtr> readPackets(const QString& path)
{
    std::vector<AVPacketPtr> packets;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, qPrintable(path), nullptr, nullptr) < 0)
        return packets;
    const AVFormatInputPtr formatOwner(format);
    if (avformat_find_stream_info(format, nullptr) < 0)
        return packets;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return packets;
    const AVStream* stream = format->streams[index];

    AVBSFContext* bsf = nullptr;
    if (av_bsf_alloc(av_bsf_get_by_name("h264_mp4toannexb"), &bsf) < 0)
        return packets;
    std::unique_ptr<AVBSFContext, void (*)(AVBSFContext*)> bsfOwner(
        bsf, [](AVBSFContext* b) { av_bsf_free(&b); });
    avcodec_parameters_copy(bsf->par_in, stream->codecpar);
    bsf->time_base_in = stream->time_base;
    if (av_bsf_init(bsf) < 0)
        return packets;

    AVPacketPtr packet = makeAVPacket();
    while (av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index != index) {
            av_packet_unref(packet.get());
            continue;
        }
        av_bsf_send_packet(bsf, packet.get());
        while (av_bsf_receive_packet(bsf, packet.get()) == 0) {
            const AVRational micro{1, 1000000};
            packet->pts = packet->pts == AV_NOPTS_VALUE
                ? int64_t(packets.size()) * 16667
                : av_rescale_q(packet->pts, stream->time_base, micro);
            packet->dts = packet->pts;
            packets.push_back(AVPacketPtr(av_packet_clone(packet.get())));
            av_packet_unref(packet.get());
        }
    }
    return packets;
}

struct PipelineResult {
    double seconds = 0;
    uint displayed = 0;
    uint dropped = 0;
    QString device;
};

PipelineResult runPipeline(const std::vector<AVPacketPtr>& packets, int hardware)
{
    PipelineResult result;
    VideoBuffer buffer;
    buffer.initialize();
    FpsCounter& counter = buffer.fpsCounter();
    QObject::connect(&counter, &FpsCounter::updateFPS, [&] {
        result.displayed += counter.lastDisplayed();
        result.dropped += counter.lastDropped();
    });

    QElapsedTimer timer;
    timer.start();
    auto* stream = new Stream;
    auto* decoder = new Decoder(&buffer, stream);
    decoder->setHardwareDecoding(hardware);
    stream->setDecoder(decoder);
    QObject consumer;
    QObject::connect(decoder, &Decoder::onNewFrame, &consumer, [&] {
        buffer.lock();
        AVFramePtr frame(av_frame_clone(buffer.takeFrame()));
        buffer.unlock();
    }, Qt::QueuedConnection);
    QObject::connect(stream, &Stream::onStreamStop, &consumer,
                     [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    QObject::connect(decoder, &Decoder::onNewFrame, decoder, [&] {
        if (result.device.isEmpty())
            result.device = av_hwdevice_get_type_name(decoder->hardwareDeviceType());
    }, Qt::DirectConnection);
    stream->startDecoding();
    for (const AVPacketPtr& packet : packets)
        stream->enqueue(packet.get());
    stream->enqueue(nullptr); // finish once everything queued is decoded
    QCoreApplication::exec();
    stream->stopDecoding();
    QCoreApplication::processEvents();
    result.seconds = timer.nsecsElapsed() / 1e9;
    delete stream;

    result.displayed += counter.displayedCount();
    result.dropped += counter.droppedCount();
    buffer.release();
    return result;
}

double runFfmpeg(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    const int code = QProcess::execute(QStringLiteral("ffmpeg"),
        {"-hide_banner", "-loglevel", "error", "-threads", "1", "-i", path, "-f", "null", "-"});
    return code == 0 ? timer.nsecsElapsed() / 1e9 : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pivora-bench"));
    QStringList args = app.arguments().mid(1);
    const int hardware = args.removeAll(QStringLiteral("--hw")) > 0 ? 1 : 0;
    QString path = args.value(0);
    if (path.isEmpty()) {
        path = BenchTestFile::defaultFile();
        if (!BenchTestFile::ensure(path)) {
            std::fprintf(stderr, "Could not generate the test file with ffmpeg\n");
            return 1;
        }
    }
    const std::vector<AVPacketPtr> packets = readPackets(path);
    if (packets.empty()) {
        std::fprintf(stderr, "No H.264 video packets in %s\n", qPrintable(path));
        return 1;
    }

    const PipelineResult pipeline = runPipeline(packets, hardware);
    const double ffmpeg = runFfmpeg(path);
    const double frames = double(pipeline.displayed + pipeline.dropped);
    std::printf("file            %s\n", qPrintable(path));
    std::printf("packets         %zu\n", packets.size());
    std::printf("decoding        %s, decoder thread_count 1, one stream thread\n",
                pipeline.device.isEmpty() ? "software" : qPrintable(pipeline.device));
    std::printf("pipeline        %.3f s  %.1f fps  (displayed %u, dropped %u)\n", pipeline.seconds,
                frames / pipeline.seconds, pipeline.displayed, pipeline.dropped);
    if (ffmpeg <= 0) {
        std::printf("ffmpeg -threads 1  failed to run\n");
        return 1;
    }
    std::printf("ffmpeg -threads 1  %.3f s  %.1f fps\n", ffmpeg, packets.size() / ffmpeg);
    std::printf("throughput ratio  %.3f  (pipeline fps / ffmpeg fps, target >= 0.95)\n",
                (frames / pipeline.seconds) / (packets.size() / ffmpeg));
    return 0;
}
