#include "ui/QOptionsRecordFrame.h"

#include "app/PVSettings.h"
#include "media/pvoaudio.h"
#include "ui/QEAlertDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

using OptionChoices::findChoice;

namespace {

const QString kSavePath = QStringLiteral("savePath");

} // namespace

QOptionsRecordFrame::QOptionsRecordFrame(QWidget* parent)
    : QOptionsFrame(QStringLiteral("record"), tr("Recording"), parent)
{
    addSection(tr("PC Microphone"));
    addCombo(tr("Input Device"), OptionChoices::captureDeviceChoice(captureDeviceNames()));
    addRadios(tr("PC Microphone Test"), *findChoice("record", "audioInputTest"));

    addSection(tr("Recording"));
    addCombo(tr("Audio Source"), *findChoice("record", "audioOutput"));
    addCombo(tr("Split Duration"), *findChoice("record", "splitDuration"));

    m_lineEditSavePath = new QLineEdit(this);
    m_lineEditSavePath->setObjectName("lineEditSavePath");
    m_lineEditSavePath->setReadOnly(true);
    m_lineEditSavePath->setMinimumWidth(260);
    m_btnChange = new QPushButton(tr("Change"), this);
    m_btnChange->setObjectName("btnChange");
    m_btnOpen = new QPushButton(tr("Open"), this);
    m_btnOpen->setObjectName("btnOpen");
    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(8);
    folderRow->addWidget(m_lineEditSavePath, 1);
    folderRow->addWidget(m_btnChange);
    folderRow->addWidget(m_btnOpen);
    addRow(tr("Save Folder"), folderRow);
    finish();

    connect(m_btnChange, &QPushButton::clicked, this, &QOptionsRecordFrame::didClickChange);
    connect(m_btnOpen, &QPushButton::clicked, this, &QOptionsRecordFrame::didClickOpen);
}

QStringList QOptionsRecordFrame::captureDeviceNames()
{
    QStringList names;
    pvoAudioEnumCaptureDevices(
        [](int, const char* name, void* list) { static_cast<QStringList*>(list)->append(QString::fromUtf8(name)); },
        &names);
    return names;
}

void QOptionsRecordFrame::load(const QVariantMap& groupMap)
{
    QOptionsFrame::load(groupMap);
    const QVariant stored = groupMap.value(kSavePath, PVSettings::defaultOption("record", kSavePath));
    // A folder is text; anything else shows nothing and is kept as it is by a save.
    m_lineEditSavePath->setText(stored.userType() == QMetaType::QString ? stored.toString() : QString());
}

QVariantMap QOptionsRecordFrame::save(QVariantMap groupMap) const
{
    groupMap = QOptionsFrame::save(groupMap);
    if (!m_lineEditSavePath->text().isEmpty())
        groupMap.insert(kSavePath, m_lineEditSavePath->text());
    return groupMap;
}

QString QOptionsRecordFrame::savePath() const
{
    return m_lineEditSavePath->text();
}

void QOptionsRecordFrame::didClickChange()
{
    QFileDialog picker(this, tr("Please select save folder"), m_lineEditSavePath->text());
    picker.setObjectName("savePathPicker");
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return;
    m_lineEditSavePath->setText(QDir::toNativeSeparators(picker.selectedFiles().first()));
}

void QOptionsRecordFrame::didClickOpen()
{
    const QString path = m_lineEditSavePath->text();
    // The default folder often does not exist yet on a new system.
    if (path.isEmpty() || !QDir().mkpath(path)) {
        qWarning("Save folder \"%s\" cannot be created", qUtf8Printable(path));
        QEAlertDialog::run(window(), tr("Alert"), tr("The save folder cannot be created.") + "\n" + path,
                           QEAlertDialog::ModeAccept);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        qWarning("No file browser opened the save folder \"%s\"", qUtf8Printable(path));
        QEAlertDialog::run(window(), tr("Alert"), tr("No file browser could open the folder."),
                           QEAlertDialog::ModeAccept);
    }
}
