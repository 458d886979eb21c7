#pragma once

#include "media/AVPtr.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

struct AVFormatContext;
struct SDL_Thread;
class StreamTranscode;

// Writes one recording: the phone's H.264 packets as they arrive (never re-encoded) and, when the
// file has a sound stream, the mixer's output encoded to AAC by a StreamTranscode. Packets carry
// microsecond timestamps; the first video key frame is time zero. Only one Recorder exists in the
// process at a time; a second one refuses to open.
class Recorder : public QThread {
    Q_OBJECT
public:
    enum Error {
        NoError = 0,
        WriteError = -1,
        StorageError = -2,
        ConcurrentError = -4,
        SavePathError = -5,
    };
    enum Container { OtherContainer = 0, Mp4Container = 1, MatroskaContainer = 2 };

    // 301 MiB must stay free on the recording's volume.
    static constexpr qint64 kMinFreeKiB = 308224;
    static constexpr int64_t kLastPacketDurationUs = 100000;
    static constexpr int kCheckIntervalSeconds = 11;

    explicit Recorder(const QString& filePath, QObject* parent = nullptr);
    ~Recorder() override;

    // The Recorder that exists in the process (null when none). GUI thread.
    static Recorder* current();
    // The user-facing text of an error code; empty for codes without one.
    static QString errorMessage(int code);
    // Where free space is measured: bytes available on the volume of a folder (negative when
    // unknown). Null restores the real volume query.
    using FreeSpaceProbe = std::function<qint64(const QString& folder)>;
    static void setFreeSpaceProbe(FreeSpaceProbe probe);
    static bool hasEnoughSpace(const QString& filePath);
    static Container containerOf(const QString& filePath);

    // Prepares the file. False (logged, lastError() set) when it cannot be recorded; on -2 also
    // emits recorderError.
    bool open(const AVCodecParameters* videoParams, const AVCodecParameters* audioParams);
    // Starts the writer thread and, with sound, the encoder and the mixer tap with its audio
    // thread. False (lastError() set, -2 also emitted) when the volume is short of space.
    bool startRecorder();
    // Any thread. The caller keeps its packet. Until the first video key frame only that frame
    // (and configuration packets, which carry no time) is accepted.
    bool push(const AVPacket* packet);
    // Writes out everything accepted so far (sound included) and ends the thread.
    void stopRecorder();
    // Finishes the file. A file that could not be made playable is removed.
    void close();

    QString filePath() const { return m_filePath; }
    bool hasAudio() const;
    bool isStarted() const;
    bool isFailed() const;
    int lastError() const { return m_lastError; }

    // The mixer output callback: queues a copy of the PCM (S16, 44100 Hz, stereo) for the audio
    // thread of the current recorder, once its first key frame has arrived.
    static void mixerOutput(const uint8_t* data, int length);

signals:
    void recorderCheckKeyFrame();
    void recorderError(int err);

protected:
    void run() override;

private:
    static int audioThreadMain(void* recorder);
    void queueAudio(const uint8_t* data, int length);
    void audioLoop();
    void encodeAudioBuffer(const QByteArray& bytes);
    void startAudioInput();
    void stopAudioInput();
    bool failOpen(int code);
    void fail(int code);
    bool takePackets(std::deque<AVPacketPtr>& batch);
    bool writeNext(AVPacketPtr packet, AVPacketPtr& held, int64_t& checked);
    bool handleConfiguration(const AVPacket* packet);
    bool writeHeader();
    bool writePacket(AVPacket* packet);
    void writeHeldPacket(AVPacketPtr held);
    void clearPackets();
    void removeUnplayableFile(const char* reason);

    const QString m_filePath;
    AVFormatContext* m_output = nullptr;
    bool m_headerWritten = false;
    Container m_container = OtherContainer;
    int m_lastError = NoError;

    mutable std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_stopped = false;
    bool m_failed = false;
    bool m_writerWaiting = false;
    std::deque<AVPacketPtr> m_packets;
    int64_t m_startTimestamp = AV_NOPTS_VALUE;
    int64_t m_audioClock = AV_NOPTS_VALUE;
    bool m_started = false;
    // Last time written per stream; a packet that does not move forward is skipped.
    int64_t m_lastWritten[2] = {AV_NOPTS_VALUE, AV_NOPTS_VALUE};

    // Sound input: the mixer tap, the SDL thread and its queue.
    std::mutex m_audioControl;
    SDL_Thread* m_audioThread = nullptr;
    void* m_mixerOutput = nullptr;
    bool m_audioInputEnded = false;
    std::mutex m_audioMutex;
    std::condition_variable m_audioCondition;
    std::deque<QByteArray> m_audioQueue;
    bool m_audioClosed = true; // opened by open() when the file has sound
    QByteArray m_audioCarry; // bytes of an incomplete sample frame, audio thread only
    int64_t m_audioSamples = 0; // samples turned into frames, audio thread only

    StreamTranscode* m_transcoder = nullptr;
};
