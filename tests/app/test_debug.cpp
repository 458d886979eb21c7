#include "app/PVDebug.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

extern "C" {
#include <libavutil/log.h>
}

namespace {

const QDateTime kTime(QDate(2024, 3, 5), QTime(14, 7, 9));
const QByteArray kRecordEnd("\r\n\r\n\r\n");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileOfSize(const QString& path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

void callFfmpeg(int level, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    PVDebug::ffmpegLogCallback(nullptr, level, format, args);
    va_end(args);
}

} // namespace

class TestDebug : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    PVDebug* m_log = nullptr;

    QString dayFolder(const QDateTime& time = kTime) const
    {
        return m_dir->filePath("log/" + time.toString("yyyy-MM-dd") + "/");
    }
    QByteArray current() const { return readFile(dayFolder() + "log.txt"); }
    void setTime(const QDateTime& time) { m_log->setClock([time] { return time; }); }

private slots:
    void init()
    {
        const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QVERIFY(QDir().mkpath(home));
        m_dir = std::make_unique<QTemporaryDir>(home + "/log-XXXXXX");
        m_log = PVDebug::instance();
        m_log->setLogRoot(m_dir->path());
        setTime(kTime);
    }
    void cleanup() { PVDebug::uninstall(); }

    void recordIsByteExact_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("levelText");
        QTest::newRow("warning") << int(QtWarningMsg) << QByteArray("Warning...............................");
        QTest::newRow("critical") << int(QtCriticalMsg) << QByteArray("Critical..............................");
        QTest::newRow("fatal") << int(QtFatalMsg) << QByteArray("Fatal.................................");
        QTest::newRow("info") << int(QtInfoMsg) << QByteArray("Default...............................");
    }
    void recordIsByteExact()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, levelText);
        m_log->log(QtMsgType(type), "disk %1 full");
        const QByteArray day = QLocale::system().dayName(2, QLocale::ShortFormat).toUtf8();
        QCOMPARE(current(), levelText + "\r\nTime: 2024-03-05 14:07:09 " + day + "\r\n\r\nMSG : disk %1 full" + kRecordEnd);
    }

    void debugStaysOffDisk()
    {
        m_log->install();
        qDebug("console only");
        QVERIFY(!QFileInfo::exists(m_dir->filePath("log")));
        qWarning("to the file");
        QVERIFY(current().endsWith("MSG : to the file" + kRecordEnd));
        QVERIFY(!current().contains("console"));
    }

    void midnightStartsNewDayFolder()
    {
        const QDateTime next(QDate(2024, 3, 6), QTime(0, 0, 1));
        setTime(QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)));
        m_log->log(QtWarningMsg, "late");
        setTime(next);
        m_log->log(QtWarningMsg, "early");
        QVERIFY(current().endsWith("MSG : late" + kRecordEnd));
        QVERIFY(readFile(dayFolder(next) + "log.txt").startsWith("Warning....."));
        QVERIFY(readFile(dayFolder(next) + "log.txt").contains("Time: 2024-03-06 00:00:01"));
    }

    // rotated: sizes of log_1.txt, log_2.txt... before the record (-1: missing);
    // target: the number the full file becomes, 0 when it keeps growing.
    void rotation_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QList<int>>("rotated");
        QTest::addColumn<int>("target");
        QTest::newRow("next free number") << qint64(1048576) << QList<int>{10} << 2;
        QTest::newRow("gap is reused") << qint64(1048576) << QList<int>{10, -1, 10} << 2;
        QTest::newRow("tiny file is replaced") << qint64(1048576) << QList<int>{10, 3} << 2;
        QTest::newRow("record reaches the limit") << qint64(1048576 - 20) << QList<int>{} << 1;
        QTest::newRow("below the limit") << qint64(1000) << QList<int>{} << 0;
        QTest::newRow("all numbers taken") << qint64(1048576) << QVector<int>(99, 10).toList() << 0;
    }
    void rotation()
    {
        QFETCH(qint64, size);
        QFETCH(QList<int>, rotated);
        QFETCH(int, target);
        const QString folder = dayFolder();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFileOfSize(folder + "log.txt", size));
        for (int i = 0; i < rotated.size(); ++i)
            QVERIFY(rotated[i] < 0 || writeFileOfSize(folder + QString("log_%1.txt").arg(i + 1), rotated[i]));

        m_log->log(QtWarningMsg, "first");
        if (target == 0) {
            QVERIFY(current().endsWith("MSG : first" + kRecordEnd));
            return;
        }
        QVERIFY(!QFileInfo::exists(folder + "log.txt"));
        const QString full = folder + QString("log_%1.txt").arg(target);
        QVERIFY(QFileInfo(full).size() > 1048576 - 20);
        QVERIFY(readFile(full).endsWith("MSG : first" + kRecordEnd));
        m_log->log(QtWarningMsg, "second");
        QVERIFY(current().startsWith("Warning....") && current().count("MSG : ") == 1);
    }

    void unwritableRootIsSkipped()
    {
        const QString blocker = m_dir->filePath("blocker");
        QVERIFY(writeFileOfSize(blocker, 1));
        m_log->setLogRoot(blocker);
        m_log->log(QtCriticalMsg, "nowhere to go");
        QCOMPARE(QFileInfo(blocker).size(), qint64(1));
    }

    void threadsWriteWholeRecords()
    {
        m_log->install();
        auto writer = [](const char* tag) {
            return QThread::create([tag] {
                for (int i = 0; i < 200; ++i)
                    qWarning("%s message %d", tag, i);
            });
        };
        std::unique_ptr<QThread> a(writer("alpha")), b(writer("beta"));
        a->start();
        b->start();
        QVERIFY(a->wait() && b->wait());

        // Removing every complete record must leave nothing behind.
        QString text = QString::fromUtf8(current());
        const QRegularExpression record("Warning\\.{31}\r\nTime: [^\r\n]+\r\n\r\nMSG : (alpha|beta) message \\d+\r\n\r\n\r\n");
        QCOMPARE(text.count(record), 400);
        QCOMPARE(text.remove(record), QString());
    }

    void ffmpegLevels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QByteArray>("levelText");
        QTest::newRow("panic") << AV_LOG_PANIC << QByteArray("Fatal....");
        QTest::newRow("fatal") << AV_LOG_FATAL << QByteArray("Fatal....");
        QTest::newRow("error") << AV_LOG_ERROR << QByteArray("Critical....");
        QTest::newRow("warning") << AV_LOG_WARNING << QByteArray("Warning....");
        QTest::newRow("info") << AV_LOG_INFO << QByteArray("Default....");
        QTest::newRow("warning with colour") << (AV_LOG_WARNING | AV_LOG_C(134)) << QByteArray("Warning....");
        QTest::newRow("verbose") << AV_LOG_VERBOSE << QByteArray();
        QTest::newRow("trace") << AV_LOG_TRACE << QByteArray();
    }
    void ffmpegLevels()
    {
        QFETCH(int, level);
        QFETCH(QByteArray, levelText);
        m_log->install();
        const QByteArray longName(700, 'n');
        callFfmpeg(level, "stream %d of %s\n", 42, longName.constData());
        if (levelText.isEmpty()) {
            QVERIFY(!QFileInfo::exists(m_dir->filePath("log")));
            return;
        }
        QVERIFY(current().startsWith(levelText));
        QVERIFY(current().endsWith("\r\nMSG : [FFmpeg] stream 42 of " + longName + "\n" + kRecordEnd));
    }
};

QTEST_GUILESS_MAIN(TestDebug)
#include "test_debug.moc"
