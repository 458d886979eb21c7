#include "ui/QOptionsVideoAudioFrame.h"

using OptionChoices::findChoice;

QOptionsVideoAudioFrame::QOptionsVideoAudioFrame(QWidget* parent)
    : QOptionsFrame(QStringLiteral("videoaudio"), tr("Video"), parent)
{
    addCombo(tr("Hardware decoder"), *findChoice("videoaudio", "hwDecoder"));
    addCombo(tr("Render Engine"), *findChoice("videoaudio", "renderEngine"));
    addNote(tr("* All changes will take effect to new connected device."), "lbEffectTip");
    finish();
}
