#include "control/KBMapFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>

#include <cmath>

namespace KBMapFormat {

namespace {

const char* const kDirectionNames[KBMapNode::kSlotCount] = {"keyUp", "keyLeft", "keyDown", "keyRight"};
const char* const kOlderKeyNames[KBMapNode::kSlotCount] = {"upKey", "leftKey", "downKey", "rightKey"};
const char* const kOlderOffsetNames[KBMapNode::kSlotCount] = {"upOffset", "leftOffset", "downOffset", "rightOffset"};
// Older wheels give one distance per direction; these are its signs on x and y.
const QPointF kOlderOffsetSigns[KBMapNode::kSlotCount] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};

// Fractions of the canvas; wheel offsets point either way from the centre.
constexpr double kFractionMin = 0.0;
constexpr double kFractionMax = 1.0;
constexpr double kOffsetMin = -1.0;

QString keyPrefix()
{
    return QStringLiteral("Key_");
}

// A number member within [low, high]; a missing one reads 0. False (with *why) when it is
// there but is no number or lies outside.
bool readNumber(const QJsonObject& object, const char* name, double low, double high, double* out,
                QString* why)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined()) {
        *out = 0;
        return true;
    }
    if (!value.isDouble()) {
        *why = QStringLiteral("\"%1\" is not a number").arg(QLatin1String(name));
        return false;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number) || number < low || number > high) {
        *why = QStringLiteral("\"%1\" is out of range").arg(QLatin1String(name));
        return false;
    }
    *out = number;
    return true;
}

bool readInteger(const QJsonObject& object, const char* name, int low, int high, int* out, QString* why)
{
    double number = 0;
    if (!readNumber(object, name, low, high, &number, why))
        return false;
    if (number != std::floor(number)) {
        *why = QStringLiteral("\"%1\" is not a whole number").arg(QLatin1String(name));
        return false;
    }
    *out = int(number);
    return true;
}

// A member object; a missing one reads as an empty object.
bool readObject(const QJsonObject& object, const char* name, QJsonObject* out, QString* why)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined()) {
        *out = QJsonObject();
        return true;
    }
    if (!value.isObject()) {
        *why = QStringLiteral("\"%1\" is not an object").arg(QLatin1String(name));
        return false;
    }
    *out = value.toObject();
    return true;
}

// {"x", "y"} within [low, high] on both axes.
bool readPoint(const QJsonObject& object, const char* name, double low, double high, QPointF* out,
               QString* why)
{
    QJsonObject point;
    double x = 0;
    double y = 0;
    if (!readObject(object, name, &point, why) || !readNumber(point, "x", low, high, &x, why)
        || !readNumber(point, "y", low, high, &y, why))
        return false;
    *out = QPointF(x, y);
    return true;
}

bool readSize(const QJsonObject& object, const char* name, double high, QSizeF* out, QString* why)
{
    QJsonObject size;
    double width = 0;
    double height = 0;
    if (!readObject(object, name, &size, why) || !readNumber(size, "width", 0, high, &width, why)
        || !readNumber(size, "height", 0, high, &height, why))
        return false;
    *out = QSizeF(width, height);
    return true;
}

// A key name member; names that are no key leave the slot without a key and are noted.
bool readKey(const QJsonObject& object, const char* name, KBMapNode::KeySlot* slot, QString* why,
             QStringList* notes)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined())
        return true;
    if (!value.isString()) {
        *why = QStringLiteral("\"%1\" is not a key name").arg(QLatin1String(name));
        return false;
    }
    const QString text = value.toString();
    keyFromName(text, &slot->kind, &slot->key);
    if (slot->key == KBMapNode::kNoKey && !text.isEmpty())
        notes->append(QStringLiteral("unknown key name \"%1\" reads as no key").arg(text.left(64)));
    return true;
}

QString readComment(const QJsonObject& object)
{
    return object.value(QLatin1String("comment")).toString();
}

// UTF-8 of at most kCommentMaxBytes bytes, never ending inside a character.
QByteArray truncatedComment(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= KBMapNode::kCommentMaxBytes)
        return bytes;
    int end = KBMapNode::kCommentMaxBytes;
    while (end > 0 && (uchar(bytes.at(end)) & 0xC0) == 0x80)
        --end;
    bytes.truncate(end);
    return bytes;
}

bool takesKey(int itemType)
{
    return itemType == KBMapNode::Click || itemType == KBMapNode::DoubleClick
           || itemType == KBMapNode::Drag || itemType == KBMapNode::Special;
}

bool readDragPoints(const QJsonObject& object, KBMapNode* node, QString* why)
{
    const QJsonValue value = object.value(QLatin1String("points"));
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        *why = QStringLiteral("\"points\" is not a list");
        return false;
    }
    const QJsonArray points = value.toArray();
    for (int i = 0; i < 2 && i < points.size(); ++i) {
        if (!points.at(i).isObject()) {
            *why = QStringLiteral("a drag point is not an object");
            return false;
        }
        const QJsonObject point = points.at(i).toObject();
        double x = 0;
        double y = 0;
        if (!readNumber(point, "x", kFractionMin, kFractionMax, &x, why)
            || !readNumber(point, "y", kFractionMin, kFractionMax, &y, why))
            return false;
        node->points[i] = QPointF(x, y);
    }
    return true;
}

bool readWheelKeys(const QJsonObject& object, KBMapNode* node, QString* why, QStringList* notes)
{
    for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
        QJsonObject direction;
        if (!readObject(object, kDirectionNames[i], &direction, why)
            || !readKey(direction, "key", &node->keys[i], why, notes)
            || !readPoint(direction, "offset", kOffsetMin, kFractionMax, &node->keys[i].offset, why))
            return false;
    }
    return true;
}

bool readCurrentNode(const QJsonObject& object, KBMapNode* node, QString* why, QStringList* notes)
{
    if (!readInteger(object, "itemType", KBMapNode::Click, KBMapNode::Special, &node->itemType, why)
        || !readInteger(object, "roleType", KBMapNode::RoleNone, KBMapNode::FieldOfView, &node->roleType, why)
        || !readPoint(object, "pos", kFractionMin, kFractionMax, &node->position, why)
        || !readSize(object, "size", kFractionMax, &node->size, why))
        return false;
    if (node->itemType == KBMapNode::NoItem) {
        *why = QStringLiteral("it has no item type");
        return false;
    }
    if (takesKey(node->itemType) && !readKey(object, "key", &node->keys[0], why, notes))
        return false;
    if (node->itemType == KBMapNode::Drag && !readDragPoints(object, node, why))
        return false;
    if (node->itemType == KBMapNode::SteeringWheel && !readWheelKeys(object, node, why, notes))
        return false;
    return true;
}

bool readOlderNode(const QJsonObject& object, KBMapNode* node, QString* why, QStringList* notes)
{
    const QString type = object.value(QLatin1String("type")).toString();
    node->comment = truncatedComment(readComment(object));
    if (type == QLatin1String("KMT_CLICK") || type == QLatin1String("KMT_CLICK_TWICE")) {
        node->itemType = type == QLatin1String("KMT_CLICK") ? KBMapNode::Click : KBMapNode::DoubleClick;
        return readKey(object, "key", &node->keys[0], why, notes)
               && readPoint(object, "pos", kFractionMin, kFractionMax, &node->position, why);
    }
    if (type == QLatin1String("KMT_STEER_WHEEL")) {
        node->itemType = KBMapNode::SteeringWheel;
        if (!readPoint(object, "centerPos", kFractionMin, kFractionMax, &node->position, why))
            return false;
        for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
            double distance = 0;
            if (!readKey(object, kOlderKeyNames[i], &node->keys[i], why, notes)
                || !readNumber(object, kOlderOffsetNames[i], kFractionMin, kFractionMax, &distance, why))
                return false;
            node->keys[i].offset = kOlderOffsetSigns[i] * distance;
        }
        return true;
    }
    *why = QStringLiteral("type \"%1\" is not played").arg(type.left(64));
    return false;
}

QSizeF readCanvas(const QJsonObject& root, QStringList* notes)
{
    QString why;
    QSizeF canvas;
    if (!readSize(root, "canvas_size", kMaxCanvasSide, &canvas, &why)) {
        notes->append(QStringLiteral("canvas size ignored: %1").arg(why));
        return QSizeF(0, 0);
    }
    return canvas;
}

// Reads the list member `listName` with `readNode`; false when it is there but is no list.
template <typename ReadNode>
bool readNodes(const QJsonObject& root, const char* listName, ReadNode readNode, Document* out,
               QString* error, QStringList* notes)
{
    const QJsonValue value = root.value(QLatin1String(listName));
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        *error = QStringLiteral("\"%1\" is not a list").arg(QLatin1String(listName));
        return false;
    }
    const QJsonArray list = value.toArray();
    for (int i = 0; i < list.size(); ++i) {
        if (out->nodes.size() == kMaxNodes) {
            notes->append(QStringLiteral("nodes after the first %1 skipped").arg(kMaxNodes));
            break;
        }
        KBMapNode node;
        QString why = QStringLiteral("not an object");
        if (list.at(i).isObject() && readNode(list.at(i).toObject(), &node, &why, notes))
            out->nodes.append(node);
        else
            notes->append(QStringLiteral("node %1 skipped: %2").arg(i).arg(why));
    }
    return true;
}

QJsonObject pointObject(const QPointF& point)
{
    return QJsonObject{{QStringLiteral("x"), point.x()}, {QStringLiteral("y"), point.y()}};
}

QJsonObject sizeObject(const QSizeF& size)
{
    return QJsonObject{{QStringLiteral("width"), size.width()}, {QStringLiteral("height"), size.height()}};
}

QJsonObject nodeObject(const KBMapNode& node)
{
    QJsonObject object{{QStringLiteral("itemType"), node.itemType}, {QStringLiteral("roleType"), node.roleType}};
    if (takesKey(node.itemType) || node.itemType == KBMapNode::SteeringWheel) {
        object.insert(QStringLiteral("pos"), pointObject(node.position));
        object.insert(QStringLiteral("size"), sizeObject(node.size));
    }
    if (takesKey(node.itemType))
        object.insert(QStringLiteral("key"), keyName(node.keys[0].kind, node.keys[0].key));
    if (node.itemType == KBMapNode::Drag)
        object.insert(QStringLiteral("points"), QJsonArray{pointObject(node.points[0]), pointObject(node.points[1])});
    if (node.itemType == KBMapNode::SteeringWheel) {
        for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
            const KBMapNode::KeySlot& slot = node.keys[i];
            object.insert(QLatin1String(kDirectionNames[i]),
                          QJsonObject{{QStringLiteral("key"), keyName(slot.kind, slot.key)},
                                      {QStringLiteral("offset"), pointObject(slot.offset)}});
        }
    }
    return object;
}

} // namespace

bool read(const QByteArray& bytes, Document* out, QString* error, QStringList* notes)
{
    *out = Document();
    if (bytes.trimmed().isEmpty()) {
        *error = QStringLiteral("the file is empty");
        return false;
    }
    if (bytes.size() > kMaxFileBytes) {
        *error = QStringLiteral("the file is larger than %1 bytes").arg(kMaxFileBytes);
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = QStringLiteral("not JSON (%1 at %2)").arg(parse.errorString()).arg(parse.offset);
        return false;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("the document is not an object");
        return false;
    }
    const QJsonObject root = document.object();
    if (root.contains(QLatin1String("switchKey"))) {
        out->olderFormat = true;
        return readNodes(root, "keyMapNodes", readOlderNode, out, error, notes);
    }
    out->canvasSize = readCanvas(root, notes);
    return readNodes(root, "keys", readCurrentNode, out, error, notes);
}

QByteArray write(const QList<KBMapNode>& nodes, const QSizeF& canvasSize)
{
    QJsonArray keys;
    for (const KBMapNode& node : nodes)
        keys.append(nodeObject(node));
    const QJsonObject root{{QStringLiteral("keys"), keys}, {QStringLiteral("canvas_size"), sizeObject(canvasSize)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void keyFromName(const QString& name, int* kind, int* key)
{
    *kind = KBMapNode::NoKind;
    *key = KBMapNode::kNoKey;
    if (name.isEmpty())
        return;
    const QByteArray latin = name.toLatin1();
    bool ok = false;
    const int button = QMetaEnum::fromType<Qt::MouseButtons>().keyToValue(latin.constData(), &ok);
    if (ok) {
        *kind = KBMapNode::MouseButton;
        *key = button;
        return;
    }
    const int keyValue = QMetaEnum::fromType<Qt::Key>().keyToValue(latin.constData(), &ok);
    if (ok) {
        *kind = KBMapNode::KeyboardKey;
        *key = keyValue;
    }
}

QString keyName(int kind, int key)
{
    if (key == KBMapNode::kNoKey)
        return QString();
    const char* name = kind == KBMapNode::MouseButton ? QMetaEnum::fromType<Qt::MouseButtons>().valueToKey(key)
                                                      : QMetaEnum::fromType<Qt::Key>().valueToKey(key);
    return name ? QString::fromLatin1(name) : QString();
}

QString keyLabel(int kind, int key)
{
    QString name = keyName(kind, key);
    if (name.startsWith(keyPrefix()))
        name.remove(0, keyPrefix().size());
    return name;
}

} // namespace KBMapFormat
