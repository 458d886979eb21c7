#pragma once

#include "media/AVPtr.h"

#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>

struct AVAudioFifo;
struct SwrContext;
class Recorder;

// The sound encoder of a recording: takes PCM frames (microsecond timestamps), resamples them to
// the encoder's format when they do not match, cuts them into encoder-sized frames, encodes them
// on its own thread and pushes every packet (microsecond timestamps) into the recorder.
class StreamTranscode : public QThread {
    Q_OBJECT
public:
    explicit StreamTranscode(QObject* parent = nullptr);
    ~StreamTranscode() override;

    // audio: packets go out as stream 1 (0 otherwise). The parameters are copied.
    void setOutput(bool audio, const AVCodecParameters* encoderParams);
    void setSink(Recorder* sink);

    // Opens the encoder (once) and starts the thread. False, logged, when it cannot be opened.
    bool startEncoder();
    // The opened encoder's parameters for the file's stream; false before startEncoder succeeded.
    bool encoderParameters(AVCodecParameters* out) const;

    // Called from the recorder's audio thread; the caller keeps its frame. Frames that arrive
    // before the sink's first video key frame, or while the thread is not running, are dropped.
    void pushFrame(const AVFrame* frame);

    // Encodes what is queued, flushes the encoder into the sink and waits for the thread.
    void stopEncoder();

signals:
    void onStreamStop();

protected:
    void run() override;

private:
    AVFramePtr takeFrame();
    void encodeFrame(const AVFrame* frame);
    bool frameMatchesEncoder(const AVFrame* frame) const;
    bool prepareResampler(const AVFrame* frame);
    void resampleIntoFifo(const AVFrame* frame);
    void encodeFifo();
    void sendFrame(AVFrame* frame);
    void drainPackets();
    void releaseCodecState();

    Recorder* m_sink = nullptr;
    AVCodecContextPtr m_encoder;
    AVCodecParametersPtr m_openedParams;
    int m_streamIndex = 1;
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_stop = false;
    bool m_accepting = false;
    AVCodecParametersPtr m_encoderParams;
    SwrContext* m_resampler = nullptr;
    AVAudioFifo* m_fifo = nullptr;
    // Input format the resampler was made for; a frame of another format rebuilds it.
    int m_resampleFormat = -1;
    int m_resampleRate = 0;
    AVChannelLayout m_resampleLayout{};
    // Next encoder frame: the first frame's time in the encoder's time base plus the samples sent.
    int64_t m_encoderClock = AV_NOPTS_VALUE;
    int64_t m_clockBase = AV_NOPTS_VALUE;
    int64_t m_samplesSent = 0;
    std::deque<AVFramePtr> m_frames;
};
