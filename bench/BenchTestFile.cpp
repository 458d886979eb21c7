#include "BenchTestFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace BenchTestFile {

namespace {

QString cacheFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    return folder;
}

} // namespace

QString defaultFile()
{
    return cacheFolder() + QStringLiteral("/testsrc2_1080p60_600.mp4");
}

bool ensure(const QString& path)
{
    return ensureClip(path, 1920, 1080, 60, 600);
}

QString clipFile(int width, int height, int fps, int frames)
{
    return cacheFolder() + QStringLiteral("/testsrc2_%1x%2p%3_%4.mp4").arg(width).arg(height).arg(fps).arg(frames);
}

bool ensureClip(const QString& path, int width, int height, int fps, int frames)
{
    if (QFileInfo(path).size() > 0)
        return true;
    std::printf("Generating %s with ffmpeg...\n", qPrintable(path));
    const QString source = QStringLiteral("testsrc2=size=%1x%2:rate=%3").arg(width).arg(height).arg(fps);
    const int code = QProcess::execute(QStringLiteral("ffmpeg"),
        {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi",
         "-i", source, "-frames:v", QString::number(frames), "-c:v", "libx264",
         "-preset", "fast", "-bf", "0", "-pix_fmt", "yuv420p", path});
    return code == 0 && QFileInfo(path).size() > 0;
}

} // namespace BenchTestFile
