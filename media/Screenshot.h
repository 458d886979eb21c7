#pragma once

#include <QDateTime>
#include <QImage>
#include <QRectF>
#include <QString>

struct AVFrame;

// Screenshots are made from the decoded frame at its full size, cut and turned the way the
// renderer shows it (its crop rectangle in frame fractions and its rotation in degrees). This
// gives exactly the picture the user sees, at the phone's resolution rather than the window's.
namespace Screenshot {

// The frame as a 32-bit image (QImage::Format_RGB32). Hardware frames are read back first.
// A null image, logged, when the frame cannot be converted.
QImage frameToImage(const AVFrame* frame);

// The part of the image inside crop, turned by rotation degrees (clockwise, either sign).
QImage shownImage(const QImage& image, const QRectF& crop, int rotation);

// "Pivora_Screenshot" + local time "yyyyMMdd_hhmmss" + ".png" in the save folder.
QString fileName(const QString& savePath, const QDateTime& now);

// Converts, cuts, turns and saves as PNG; the saved path, or empty (logged) on failure.
QString save(const AVFrame* frame, const QRectF& crop, int rotation, const QString& savePath,
             const QDateTime& now);

} // namespace Screenshot
