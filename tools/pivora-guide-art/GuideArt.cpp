#include "GuideArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// App icon colours of the home screen, row by row.
const QColor kIconColours[] = {
    QColor(0xff, 0x9f, 0x0a), QColor(0x30, 0xd1, 0x58), QColor(0x0a, 0x84, 0xff), QColor(0xff, 0x45, 0x3a),
    QColor(0xbf, 0x5a, 0xf2), QColor(0x64, 0xd2, 0xff), QColor(0xff, 0xd6, 0x0a), QColor(0x5e, 0x5c, 0xe6),
    QColor(0xff, 0x37, 0x5f), QColor(0x66, 0xd4, 0xcf), QColor(0xac, 0x8e, 0x68), QColor(0x8e, 0x8e, 0x93),
};
constexpr int kIconColumns = 4;
constexpr int kIconRows = 4;

QLinearGradient wallpaper(const QRectF& screen)
{
    QLinearGradient g(screen.topLeft(), screen.bottomRight());
    g.setColorAt(0.0, QColor(0x4a, 0x6c, 0xf7));
    g.setColorAt(1.0, QColor(0x9b, 0x5c, 0xf0));
    return g;
}

} // namespace

double phase(int frame, int start, int length)
{
    if (length <= 0)
        return frame >= start ? 1.0 : 0.0;
    return std::clamp(double(frame - start) / length, 0.0, 1.0);
}

double ease(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

void background(QPainter& p, const QRectF& area)
{
    p.fillRect(area, colour::kBackground);
}

void roundedCard(QPainter& p, const QRectF& rect, double radius, const QColor& fill)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
    p.restore();
}

void text(QPainter& p, const QRectF& rect, const QString& s, double pixelSize, const QColor& colour, int flags,
    bool bold)
{
    p.save();
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, flags, s);
    p.restore();
}

void laptop(QPainter& p, const QRectF& screen)
{
    const double bezel = 7;
    const QRectF lid = screen.adjusted(-bezel, -bezel, bezel, bezel);
    roundedCard(p, lid, 6, colour::kDark);
    const double baseHeight = 9;
    QPainterPath base;
    base.moveTo(lid.left() - 16, lid.bottom() + 1);
    base.lineTo(lid.right() + 16, lid.bottom() + 1);
    base.lineTo(lid.right() + 8, lid.bottom() + 1 + baseHeight);
    base.lineTo(lid.left() - 8, lid.bottom() + 1 + baseHeight);
    base.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kBody);
    p.drawPath(base);
    p.setBrush(colour::kMuted);
    p.drawRoundedRect(QRectF(lid.center().x() - 18, lid.bottom() + 1, 36, 3), 1.5, 1.5);
    // The port the cable goes into.
    p.setBrush(colour::kLine);
    p.drawRect(QRectF(lid.right() + 10, lid.bottom() + 3, 4, 4));
    p.restore();
    p.fillRect(screen, colour::kLight);
}

QRectF phone(QPainter& p, const QRectF& body)
{
    const double radius = body.width() * 0.16;
    roundedCard(p, body, radius, colour::kDark);
    const double margin = body.width() * 0.06;
    const QRectF screen = body.adjusted(margin, margin * 1.6, -margin, -margin * 1.6);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(screen, radius * 0.7, radius * 0.7);
    p.setClipPath(clip);
    p.fillRect(screen, colour::kLight);
    p.restore();
    // The speaker slot.
    roundedCard(p, QRectF(body.center().x() - body.width() * 0.12, body.top() + margin * 0.5,
                    body.width() * 0.24, margin * 0.5),
        margin * 0.25, colour::kBody);
    return screen;
}

void homeScreen(QPainter& p, const QRectF& screen)
{
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(screen, screen.width() * 0.1, screen.width() * 0.1);
    p.setClipPath(clip);
    p.fillRect(screen, wallpaper(screen));
    const double cell = screen.width() / kIconColumns;
    const double icon = cell * 0.62;
    const int colours = int(sizeof kIconColours / sizeof kIconColours[0]);
    for (int row = 0; row < kIconRows; ++row) {
        for (int column = 0; column < kIconColumns; ++column) {
            const QPointF centre(screen.left() + cell * (column + 0.5), screen.top() + cell * (row + 0.9));
            const QRectF r(centre.x() - icon / 2, centre.y() - icon / 2, icon, icon);
            roundedCard(p, r, icon * 0.24, kIconColours[(row * kIconColumns + column) % colours]);
        }
    }
    const QRectF dock(screen.left() + cell * 0.15, screen.bottom() - cell * 1.15, screen.width() - cell * 0.3,
        cell * 0.95);
    roundedCard(p, dock, cell * 0.25, QColor(255, 255, 255, 90));
    for (int column = 0; column < kIconColumns; ++column) {
        const QPointF centre(screen.left() + cell * (column + 0.5), dock.center().y());
        roundedCard(p, QRectF(centre.x() - icon / 2, centre.y() - icon / 2, icon, icon), icon * 0.24,
            kIconColours[(column * 3 + 1) % colours]);
    }
    p.restore();
}

void receiverHome(QPainter& p, const QRectF& screen)
{
    p.fillRect(screen, colour::kLight);
    const double bar = screen.height() * 0.12;
    p.fillRect(QRectF(screen.topLeft(), QSizeF(screen.width(), bar)), colour::kAccent);
    roundedCard(p, QRectF(screen.left() + 5, screen.top() + bar * 0.25, bar * 0.5, bar * 0.5), 2, colour::kLight);
    const double left = screen.left() + screen.width() * 0.08;
    for (int line = 0; line < 4; ++line) {
        const double width = screen.width() * (line % 2 ? 0.42 : 0.5);
        roundedCard(p, QRectF(left, screen.top() + bar + 12 + line * 12, width, 5), 2.5, colour::kLine);
    }
    const QRectF picture(screen.left() + screen.width() * 0.66, screen.top() + bar + 10, screen.width() * 0.26,
        screen.height() * 0.42);
    roundedCard(p, picture, 4, QColor(0xd8, 0xe6, 0xfd));
    roundedCard(p, QRectF(left, screen.bottom() - 26, screen.width() * 0.55, 14), 3, colour::kBackground);
}

void mirroredPhone(QPainter& p, const QRectF& screen, double opacity)
{
    if (opacity <= 0.0)
        return;
    p.save();
    p.setOpacity(opacity);
    p.fillRect(screen, colour::kDark);
    const double height = screen.height() * 0.92;
    const double width = height * 0.5;
    const QRectF picture(screen.center().x() - width / 2, screen.center().y() - height / 2, width, height);
    homeScreen(p, picture);
    p.restore();
}

void finger(QPainter& p, const QPointF& at, double press)
{
    p.save();
    if (press > 0.0 && press < 1.0) {
        const double ring = 6 + 14 * press;
        p.setPen(QPen(QColor(255, 255, 255, int(220 * (1.0 - press))), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, ring, ring);
    }
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.5));
    p.setBrush(QColor(0x24, 0x2a, 0x36, 150));
    const double r = press > 0.0 && press < 1.0 ? 6.5 : 7.5;
    p.drawEllipse(at, r, r);
    p.restore();
}

void cable(QPainter& p, const QPointF& from, const QPointF& to, double progress)
{
    QPainterPath path(from);
    path.cubicTo(QPointF(from.x(), from.y() + 40), QPointF(to.x() + 60, to.y() + 30), to);
    progress = std::clamp(progress, 0.0, 1.0);
    QPainterPath part(from);
    constexpr int kSteps = 40;
    for (int i = 1; i <= kSteps; ++i)
        part.lineTo(path.pointAtPercent(progress * i / kSteps));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::kMuted, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(part);
    const QPointF end = path.pointAtPercent(progress);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kBody);
    p.drawRoundedRect(QRectF(end.x() - 4, end.y() - 4, 8, 8), 2, 2);
    p.restore();
}

void spinner(QPainter& p, const QPointF& centre, double radius, int frame)
{
    p.save();
    constexpr int kSpokes = 8;
    for (int i = 0; i < kSpokes; ++i) {
        const double angle = (i * 360.0 / kSpokes) * M_PI / 180.0;
        const int age = (i - frame % kSpokes + kSpokes) % kSpokes;
        p.setPen(QPen(QColor(0x8a, 0x90, 0x9c, 60 + age * 24), radius * 0.28, Qt::SolidLine, Qt::RoundCap));
        const QPointF direction(std::cos(angle), std::sin(angle));
        p.drawLine(centre + direction * radius * 0.45, centre + direction * radius);
    }
    p.restore();
}

void checkMark(QPainter& p, const QRectF& box, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, std::max(1.5, box.width() * 0.16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick(QPointF(box.left(), box.center().y()));
    tick.lineTo(box.left() + box.width() * 0.38, box.bottom());
    tick.lineTo(box.right(), box.top());
    p.drawPath(tick);
    p.restore();
}

void toggle(QPainter& p, const QRectF& rect, double on)
{
    on = std::clamp(on, 0.0, 1.0);
    const QColor off(0xe5, 0xe5, 0xea);
    const QColor track(int(off.red() + (colour::kGreen.red() - off.red()) * on),
        int(off.green() + (colour::kGreen.green() - off.green()) * on),
        int(off.blue() + (colour::kGreen.blue() - off.blue()) * on));
    roundedCard(p, rect, rect.height() / 2, track);
    const double knob = rect.height() - 4;
    const double x = rect.left() + 2 + (rect.width() - knob - 4) * on;
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 30), 1));
    p.setBrush(colour::kLight);
    p.drawEllipse(QRectF(x, rect.top() + 2, knob, knob));
    p.restore();
}

} // namespace art
