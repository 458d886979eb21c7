// Recording and screenshots of a device session driven through a channel with real H.264, from
// the window's control bar: record, split on a size change, stop, and the failures the user sees.

#include "RecordingTestStream.h"

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QEAlertDialog.h"
#include "ui/QEToast.h"
#include "ui/QPVDeviceWidget.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWaitMs = 30000;

const uint8_t* bytes(const QByteArray& a)
{
    return reinterpret_cast<const uint8_t*>(a.constData());
}

QByteArray hashOf(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5);
}

void setRecordOption(const QString& key, const QVariant& value)
{
    PVSettings::setOption(*pvApp()->settings(), QStringLiteral("record"), key, value);
}

// Closes the next modal alert and keeps its text.
class AlertCatcher : public QObject {
public:
    QString title;
    QString detail;
    void arm()
    {
        QTimer::singleShot(0, this, [this] {
            auto* alert = qobject_cast<QEAlertDialog*>(QApplication::activeModalWidget());
            if (!alert) {
                arm();
                return;
            }
            title = alert->title();
            detail = alert->detail();
            alert->accept();
        });
    }
};

} // namespace

class TestDeviceRecord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recordSplitsOnSizeChange();
    void recordClockFollowsTheDevice();
    void recordFailureUnchecksTheButton_data();
    void recordFailureUnchecksTheButton();
    void screenshotIsCutAndTurnedAsShown();
    void missingSaveFolderIsCreated();

private:
    void play(const DeviceTestStream& stream);
    void sendFrames(const DeviceTestStream& stream);
    void settle();
    QPushButton* button(const char* name) const;

    QPVAirPlayService m_service;
    DeviceTestStream m_stream;
    DeviceTestStream m_larger;
    QTemporaryDir m_folder;
    void* m_handle = nullptr;
    PVDevice* m_session = nullptr;
    QPointer<QPVDeviceWidget> m_window;
    double m_clock = 1.0;
};

void TestDeviceRecord::initTestCase()
{
    m_stream = DeviceTestStream::encode(160, 96, 12, 6);
    m_larger = DeviceTestStream::encode(192, 112, 12, 6);
    if (m_stream.frames.isEmpty() || m_larger.frames.isEmpty())
        QSKIP("libx264 is not available");
    QVERIFY(m_folder.isValid());
}

void TestDeviceRecord::init()
{
    setRecordOption("savePath", m_folder.path());
    setRecordOption("audioOutput", "silence");
    m_handle = m_service.Connect("phone", 4);
    auto* client = static_cast<QPVAirPlayClient*>(m_handle);
    client->createDeviceSession();
    m_session = client->deviceSession();
    m_window = m_session->deviceWidget();
    play(m_stream);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), kWaitMs);
}

void TestDeviceRecord::cleanup()
{
    m_service.removeChannel(m_handle);
    QTRY_VERIFY(m_window.isNull());
    QDir folder(m_folder.path());
    for (const QString& name : folder.entryList(QDir::Files))
        folder.remove(name);
}

void TestDeviceRecord::play(const DeviceTestStream& stream)
{
    m_service.MirroringStarted(m_handle, 0, 0, bytes(stream.record), stream.record.size(), 1, m_clock);
    sendFrames(stream);
}

void TestDeviceRecord::sendFrames(const DeviceTestStream& stream)
{
    for (const QByteArray& frame : stream.frames) {
        m_clock += 0.02;
        m_service.MirroringData(m_handle, bytes(frame), frame.size(), 0, m_clock, 0);
    }
}

// Lets the session handle every packet sent so far.
void TestDeviceRecord::settle()
{
    QCoreApplication::sendPostedEvents(m_session, QEvent::MetaCall);
}

QPushButton* TestDeviceRecord::button(const char* name) const
{
    return m_window->findChild<QPushButton*>(QLatin1String(name));
}

void TestDeviceRecord::recordSplitsOnSizeChange()
{
    settle();
    QPushButton* record = button("btnRecord");
    record->click();
    QVERIFY(record->isChecked());
    QVERIFY(m_session->isRecording());

    sendFrames(m_stream);
    settle();
    // The phone sends a new configuration: the recording goes on in a numbered file.
    m_clock += 0.02;
    m_service.MirroringData(m_handle, bytes(m_larger.record), m_larger.record.size(), 1, m_clock, 0);
    sendFrames(m_larger);
    settle();
    QVERIFY(m_session->isRecording());

    record->click();
    QVERIFY(!record->isChecked());
    QVERIFY(!m_session->isRecording());
    QCOMPARE(m_window->findChild<QLabel*>("labelRecord")->text(), QString("00:00:00"));

    const QStringList files = QDir(m_folder.path()).entryList({"Pivora_*.mp4"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 2);
    QVERIFY(files[1].endsWith("_1.mp4"));
    QCOMPARE(files[1], QFileInfo(files[0]).baseName() + "_1.mp4");
    const DeviceTestStream* sent[] = {&m_stream, &m_larger};
    for (int f = 0; f < 2; ++f) {
        const ProbedFile file = ProbedFile::read(QDir(m_folder.path()).filePath(files[f]));
        QVERIFY(file.opened);
        QCOMPARE(file.streams, 1);
        QCOMPARE(file.videoData.size(), sent[f]->frames.size());
        for (int i = 0; i < file.videoData.size(); ++i)
            QCOMPARE(hashOf(file.videoData[i]), hashOf(sent[f]->frames[i]));
        QCOMPARE(file.videoPtsUs.first(), int64_t(0));
    }
}

void TestDeviceRecord::recordClockFollowsTheDevice()
{
    settle();
    QPushButton* record = button("btnRecord");
    auto* clock = m_window->findChild<QLabel*>("labelRecord");
    record->click();
    QVERIFY(record->isChecked());
    QCOMPARE(record->toolTip(), QString("Stop Record"));
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != "00:00:00", kWaitMs);
    QVERIFY(clock->text().startsWith("00:00:0"));

    // A write failure ends the recording behind the bar's back: the bar follows at its next tick.
    AlertCatcher alert;
    alert.arm();
    m_session->reportRecordError(-1);
    QTRY_VERIFY_WITH_TIMEOUT(!m_session->isRecording(), kWaitMs);
    QCOMPARE(alert.detail, QString("Writing file error."));
    QTRY_VERIFY_WITH_TIMEOUT(!record->isChecked(), kWaitMs);
    QCOMPARE(clock->text(), QString("00:00:00"));
    QCOMPARE(record->toolTip(), QString("Start Record"));
}

void TestDeviceRecord::recordFailureUnchecksTheButton_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only folder") << "readonly" << "Writing file error.";
    // A file where a folder should be: the folder can never be made.
    QTest::newRow("folder cannot be created")
        << "blocked/deeper"
        << "The save folder cannot be created:\n%1\nPlease choose another folder in the settings.";
    QTest::newRow("no save folder") << "" << "Please config save path in options.";
}

void TestDeviceRecord::recordFailureUnchecksTheButton()
{
    QFETCH(QString, folder);
    QFETCH(QString, message);
    QTemporaryDir base;
    QString path = folder.isEmpty() ? QString() : base.filePath(folder);
    if (folder == "readonly") {
        QVERIFY(QDir().mkpath(path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(QDir(path).filePath("probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("this user can write into read-only folders");
        }
    }
    if (folder == "blocked/deeper") {
        QFile blocker(base.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        message = message.arg(path);
    }
    setRecordOption("savePath", path);
    settle();

    AlertCatcher alert;
    alert.arm();
    QPushButton* record = button("btnRecord");
    record->click();
    QVERIFY(!record->isChecked());
    QVERIFY(!m_session->isRecording());
    QCOMPARE(alert.title, QString("Recording error"));
    QCOMPARE(alert.detail, message);
    QCOMPARE(record->toolTip(), QString("Start Record"));
    if (folder == "readonly")
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestDeviceRecord::screenshotIsCutAndTurnedAsShown()
{
    settle();
    QTRY_COMPARE_WITH_TIMEOUT(m_window->frameSize(), QSize(160, 96), kWaitMs);
    QRenderWidget* render = m_window->renderWidget();
    // The left quarter of the picture, turned a quarter clockwise.
    render->setCropRect(QRectF(0, 0, 0.25, 1));
    render->rotate(90, false);

    button("btnCapture")->click();
    const QStringList shots = QDir(m_folder.path()).entryList({"Pivora_Screenshot*.png"}, QDir::Files);
    QCOMPARE(shots.size(), 1);
    QImage image(QDir(m_folder.path()).filePath(shots[0]), "PNG");
    QCOMPARE(image.size(), QSize(96, 40));
    // The pictures are flat grey: every pixel keeps the luma of a sent picture.
    const int grey = qGray(image.pixel(0, 0));
    QVERIFY(grey > 20 && grey < 140);
    QCOMPARE(qGray(image.pixel(95, 39)), grey);

    bool toasted = false;
    for (QEToast* toast : m_window->findChildren<QEToast*>())
        toasted |= toast->text() == "Screenshot is saved successfully!";
    QVERIFY(toasted);
}

// A fresh account has no Movies folder: the first recording and the first screenshot make it.
void TestDeviceRecord::missingSaveFolderIsCreated()
{
    QTemporaryDir base;
    const QString recordings = base.filePath("home/Movies");
    setRecordOption("savePath", recordings);
    settle();
    QPushButton* record = button("btnRecord");
    record->click();
    QVERIFY(record->isChecked());
    QVERIFY(m_session->isRecording());
    QVERIFY(QFileInfo(recordings).isDir());
    sendFrames(m_stream);
    settle();
    record->click();
    QVERIFY(!m_session->isRecording());
    QCOMPARE(QDir(recordings).entryList({"Pivora_*.mp4"}, QDir::Files).size(), 1);

    const QString shots = base.filePath("other/Screenshots");
    setRecordOption("savePath", shots);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->frameSize(), QSize(160, 96), kWaitMs);
    button("btnCapture")->click();
    QCOMPARE(QDir(shots).entryList({"Pivora_Screenshot*.png"}, QDir::Files).size(), 1);
}

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestDeviceRecord test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_devicerecord.moc"
