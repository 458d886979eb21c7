#pragma once

#include "control/KBMapNode.h"

#include <QList>
#include <QSizeF>
#include <QString>

// One key-map profile: a JSON file and, once loaded, its nodes and the size of the picture
// they were laid out on. The file is read only by load().
class CKBMapProfile {
public:
    explicit CKBMapProfile(const QString& path);

    // The file's base name without its last extension, e.g. "[PV]GameForPeace".
    QString name() const { return m_name; }
    QString path() const { return m_path; }

    // False when the file cannot be read or is no profile; the nodes are then kept as they were.
    bool load();
    // Writes the current format to newPath (or the own path) through a temporary file, so a
    // failed write leaves the old file whole. Under a new path the old file is removed once
    // the new one is in place, and the profile takes the new path. False when nothing was written.
    bool save(const QString& newPath = QString());

    int nodeCount() const { return m_nodes.size(); }
    const QList<KBMapNode>& nodes() const { return m_nodes; }
    bool nodeAt(int index, KBMapNode* node) const;
    // Index of the first node of that item or role type, -1 when none.
    int findItemType(int itemType) const;
    int findRoleType(int roleType) const;
    // Index of the first node that uses the key (for a steering wheel, any of its four keys,
    // with the direction in *direction); -1 when none.
    int findKey(int kind, int key, int* direction = nullptr) const;

    QSizeF canvasSize() const { return m_canvasSize; }
    void setCanvasSize(const QSizeF& size);
    void setNodes(const QList<KBMapNode>& nodes);

private:
    void setPath(const QString& path);

    QString m_name;
    QString m_path;
    QList<KBMapNode> m_nodes;
    QSizeF m_canvasSize{0, 0};
};
