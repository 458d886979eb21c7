#include "ui/PVSkin.h"

#include <QFile>
#include <QWidget>

namespace PVSkin {

bool apply(QWidget* widget)
{
    const QString className = QString::fromLatin1(widget->metaObject()->className());
    QFile file(QStringLiteral(":/skin/") + className + QStringLiteral(".css"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s: style sheet resource missing", qPrintable(className));
        return false;
    }
    widget->setStyleSheet(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace PVSkin
