#include "control/CKBMapProfile.h"

#include "control/KBMapFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

CKBMapProfile::CKBMapProfile(const QString& path)
{
    setPath(path);
}

void CKBMapProfile::setPath(const QString& path)
{
    m_path = path;
    m_name = QFileInfo(path).completeBaseName();
}

bool CKBMapProfile::load()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Key-map profile %s cannot be read: %s", qUtf8Printable(m_path), qUtf8Printable(file.errorString()));
        return false;
    }
    // One byte more than allowed tells a too large file from one of exactly the limit.
    const QByteArray bytes = file.read(KBMapFormat::kMaxFileBytes + 1);
    KBMapFormat::Document document;
    QString error;
    QStringList notes;
    const bool ok = KBMapFormat::read(bytes, &document, &error, &notes);
    for (const QString& note : qAsConst(notes))
        qWarning("Key-map profile %s: %s", qUtf8Printable(m_path), qUtf8Printable(note));
    if (!ok) {
        qWarning("Key-map profile %s refused: %s", qUtf8Printable(m_path), qUtf8Printable(error));
        return false;
    }
    m_nodes = document.nodes;
    if (!document.olderFormat)
        m_canvasSize = document.canvasSize;
    return true;
}

bool CKBMapProfile::save(const QString& newPath)
{
    const QString target = newPath.isEmpty() ? m_path : newPath;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("Key-map profile %s cannot be written: %s", qUtf8Printable(target), qUtf8Printable(file.errorString()));
        return false;
    }
    file.write(KBMapFormat::write(m_nodes, m_canvasSize));
    if (!file.commit()) {
        qWarning("Key-map profile %s was not written: %s", qUtf8Printable(target), qUtf8Printable(file.errorString()));
        return false;
    }
    // A save under another name is a rename; the old file goes only once the new one exists.
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(m_path).absoluteFilePath() && QFile::exists(m_path)
        && !QFile::remove(m_path))
        qWarning("Key-map profile %s was saved as %s but could not be removed", qUtf8Printable(m_path),
                 qUtf8Printable(target));
    setPath(target);
    return true;
}

bool CKBMapProfile::nodeAt(int index, KBMapNode* node) const
{
    if (index < 0 || index >= m_nodes.size())
        return false;
    *node = m_nodes.at(index);
    return true;
}

int CKBMapProfile::findItemType(int itemType) const
{
    for (int i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes.at(i).itemType == itemType)
            return i;
    }
    return -1;
}

int CKBMapProfile::findRoleType(int roleType) const
{
    for (int i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes.at(i).roleType == roleType)
            return i;
    }
    return -1;
}

int CKBMapProfile::findKey(int kind, int key, int* direction) const
{
    for (int i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes.at(i).usesKey(kind, key, direction))
            return i;
    }
    return -1;
}

void CKBMapProfile::setCanvasSize(const QSizeF& size)
{
    m_canvasSize = size;
}

void CKBMapProfile::setNodes(const QList<KBMapNode>& nodes)
{
    m_nodes = nodes;
}
