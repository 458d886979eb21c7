// The options dialog with the program's services running: the version check from the Update
// page, the Bluetooth answer on the iOS page, a saved change taking effect, and the driver
// uninstall asking first while a phone is connected.

#include "support/ApiServerProcess.h"
#include "support/CastHost.h"

#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "bluetooth/SCBluetoothService.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QEAlertDialog.h"
#include "ui/QMainDialog.h"
#include "ui/QOptionsDialog.h"
#include "ui/QOptionsFrame.h"
#include "ui/QOptionsIOSDeviceFrame.h"
#include "ui/QOptionsUpdateFrame.h"

#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 30000;

QStringList& capturedLog()
{
    static QStringList lines;
    return lines;
}

// Keeps the program's log lines for the test while passing them on.
class LogCapture {
public:
    LogCapture() { s_previous = qInstallMessageHandler(handler); }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    int count(const QString& line) const { return capturedLog().count(line); }

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        capturedLog().append(message);
        if (s_previous)
            s_previous(type, context, message);
    }
    static inline QtMessageHandler s_previous = nullptr;
};

// Answers the next alert (not the options dialog itself) and remembers what it asked.
void answerNextAlert(bool accept, QString* detail)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        auto* alert = qobject_cast<QEAlertDialog*>(QApplication::activeModalWidget());
        if (!alert)
            return;
        timer->stop();
        timer->deleteLater();
        *detail = alert->detail();
        (accept ? alert->acceptButton() : alert->cancelButton())->click();
    });
    timer->start();
}

} // namespace

class TestOptionsEffects : public QObject {
    Q_OBJECT
private:
    ApiServerProcess m_api;
    std::unique_ptr<QProcess> m_phone;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_api.start(), "pivora-api did not start");
        pvApp()->apiService()->setBaseUrl(m_api.url());
        pvApp()->checkVersion();
        QTRY_VERIFY_WITH_TIMEOUT(pvApp()->state() == QPivoraApplication::State::ServicesRunning, kWaitMs);
        QVERIFY(pvApp()->airplayService());
    }

    void cleanupTestCase()
    {
        if (m_phone) {
            m_phone->kill();
            m_phone->waitForFinished(5000);
        }
    }

    // A check from the Update page answers on the page and starts nothing a second time.
    void updatePage()
    {
        QPVAirPlayService* receiver = pvApp()->airplayService();
        SCBluetoothService* bluetooth = pvApp()->bluetoothService();
        QOptionsDialog dialog(nullptr);
        dialog.show();
        dialog.showPage(QOptionsDialog::Update);
        auto* page = qobject_cast<QOptionsUpdateFrame*>(dialog.page(QOptionsDialog::Update));
        QSignalSpy answered(pvApp(), &QPivoraApplication::didCheckNewVersion);
        page->checkButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(answered.count(), 1, kWaitMs);
        QCOMPARE(answered.first().first().toBool(), false);
        QCOMPARE(page->tipText(), QString("No updates available"));
        QCOMPARE(pvApp()->airplayService(), receiver);
        QCOMPARE(pvApp()->bluetoothService(), bluetooth);
    }

    void iosPageAsksTheBluetoothService()
    {
        QVERIFY(pvApp()->bluetoothService());
        QOptionsDialog dialog(nullptr);
        auto* page = qobject_cast<QOptionsIOSDeviceFrame*>(dialog.page(QOptionsDialog::IOSDevice));
        const QString reason = QOptionsIOSDeviceFrame::controlUnavailableReason(pvApp()->bluetoothService());
        QVERIFY(reason != "Current OS Version is not supported.");
        QCOMPARE(page->tipText(), reason);
        QCOMPARE(page->control("enableHID")->isEnabled(), reason.isEmpty());
    }

    // Saving and announcing the change, as the main window does, switches the language,
    // renames the receiver and runs the microphone test for 20 seconds.
    void savedChangeTakesEffect()
    {
        QPVAirPlayService* receiver = pvApp()->airplayService();
        receiver->setName("stale name");
        // The main window opens the dialog on Ctrl+, and announces what it saved.
        QWidget* mainWindow = pvApp()->mainWindow();
        QVERIFY(mainWindow);
        QSignalSpy changed(pvApp(), &QPivoraApplication::didOptionsChanged);
        bool opened = false;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&opened, mainWindow, poll]() {
            auto* dialog = qobject_cast<QOptionsDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->deleteLater();
            opened = dialog->windowTitle() == "Settings" && dialog->parentWidget() == mainWindow;
            dialog->pageForGroup("general")->setSelectedIndex("lang", 3); // Deutsch
            dialog->pageForGroup("record")->setSelectedIndex("audioInputTest", 0);
            dialog->saveButton()->click();
        });
        poll->start(20);
        // Window shortcuts need an active window; there is no window manager to give it.
        QApplication::setActiveWindow(mainWindow);
        QVERIFY(QTest::qWaitForWindowActive(mainWindow));
        QTest::keyClick(mainWindow, Qt::Key_Comma, Qt::ControlModifier);
        QVERIFY(opened);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(pvApp()->language(), QString("de"));
        QCOMPARE(QString::fromStdString(receiver->name()), pvApp()->receiverName());
        QVERIFY(pvApp()->microphoneTestTimer().isActive());
        QCOMPARE(pvApp()->microphoneTestTimer().interval(), 20000);

        {
            QOptionsDialog dialog(nullptr);
            QCOMPARE(dialog.pageForGroup("record")->selectedIndex("audioInputTest"), 0);
            dialog.pageForGroup("general")->setSelectedIndex("lang", 0);
            dialog.pageForGroup("record")->setSelectedIndex("audioInputTest", 1);
            dialog.saveButton()->click();
        }
        emit pvApp()->didOptionsChanged();
        QCOMPARE(pvApp()->language(), QString("en-us"));
        QVERIFY(!pvApp()->microphoneTestTimer().isActive());
    }

    void uninstallAsksWhilePhonesAreConnected()
    {
        LogCapture log;
        const QString requested = "Driver uninstall requested from the options";
        QOptionsDialog dialog(nullptr);
        dialog.show();
        auto* uninstall = dialog.page(QOptionsDialog::General)->findChild<QPushButton*>("btnUninstall");
        uninstall->click(); // no phone: no question
        QCOMPARE(log.count(requested), 1);

        m_phone = casthost::startPhone(pvApp()->airplayService()->ports()[0], "options-phone", 3,
                                       {"--pattern", "320x240@15"});
        QTRY_COMPARE_WITH_TIMEOUT(pvApp()->airplayService()->channelCount(), 1, kWaitMs);
        QString asked;
        answerNextAlert(false, &asked);
        uninstall->click();
        QCOMPARE(asked, QString("All devices will be disconnected, do you want to continue?"));
        QCOMPARE(log.count(requested), 1);
        answerNextAlert(true, &asked);
        uninstall->click();
        QCOMPARE(log.count(requested), 2);
    }
};

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestOptionsEffects test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_optionseffects.moc"
