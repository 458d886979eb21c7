#include "app/PVDebug.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <iostream>

extern "C" {
#include <libavutil/log.h>
}

namespace {

const qint64 kRotateSize = 1048576;
const int kMaxRotated = 99;
// A rotated file this small holds no record and may be reused.
const qint64 kReusableSize = 4;
const int kLevelTextWidth = 38;

// Serialises all messages so records never interleave and rotation sees a closed file.
QMutex s_handlerMutex;
// Guards the lazy creation of the instance.
QMutex s_instanceMutex;
PVDebug* s_instance = nullptr;
// Set while this thread is inside the handler: a message raised by the file operations
// themselves must not take the mutex again.
thread_local bool t_inHandler = false;

class HandlerScope {
public:
    HandlerScope() { t_inHandler = true; }
    ~HandlerScope() { t_inHandler = false; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

void writeNested(const QString& message)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

QString defaultLogRoot()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QDir::tempPath() : cache + QStringLiteral("/pivora");
}

QString levelText(QtMsgType type)
{
    QString text;
    switch (type) {
    case QtWarningMsg:
        text = QStringLiteral("Warning");
        break;
    case QtCriticalMsg:
        text = QStringLiteral("Critical");
        break;
    case QtFatalMsg:
        text = QStringLiteral("Fatal");
        break;
    default:
        text = QStringLiteral("Default");
        break;
    }
    return text.leftJustified(kLevelTextWidth, QLatin1Char('.'));
}

QString dayFolder(const QString& root, const QDateTime& time)
{
    return QStringLiteral("%1/log/%2").arg(root, time.toString(QStringLiteral("yyyy-MM-dd")))
        + QLatin1Char('/');
}

void appendToFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QTextStream out(&file);
    out << text << "\r\n\r\n\r\n";
    out.flush();
    file.close();
}

void rotateIfFull(const QString& folder)
{
    const QString current = folder + QStringLiteral("log.txt");
    if (QFileInfo(current).size() < kRotateSize)
        return;
    for (int number = 1; number <= kMaxRotated; ++number) {
        const QString rotated = folder + QStringLiteral("log_%1.txt").arg(number);
        const QFileInfo info(rotated);
        if (info.exists() && info.size() >= kReusableSize)
            continue;
        if (info.exists())
            QFile::remove(rotated);
        QFile::rename(current, rotated);
        return;
    }
}

QByteArray formatPrintf(const char* format, va_list args)
{
    va_list sizing;
    va_copy(sizing, args);
    char small[512];
    const int length = std::vsnprintf(small, sizeof(small), format, sizing);
    va_end(sizing);
    if (length < 0)
        return QByteArray();
    if (length < int(sizeof(small)))
        return QByteArray(small, length);
    QByteArray text(length, '\0');
    std::vsnprintf(text.data(), size_t(length) + 1, format, args);
    return text;
}

} // namespace

PVDebug::PVDebug(QObject* parent)
    : QObject(parent)
    , m_logRoot(defaultLogRoot())
{
}

PVDebug::~PVDebug()
{
    QMutexLocker locker(&s_instanceMutex);
    if (s_instance == this)
        s_instance = nullptr;
}

PVDebug* PVDebug::instance()
{
    QMutexLocker locker(&s_instanceMutex);
    if (!s_instance)
        s_instance = new PVDebug;
    return s_instance;
}

void PVDebug::uninstall()
{
    qInstallMessageHandler(nullptr);
    QMutexLocker handlerLock(&s_handlerMutex);
    PVDebug* doomed = nullptr;
    {
        QMutexLocker instanceLock(&s_instanceMutex);
        doomed = s_instance;
    }
    delete doomed;
}

void PVDebug::setLogRoot(const QString& root)
{
    QMutexLocker locker(&s_handlerMutex);
    m_logRoot = root;
}

QString PVDebug::logRoot() const
{
    QMutexLocker locker(&s_handlerMutex);
    return m_logRoot;
}

void PVDebug::install()
{
    qInstallMessageHandler(&PVDebug::messageHandler);
}

void PVDebug::setClock(Clock clock)
{
    QMutexLocker locker(&s_handlerMutex);
    m_clock = std::move(clock);
}

void PVDebug::log(QtMsgType type, const QString& message)
{
    if (t_inHandler) {
        writeNested(message);
        return;
    }
    HandlerScope scope;
    QMutexLocker locker(&s_handlerMutex);
    write(type, message);
}

void PVDebug::messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    dispatch(type, message);
}

void PVDebug::dispatch(QtMsgType type, const QString& message)
{
    if (t_inHandler) {
        writeNested(message);
        return;
    }
    HandlerScope scope;
    // Taken before the instance is looked up, so uninstall() cannot delete it under us.
    QMutexLocker locker(&s_handlerMutex);
    instance()->write(type, message);
}

void PVDebug::write(QtMsgType type, const QString& message)
{
    if (type == QtDebugMsg) {
        std::cout << message.toStdString() << std::endl;
        return;
    }
    const QDateTime time = now();
    const QString folder = dayFolder(m_logRoot, time);
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        return;
    appendToFile(folder + QStringLiteral("log.txt"), record(type, time, message));
    rotateIfFull(folder);
}

QDateTime PVDebug::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

QString PVDebug::record(QtMsgType type, const QDateTime& time, const QString& message)
{
    return QStringLiteral("%1\r\n%2\r\n%3\r\n%4")
        .arg(levelText(type),
             QStringLiteral("Time: %1").arg(time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss ddd"))),
             QString(), QStringLiteral("MSG : ") + message);
}

void PVDebug::ffmpegLogCallback(void*, int level, const char* format, va_list args)
{
    // The upper bits may carry a colour hint.
    const int severity = level & 0xff;
    if (severity > AV_LOG_INFO || !format)
        return;
    const QByteArray text = QByteArrayLiteral("[FFmpeg] ") + formatPrintf(format, args);
    switch (severity) {
    case AV_LOG_PANIC:
    case AV_LOG_FATAL:
        // Through the handler directly: qFatal would abort the process.
        dispatch(QtFatalMsg, QString::fromUtf8(text));
        break;
    case AV_LOG_ERROR:
        qCritical("%s", text.constData());
        break;
    case AV_LOG_WARNING:
        qWarning("%s", text.constData());
        break;
    case AV_LOG_INFO:
        qInfo("%s", text.constData());
        break;
    default:
        break;
    }
}
