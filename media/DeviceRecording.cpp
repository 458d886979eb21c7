#include "media/DeviceRecording.h"

#include "app/PVSettings.h"
#include "media/AVCompat.h"
#include "media/AVPtr.h"
#include "media/Recorder.h"
#include "media/Screenshot.h"
#include "ui/QEAlertDialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/time.h>
}

namespace {

const QString kRecordGroup = QStringLiteral("record");

AVCodecParametersPtr recordAudioParameters()
{
    AVCodecParametersPtr params(avcodec_parameters_alloc());
    if (!params)
        return params;
    params->codec_type = AVMEDIA_TYPE_AUDIO;
    params->codec_id = AV_CODEC_ID_AAC;
    params->format = AV_SAMPLE_FMT_FLTP;
    params->profile = kAacLowProfile;
    av_channel_layout_default(&params->ch_layout, 2);
    params->sample_rate = 44100;
    params->bits_per_raw_sample = av_get_bytes_per_sample(AV_SAMPLE_FMT_FLTP) * 8;
    params->frame_size = 1024;
    return params;
}

} // namespace

DeviceRecording::DeviceRecording(QObject* parent)
    : QObject(parent)
{
}

DeviceRecording::~DeviceRecording()
{
    stopRecord(true);
}

void DeviceRecording::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
}

void DeviceRecording::setSettings(QSettings* settings)
{
    m_settings = settings;
}

int64_t DeviceRecording::now() const
{
    return m_hooks.clock ? m_hooks.clock() : av_gettime();
}

int DeviceRecording::recordingSeconds() const
{
    return m_recorder ? int((now() - m_recordStart) / 1000000) : 0;
}

QString DeviceRecording::savePath() const
{
    if (m_settings)
        return PVSettings::optionString(*m_settings, kRecordGroup, QStringLiteral("savePath"));
    return PVSettings::defaultOption(kRecordGroup, QStringLiteral("savePath")).toString();
}

bool DeviceRecording::readRecordSettings()
{
    const QString audio = QStringLiteral("audioOutput");
    const QString split = QStringLiteral("splitDuration");
    if (m_settings) {
        m_audioOutput = PVSettings::optionString(*m_settings, kRecordGroup, audio);
        m_splitDuration = PVSettings::optionInt(*m_settings, kRecordGroup, split, 1) * 3600;
    } else {
        m_audioOutput = PVSettings::defaultOption(kRecordGroup, audio).toString();
        m_splitDuration = 3600;
    }
    const QString folder = savePath();
    if (folder.isEmpty()) {
        reportRecordError(Recorder::SavePathError);
        return false;
    }
    if (!prepareSaveFolder(folder))
        return false;
    m_recordFileName = newRecordFileName(folder, QDateTime::currentDateTime());
    return true;
}

QString DeviceRecording::newRecordFileName(const QString& savePath, const QDateTime& now)
{
    return QDir(savePath).absoluteFilePath(QStringLiteral("Pivora_")
                                           + now.toString(QStringLiteral("yyyyMMdd_hhmmss"))
                                           + QStringLiteral(".mp4"));
}

bool DeviceRecording::ensureSaveFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return false;
    qInfo("Created the save folder %s", qUtf8Printable(folder));
    return true;
}

bool DeviceRecording::prepareSaveFolder(const QString& folder)
{
    if (ensureSaveFolder(folder))
        return true;
    qWarning("The save folder %s cannot be created", qUtf8Printable(folder));
    showAlert(tr("The save folder cannot be created:\n%1\nPlease choose another folder in the settings.").arg(folder));
    return false;
}

QString DeviceRecording::nextFreeFileName(const QString& name)
{
    if (!QFileInfo::exists(name))
        return name;
    const QFileInfo info(name);
    const QDir folder = info.dir();
    for (int number = 1;; ++number) {
        const QString candidate = folder.filePath(
            QStringLiteral("%1_%2.%3").arg(info.baseName()).arg(number).arg(info.suffix()));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

bool DeviceRecording::startRecord(qint64 startPts)
{
    Q_UNUSED(startPts)
    m_lastError = Recorder::NoError;
    Recorder* running = Recorder::current();
    if (running && running != m_recorder) {
        m_recordFileName.clear();
        m_lastError = Recorder::ConcurrentError;
        showError(Recorder::ConcurrentError);
        return false;
    }
    if (m_recorder)
        return false;
    if (m_recordFileName.isEmpty() && !readRecordSettings()) {
        m_lastError = Recorder::SavePathError;
        return false;
    }
    AVCodecParametersPtr video(avcodec_parameters_alloc());
    if (!video || !m_hooks.videoParameters || !m_hooks.videoParameters(video.get())) {
        qWarning("Recording cannot start without the phone's video parameters");
        m_recordFileName.clear();
        m_lastError = Recorder::WriteError;
        showError(Recorder::WriteError);
        return false;
    }
    AVCodecParametersPtr audio;
    if (m_audioOutput != QLatin1String("silence"))
        audio = recordAudioParameters();

    auto* recorder = new Recorder(nextFreeFileName(m_recordFileName));
    m_recordStart = now();
    m_splitPending = false;
    if (!recorder->open(video.get(), audio.get()))
        return failStart(recorder, recorder->lastError());
    if (!recorder->startRecorder())
        return failStart(recorder, recorder->lastError());
    m_recorder = recorder;
    const quint64 generation = ++m_generation;
    connect(recorder, &Recorder::recorderError, this, [this, generation](int code) {
        if (generation == m_generation)
            onRecorderError(code);
    }, Qt::QueuedConnection);
    if (m_hooks.requestKeyFrame) {
        m_hooks.requestKeyFrame();
        connect(recorder, &Recorder::recorderCheckKeyFrame, this, [this, generation] {
            if (generation == m_generation && m_hooks.requestKeyFrame)
                m_hooks.requestKeyFrame();
        }, Qt::QueuedConnection);
    }
    qInfo("Recording to %s", qUtf8Printable(recorder->filePath()));
    return true;
}

bool DeviceRecording::failStart(Recorder* recorder, int code)
{
    delete recorder;
    m_recordFileName.clear();
    m_lastError = code ? code : Recorder::WriteError;
    showError(m_lastError);
    return false;
}

void DeviceRecording::stopRecord(bool forgetName)
{
    if (forgetName)
        m_recordFileName.clear();
    m_splitPending = false;
    if (!m_recorder)
        return;
    ++m_generation;
    Recorder* recorder = m_recorder;
    m_recorder = nullptr;
    if (recorder->isRunning())
        recorder->stopRecorder();
    recorder->close();
    delete recorder;
}

void DeviceRecording::reportRecordError(int code)
{
    if (m_recorder)
        emit m_recorder->recorderError(code);
    else
        onRecorderError(code);
}

void DeviceRecording::onRecorderError(int code)
{
    stopRecord(true);
    m_lastError = code;
    showError(code);
}

void DeviceRecording::showError(int code)
{
    const QString message = Recorder::errorMessage(code);
    if (message.isEmpty())
        return;
    qWarning("Recording error %d: %s", code, qUtf8Printable(message));
    showAlert(message);
}

void DeviceRecording::showAlert(const QString& message)
{
    if (m_hooks.showAlert)
        m_hooks.showAlert(QCoreApplication::translate("DeviceRecording", kErrorTitle), message);
    else
        QEAlertDialog::run(nullptr, QCoreApplication::translate("DeviceRecording", kErrorTitle), message, QEAlertDialog::ModeAccept);
}

void DeviceRecording::handleVideoPacket(const AVPacket* rawPacket)
{
    if (!m_recorder || !rawPacket)
        return;
    if (!m_splitPending && m_splitDuration > 0 && recordingSeconds() >= m_splitDuration) {
        // End the file before a key frame so that the next one begins with a whole picture.
        m_splitPending = true;
        if (m_hooks.requestKeyFrame)
            m_hooks.requestKeyFrame();
    }
    const bool keyFrame = (rawPacket->flags & AV_PKT_FLAG_KEY) && rawPacket->pts != AV_NOPTS_VALUE;
    if (m_splitPending && keyFrame) {
        stopRecord(false);
        if (!startRecord(rawPacket->pts))
            return;
    }
    m_recorder->push(rawPacket);
}

void DeviceRecording::handleSizeChanged(qint64 timestamp)
{
    if (!m_recorder)
        return;
    stopRecord(false);
    startRecord(timestamp);
}

bool DeviceRecording::screenshot(const AVFrame* frame, const QRectF& crop, int rotation)
{
    const QString folder = savePath();
    if (folder.isEmpty()) {
        if (m_recorder) {
            reportRecordError(Recorder::SavePathError);
        } else {
            stopRecord(true);
            showError(Recorder::SavePathError);
        }
        return false;
    }
    if (!prepareSaveFolder(folder))
        return false;
    if (Screenshot::save(frame, crop, rotation, folder, QDateTime::currentDateTime()).isEmpty())
        return false;
    if (m_hooks.showToast)
        m_hooks.showToast(QCoreApplication::translate("DeviceRecording", kScreenshotSaved));
    return true;
}
