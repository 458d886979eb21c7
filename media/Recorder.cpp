#include "media/Recorder.h"

#include "media/AVCompat.h"
#include "media/StreamTranscode.h"
#include "media/pvoaudio.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <SDL2/SDL_thread.h>

#include <chrono>
#include <cstring>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/time.h>
}

namespace {

constexpr AVRational kMicroseconds{1, 1000000};
constexpr int kMixerRate = 44100;
constexpr int kMixerChannels = 2;
constexpr int kMixerFrameBytes = kMixerChannels * 2;
// The writer is woken once this many packets wait (a quarter of a second of 60 fps video):
// waking it for every packet costs more CPU than the muxing itself.
constexpr size_t kWakeBatch = 16;

// The recorder that exists; the mixer's thread reaches it only under this lock, so a recorder
// being destroyed is never touched.
std::mutex s_currentMutex;
Recorder* s_current = nullptr;

std::mutex s_probeMutex;
Recorder::FreeSpaceProbe s_freeSpaceProbe;

qint64 bytesAvailable(const QString& folder)
{
    {
        std::unique_lock<std::mutex> locker(s_probeMutex);
        if (s_freeSpaceProbe)
            return s_freeSpaceProbe(folder);
    }
    QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

QString ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

int64_t nowSeconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

Recorder::Recorder(const QString& filePath, QObject* parent)
    : QThread(parent)
    , m_filePath(filePath)
{
    std::unique_lock<std::mutex> locker(s_currentMutex);
    if (!s_current)
        s_current = this;
}

Recorder::~Recorder()
{
    if (isRunning())
        stopRecorder();
    close();
    std::unique_lock<std::mutex> locker(s_currentMutex);
    if (s_current == this)
        s_current = nullptr;
}

Recorder* Recorder::current()
{
    std::unique_lock<std::mutex> locker(s_currentMutex);
    return s_current;
}

QString Recorder::errorMessage(int code)
{
    switch (code) {
    case WriteError:
        return QCoreApplication::translate("Recorder", "Writing file error.");
    case StorageError:
        return QCoreApplication::translate("Recorder", "There is no enough storage space.");
    case ConcurrentError:
        return QCoreApplication::translate("Recorder", "Recording more than one video at the same time is not allowed.");
    case SavePathError:
        return QCoreApplication::translate("Recorder", "Please config save path in options.");
    default:
        return QString();
    }
}

void Recorder::setFreeSpaceProbe(FreeSpaceProbe probe)
{
    std::unique_lock<std::mutex> locker(s_probeMutex);
    s_freeSpaceProbe = std::move(probe);
}

bool Recorder::hasEnoughSpace(const QString& filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    // A missing folder is not a space problem: opening the file reports it.
    if (!QFileInfo(folder).isDir())
        return true;
    return bytesAvailable(folder) / 1024 >= kMinFreeKiB;
}

Recorder::Container Recorder::containerOf(const QString& filePath)
{
    if (filePath.size() < 4)
        return OtherContainer;
    const QString suffix = QFileInfo(filePath).suffix();
    if (suffix == QLatin1String("mp4"))
        return Mp4Container;
    if (suffix == QLatin1String("mkv"))
        return MatroskaContainer;
    return OtherContainer;
}

bool Recorder::hasAudio() const
{
    return m_transcoder != nullptr;
}

bool Recorder::isStarted() const
{
    std::unique_lock<std::mutex> locker(m_mutex);
    return m_started && m_startTimestamp != AV_NOPTS_VALUE;
}

bool Recorder::isFailed() const
{
    std::unique_lock<std::mutex> locker(m_mutex);
    return m_failed;
}

bool Recorder::failOpen(int code)
{
    m_lastError = code;
    if (m_output) {
        avio_closep(&m_output->pb);
        avformat_free_context(m_output);
        m_output = nullptr;
    }
    if (code == StorageError) {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_failed = true;
    }
    if (code == StorageError)
        emit recorderError(code);
    return false;
}

bool Recorder::open(const AVCodecParameters* videoParams, const AVCodecParameters* audioParams)
{
    if (m_output || isRunning()) {
        qWarning("Recorder is already open");
        return false;
    }
    if (current() != this) {
        qCritical("Another recording is running");
        return failOpen(ConcurrentError);
    }
    if (!videoParams) {
        qCritical("Recorder has no video parameters");
        return failOpen(WriteError);
    }
    if (!hasEnoughSpace(m_filePath)) {
        qCritical("No enough space for recording in %s", qUtf8Printable(QFileInfo(m_filePath).absolutePath()));
        return failOpen(StorageError);
    }
    m_container = containerOf(m_filePath);
    const char* muxerName = m_container == Mp4Container ? "mp4"
        : m_container == MatroskaContainer                ? "matroska"
                                                          : nullptr;
    const AVOutputFormat* format = nullptr;
    void* iterator = nullptr;
    while (muxerName && (format = av_muxer_iterate(&iterator)))
        if (std::strcmp(format->name, muxerName) == 0)
            break;
    if (!format) {
        qCritical("Could not find muxer");
        return failOpen(WriteError);
    }
    if (avformat_alloc_output_context2(&m_output, format, nullptr, nullptr) < 0 || !m_output) {
        qCritical("Could not allocate output context");
        m_output = nullptr;
        return failOpen(WriteError);
    }
    const QByteArray comment = QByteArrayLiteral("Recorded by Pivora " PIVORA_VERSION);
    av_dict_set(&m_output->metadata, "comment", comment.constData(), 0);

    for (const AVCodecParameters* params : {videoParams, audioParams}) {
        if (!params)
            continue;
        AVStream* stream = avformat_new_stream(m_output, nullptr);
        if (!stream || avcodec_parameters_copy(stream->codecpar, params) < 0) {
            qCritical("Could not add a stream to the recording");
            return failOpen(WriteError);
        }
        stream->codecpar->codec_tag = 0;
    }
    const int opened = avio_open(&m_output->pb, QFile::encodeName(m_filePath).constData(), AVIO_FLAG_WRITE);
    if (opened < 0) {
        qCritical("Failed to open output file: %s %s", qUtf8Printable(ffmpegError(opened)),
                  qUtf8Printable(m_filePath));
        return failOpen(WriteError);
    }
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_started = false;
        m_failed = false;
        m_stopped = false;
    }
    m_headerWritten = false;
    m_lastError = NoError;
    if (audioParams) {
        {
            std::lock_guard<std::mutex> queue(m_audioMutex);
            m_audioClosed = false;
        }
        m_transcoder = new StreamTranscode(this);
        m_transcoder->setOutput(true, m_output->streams[1]->codecpar);
        m_transcoder->setSink(this);
    }
    return true;
}

bool Recorder::startRecorder()
{
    if (isRunning())
        return true;
    if (!m_output) {
        qWarning("Recorder started without an open file");
        m_lastError = WriteError;
        return false;
    }
    if (!hasEnoughSpace(m_filePath)) {
        qCritical("No enough space for recording in %s", qUtf8Printable(QFileInfo(m_filePath).absolutePath()));
        m_lastError = StorageError;
        {
            std::unique_lock<std::mutex> locker(m_mutex);
            m_failed = true;
        }
        emit recorderError(StorageError);
        return false;
    }
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_startTimestamp = AV_NOPTS_VALUE;
        m_audioClock = AV_NOPTS_VALUE;
    }
    if (m_transcoder) {
        if (m_transcoder->startEncoder())
            m_transcoder->encoderParameters(m_output->streams[1]->codecpar);
        // Started here rather than by the writer thread, so that sound queued right after
        // the start is never left behind by an early stop.
        startAudioInput();
    }
    start(QThread::InheritPriority);
    return true;
}

bool Recorder::push(const AVPacket* packet)
{
    if (!packet)
        return false;
    std::unique_lock<std::mutex> locker(m_mutex);
    if (m_failed || m_stopped)
        return false;
    if (!m_started) {
        const bool configuration = packet->stream_index == 0 && packet->pts == AV_NOPTS_VALUE && packet->size > 0;
        const bool keyFrame = packet->stream_index == 0 && (packet->flags & AV_PKT_FLAG_KEY)
            && packet->pts != AV_NOPTS_VALUE;
        if (!configuration && !keyFrame)
            return false;
        if (keyFrame) {
            m_started = true;
            m_startTimestamp = packet->pts;
            m_audioClock = packet->pts;
        }
    }
    AVPacketPtr clone(av_packet_clone(packet));
    if (!clone)
        return false;
    m_packets.push_back(std::move(clone));
    if (m_writerWaiting && m_packets.size() >= kWakeBatch)
        m_condition.notify_one();
    return true;
}

void Recorder::stopRecorder()
{
    // Sound first, in order, so that nothing the mixer delivered before the stop is lost.
    stopAudioInput();
    if (m_transcoder)
        m_transcoder->stopEncoder();
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_stopped = true;
        m_condition.notify_one();
    }
    wait();
    // The thread's last act is taking the mutex (clearPackets); taking it here orders its
    // writes before close() in a way race checkers see, which QThread::wait alone is not.
    std::unique_lock<std::mutex> locker(m_mutex);
}

void Recorder::close()
{
    if (isRunning())
        stopRecorder();
    {
        // A thread that ended on its own: see stopRecorder().
        std::unique_lock<std::mutex> locker(m_mutex);
    }
    if (m_output) {
        bool playable = m_headerWritten;
        if (m_headerWritten) {
            av_interleaved_write_frame(m_output, nullptr);
            const int written = av_write_trailer(m_output);
            if (written >= 0 && !(m_output->pb && m_output->pb->error < 0)) {
                qDebug("success record %s", qUtf8Printable(m_filePath));
            } else {
                qCritical("Failed to write trailer to %s", qUtf8Printable(m_filePath));
                std::unique_lock<std::mutex> locker(m_mutex);
                m_failed = true;
                // Matroska stays readable without its index; MP4 does not without its trailer.
                playable = m_container == MatroskaContainer;
            }
        }
        avio_closep(&m_output->pb);
        avformat_free_context(m_output);
        m_output = nullptr;
        if (!playable)
            removeUnplayableFile(m_headerWritten ? "its trailer is missing" : "it holds no picture");
        m_headerWritten = false;
    }
    delete m_transcoder;
    m_transcoder = nullptr;
    std::unique_lock<std::mutex> locker(m_mutex);
    m_started = false;
}

void Recorder::removeUnplayableFile(const char* reason)
{
    if (QFile::exists(m_filePath) && QFile::remove(m_filePath))
        qWarning("Removed recording %s: %s", qUtf8Printable(m_filePath), reason);
}

void Recorder::fail(int code)
{
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_failed = true;
    }
    emit recorderError(code);
}

// Takes everything queued at once: one lock and at most one wake-up per batch.
bool Recorder::takePackets(std::deque<AVPacketPtr>& batch)
{
    std::unique_lock<std::mutex> locker(m_mutex);
    while (!m_stopped && m_packets.empty()) {
        m_writerWaiting = true;
        m_condition.wait(locker);
        m_writerWaiting = false;
    }
    batch.swap(m_packets);
    return !batch.empty();
}

void Recorder::run()
{
    int64_t checked = nowSeconds();
    AVPacketPtr held;
    std::deque<AVPacketPtr> batch;
    bool writing = true;
    while (writing && takePackets(batch)) {
        for (; writing && !batch.empty(); batch.pop_front())
            writing = writeNext(std::move(batch.front()), held, checked);
    }
    writeHeldPacket(std::move(held));
    stopAudioInput();
    clearPackets();
    qDebug("Recorder thread ended");
}

// One packet of the writer loop; false ends the recording.
bool Recorder::writeNext(AVPacketPtr packet, AVPacketPtr& held, int64_t& checked)
{
    if (!m_headerWritten) {
        if (packet->pts == AV_NOPTS_VALUE) {
            if (!handleConfiguration(packet.get())) {
                qCritical("Cannot allocate extradata");
                fail(WriteError);
                return false;
            }
            return true;
        }
        if (!writeHeader()) {
            qCritical("Failed to write header recorder file");
            fail(WriteError);
            return false;
        }
    }
    if (held && !writePacket(held.get())) {
        qCritical("Could not record packet");
        fail(WriteError);
        held.reset();
        return false;
    }
    held = std::move(packet);
    if (nowSeconds() - checked >= kCheckIntervalSeconds) {
        emit recorderCheckKeyFrame();
        checked = nowSeconds();
        if (!hasEnoughSpace(m_filePath)) {
            qCritical("No enough sapce");
            fail(StorageError);
            return false;
        }
    }
    return true;
}

void Recorder::writeHeldPacket(AVPacketPtr held)
{
    if (!held || !m_headerWritten)
        return;
    if (held->stream_index == 0)
        held->duration = kLastPacketDurationUs;
    if (!writePacket(held.get()))
        qWarning("Could not record last packet");
}

void Recorder::clearPackets()
{
    std::unique_lock<std::mutex> locker(m_mutex);
    m_packets.clear();
}

// A configuration packet (the phone's decoder configuration record) before the header becomes
// the video stream's extradata.
bool Recorder::handleConfiguration(const AVPacket* packet)
{
    if (packet->stream_index != 0 || packet->size <= 0)
        return true;
    AVCodecParameters* video = m_output->streams[0]->codecpar;
    uint8_t* extradata = static_cast<uint8_t*>(av_mallocz(packet->size + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!extradata)
        return false;
    std::memcpy(extradata, packet->data, packet->size);
    av_freep(&video->extradata);
    video->extradata = extradata;
    video->extradata_size = packet->size;
    return true;
}

bool Recorder::writeHeader()
{
    if (avformat_write_header(m_output, nullptr) < 0)
        return false;
    m_headerWritten = true;
    return true;
}

bool Recorder::writePacket(AVPacket* packet)
{
    int64_t start;
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        start = m_startTimestamp;
    }
    if (packet->pts == AV_NOPTS_VALUE || start == AV_NOPTS_VALUE || packet->pts < start)
        return true;
    const int index = packet->stream_index;
    if (index < 0 || index >= static_cast<int>(m_output->nb_streams) || index > 1) {
        qWarning("Recorder skipped a packet of an unknown stream");
        return true;
    }
    if (m_lastWritten[index] != AV_NOPTS_VALUE && packet->pts <= m_lastWritten[index]) {
        qWarning("Recorder skipped a packet whose time does not move forward");
        return true;
    }
    m_lastWritten[index] = packet->pts;
    packet->pts -= start;
    // The phone's stream has no reordering: its decoding time is its presentation time.
    packet->dts = packet->pts;
    av_packet_rescale_ts(packet, kMicroseconds, m_output->streams[index]->time_base);
    return av_interleaved_write_frame(m_output, packet) >= 0;
}

void Recorder::startAudioInput()
{
    std::lock_guard<std::mutex> control(m_audioControl);
    if (m_audioInputEnded)
        return;
    m_audioThread = SDL_CreateThread(&Recorder::audioThreadMain, "SCAudioOutputProcess", this);
    if (!m_audioThread)
        qWarning("Could not start the recording's audio thread: %s", SDL_GetError());
    m_mixerOutput = pvoAudioAddOutput(&Recorder::mixerOutput);
}

void Recorder::stopAudioInput()
{
    std::lock_guard<std::mutex> control(m_audioControl);
    m_audioInputEnded = true;
    if (m_mixerOutput) {
        pvoAudioRemoveOutput(m_mixerOutput);
        m_mixerOutput = nullptr;
    }
    {
        std::lock_guard<std::mutex> queue(m_audioMutex);
        m_audioClosed = true;
    }
    m_audioCondition.notify_all();
    if (m_audioThread) {
        SDL_WaitThread(m_audioThread, nullptr);
        m_audioThread = nullptr;
    }
    std::lock_guard<std::mutex> queue(m_audioMutex);
    m_audioQueue.clear();
}

void Recorder::mixerOutput(const uint8_t* data, int length)
{
    std::unique_lock<std::mutex> locker(s_currentMutex);
    if (s_current)
        s_current->queueAudio(data, length);
}

void Recorder::queueAudio(const uint8_t* data, int length)
{
    if (!data || length <= 0 || !isStarted())
        return;
    {
        std::lock_guard<std::mutex> queue(m_audioMutex);
        if (m_audioClosed)
            return;
        m_audioQueue.emplace_back(reinterpret_cast<const char*>(data), length);
    }
    m_audioCondition.notify_one();
}

int Recorder::audioThreadMain(void* recorder)
{
    static_cast<Recorder*>(recorder)->audioLoop();
    return 0;
}

void Recorder::audioLoop()
{
    for (;;) {
        QByteArray bytes;
        {
            std::unique_lock<std::mutex> queue(m_audioMutex);
            m_audioCondition.wait(queue, [this] { return m_audioClosed || !m_audioQueue.empty(); });
            if (m_audioQueue.empty())
                return;
            bytes = std::move(m_audioQueue.front());
            m_audioQueue.pop_front();
        }
        encodeAudioBuffer(bytes);
    }
}

void Recorder::encodeAudioBuffer(const QByteArray& bytes)
{
    // The mixer delivers whole sample frames; a stray partial one waits for the next buffer.
    QByteArray pcm = m_audioCarry + bytes;
    const int samples = pcm.size() / kMixerFrameBytes;
    m_audioCarry = pcm.mid(samples * kMixerFrameBytes);
    if (samples == 0)
        return;
    int64_t clock;
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        clock = m_audioClock;
    }
    AVFramePtr frame = makeAVFrame();
    if (!frame || clock == AV_NOPTS_VALUE)
        return;
    frame->format = AV_SAMPLE_FMT_S16;
    frame->sample_rate = kMixerRate;
    av_channel_layout_default(&frame->ch_layout, kMixerChannels);
    frame->nb_samples = samples;
    if (av_frame_get_buffer(frame.get(), 0) < 0) {
        qWarning("Could not allocate an audio frame");
        return;
    }
    std::memcpy(frame->data[0], pcm.constData(), samples * kMixerFrameBytes);
    const AVRational rate{1, kMixerRate};
    frame->pts = clock + av_rescale_q(m_audioSamples, rate, kMicroseconds);
    setFrameDuration(frame.get(), av_rescale_q(samples, rate, kMicroseconds));
    m_audioSamples += samples;
    m_transcoder->pushFrame(frame.get());
}
