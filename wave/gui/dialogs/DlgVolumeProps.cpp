#include "wave/gui/dialogs/DlgVolumeProps.h"



TDlgVolumeProps::TDlgVolumeProps(QWidget* owner, bool drawing, const TVolumeProps& props)
    : TEffectDialog(owner, "Change Volume", 9, props)
{
    Row(Frame(), {NewLabel("Volume Factor")});
    optConstant = NewOption("optConstant", "Constant");
    editVolume = NewEdit("editVolume");
    Row(Frame(), {optConstant, editVolume});
    optEnvelope = NewOption("optEnvelope", "Envelope");
    cboUnitWave = NewWaveCombo("cboUnitWave");
    Row(Frame(), {optEnvelope, cboUnitWave});

    Kind(Props.VolumeKind, {optConstant, optEnvelope});
    Value(Props.Factor, editVolume, "Constant").When(Is(Props.VolumeKind, 0)).Checks({optConstant});
    Wave(Props.VolumeEnvelope, cboUnitWave, 1, "Envelope").When(Is(Props.VolumeKind, 1)).Checks({optEnvelope});

    if (drawing) {
        // A drawing changes by a factor only: an envelope kind left in the
        // record must not send the command to a factor nobody read.
        Props.VolumeKind = 0;
        optEnvelope->setEnabled(false);
        cboUnitWave->setEnabled(false);
    }
}
