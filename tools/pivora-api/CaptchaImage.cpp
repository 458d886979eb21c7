#include "CaptchaImage.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <sodium.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Strokes of each digit in a unit box (y downwards).
QPainterPath digitPath(char digit)
{
    QPainterPath p;
    switch (digit) {
    case '0':
        p.addEllipse(QPointF(0.5, 0.5), 0.33, 0.45);
        break;
    case '1':
        p.moveTo(0.28, 0.25);
        p.lineTo(0.55, 0.05);
        p.lineTo(0.55, 0.95);
        break;
    case '2':
        p.moveTo(0.2, 0.28);
        p.cubicTo(0.25, 0.0, 0.8, 0.0, 0.78, 0.3);
        p.cubicTo(0.75, 0.5, 0.4, 0.65, 0.2, 0.95);
        p.lineTo(0.82, 0.95);
        break;
    case '3':
        p.moveTo(0.2, 0.15);
        p.cubicTo(0.4, 0.0, 0.85, 0.05, 0.75, 0.3);
        p.cubicTo(0.7, 0.45, 0.5, 0.47, 0.42, 0.47);
        p.cubicTo(0.95, 0.47, 0.85, 1.0, 0.45, 0.97);
        p.cubicTo(0.3, 0.96, 0.2, 0.9, 0.18, 0.85);
        break;
    case '4':
        p.moveTo(0.65, 0.95);
        p.lineTo(0.65, 0.05);
        p.lineTo(0.15, 0.68);
        p.lineTo(0.85, 0.68);
        break;
    case '5':
        p.moveTo(0.78, 0.05);
        p.lineTo(0.28, 0.05);
        p.lineTo(0.24, 0.45);
        p.cubicTo(0.5, 0.32, 0.85, 0.4, 0.82, 0.68);
        p.cubicTo(0.8, 1.0, 0.3, 1.02, 0.18, 0.85);
        break;
    case '6':
        p.moveTo(0.72, 0.08);
        p.cubicTo(0.4, 0.0, 0.18, 0.3, 0.2, 0.66);
        p.addEllipse(QPointF(0.5, 0.69), 0.3, 0.26);
        break;
    case '7':
        p.moveTo(0.18, 0.05);
        p.lineTo(0.82, 0.05);
        p.lineTo(0.4, 0.95);
        break;
    case '8':
        p.addEllipse(QPointF(0.5, 0.27), 0.24, 0.22);
        p.addEllipse(QPointF(0.5, 0.72), 0.3, 0.24);
        break;
    default: // '9'
        p.addEllipse(QPointF(0.5, 0.31), 0.3, 0.26);
        p.moveTo(0.8, 0.34);
        p.cubicTo(0.82, 0.7, 0.6, 1.0, 0.28, 0.92);
        break;
    }
    return p;
}

class Dice {
public:
    Dice() : m_engine(randombytes_random()) {}
    double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_engine); }
    int upTo(int high) { return std::uniform_int_distribution<int>(0, high)(m_engine); }
    QColor ink() { return QColor::fromHsv(upTo(359), 160 + upTo(95), 40 + upTo(70)); }
    QColor pale() { return QColor::fromHsv(upTo(359), 20 + upTo(40), 215 + upTo(40)); }
private:
    std::mt19937 m_engine;
};

void paintBackground(QPainter& painter, Dice& dice, int width, int height)
{
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, dice.pale());
    gradient.setColorAt(1, dice.pale());
    painter.fillRect(0, 0, width, height, gradient);
    const int dots = width * height / 40;
    for (int i = 0; i < dots; ++i) {
        painter.setPen(QPen(dice.pale().darker(120 + dice.upTo(60)), 1));
        painter.drawPoint(QPointF(dice.between(0, width), dice.between(0, height)));
    }
}

// A wavy line from the left edge to the right.
QPainterPath crossingLine(Dice& dice, int width, int height)
{
    QPainterPath line;
    line.moveTo(0, dice.between(0.2, 0.8) * height);
    line.cubicTo(width * 0.33, dice.between(0, 1) * height, width * 0.66, dice.between(0, 1) * height,
                 width, dice.between(0.2, 0.8) * height);
    return line;
}

void paintDigits(QPainter& painter, Dice& dice, const std::string& digits, int width, int height)
{
    const double cell = double(width) / double(digits.size() + 1);
    const double glyphHeight = height * 0.62;
    const double glyphWidth = std::min(glyphHeight * 0.62, cell * 1.1);
    const QColor ink = dice.ink();
    for (size_t i = 0; i < digits.size(); ++i) {
        const double scale = dice.between(0.85, 1.12);
        QTransform place;
        place.translate(cell * (double(i) + 1.0) + dice.between(-0.12, 0.12) * cell,
                        height * 0.5 + dice.between(-0.1, 0.1) * height);
        place.rotate(dice.between(-28, 28));
        place.shear(dice.between(-0.25, 0.25), 0);
        place.scale(glyphWidth * scale, glyphHeight * scale);
        place.translate(-0.5, -0.5);
        painter.setPen(QPen(i % 2 ? ink : ink.lighter(115 + dice.upTo(30)), std::max(2.0, height / 13.0),
                            Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(place.map(digitPath(digits[i])));
    }
    // Lines in the digits' own ink keep the strokes from being cut out by colour.
    painter.setPen(QPen(ink, std::max(1.5, height / 30.0)));
    for (int i = 0; i < 2; ++i)
        painter.drawPath(crossingLine(dice, width, height));
}

// Moves every pixel along two sine waves.
QImage waved(const QImage& source, Dice& dice)
{
    const int width = source.width();
    const int height = source.height();
    const double ax = height * 0.05, ay = height * 0.07;
    const double wx = dice.between(0.7, 1.3) * height, wy = dice.between(0.8, 1.4) * width / 2;
    const double px = dice.between(0, 6.28), py = dice.between(0, 6.28);
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int sx = std::clamp(int(x + ax * std::sin(6.2832 * y / wx + px)), 0, width - 1);
            const int sy = std::clamp(int(y + ay * std::sin(6.2832 * x / wy + py)), 0, height - 1);
            line[x] = source.pixel(sx, sy);
        }
    }
    return out;
}

} // namespace

std::string drawCaptchaPng(const std::string& digits, int width, int height)
{
    width = std::clamp(width, CaptchaSize::kMinWidth, CaptchaSize::kMaxWidth);
    height = std::clamp(height, CaptchaSize::kMinHeight, CaptchaSize::kMaxHeight);
    Dice dice;
    QImage canvas(width, height, QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        paintBackground(painter, dice, width, height);
        painter.setPen(QPen(dice.pale().darker(150), 1));
        for (int i = 0; i < 3; ++i)
            painter.drawPath(crossingLine(dice, width, height));
        paintDigits(painter, dice, digits, width, height);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    waved(canvas, dice).save(&buffer, "PNG");
    return png.toStdString();
}
