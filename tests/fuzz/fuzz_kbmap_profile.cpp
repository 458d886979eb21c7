// Feeds arbitrary bytes to the key-map profile reader. What it accepts must be a sane profile,
// and writing that profile and reading it back must give the same nodes.

#include "control/KBMapFormat.h"

#include "FuzzQuietLog.h"

#include <cmath>
#include <cstdlib>

namespace {

bool fraction(double value, double low = 0.0)
{
    return std::isfinite(value) && value >= low && value <= 1.0;
}

void checkNode(const KBMapNode& node)
{
    if (node.itemType < KBMapNode::Click || node.itemType > KBMapNode::Special)
        abort();
    if (node.roleType < KBMapNode::RoleNone || node.roleType > KBMapNode::FieldOfView)
        abort();
    if (!fraction(node.position.x()) || !fraction(node.position.y()) || !fraction(node.size.width())
        || !fraction(node.size.height()))
        abort();
    for (const KBMapNode::KeySlot& key : node.keys) {
        if (!fraction(key.offset.x(), -1.0) || !fraction(key.offset.y(), -1.0))
            abort();
        if ((key.key == KBMapNode::kNoKey) != (key.kind == KBMapNode::NoKind))
            abort();
    }
    if (node.comment.size() > KBMapNode::kCommentMaxBytes)
        abort();
}

bool sameSlots(const KBMapNode& a, const KBMapNode& b)
{
    for (int i = 0; i < KBMapNode::kSlotCount; ++i) {
        if (a.keys[i].kind != b.keys[i].kind || a.keys[i].key != b.keys[i].key || a.keys[i].offset != b.keys[i].offset)
            return false;
    }
    return true;
}

bool sameNode(const KBMapNode& a, const KBMapNode& b)
{
    return a.itemType == b.itemType && a.roleType == b.roleType && a.position == b.position && a.size == b.size
           && a.points[0] == b.points[0] && a.points[1] == b.points[1] && sameSlots(a, b);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzSilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    KBMapFormat::Document document;
    QString error;
    QStringList notes;
    if (!KBMapFormat::read(bytes, &document, &error, &notes))
        return 0;
    if (document.nodes.size() > KBMapFormat::kMaxNodes)
        abort();
    for (const KBMapNode& node : document.nodes)
        checkNode(node);

    KBMapFormat::Document again;
    notes.clear();
    if (!KBMapFormat::read(KBMapFormat::write(document.nodes, document.canvasSize), &again, &error, &notes))
        abort();
    if (again.olderFormat || again.nodes.size() != document.nodes.size())
        abort();
    for (int i = 0; i < document.nodes.size(); ++i) {
        if (!sameNode(document.nodes.at(i), again.nodes.at(i)))
            abort();
    }
    return 0;
}
