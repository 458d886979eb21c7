#pragma once
// Drawing pieces of the quick start guide's illustrations: a laptop, a phone and what their
// screens show, fingers, cables and small phone-style controls. Flat colours keep the GIFs small.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace art {

namespace colour {
const QColor kBackground(0xee, 0xf3, 0xfb);
const QColor kAccent(0x2f, 0x7c, 0xf6);
const QColor kDark(0x24, 0x2a, 0x36);
const QColor kBody(0x3a, 0x41, 0x50);
const QColor kLight(0xff, 0xff, 0xff);
const QColor kMuted(0x8a, 0x90, 0x9c);
const QColor kLine(0xd9, 0xdd, 0xe3);
const QColor kGreen(0x34, 0xc7, 0x59);
} // namespace colour

// Progress 0..1 of `frame` through the span [start, start + length), clamped.
double phase(int frame, int start, int length);
// Smooth start and stop.
double ease(double t);

void background(QPainter& p, const QRectF& area);

// A laptop whose screen is `screen`; the lid and base are drawn around it.
void laptop(QPainter& p, const QRectF& screen);
// A phone body; returns the rectangle of its screen.
QRectF phone(QPainter& p, const QRectF& body);

// The phone's home screen: wallpaper, a grid of app icons and a dock.
void homeScreen(QPainter& p, const QRectF& screen);
// The receiver's own home window as the laptop shows it before a phone mirrors.
void receiverHome(QPainter& p, const QRectF& screen);
// The phone's picture mirrored in the middle of the laptop's screen.
void mirroredPhone(QPainter& p, const QRectF& screen, double opacity);

// A fingertip at `at`; `press` 0..1 shows the ripple of a tap.
void finger(QPainter& p, const QPointF& at, double press);
// A cable from `from` towards `to`, drawn `progress` of the way, with its plug at the end.
void cable(QPainter& p, const QPointF& from, const QPointF& to, double progress);

void roundedCard(QPainter& p, const QRectF& rect, double radius, const QColor& fill);
void text(QPainter& p, const QRectF& rect, const QString& s, double pixelSize, const QColor& colour,
    int flags, bool bold = false);
void spinner(QPainter& p, const QPointF& centre, double radius, int frame);
void checkMark(QPainter& p, const QRectF& box, const QColor& colour);
// A phone-style switch, `on` 0..1 (the knob slides and the track turns green).
void toggle(QPainter& p, const QRectF& rect, double on);

} // namespace art
