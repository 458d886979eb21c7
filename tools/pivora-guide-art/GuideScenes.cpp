#include "GuideScenes.h"

#include "GuideArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace scenes {

namespace {

using namespace art;

const QSize kLandscape(400, 260);
// Width to height 0.4667, the proportion the Bluetooth pairing panel lays its picture out in.
const QSize kPortrait(224, 480);

const QRectF kLaptopScreen(34, 52, 210, 132);
const QRectF kPhoneBody(284, 30, 96, 192);

struct MirrorLabels {
    QString mirroring;
    QString receiver;
};

struct BluetoothLabels {
    QString back;
    QString title;
    QString discoverable;
    QString myDevices;
    QString otherDevices;
    QString connected;
};

const QString kPcName = QStringLiteral("DESKTOP-PC");

// --- Wired: plug in, trust the computer, the phone appears on the laptop.

void trustAlert(QPainter& p, const QRectF& screen, double press)
{
    p.fillRect(screen, QColor(0, 0, 0, 110));
    const QRectF card(screen.left() + screen.width() * 0.07, screen.center().y() - 34, screen.width() * 0.86, 68);
    roundedCard(p, card, 6, QColor(0xf2, 0xf2, 0xf7));
    text(p, QRectF(card.left() + 3, card.top() + 4, card.width() - 6, 20), QStringLiteral("Trust This Computer?"),
        7.5, colour::kDark, Qt::AlignCenter | Qt::TextWordWrap, true);
    for (int line = 0; line < 2; ++line)
        roundedCard(p, QRectF(card.left() + 8, card.top() + 26 + line * 6, card.width() - 16 - line * 14, 3), 1.5,
            colour::kLine);
    const QRectF trust(card.left(), card.bottom() - 24, card.width(), 12);
    const QRectF dontTrust(card.left(), card.bottom() - 12, card.width(), 12);
    p.fillRect(QRectF(card.left(), trust.top(), card.width(), 0.8), colour::kLine);
    p.fillRect(QRectF(card.left(), dontTrust.top(), card.width(), 0.8), colour::kLine);
    if (press > 0.0)
        p.fillRect(trust.adjusted(0, 1, 0, 0), QColor(0xdd, 0xe6, 0xf8));
    text(p, trust, QStringLiteral("Trust"), 7, colour::kAccent, Qt::AlignCenter, true);
    text(p, dontTrust, QStringLiteral("Don't Trust"), 7, colour::kAccent, Qt::AlignCenter);
}

void drawWired(QPainter& p, int f)
{
    background(p, QRectF(QPointF(0, 0), kLandscape));
    laptop(p, kLaptopScreen);
    receiverHome(p, kLaptopScreen);
    mirroredPhone(p, kLaptopScreen, ease(phase(f, 26, 6)));

    const QPointF port(kLaptopScreen.right() + 19, kLaptopScreen.bottom() + 12);
    const QPointF phonePlug(kPhoneBody.center().x(), kPhoneBody.bottom() + 2);
    cable(p, phonePlug, port, ease(phase(f, 2, 10)));

    const QRectF screen = phone(p, kPhoneBody);
    homeScreen(p, screen);
    if (f >= 13 && f < 26) {
        const double press = phase(f, 18, 5);
        trustAlert(p, screen, press);
        if (f >= 15)
            finger(p, QPointF(screen.center().x(), screen.center().y() + 16), press);
    }
}

// --- Wireless: open the Control Center, tap Screen Mirroring, pick the computer.

QRectF mirroringTile(const QRectF& panel)
{
    const double gap = panel.width() * 0.06;
    return QRectF(panel.left() + gap, panel.top() + panel.width() * 0.58, panel.width() - 2 * gap, 20);
}

void controlCentre(QPainter& p, const QRectF& screen, double slide, const QString& label, bool pressed)
{
    p.save();
    p.setClipRect(screen);
    const QRectF panel = screen.translated(0, -screen.height() * (1.0 - slide));
    p.fillRect(panel, QColor(0x1c, 0x1f, 0x27, 235));
    const double gap = panel.width() * 0.06;
    const double tile = (panel.width() - 3 * gap) / 2;
    const QRectF connectivity(panel.left() + gap, panel.top() + gap + 8, tile, tile);
    roundedCard(p, connectivity, 8, QColor(0x3a, 0x3f, 0x4b));
    const QColor dots[] = {QColor(0xff, 0x9f, 0x0a), QColor(0x30, 0xd1, 0x58), colour::kAccent, colour::kAccent};
    for (int i = 0; i < 4; ++i) {
        const QPointF c(connectivity.left() + tile * (0.3 + 0.4 * (i % 2)), connectivity.top() + tile * (0.3 + 0.4 * (i / 2)));
        roundedCard(p, QRectF(c.x() - tile * 0.14, c.y() - tile * 0.14, tile * 0.28, tile * 0.28), tile * 0.14, dots[i]);
    }
    const QRectF media(connectivity.right() + gap, connectivity.top(), tile, tile);
    roundedCard(p, media, 8, QColor(0x3a, 0x3f, 0x4b));
    roundedCard(p, QRectF(media.left() + 5, media.top() + 6, tile - 10, 3), 1.5, QColor(0x8a, 0x90, 0x9c));

    const QRectF mirroring = mirroringTile(panel);
    roundedCard(p, mirroring, 6, pressed ? QColor(0x6a, 0x70, 0x7c) : QColor(0x3a, 0x3f, 0x4b));
    // Two overlapping screens, the usual sign for showing on another display.
    p.setPen(QPen(colour::kLight, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(mirroring.left() + 5, mirroring.top() + 5, 9, 7));
    p.drawRect(QRectF(mirroring.left() + 8, mirroring.top() + 8, 9, 7));
    text(p, mirroring.adjusted(20, 0, -2, 0), label, 6.5, colour::kLight, Qt::AlignVCenter | Qt::AlignLeft);
    for (int i = 0; i < 4; ++i)
        roundedCard(p, QRectF(panel.left() + gap + i * (tile / 2 + gap / 2), mirroring.bottom() + gap, tile / 2 - gap / 2,
                           tile / 2 - gap / 2),
            5, QColor(0x3a, 0x3f, 0x4b));
    p.restore();
}

QRectF receiverRow(const QRectF& card)
{
    return QRectF(card.left(), card.top() + 22, card.width(), 20);
}

void mirroringList(QPainter& p, const QRectF& screen, const MirrorLabels& labels, int f)
{
    p.fillRect(screen, QColor(0x1c, 0x1f, 0x27, 235));
    const QRectF card(screen.left() + 5, screen.top() + screen.height() * 0.25, screen.width() - 10, 46);
    roundedCard(p, card, 6, QColor(0xf2, 0xf2, 0xf7));
    text(p, QRectF(card.left(), card.top() + 4, card.width(), 14), labels.mirroring, 7, colour::kDark,
        Qt::AlignCenter, true);
    const QRectF row = receiverRow(card);
    p.fillRect(QRectF(row.left(), row.top(), row.width(), 0.8), colour::kLine);
    p.save();
    p.setPen(QPen(colour::kDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(row.left() + 5, row.top() + 6, 9, 6));
    p.drawLine(QPointF(row.left() + 7, row.top() + 14), QPointF(row.left() + 12, row.top() + 14));
    p.restore();
    text(p, row.adjusted(18, 0, -14, 0), labels.receiver, 6.5, colour::kDark, Qt::AlignVCenter | Qt::AlignLeft);
    const QRectF mark(row.right() - 11, row.top() + 7, 7, 6);
    if (f >= 28 && f < 32)
        spinner(p, mark.center(), 4, f);
    else if (f >= 32)
        checkMark(p, mark, colour::kAccent);
}

void drawMirror(QPainter& p, int f, const MirrorLabels& labels)
{
    background(p, QRectF(QPointF(0, 0), kLandscape));
    laptop(p, kLaptopScreen);
    receiverHome(p, kLaptopScreen);
    mirroredPhone(p, kLaptopScreen, ease(phase(f, 32, 6)));

    const QRectF screen = phone(p, kPhoneBody);
    homeScreen(p, screen);
    if (f < 14) {
        controlCentre(p, screen, ease(phase(f, 7, 6)), labels.mirroring, false);
        if (f >= 2 && f < 11) {
            const double swipe = ease(phase(f, 2, 7));
            finger(p, QPointF(screen.right() - 9, screen.top() + 6 + swipe * 60), 0.0);
        }
    } else if (f < 20) {
        const double press = phase(f, 15, 4);
        controlCentre(p, screen, 1.0, labels.mirroring, press > 0.0);
        finger(p, mirroringTile(screen).center(), press);
    } else {
        mirroringList(p, screen, labels, f);
        if (f >= 22 && f < 29) {
            const QRectF card(screen.left() + 5, screen.top() + screen.height() * 0.25, screen.width() - 10, 46);
            finger(p, receiverRow(card).center(), phase(f, 24, 4));
        }
    }
}

// --- Bluetooth: switch Bluetooth on and connect to the computer.

void settingsRow(QPainter& p, const QRectF& row, const QString& label, const QString& detail, bool spinning, int f)
{
    p.fillRect(row, colour::kLight);
    text(p, row.adjusted(12, 0, -60, 0), label, 12, colour::kDark, Qt::AlignVCenter | Qt::AlignLeft);
    if (!detail.isEmpty())
        text(p, row.adjusted(0, 0, -12, 0), detail, 11, colour::kMuted, Qt::AlignVCenter | Qt::AlignRight);
    if (spinning)
        spinner(p, QPointF(row.right() - 18, row.center().y()), 7, f);
}

void sectionHeader(QPainter& p, const QRectF& rect, const QString& label, bool spinning, int f)
{
    text(p, rect.adjusted(12, 0, 0, 0), label, 10, colour::kMuted, Qt::AlignBottom | Qt::AlignLeft);
    if (spinning) {
        QFont font(QStringLiteral("DejaVu Sans Condensed"));
        font.setPixelSize(10);
        const double width = QFontMetricsF(font).horizontalAdvance(label);
        spinner(p, QPointF(rect.left() + 12 + width + 10, rect.bottom() - 6), 5, f);
    }
}

void drawBluetooth(QPainter& p, int f, const BluetoothLabels& labels)
{
    background(p, QRectF(QPointF(0, 0), kPortrait));
    const QRectF screen = phone(p, QRectF(12, 8, 200, 464));
    p.save();
    p.setClipRect(screen);
    p.fillRect(screen, QColor(0xf2, 0xf2, 0xf7));
    const double top = screen.top() + 18;
    text(p, QRectF(screen.left() + 8, top, 80, 20), QStringLiteral("‹ ") + labels.back, 11, colour::kAccent,
        Qt::AlignVCenter | Qt::AlignLeft);
    text(p, QRectF(screen.left(), top, screen.width(), 20), labels.title, 13, colour::kDark, Qt::AlignCenter, true);

    const QRectF switchRow(screen.left(), top + 40, screen.width(), 36);
    settingsRow(p, switchRow, labels.title, QString(), false, f);
    const double on = ease(phase(f, 6, 4));
    const QRectF knob(switchRow.right() - 52, switchRow.center().y() - 11, 40, 22);
    toggle(p, knob, on);

    const bool connected = f >= 31;
    if (f >= 10) {
        text(p, QRectF(screen.left() + 12, switchRow.bottom() + 4, screen.width() - 24, 30), labels.discoverable, 9,
            colour::kMuted, Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap);
        double y = switchRow.bottom() + 40;
        if (connected) {
            sectionHeader(p, QRectF(screen.left(), y, screen.width(), 20), labels.myDevices, false, f);
            settingsRow(p, QRectF(screen.left(), y + 24, screen.width(), 36), kPcName, labels.connected, false, f);
            y += 70;
        }
        sectionHeader(p, QRectF(screen.left(), y, screen.width(), 20), labels.otherDevices, true, f);
        if (f >= 16 && !connected) {
            p.save();
            p.setOpacity(ease(phase(f, 16, 3)));
            settingsRow(p, QRectF(screen.left(), y + 24, screen.width(), 36), kPcName, QString(), f >= 24, f);
            p.restore();
        }
        if (f >= 20 && f < 26)
            finger(p, QPointF(screen.left() + 60, y + 42), phase(f, 21, 4));
    }
    if (f >= 2 && f < 10)
        finger(p, knob.center(), phase(f, 4, 4));
    p.restore();
}

const MirrorLabels kMirrorEn{QStringLiteral("Screen Mirroring"), QStringLiteral("Pivora-(PC)")};
const MirrorLabels kMirrorCn{QStringLiteral("屏幕镜像"), QStringLiteral("Pivora-(PC)")};
const BluetoothLabels kBluetoothEn{QStringLiteral("Settings"), QStringLiteral("Bluetooth"),
    QStringLiteral("Now discoverable as \"iPhone\"."), QStringLiteral("MY DEVICES"), QStringLiteral("OTHER DEVICES"),
    QStringLiteral("Connected")};
const BluetoothLabels kBluetoothCn{QStringLiteral("设置"), QStringLiteral("蓝牙"),
    QStringLiteral("现在可被发现为“iPhone”。"), QStringLiteral("我的设备"), QStringLiteral("其他设备"),
    QStringLiteral("已连接")};

} // namespace

QStringList names()
{
    return {QStringLiteral("wired"), QStringLiteral("mirror_en"), QStringLiteral("mirror_cn"), QStringLiteral("bt_en"),
        QStringLiteral("bt_cn")};
}

Scene find(const QString& name)
{
    if (name == QLatin1String("wired"))
        return {name, kLandscape, 50, drawWired};
    if (name == QLatin1String("mirror_en") || name == QLatin1String("mirror_cn")) {
        const MirrorLabels labels = name.endsWith(QLatin1String("_cn")) ? kMirrorCn : kMirrorEn;
        return {name, kLandscape, 54, [labels](QPainter& p, int f) { drawMirror(p, f, labels); }};
    }
    if (name == QLatin1String("bt_en") || name == QLatin1String("bt_cn")) {
        const BluetoothLabels labels = name.endsWith(QLatin1String("_cn")) ? kBluetoothCn : kBluetoothEn;
        return {name, kPortrait, 52, [labels](QPainter& p, int f) { drawBluetooth(p, f, labels); }};
    }
    return {};
}

} // namespace scenes
