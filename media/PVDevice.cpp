#include "media/PVDevice.h"

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "bluetooth/ISCBluetoothDevice.h"
#include "bluetooth/SCBluetoothService.h"
#include "bluetooth/SCDeviceModelInfo.h"
#include "control/CKBMapService.h"
#include "control/Controller.h"
#include "media/AVPtr.h"
#include "media/Decoder.h"
#include "media/DeviceRecording.h"
#include "media/Recorder.h"
#include "media/Stream.h"
#include "media/VideoBuffer.h"
#include "render/QRenderWidget.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/CAirPlayEx.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QEAlertDialog.h"
#include "ui/QEToast.h"
#include "ui/QPVDeviceWidget.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QMetaEnum>
#include <QPushButton>
#include <QUrl>

extern "C" {
#include <libavcodec/codec_par.h>
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace {

constexpr int kVideoMedia = 0;
constexpr int kStandaloneMode = 0;
constexpr int kCenterMode = 1;
constexpr int kFirstWindowX = 100;
constexpr int kWindowStepX = 80;
constexpr int kWindowY = 50;
// Kind 2 phones send a key frame only when asked; a recording needs one to begin a file.
constexpr uint32_t kKeyFrameOnRequestKind = 2;
constexpr uint32_t kAndroidKind = 3;
constexpr uint32_t kNoControlKind = 4;

// Kinds 1 and 2 are iPhones and iPads, controlled over Bluetooth.
bool isIosKind(uint32_t kind)
{
    return kind == 1 || kind == 2;
}
const char kGraphicsHelpUrl[] = "https://www.pivora.app/help/graphics";
const char kKeyMappingGroup[] = "KBMapping";
const char kMouseSensitivityKey[] = "mouseSensitivity";
const char kShootingShortcutKey[] = "shootingModeShortcut";
constexpr int kDefaultMouseSensitivity = 10;
constexpr int kDefaultShootingShortcut = Qt::RightButton;

QPivoraApplication* application()
{
    return qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
}

// A stored shortcut name as a mouse button, else as a key; false when it is neither.
bool shortcutFromName(const QString& name, int* value)
{
    const QByteArray key = name.toLatin1();
    for (const QMetaEnum& names : {QMetaEnum::fromType<Qt::MouseButtons>(), QMetaEnum::fromType<Qt::Key>()}) {
        bool ok = false;
        const int found = names.keyToValue(key.constData(), &ok);
        if (ok) {
            *value = found;
            return true;
        }
    }
    return false;
}

} // namespace

PVDevice::PVDevice(QPVAirPlayClient* client)
    : m_client(client)
{
    qRegisterMetaType<AVPacket*>("AVPacket*");
    qRegisterMetaType<AVFrame*>("AVFrame*");
    qRegisterMetaType<int64_t>("int64_t");

    // The client emits from the engine's threads; everything below runs on this object's thread.
    const auto queued = Qt::QueuedConnection;
    connect(this, &PVDevice::newFramePushed, this, &PVDevice::onVideoFrame, queued);
    connect(this, &PVDevice::mirroringPlay, this, &PVDevice::onMirroringPlay, queued);
    connect(this, &PVDevice::mirroringStop, this, &PVDevice::onMirroringStop, queued);
    connect(this, &PVDevice::mirroringSizeChanged, this, &PVDevice::onMirroringSizeChanged, queued);
    connect(this, &PVDevice::mirroringRotated, this, &PVDevice::onMirroringRotated, queued);
    connect(this, &PVDevice::deviceInfoChanged, this, &PVDevice::onDeviceInfoChanged, queued);
    connect(this, &PVDevice::setupBtDevice, this, &PVDevice::onSetupBtDevice, queued);
    connect(this, &PVDevice::destroyBtDevice, this, &PVDevice::onDestroyBtDevice, queued);
    connect(this, &PVDevice::deliverMediaPacket, this, &PVDevice::onMediaPacket, queued);

    // Before the window: its control bar asks for the recording state at once.
    setupRecording();
    setupController();

    m_widget = new QPVDeviceWidget(nullptr);
    // Phone windows come and go with their phones; closing the last one must not end the program.
    m_widget->setAttribute(Qt::WA_QuitOnClose, false);
    m_widget->setDevice(this);
    m_widget->setMode(kStandaloneMode);
    connect(m_widget.data(), &QPVDeviceWidget::didActivate, this, &PVDevice::subscribeBluetoothClient);

    connectController();
    connect(this, &PVDevice::volumeMuteChanged, this, &PVDevice::onVolumeMuteChanged, queued);
}

void PVDevice::setupController()
{
    m_controller = new Controller(m_client ? int(m_client->deviceKind()) : 0, this);
    applyKeyMappingSettings();
    applyRememberedKeyMap();
}

void PVDevice::applyRememberedKeyMap()
{
    if (!m_client)
        return;
    CKBMapService* service = CKBMapService::instance();
    const QString name = service->appliedProfile(m_client->channelId());
    if (name.isEmpty())
        return;
    const QString path = service->profilePath(name);
    if (!CKBMapService::isValidName(name) || !QFile::exists(path)) {
        qWarning("Key map \"%s\" of channel %s is gone; the phone is played without it", qUtf8Printable(name.left(64)),
            qUtf8Printable(m_client->channelId()));
        return;
    }
    m_controller->setKBMapProfile(path);
}

void PVDevice::applyKeyMappingSettings()
{
    QPivoraApplication* app = application();
    if (!app || !app->settings())
        return;
    const QVariant stored = app->settings()->value(QLatin1String(kKeyMappingGroup));
    if (stored.isValid() && stored.type() != QVariant::Map)
        qWarning("Settings: \"KBMapping\" is not a map; key-mapping defaults are used");
    const QVariantMap group = stored.toMap();

    bool ok = false;
    int sensitivity = group.value(QLatin1String(kMouseSensitivityKey), kDefaultMouseSensitivity).toInt(&ok);
    if (!ok) {
        qWarning("Settings: \"mouseSensitivity\" is not a number; the default is used");
        sensitivity = kDefaultMouseSensitivity;
    }
    m_controller->onMouseSensitivityChanged(sensitivity);

    const QString defaultName = QString::fromLatin1(QMetaEnum::fromType<Qt::MouseButtons>().valueToKey(kDefaultShootingShortcut));
    const QString name = group.value(QLatin1String(kShootingShortcutKey), defaultName).toString();
    int shortcut = kDefaultShootingShortcut;
    if (!shortcutFromName(name, &shortcut)) {
        qWarning("Settings: \"shootingModeShortcut\" names no mouse button or key; the default is used");
        shortcut = kDefaultShootingShortcut;
    }
    m_controller->onShootingModeShortcutChanged(shortcut);
}

void PVDevice::connectController()
{
    Controller* controller = m_controller.data();
    connect(this, &PVDevice::mouseEvent, controller, &Controller::onMouseEvent);
    connect(this, &PVDevice::keyEvent, controller, &Controller::onKeyEvent);
    connect(this, &PVDevice::wheelEvent, controller, &Controller::onWheelEvent);
    connect(this, &PVDevice::postAppSwitch, controller, &Controller::onPostAppSwitch);
    connect(this, &PVDevice::postCapture, controller, &Controller::onPostCapture);
    connect(this, &PVDevice::postPower, controller, &Controller::onPostPower);
    connect(this, &PVDevice::postNotify, controller, &Controller::onPostNotify);
    connect(this, &PVDevice::postGoHome, controller, &Controller::onPostGoHome);
    connect(this, &PVDevice::postGoBack, controller, &Controller::onPostGoBack);
    connect(this, &PVDevice::postKBMapper, controller, &Controller::onPostKBMapper);
}

void PVDevice::setupRecording()
{
    m_recording = new DeviceRecording(this);
    if (QPivoraApplication* app = application())
        m_recording->setSettings(app->settings());
    DeviceRecording::Hooks hooks;
    hooks.videoParameters = [this](AVCodecParameters* out) { return copyVideoParameters(out); };
    if (m_client && m_client->deviceKind() == kKeyFrameOnRequestKind)
        hooks.requestKeyFrame = [this] { requestKeyFrame(); };
    hooks.showAlert = [this](const QString& title, const QString& text) {
        QEAlertDialog::run(m_widget.data(), title, text, QEAlertDialog::ModeAccept);
    };
    hooks.showToast = [this](const QString& text) {
        if (m_widget)
            QEToast::showText(m_widget.data(), text);
    };
    m_recording->setHooks(std::move(hooks));
}

bool PVDevice::copyVideoParameters(AVCodecParameters* out) const
{
    // The engine thread may be replacing the parameters right now (a new configuration).
    return m_client && m_client->copyVideoParameters(out);
}

void PVDevice::requestKeyFrame() const
{
    if (!m_client)
        return;
    if (CAirPlayEx* engine = m_client->airplayService()->engine())
        engine->RequestKeyFrame(static_cast<void*>(m_client.data()));
}

PVDevice::~PVDevice()
{
    // Calls still queued for this object carry packets that are ours to free.
    m_closing = true;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    m_recording->stopRecord(true);
    teardownVideo();
    disconnect(this, nullptr, this, nullptr);
    // Before the window, which it points at.
    delete m_controller.data();
    delete m_widget.data();
    // Exactly the device this session bound: another phone may have the same name.
    QPivoraApplication* app = application();
    if (m_btDevice && app && app->bluetoothService())
        app->bluetoothService()->releaseDevice(m_btDevice);
    m_btDevice = nullptr;
    m_client.clear();
}

QPVAirPlayClient* PVDevice::client() const
{
    return m_client.data();
}

Controller* PVDevice::controller() const
{
    return m_controller.data();
}

QPVDeviceWidget* PVDevice::deviceWidget() const
{
    return m_widget.data();
}

bool PVDevice::acceptsInput() const
{
    return m_controller && m_controller->isActive();
}

QString PVDevice::phoneName() const
{
    return m_client ? m_client->phoneName() : QString();
}

bool PVDevice::isRecording() const
{
    return m_recording->isRecording();
}

int PVDevice::recordingSeconds() const
{
    return m_recording->recordingSeconds();
}

bool PVDevice::startRecord(qint64 startPts)
{
    return m_recording->startRecord(startPts);
}

void PVDevice::stopRecord(bool forgetName)
{
    m_recording->stopRecord(forgetName);
}

void PVDevice::reportRecordError(int code)
{
    m_recording->reportRecordError(code);
}

void PVDevice::screenshot()
{
    if (!m_videoBuffer || !m_widget)
        return;
    AVFramePtr frame;
    m_videoBuffer->lock();
    if (const AVFrame* shown = m_videoBuffer->peekFrame())
        frame.reset(av_frame_clone(shown));
    m_videoBuffer->unlock();
    const QRenderWidget* render = m_widget->renderWidget();
    m_recording->screenshot(frame.get(), render->cropRect(), render->rotation());
}

void PVDevice::showFPS(bool on)
{
    m_showFps = on;
    if (!m_widget)
        return;
    if (on) {
        connectFpsCounter();
        return;
    }
    if (m_videoBuffer)
        disconnect(&m_videoBuffer->fpsCounter(), &FpsCounter::updateFPS, m_widget.data(), &QPVDeviceWidget::updateFps);
    m_widget->updateFps(-1);
}

void PVDevice::connectFpsCounter()
{
    if (!m_showFps || !m_videoBuffer || !m_widget)
        return;
    connect(&m_videoBuffer->fpsCounter(), &FpsCounter::updateFPS, m_widget.data(), &QPVDeviceWidget::updateFps,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

// --- Video

void PVDevice::onMirroringPlay(QSize, int64_t)
{
    if (!m_closing)
        setupVideo();
}

void PVDevice::setupVideo()
{
    // A play without a stop in between starts over rather than leaking the running stream.
    teardownVideo();

    int hwDecoder = 1;
    if (QPivoraApplication* app = application())
        hwDecoder = PVSettings::optionInt(*app->settings(), "videoaudio", "hwDecoder", 1);

    m_videoBuffer = new VideoBuffer;
    if (!m_videoBuffer->initialize())
        qCritical("Video buffer of %s could not be set up", m_client ? qPrintable(m_client->channelId()) : "?");
    m_stream = new Stream;
    m_decoder = new Decoder(m_videoBuffer, m_stream.data());
    m_decoder->setHardwareDecoding(hwDecoder);
    m_stream->setDecoder(m_decoder.data());
    // Packets are enqueued on this thread, so the request comes from here too.
    m_stream->setKeyFrameRequest([this] { requestKeyFrame(); });
    m_stream->startDecoding();
    connect(m_decoder.data(), &Decoder::onNewFrame, this, &PVDevice::onVideoFrame, Qt::QueuedConnection);
    // A read-out switched on for an earlier stream counts this one.
    connectFpsCounter();
}

void PVDevice::onMirroringStop()
{
    teardownVideo();
}

void PVDevice::teardownVideo()
{
    if (m_stream) {
        m_stream->stopDecoding();
        delete m_stream.data();  // the decoder is its child
        m_stream.clear();
        m_decoder.clear();
    }
    if (m_videoBuffer) {
        m_videoBuffer->release();
        delete m_videoBuffer;
        m_videoBuffer = nullptr;
        // Nothing plays now; the read-out must not keep the last stream's rate.
        if (m_showFps && m_widget && !m_closing)
            m_widget->updateFps(0);
    }
}

void PVDevice::onMediaPacket(int mediaType, AVPacket* packet, AVPacket* rawPacket)
{
    // Both packets are ours, whatever happens below.
    AVPacketPtr converted(packet);
    AVPacketPtr raw(rawPacket);
    if (mediaType != kVideoMedia || m_closing)
        return;
    if (converted && m_stream)
        m_stream->enqueue(converted.get());
    // The recording takes its own clone, and splits its file when due.
    m_recording->handleVideoPacket(raw.get());
    // Phone sound goes to the mixer from the client; audio packets (type 1) end here.
}

void PVDevice::onVideoFrame()
{
    if (m_closing || !m_widget || !m_videoBuffer)
        return;
    AVFramePtr frame;
    m_videoBuffer->lock();
    const AVFrame* display = m_videoBuffer->takeFrame();
    if (display && display->width > 0 && display->height > 0)
        frame.reset(av_frame_clone(display));
    m_videoBuffer->unlock();
    if (!frame)
        return;

    // A window of the multi-device center that is on no page stays hidden.
    const bool waitsInCenter = m_widget->mode() == kCenterMode && !m_widget->parentWidget();
    if (m_firstFrame && !waitsInCenter)
        m_widget->show();
    m_widget->showFrame(frame.get());
    if (m_firstFrame) {
        placeFirstFrame();
        emit setupBtDevice();
        m_firstFrame = false;
        if (!isHardwareFrame(frame.get()))
            showHardwareDecodingTip();
    }
}

void PVDevice::placeFirstFrame()
{
    if (m_client)
        m_widget->setPhoneRotation(m_client->rotation());
    if (m_widget->mode() == kStandaloneMode) {
        int n = -1;
        if (m_client)
            n = m_client->airplayService()->indexOfClient(m_client.data());
        m_widget->move(kFirstWindowX + kWindowStepX * n, kWindowY);
    } else if (m_widget->mode() == kCenterMode && !m_widget->parentWidget()) {
        m_widget->hide();
    }
}

bool PVDevice::isHardwareFrame(const AVFrame* frame)
{
    // Hardware pictures reach us downloaded to NV12; software decoding gives planar YUV.
    return frame->hw_frames_ctx || frame->format == AV_PIX_FMT_NV12;
}

void PVDevice::showHardwareDecodingTip()
{
    QEAlertDialog* alert = QEAlertDialog::create(
        m_widget.data(), tr("Tips"),
        tr("Your computer's graphics card setting does not support hardware decoding. To maximise your "
           "experience, please visit our official website and set up your system as instructed!"),
        QEAlertDialog::ModeAccept);
    alert->setAcceptText(tr("Visit Now"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setModal(false);
    connect(alert, &QDialog::accepted, alert, [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kGraphicsHelpUrl))); });
    alert->show();
}

void PVDevice::onMirroringSizeChanged(QSize, int64_t timestamp)
{
    if (!m_closing)
        m_recording->handleSizeChanged(timestamp);
}

void PVDevice::onMirroringRotated(int, int dir)
{
    if (m_widget)
        m_widget->setPhoneRotation(dir);
}

void PVDevice::onDeviceInfoChanged()
{
    lookUpModelRow();
    if (m_widget)
        m_widget->refreshTitles();
}

void PVDevice::lookUpModelRow()
{
    if (m_btDeviceRecord || !m_client)
        return;
    m_btDeviceRecord = SCDeviceModelInfo::find(m_client->modelId().toStdString());
    if (!m_client->modelId().isEmpty())
        noteUnknownModel();
}

void PVDevice::noteUnknownModel()
{
    if (!m_client || m_btDeviceRecord || m_unknownModelNoted || !isIosKind(m_client->deviceKind()))
        return;
    m_unknownModelNoted = true;
    qWarning("Phone model \"%s\" of channel %s is not in the model table; touches cannot be placed on it",
        qPrintable(m_client->modelId()), qPrintable(m_client->channelId()));
}

void PVDevice::onVolumeMuteChanged(bool isMuted)
{
    m_muted.store(isMuted);
    // The control bar follows volumeMuteChanged itself to redraw its volume button.
}

// --- Bluetooth

void PVDevice::onSetupBtDevice()
{
    if (!m_closing)
        bindBluetooth();
}

void PVDevice::bindBluetooth()
{
    if (!m_controller || !m_widget || !m_client || m_btBound)
        return;
    const uint32_t kind = m_client->deviceKind();
    QPivoraApplication* app = application();
    if (!app || !app->canControl(kind) || kind == kNoControlKind) {
        m_btBound = true;
        return;
    }
    if (kind == kAndroidKind) {
        m_controller->setDeviceWindow(m_widget.data());
        m_controller->setBluetoothReady(true);
        m_btBound = true;
        logControl(true);
        return;
    }
    SCBluetoothService* service = app->bluetoothService();
    if (!service) {
        m_btBound = true;
        return;
    }
    m_btBindingRan = true;
    m_widget->showBluetoothGuide();
    const std::string name = phoneName().toStdString();
    // A device of this name that no other session holds (phones often share names).
    ISCBluetoothDevice* device = service->findFreeByName(name, this);
    if (device && device->isConnected() && service->claim(device, this)) {
        bluetoothDeviceConnectionChanged(device, true);
        return;
    }
    // The library reports the phone once it links; the answer comes back as a link change.
    // It keeps the name for good, so once is enough.
    if (!m_phoneInfoSent) {
        m_phoneInfoSent = true;
        service->setPhoneInfo(name, m_client->channelId().toStdString());
    }
}

void PVDevice::onDestroyBtDevice()
{
    // Several reports of one drop come as several calls; the link may also be up again by the
    // time a queued call arrives.
    if (!m_closing && m_btBound && !(m_btDevice && m_btDevice->isConnected()))
        unbindBluetooth();
}

void PVDevice::unbindBluetooth()
{
    if (m_closing)
        return;
    // The controller lets go of the device before the device is released.
    m_btBound = false;
    if (m_controller) {
        m_controller->setBluetoothReady(false);
        m_controller->setBluetoothDevice(nullptr, nullptr, 0);
        m_controller->setDeviceWindow(nullptr);
    }
    logControl(false);
    ISCBluetoothDevice* device = m_btDevice;
    m_btDevice = nullptr;
    QPivoraApplication* app = application();
    if (device && app && app->bluetoothService())
        app->bluetoothService()->releaseDevice(device);
    emit deviceInfoChanged();
}

void PVDevice::bluetoothDeviceDisconnect(ISCBluetoothDevice* device, int flag)
{
    // A zero flag is handed back to the device by the Bluetooth bridge; a device this session
    // does not hold is none of its business.
    if (flag == 0 || !device || device != m_btDevice)
        return;
    // The service frees the device right after this.
    m_btDevice = nullptr;
    unbindBluetooth();
}

void PVDevice::bluetoothDeviceConnectionChanged(ISCBluetoothDevice* device, bool connected)
{
    if (!connected) {
        unbindBluetooth();
        return;
    }
    if (m_closing || !device || !m_controller)
        return;
    QPivoraApplication* app = application();
    SCBluetoothService* service = app ? app->bluetoothService() : nullptr;
    if (service && !service->claim(device, this)) {
        qWarning("Bluetooth device %s is bound to another phone", device->address().c_str());
        return;
    }
    m_btDevice = device;
    m_btBound = true;
    // The model row may not have been looked up yet when the link comes up first.
    lookUpModelRow();
    noteUnknownModel();
    m_controller->setBluetoothDevice(device, m_btDeviceRecord, m_client ? m_client->versionNumber() : 0);
    m_controller->setDeviceWindow(m_widget.data());
    m_controller->setBluetoothReady(true);
    logControl(true);
    if (m_widget && m_widget->isActiveWindow() && service)
        service->setSubscribedClient(phoneName().toStdString());
    emit deviceInfoChanged();
}

bool PVDevice::isAwaitingBluetoothLink() const
{
    return !m_closing && m_btBindingRan && !m_btBound && m_client && isIosKind(m_client->deviceKind());
}

void PVDevice::logControl(bool on) const
{
    qInfo("Phone control %s: channel %s", on ? "on" : "off",
        m_client ? qPrintable(m_client->channelId()) : "(gone)");
}

void PVDevice::subscribeBluetoothClient()
{
    if (!m_btBound || !acceptsInput())
        return;
    QPivoraApplication* app = application();
    if (app && app->bluetoothService())
        app->bluetoothService()->setSubscribedClient(phoneName().toStdString());
}
