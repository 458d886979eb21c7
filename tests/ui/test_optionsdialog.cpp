// The options dialog against the real application object: value mapping of every kind of
// control, Save, Cancel, Restore Defaults, the keyboard, and the pages that ask the program.

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "bluetooth/SCBluetoothService.h"
#include "media/pvoaudio.h"
#include "ui/OptionChoices.h"
#include "ui/QEAlertDialog.h"
#include "ui/QOptionsDialog.h"
#include "ui/QOptionsFrame.h"
#include "ui/QOptionsHWFrame.h"
#include "ui/QOptionsIOSDeviceFrame.h"
#include "ui/QOptionsRecordFrame.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 10000;

QVariant fromJson(const QByteArray& json)
{
    return QJsonDocument::fromJson("[" + json + "]").array().first().toVariant();
}

QJsonObject storedFile()
{
    QFile file(pvApp()->settings()->fileName());
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

void setStoredOptions(const QVariantMap& options)
{
    pvApp()->settings()->setValue("options", options);
    pvApp()->settings()->sync();
}

// Runs `action` on the next modal window once it shows (an alert or a folder picker).
void onNextModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<QOptionsDialog*>(modal))
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Answers the next alert and remembers what it said.
void answerNextAlert(bool accept, QString* detail = nullptr)
{
    onNextModal([accept, detail](QWidget* modal) {
        auto* alert = qobject_cast<QEAlertDialog*>(modal);
        QVERIFY(alert);
        if (detail)
            *detail = alert->detail();
        (accept ? alert->acceptButton() : alert->cancelButton())->click();
    });
}

} // namespace

// Stands in for the desktop's file browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestOptionsDialog : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QOptionsDialog> m_dialog;

private slots:
    void initTestCase()
    {
        // The recording page lists the mixer's capture devices; the dummy driver has one.
        qputenv("SDL_AUDIODRIVER", "dummy");
        QCOMPARE(pvoAudioInit(), 0);
    }
    void cleanupTestCase() { pvoAudioDeInit(); }
    void cleanup() { m_dialog.reset(); }

    // One stored value of each kind of control: what it selects, and what saving stores.
    void valueMapping_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("stored"); // JSON; empty: the key is missing
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("saved"); // JSON written back after picking `pick`
        QTest::addColumn<int>("pick");

        // Index settings: 1-based positions; 0, past the end and wrong types select nothing.
        QTest::newRow("ios wired resolution first") << "iosDevice" << "wiredResolution" << QByteArray("1") << 0 << QByteArray("1") << 0;
        QTest::newRow("ios wired resolution last") << "iosDevice" << "wiredResolution" << QByteArray("5") << 4 << QByteArray("5") << 4;
        QTest::newRow("ios wired resolution 0") << "iosDevice" << "wiredResolution" << QByteArray("0") << -1 << QByteArray("3") << 2;
        QTest::newRow("ios wired resolution past end") << "iosDevice" << "wiredResolution" << QByteArray("6") << -1 << QByteArray("6") << -1;
        QTest::newRow("ios wired resolution missing") << "iosDevice" << "wiredResolution" << QByteArray() << 1 << QByteArray("2") << 1;
        QTest::newRow("ios wireless resolution missing") << "iosDevice" << "wirelessResolution" << QByteArray() << 0 << QByteArray("1") << 0;
        QTest::newRow("ios wireless resolution 4") << "iosDevice" << "wirelessResolution" << QByteArray("4") << -1 << QByteArray("1") << 0;
        QTest::newRow("index as decimal text") << "androidDevice" << "wiredBitrate" << QByteArray("\"12\"") << 11 << QByteArray("12") << 11;
        QTest::newRow("index as whole decimal") << "androidDevice" << "wiredBitrate" << QByteArray("3.0") << 2 << QByteArray("3") << 2;
        QTest::newRow("index with a fraction") << "androidDevice" << "wiredBitrate" << QByteArray("3.5") << -1 << QByteArray("3.5") << -1;
        QTest::newRow("index as truth") << "androidDevice" << "wiredBitrate" << QByteArray("true") << -1 << QByteArray("1") << 0;
        QTest::newRow("index as list") << "androidDevice" << "wirelessBitrate" << QByteArray("[3]") << -1 << QByteArray("[3]") << -1;
        QTest::newRow("index as object") << "androidDevice" << "wirelessFps" << QByteArray("{\"a\":1}") << -1 << QByteArray("7") << 6;
        QTest::newRow("index as null") << "androidDevice" << "wirelessFps" << QByteArray("null") << -1 << QByteArray("2") << 1;
        QTest::newRow("index negative") << "androidDevice" << "wiredFps" << QByteArray("-1") << -1 << QByteArray("-1") << -1;
        QTest::newRow("index huge") << "androidDevice" << "wiredFps" << QByteArray("4294967297") << -1 << QByteArray("6") << 5;
        QTest::newRow("android wireless bitrate 13") << "androidDevice" << "wirelessBitrate" << QByteArray("13") << 12 << QByteArray("13") << 12;
        QTest::newRow("android wired bitrate 13") << "androidDevice" << "wiredBitrate" << QByteArray("13") << -1 << QByteArray("13") << -1;
        // iOS frame rates select by text and are saved as text.
        QTest::newRow("ios fps number") << "iosDevice" << "wiredFps" << QByteArray("60") << 2 << QByteArray("\"60\"") << 2;
        QTest::newRow("ios fps text") << "iosDevice" << "wiredFps" << QByteArray("\"30\"") << 1 << QByteArray("\"25\"") << 0;
        QTest::newRow("ios fps not listed") << "iosDevice" << "wiredFps" << QByteArray("45") << -1 << QByteArray("45") << -1;
        QTest::newRow("ios fps garbage") << "iosDevice" << "wirelessFps" << QByteArray("\"fast\"") << -1 << QByteArray("\"30\"") << 1;
        QTest::newRow("ios wireless fps missing") << "iosDevice" << "wirelessFps" << QByteArray() << 2 << QByteArray("\"60\"") << 2;
        // Values stored as themselves.
        QTest::newRow("android version 2") << "androidDevice" << "systemversion" << QByteArray("2") << 1 << QByteArray("2") << 1;
        QTest::newRow("android version 3") << "androidDevice" << "systemversion" << QByteArray("3") << -1 << QByteArray("1") << 0;
        QTest::newRow("decoder off") << "videoaudio" << "hwDecoder" << QByteArray("0") << 0 << QByteArray("0") << 0;
        QTest::newRow("decoder 2") << "videoaudio" << "hwDecoder" << QByteArray("2") << -1 << QByteArray("2") << -1;
        QTest::newRow("render engine") << "videoaudio" << "renderEngine" << QByteArray("1") << 1 << QByteArray("0") << 0;
        QTest::newRow("truth true") << "androidDevice" << "wiredHID" << QByteArray("true") << 0 << QByteArray("false") << 1;
        QTest::newRow("truth as text") << "androidDevice" << "wiredMic" << QByteArray("\"true\"") << -1 << QByteArray("\"true\"") << -1;
        QTest::newRow("truth as number") << "iosDevice" << "enableHID" << QByteArray("1") << -1 << QByteArray("true") << 0;
        QTest::newRow("truth missing") << "record" << "audioInputTest" << QByteArray() << 1 << QByteArray("false") << 1;
        QTest::newRow("audio source") << "record" << "audioOutput" << QByteArray("\"deviceWithAudioCapture\"") << 2 << QByteArray("\"silence\"") << 0;
        QTest::newRow("audio source unknown") << "record" << "audioOutput" << QByteArray("\"speaker\"") << -1 << QByteArray("\"speaker\"") << -1;
        QTest::newRow("split as number") << "record" << "splitDuration" << QByteArray("4") << 4 << QByteArray("\"4\"") << 4;
        QTest::newRow("split missing") << "record" << "splitDuration" << QByteArray() << 1 << QByteArray("\"0\"") << 0;
        QTest::newRow("split 5") << "record" << "splitDuration" << QByteArray("\"5\"") << -1 << QByteArray("\"5\"") << -1;
        QTest::newRow("language") << "general" << "lang" << QByteArray("\"fil\"") << 15 << QByteArray("\"ar\"") << 13;
        QTest::newRow("language unknown") << "general" << "lang" << QByteArray("\"xx\"") << -1 << QByteArray("\"xx\"") << -1;
        QTest::newRow("closing action") << "general" << "closingAction" << QByteArray("\"quit\"") << 2 << QByteArray("\"minimize\"") << 0;
        QTest::newRow("closing action case") << "general" << "closingAction" << QByteArray("\"QUIT\"") << -1 << QByteArray("\"askfirst\"") << 1;
    }
    void valueMapping()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QByteArray, stored);
        QFETCH(int, index);
        QFETCH(QByteArray, saved);
        QFETCH(int, pick);

        QVariantMap groupMap{{"unrelated", "kept"}};
        if (!stored.isEmpty())
            groupMap.insert(key, fromJson(stored));

        // Without widgets, as the fuzzer reads the file.
        const OptionChoices::Choice* choice = OptionChoices::findChoice(group, key);
        QVERIFY(choice);
        QCOMPARE(OptionChoices::indexForValue(*choice, OptionChoices::storedValue(*choice, groupMap)), index);

        // Through the page's controls.
        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        QOptionsFrame* page = m_dialog->pageForGroup(group);
        QVERIFY(page);
        page->load(groupMap);
        QCOMPARE(page->selectedIndex(key), index);
        if (auto* combo = qobject_cast<QComboBox*>(page->control(key)))
            QCOMPARE(combo->currentIndex(), index);
        page->setSelectedIndex(key, pick);
        const QVariantMap written = page->save(groupMap);
        QCOMPARE(QJsonDocument::fromVariant(QVariantList{written.value(key)}).toJson(QJsonDocument::Compact),
                 "[" + saved + "]");
        QCOMPARE(written.value("unrelated").toString(), QString("kept"));
    }

    void pagesAndTexts()
    {
        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        QCOMPARE(m_dialog->windowTitle(), QString("Settings"));
        QVERIFY(m_dialog->isModal());
        const QStringList buttons = {"General", "iOS Device", "Android Device", "Video",
                                     "Recording", "Hardware", "Shortcuts", "Update"};
        const QStringList classes = {"QOptionsGeneralFrame", "QOptionsIOSDeviceFrame", "QOptionsAndroidDeviceFrame",
                                     "QOptionsVideoAudioFrame", "QOptionsRecordFrame", "QOptionsHWFrame",
                                     "QOptionsShortcutsFrame", "QOptionsUpdateFrame"};
        const QStringList groups = {"general", "iosDevice", "androidDevice", "videoaudio", "record", "", "", ""};
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        const QString shots = qEnvironmentVariable("PIVORA_SCREENSHOT_DIR");
        for (int i = 0; i < buttons.size(); ++i) {
            QPushButton* byText = nullptr;
            for (QPushButton* b : m_dialog->findChildren<QPushButton*>())
                if (b->text() == buttons[i] && b->isCheckable())
                    byText = b;
            QVERIFY2(byText, qPrintable(buttons[i]));
            QTest::mouseClick(byText, Qt::LeftButton);
            QCOMPARE(m_dialog->currentPage(), i);
            QCOMPARE(QString(m_dialog->page(i)->metaObject()->className()), classes[i]);
            QCOMPARE(m_dialog->page(i)->group(), groups[i]);
            QVERIFY(m_dialog->page(i)->isVisible());
            QVERIFY2(!m_dialog->page(i)->styleSheet().isEmpty(), qPrintable(classes[i]));
            if (!shots.isEmpty())
                m_dialog->grab().save(QString("%1/options-%2.png").arg(shots).arg(i));
        }
        const auto* version = m_dialog->findChild<QLabel*>("lbVersion");
        QCOMPARE(version->text(), "ver: " + QCoreApplication::applicationVersion());

        // The hardware page summarised this PC when it was first shown.
        auto* hardware = qobject_cast<QOptionsHWFrame*>(m_dialog->page(QOptionsDialog::Hardware));
        QVERIFY(hardware->isGathered());
        QVERIFY(hardware->rowText("processor").contains("cores"));
        QVERIFY(hardware->rowText("memory").contains("GB") || hardware->rowText("memory").contains("MB"));
        QVERIFY(!hardware->rowText("storage").isEmpty());
        QVERIFY(!hardware->rowText("opengl").isEmpty());
        QVERIFY(!hardware->rowText("graphics").isEmpty());
        QVERIFY(!hardware->rowText("network").isEmpty());
    }

    // Edits survive page switches; Cancel writes nothing; Save writes every page and keeps
    // what no page shows.
    void saveAndCancel()
    {
        QVariantMap options = PVSettings::completeDefaultOptions({});
        QVariantMap ios = options["iosDevice"].toMap();
        ios["assistantTouch"] = true;
        ios["wiredResolution"] = 9; // out of range, untouched by the user
        options["iosDevice"] = ios;
        options["later"] = QVariantMap{{"x", 1}};
        setStoredOptions(options);
        pvApp()->settings()->setValue("KBMapping", QVariantMap{{"keyOpacity", 40}});
        pvApp()->settings()->sync();
        const QByteArray before = QJsonDocument(storedFile()).toJson();

        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        m_dialog->pageForGroup("iosDevice")->setSelectedIndex("wiredFps", 1);
        m_dialog->showPage(QOptionsDialog::AndroidDevice);
        m_dialog->showPage(QOptionsDialog::IOSDevice);
        QCOMPARE(m_dialog->pageForGroup("iosDevice")->selectedIndex("wiredFps"), 1);
        m_dialog->cancelButton()->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(QJsonDocument(storedFile()).toJson(), before);

        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        m_dialog->pageForGroup("general")->setSelectedIndex("lang", 3);        // Deutsch
        m_dialog->pageForGroup("iosDevice")->setSelectedIndex("wiredFps", 1);  // "30"
        m_dialog->pageForGroup("androidDevice")->setSelectedIndex("wiredBitrate", 0);
        m_dialog->pageForGroup("videoaudio")->setSelectedIndex("renderEngine", 0);
        m_dialog->pageForGroup("record")->setSelectedIndex("splitDuration", 3);
        m_dialog->saveButton()->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

        const QJsonObject file = storedFile();
        const QJsonObject saved = file["options"].toObject();
        QCOMPARE(saved["general"]["lang"].toString(), QString("de"));
        QCOMPARE(saved["iosDevice"]["wiredFps"], QJsonValue("30"));
        QCOMPARE(saved["iosDevice"]["assistantTouch"], QJsonValue(true));
        QCOMPARE(saved["iosDevice"]["wiredResolution"], QJsonValue(9));
        QCOMPARE(saved["androidDevice"]["wiredBitrate"], QJsonValue(1));
        QCOMPARE(saved["videoaudio"]["renderEngine"], QJsonValue(0));
        QCOMPARE(saved["record"]["splitDuration"], QJsonValue("3"));
        QCOMPARE(saved["record"]["savePath"], QJsonValue(options["record"].toMap()["savePath"].toString()));
        QCOMPARE(saved["later"].toObject(), QJsonObject({{"x", 1}}));
        QCOMPARE(file["KBMapping"].toObject(), QJsonObject({{"keyOpacity", 40}}));
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("enter on a page button saves") << "btnGeneral" << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("enter in a combo box saves") << "cbLang" << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("escape cancels") << "cbLang" << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void keyboard()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, result);
        setStoredOptions(PVSettings::completeDefaultOptions({}));
        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        QSignalSpy finished(m_dialog.get(), &QDialog::finished);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_dialog->activateWindow();
        auto* target = m_dialog->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();
        m_dialog->pageForGroup("general")->setSelectedIndex("closingAction", 2);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), result);
        const QJsonObject file = storedFile();
        const QString closing = file["options"]["general"]["closingAction"].toString();
        QCOMPARE(closing, QString(result == QDialog::Accepted ? "quit" : "askfirst"));
    }

    // Tab walks the page buttons, the shown page's controls and the action buttons in reading
    // order; arrow keys move between pages.
    void tabOrder()
    {
        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        QApplication::setActiveWindow(m_dialog.get());
        auto* general = m_dialog->findChild<QPushButton*>("btnGeneral");
        general->setFocus();
        QTest::keyClick(general, Qt::Key_Down);
        QCOMPARE(m_dialog->currentPage(), int(QOptionsDialog::IOSDevice));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(m_dialog->currentPage(), int(QOptionsDialog::General));

        QStringList order;
        for (int i = 0; i < 40 && order.size() < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString name = QApplication::focusWidget()->objectName();
            if (name == "btnGeneral")
                break;
            order << name;
        }
        const int lang = order.indexOf("cbLang");
        QVERIFY2(lang > order.indexOf("btnUpdate"), qPrintable(order.join(',')));
        QVERIFY2(order.indexOf("btnUninstall") > lang, qPrintable(order.join(',')));
        QVERIFY2(order.indexOf("btnRestore") > order.indexOf("btnUninstall"), qPrintable(order.join(',')));
        QVERIFY2(order.indexOf("btnSave") > order.indexOf("btnRestore"), qPrintable(order.join(',')));
        QVERIFY2(order.indexOf("btnCancel") > order.indexOf("btnSave"), qPrintable(order.join(',')));
        QVERIFY2(!order.contains("cbWiredResolution"), "a hidden page took the focus");
    }

    void restoreDefaults_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("declined") << false;
    }
    void restoreDefaults()
    {
        QFETCH(bool, confirm);
        QVariantMap options = PVSettings::completeDefaultOptions({});
        options["general"] = QVariantMap{{"lang", "ja"}};
        options["record"] = QVariantMap{{"splitDuration", "2"}};
        options["later"] = QVariantMap{{"x", 1}};
        setStoredOptions(options);
        pvApp()->settings()->setValue("autoLogin", true);
        pvApp()->settings()->sync();
        const QJsonObject before = storedFile();

        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        QSignalSpy finished(m_dialog.get(), &QDialog::finished);
        m_dialog->show();
        QString question;
        answerNextAlert(confirm, &question);
        m_dialog->restoreButton()->click();
        QCOMPARE(question, QString("Restoring the default settings will reset all options, do you want to continue?"));
        if (!confirm) {
            QVERIFY(m_dialog->isVisible());
            QCOMPARE(finished.count(), 0);
            QCOMPARE(storedFile(), before);
            return;
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        const QJsonObject file = storedFile();
        QCOMPARE(file["options"].toVariant().toMap(), PVSettings::completeDefaultOptions({}));
        QCOMPARE(file["autoLogin"], QJsonValue(true));
    }

    // The support answer decides the tip and whether the control radios can be used.
    void bluetoothSupport()
    {
        QCOMPARE(QOptionsIOSDeviceFrame::controlUnavailableReason(nullptr),
                 QString("Current OS Version is not supported."));
        SCBluetoothService missing("/nonexistent/pivora/libhidlink.so");
        QCOMPARE(QOptionsIOSDeviceFrame::controlUnavailableReason(&missing),
                 QString("No Bluetooth module or Bluetooth is not available."));
        SCBluetoothService recorder(HIDLINK_RECORDER_DIR "/libhidlink.so");
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isSupported(), kWaitMs);
        QCOMPARE(QOptionsIOSDeviceFrame::controlUnavailableReason(&recorder), QString());

        // Before the services start there is no service to ask.
        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        auto* ios = qobject_cast<QOptionsIOSDeviceFrame*>(m_dialog->page(QOptionsDialog::IOSDevice));
        QCOMPARE(ios->tipText(), QOptionsIOSDeviceFrame::controlUnavailableReason(pvApp()->bluetoothService()));
        QCOMPARE(ios->control("enableHID")->isEnabled(), ios->tipText().isEmpty());
    }

    // Capture devices come from the mixer; Change picks a folder; Open creates a missing
    // folder and hands it to the desktop, or says why it cannot.
    void recordingPage()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath("Movies/Pivora");
        QVariantMap options = PVSettings::completeDefaultOptions({});
        QVariantMap record = options["record"].toMap();
        record["savePath"] = missing;
        options["record"] = record;
        setStoredOptions(options);

        m_dialog = std::make_unique<QOptionsDialog>(nullptr);
        m_dialog->show();
        m_dialog->showPage(QOptionsDialog::Recording);
        auto* page = qobject_cast<QOptionsRecordFrame*>(m_dialog->page(QOptionsDialog::Recording));
        auto* devices = qobject_cast<QComboBox*>(page->control("audioInput"));
        QStringList names;
        pvoAudioEnumCaptureDevices([](int, const char* n, void* l) { static_cast<QStringList*>(l)->append(n); }, &names);
        QVERIFY(!names.isEmpty());
        QCOMPARE(devices->count(), names.size());
        QCOMPARE(devices->itemText(0), names.first());
        QCOMPARE(devices->currentIndex(), -1); // "" names no device
        QCOMPARE(page->savePath(), missing);

        UrlRecorder opener;
        QDesktopServices::setUrlHandler("file", &opener, "open");
        page->findChild<QPushButton*>("btnOpen")->click();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(opener.urls, QList<QUrl>{QUrl::fromLocalFile(missing)});
        QVERIFY(QDir(missing).exists());

        const QString chosen = dir.filePath("chosen");
        QVERIFY(QDir().mkpath(chosen));
        onNextModal([chosen](QWidget* modal) {
            auto* picker = qobject_cast<QFileDialog*>(modal);
            QVERIFY(picker);
            QCOMPARE(picker->windowTitle(), QString("Please select save folder"));
            picker->setDirectory(chosen);
            picker->selectFile(chosen);
            QMetaObject::invokeMethod(picker, "accept");
        });
        page->findChild<QPushButton*>("btnChange")->click();
        QCOMPARE(page->savePath(), chosen);
        devices->setCurrentIndex(0);
        const QVariantMap saved = page->save(record);
        QCOMPARE(saved["savePath"].toString(), chosen);
        QCOMPARE(saved["audioInput"].toString(), names.first());

        // A folder under a file cannot be created.
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        page->load(QVariantMap{{"savePath", dir.filePath("file/sub")}, {"audioInput", "gone"}});
        QCOMPARE(devices->currentIndex(), -1);
        QString said;
        answerNextAlert(true, &said);
        page->findChild<QPushButton*>("btnOpen")->click();
        QVERIFY2(said.startsWith("The save folder cannot be created."), qPrintable(said));
        // A device that is gone stays chosen until the user picks another.
        QCOMPARE(page->save({{"audioInput", "gone"}})["audioInput"].toString(), QString("gone"));
    }
};

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestOptionsDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_optionsdialog.moc"
