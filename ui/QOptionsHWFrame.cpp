#include "ui/QOptionsHWFrame.h"

#include "app/PVHardwareInfo.h"
#include "app/PVNetworkInfo.h"
#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QStorageInfo>
#include <QSysInfo>

#include <iterator>

namespace {

const char* const kRows[] = {"system", "processor", "memory", "storage", "graphics", "opengl", "network"};

const char kRowProperty[] = "summaryRow";

// The storage of a folder that may not exist yet: that of its nearest existing parent.
QStorageInfo storageOf(const QString& path)
{
    QDir dir(path.isEmpty() ? QDir::homePath() : path);
    while (!dir.exists() && !dir.isRoot() && dir.cdUp()) {
    }
    return QStorageInfo(dir.exists() ? dir.absolutePath() : QDir::rootPath());
}

} // namespace

QOptionsHWFrame::QOptionsHWFrame(QWidget* parent)
    : QOptionsFrame(QString(), tr("Hardware"), parent)
{
    addSummaryRow(tr("Operating System"), kRows[0]);
    addSummaryRow(tr("Processor"), kRows[1]);
    addSummaryRow(tr("Memory"), kRows[2]);
    addSummaryRow(tr("Storage"), kRows[3]);
    addSummaryRow(tr("Graphics"), kRows[4]);
    addSummaryRow(tr("OpenGL"), kRows[5]);
    addSummaryRow(tr("Network"), kRows[6]);
    finish();
}

QLabel* QOptionsHWFrame::addSummaryRow(const QString& label, const char* row)
{
    auto* value = new QLabel(this);
    value->setObjectName("lbValue");
    value->setProperty(kRowProperty, QLatin1String(row));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addRow(label, value);
    return value;
}

void QOptionsHWFrame::showEvent(QShowEvent* event)
{
    QOptionsFrame::showEvent(event);
    if (!m_gathered)
        gather();
}

void QOptionsHWFrame::gather()
{
    m_gathered = true;
    const QString texts[] = {QSysInfo::prettyProductName() + " (" + QSysInfo::currentCpuArchitecture() + ")",
                             processorText(), memoryText(), storageText(),
                             graphicsText(), openGLText(), networkText()};
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        if (QLabel* label = rowLabel(QLatin1String(kRows[i])))
            label->setText(texts[i]);
    }
    // The rows were laid out empty; the page may be shown at once.
    layout()->activate();
}

QString QOptionsHWFrame::rowText(const QString& row) const
{
    const QLabel* label = rowLabel(row);
    return label ? label->text() : QString();
}

QLabel* QOptionsHWFrame::rowLabel(const QString& row) const
{
    for (QLabel* label : findChildren<QLabel*>("lbValue")) {
        if (label->property(kRowProperty).toString() == row)
            return label;
    }
    return nullptr;
}

QString QOptionsHWFrame::processorText() const
{
    const PVProcessorInfo cpu = PVHardwareInfo::processor();
    return tr("%1\n%2 cores, %3 threads").arg(cpu.model).arg(cpu.cores).arg(cpu.threads);
}

QString QOptionsHWFrame::memoryText() const
{
    const PVMemoryInfo memory = PVHardwareInfo::memory();
    if (memory.total <= 0)
        return tr("Unknown");
    return tr("%1 (%2 available)")
        .arg(PVHardwareInfo::formatBytes(memory.total), PVHardwareInfo::formatBytes(memory.available));
}

QString QOptionsHWFrame::storageText() const
{
    const QString savePath = PVSettings::optionString(*pvApp()->settings(), "record", "savePath");
    const QStorageInfo storage = storageOf(savePath);
    if (!storage.isValid() || !storage.isReady())
        return tr("Unknown");
    return tr("%1 free of %2 (%3, %4)")
        .arg(PVHardwareInfo::formatBytes(storage.bytesAvailable()),
             PVHardwareInfo::formatBytes(storage.bytesTotal()), storage.rootPath(),
             QString::fromUtf8(storage.fileSystemType()));
}

QString QOptionsHWFrame::graphicsText() const
{
    QStringList lines;
    for (const PVGraphicsAdapter& adapter : PVHardwareInfo::graphicsAdapters()) {
        QString line = adapter.name;
        if (!adapter.driver.isEmpty())
            line += QStringLiteral(" [%1]").arg(adapter.driver);
        lines.append(line);
    }
    return lines.isEmpty() ? tr("No graphics adapter found") : lines.join('\n');
}

QString QOptionsHWFrame::openGLText() const
{
    const QString renderer = PVHardwareInfo::openGLRenderer();
    return renderer.isEmpty() ? tr("Not available") : renderer;
}

QString QOptionsHWFrame::networkText() const
{
    const PVNetworkAdapter adapter = PVNetworkInfo::chosenAdapter();
    if (!adapter.isValid())
        return tr("No network adapter connected");
    const QString kind = adapter.wireless ? tr("Wi-Fi") : tr("Ethernet");
    QString result = QStringLiteral("%1 (%2)\n%3").arg(adapter.friendlyName, kind, adapter.address);
    if (!adapter.hardwareAddress.isEmpty())
        result += QStringLiteral("  ·  ") + adapter.hardwareAddress;
    return result;
}
