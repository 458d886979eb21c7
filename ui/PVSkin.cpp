#include "ui/PVSkin.h"

#include <QFile>
#include <QWidget>

namespace PVSkin {

namespace {

bool readSheet(const QString& className, QString* sheet)
{
    QFile file(QStringLiteral(":/skin/") + className + QStringLiteral(".css"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s: style sheet resource missing", qPrintable(className));
        return false;
    }
    *sheet += QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

bool apply(QWidget* widget)
{
    return applyWith(widget, nullptr);
}

bool applyWith(QWidget* widget, const char* sharedClass)
{
    QString sheet;
    if (sharedClass && !readSheet(QString::fromLatin1(sharedClass), &sheet))
        return false;
    if (!readSheet(QString::fromLatin1(widget->metaObject()->className()), &sheet))
        return false;
    widget->setStyleSheet(sheet);
    return true;
}

} // namespace PVSkin
