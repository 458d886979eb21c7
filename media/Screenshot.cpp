#include "media/Screenshot.h"

#include "media/AVPtr.h"
#include "render/RgbPicture.h"

#include <QDebug>
#include <QDir>
#include <QTransform>

extern "C" {
#include <libavutil/hwcontext.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace Screenshot {

namespace {

// A frame in memory: the frame itself, or its hardware surface read back.
AVFramePtr memoryFrame(const AVFrame* frame)
{
    if (!frame->hw_frames_ctx)
        return AVFramePtr(av_frame_clone(frame));
    AVFramePtr copy = makeAVFrame();
    if (!copy || av_hwframe_transfer_data(copy.get(), frame, 0) < 0) {
        qWarning("Could not read back a hardware frame for a screenshot");
        return nullptr;
    }
    return copy;
}

constexpr double kWholeLeft = 1e-6;
constexpr double kWhole = 1e-5;

bool isWholeFrame(const QRectF& crop)
{
    return crop.left() <= kWholeLeft && crop.top() <= kWhole && 1.0 - crop.width() <= kWhole
        && 1.0 - crop.height() <= kWhole;
}

} // namespace

QImage frameToImage(const AVFrame* frame)
{
    if (!frame || frame->width <= 0 || frame->height <= 0) {
        qWarning("Screenshot without a frame");
        return QImage();
    }
    AVFramePtr source = memoryFrame(frame);
    if (!source)
        return QImage();
    const auto format = static_cast<AVPixelFormat>(source->format);
    if (!sws_isSupportedInput(format)) {
        qWarning("Screenshot of an unsupported pixel format %d", source->format);
        return QImage();
    }
    SwsContextPtr scaler(
        sws_getContext(source->width, source->height, format, source->width, source->height,
                       AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr));
    // Converted exactly as the renderers convert: same colours, and no unconverted columns
    // at the right edge of widths that are not a multiple of the converter's block.
    QImage image = render::convertibleImage(QSize(source->width, source->height));
    if (!scaler || image.isNull()) {
        qWarning("Could not prepare the screenshot conversion");
        return QImage();
    }
    render::useDisplayColours(scaler.get());
    uint8_t* target[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int targetStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
    const int rows = sws_scale(scaler.get(), source->data, source->linesize, 0, source->height,
                               target, targetStride);
    if (rows <= 0)
        return QImage();
    return image;
}

QImage shownImage(const QImage& image, const QRectF& crop, int rotation)
{
    QImage shown = image;
    if (!isWholeFrame(crop)) {
        const QRect part(int(crop.left() * image.width()), int(crop.top() * image.height()),
                         int(crop.width() * image.width()), int(crop.height() * image.height()));
        shown = image.copy(part.intersected(image.rect()));
    }
    if (rotation % 360 != 0)
        shown = shown.transformed(QTransform().rotate(rotation));
    return shown;
}

QString fileName(const QString& savePath, const QDateTime& now)
{
    return QDir(savePath).absoluteFilePath(
        QStringLiteral("Pivora_Screenshot") + now.toString(QStringLiteral("yyyyMMdd_hhmmss"))
        + QStringLiteral(".png"));
}

QString save(const AVFrame* frame, const QRectF& crop, int rotation, const QString& savePath,
             const QDateTime& now)
{
    const QImage image = frameToImage(frame);
    if (image.isNull())
        return QString();
    const QString path = fileName(savePath, now);
    if (!shownImage(image, crop, rotation).save(path, "PNG", 100)) {
        qWarning("Could not save screenshot %s", qUtf8Printable(path));
        return QString();
    }
    return path;
}

} // namespace Screenshot
