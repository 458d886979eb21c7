#include "app/PVProcessList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PVProcessList {

namespace {

constexpr int kCommLength = 15;

QString baseName(QString path)
{
    path.replace('\\', '/');
    return path.section('/', -1);
}

QByteArray readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

void addNamesOf(const QString& pidDir, QStringList& names)
{
    const QString comm = QString::fromUtf8(readSmallFile(pidDir + "/comm")).trimmed();
    if (!comm.isEmpty())
        names << comm;
    const QString exe = QFileInfo(pidDir + "/exe").symLinkTarget();
    if (!exe.isEmpty())
        names << baseName(exe);
    const QByteArray cmdline = readSmallFile(pidDir + "/cmdline");
    const QString argv0 = QString::fromUtf8(cmdline.left(cmdline.indexOf('\0')));
    if (!argv0.isEmpty())
        names << baseName(argv0);
}

} // namespace

QStringList runningProcessNames(const QString& procRoot)
{
    QStringList names;
    const QDir proc(procRoot);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        entry.toUInt(&isPid);
        if (isPid)
            addNamesOf(proc.filePath(entry), names);
    }
    names.removeDuplicates();
    return names;
}

QString findRunning(const QStringList& programs, const QStringList& processNames)
{
    for (const QString& program : programs) {
        for (const QString& name : processNames) {
            if (name.compare(program, Qt::CaseInsensitive) == 0)
                return program;
            if (name.size() == kCommLength && program.startsWith(name, Qt::CaseInsensitive))
                return program;
        }
    }
    return {};
}

} // namespace PVProcessList
