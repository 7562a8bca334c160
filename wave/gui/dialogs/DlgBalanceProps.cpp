#include "wave/gui/dialogs/DlgBalanceProps.h"

TDlgBalanceProps::TDlgBalanceProps(QWidget* owner, const TBalanceProps& props)
    : TEffectDialog(owner, "Balance", 11, props)
{
    Row(Frame(), {NewLabel("Direction")});
    optDirConstant = NewOption("optDirConstant", "Constant");
    editDirConstant = NewEdit("editDirConstant");
    Row(Frame(), {optDirConstant, editDirConstant});
    optDirEnvelope = NewOption("optDirEnvelope", "Envelope");
    cboDirEnvelope = NewWaveCombo("cboDirEnvelope");
    Row(Frame(), {optDirEnvelope, cboDirEnvelope});
    rgrVolume = NewRadioGroup(Frame(), "rgrVolume", "Volume Difference", {"None", "Volume", "Filter"});
    grpTimeDiff = NewGroup(Frame(), "grpTimeDiff", QString());
    chkTimeDiff = NewCheck("chkTimeDiff", "Time Difference");
    Row(grpTimeDiff, {chkTimeDiff});

    Kind(Props.DirKind, {optDirConstant, optDirEnvelope});
    Value(Props.Direction, editDirConstant, "Direction Constant")
        .When(Is(Props.DirKind, 0))
        .Checks({optDirConstant});
    Wave(Props.DirEnvelope, cboDirEnvelope, 2, "Direction Envelope")
        .When(Is(Props.DirKind, 1))
        .Checks({optDirEnvelope});
    Flag(Props.TimeDifference, chkTimeDiff);
    RadioGroup(Props.VolumeDifference, rgrVolume);
}
