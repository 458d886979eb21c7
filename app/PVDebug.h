#pragma once
#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdarg>
#include <functional>

// The process-wide logger behind qInfo/qWarning/qCritical/qFatal: every message except debug
// messages is appended as a record to "<log root>/log/<yyyy-MM-dd>/log.txt", which is rotated
// to log_1.txt .. log_99.txt at 1 MiB. Debug messages go to standard output only. Files that
// cannot be written are skipped; logging never fails the caller.
class PVDebug : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    explicit PVDebug(QObject* parent = nullptr);
    ~PVDebug() override;

    // The process's logger, created on first use.
    static PVDebug* instance();
    // Unregisters the message handler and deletes the instance (application tear-down).
    static void uninstall();

    void setLogRoot(const QString& root);
    QString logRoot() const;
    // Registers the message handler with Qt.
    void install();
    // Local time source of the records and day folders; an empty clock means the system clock.
    void setClock(Clock clock);

    // Handles one message the way the installed handler does.
    void log(QtMsgType type, const QString& message);

    // For av_log_set_callback: "[FFmpeg] " + the formatted text; error → critical, warning →
    // warning, info → info, panic and fatal → a fatal record (without aborting); others dropped.
    static void ffmpegLogCallback(void* avClass, int level, const char* format, va_list args);

    // The text of one record, without the trailing line ends.
    static QString record(QtMsgType type, const QDateTime& time, const QString& message);

private:
    static void messageHandler(QtMsgType type, const QMessageLogContext& context,
                               const QString& message);
    static void dispatch(QtMsgType type, const QString& message);
    void write(QtMsgType type, const QString& message);
    QDateTime now() const;

    QString m_logRoot;
    Clock m_clock;
};
