#include "app/QPivoraApplication.h"

#include "account/PVUserContext.h"
#include "account/QPVApiService.h"
#include "app/PVDebug.h"
#include "app/PVLastUser.h"
#include "app/PVProcessList.h"
#include "app/PVSettings.h"
#include "app/PVSignalWatcher.h"
#include "app/PVVersion.h"
#include "bluetooth/ISCBluetoothDevice.h"
#include "bluetooth/SCBluetoothService.h"
#include "media/PVDevice.h"
#include "media/pvoaudio.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QEAlertDialog.h"
#include "ui/QELabel.h"
#include "ui/QMainDialog.h"
#include "ui/QSignDialog.h"
#include "ui/QUserPanel.h"
#include "ui/QPVAccessPrompt.h"
#include "ui/QMDControlCenter.h"
#include "usbdriver/CWDIDlg.h"
#include "usbdriver/CWDIJob.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QIcon>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSettings>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

namespace {

const char kSingleInstanceKey[] = "PIVORA_BY_ORVANE";
constexpr int kMicrophoneTestMs = 20000;
constexpr int kApiSuccess = 10000;
constexpr int kDriverJobWaitMs = 60000;

// Languages that have a translation file named after their code.
const QStringList kPlainLanguageCodes = {
    "de", "es", "fr", "id", "it", "ja", "pt", "ko", "ru", "th", "ar", "vi", "fil",
};

} // namespace

QPivoraApplication::QPivoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(lang);
    Q_INIT_RESOURCE(guideart);
    setWindowIcon(QIcon(QStringLiteral(":/asset/pivora.svg")));
    setApplicationVersion(QStringLiteral(PIVORA_VERSION));
    // The Bluetooth link report crosses threads with this argument type.
    qRegisterMetaType<uint64_t>("uint64_t");

    m_micTestTimer.setInterval(kMicrophoneTestMs);
    connect(this, &QPivoraApplication::didOptionsChanged, this, &QPivoraApplication::appOptionsDidChange);
    connect(this, &QGuiApplication::applicationStateChanged, this, &QPivoraApplication::applicationStateDidChange);
    connect(&m_micTestTimer, &QTimer::timeout, this, &QPivoraApplication::endMicrophoneTest);

    m_dataDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(m_dataDir);

    PVDebug::instance()->setLogRoot(m_dataDir);
    PVDebug::instance()->install();

    m_settings = PVSettings::loadSettings(m_dataDir, this);
    applyLanguage(settingsLanguage());

    m_network.reset(new QNetworkAccessManager);
    m_apiService = new QPVApiService(m_network);
    m_apiService->setLanguage(apiLanguage());
    QELabel::setNetworkAccessManager(m_network.data());

    m_signalWatcher = new PVSignalWatcher(this);
    connect(m_signalWatcher, &PVSignalWatcher::terminationRequested, this, [this](int signalNumber) {
        qInfo("Termination signal %d received, quitting", signalNumber);
        quit();
    });
}

QPivoraApplication::~QPivoraApplication()
{
    // Without a normal end of run (an embedding test, an early exit) the windows are still open.
    if (m_state != State::TornDown) {
        closeWindows();
        tearDown();
    }
    delete m_userContext;
    m_userContext = nullptr;
    PVDebug::uninstall();
}

QStringList QPivoraApplication::conflictingPrograms()
{
    return {"WormholeService.exe", "Wormhole.exe", "i4Tools.exe"};
}

bool QPivoraApplication::run()
{
    if (refuseConflictingProgram())
        return false;

    QSharedMemory instanceLock(QString::fromLatin1(kSingleInstanceKey));
    if (instanceLock.attach(QSharedMemory::ReadWrite)) {
        // A segment whose creator is gone only survives on Unix; once we detach, the system
        // frees it and the next start can create its own.
        instanceLock.detach();
        if (instanceLock.create(1, QSharedMemory::ReadWrite)) {
            qWarning("Removed the single-instance lock left behind by an ended instance");
        } else {
            qInfo("Another instance is running");
            showAlert(tr("Alert"), tr("Application is running..."));
            return false;
        }
    } else if (!instanceLock.create(1, QSharedMemory::ReadWrite)) {
        qWarning("Single-instance lock could not be created: %s", qPrintable(instanceLock.errorString()));
        return false;
    }

    launch();
    return true;
}

bool QPivoraApplication::refuseConflictingProgram()
{
    const QString running =
        PVProcessList::findRunning(conflictingPrograms(), PVProcessList::runningProcessNames());
    if (running.isEmpty())
        return false;
    qWarning("Conflicting program running: %s", qPrintable(running));
    showAlert(tr("Alert"),
              tr("Please close the following application/process before launch Pivora.") + "\r\n" + running);
    return true;
}

void QPivoraApplication::launch()
{
    checkVersion();
    m_state = State::EventLoop;
    exec();
    closeWindows();
    tearDown();
}

int QPivoraApplication::showAlert(const QString& title, const QString& detail, int mode, QWidget* parent)
{
    qInfo("Alert: %s: %s", qPrintable(title), qPrintable(detail));
    QEAlertDialog* alert = QEAlertDialog::create(parent ? parent : alertParent(), title, detail, mode);
    const int result = alert->exec();
    delete alert;
    return result;
}

void QPivoraApplication::checkVersion()
{
    m_apiService->checkVersion(apiLanguage(), this, "didApiCheckVersion");
}

void QPivoraApplication::didApiCheckVersion(int result, QJsonObject* resObject)
{
    if (result != kApiSuccess || !resObject) {
        qWarning("Version check failed with result %d", result);
        showAlert(tr("Alert"), tr("Please check network and restart app."));
        // Nothing else is open, so closing the alert ends the program.
        if (!m_mainWindow && m_state != State::ServicesRunning)
            quit();
        return;
    }

    const QJsonObject data = resObject->value("data").toObject();
    const QString serverVersion = data.value("version").toString();
    const bool newer = PVVersion::isNewer(serverVersion, applicationVersion());
    const int forceUpdate = data.value("force_upgrade").toInt(0);
    qInfo("Version check: server %s, own %s, newer %d, forced %d", qPrintable(serverVersion),
          qPrintable(applicationVersion()), newer, forceUpdate);
    emit didCheckNewVersion(newer, forceUpdate);

    if (newer && (forceUpdate != 0 || m_mainWindow))
        offerUpdate(data, serverVersion, forceUpdate);

    if (forceUpdate != 0) {
        quit();
        return;
    }
    startServices();
}

void QPivoraApplication::offerUpdate(const QJsonObject& data, const QString& serverVersion, int forceUpdate)
{
    const QString address = updateAddress(data.value("url").toString(), QSysInfo::productType());

    QString detail;
    if (forceUpdate != 0)
        detail = tr("To continue using this program you must apply to the latest update.") + "\n\n";
    detail += data.value("description").toString();

    QEAlertDialog* alert = QEAlertDialog::create(alertParent(),
                                                 tr("New Version") + "\n" + serverVersion, detail, 1);
    alert->setAcceptText(tr("Update"));
    alert->setDetailAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    qInfo("Offering update to %s", qPrintable(serverVersion));
    if (alert->exec() == QDialog::Accepted)
        QDesktopServices::openUrl(QUrl(address));
    delete alert;
}

QString QPivoraApplication::updateAddress(const QString& url, const QString& productType)
{
    const bool mac = productType == QLatin1String("macos") || productType == QLatin1String("osx");
    // Elsewhere the service's address is the download page itself; an installer name built
    // from it would not exist.
    if (!mac && productType != QLatin1String("windows"))
        return url;
    QString address = url;
    const int dot = address.lastIndexOf('.');
    if (dot >= 0)
        address.truncate(dot);
    address += QStringLiteral("-x64");
    address += mac ? QStringLiteral(".dmg") : QStringLiteral(".exe");
    return address;
}

void QPivoraApplication::startServices()
{
    // A later version check (from the options) must not start anything twice.
    if (m_mainWindow || m_state == State::ServicesRunning)
        return;

    startBluetoothService();
    initAudioMixer();
    applyMicrophoneSettings();

    m_airplayOptions = SCAirPlayServiceOptions();
    updateAirPlayServiceOptions(m_airplayOptions);
    const bool started = startAirPlayService(receiverName());
    connectAirPlayService();
    createDriverWindow();
    createMainWindow();

    m_state = State::ServicesRunning;
    qInfo("Services started, receiver \"%s\"", qPrintable(receiverName()));
    if (!started)
        showAlert(tr("Alert"), tr("Please check network and restart app."), 0);
}

// --- Service seams. Each step of the start owns one method; the services that later parts of
// the program provide are created here and nowhere else.

void QPivoraApplication::startBluetoothService()
{
    // The service always exists here; whether phones can be controlled is its support answer.
    m_btService = new SCBluetoothService();
    m_btService->setDelegate(this);
    m_btService->setSupportHandler([this](bool supported) { onBluetoothSupportAnswered(supported); });
    connect(this, &QPivoraApplication::didBLEDeviceConnectStatusChanged, this,
        &QPivoraApplication::onBLEDeviceConnectStatusChanged, Qt::QueuedConnection);
}

void QPivoraApplication::onBLEDeviceConnectStatusChanged(const QString& name, uint64_t address, bool isConnected)
{
    if (m_btService)
        m_btService->updateDevice(name.toUtf8().toStdString(), address, isConnected);
}

void QPivoraApplication::onBluetoothSupportAnswered(bool supported)
{
    // The receiver's HID options depend on the answer.
    if (m_state == State::ServicesRunning) {
        updateAirPlayServiceOptions(m_airplayOptions);
        if (m_airplayService)
            m_airplayService->applyOptions(&m_airplayOptions);
    }
    emit didBluetoothSupportChanged(supported);
}

void QPivoraApplication::initAudioMixer()
{
    pvoAudioSetLogCallback([](const char* line) { qInfo("%s", line); });
    if (pvoAudioInit() != 0)
        qWarning("Audio mixer could not start; phones will be silent");
}

bool QPivoraApplication::startAirPlayService(const QString& name)
{
    if (!m_airplayService)
        m_airplayService = new QPVAirPlayService;
    // Before the first phone can come.
    applyReceiverAccess();
    return m_airplayService->start(name.toUtf8().constData(), &m_airplayOptions);
}

void QPivoraApplication::applyReceiverAccess()
{
    if (!m_airplayService)
        return;
    const QString text = PVSettings::optionString(*m_settings, "general", "receiverAccess");
    bool known = false;
    const SCReceiverAccess::Mode mode = SCReceiverAccess::modeFromText(text.toStdString(), &known);
    if (!known)
        qWarning("Setting \"receiverAccess\" has the unknown value \"%s\"; using \"open\"", qUtf8Printable(text));
    QStringList allowed;
    const QVariantList phones = PVSettings::optionValue(*m_settings, "general", "allowedPhones", QVariantList()).toList();
    for (const QVariant& phone : phones)
        allowed << phone.toMap().value("id").toString();
    m_airplayService->setRememberedPhones(allowed);
    m_airplayService->setAccessMode(mode);
}

void QPivoraApplication::rememberAllowedPhone(const QString& channelId, const QString& phoneName)
{
    QVariantList phones = PVSettings::optionValue(*m_settings, "general", "allowedPhones", QVariantList()).toList();
    for (const QVariant& phone : phones) {
        if (phone.toMap().value("id").toString() == channelId)
            return;
    }
    phones << QVariantMap{{"id", channelId}, {"name", phoneName}};
    PVSettings::setOption(*m_settings, "general", "allowedPhones", phones);
    m_settings->sync();
}

void QPivoraApplication::airplayServiceDidAskAccess(const QString& phoneName, const QString& channelId,
                                                    const QString& address, int* answer)
{
    // A question that reaches this thread while the receiver stops is not put to the user.
    if (!m_airplayService || m_airplayService->access().isClosed()) {
        *answer = int(SCReceiverAccess::Answer::Deny);
        return;
    }
    if (!m_accessPrompt)
        m_accessPrompt = new QPVAccessPrompt(this);
    qInfo("Receiver access: asking whether \"%s\" (%s) may mirror", qUtf8Printable(phoneName),
          qUtf8Printable(address));
    const SCReceiverAccess::Answer choice = m_accessPrompt->ask(alertParent(), phoneName);
    if (choice == SCReceiverAccess::Answer::AlwaysAllow)
        rememberAllowedPhone(channelId, phoneName);
    *answer = int(choice);
}

QString QPivoraApplication::receiverAccessCode() const
{
    return m_airplayService ? m_airplayService->accessCode() : QString();
}

void QPivoraApplication::connectAirPlayService()
{
    // New channel, mirroring play and mirroring stop hold the engine thread until handled here.
    QPVAirPlayService* s = m_airplayService;
    connect(s, &QPVAirPlayService::didFindNewChannel, this, &QPivoraApplication::airplayServiceDidFindNewChannel,
            Qt::BlockingQueuedConnection);
    connect(s, &QPVAirPlayService::didStopChannel, this, &QPivoraApplication::airplayServiceDidStopChannel,
            Qt::QueuedConnection);
    connect(s, &QPVAirPlayService::didAirPlayMirroringPlay, this,
            &QPivoraApplication::airplayServiceDidAirPlayMirroringPlay, Qt::BlockingQueuedConnection);
    connect(s, &QPVAirPlayService::didAirPlayMirroringStop, this,
            &QPivoraApplication::airplayServiceDidAirPlayMirroringStop, Qt::BlockingQueuedConnection);
    connect(s, &QPVAirPlayService::didAirPlayMirroringFrameSizeChanged, this,
            &QPivoraApplication::airplayServiceDidAirPlayMirroringFrameSizeChanged, Qt::QueuedConnection);
    connect(s, &QPVAirPlayService::didAirPlayMirroringRotated, this,
            &QPivoraApplication::airplayServiceDidAirPlayMirroringRotated, Qt::QueuedConnection);
    // The phone's connection waits while the user decides.
    connect(s, &QPVAirPlayService::didAskAccess, this, &QPivoraApplication::airplayServiceDidAskAccess,
            Qt::BlockingQueuedConnection);
    connect(s, &QPVAirPlayService::didAccessCodeChanged, this, &QPivoraApplication::didReceiverAccessCodeChanged,
            Qt::QueuedConnection);
}

void QPivoraApplication::createDriverWindow()
{
    // Hidden for the whole run; it centres itself and starts watching USB devices.
    m_driverWindow = new CWDIDlg();
}

QWidget* QPivoraApplication::alertParent() const
{
    // Alerts belong to the main window once it exists.
    return m_mainWindow;
}

void QPivoraApplication::createMainWindow()
{
    m_mainWindow = new QMainDialog();
    m_mainWindow->showNormal();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

// --- Options

QString QPivoraApplication::receiverName() const
{
    return tr("Pivora") + "-(" + QHostInfo::localHostName() + ")";
}

bool QPivoraApplication::canControl(uint32_t kind) const
{
    switch (kind) {
    case 1:
    case 2:
        return m_btService && m_airplayOptions.controlHID;
    case 3:
        return m_airplayOptions.androidWiredHID;
    default:
        return false;
    }
}

void QPivoraApplication::updateAirPlayServiceOptions(SCAirPlayServiceOptions& o)
{
    using namespace PVSettings;
    const QSettings& st = *m_settings;
    // Without a Bluetooth service there is nothing to ask; with one, it must support HID.
    const bool hidSupported = !m_btService || m_btService->isSupported();
    const bool hid = optionBool(st, "iosDevice", "enableHID") && hidSupported;
    o.enableHID = hid;
    o.controlHID = hid;
    o.iosWiredResolution = optionInt(st, "iosDevice", "wiredResolution");
    o.iosWiredFps = optionInt(st, "iosDevice", "wiredFps");
    o.iosWirelessResolution = optionInt(st, "iosDevice", "wirelessResolution");
    o.iosWirelessFps = optionInt(st, "iosDevice", "wirelessFps");

    o.androidSystemVersion = optionInt(st, "androidDevice", "systemversion");
    o.androidWiredHID = optionBool(st, "androidDevice", "wiredHID");
    o.androidWiredResolution = optionInt(st, "androidDevice", "wiredResolution");
    o.androidWiredFps = optionInt(st, "androidDevice", "wiredFps");
    o.androidWiredBitrate = optionInt(st, "androidDevice", "wiredBitrate");
    o.androidWiredMic = optionBool(st, "androidDevice", "wiredMic");
    o.androidWirelessResolution = optionInt(st, "androidDevice", "wirelessResolution");
    o.androidWirelessFps = optionInt(st, "androidDevice", "wirelessFps");
    o.androidWirelessBitrate = optionInt(st, "androidDevice", "wirelessBitrate");
    o.androidWirelessMic = optionBool(st, "androidDevice", "wirelessMic");
}

void QPivoraApplication::appOptionsDidChange()
{
    applyLanguage(settingsLanguage());
    m_apiService->setLanguage(apiLanguage());

    applyMicrophoneSettings();

    updateAirPlayServiceOptions(m_airplayOptions);
    if (m_airplayService) {
        m_airplayService->applyOptions(&m_airplayOptions);
        // The name follows the language.
        m_airplayService->setName(receiverName().toUtf8().constData());
        applyReceiverAccess();
    }

    if (PVSettings::optionBool(*m_settings, "record", "audioInputTest"))
        m_micTestTimer.start(kMicrophoneTestMs);
    else
        m_micTestTimer.stop();
}

QString QPivoraApplication::settingsLanguage() const
{
    return PVSettings::optionString(*m_settings, "general", "lang", "en-us");
}

QString QPivoraApplication::apiLanguage() const
{
    return isSimplifiedChinese() ? QStringLiteral("zh-cn") : QStringLiteral("en-us");
}

// --- Language

QString QPivoraApplication::translationFile(const QString& code, QString* appliedCode)
{
    QString applied = code;
    QString file;
    if (code == QLatin1String("zh-cn"))
        file = QStringLiteral("zh-hans.qm");
    else if (code == QLatin1String("zh-hant"))
        file = QStringLiteral("zh-hant.qm");
    else if (kPlainLanguageCodes.contains(code))
        file = code + QStringLiteral(".qm");
    else {
        applied = QStringLiteral("en-us");
        file = QStringLiteral("en-us.qm");
    }
    if (appliedCode)
        *appliedCode = applied;
    return file;
}

// Qt turns the layout right to left when the installed translation says so (Arabic); the entry
// is listed here so every .ts carries it.
[[maybe_unused]] static const char* const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

void QPivoraApplication::applyLanguage(const QString& code)
{
    if (code == m_language)
        return;
    QString applied;
    const QString file = translationFile(code, &applied);
    m_language = applied;

    QString styleSheet = QStringLiteral("*{font-family:'Segoe UI';font-size:14px;}");
    QFile skin(QStringLiteral(":/skin/appskin.css"));
    if (skin.open(QIODevice::ReadOnly))
        styleSheet += QString::fromUtf8(skin.readAll());
    setStyleSheet(styleSheet);

    removeTranslator(&m_translator);
    if (!m_translator.load(file, QStringLiteral(":/lang/")))
        qWarning("Translation %s could not be loaded", qPrintable(file));
    installTranslator(&m_translator);
}

// --- Microphone

void QPivoraApplication::applyMicrophoneSettings()
{
    const QString output = PVSettings::optionString(*m_settings, "record", "audioOutput");
    const QString input = PVSettings::optionString(*m_settings, "record", "audioInput");
    const bool used = !input.isEmpty() && output == QLatin1String("deviceWithAudioCapture");
    setMicrophoneSource(used, input);
}

void QPivoraApplication::setMicrophoneSource(bool used, const QString& device)
{
    if (!used) {
        if (m_micSource)
            pvoAudioRemoveMicSource(m_micSource);
        m_micSource = nullptr;
        return;
    }
    const QByteArray name = device.toUtf8();
    const char* deviceName = name.isEmpty() ? nullptr : name.constData();
    if (m_micSource)
        pvoAudioUpdateMicSource(m_micSource, deviceName);
    else
        m_micSource = pvoAudioAddMicSource(false, deviceName);
    if (m_micSource)
        pvoAudioTestMicSource(m_micSource, PVSettings::optionBool(*m_settings, "record", "audioInputTest"));
}

void QPivoraApplication::endMicrophoneTest()
{
    m_micTestTimer.stop();
    PVSettings::setOption(*m_settings, "record", "audioInputTest", false);
    m_settings->sync();
    if (m_micSource)
        pvoAudioTestMicSource(m_micSource, false);
}

// --- User

void QPivoraApplication::setUserContext(PVUserContext* context)
{
    if (context != m_userContext)
        delete m_userContext;
    m_userContext = context;
    if (m_userContext) {
        if (m_settings->value("autoLogin", false).toBool())
            m_settings->setValue("lastUser", PVLastUser::toSetting(m_userContext->loginKey()));
        else
            m_settings->remove("lastUser");
        // On disk at once: the next start must find what this sign-in decided.
        m_settings->sync();
    }
    emit didUserStatusChanged();
}

void QPivoraApplication::signOut()
{
    delete m_userContext;
    m_userContext = nullptr;
    m_settings->remove("lastUser");
    m_settings->sync();
    emit didUserStatusChanged();
}

void QPivoraApplication::uninstallDrivers()
{
    if (!m_driverWindow)
        return;
    if (m_driverJob && !m_driverJob->wait(kDriverJobWaitMs))
        qWarning("Previous driver uninstall still running");
    m_driverJob = m_driverWindow->startUninstall();
    if (!m_driverJob)
        qInfo("Driver uninstall not started: the driver window is busy");
}

// --- Home screen entry points

void QPivoraApplication::showSignIn(QWidget* anchor)
{
    if (m_userContext) {
        QUserPanel::popup(anchor);
        return;
    }
    qInfo("Sign-in dialog opened");
    // The dialog's nested loop may outlive its parent window.
    QPointer<QSignDialog> dialog = new QSignDialog(anchor ? anchor->window() : alertParent());
    dialog->exec();
    delete dialog.data();
}

void QPivoraApplication::showMultiDeviceCenter()
{
    QMDControlCenter* center = QMDControlCenter::instance();
    if (!center) {
        center = new QMDControlCenter(m_airplayService);
        qInfo("Multi-device center opened with %d phones", m_airplayService ? m_airplayService->channelCount() : 0);
    }
    center->showMaximized();
    center->raise();
    center->activateWindow();
}

bool QPivoraApplication::isMultiDeviceCenterOpen() const
{
    return QMDControlCenter::instance() != nullptr;
}

// --- Receiver and Bluetooth events

void QPivoraApplication::applicationStateDidChange(Qt::ApplicationState)
{
}

bool QPivoraApplication::isListedClient(QPVAirPlayClient* client) const
{
    // Channel events are queued; the channel may have ended before one is handled.
    return client && m_airplayService && m_airplayService->isListed(client);
}

void QPivoraApplication::airplayServiceDidFindNewChannel(QPVAirPlayClient* client)
{
    if (!isListedClient(client))
        return;
    qInfo("Phone connected: channel %s, kind %u", qPrintable(client->channelId()), client->deviceKind());
    client->createDeviceSession();
    if (PVDevice* session = client->deviceSession())
        emit session->volumeMuteChanged(false);
    if (QMDControlCenter* center = QMDControlCenter::instance())
        center->addDevice(client);
    // Two phones that connect together are both listed before either event is handled here, so
    // "the first phone" is the only one with a session, not the only listed channel.
    if (phonesWithSession() == 1) {
        if (m_btService)
            m_btService->start();
        if (m_mainWindow && !m_mainWindow->isMinimized() && !isMultiDeviceCenterOpen()) {
            qInfo("Home screen minimized: a phone connected");
            m_mainWindow->showMinimized();
        }
    }
}

int QPivoraApplication::phonesWithSession() const
{
    int count = 0;
    for (int i = 0; QPVAirPlayClient* client = m_airplayService->clientAt(i); ++i)
        count += client->deviceSession() ? 1 : 0;
    return count;
}

void QPivoraApplication::airplayServiceDidStopChannel(QPVAirPlayClient* client)
{
    if (!isListedClient(client))
        return;
    qInfo("Phone disconnected: channel %s", qPrintable(client->channelId()));
    if (QMDControlCenter* center = QMDControlCenter::instance())
        center->removeDevice(client);
    m_airplayService->removeClient(client);
    if (m_airplayService->channelCount() == 0) {
        if (m_btService)
            m_btService->stop();
        if (m_mainWindow && m_mainWindow->isMinimized() && !isMultiDeviceCenterOpen()) {
            qInfo("Home screen shown again: no phone is connected");
            m_mainWindow->showNormal();
        }
    }
}

void QPivoraApplication::updateCenterDevice(QPVAirPlayClient* client)
{
    QMDControlCenter* center = QMDControlCenter::instance();
    if (center && isListedClient(client))
        center->updateDevice(client);
}

void QPivoraApplication::airplayServiceDidAirPlayMirroringPlay(QPVAirPlayClient* client)
{
    updateCenterDevice(client);
    emit didUserStatusChanged();
}

void QPivoraApplication::airplayServiceDidAirPlayMirroringStop(QPVAirPlayClient* client)
{
    updateCenterDevice(client);
}

void QPivoraApplication::airplayServiceDidAirPlayMirroringFrameSizeChanged(QPVAirPlayClient* client)
{
    updateCenterDevice(client);
}

void QPivoraApplication::airplayServiceDidAirPlayMirroringRotated(QPVAirPlayClient* client, int, int)
{
    updateCenterDevice(client);
}

void QPivoraApplication::bluetoothDeviceLinked(ISCBluetoothDevice* device)
{
    // Phones often share a name: a device goes to the session that holds it, else to the first
    // session of that name still waiting for a link, which takes it at once.
    const QString name = QString::fromStdString(device->name());
    PVDevice* session = sessionHolding(device);
    if (!session) {
        session = sessionAwaitingLink(name);
        if (session)
            m_btService->claim(device, session);
        else
            session = sessionForPhone(name);
    }
    if (session)
        emit session->setupBtDevice();
    emit didUserConnectBtDevice(m_btService, device);
}

void QPivoraApplication::bluetoothDeviceUnlinked(ISCBluetoothDevice* device)
{
    if (PVDevice* session = sessionHolding(device))
        emit session->destroyBtDevice();
    emit didUserDisconnectBtDevice(m_btService, device);
}

PVDevice* QPivoraApplication::sessionForPhone(const QString& phoneName) const
{
    if (!m_airplayService)
        return nullptr;
    QPVAirPlayClient* client = m_airplayService->findClientByPhoneName(phoneName);
    return client ? client->deviceSession() : nullptr;
}

PVDevice* QPivoraApplication::sessionHolding(const ISCBluetoothDevice* device) const
{
    const ISCBluetoothDeviceDelegate* holder = m_btService ? m_btService->holderOf(device) : nullptr;
    if (!holder || !m_airplayService)
        return nullptr;
    for (int i = 0; QPVAirPlayClient* client = m_airplayService->clientAt(i); ++i) {
        PVDevice* session = client->deviceSession();
        if (session && static_cast<const ISCBluetoothDeviceDelegate*>(session) == holder)
            return session;
    }
    return nullptr;
}

PVDevice* QPivoraApplication::sessionAwaitingLink(const QString& phoneName) const
{
    if (!m_airplayService || !m_btService)
        return nullptr;
    for (int i = 0; QPVAirPlayClient* client = m_airplayService->clientAt(i); ++i) {
        PVDevice* session = client->deviceSession();
        if (session && client->phoneName() == phoneName && session->isAwaitingBluetoothLink()
            && !m_btService->deviceHeldBy(session))
            return session;
    }
    return nullptr;
}

// --- Shut-down

void QPivoraApplication::closeWindows()
{
    if (m_mainWindow) {
        m_mainWindow->closeForShutdown();
        // Its destruction lets every phone go.
        delete m_mainWindow;
        m_mainWindow = nullptr;
    }
    if (m_driverWindow) {
        if (m_driverJob && !m_driverJob->wait(kDriverJobWaitMs))
            qWarning("Driver uninstall did not end within %d ms", kDriverJobWaitMs);
        m_driverJob.reset();
        m_driverWindow->destroyWindow();
        delete m_driverWindow;
        m_driverWindow = nullptr;
    }
}

void QPivoraApplication::tearDown()
{
    // Mixer first, then the receiver (all channels end), then Bluetooth and the web client.
    if (m_state == State::ServicesRunning) {
        if (m_micSource)
            pvoAudioRemoveMicSource(m_micSource);
        m_micSource = nullptr;
        pvoAudioDeInit();
    }
    if (m_airplayService) {
        // Nothing may reach this object while the engine's threads are being ended.
        disconnect(m_airplayService, nullptr, this, nullptr);
        if (m_accessPrompt)
            m_accessPrompt->cancel();
        m_airplayService->stop();
        delete m_airplayService;
        m_airplayService = nullptr;
    }
    delete m_btService;
    m_btService = nullptr;
    delete m_apiService;
    m_apiService = nullptr;
    m_micTestTimer.stop();
    m_state = State::TornDown;
}
