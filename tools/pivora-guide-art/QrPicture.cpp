#include "QrPicture.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace {

constexpr int kQuietZoneModules = 4;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

QImage qrPicture(const QString& text, int moduleSize)
{
    const QByteArray utf8 = text.toUtf8();
    // Medium error correction survives a scuffed screen or print without a large code.
    std::unique_ptr<QRcode, QrCodeFree> code(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
    if (!code || moduleSize <= 0)
        return QImage();
    const int modules = code->width;
    const int side = (modules + 2 * kQuietZoneModules) * moduleSize;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // Bit 0 of each module byte is set for a dark module.
            if (code->data[y * modules + x] & 1)
                painter.fillRect((x + kQuietZoneModules) * moduleSize, (y + kQuietZoneModules) * moduleSize,
                    moduleSize, moduleSize, Qt::black);
        }
    }
    return image;
}
