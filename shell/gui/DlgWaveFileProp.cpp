#include "shell/gui/DlgWaveFileProp.h"

#include <QListWidget>

namespace {

// The second of two radio buttons is checked for a value other than 1.
void ShowSecondFor(QGroupBox* group, unsigned value)
{
    const auto buttons = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    buttons[value != 1 ? 1 : 0]->setChecked(true);
}

uint16_t OneOrTwo(QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)[1]->isChecked() ? 2 : 1;
}

} // namespace

TDlgWaveFileProp::TDlgWaveFileProp(QWidget* owner, const TWaveFileProps& props)
    : TEffectDialog(owner, "Wave Properties", 2, props)
{
    setObjectName("DlgWaveFileProp");
    grpWaveValues = NewRadioGroup(Frame(), "grpWaveValues", "Wave Values", {"8 Bits", "16 Bits"});
    QLabel* lblSampleFreq = NewLabel("Sample Frequency:");
    lblSampleFreq->setObjectName("lblSampleFreq");
    Row(Frame(), {lblSampleFreq});
    lbSampleFreq = new QListWidget(Frame());
    lbSampleFreq->setObjectName("lbSampleFreq");
    for (const char* item : TWaveFileProps::FrequencyCaptions)
        lbSampleFreq->addItem(item);
    lbSampleFreq->setFixedHeight(lbSampleFreq->sizeHintForRow(0) * TWaveFileProps::FrequencyCount + 6);
    lblSampleFreq->setBuddy(lbSampleFreq);
    Row(Frame(), {lbSampleFreq});
    grpMonoStereo = NewRadioGroup(Frame(), "grpMonoStereo", "", {"Mono", "Stereo"});

    OnShow(TShowPhase::Groups, [this] {
        ShowSecondFor(grpWaveValues, Props.BytesPSample);
        // No entry for a rate not offered: OK then keeps it.
        lbSampleFreq->setCurrentRow(TWaveFileProps::FrequencyIndex(Props.SampleFreq));
        ShowSecondFor(grpMonoStereo, Props.MonoStereo);
    });
    Step([this](bool&) {
        Props.BytesPSample = OneOrTwo(grpWaveValues);
        Props.SampleFreq = TWaveFileProps::FrequencyOfIndex(lbSampleFreq->currentRow(), Props.SampleFreq);
        Props.MonoStereo = OneOrTwo(grpMonoStereo);
    });
}
