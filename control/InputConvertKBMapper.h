#pragma once

#include "control/InputConvertAirplay.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QSize>

#include <functional>
#include <memory>

class CKBMapProfile;
struct KBMapNode;

// Plays a key-map profile: keys and mouse buttons become fingers on the phone's screen where
// the profile puts them, four keys work a joystick, held keys aim skills or turn the camera
// with the mouse, and a shooting mode hides the cursor and makes the mouse the camera.
// Everything the profile does not map is handled as by the plain converter.
class InputConvertKBMapper : public InputConvertAirplay {
    Q_OBJECT
public:
    static constexpr int kPointerCount = 10;
    // Mouse moves are dropped this long after a mode switch or a delayed finger.
    static constexpr int kBusyMs = 30;
    // Running with Shift pushes the joystick this far further up (fraction of the height).
    static constexpr double kSprintOffsetY = -0.4;
    static constexpr int kWalkHoldMs = 1500;
    static constexpr int kCancelDelayMs = 20;
    // A field-of-view finger that ends this close to the screen's edge starts over.
    static constexpr double kViewMargin = 0.05;
    // The hidden cursor is kept this far inside the area.
    static constexpr int kCursorEdge = 50;
    static constexpr int kViewRestartMs = 500;

    InputConvertKBMapper(Controller* controller, const QString& profilePath);
    ~InputConvertKBMapper() override;

    void mouseEvent(const QMouseEvent* from, const QSize& frameSize, const QSize& showSize) override;
    void keyEvent(const QKeyEvent* from, const QSize& frameSize, const QSize& showSize) override;
    bool isKBMapper() const override { return true; }
    CKBMapProfile* kbMapProfile() const override;

    // 32-bit uniform random numbers for jitter and paths; replaceable so they can be checked.
    void setRandom(std::function<quint32()> random);
    bool isCursorShown() const { return m_cursorShown; }
    bool isBusy() const { return m_busy; }
    // Fingers down, in slot order.
    int fingersDown() const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    enum SteeringBits { kDirectionBits = 0x0F, kSprintBit = 0x100 };

    struct Slot {
        int id = 0;
        int keyKind = 0;
        int key = -1;
        int node = -1;  // index of the profile node that holds the slot
        QPointF base;
        QPointF point;
        QSize area;
        int itemType = 0;
        int roleType = 0;
        int mask = 0;
        uint32_t buttons = 1;
        QPointF viewCentre;
        QPoint lastCursor;
        QPointF residual;
        QList<QPointF> path;
        QList<int> delays;
        int timer = 0;
        bool releaseAfterPath = false;
        bool used = false;
    };

    // A finger that goes down a moment after its key (smart magic, rotate view).
    struct Delayed {
        int id = 0;
        int node = -1;
        int key = -1;
        QSize area;
        bool released = false;
    };

    const KBMapNode& node(int index) const;
    bool shootingMode() const;
    int random(int range);
    QPointF jittered(const QPointF& fraction, const QSize& area);
    QPointF jitter(const QPointF& point);

    Slot* takeSlot(int keyKind, int key, int node);
    Slot* findSlot(int keyKind, int key);
    Slot* findSlotOfType(int itemType);
    Slot* slotOf(int id);
    void freeSlot(Slot& slot);
    // Takes a slot for the node and puts its finger down at the node's jittered position.
    Slot* putNodeDown(int node, int keyKind, int key, const QSize& area, uint32_t buttons = 1);
    void fingerDown(Slot& slot, const QPointF& at, const QSize& area, uint32_t buttons);
    void fingerMove(Slot& slot);
    void fingerUp(Slot& slot);
    void sendFinger(const Slot& slot, uint32_t action);
    void liftAndFree(Slot& slot);

    void buildHumanPath(Slot& slot, const QPointF& from, const QPointF& to);
    void startPathTimer(Slot& slot, int ms);
    void stopPathTimer(Slot& slot);
    void followPath(Slot& slot);

    void switchMode();
    void setBusy();
    void showCursor(bool shown);
    void moveCursor(const QPointF& inArea);

    void keyClick(int index, const QKeyEvent* from, bool press, const QSize& area);
    void keyTap(int index, const QKeyEvent* from, const QSize& area);
    void keyDrag(int index, const QKeyEvent* from, bool press, const QSize& area);
    void keySpecial(int index, const QKeyEvent* from, bool press, const QSize& frameSize, const QSize& area);
    // Lifts the finger of that pointer (view or aim), if any.
    void liftPointer(int* pointer);
    void cancelSmartMagic(int index, const QSize& area);
    void putDownLater(int index, int key, const QSize& area);
    void finishDelayed(int id);
    void steer(int index, int direction, bool press, Qt::KeyboardModifiers modifiers, int key, const QSize& area);

    bool handleMove(const QMouseEvent* from, const QSize& area);
    bool handleButton(const QMouseEvent* from, bool press, const QSize& area);
    void aim(Slot* slot, int index, const QMouseEvent* from, bool press, const QSize& area);
    void camera(Slot* slot, const QMouseEvent* from, const QSize& area);
    // Hands mouse events to the plain converter, but only for buttons it saw go down.
    void plainMouse(const QMouseEvent* from, const QSize& frameSize, const QSize& showSize);

    std::unique_ptr<CKBMapProfile> m_profile;
    Slot m_slots[kPointerCount];
    int m_viewPointer = -1;
    int m_aimPointer = -1;
    bool m_hasFieldOfView = false;
    bool m_cursorShown = true;
    bool m_busy = false;
    QList<Delayed> m_delayed;
    int m_delayedIds = 0;
    int m_busyGeneration = 0;
    Qt::MouseButtons m_plainButtons;
    std::function<quint32()> m_random;
};
