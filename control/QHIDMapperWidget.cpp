#include "control/QHIDMapperWidget.h"

#include "control/Controller.h"
#include "control/QHIDMapperEditor.h"
#include "control/QHIDMapperItemWidget.h"
#include "render/QRenderWidget.h"
#include "ui/QEToast.h"
#include "ui/QPVDeviceWidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QWindow>

const char QHIDMapperWidget::kMimeFormat[] = "pivora/HIDMapperItemInfoIndex";

namespace {

const QColor kEditTint(0, 0, 0, 60);
const QColor kEditFrame(0xff, 0x99, 0x00);
constexpr int kEditFrameWidth = 2;

} // namespace

QHIDMapperWidget::QHIDMapperWidget(QPVDeviceWidget* window, Controller* controller)
    : QWidget(window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
    , m_window(window)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("QHIDMapperWidget"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus);
    followVideoArea();
    m_editor = new QHIDMapperEditor(this);
    followVideoArea();
}

QHIDMapperWidget::~QHIDMapperWidget() = default;

QPVDeviceWidget* QHIDMapperWidget::deviceWindow() const
{
    return m_window;
}

Controller* QHIDMapperWidget::controller() const
{
    return m_controller;
}

void QHIDMapperWidget::followVideoArea()
{
    if (!m_window)
        return;
    const QRenderWidget* video = m_window->renderWidget();
    setGeometry(QRect(video->mapToGlobal(QPoint(0, 0)), video->size()));
    if (m_editor)
        m_editor->placeOn(geometry());
}

void QHIDMapperWidget::raiseWithEditor()
{
    raise();
    m_editor->raise();
}

void QHIDMapperWidget::keepEditorOnTop()
{
    if (m_editor->isVisible())
        m_editor->raise();
}

bool QHIDMapperWidget::event(QEvent* event)
{
    // The window manager raises the overlay it activates, over the editor too.
    if (event->type() == QEvent::WindowActivate)
        keepEditorOnTop();
    return QWidget::event(event);
}

void QHIDMapperWidget::setEditing(bool on)
{
    m_editing = on;
    setInputTransparent(!on);
    for (QHIDMapperItemWidget* item : items())
        item->setEditing(on);
    update();
}

void QHIDMapperWidget::setInputTransparent(bool on)
{
    // On a shown window the flag is changed in place; the widget's own flags would re-create it.
    if (QWindow* handle = windowHandle())
        handle->setFlag(Qt::WindowTransparentForInput, on);
    else
        setWindowFlag(Qt::WindowTransparentForInput, on);
}

void QHIDMapperWidget::setKeyOpacity(int percent)
{
    m_opacity = qBound(0, percent, 100);
    for (QHIDMapperItemWidget* item : items())
        item->setKeyOpacity(m_opacity);
}

QList<QHIDMapperItemWidget*> QHIDMapperWidget::items() const
{
    QList<QHIDMapperItemWidget*> live;
    for (const QPointer<QHIDMapperItemWidget>& item : m_items) {
        if (item)
            live.append(item.data());
    }
    return live;
}

bool QHIDMapperWidget::refuses(int itemType, int roleType) const
{
    for (const QHIDMapperItemWidget* item : items()) {
        const KBMapNode& node = item->node();
        if ((roleType == KBMapNode::FieldOfView && node.roleType == KBMapNode::FieldOfView)
            || (roleType == KBMapNode::RightClickWalk && node.roleType == KBMapNode::RightClickWalk)
            || (itemType == KBMapNode::SteeringWheel && node.itemType == KBMapNode::SteeringWheel))
            return true;
    }
    return false;
}

QHIDMapperItemWidget* QHIDMapperWidget::addItem(int paletteIndex, QPointF centre)
{
    const QHIDMapperItemWidget::PaletteEntry& entry = QHIDMapperItemWidget::paletteEntry(paletteIndex);
    if (refuses(entry.itemType, entry.roleType)) {
        showToast(tr("This kind of key has been added."));
        return nullptr;
    }
    if (width() <= 0 || height() <= 0)
        return nullptr;
    KBMapNode node;
    node.itemType = entry.itemType;
    node.roleType = entry.roleType;
    node.position = QPointF(centre.x() / width(), centre.y() / height());
    node.size = QSizeF(double(entry.side) / width(), double(entry.side) / height());
    // Walking follows the right button; the marker takes no other key.
    if (entry.roleType == KBMapNode::RightClickWalk && !isKeyInUse(KBMapNode::MouseButton, Qt::RightButton, nullptr)) {
        node.keys[0].kind = KBMapNode::MouseButton;
        node.keys[0].key = Qt::RightButton;
    }
    QHIDMapperItemWidget* item = createItem(node);
    item->setEditing(true);
    return item;
}

QHIDMapperItemWidget* QHIDMapperWidget::createItem(const KBMapNode& node)
{
    auto* item = new QHIDMapperItemWidget(node, this);
    item->setKeyOpacity(m_opacity);
    item->setEditing(m_editing);
    item->relayout();
    item->show();
    m_items.append(item);
    return item;
}

void QHIDMapperWidget::removeItem(QHIDMapperItemWidget* item)
{
    m_items.removeAll(item);
    item->hide();
    // The item's own delete button is still in its click.
    item->deleteLater();
}

void QHIDMapperWidget::clearItems()
{
    for (QHIDMapperItemWidget* item : items())
        removeItem(item);
    m_items.clear();
}

void QHIDMapperWidget::setNodes(const QList<KBMapNode>& nodes)
{
    clearItems();
    for (const KBMapNode& node : nodes)
        createItem(node);
}

QList<KBMapNode> QHIDMapperWidget::nodes(const QSizeF& canvas) const
{
    QSizeF area = size();
    if ((canvas.width() > canvas.height()) != (area.width() > area.height()))
        area.transpose();
    QList<KBMapNode> out;
    for (const QHIDMapperItemWidget* item : items()) {
        KBMapNode node = item->node();
        const QRectF box(item->geometry());
        node.position = QPointF(box.center().x() / area.width(), box.center().y() / area.height());
        node.size = QSizeF(box.width() / area.width(), box.height() / area.height());
        // The item keeps its wheel offsets in fractions of the overlay as it is.
        for (KBMapNode::KeySlot& key : node.keys)
            key.offset = QPointF(key.offset.x() * width() / area.width(), key.offset.y() * height() / area.height());
        out.append(node);
    }
    return out;
}

QHIDMapperItemWidget* QHIDMapperWidget::firstItemWithoutKeys() const
{
    for (QHIDMapperItemWidget* item : items()) {
        if (!item->hasKeys())
            return item;
    }
    return nullptr;
}

bool QHIDMapperWidget::isKeyInUse(int kind, int key, const QHIDMapperItemWidget* except) const
{
    for (const QHIDMapperItemWidget* item : items()) {
        if (item != except && item->usesKey(kind, key))
            return true;
    }
    return false;
}

void QHIDMapperWidget::showToast(const QString& text)
{
    QEToast::showText(this, text);
}

void QHIDMapperWidget::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void QHIDMapperWidget::dragMoveEvent(QDragMoveEvent* event)
{
    // Only palette entries, and only while editing.
    if (m_editing && event->mimeData()->hasFormat(QLatin1String(kMimeFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void QHIDMapperWidget::dropEvent(QDropEvent* event)
{
    bool ok = false;
    const int index = QString::fromLatin1(event->mimeData()->data(QLatin1String(kMimeFormat))).toInt(&ok);
    if (!m_editing || !ok || index < 0 || index >= QHIDMapperItemWidget::kPaletteCount) {
        event->ignore();
        return;
    }
    QPointF at = event->posF();
    if (index == QHIDMapperItemWidget::kFieldOfViewIndex) {
        at.setX(qBound(kFieldOfViewLow * width(), at.x(), kFieldOfViewHigh * width()));
        at.setY(qBound(kFieldOfViewLow * height(), at.y(), kFieldOfViewHigh * height()));
    }
    addItem(index, at);
    event->acceptProposedAction();
}

void QHIDMapperWidget::mousePressEvent(QMouseEvent* event)
{
    // A click beside the markers lets go of the one being edited.
    if (m_editing)
        setFocus(Qt::MouseFocusReason);
    keepEditorOnTop();
    QWidget::mousePressEvent(event);
}

void QHIDMapperWidget::paintEvent(QPaintEvent*)
{
    if (!m_editing)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), kEditTint);
    painter.setPen(QPen(kEditFrame, kEditFrameWidth, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void QHIDMapperWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QHIDMapperItemWidget* item : items())
        item->relayout();
}

void QHIDMapperWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    followVideoArea();
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void QHIDMapperWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_editor->hide();
}
