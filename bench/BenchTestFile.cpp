#include "BenchTestFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace BenchTestFile {

QString defaultFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/testsrc2_1080p60_600.mp4");
}

bool ensure(const QString& path)
{
    if (QFileInfo(path).size() > 0)
        return true;
    std::printf("Generating %s with ffmpeg...\n", qPrintable(path));
    const int code = QProcess::execute(QStringLiteral("ffmpeg"),
        {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi",
         "-i", "testsrc2=size=1920x1080:rate=60", "-frames:v", "600", "-c:v", "libx264",
         "-preset", "fast", "-bf", "0", "-pix_fmt", "yuv420p", path});
    return code == 0 && QFileInfo(path).size() > 0;
}

} // namespace BenchTestFile
