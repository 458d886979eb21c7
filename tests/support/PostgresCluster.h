#pragma once
// A private PostgreSQL server for a test: a new cluster in a temporary folder, reachable only
// through a Unix socket there (no TCP), stopped and deleted with this object. The server
// refuses to run as root, so under root it runs as the "postgres" system user.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <unistd.h>

class PostgresCluster {
public:
    // durable: flush every commit to disk, as a production server does (for measurements).
    explicit PostgresCluster(bool durable = false) : m_durable(durable) {}
    ~PostgresCluster() { stop(); }

    // The folder with initdb and pg_ctl: $PIVORA_PG_BINDIR, else the newest
    // /usr/lib/postgresql/<version>/bin; empty when the server is not installed.
    static QString serverBinDir()
    {
        const QString configured = qEnvironmentVariable("PIVORA_PG_BINDIR");
        if (!configured.isEmpty())
            return hasServer(configured) ? configured : QString();
        QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
        for (const QString& version : versions) {
            const QString bin = "/usr/lib/postgresql/" + version + "/bin";
            if (hasServer(bin))
                return bin;
        }
        return QString();
    }

    // Creates and starts the cluster with an empty database "pivora". False (with the reason)
    // on failure.
    bool start(QString* why)
    {
        m_bin = serverBinDir();
        if (m_bin.isEmpty()) {
            *why = "PostgreSQL server binaries not found";
            return false;
        }
        if (!m_dir.isValid() || !m_socketDir.isValid()) {
            *why = "no temporary folder";
            return false;
        }
        if (geteuid() == 0 && (!run("chown", {"postgres:", m_dir.path()}, why, false)
                               || !run("chown", {"postgres:", m_socketDir.path()}, why, false)))
            return false;
        if (!run(m_bin + "/initdb", {"-D", dataDir(), "-U", "pivora", "-A", "trust", "--no-sync", "-E", "UTF8",
                                     "--locale=C"}, why))
            return false;
        if (!startServer(why))
            return false;
        return run(m_bin + "/createdb", {"-h", m_socketDir.path(), "-U", "pivora", "pivora"}, why);
    }

    // The server process only; the cluster and its data stay (for restart()).
    bool stopServer()
    {
        if (!m_running)
            return true;
        QString why;
        m_running = !run(m_bin + "/pg_ctl", {"-D", dataDir(), "-m", "immediate", "-w", "stop"}, &why);
        return !m_running;
    }
    bool startServer(QString* why)
    {
        // Commits reach the server's files before they are answered, so data survives a
        // stopped server; only the flush to disk is skipped unless asked for.
        QString options = "-k " + m_socketDir.path() + " -c listen_addresses= -c max_connections=200";
        if (!m_durable)
            options += " -c fsync=off -c full_page_writes=off";
        m_running = run(m_bin + "/pg_ctl", {"-D", dataDir(), "-l", m_dir.path() + "/server.log", "-w", "-t", "120",
                                            "-o", options, "start"}, why);
        return m_running;
    }
    void stop() { stopServer(); }

    // A libpq address of database name (default "pivora").
    QString address(const QString& database = "pivora") const
    {
        return "postgresql:///" + database + "?host=" + m_socketDir.path() + "&user=pivora";
    }
    bool createDatabase(const QString& name, QString* why)
    {
        return run(m_bin + "/createdb", {"-h", m_socketDir.path(), "-U", "pivora", name}, why);
    }

private:
    static bool hasServer(const QString& bin)
    {
        return QFile::exists(bin + "/initdb") && QFile::exists(bin + "/pg_ctl") && QFile::exists(bin + "/postgres");
    }

    QString dataDir() const { return m_dir.path() + "/data"; }

    bool run(const QString& program, const QStringList& arguments, QString* why, bool asServerUser = true)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        if (asServerUser && geteuid() == 0)
            process.start("runuser", QStringList{"-u", "postgres", "--", program} + arguments);
        else
            process.start(program, arguments);
        if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            *why = QFileInfo(program).fileName() + " failed: " + QString::fromLocal8Bit(process.readAll()).trimmed();
            return false;
        }
        return true;
    }

    QTemporaryDir m_dir;
    // Socket paths are short (about 100 bytes), so the socket gets a folder of its own in /tmp
    // rather than one deep in the build tree.
    QTemporaryDir m_socketDir{"/tmp/pivora-pg-XXXXXX"};
    QString m_bin;
    bool m_durable;
    bool m_running = false;
};
