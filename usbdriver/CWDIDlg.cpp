#include "usbdriver/CWDIDlg.h"

#include "pvwdi.h"
#include "ui/QEAlertDialog.h"
#include "usbdriver/CProgressDlg.h"
#include "usbdriver/CSystemRestart.h"
#include "usbdriver/CUsbMonitor.h"
#include "usbdriver/CWDIJob.h"
#include "usbdriver/CWDIState.h"
#include "usbdriver/CWDIWorker.h"
#include "usbdriver/WDITexts.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kDestroyGraceMs = 10000;
constexpr int kAccessoryBoxMs = 10000;
constexpr int kNothingFoundBoxMs = 5000;

} // namespace

CWDIDlg::CWDIDlg(QWidget* parent)
    : QDialog(parent)
    , m_state(std::make_shared<CWDIState>(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)))
{
    qRegisterMetaType<uint16_t>("uint16_t");
    buildUi();
    initDialog();
}

CWDIDlg::~CWDIDlg()
{
    destroyWindow();
    closePopup();
    if (m_worker && m_worker->isRunning()) {
        // Gone past every wait: leave it to the end of the process, with nothing to report to.
        qWarning("USB driver work still running; no longer waited for");
        m_worker->disconnect(this);
        m_worker->abandon();
    }
}

void CWDIDlg::buildUi()
{
    setWindowTitle(QStringLiteral("usbchecker"));
    setFixedSize(464, 288);
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("lineEditLog"));
    m_log->setReadOnly(true);
    m_log->setGeometry(21, 23, 362, 205);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setGeometry(318, 239, 75, 23);
    m_btnUninstall = new QPushButton(tr("Uninstall"), this);
    m_btnUninstall->setObjectName(QStringLiteral("btnUninstall"));
    m_btnUninstall->setGeometry(21, 239, 75, 23);
    connect(m_btnCancel, &QPushButton::clicked, this, &CWDIDlg::destroyWindow);
    connect(m_btnUninstall, &QPushButton::clicked, this, &CWDIDlg::scheduleUninstall);
}

void CWDIDlg::initDialog()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    createLockdownFolder();
    wdi_set_log_level(WDI_LOG_LEVEL_NONE);
    m_loggerRegistered = wdi_register_logger(&CWDIDlg::engineLogNotify, this, kEngineLogBufferBytes) == WDI_SUCCESS;

    m_monitor = new CUsbMonitor(this);
    connect(m_monitor, &CUsbMonitor::deviceArrived, this, &CWDIDlg::onDeviceArrived);
    connect(m_monitor, &CUsbMonitor::devicesChanged, this, &CWDIDlg::scheduleRescan);
    m_rescanTimer.setInterval(kRescanIntervalMs);
    connect(&m_rescanTimer, &QTimer::timeout, this, &CWDIDlg::scheduleRescan);
    m_rescanTimer.start();
    m_installTimer.setInterval(kWatchdogTickMs);
    connect(&m_installTimer, &QTimer::timeout, this, &CWDIDlg::onWatchdogTick);
    // The first scan starts at once.
    QMetaObject::invokeMethod(this, &CWDIDlg::rescan, Qt::QueuedConnection);
}

void CWDIDlg::createLockdownFolder()
{
    // Through the helper, which may ask for a password: never on the GUI thread.
    m_lockdownThread = QThread::create([] {
        if (wdi_create_lockdown_folder(CWDIState::kInstallTimeoutMs) != WDI_SUCCESS)
            qWarning("Unable to create lockdown folder !!!");
    });
    m_lockdownThread->setParent(this);
    m_lockdownThread->start();
}

void CWDIDlg::engineLogNotify(void* self)
{
    QMetaObject::invokeMethod(static_cast<CWDIDlg*>(self), &CWDIDlg::readEngineLog, Qt::QueuedConnection);
}

void CWDIDlg::setInstallTimeout(int ms)
{
    m_state->installTimeoutMs = ms;
}

CProgressDlg* CWDIDlg::progressPopup() const
{
    return m_popup;
}

QString CWDIDlg::logText() const
{
    return m_log->toPlainText();
}

bool CWDIDlg::isWatchingArrivals() const
{
    return m_monitor && m_monitor->isWatching();
}

bool CWDIDlg::workRunning() const
{
    return m_state->isBusy() || (m_worker && !m_worker->isFinished());
}

// --- Scheduling

void CWDIDlg::startScheduler(void (CWDIDlg::*handler)())
{
    m_schedulerPending = true;
    auto* scheduler = new CWDIScheduler;
    connect(scheduler, &CWDIScheduler::due, this, handler, Qt::QueuedConnection);
    connect(scheduler, &QThread::finished, scheduler, &QObject::deleteLater);
    scheduler->start();
}

void CWDIDlg::scheduleRescan()
{
    if (m_state->destroying || workRunning() || m_state->uninstallDone || m_schedulerPending)
        return;
    startScheduler(&CWDIDlg::rescan);
}

void CWDIDlg::scheduleUninstall()
{
    if (m_state->destroying || workRunning() || m_schedulerPending)
        return;
    startScheduler(&CWDIDlg::uninstallDue);
}

void CWDIDlg::uninstallDue()
{
    if (m_state->destroying)
        m_schedulerPending = false;
    else
        startUninstall();
}

void CWDIDlg::rescan()
{
    if (m_state->destroying) {
        m_schedulerPending = false;
        return;
    }
    // A worker that has not yet marked itself busy still counts: two scans never overlap.
    if (!workRunning())
        startWorker(int(CWDIWorker::Kind::Scan));
}

std::shared_ptr<CWDIJob> CWDIDlg::startUninstall()
{
    if (m_state->destroying || workRunning())
        return nullptr;
    CWDIWorker* worker = startWorker(int(CWDIWorker::Kind::Uninstall));
    return worker->job();
}

CWDIWorker* CWDIDlg::startWorker(int kind)
{
    auto* worker = new CWDIWorker(CWDIWorker::Kind(kind), m_state);
    connect(worker, &CWDIWorker::progress, this, &CWDIDlg::onProgress, Qt::BlockingQueuedConnection);
    connect(worker, &CWDIWorker::outcome, this, &CWDIDlg::onOutcome, Qt::BlockingQueuedConnection);
    connect(worker, &CWDIWorker::installTimer, this, &CWDIDlg::onInstallTimer, Qt::BlockingQueuedConnection);
    connect(worker, &CWDIWorker::rebootQuestion, this, &CWDIDlg::onRebootQuestion, Qt::BlockingQueuedConnection);
    connect(worker, &CWDIWorker::debuggingWarning, this, &CWDIDlg::onDebuggingWarning,
        Qt::BlockingQueuedConnection);
    connect(worker, &CWDIWorker::deviceChange, this, &CWDIDlg::scheduleRescan, Qt::QueuedConnection);
    connect(worker, &QThread::finished, this, [this, worker] {
        if (worker == m_worker) {
            m_worker = nullptr;
            m_schedulerPending = false;
        }
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_worker = worker;
    worker->start();
    return worker;
}

// --- Messages of the workers

bool CWDIDlg::fromAbandonedWorker() const
{
    const auto* worker = qobject_cast<const CWDIWorker*>(sender());
    return worker && worker->abandoned();
}

void CWDIDlg::onInstallTimer(bool on)
{
    if (fromAbandonedWorker())
        return;
    m_watchdogSeconds = 0;
    if (on)
        m_installTimer.start();
    else
        m_installTimer.stop();
}

void CWDIDlg::onWatchdogTick()
{
    ++m_watchdogSeconds;
    if (m_watchdogSeconds * kWatchdogTickMs < m_state->installTimeoutMs)
        return;
    qWarning("USB driver installation took longer than %d ms; abandoned", int(m_state->installTimeoutMs));
    m_state->installFailed = true;
    m_installTimer.stop();
    m_watchdogSeconds = 0;
    if (m_worker) {
        m_worker->abandon();
        wdi_abort_install();
    }
    m_worker = nullptr;
    m_schedulerPending = false;
    closePopup();
}

void CWDIDlg::onProgress(int position, int textNumber, int first, int second)
{
    if (fromAbandonedWorker() || m_state->destroying)
        return;
    if (!m_popup) {
        m_mainWasVisible = isVisible();
        hide();
        m_popup = new CProgressDlg(this);
        m_popup->setAttribute(Qt::WA_QuitOnClose, false);
        m_popup->setProgress(0, wditext::text(wditext::Detecting));
        qInfo("USB driver progress 0: %s", qPrintable(m_popup->text()));
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            m_popup->move(screen->availableGeometry().center() - m_popup->rect().center());
        m_popup->show();
    }
    const QString text = wditext::text(textNumber, first, second);
    qInfo("USB driver progress %d: %s", position, qPrintable(text));
    m_popup->setProgress(position, text);
}

void CWDIDlg::closePopup()
{
    if (!m_popup)
        return;
    delete m_popup.data();
    if (m_mainWasVisible)
        show();
}

void CWDIDlg::onOutcome(int code, bool restartNeeded)
{
    if (fromAbandonedWorker())
        return;
    qInfo("USB driver outcome %d%s", code, restartNeeded ? ", restart needed" : "");
    closePopup();
    if (m_state->destroying)
        return;
    switch (code) {
    case -1:
        // udev applied the new rules to the device; only a change it could not apply needs a restart.
        if (restartNeeded)
            askRestart(wditext::RebootQuestion, wditext::RebootMessage);
        break;
    case -2:
        askRestart(wditext::RebootQuestion, wditext::RebootMessage);
        break;
    case -3:
        showBox(wditext::AccessoryInstalled, false, kAccessoryBoxMs);
        break;
    case -5:
        askRestart(wditext::UninstallDone, wditext::Restarting);
        break;
    case -6:
        showBox(wditext::NothingToUninstall, false, kNothingFoundBoxMs);
        break;
    case -7:
        askRestart(wditext::UninstallFailedQuestion, wditext::Restarting);
        break;
    default:
        break;
    }
}

void CWDIDlg::onRebootQuestion()
{
    if (!fromAbandonedWorker() && !m_state->destroying)
        askRestart(wditext::RebootQuestion, wditext::RebootMessage);
}

void CWDIDlg::onDebuggingWarning()
{
    // The answer does not matter: the user has to change the phone's setting.
    if (!fromAbandonedWorker() && !m_state->destroying)
        showBox(wditext::DebuggingWarning, true);
}

void CWDIDlg::askRestart(int questionText, int messageText)
{
    if (showBox(questionText, true))
        CSystemRestart::reboot(wditext::text(messageText));
}

bool CWDIDlg::showBox(int textNumber, bool question, int autoCloseMs)
{
    const QString text = wditext::text(textNumber);
    qInfo("USB driver box: %s", qPrintable(text));
    QPointer<QEAlertDialog> box =
        QEAlertDialog::create(nullptr, wditext::text(wditext::Tips), text, question ? 1 : 0);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setWindowModality(Qt::ApplicationModal);
    // A box of the background driver window never ends the program when it closes.
    box->setAttribute(Qt::WA_QuitOnClose, false);
    if (question) {
        box->setAcceptText(tr("Yes"));
        box->setCancelText(tr("No"));
    } else {
        box->setAcceptText(tr("OK"));
    }
    if (autoCloseMs > 0)
        QTimer::singleShot(autoCloseMs, box, &QDialog::reject);
    const bool yes = box->exec() == QDialog::Accepted;
    delete box.data();
    qInfo("USB driver box answered %s", yes ? "yes" : "no");
    return yes;
}

// --- Engine log and arrivals

void CWDIDlg::readEngineLog()
{
    char line[kEngineLogBufferBytes];
    unsigned size = 0;
    while (wdi_read_logger(line, sizeof line, &size) == WDI_SUCCESS) {
        const QString text = QString::fromUtf8(line, int(size));
        m_log->appendPlainText(text);
        // Every scan lists the devices; the program's log keeps only what changes something.
        if (!text.startsWith(QLatin1String("[debug]")))
            qInfo("USB driver engine: %s", qPrintable(text));
    }
}

void CWDIDlg::onDeviceArrived(uint16_t vid, uint16_t pid)
{
    qInfo("USB device arrived: %04x:%04x", vid, pid);
    m_state->deviceArrived(vid, pid);
}

// --- End

void CWDIDlg::destroyWindow()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    delete m_monitor;
    m_monitor = nullptr;
    m_rescanTimer.stop();
    m_state->destroying = true;
    const int limit = m_state->installTimeoutMs + kDestroyGraceMs;
    if (!waitHandlingEvents(limit, [this] { return !m_schedulerPending && !workRunning(); }))
        qWarning("USB driver work did not end within %d ms", limit);
    // Unbounded: the helper run ends by its own time-out, and a thread object destroyed while
    // its thread runs ends the whole program.
    if (m_lockdownThread)
        m_lockdownThread->wait();
    if (m_loggerRegistered) {
        wdi_unregister_logger(&CWDIDlg::engineLogNotify, this);
        m_loggerRegistered = false;
    }
    hide();
}
