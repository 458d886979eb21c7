#pragma once

#include "control/KBMapNode.h"

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Reading and writing key-map profile files. The current format has "canvas_size" and "keys";
// a root holding "switchKey" is the older format with "keyMapNodes", which is only read.
// Files come from users and the internet: nodes that make no sense are skipped and noted,
// documents that cannot be a profile at all are refused.
namespace KBMapFormat {

// Larger files are not read at all.
constexpr qint64 kMaxFileBytes = 1024 * 1024;
// Nodes beyond this many are skipped.
constexpr int kMaxNodes = 256;
// A canvas is a picture size in pixels.
constexpr double kMaxCanvasSide = 100000;

struct Document {
    QList<KBMapNode> nodes;
    QSizeF canvasSize;
    bool olderFormat = false;
};

// False when the bytes are no profile (empty, not JSON, not an object, "keys" not a list);
// *error says why. Skipped nodes and repaired values are listed in *notes either way.
bool read(const QByteArray& bytes, Document* out, QString* error, QStringList* notes);
// The current format, indented.
QByteArray write(const QList<KBMapNode>& nodes, const QSizeF& canvasSize);

// A mouse-button or Qt::Key enumerator name, looked up among the mouse buttons first; an
// unknown or empty name gives kind 0 and key -1.
void keyFromName(const QString& name, int* kind, int* key);
// The enumerator name of a key slot's key: the mouse button's for kind 2, the Qt::Key's
// otherwise; empty for no key or a value without a name.
QString keyName(int kind, int key);
// What a user sees of a key: the name without its "Key_" prefix.
QString keyLabel(int kind, int key);

} // namespace KBMapFormat
