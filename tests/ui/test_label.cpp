#include "ui/QELabel.h"

#include <httplib.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace {
QByteArray pngBytes(const QSize &size, Qt::GlobalColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qWarning("test: cannot write %s", qUtf8Printable(path));
}

// Loopback picture server counting requests per path: /pic/<name>.png answers a 40x20 PNG,
// /broken/<name>.png a 500 error page.
class PictureServer {
public:
    PictureServer()
    {
        const QByteArray png = pngBytes(QSize(40, 20), Qt::red);
        m_png.assign(png.constData(), size_t(png.size()));
        m_server.Get(R"(/pic/(\w+)\.png)", [this](const httplib::Request &req, httplib::Response &res) {
            count(req.path);
            res.set_content(m_png, "image/png");
        });
        m_server.Get(R"(/broken/(\w+)\.png)", [this](const httplib::Request &req, httplib::Response &res) {
            count(req.path);
            res.status = 500;
            res.set_content("internal error", "text/plain");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~PictureServer()
    {
        m_server.stop();
        m_thread.join();
    }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }
    int hits(const QString &path)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_hits[path.toStdString()];
    }

private:
    void count(const std::string &path)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_hits[path];
    }

    httplib::Server m_server;
    std::string m_png;
    int m_port = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::map<std::string, int> m_hits;
};

constexpr int kNetTimeout = 20000;

// Counts download failures logged while still passing every message on to Qt Test.
QtMessageHandler s_previous = nullptr;
std::atomic<int> s_failures{0};
void countFailures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("picture download failed")))
        ++s_failures;
    if (s_previous)
        s_previous(type, context, message);
}
}  // namespace

class TestLabel : public QObject {
    Q_OBJECT
private:
    PictureServer *m_server = nullptr;
    QNetworkAccessManager *m_manager = nullptr;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        m_server = new PictureServer;
        m_manager = new QNetworkAccessManager(this);
        m_manager->setProxy(QNetworkProxy::NoProxy);
        QELabel::setNetworkAccessManager(m_manager);
        QVERIFY(m_dir.isValid());
    }
    void cleanupTestCase() { delete m_server; }
    void init()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    }

    void clickedOnLeftReleaseInside_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left inside") << int(Qt::LeftButton) << QPoint(10, 10) << 1;
        QTest::newRow("right inside") << int(Qt::RightButton) << QPoint(10, 10) << 0;
        QTest::newRow("left released outside") << int(Qt::LeftButton) << QPoint(500, 10) << 0;
    }
    void clickedOnLeftReleaseInside()
    {
        QFETCH(int, button);
        QFETCH(QPoint, pos);
        QFETCH(int, clicks);
        QELabel label(QStringLiteral("Forgot Password?"));
        label.resize(120, 24);
        QSignalSpy clicked(&label, &QELabel::clicked);
        const auto b = Qt::MouseButton(button);
        QMouseEvent pressEvent(QEvent::MouseButtonPress, QPoint(10, 10), b, b, Qt::NoModifier);
        QApplication::sendEvent(&label, &pressEvent);
        QCOMPARE(clicked.count(), 0);
        QMouseEvent releaseEvent(QEvent::MouseButtonRelease, pos, b, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &releaseEvent);
        QCOMPARE(clicked.count(), clicks);
    }

    void localPictureScaling_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("scaledContents");
        QTest::addColumn<QSize>("shown");
        // 200x100 picture on a 100x100 label
        QTest::newRow("no scaling") << 0 << false << QSize(200, 100);
        QTest::newRow("scaled contents ignore aspect") << 0 << true << QSize(100, 100);
        QTest::newRow("keep aspect") << int(Qt::KeepAspectRatio) << false << QSize(100, 50);
        QTest::newRow("keep aspect by expanding") << int(Qt::KeepAspectRatioByExpanding) << false
                                                  << QSize(200, 100);
    }
    void localPictureScaling()
    {
        QFETCH(int, mode);
        QFETCH(bool, scaledContents);
        QFETCH(QSize, shown);
        const QString path = m_dir.filePath(QStringLiteral("wide.png"));
        writeFile(path, pngBytes(QSize(200, 100), Qt::blue));
        QELabel label;
        label.resize(100, 100);
        label.setScaledContents(scaledContents);
        label.setScaleMode(mode);
        label.setPicture(path);
        QCOMPARE(label.picture(), path);
        QCOMPARE(label.pixmap(Qt::ReturnByValue).size(), shown);
    }

    void badInputIsLoggedNotFatal()
    {
        QELabel label;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown scaling mode"));
        label.setScaleMode(42);
        QCOMPARE(label.scaleMode(), 0);

        const QString notAPicture = m_dir.filePath(QStringLiteral("text.png"));
        writeFile(notAPicture, "hello");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read picture"));
        label.setPicture(notAPicture);
        QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());

        label.setPicture(QString());
        QVERIFY(label.picture().isEmpty());
    }

    void cacheFileNamedByMd5()
    {
        const QString path = QELabel::cacheFilePath(QStringLiteral("abc"));
        QCOMPARE(path, QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                           + QStringLiteral("/900150983cd24fb0d6963f7d28e17f72"));
    }

    void sameAddressDownloadsOnce()
    {
        const QString url = m_server->url(QStringLiteral("/pic/once.png"));
        QELabel first;
        QSignalSpy loaded(&first, &QELabel::didLoadPicture);
        first.setPicture(url);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, kNetTimeout);
        QCOMPARE(first.pixmap(Qt::ReturnByValue).size(), QSize(40, 20));
        QVERIFY(QFileInfo(QELabel::cacheFilePath(url)).size() > 0);
        first.setPicture(url);

        // A second label finds the fresh cache and loads without asking.
        QELabel second;
        QSignalSpy secondLoaded(&second, &QELabel::didLoadPicture);
        second.setPicture(url);
        QCOMPARE(secondLoaded.count(), 1);

        // Let an unrelated download finish so a stray request would have been counted too.
        QELabel other;
        QSignalSpy otherLoaded(&other, &QELabel::didLoadPicture);
        other.setPicture(m_server->url(QStringLiteral("/pic/other.png")));
        QTRY_COMPARE_WITH_TIMEOUT(otherLoaded.count(), 1, kNetTimeout);
        QCOMPARE(m_server->hits(QStringLiteral("/pic/once.png")), 1);
    }

    void cacheStateDecidesFetch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<int>("hits");
        QTest::newRow("fresh cache used") << "fresh" << false << 60 << 0;
        QTest::newRow("empty cache counts as missing") << "empty" << true << 60 << 1;
        QTest::newRow("cache older than an hour refetched") << "stale" << false << 3700 << 1;
    }
    void cacheStateDecidesFetch()
    {
        QFETCH(QString, name);
        QFETCH(bool, empty);
        QFETCH(int, ageSeconds);
        QFETCH(int, hits);
        const QString path = QStringLiteral("/pic/%1.png").arg(name);
        const QString url = m_server->url(path);
        const QString cache = QELabel::cacheFilePath(url);
        writeFile(cache, empty ? QByteArray() : pngBytes(QSize(8, 8), Qt::green));
        QFile file(cache);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
        file.close();

        QELabel label;
        QSignalSpy loaded(&label, &QELabel::didLoadPicture);
        label.setPicture(url);
        QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, kNetTimeout);
        QCOMPARE(m_server->hits(path), hits);
        QCOMPARE(label.pixmap(Qt::ReturnByValue).size(), hits ? QSize(40, 20) : QSize(8, 8));
    }

    void failedDownloadKeepsCache_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("cached");
        QTest::newRow("stale good cache kept and shown") << "kept" << true;
        QTest::newRow("nothing cached, nothing written") << "none" << false;
    }
    void failedDownloadKeepsCache()
    {
        QFETCH(QString, name);
        QFETCH(bool, cached);
        const QString path = QStringLiteral("/broken/%1.png").arg(name);
        const QString url = m_server->url(path);
        const QString cache = QELabel::cacheFilePath(url);
        const QByteArray good = pngBytes(QSize(8, 8), Qt::green);
        if (cached) {
            writeFile(cache, good);
            QFile file(cache);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-7200),
                                     QFileDevice::FileModificationTime));
        }

        s_failures = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countFailures);
        s_previous = previous;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("picture download failed"));
        QELabel label;
        QSignalSpy loaded(&label, &QELabel::didLoadPicture);
        label.setPicture(url);
        QTRY_COMPARE_WITH_TIMEOUT(int(s_failures), 1, kNetTimeout);
        qInstallMessageHandler(previous);

        QCOMPARE(m_server->hits(path), 1);
        QCOMPARE(loaded.count(), cached ? 1 : 0);
        QFile file(cache);
        if (cached) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), good);
            QCOMPARE(label.pixmap(Qt::ReturnByValue).size(), QSize(8, 8));
        } else {
            QVERIFY(!file.exists());
            QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());
        }
    }

    void lateReplyDoesNotReplaceNewerPicture()
    {
        const QString local = m_dir.filePath(QStringLiteral("square.png"));
        writeFile(local, pngBytes(QSize(64, 64), Qt::yellow));
        const QString url = m_server->url(QStringLiteral("/pic/late.png"));
        QELabel label;
        label.setPicture(url);
        label.setPicture(local);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(QELabel::cacheFilePath(url)).size() > 0, kNetTimeout);
        QCoreApplication::processEvents();
        QCOMPARE(label.pixmap(Qt::ReturnByValue).size(), QSize(64, 64));
    }

    void managerGoneMeansNoDownload()
    {
        auto *manager = new QNetworkAccessManager;
        QELabel::setNetworkAccessManager(manager);
        delete manager;
        QVERIFY(!QELabel::networkAccessManager());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no network manager"));
        QELabel label;
        label.setPicture(m_server->url(QStringLiteral("/pic/nomanager.png")));
        QCOMPARE(m_server->hits(QStringLiteral("/pic/nomanager.png")), 0);
        QELabel::setNetworkAccessManager(m_manager);
    }
};

QTEST_MAIN(TestLabel)
#include "test_label.moc"
