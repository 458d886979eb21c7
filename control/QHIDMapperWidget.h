#pragma once

#include "control/KBMapNode.h"

#include <QList>
#include <QPointer>
#include <QSizeF>
#include <QWidget>

class Controller;
class QHIDMapperEditor;
class QHIDMapperItemWidget;
class QPVDeviceWidget;

// The key-map overlay: a frameless see-through window laid exactly over a device window's
// video, carrying one marker per key node. While playing it lets every input through to the
// video below; in edit mode it takes markers dropped from the editor's palette.
class QHIDMapperWidget : public QWidget {
    Q_OBJECT
public:
    // Drag-and-drop format of a palette entry: its index as decimal text.
    static const char kMimeFormat[];
    // Where a field of view may be put, in fractions of the overlay.
    static constexpr double kFieldOfViewLow = 0.3;
    static constexpr double kFieldOfViewHigh = 0.7;

    QHIDMapperWidget(QPVDeviceWidget* window, Controller* controller);
    ~QHIDMapperWidget() override;

    QPVDeviceWidget* deviceWindow() const;
    Controller* controller() const;
    QHIDMapperEditor* editor() const { return m_editor; }

    // Same place and size as the device window's video; the editor sits on its top edge.
    void followVideoArea();
    // Above the device window, with the editor above the overlay.
    void raiseWithEditor();
    // A click on the overlay raises it; the editor goes back on top.
    void keepEditorOnTop();

    void setEditing(bool on);
    bool isEditing() const { return m_editing; }
    void setKeyOpacity(int percent);
    int keyOpacity() const { return m_opacity; }

    // A new marker of a palette entry centred at a point of the overlay; null when a marker of
    // that kind may be there only once and already is (the user is told).
    QHIDMapperItemWidget* addItem(int paletteIndex, QPointF centre);
    void removeItem(QHIDMapperItemWidget* item);
    void clearItems();
    QList<QHIDMapperItemWidget*> items() const;
    // Markers for the nodes (fractions of the overlay).
    void setNodes(const QList<KBMapNode>& nodes);
    // The markers as nodes in fractions of a canvas of that orientation: when the canvas and
    // the overlay are turned differently, the overlay's sides are swapped for the fractions.
    QList<KBMapNode> nodes(const QSizeF& canvas) const;
    // The first marker that still misses a key, null when none does.
    QHIDMapperItemWidget* firstItemWithoutKeys() const;
    bool isKeyInUse(int kind, int key, const QHIDMapperItemWidget* except) const;
    void showToast(const QString& text);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool refuses(int itemType, int roleType) const;
    void setInputTransparent(bool on);
    QHIDMapperItemWidget* createItem(const KBMapNode& node);

    QPointer<QPVDeviceWidget> m_window;
    QPointer<Controller> m_controller;
    QHIDMapperEditor* m_editor = nullptr;
    QList<QPointer<QHIDMapperItemWidget>> m_items;
    bool m_editing = false;
    int m_opacity = 60;
};
