#include "ui/QOptionsIOSDeviceFrame.h"

#include "app/QPivoraApplication.h"
#include "bluetooth/SCBluetoothService.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

using OptionChoices::findChoice;

QOptionsIOSDeviceFrame::QOptionsIOSDeviceFrame(QWidget* parent)
    : QOptionsFrame(QStringLiteral("iosDevice"), tr("iOS Device"), parent)
{
    m_hidRadios = addRadios(tr("Control Device"), *findChoice("iosDevice", "enableHID"));
    m_lbTip = addNote(QString(), "lbTip");
    m_lbTip->hide();
    addNote(tr("Control Device requirements: \n1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or "
               "later)\n2. Bluetooth Adapter: Support LowEnergy peripheral role"));

    addSection(tr("Wired"));
    addCombo(tr("Resolution"), *findChoice("iosDevice", "wiredResolution"));
    addCombo(tr("FPS"), *findChoice("iosDevice", "wiredFps"));
    addSection(tr("Wireless"));
    addCombo(tr("Resolution"), *findChoice("iosDevice", "wirelessResolution"));
    addCombo(tr("FPS"), *findChoice("iosDevice", "wirelessFps"));
    addNote(tr("* All changes will take effect to new connected device."), "lbEffectTip");
    finish();

    showControlSupport();
    // The answer may come only after the program started, and so after this page opened.
    connect(pvApp(), &QPivoraApplication::didBluetoothSupportChanged, this, [this] { showControlSupport(); });
}

QString QOptionsIOSDeviceFrame::controlUnavailableReason(const SCBluetoothService* service)
{
    if (!service)
        return tr("Current OS Version is not supported.");
    if (!service->isSupported())
        return tr("No Bluetooth module or Bluetooth is not available.");
    return QString();
}

void QOptionsIOSDeviceFrame::showControlSupport()
{
    const QString reason = controlUnavailableReason(pvApp()->bluetoothService());
    m_lbTip->setText(reason);
    m_lbTip->setVisible(!reason.isEmpty());
    for (QAbstractButton* radio : m_hidRadios->buttons())
        radio->setEnabled(reason.isEmpty());
}

QString QOptionsIOSDeviceFrame::tipText() const
{
    return m_lbTip->text();
}
