#include "control/QHIDMapperItemWidget.h"

#include "control/KBMapFormat.h"
#include "control/QHIDMapperWidget.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QHIDMapperItemWidget::PaletteEntry kPalette[QHIDMapperItemWidget::kPaletteCount] = {
    {KBMapNode::Click, KBMapNode::RoleNone, ":/keymap/kb_mouse_key.svg", 56},
    {KBMapNode::Special, KBMapNode::FieldOfView, ":/keymap/kb_fieldofview.svg", 140},
    {KBMapNode::Special, KBMapNode::RotateView, ":/keymap/kb_viewofobserver.svg", 64},
    {KBMapNode::Click, KBMapNode::Backpack, ":/keymap/kb_backpack.svg", 56},
    {KBMapNode::SteeringWheel, KBMapNode::RoleNone, ":/keymap/kb_compass.svg", 200},
    {KBMapNode::Special, KBMapNode::RightClickWalk, ":/keymap/kb_mouseright.svg", 160},
    {KBMapNode::Special, KBMapNode::SmartMagic, ":/keymap/kb_magic.svg", 72},
    {KBMapNode::Click, KBMapNode::CancelSmartMagic, ":/keymap/kb_cancel.svg", 56},
};

const char* const kArrowIcons[KBMapNode::kSlotCount] = {":/keymap/dir_up.svg", ":/keymap/dir_left.svg",
                                                         ":/keymap/dir_down.svg", ":/keymap/dir_right.svg"};
const char kMouseLeftIcon[] = ":/keymap/mouse-left.svg";
const char kMouseRightIcon[] = ":/keymap/mouse-right.svg";
// Shown on the marker as a dynamic property, for the style and for checks.
const char kIconProperty[] = "__hidKeyIcon";

constexpr int kEdgeAlpha = 90;
constexpr int kBackgroundAlpha = 72;
constexpr double kFontShare = 0.4;
constexpr int kDeleteSide = 18;
constexpr int kHandleSide = 14;
constexpr double kDirectionShare = 0.24;
constexpr int kDirectionMinimum = 22;
constexpr double kFieldOfViewLow = 0.3;
constexpr double kFieldOfViewHigh = 0.7;

QString edgeColour(bool focused)
{
    return QString::asprintf(focused ? "rgba(255,255,0,%d%%)" : "rgba(255,255,255,%d%%)", kEdgeAlpha);
}

QString textColour(bool focused)
{
    return QString::asprintf(focused ? "rgba(255,255,0,%d%%)" : "rgba(210,210,210,%d%%)", kEdgeAlpha);
}

// Fits a label's text: the marker's share of its height, smaller for long key names.
int fontPixels(const QWidget* label, const QString& text, int width, int height)
{
    int pixels = qMax(1, int(kFontShare * height));
    QFont font = label->font();
    font.setBold(true);
    while (pixels > 6) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width - 8)
            break;
        --pixels;
    }
    return pixels;
}

QString labelStyle(bool focused, const QSize& size, int fontSize, const QString& icon)
{
    QString style = QString::asprintf(
        "border:2px solid %s;font-weight:bold;border-radius:%dpx %dpx;font-size:%dpx;"
        "background-color:rgba(50,50,50,%d%%);color:%s;",
        qPrintable(edgeColour(focused)), size.width() / 2, size.height() / 2, fontSize, kBackgroundAlpha,
        qPrintable(textColour(focused)));
    if (!icon.isEmpty())
        style += QStringLiteral("image:url(%1)").arg(icon);
    return style;
}

} // namespace

const QHIDMapperItemWidget::PaletteEntry& QHIDMapperItemWidget::paletteEntry(int index)
{
    return kPalette[qBound(0, index, kPaletteCount - 1)];
}

QString QHIDMapperItemWidget::paletteToolTip(int itemType, int roleType)
{
    switch (roleType) {
    case KBMapNode::Backpack:
        return tr("Backpack");
    case KBMapNode::CancelSmartMagic:
        return tr("Cancel smart magic");
    case KBMapNode::SmartMagic:
        return tr("Smart magic");
    case KBMapNode::RotateView:
        return tr("Rotate view");
    case KBMapNode::RightClickWalk:
        return tr("Right-click to walk");
    case KBMapNode::FieldOfView:
        return tr("Field of view");
    default:
        return itemType == KBMapNode::SteeringWheel ? tr("Keyboard walk") : tr("Click");
    }
}

QString QHIDMapperItemWidget::paletteIcon(int itemType, int roleType)
{
    for (const PaletteEntry& entry : kPalette) {
        if (entry.itemType == itemType && entry.roleType == roleType)
            return QString::fromLatin1(entry.icon);
    }
    return QString::fromLatin1(kPalette[0].icon);
}

QHIDMapperItemWidget::QHIDMapperItemWidget(const KBMapNode& node, QHIDMapperWidget* overlay)
    : QWidget(overlay)
    , m_overlay(overlay)
    , m_node(node)
{
    setObjectName(QStringLiteral("hidMapperItem"));
    setAttribute(Qt::WA_TranslucentBackground);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("labelKey"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_badge = new QLabel(this);
    m_badge->setObjectName(QStringLiteral("labelKeyName"));
    m_badge->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_badge->setAlignment(Qt::AlignCenter);
    if (isWheel()) {
        for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
            m_directions[i] = new QLabel(this);
            m_directions[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_directions[i]->setAlignment(Qt::AlignCenter);
        }
    }
    m_delete = new QPushButton(QStringLiteral("\u00d7"), this);
    m_delete->setObjectName(QStringLiteral("btnDeleteKey"));
    m_delete->setFocusPolicy(Qt::NoFocus);
    m_delete->setFixedSize(kDeleteSide, kDeleteSide);
    m_delete->setStyleSheet(QStringLiteral("QPushButton{border:none;border-radius:9px;background:#e04040;color:white;"
                                           "font-weight:bold;font-size:13px;padding:0;}"));
    connect(m_delete, &QPushButton::clicked, this, [this] { m_overlay->removeItem(this); });
    m_handle = new QLabel(this);
    m_handle->setObjectName(QStringLiteral("resizeHandle"));
    m_handle->setFixedSize(kHandleSide, kHandleSide);
    m_handle->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_handle->setStyleSheet(QStringLiteral("background:#ff9900;border-radius:3px;"));
    m_handle->setCursor(Qt::SizeBDiagCursor);
    m_opacityEffect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(m_opacityEffect);
    setToolTip(paletteToolTip(m_node.itemType, m_node.roleType));
    setEditing(false);
}

bool QHIDMapperItemWidget::takesKeyboardKey() const
{
    return !(m_node.itemType == KBMapNode::Special
             && (m_node.roleType == KBMapNode::RightClickWalk || m_node.roleType == KBMapNode::FieldOfView));
}

bool QHIDMapperItemWidget::takesMouseButton() const
{
    return !isWheel() && takesKeyboardKey();
}

bool QHIDMapperItemWidget::hasKeys() const
{
    if (m_node.itemType == KBMapNode::Special && m_node.roleType == KBMapNode::FieldOfView)
        return true;
    const int slotCount = isWheel() ? KBMapNode::kSlotCount : 1;
    for (int i = 0; i < slotCount; ++i) {
        if (m_node.keys[i].key == KBMapNode::kNoKey)
            return false;
    }
    return true;
}

bool QHIDMapperItemWidget::usesKey(int kind, int key) const
{
    return m_node.usesKey(kind, key);
}

void QHIDMapperItemWidget::setEditing(bool on)
{
    m_editing = on;
    setFocusPolicy(on ? Qt::ClickFocus : Qt::NoFocus);
    setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_delete->setVisible(on);
    m_handle->setVisible(on);
    if (!on && hasFocus())
        clearFocus();
    m_opacityEffect->setOpacity(on ? 1.0 : m_opacity * 0.01);
    restyle();
}

void QHIDMapperItemWidget::setKeyOpacity(int percent)
{
    m_opacity = qBound(0, percent, 100);
    m_opacityEffect->setOpacity(m_editing ? 1.0 : m_opacity * 0.01);
}

void QHIDMapperItemWidget::setAssigningDirection(int direction)
{
    m_direction = qBound(0, direction, KBMapNode::kSlotCount - 1);
    restyle();
}

QString QHIDMapperItemWidget::iconPath() const
{
    const KBMapNode::KeySlot& key = m_node.keys[0];
    if (isWheel())
        return paletteIcon(m_node.itemType, m_node.roleType);
    if (key.kind == KBMapNode::MouseButton && key.key == Qt::LeftButton)
        return QString::fromLatin1(kMouseLeftIcon);
    if (key.kind == KBMapNode::MouseButton && key.key == Qt::RightButton)
        return QString::fromLatin1(kMouseRightIcon);
    // A plain click shows its key alone once it has one.
    if (m_node.roleType == KBMapNode::RoleNone && key.key != KBMapNode::kNoKey)
        return QString();
    return paletteIcon(m_node.itemType, m_node.roleType);
}

QString QHIDMapperItemWidget::keyText() const
{
    if (isWheel())
        return QString();
    const KBMapNode::KeySlot& key = m_node.keys[0];
    if (key.kind == KBMapNode::MouseButton && (key.key == Qt::LeftButton || key.key == Qt::RightButton))
        return QString();
    return KBMapFormat::keyLabel(key.kind, key.key);
}

QString QHIDMapperItemWidget::directionText(int direction) const
{
    const KBMapNode::KeySlot& key = m_node.keys[direction];
    return KBMapFormat::keyLabel(key.kind, key.key);
}

void QHIDMapperItemWidget::restyle()
{
    const bool focused = hasFocus();
    const QString icon = iconPath();
    const QString text = keyText();
    setProperty(kIconProperty, icon);
    // An icon keeps the middle; the key's name then goes on a badge along the bottom.
    const bool badge = !icon.isEmpty() && !text.isEmpty();
    m_label->setText(badge ? QString() : text);
    m_label->setAlignment(Qt::AlignCenter);
    QString style = labelStyle(focused, size(), fontPixels(m_label, text, width(), height()), icon);
    // The wheel's own icon stays clear of its four keys.
    if (isWheel())
        style += QString::asprintf(";padding:%dpx", int(kDirectionShare * qMin(width(), height())) + 4);
    m_label->setStyleSheet(style);
    m_badge->setVisible(badge);
    if (badge) {
        m_badge->setText(text);
        m_badge->setStyleSheet(QString::asprintf("background-color:rgba(20,20,20,80%%);border-radius:3px;font-weight:bold;"
                                                 "font-size:%dpx;color:%s;",
                                                 fontPixels(m_badge, text, m_badge->width(), m_badge->height() * 2),
                                                 qPrintable(textColour(focused))));
    }
    if (!isWheel())
        return;
    for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
        // A direction shows its key once it has one, its arrow until then.
        QLabel* direction = m_directions[i];
        const bool assigning = m_editing && focused && i == m_direction;
        const QString name = directionText(i);
        direction->setText(name);
        const QSize side = direction->size();
        direction->setStyleSheet(labelStyle(assigning, side, fontPixels(direction, name, side.width(), side.height()),
                                            name.isEmpty() ? QString::fromLatin1(kArrowIcons[i]) : QString()));
    }
}

void QHIDMapperItemWidget::relayout()
{
    const QSize area = m_overlay->size();
    if (area.isEmpty())
        return;
    // Nodes of the older format carry no size: they get a new marker's.
    if (m_node.size.width() <= 0 || m_node.size.height() <= 0) {
        int side = kPalette[0].side;
        for (const PaletteEntry& entry : kPalette) {
            if (entry.itemType == m_node.itemType && entry.roleType == m_node.roleType)
                side = entry.side;
        }
        m_node.size = QSizeF(double(side) / area.width(), double(side) / area.height());
    }
    const QSize pixels(qMax(kMinimumSide, qRound(m_node.size.width() * area.width())),
                       qMax(kMinimumSide, qRound(m_node.size.height() * area.height())));
    const QPointF centre(m_node.position.x() * area.width(), m_node.position.y() * area.height());
    setGeometry(QRect((centre - QPointF(pixels.width() / 2.0, pixels.height() / 2.0)).toPoint(), pixels));
    if (isWheel() && m_node.keys[0].offset.isNull() && m_node.keys[1].offset.isNull())
        placeDefaultDirections();
    layoutChildren();
}

void QHIDMapperItemWidget::placeDefaultDirections()
{
    const QSize area = m_overlay->size();
    const double label = qMax(double(kDirectionMinimum), kDirectionShare * qMin(width(), height()));
    const double dx = (width() - label) / 2.0 / area.width();
    const double dy = (height() - label) / 2.0 / area.height();
    m_node.keys[KBMapNode::Up].offset = QPointF(0, -dy);
    m_node.keys[KBMapNode::Left].offset = QPointF(-dx, 0);
    m_node.keys[KBMapNode::Down].offset = QPointF(0, dy);
    m_node.keys[KBMapNode::Right].offset = QPointF(dx, 0);
}

void QHIDMapperItemWidget::layoutChildren()
{
    m_label->setGeometry(rect());
    const int badgeHeight = qMax(12, height() / 4);
    m_badge->setGeometry(width() / 8, height() - badgeHeight - height() / 10, width() - width() / 4, badgeHeight);
    m_delete->move(0, 0);
    m_handle->move(width() - kHandleSide, 0);
    m_handle->raise();
    m_delete->raise();
    if (isWheel()) {
        const QSize area = m_overlay->size();
        const int side = qMax(kDirectionMinimum, int(kDirectionShare * qMin(width(), height())));
        for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
            const QPointF offset = m_node.keys[i].offset;
            const QPointF centre(width() / 2.0 + offset.x() * area.width(), height() / 2.0 + offset.y() * area.height());
            m_directions[i]->setGeometry(QRect((centre - QPointF(side / 2.0, side / 2.0)).toPoint(), QSize(side, side)));
        }
    }
    restyle();
}

void QHIDMapperItemWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void QHIDMapperItemWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    restyle();
}

void QHIDMapperItemWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    restyle();
}

void QHIDMapperItemWidget::keyPressEvent(QKeyEvent* event)
{
    if (!m_editing) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int key = event->key();
    if (event->isAutoRepeat() || key == 0 || key == Qt::Key_unknown || !takesKeyboardKey())
        return;
    assign(KBMapNode::KeyboardKey, key);
}

void QHIDMapperItemWidget::assign(int kind, int key)
{
    const int slot = isWheel() ? m_direction : 0;
    bool taken = m_overlay->isKeyInUse(kind, key, this);
    for (int i = 0; i < KBMapNode::kSlotCount && isWheel(); ++i)
        taken = taken || (i != slot && m_node.keys[i].kind == kind && m_node.keys[i].key == key);
    if (taken) {
        m_overlay->showToast(tr("The key is already in use."));
        return;
    }
    m_node.keys[slot].kind = kind;
    m_node.keys[slot].key = key;
    // A wheel takes its four keys one after the other.
    if (isWheel())
        m_direction = (m_direction + 1) % KBMapNode::kSlotCount;
    restyle();
}

void QHIDMapperItemWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_editing) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // Keys reach the marker only once the overlay is the active window.
    if (!m_overlay->isActiveWindow())
        m_overlay->activateWindow();
    m_overlay->keepEditorOnTop();
    m_pressed.start();
    m_pressAt = event->globalPos();
    m_moved = false;
    m_resizing = m_handle->geometry().contains(event->pos());
    for (int i = 0; i < KBMapNode::kSlotCount && isWheel(); ++i) {
        if (m_directions[i]->geometry().contains(event->pos()))
            m_direction = i;
    }
    setFocus(Qt::MouseFocusReason);
    restyle();
}

void QHIDMapperItemWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_editing || !m_pressed.isValid()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (event->globalPos() != m_pressAt)
        m_moved = true;
    const QPoint inOverlay = m_overlay->mapFromGlobal(event->globalPos());
    if (m_resizing)
        resizeTo(inOverlay);
    else if (m_moved && m_pressed.elapsed() >= kHoldMs && m_node.itemType != KBMapNode::Drag)
        moveCentreTo(inOverlay);
}

void QHIDMapperItemWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_editing || !m_pressed.isValid()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const bool click = !m_moved && !m_resizing && m_pressed.elapsed() < kHoldMs;
    m_pressed.invalidate();
    m_resizing = false;
    if (click && takesMouseButton())
        assign(KBMapNode::MouseButton, int(event->button()));
}

void QHIDMapperItemWidget::moveCentreTo(QPoint inOverlay)
{
    const QSize area = m_overlay->size();
    QPointF centre(double(inOverlay.x()) / area.width(), double(inOverlay.y()) / area.height());
    if (m_node.roleType == KBMapNode::FieldOfView) {
        centre.setX(qBound(kFieldOfViewLow, centre.x(), kFieldOfViewHigh));
        centre.setY(qBound(kFieldOfViewLow, centre.y(), kFieldOfViewHigh));
    }
    m_node.position = centre;
    relayout();
}

void QHIDMapperItemWidget::resizeTo(QPoint inOverlay)
{
    // The bottom-left corner stays; the top-right follows the mouse as a square.
    const QRect before = geometry();
    const int bottom = before.bottom() + 1;
    const int side = qMax(kMinimumSide, qMin(inOverlay.x() - before.left(), bottom - inOverlay.y()));
    const double scaleX = double(side) / before.width();
    const double scaleY = double(side) / before.height();
    for (KBMapNode::KeySlot& key : m_node.keys)
        key.offset = QPointF(key.offset.x() * scaleX, key.offset.y() * scaleY);
    setGeometry(before.left(), bottom - side, side, side);
    storeGeometry();
}

void QHIDMapperItemWidget::storeGeometry()
{
    const QSize area = m_overlay->size();
    if (area.isEmpty())
        return;
    const QRectF box(geometry());
    m_node.position = QPointF(box.center().x() / area.width(), box.center().y() / area.height());
    m_node.size = QSizeF(box.width() / area.width(), box.height() / area.height());
}
