#pragma once

#include "control/KBMapNode.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

class QGraphicsOpacityEffect;
class QHIDMapperWidget;
class QLabel;
class QPushButton;

// One key marker on the key-map overlay: where a node's finger lands, which key holds it and,
// for a steering wheel, where each direction pushes. In edit mode it takes keys and mouse
// buttons, moves after a long press and resizes from its corner handle.
class QHIDMapperItemWidget : public QWidget {
    Q_OBJECT
public:
    // The markers the editor's palette offers, in palette order.
    struct PaletteEntry {
        int itemType;
        int roleType;
        const char* icon;
        int side;  // pixels of a new marker
    };
    static constexpr int kPaletteCount = 8;
    static constexpr int kFieldOfViewIndex = 1;
    // A press shorter than this is a click that assigns the mouse button; a longer one moves.
    static constexpr int kHoldMs = 300;
    static constexpr int kMinimumSide = 24;

    static const PaletteEntry& paletteEntry(int index);
    static QString paletteToolTip(int itemType, int roleType);
    static QString paletteIcon(int itemType, int roleType);

    // node: positions, sizes and wheel offsets as fractions of the overlay.
    QHIDMapperItemWidget(const KBMapNode& node, QHIDMapperWidget* overlay);

    // The node as laid out now, in fractions of the overlay.
    const KBMapNode& node() const { return m_node; }
    // Every key the node needs is set (a field of view needs none).
    bool hasKeys() const;
    bool usesKey(int kind, int key) const;

    void setEditing(bool on);
    bool isEditing() const { return m_editing; }
    void setKeyOpacity(int percent);
    // Places the marker from its fractions and the overlay's size.
    void relayout();
    // The direction a key press assigns next (steering wheels).
    int assigningDirection() const { return m_direction; }
    void setAssigningDirection(int direction);
    QString iconPath() const;
    QString keyText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool isWheel() const { return m_node.itemType == KBMapNode::SteeringWheel; }
    bool takesKeyboardKey() const;
    bool takesMouseButton() const;
    void assign(int kind, int key);
    void restyle();
    void layoutChildren();
    void placeDefaultDirections();
    void moveCentreTo(QPoint inOverlay);
    void resizeTo(QPoint inOverlay);
    void storeGeometry();
    QString directionText(int direction) const;

    QHIDMapperWidget* m_overlay;
    KBMapNode m_node;
    QLabel* m_label = nullptr;
    QLabel* m_badge = nullptr;  // the key's name under an icon
    QLabel* m_directions[KBMapNode::kSlotCount] = {};
    QPushButton* m_delete = nullptr;
    QLabel* m_handle = nullptr;
    QGraphicsOpacityEffect* m_opacityEffect = nullptr;
    bool m_editing = false;
    int m_opacity = 60;
    int m_direction = KBMapNode::Up;
    QElapsedTimer m_pressed;
    QPoint m_pressAt;
    bool m_moved = false;
    bool m_resizing = false;
};
