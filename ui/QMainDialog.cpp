#include "ui/QMainDialog.h"

#include "ui_QMainDialog.h"

#include "account/PVUserContext.h"
#include "account/QPVApiService.h"
#include "app/PVLastUser.h"
#include "app/PVNetworkInfo.h"
#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "bluetooth/SCBluetoothService.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/PVNativeWindow.h"
#include "ui/PVSkin.h"
#include "ui/QEAlertDialog.h"
#include "ui/QGuideWidget.h"
#include "ui/QOptionsDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kApiSuccess = 10000;
// The ask-first question's answer for "Quit"; accepted means minimise, rejected means neither.
constexpr int kQuitAnswer = 2;
const char kAutoLoginKeyProperty[] = "_autologinKey";
const char kVideoWindowProperty[] = "PivoraVideo";

QString closingSettingKey()
{
    return QStringLiteral("closingAction");
}

QPivoraApplication* application()
{
    return qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
}

} // namespace

QMainDialog::ClosingAction QMainDialog::closingActionFromSetting(const QString& value)
{
    if (value == QLatin1String("minimize"))
        return ClosingAction::Minimize;
    if (value == QLatin1String("quit"))
        return ClosingAction::Quit;
    return ClosingAction::AskFirst;
}

QString QMainDialog::settingFromClosingAction(ClosingAction action)
{
    switch (action) {
    case ClosingAction::Minimize:
        return QStringLiteral("minimize");
    case ClosingAction::Quit:
        return QStringLiteral("quit");
    case ClosingAction::AskFirst:
        break;
    }
    return QStringLiteral("askfirst");
}

QMainDialog::QMainDialog(QWidget* parent)
    : FramelessWindow<QDialog>(parent, false)
    , ui(new Ui::QMainDialog())  // value-initialised: the frame filters events while setupUi runs
{
    ui->setupUi(this);
    setupWindow();
    setTitleWidgets({ui->titlebar});
    setupGuide();
    PVSkin::apply(this);
    fillLocalInformation();
    connectSignals();
    setupShortcuts();
    autoSignIn();
}

QMainDialog::~QMainDialog()
{
    // Phones are let go with the home screen: their Bluetooth links and receiver channels end.
    if (QPivoraApplication* app = application()) {
        if (SCBluetoothService* bluetooth = app->bluetoothService())
            bluetooth->removeAllDevices();
        if (QPVAirPlayService* receiver = app->airplayService())
            receiver->disconnectAllChannels();
    }
}

void QMainDialog::setupWindow()
{
    resize(kWidth, kHeight);
    setMaximumSize(kWidth, kHeight);
    setAttribute(Qt::WA_QuitOnClose, true);
    // A program's main window, not a dialog: window managers list it and let it be minimised;
    // it cannot be maximised.
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags & ~Qt::WindowMaximizeButtonHint);
    ui->lbAppIcon->setPixmap(QApplication::windowIcon().pixmap(28, 28));
    ui->btnMin->setIcon(QIcon(QStringLiteral(":/asset/minimize.svg")));
    ui->btnClose->setIcon(QIcon(QStringLiteral(":/asset/icon-close.svg")));
    ui->btnMin->setIconSize(QSize(16, 16));
    ui->btnClose->setIconSize(QSize(16, 16));
}

void QMainDialog::setupGuide()
{
    m_guide = new QGuideWidget(ui->contentMain);
    m_guide->hide();
    ui->layoutContent->addWidget(m_guide);
    m_guide->setMouseTracking(true);
}

void QMainDialog::setupShortcuts()
{
    auto* options = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(options, &QShortcut::activated, this, &QMainDialog::didClickOption);
    auto* grid = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), this);
    connect(grid, &QShortcut::activated, this, &QMainDialog::didClickGrid);
    ui->labelGuide->installEventFilter(this);
}

void QMainDialog::fillLocalInformation()
{
    setVideoWindowProperty();
    refreshReceiverName();
    const PVNetworkAdapter adapter = PVNetworkInfo::chosenAdapter();
    // No qualifying adapter leaves the address empty rather than showing a rejected one.
    const QString wifi = PVNetworkInfo::wifiName(adapter);
    ui->lbDescNetworkIP->setText(adapter.address);
    ui->lbDescNetworkWiFi->setText(wifi);
    if (QPivoraApplication* app = application())
        showAccessCode(app->receiverAccessCode());
    qInfo("Home screen: receiver \"%s\", address \"%s\" (%s), Wi-Fi \"%s\"",
        qUtf8Printable(ui->lbDescNetworkName->text()), qUtf8Printable(adapter.address),
        adapter.isValid() ? qUtf8Printable(adapter.name) : "no adapter", qUtf8Printable(wifi));
}

void QMainDialog::showAccessCode(const QString& code)
{
    // The row exists only while phones need a code to mirror.
    ui->lbDescAccessCode->setText(code);
    ui->sectionLocalCode->setVisible(!code.isEmpty());
}

void QMainDialog::setVideoWindowProperty()
{
    if (!PVNativeWindow::setCardinalProperty(this, kVideoWindowProperty, 0xFFFFFFFFu))
        qInfo("Home screen: no X11 window to mark");
}

void QMainDialog::refreshReceiverName()
{
    QPivoraApplication* app = application();
    QString name;
    if (app && app->airplayService())
        name = QString::fromUtf8(app->airplayService()->name().c_str());
    // Before the receiver runs (or when it failed), show the name it would announce.
    if (name.isEmpty() && app)
        name = app->receiverName();
    ui->lbDescNetworkName->setText(name);
}

void QMainDialog::connectSignals()
{
    if (QPivoraApplication* app = application()) {
        connect(app, &QPivoraApplication::didUserStatusChanged, this, &QMainDialog::didUserStatusChanged);
        connect(app, &QPivoraApplication::didReceiverAccessCodeChanged, this, &QMainDialog::showAccessCode);
    }
    connect(ui->btnSign, &QPushButton::clicked, this, &QMainDialog::didClickSign);
    connect(ui->btnOption, &QPushButton::clicked, this, &QMainDialog::didClickOption);
    connect(ui->btnGrid, &QPushButton::clicked, this, &QMainDialog::didClickGrid);
    connect(ui->btnMin, &QPushButton::clicked, this, &QMainDialog::didClickMin);
    connect(ui->btnClose, &QPushButton::clicked, this, &QMainDialog::didClickClose);
    connect(ui->labelGuide, &QELabel::clicked, this, &QMainDialog::didClickGuide);
}

// --- User

void QMainDialog::autoSignIn()
{
    QPivoraApplication* app = application();
    if (!app || !app->settings() || !app->apiService())
        return;
    if (!app->settings()->value(QStringLiteral("autoLogin"), false).toBool())
        return;
    const QString key = PVLastUser::fromSetting(app->settings()->value(QStringLiteral("lastUser")));
    if (key.isEmpty())
        return;
    setProperty(kAutoLoginKeyProperty, key);
    app->apiService()->loadProfile(key, this, "didApiLoadProfile");
}

void QMainDialog::didApiLoadProfile(int result, QJsonObject* resObject)
{
    if (result != kApiSuccess || !resObject) {
        // The user stays signed out; the remembered key is kept for the next start.
        qInfo("Automatic sign-in failed with result %d", result);
        return;
    }
    const QString key = property(kAutoLoginKeyProperty).toString();
    setProperty(kAutoLoginKeyProperty, QVariant());
    resObject->remove(QStringLiteral("code"));
    resObject->remove(QStringLiteral("message"));
    std::unique_ptr<PVUserContext> context = PVUserContext::create(key, *resObject);
    if (!context) {
        qWarning("Automatic sign-in answered without a usable profile");
        return;
    }
    qInfo("Signed in automatically");
    pvApp()->setUserContext(context.release());
}

void QMainDialog::didUserStatusChanged()
{
    QPivoraApplication* app = application();
    const PVUserContext* user = app ? app->userContext() : nullptr;
    if (!user) {
        ui->btnSign->setText(tr("Signin / Signup"));
        return;
    }
    ui->btnSign->setText(user->nickname().isEmpty() ? user->phone() : user->nickname());
    qInfo("Sign button shows \"%s\"", qUtf8Printable(ui->btnSign->text()));
}

// --- Buttons

void QMainDialog::didClickSign()
{
    pvApp()->showSignIn(ui->btnSign);
}

void QMainDialog::didClickOption()
{
    QOptionsDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        emit pvApp()->didOptionsChanged();
}

void QMainDialog::didClickGrid()
{
    pvApp()->showMultiDeviceCenter();
}

void QMainDialog::didClickMin()
{
    showMinimized();
}

void QMainDialog::didClickClose()
{
    close();
}

void QMainDialog::didClickGuide()
{
    const bool showGuide = m_guide->isHidden();
    ui->mainWidget->setVisible(!showGuide);
    m_guide->setVisible(showGuide);
    refreshGuideLabel();
}

void QMainDialog::refreshGuideLabel()
{
    ui->labelGuide->setText(m_guide->isHidden() ? tr("Quick Start Guide") : tr("Home"));
}

// --- Closing

void QMainDialog::closeForShutdown()
{
    m_closingForGood = true;
    close();
}

void QMainDialog::closeEvent(QCloseEvent* event)
{
    if (m_closingForGood) {
        // QDialog's own handling would reject (hide) instead of closing.
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    QString setting;
    if (QPivoraApplication* app = application())
        setting = PVSettings::optionString(*app->settings(), QStringLiteral("general"), closingSettingKey(),
            QStringLiteral("askfirst"));
    applyClosingAction(closingActionFromSetting(setting));
}

void QMainDialog::applyClosingAction(ClosingAction action)
{
    switch (action) {
    case ClosingAction::Minimize:
        showMinimized();
        break;
    case ClosingAction::Quit:
        quitProgram();
        break;
    case ClosingAction::AskFirst:
        askClosingAction();
        break;
    }
}

void QMainDialog::askClosingAction()
{
    if (m_asking)
        return;
    m_asking = true;
    qInfo("Asking whether to minimize or quit");
    QPointer<QEAlertDialog> alert = QEAlertDialog::create(this, tr("Minimize Pivora or quit?"),
        tr("Minimized, Pivora keeps receiving phones in the background.\nQuitting ends the mirroring of every phone."),
        QEAlertDialog::ModeAcceptCancel);
    alert->setAcceptText(tr("Minimize"));
    alert->setCancelText(tr("Quit"));
    QCheckBox* remember = alert->addCheckBox(tr("Remember my choice"));
    // Quit needs an answer of its own: Escape and the close button only cancel the question.
    QEAlertDialog* dialog = alert;
    alert->cancelButton()->disconnect(dialog);
    connect(alert->cancelButton(), &QPushButton::clicked, alert, [dialog] { dialog->done(kQuitAnswer); });
    // Enter presses the focused choice; the question opens on Minimize, the harmless one.
    alert->cancelButton()->setAutoDefault(true);
    alert->acceptButton()->setFocus();
    const int answer = alert->exec();
    const bool remembered = alert && remember->isChecked();
    delete alert.data();
    m_asking = false;

    if (answer != QDialog::Accepted && answer != kQuitAnswer) {
        qInfo("Closing cancelled");
        return;
    }
    const ClosingAction choice = answer == kQuitAnswer ? ClosingAction::Quit : ClosingAction::Minimize;
    if (remembered)
        rememberClosingAction(choice);
    applyClosingAction(choice);
}

void QMainDialog::rememberClosingAction(ClosingAction action)
{
    QPivoraApplication* app = application();
    if (!app)
        return;
    QSettings* settings = app->settings();
    const QString value = settingFromClosingAction(action);
    PVSettings::setOption(*settings, QStringLiteral("general"), closingSettingKey(), value);
    settings->sync();
    qInfo("Closing action remembered: %s", qPrintable(value));
}

void QMainDialog::quitProgram()
{
    qInfo("Quitting from the home screen");
    m_closingForGood = true;
    // The event loop ends; the application closes this window and ends every phone's session.
    QCoreApplication::quit();
}

void QMainDialog::reject()
{
}

// --- Events

bool QMainDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == ui->labelGuide) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            didClickGuide();
            return true;
        }
    }
    return FramelessWindow<QDialog>::eventFilter(watched, event);
}

void QMainDialog::keyPressEvent(QKeyEvent* event)
{
    // The title buttons are not dialog defaults, so Enter would do nothing on them by itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    FramelessWindow<QDialog>::keyPressEvent(event);
}

void QMainDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        refreshGuideLabel();
        didUserStatusChanged();
        refreshReceiverName();
    }
    FramelessWindow<QDialog>::changeEvent(event);
}
