#pragma once

#include <QImage>
#include <QString>

// The QR code of `text` as a black-on-white picture: `moduleSize` pixels a module and the
// four-module quiet zone scanners need. Null when the text cannot be encoded.
QImage qrPicture(const QString& text, int moduleSize);
