#pragma once
// A media file's H.264 track, sent as it is stored, and its sound decoded to PCM S16.

#include "FfmpegPtr.h"
#include "MediaSource.h"

#include <deque>

class FileSource : public MediaSource {
public:
    // loop: start over at the end instead of ending.
    FileSource(std::string path, bool loop);

    bool open(std::string& error) override;
    bool next(MediaUnit& unit) override;
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    const std::vector<uint8_t>& configRecord() const override { return m_record; }
    bool hasAudio() const override { return m_audioDecoder != nullptr; }
    cast::AudioFormatMsg audioFormat() const override { return m_audioFormat; }

private:
    bool openVideo(std::string& error);
    void openAudio();
    bool takeVideo(const AVPacket* packet, MediaUnit& unit);
    void decodeAudio(const AVPacket* packet);
    bool restart();
    double seconds(int64_t value, AVRational timeBase) const;

    const std::string m_path;
    const bool m_loop;
    AVFormatInputPtr m_format;
    AVPacketPtr m_packet;
    int m_videoStream = -1;
    int m_width = 0;
    int m_height = 0;
    bool m_annexB = false;  // stored with start codes (e.g. a transport stream)
    std::vector<uint8_t> m_record;
    bool m_skipToKey = false;

    int m_audioStream = -1;
    AVCodecContextPtr m_audioDecoder;
    SwrContextPtr m_resampler;
    AVFramePtr m_audioFrame;
    cast::AudioFormatMsg m_audioFormat;
    std::deque<MediaUnit> m_pendingAudio;

    double m_loopOffset = 0;  // added to timestamps after each start-over
    double m_lastEnd = 0;     // end of the latest picture of this pass, offset not included
    bool m_draining = false;
};
