#pragma once
#include <QString>

// The benchmarks' shared input: a 600-frame 1920x1080 60 fps testsrc2 clip made once with the
// ffmpeg command (libx264, preset fast, no B-frames) in the per-user cache folder.
namespace BenchTestFile {
QString defaultFile();
// Makes the file when it is missing; false when ffmpeg could not make it.
bool ensure(const QString& path);

// Another testsrc2 clip (same encoder settings) of the given size, rate and length, made once.
QString clipFile(int width, int height, int fps, int frames);
bool ensureClip(const QString& path, int width, int height, int fps, int frames);
}
