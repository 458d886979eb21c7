// CPU cost of recording a 1080p60 stream through Recorder (clone, queue, writer thread, mux)
// against muxing the same packets straight into the same container on one thread.
//
// record_overhead [--mkv] [FILE]
// Without FILE the shared 600-frame 1920x1080 60 fps clip is used (made once with ffmpeg).

#include "BenchTestFile.h"
#include "media/AVPtr.h"
#include "media/Recorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

constexpr AVRational kMicroseconds{1, 1000000};
constexpr int kRuns = 5;
// The clip is played this many times in a row (about 100 s of video) so that CPU times are
// well above the clock's resolution.
constexpr int kPasses = 10;

struct DeviceStream {
    AVCodecParametersPtr params;
    std::vector<AVPacketPtr> packets; // length-prefixed NAL units, microsecond times
};

// The file's H.264 track as the receiver hands it to the recorder: the configuration record
// as extradata and frames in length-prefixed form with microsecond timestamps.
DeviceStream readStream(const QString& path)
{
    DeviceStream stream;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, qPrintable(path), nullptr, nullptr) < 0)
        return stream;
    const AVFormatInputPtr owner(format);
    if (avformat_find_stream_info(format, nullptr) < 0)
        return stream;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0 || format->streams[index]->codecpar->codec_id != AV_CODEC_ID_H264)
        return stream;
    const AVStream* video = format->streams[index];
    stream.params.reset(avcodec_parameters_alloc());
    avcodec_parameters_copy(stream.params.get(), video->codecpar);
    AVPacketPtr packet = makeAVPacket();
    while (av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index == index) {
            av_packet_rescale_ts(packet.get(), video->time_base, kMicroseconds);
            packet->pts += 1000000; // phones' clocks do not start at zero
            packet->dts = packet->pts;
            packet->stream_index = 0;
            stream.packets.emplace_back(av_packet_clone(packet.get()));
        }
        av_packet_unref(packet.get());
    }
    const size_t clip = stream.packets.size();
    const int64_t clipUs = clip ? stream.packets.back()->pts - stream.packets.front()->pts + 16667 : 0;
    for (int pass = 1; pass < kPasses; ++pass) {
        for (size_t i = 0; i < clip; ++i) {
            AVPacket* copy = av_packet_clone(stream.packets[i].get());
            copy->pts += pass * clipUs;
            copy->dts = copy->pts;
            stream.packets.emplace_back(copy);
        }
    }
    return stream;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The same muxing done inline: what any recording must cost at least.
bool muxDirectly(const DeviceStream& stream, const QString& path)
{
    AVFormatContext* output = nullptr;
    if (avformat_alloc_output_context2(&output, nullptr, nullptr, qPrintable(path)) < 0)
        return false;
    AVStream* video = avformat_new_stream(output, nullptr);
    avcodec_parameters_copy(video->codecpar, stream.params.get());
    video->codecpar->codec_tag = 0;
    bool ok = avio_open(&output->pb, qPrintable(path), AVIO_FLAG_WRITE) >= 0
        && avformat_write_header(output, nullptr) >= 0;
    const int64_t start = stream.packets.front()->pts;
    AVPacketPtr packet = makeAVPacket();
    for (const AVPacketPtr& source : stream.packets) {
        if (!ok)
            break;
        av_packet_ref(packet.get(), source.get());
        packet->pts -= start;
        packet->dts = packet->pts;
        av_packet_rescale_ts(packet.get(), kMicroseconds, video->time_base);
        ok = av_interleaved_write_frame(output, packet.get()) >= 0;
    }
    ok = ok && av_write_trailer(output) >= 0;
    avio_closep(&output->pb);
    avformat_free_context(output);
    return ok;
}

bool muxThroughRecorder(const DeviceStream& stream, const QString& path)
{
    Recorder recorder(path);
    if (!recorder.open(stream.params.get(), nullptr) || !recorder.startRecorder())
        return false;
    for (const AVPacketPtr& packet : stream.packets)
        recorder.push(packet.get());
    recorder.stopRecorder();
    recorder.close();
    return !recorder.isFailed();
}

template <typename Run>
double bestCpu(Run run)
{
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        const double before = cpuSeconds();
        if (!run())
            return -1;
        best = std::min(best, cpuSeconds() - before);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pivora-bench"));
    QStringList args = app.arguments().mid(1);
    const QString suffix = args.removeAll(QStringLiteral("--mkv")) > 0 ? "mkv" : "mp4";
    QString path = args.value(0);
    if (path.isEmpty()) {
        path = BenchTestFile::defaultFile();
        if (!BenchTestFile::ensure(path)) {
            std::fprintf(stderr, "Could not generate the test file with ffmpeg\n");
            return 1;
        }
    }
    const DeviceStream stream = readStream(path);
    if (stream.packets.empty()) {
        std::fprintf(stderr, "No H.264 video packets in %s\n", qPrintable(path));
        return 1;
    }
    // Memory-backed output keeps disk writeback, which dwarfs the muxing, out of the figures.
    QString folder = QStringLiteral("/dev/shm");
    if (!QFileInfo(folder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(folder);
    }
    const QString direct = folder + "/record_overhead_direct." + suffix;
    const QString recorded = folder + "/record_overhead_recorder." + suffix;

    const double directCpu = bestCpu([&] { return muxDirectly(stream, direct); });
    const double recorderCpu = bestCpu([&] { return muxThroughRecorder(stream, recorded); });
    const qint64 bytes = QFile(recorded).size();
    QFile::remove(direct);
    QFile::remove(recorded);
    if (directCpu < 0 || recorderCpu < 0) {
        std::fprintf(stderr, "Muxing failed\n");
        return 1;
    }
    const double seconds = stream.packets.size() / 60.0;
    std::printf("file            %s (%zu packets, %.1f MB recorded, %s, into %s)\n", qPrintable(path),
                stream.packets.size(), bytes / 1e6, qPrintable(suffix), qPrintable(folder));
    std::printf("direct mux      %.4f s CPU  (%.2f %% of one core at 60 fps)\n", directCpu,
                100 * directCpu / seconds);
    std::printf("Recorder        %.4f s CPU  (%.2f %% of one core at 60 fps)\n", recorderCpu,
                100 * recorderCpu / seconds);
    std::printf("overhead        %+.1f %%  (target <= 10 %%; best of %d runs each)\n",
                100 * (recorderCpu - directCpu) / directCpu, kRuns);
    return 0;
}
