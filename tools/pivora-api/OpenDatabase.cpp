#include "OpenDatabase.h"

#include "Migrations.h"
#include "PostgresConnection.h"
#include "SqliteConnection.h"

#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Password hashes live here: the file is the user's alone from its first byte.
void createPrivateFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    else if (errno != EEXIST)
        throw StoreError(StoreError::Kind::Unavailable,
                         "cannot create the database file: " + std::string(std::strerror(errno)));
}

} // namespace

bool isPostgresAddress(const std::string& address)
{
    return address.rfind("postgresql://", 0) == 0 || address.rfind("postgres://", 0) == 0;
}

std::string defaultDatabasePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/pivora-api");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return (folder + QStringLiteral("/accounts.sqlite3")).toStdString();
}

std::unique_ptr<Database> openDatabase(const DatabaseSettings& settings, int64_t now)
{
    Database::Factory factory;
    std::unique_ptr<Database> database;
    if (isPostgresAddress(settings.address)) {
        PostgresSettings postgres{settings.address, 5, settings.statementTimeoutMs, settings.lockTimeoutMs};
        factory = [postgres] { return std::make_unique<PostgresConnection>(postgres); };
        database = std::make_unique<Database>(SqlDialect::Postgres, factory, settings.poolSize,
                                              settings.statementTimeoutMs);
    } else {
        const std::string path = settings.address;
        if (path.rfind("file:", 0) != 0 && path != ":memory:")
            createPrivateFile(path);
        const int busy = settings.busyTimeoutMs;
        auto writeLock = std::make_shared<SqliteWriteGate>();
        factory = [path, busy, writeLock] { return std::make_unique<SqliteConnection>(path, busy, writeLock); };
        database = std::make_unique<Database>(SqlDialect::Sqlite, factory, settings.poolSize, settings.busyTimeoutMs);
    }
    migrateSchema(*database, now);
    return database;
}
