#pragma once

#include <QByteArray>
#include <QPointF>
#include <QSizeF>

// One mapped control of a key-map profile. Positions, points, sizes and wheel offsets are
// fractions of the canvas the profile was laid out on.
struct KBMapNode {
    enum ItemType {
        NoItem = 0,
        Click = 1,
        DoubleClick = 2,
        Drag = 3,
        SteeringWheel = 4,
        Special = 5,
    };
    enum RoleType {
        RoleNone = 0,
        Backpack = 1,
        CancelSmartMagic = 2,
        SmartMagic = 3,
        RotateView = 4,
        RightClickWalk = 5,
        FieldOfView = 6,
    };
    enum KeyKind {
        NoKind = 0,
        KeyboardKey = 1,  // a Qt::Key value
        MouseButton = 2,  // a Qt::MouseButton value
    };
    // Slots of a steering wheel; slot 0 is every other node's key.
    enum Direction { Up = 0, Left = 1, Down = 2, Right = 3 };
    static constexpr int kSlotCount = 4;
    static constexpr int kNoKey = -1;
    // Longest comment kept from the older file format, in bytes.
    static constexpr int kCommentMaxBytes = 127;

    struct KeySlot {
        int kind = NoKind;
        int key = kNoKey;
        QPointF offset;  // steering wheel only, relative to the position
    };

    int itemType = NoItem;
    int roleType = RoleNone;
    KeySlot keys[kSlotCount];
    QPointF position;  // centre of the control
    QPointF points[2];  // start and end of a drag
    QSizeF size{0, 0};  // of the on-screen marker
    QByteArray comment;

    bool usesKey(int kind, int key, int* direction = nullptr) const
    {
        const int slotCount = itemType == SteeringWheel ? kSlotCount : 1;
        for (int i = 0; i < slotCount; ++i) {
            if (keys[i].key != kNoKey && keys[i].kind == kind && keys[i].key == key) {
                if (direction)
                    *direction = i;
                return true;
            }
        }
        return false;
    }
};
