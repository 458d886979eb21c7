#pragma once

#include "bluetooth/ISCBluetoothServiceDelegate.h"
#include "scairplay/SCAirPlayServiceOptions.h"

#include <QApplication>
#include <QJsonObject>
#include <QSharedPointer>
#include <QTimer>
#include <QTranslator>

#include <cstdint>
#include <memory>

class CWDIDlg;
class CWDIJob;
class ISCBluetoothDevice;
class PVDevice;
class PVSignalWatcher;
class PVUserContext;
class QMainDialog;
class QNetworkAccessManager;
class QPVAirPlayClient;
class QPVAirPlayService;
class QPVAccessPrompt;
class QPVApiService;
class QSettings;
class SCBluetoothService;

// The application object: owns every service and is reached by the rest of the program
// through pvApp().
class QPivoraApplication : public QApplication, public ISCBluetoothServiceDelegate {
    Q_OBJECT
public:
    enum class State { NotStarted, EventLoop, ServicesRunning, TornDown };

    QPivoraApplication(int& argc, char** argv);
    ~QPivoraApplication() override;

    // Checks, single instance, version check, event loop, tear-down. False when the program
    // did not get as far as its event loop.
    bool run();

    QSettings* settings() const { return m_settings; }
    QPVApiService* apiService() const { return m_apiService; }
    QPVAirPlayService* airplayService() const { return m_airplayService; }
    SCBluetoothService* bluetoothService() const { return m_btService; }
    PVUserContext* userContext() const { return m_userContext; }
    QMainDialog* mainWindow() const { return m_mainWindow; }
    CWDIDlg* driverWindow() const { return m_driverWindow; }
    const QString& dataDirectory() const { return m_dataDir; }
    State state() const { return m_state; }

    QString language() const { return m_language; }
    bool isSimplifiedChinese() const { return m_language == QLatin1String("zh-cn"); }
    bool canControl(uint32_t kind) const;
    QString receiverName() const;
    // The code phones must give to mirror while "receiverAccess" is "pin" (fresh each start),
    // empty in the other modes; the main window shows it and follows
    // didReceiverAccessCodeChanged.
    QString receiverAccessCode() const;
    const SCAirPlayServiceOptions& airplayOptions() const { return m_airplayOptions; }
    // Runs while a microphone test switched on in the options lasts.
    const QTimer& microphoneTestTimer() const { return m_micTestTimer; }

    void checkVersion();
    void setUserContext(PVUserContext* context);
    void signOut();
    // Removes the USB drivers of this program (the options' "Uninstall", after its own
    // confirmation). Returns at once; the job runs on the driver window's worker.
    void uninstallDrivers();
    // Entry points of the home screen's buttons. The sign-in dialog and the multi-device center
    // fill them; the main window only calls them.
    void showSignIn(QWidget* anchor);
    void showMultiDeviceCenter();
    bool isMultiDeviceCenterOpen() const;

    void bluetoothDeviceLinked(ISCBluetoothDevice* device) override;
    void bluetoothDeviceUnlinked(ISCBluetoothDevice* device) override;

    // The translation file for a language code, and the code that is actually applied
    // (unknown codes fall back to "en-us").
    static QString translationFile(const QString& code, QString* appliedCode = nullptr);
    // Where the update offer sends the user for the service's "url": the installer beside it on
    // Windows and macOS, the address itself elsewhere.
    static QString updateAddress(const QString& url, const QString& productType);
    // The programs that must not run beside this one.
    static QStringList conflictingPrograms();

signals:
    void didUserStatusChanged();
    void didUserConnectBtDevice(SCBluetoothService* btService, ISCBluetoothDevice* btDevice);
    void didUserDisconnectBtDevice(SCBluetoothService* btService, ISCBluetoothDevice* btDevice);
    void didBLEDeviceConnectStatusChanged(QString name, uint64_t address, bool isConnected);
    void didOptionsChanged();
    void didCheckNewVersion(bool hasNewer, int forceUpdate);
    // The Bluetooth library's support answer arrived (it may come after the services started).
    void didBluetoothSupportChanged(bool supported);
    void didReceiverAccessCodeChanged(const QString& code);

public slots:
    void didApiCheckVersion(int result, QJsonObject* resObject);
    void applicationStateDidChange(Qt::ApplicationState state);
    void airplayServiceDidFindNewChannel(QPVAirPlayClient* client);
    void airplayServiceDidStopChannel(QPVAirPlayClient* client);
    void airplayServiceDidAirPlayMirroringPlay(QPVAirPlayClient* client);
    void airplayServiceDidAirPlayMirroringStop(QPVAirPlayClient* client);
    void airplayServiceDidAirPlayMirroringFrameSizeChanged(QPVAirPlayClient* client);
    void airplayServiceDidAirPlayMirroringRotated(QPVAirPlayClient* client, int oldDir, int newDir);
    void appOptionsDidChange();
    void updateAirPlayServiceOptions(SCAirPlayServiceOptions& serviceOptions);
    // Asks the user whether an unknown phone may mirror ("receiverAccess" is "ask").
    void airplayServiceDidAskAccess(const QString& phoneName, const QString& channelId, const QString& address,
                                    int* answer);

private:
    bool refuseConflictingProgram();
    void launch();
    int showAlert(const QString& title, const QString& detail, int mode = 0, QWidget* parent = nullptr);
    void offerUpdate(const QJsonObject& data, const QString& serverVersion, int forceUpdate);
    void startServices();
    void startBluetoothService();
    void onBLEDeviceConnectStatusChanged(const QString& name, uint64_t address, bool isConnected);
    void onBluetoothSupportAnswered(bool supported);
    // The device session of the mirrored phone with that name, or null.
    PVDevice* sessionForPhone(const QString& phoneName) const;
    // The session holding that Bluetooth device, or null.
    PVDevice* sessionHolding(const ISCBluetoothDevice* device) const;
    // The first session of a phone with that name that still waits for its Bluetooth link.
    PVDevice* sessionAwaitingLink(const QString& phoneName) const;
    void initAudioMixer();
    bool startAirPlayService(const QString& name);
    void connectAirPlayService();
    // Hands "receiverAccess" and the phones allowed for good to the receiver service.
    void applyReceiverAccess();
    void rememberAllowedPhone(const QString& channelId, const QString& phoneName);
    void createDriverWindow();
    void createMainWindow();
    QWidget* alertParent() const;
    void applyLanguage(const QString& code);
    void applyMicrophoneSettings();
    void setMicrophoneSource(bool used, const QString& device);
    void endMicrophoneTest();
    QString settingsLanguage() const;
    QString apiLanguage() const;
    void closeWindows();
    void tearDown();
    bool isListedClient(QPVAirPlayClient* client) const;
    int phonesWithSession() const;
    // The multi-device center, when open, follows a phone's new stream, size or turn.
    void updateCenterDevice(QPVAirPlayClient* client);

    // Declaration order is the order of ownership the rest of the program expects.
    CWDIDlg* m_driverWindow = nullptr;
    // The last driver uninstall job; null when none.
    std::shared_ptr<CWDIJob> m_driverJob;
    QPVApiService* m_apiService = nullptr;
    SCAirPlayServiceOptions m_airplayOptions;
    QPVAirPlayService* m_airplayService = nullptr;
    SCBluetoothService* m_btService = nullptr;
    PVUserContext* m_userContext = nullptr;
    QMainDialog* m_mainWindow = nullptr;
    QSettings* m_settings = nullptr;
    QString m_dataDir;
    QString m_language;
    void* m_micSource = nullptr;
    QTimer m_micTestTimer;

    QSharedPointer<QNetworkAccessManager> m_network;
    QTranslator m_translator;
    PVSignalWatcher* m_signalWatcher = nullptr;
    QPVAccessPrompt* m_accessPrompt = nullptr;
    State m_state = State::NotStarted;
};

inline QPivoraApplication* pvApp()
{
    return static_cast<QPivoraApplication*>(QCoreApplication::instance());
}
