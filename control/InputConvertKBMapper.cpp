#include "control/InputConvertKBMapper.h"

#include "control/CKBMapProfile.h"
#include "control/ControlMsg.h"
#include "control/Controller.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QTimerEvent>

#include <cmath>

namespace {

constexpr uint32_t kFingerButtons = Qt::LeftButton;
constexpr float kPressure = 1.0f;
// Jitter: a whole-pixel offset of -5..+4 on each axis.
constexpr int kJitterValues = 10;
constexpr int kJitterLow = -5;
// Human paths: 5..10 steps that wobble by up to 2 pixels, 3..5 ms apart.
constexpr int kPathStepsMin = 5;
constexpr int kPathStepsValues = 6;
constexpr double kPathWobble = 2.0;
constexpr int kPathDelayMin = 3;
constexpr int kPathDelayValues = 3;
// Vertical mouse movement turns the camera faster than horizontal.
constexpr double kSensitivityScale = 0.15;
constexpr double kVerticalDamping = 0.3;
constexpr int kFullSensitivity = 100;
constexpr double kTwoTo32 = 4294967296.0;

bool isCameraRole(int role)
{
    return role == KBMapNode::RotateView || role == KBMapNode::FieldOfView;
}

bool hasViewCentre(int role)
{
    return role >= KBMapNode::SmartMagic && role <= KBMapNode::FieldOfView;
}

bool outsideMargin(double fraction)
{
    return fraction < InputConvertKBMapper::kViewMargin || fraction > 1.0 - InputConvertKBMapper::kViewMargin;
}

QPointF rounded(const QPointF& point)
{
    return QPointF(std::lround(point.x()), std::lround(point.y()));
}

} // namespace

InputConvertKBMapper::InputConvertKBMapper(Controller* controller, const QString& profilePath)
    : InputConvertAirplay(controller)
    , m_profile(std::make_unique<CKBMapProfile>(profilePath))
    , m_random([] { return QRandomGenerator::global()->generate(); })
{
    if (!m_profile->load())
        qWarning("Key map %s is not played: its keys go to the phone as they are", qUtf8Printable(profilePath));
    for (int i = 0; i < kPointerCount; ++i)
        m_slots[i].id = i;
    m_hasFieldOfView = m_profile->findRoleType(KBMapNode::FieldOfView) >= 0;
    // A cursor hidden by an earlier converter was shown again when that one went.
}

InputConvertKBMapper::~InputConvertKBMapper()
{
    for (Slot& slot : m_slots) {
        if (slot.used)
            fingerUp(slot);
    }
    showCursor(true);
}

CKBMapProfile* InputConvertKBMapper::kbMapProfile() const
{
    return m_profile.get();
}

void InputConvertKBMapper::setRandom(std::function<quint32()> random)
{
    if (random)
        m_random = std::move(random);
}

int InputConvertKBMapper::fingersDown() const
{
    int down = 0;
    for (const Slot& slot : m_slots)
        down += slot.used ? 1 : 0;
    return down;
}

const KBMapNode& InputConvertKBMapper::node(int index) const
{
    return m_profile->nodes().at(index);
}

bool InputConvertKBMapper::shootingMode() const
{
    return m_hasFieldOfView && !m_cursorShown;
}

int InputConvertKBMapper::random(int values)
{
    return int((quint64(m_random()) * quint64(values)) >> 32);
}

QPointF InputConvertKBMapper::jitter(const QPointF& point)
{
    const int dx = random(kJitterValues) + kJitterLow;
    const int dy = random(kJitterValues) + kJitterLow;
    return point + QPointF(dx, dy);
}

QPointF InputConvertKBMapper::jittered(const QPointF& fraction, const QSize& area)
{
    return jitter(QPointF(fraction.x() * area.width(), fraction.y() * area.height()));
}

// --- Slots and fingers

InputConvertKBMapper::Slot* InputConvertKBMapper::takeSlot(int keyKind, int key, int index)
{
    for (Slot& slot : m_slots) {
        if (slot.used)
            continue;
        slot.used = true;
        slot.keyKind = keyKind;
        slot.key = key;
        slot.node = index;
        slot.itemType = node(index).itemType;
        slot.roleType = node(index).roleType;
        slot.path.clear();
        slot.delays.clear();
        slot.releaseAfterPath = false;
        return &slot;
    }
    // Ten fingers are down: this one is not put down.
    return nullptr;
}

InputConvertKBMapper::Slot* InputConvertKBMapper::findSlot(int keyKind, int key)
{
    for (Slot& slot : m_slots) {
        if (slot.used && slot.keyKind == keyKind && slot.key == key)
            return &slot;
    }
    return nullptr;
}

InputConvertKBMapper::Slot* InputConvertKBMapper::findSlotOfType(int itemType)
{
    for (Slot& slot : m_slots) {
        if (slot.used && slot.itemType == itemType)
            return &slot;
    }
    return nullptr;
}

void InputConvertKBMapper::freeSlot(Slot& slot)
{
    stopPathTimer(slot);
    const int id = slot.id;
    slot = Slot();
    slot.id = id;
    if (m_viewPointer == id)
        m_viewPointer = -1;
    if (m_aimPointer == id)
        m_aimPointer = -1;
}

InputConvertKBMapper::Slot* InputConvertKBMapper::putNodeDown(int index, int keyKind, int key, const QSize& area,
                                                              uint32_t buttons)
{
    Slot* slot = takeSlot(keyKind, key, index);
    if (!slot)
        return nullptr;
    fingerDown(*slot, jittered(node(index).position, area), area, buttons);
    if (hasViewCentre(slot->roleType))
        slot->viewCentre = QPointF(area.width() / 2.0, area.height() / 2.0);
    return slot;
}

void InputConvertKBMapper::fingerDown(Slot& slot, const QPointF& at, const QSize& area, uint32_t buttons)
{
    slot.base = at;
    slot.point = at;
    slot.area = area;
    slot.buttons = buttons;
    sendFinger(slot, ControlMsg::ActionDown);
}

void InputConvertKBMapper::fingerMove(Slot& slot)
{
    sendFinger(slot, ControlMsg::ActionMove);
}

void InputConvertKBMapper::fingerUp(Slot& slot)
{
    sendFinger(slot, ControlMsg::ActionUp);
}

void InputConvertKBMapper::sendFinger(const Slot& slot, uint32_t action)
{
    const QPointF at = rounded(slot.point);
    auto msg = std::make_unique<ControlMsg>(ControlMsg::Touch);
    msg->setTouchMsgData(uint64_t(slot.id), action, slot.buttons, QRect(at.toPoint(), slot.area), kPressure);
    send(std::move(msg));
}

void InputConvertKBMapper::liftAndFree(Slot& slot)
{
    fingerUp(slot);
    freeSlot(slot);
}

void InputConvertKBMapper::liftPointer(int* pointer)
{
    if (*pointer >= 0)
        liftAndFree(m_slots[*pointer]);
}

// --- Paths

void InputConvertKBMapper::buildHumanPath(Slot& slot, const QPointF& from, const QPointF& to)
{
    slot.path.clear();
    slot.delays.clear();
    const int steps = kPathStepsMin + random(kPathStepsValues);
    const QPointF step = (to - from) / steps;
    auto wobble = [this] { return -kPathWobble + 2 * kPathWobble * (double(m_random()) / kTwoTo32); };
    QPointF current = from;
    for (int i = 0; i < steps; ++i) {
        slot.path.append(current + QPointF(wobble(), wobble()));
        slot.delays.append(kPathDelayMin + random(kPathDelayValues));
        current += step;
    }
    slot.path.append(to);
    slot.delays.append(kPathDelayMin + random(kPathDelayValues));
}

void InputConvertKBMapper::startPathTimer(Slot& slot, int ms)
{
    stopPathTimer(slot);
    slot.timer = QObject::startTimer(ms, Qt::PreciseTimer);
}

void InputConvertKBMapper::stopPathTimer(Slot& slot)
{
    if (slot.timer != 0)
        killTimer(slot.timer);
    slot.timer = 0;
}

void InputConvertKBMapper::timerEvent(QTimerEvent* event)
{
    for (Slot& slot : m_slots) {
        if (slot.used && slot.timer == event->timerId()) {
            followPath(slot);
            return;
        }
    }
    InputConvertAirplay::timerEvent(event);
}

void InputConvertKBMapper::followPath(Slot& slot)
{
    stopPathTimer(slot);
    if (!slot.path.isEmpty()) {
        slot.point = rounded(slot.path.takeFirst());
        const int delay = slot.delays.isEmpty() ? 0 : slot.delays.takeFirst();
        fingerMove(slot);
        if (delay != 0)
            startPathTimer(slot, delay);
        return;
    }
    if (slot.releaseAfterPath)
        liftAndFree(slot);
}

// --- Shooting mode

void InputConvertKBMapper::switchMode()
{
    liftPointer(&m_viewPointer);
    setBusy();
    showCursor(!m_cursorShown);
}

void InputConvertKBMapper::setBusy()
{
    m_busy = true;
    const int generation = ++m_busyGeneration;
    QTimer::singleShot(kBusyMs, this, [this, generation] {
        if (generation == m_busyGeneration)
            m_busy = false;
    });
}

void InputConvertKBMapper::showCursor(bool shown)
{
    if (shown == m_cursorShown)
        return;
    m_cursorShown = shown;
    if (shown)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
}

void InputConvertKBMapper::moveCursor(const QPointF& inArea)
{
    if (m_controller)
        QCursor::setPos(m_controller->mapToGlobal(inArea));
}

// --- Keys

void InputConvertKBMapper::keyEvent(const QKeyEvent* from, const QSize& frameSize, const QSize& showSize)
{
    if (!from)
        return;
    const bool press = from->type() == QEvent::KeyPress;
    if (!press && from->type() != QEvent::KeyRelease)
        return;
    // A held key repeats; its finger stays down until the key comes up.
    if (from->isAutoRepeat())
        return;
    const int key = from->key();
    if (press && m_controller && key == m_controller->shootingModeShortcut()) {
        switchMode();
        return;
    }
    if (key == Qt::Key_Shift) {
        if (Slot* wheel = findSlotOfType(KBMapNode::SteeringWheel)) {
            steer(wheel->node, -1, press, from->modifiers(), key, showSize);
            return;
        }
    }
    int direction = 0;
    const int index = m_profile->findKey(KBMapNode::KeyboardKey, key, &direction);
    if (index < 0) {
        InputConvertAirplay::keyEvent(from, frameSize, showSize);
        return;
    }
    switch (node(index).itemType) {
    case KBMapNode::Click:
        keyClick(index, from, press, showSize);
        return;
    case KBMapNode::DoubleClick:
        keyTap(index, from, showSize);
        return;
    case KBMapNode::Drag:
        keyDrag(index, from, press, showSize);
        return;
    case KBMapNode::SteeringWheel:
        steer(index, direction, press, from->modifiers(), key, showSize);
        return;
    default:
        keySpecial(index, from, press, frameSize, showSize);
        return;
    }
}

void InputConvertKBMapper::keyClick(int index, const QKeyEvent* from, bool press, const QSize& area)
{
    const int role = node(index).roleType;
    if (role == KBMapNode::CancelSmartMagic) {
        if (press)
            cancelSmartMagic(index, area);
        return;
    }
    if (press) {
        putNodeDown(index, KBMapNode::KeyboardKey, from->key(), area);
        return;
    }
    // The backpack opens with the cursor shown, and closes back into shooting.
    if (role == KBMapNode::Backpack)
        switchMode();
    if (Slot* slot = findSlot(KBMapNode::KeyboardKey, from->key()))
        liftAndFree(*slot);
}

void InputConvertKBMapper::keyTap(int index, const QKeyEvent* from, const QSize& area)
{
    if (Slot* slot = putNodeDown(index, KBMapNode::KeyboardKey, from->key(), area))
        liftAndFree(*slot);
}

void InputConvertKBMapper::keyDrag(int index, const QKeyEvent* from, bool press, const QSize& area)
{
    if (!press) {
        if (Slot* slot = findSlot(KBMapNode::KeyboardKey, from->key()))
            liftAndFree(*slot);
        return;
    }
    Slot* slot = takeSlot(KBMapNode::KeyboardKey, from->key(), index);
    if (!slot)
        return;
    const QPointF end = jittered(node(index).points[1], area);
    fingerDown(*slot, jittered(node(index).points[0], area), area, kFingerButtons);
    slot->point = end;
    fingerMove(*slot);
}

void InputConvertKBMapper::keySpecial(int index, const QKeyEvent* from, bool press, const QSize& frameSize,
                                      const QSize& area)
{
    const int role = node(index).roleType;
    if (role != KBMapNode::SmartMagic && role != KBMapNode::RotateView) {
        InputConvertAirplay::keyEvent(from, frameSize, area);
        return;
    }
    liftPointer(role == KBMapNode::SmartMagic ? &m_aimPointer : &m_viewPointer);
    if (press) {
        putDownLater(index, from->key(), area);
        return;
    }
    // Let go before its finger went down: the finger still taps.
    for (Delayed& delayed : m_delayed) {
        if (delayed.key == from->key())
            delayed.released = true;
    }
}

void InputConvertKBMapper::putDownLater(int index, int key, const QSize& area)
{
    setBusy();
    Delayed delayed;
    delayed.id = ++m_delayedIds;
    delayed.node = index;
    delayed.key = key;
    delayed.area = area;
    m_delayed.append(delayed);
    const int id = delayed.id;
    QTimer::singleShot(kBusyMs, this, [this, id] { finishDelayed(id); });
}

void InputConvertKBMapper::finishDelayed(int id)
{
    int at = -1;
    for (int i = 0; i < m_delayed.size() && at < 0; ++i)
        at = m_delayed.at(i).id == id ? i : -1;
    if (at < 0)
        return;
    const Delayed delayed = m_delayed.takeAt(at);
    m_busy = false;
    Slot* slot = putNodeDown(delayed.node, KBMapNode::KeyboardKey, delayed.key, delayed.area);
    if (!slot)
        return;
    if (delayed.released) {
        liftAndFree(*slot);
        return;
    }
    int* pointer = slot->roleType == KBMapNode::SmartMagic ? &m_aimPointer : &m_viewPointer;
    // Another key's finger holding the same role would otherwise stay down unowned.
    liftPointer(pointer);
    *pointer = slot->id;
}

void InputConvertKBMapper::cancelSmartMagic(int index, const QSize& area)
{
    if (m_aimPointer < 0)
        return;
    Slot& slot = m_slots[m_aimPointer];
    m_aimPointer = -1;
    stopPathTimer(slot);
    buildHumanPath(slot, slot.point, jittered(node(index).position, area));
    slot.delays.last() = kCancelDelayMs;
    slot.releaseAfterPath = true;
    startPathTimer(slot, 0);
}

void InputConvertKBMapper::steer(int index, int direction, bool press, Qt::KeyboardModifiers modifiers, int key,
                                 const QSize& area)
{
    Slot* slot = findSlotOfType(KBMapNode::SteeringWheel);
    int mask = slot ? slot->mask : 0;
    if (direction >= 0) {
        const int bit = 1 << direction;
        mask = press ? (mask | bit) : (mask & ~bit);
    }
    mask = modifiers.testFlag(Qt::ShiftModifier) ? (mask | kSprintBit) : (mask & ~kSprintBit);
    // A direction let go that was never held (the profile came on meanwhile) taps nothing.
    if (!slot && !(mask & kDirectionBits))
        return;

    const KBMapNode& wheel = node(index);
    QPointF offset;
    for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
        if (mask & (1 << i))
            offset += wheel.keys[i].offset;
    }
    if (mask & kSprintBit)
        offset.ry() += kSprintOffsetY;
    const QPointF centre = jittered(wheel.position, area);
    const QPointF target(centre.x() + area.width() * offset.x(), centre.y() + area.height() * offset.y());

    if (!slot) {
        slot = takeSlot(KBMapNode::KeyboardKey, key, index);
        if (!slot)
            return;
        fingerDown(*slot, centre, area, kFingerButtons);
    }
    slot->mask = mask;
    stopPathTimer(*slot);
    slot->path.clear();
    slot->delays.clear();
    slot->releaseAfterPath = false;
    if (mask == 0) {
        liftAndFree(*slot);
        return;
    }
    buildHumanPath(*slot, slot->point, target);
    startPathTimer(*slot, 0);
}

// --- Mouse

void InputConvertKBMapper::mouseEvent(const QMouseEvent* from, const QSize& frameSize, const QSize& showSize)
{
    if (!from)
        return;
    const QEvent::Type type = from->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool release = type == QEvent::MouseButtonRelease;
    if (m_hasFieldOfView && press && m_controller && int(from->button()) == m_controller->shootingModeShortcut()) {
        switchMode();
        return;
    }
    if (type == QEvent::MouseMove && handleMove(from, showSize))
        return;
    // With the cursor shown a field-of-view profile leaves the buttons to the screen.
    const bool buttonsMapped = !(m_hasFieldOfView && m_cursorShown);
    if ((press || release) && buttonsMapped && handleButton(from, press, showSize))
        return;
    plainMouse(from, frameSize, showSize);
}

bool InputConvertKBMapper::handleMove(const QMouseEvent* from, const QSize& area)
{
    if (m_busy)
        return true;
    if (shootingMode() && m_viewPointer < 0) {
        const int index = m_profile->findRoleType(KBMapNode::FieldOfView);
        const KBMapNode::KeySlot& key = node(index).keys[0];
        if (Slot* slot = putNodeDown(index, key.kind, key.key, area))
            m_viewPointer = slot->id;
        return true;
    }
    bool viewHandled = false;
    if (m_viewPointer >= 0) {
        Slot& view = m_slots[m_viewPointer];
        if (isCameraRole(node(view.node).roleType))
            camera(&view, from, area);
        else
            aim(&view, view.node, from, false, area);
        viewHandled = true;
    }
    if (m_aimPointer >= 0) {
        Slot& aiming = m_slots[m_aimPointer];
        aim(&aiming, aiming.node, from, false, area);
        return true;
    }
    return viewHandled;
}

bool InputConvertKBMapper::handleButton(const QMouseEvent* from, bool press, const QSize& area)
{
    const int button = int(from->button());
    const int index = m_profile->findKey(KBMapNode::MouseButton, button);
    if (index < 0)
        return false;
    switch (node(index).itemType) {
    case KBMapNode::Click:
        if (press)
            putNodeDown(index, KBMapNode::MouseButton, button, area, uint32_t(button));
        else if (Slot* slot = findSlot(KBMapNode::MouseButton, button))
            liftAndFree(*slot);
        return true;
    case KBMapNode::Special:
        aim(findSlot(KBMapNode::MouseButton, button), index, from, press, area);
        return true;
    default:
        return false;
    }
}

void InputConvertKBMapper::aim(Slot* slot, int index, const QMouseEvent* from, bool press, const QSize& area)
{
    const KBMapNode& target = node(index);
    const bool walk = target.roleType == KBMapNode::RightClickWalk && press;
    const bool magic = target.roleType == KBMapNode::SmartMagic && from->type() == QEvent::MouseMove;
    if (!walk && !magic)
        return;
    if (!slot && walk)
        slot = putNodeDown(index, KBMapNode::MouseButton, int(from->button()), area);
    if (!slot)
        return;
    const double radius = std::floor(area.width() * target.size.width());
    const QPointF at = from->localPos();
    const double theta = std::atan2(at.y() - area.height() / 2.0, at.x() - area.width() / 2.0);
    const QPointF goal = jitter(slot->base + radius * QPointF(std::cos(theta), std::sin(theta)));
    stopPathTimer(*slot);
    buildHumanPath(*slot, slot->point, goal);
    slot->releaseAfterPath = walk;
    // The walking finger holds its direction a while, then lets go.
    if (walk)
        slot->delays.last() = kWalkHoldMs;
    startPathTimer(*slot, 0);
}

void InputConvertKBMapper::camera(Slot* slot, const QMouseEvent* from, const QSize& area)
{
    const int width = area.width();
    const int height = area.height();
    const bool fieldOfView = slot->roleType == KBMapNode::FieldOfView;
    if (fieldOfView) {
        // Near an edge the hidden cursor is put back inside, on the far side of that axis.
        const QPointF at = from->localPos();
        QPointF inside = at;
        if (at.x() < kCursorEdge)
            inside.setX(width - kCursorEdge);
        else if (at.x() > width - kCursorEdge)
            inside.setX(kCursorEdge);
        if (at.y() < kCursorEdge)
            inside.setY(height - kCursorEdge);
        else if (at.y() > height - kCursorEdge)
            inside.setY(kCursorEdge);
        if (inside != at) {
            moveCursor(inside);
            slot->lastCursor = QPoint();
            return;
        }
    }
    const QPoint global = from->globalPos();
    if (slot->lastCursor.isNull()) {
        slot->lastCursor = global;
        return;
    }
    const double rx = global.x() - slot->lastCursor.x() + slot->residual.x();
    const double ry = global.y() - slot->lastCursor.y() + slot->residual.y();
    const double s = (kFullSensitivity - (m_controller ? m_controller->mouseSensitivity() : kFullSensitivity))
                     * kSensitivityScale;
    const QPointF d(std::lround(rx / (s + 1.0)), std::lround(ry / (kVerticalDamping * s + 1.0)));
    slot->point += d;
    if (!fieldOfView) {
        slot->point.setX(qBound(kViewMargin * width, slot->point.x(), (1.0 - kViewMargin) * width));
        slot->point.setY(qBound(kViewMargin * height, slot->point.y(), (1.0 - kViewMargin) * height));
    } else if (outsideMargin(slot->point.x() / width) || outsideMargin(slot->point.y() / height)) {
        // The finger ran out of room: it lets go and starts over where the view is touched.
        const int index = slot->node;
        const int keyKind = slot->keyKind;
        const int key = slot->key;
        liftAndFree(*slot);
        slot = putNodeDown(index, keyKind, key, area);
        if (!slot)
            return;
        m_viewPointer = slot->id;
        startPathTimer(*slot, kViewRestartMs);
    }
    if (!d.isNull()) {
        fingerMove(*slot);
        slot->residual = QPointF();
    } else {
        // Too little to move a pixel yet: kept for the next movement.
        slot->residual = QPointF(rx, ry);
    }
    if (!slot->viewCentre.isNull() && m_controller) {
        // The cursor goes back to the middle so the mouse never runs out of room.
        const QPoint centre = m_controller->mapToGlobal(slot->viewCentre);
        QCursor::setPos(centre);
        slot->lastCursor = centre;
    } else {
        slot->lastCursor = global;
    }
}

void InputConvertKBMapper::plainMouse(const QMouseEvent* from, const QSize& frameSize, const QSize& showSize)
{
    const Qt::MouseButtons touchButtons = Qt::LeftButton | Qt::RightButton;
    switch (from->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_plainButtons |= touchButtons & from->button();
        break;
    case QEvent::MouseButtonRelease:
        // A button whose press the key map took (or a mode switch) lifts no plain finger.
        if (!(m_plainButtons & from->button()))
            return;
        m_plainButtons &= ~from->button();
        break;
    case QEvent::MouseMove:
        if (!(from->buttons() & m_plainButtons))
            return;
        break;
    default:
        break;
    }
    InputConvertAirplay::mouseEvent(from, frameSize, showSize);
}
