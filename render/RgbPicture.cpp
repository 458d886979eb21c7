#include "render/RgbPicture.h"

extern "C" {
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

namespace render {

namespace {
// It also converts rows in blocks of 8 pixels and leaves the last partial block out (dark
// columns at the right edge) unless the row has room for a whole one; rows are padded to this.
constexpr qsizetype kRowAlignment = 64;
}  // namespace

QImage convertibleImage(const QSize &size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return QImage();
    const qsizetype bytesPerLine =
        (qsizetype(size.width()) * 4 + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    void *data = av_malloc(size_t(bytesPerLine) * size_t(size.height()) + size_t(kConverterSlack));
    if (!data)
        return QImage();
    return QImage(static_cast<uchar *>(data), size.width(), size.height(), bytesPerLine,
                  QImage::Format_RGB32, av_free, data);
}

void useDisplayColours(SwsContext *converter)
{
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(converter, bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
}

}  // namespace render
