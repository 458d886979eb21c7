#include "ui/QOptionsAndroidDeviceFrame.h"

using OptionChoices::findChoice;

QOptionsAndroidDeviceFrame::QOptionsAndroidDeviceFrame(QWidget* parent)
    : QOptionsFrame(QStringLiteral("androidDevice"), tr("Android Device"), parent)
{
    const QString group = QStringLiteral("androidDevice");
    addRadios(tr("Android Version"), *findChoice(group, "systemversion"));
    addRadios(tr("Control Device"), *findChoice(group, "wiredHID"));

    addSection(tr("Wired"));
    addCombo(tr("Resolution"), *findChoice(group, "wiredResolution"));
    addCombo(tr("FPS"), *findChoice(group, "wiredFps"));
    addCombo(tr("Bitrate"), *findChoice(group, "wiredBitrate"));
    addRadios(tr("Mobile Microphone"), *findChoice(group, "wiredMic"));

    addSection(tr("Wireless"));
    addCombo(tr("Resolution"), *findChoice(group, "wirelessResolution"));
    addCombo(tr("FPS"), *findChoice(group, "wirelessFps"));
    addCombo(tr("Bitrate"), *findChoice(group, "wirelessBitrate"));
    addRadios(tr("Mobile Microphone"), *findChoice(group, "wirelessMic"));

    addNote(tr("* All changes will take effect to new connected device."), "lbEffectTip");
    finish();
}
