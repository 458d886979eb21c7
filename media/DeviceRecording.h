#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>

struct AVCodecParameters;
struct AVFrame;
struct AVPacket;
class QSettings;
class Recorder;

// The recording state of one device: the record file name kept across splits, the settings
// read when a recording starts, the running Recorder, the split rule and the error handling.
// GUI thread only. The device object feeds it the phone's raw video packets and size changes.
class DeviceRecording : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Fills out with a copy of the client's current video parameters; false when none.
        std::function<bool(AVCodecParameters* out)> videoParameters;
        // Asks the receiver engine for a key frame of this channel; set for kind 2 devices.
        std::function<void()> requestKeyFrame;
        // A modal alert (title, text) over the device window.
        std::function<void(const QString& title, const QString& text)> showAlert;
        // A toast over the device window.
        std::function<void(const QString& text)> showToast;
        // Microseconds; av_gettime when unset.
        std::function<int64_t()> clock;
    };

    static constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("DeviceRecording", "Recording error");
    static constexpr const char* kScreenshotSaved = QT_TRANSLATE_NOOP("DeviceRecording", "Screenshot is saved successfully!");

    explicit DeviceRecording(QObject* parent = nullptr);
    ~DeviceRecording() override;

    void setHooks(Hooks hooks);
    // The store "options" / "record" is read from; defaults are used without one.
    void setSettings(QSettings* settings);

    // Starts a file. False when nothing is recording afterwards: another device records (-4),
    // no save folder (-5), the file cannot be opened (-1) or the volume is short of space (-2);
    // the alert is shown and lastError() tells the code. startPts is not used: a file's time
    // zero is its first key frame.
    bool startRecord(qint64 startPts);
    void stopRecord(bool forgetName);
    void reportRecordError(int code);

    // A raw video packet of the phone (the device keeps its packet). When the split time has
    // come, the current file ends before the next key frame, which starts the new file.
    void handleVideoPacket(const AVPacket* rawPacket);
    // The picture size changed: the recording continues in a new file from the next key frame.
    void handleSizeChanged(qint64 timestamp);

    // The frame shown, cut and turned as the renderer shows it, saved as PNG. True when saved.
    bool screenshot(const AVFrame* frame, const QRectF& crop, int rotation);

    bool isRecording() const { return !m_recorder.isNull(); }
    int recordingSeconds() const;
    Recorder* recorder() const { return m_recorder; }
    QString recordFileName() const { return m_recordFileName; }
    QString audioOutput() const { return m_audioOutput; }
    int splitDuration() const { return m_splitDuration; }
    void setSplitDuration(int seconds) { m_splitDuration = seconds; }
    int lastError() const { return m_lastError; }

    // "Pivora_" + local time "yyyyMMdd_hhmmss" + ".mp4" in the save folder.
    static QString newRecordFileName(const QString& savePath, const QDateTime& now);
    // name itself when free, else base name + "_1", "_2" … + suffix, the first that is free.
    static QString nextFreeFileName(const QString& name);
    // Creates the save folder when it is missing (the default Movies folder often is on a fresh
    // account). False when it does not exist and cannot be made.
    static bool ensureSaveFolder(const QString& folder);

private:
    void onRecorderError(int code);
    void showError(int code);
    void showAlert(const QString& message);
    bool prepareSaveFolder(const QString& folder);
    bool failStart(Recorder* recorder, int code);
    bool readRecordSettings();
    QString savePath() const;
    int64_t now() const;

    Hooks m_hooks;
    QPointer<QSettings> m_settings;
    QString m_recordFileName;
    QString m_audioOutput;
    QPointer<Recorder> m_recorder;
    int64_t m_recordStart = 0;
    int m_splitDuration = 3600;
    bool m_splitPending = false;
    int m_lastError = 0;
    // Tells queued errors of an earlier recorder from those of the current one.
    quint64 m_generation = 0;
};
