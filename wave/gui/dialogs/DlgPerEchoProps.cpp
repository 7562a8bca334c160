#include "wave/gui/dialogs/DlgPerEchoProps.h"

TDlgPerEchoProps::TDlgPerEchoProps(QWidget* owner, const TPerEchoProps& props)
    : TEffectDialog(owner, "Period Echo", 12, props)
{
    Row(Frame(), {NewLabel("Echo Time")});
    editTime = LabeledEdit(Frame(), "editTime", "Time");
    chkTimeEnvelope = NewCheck("chkTimeEnvelope", "Envelope");
    cboTimeEnvelope = NewWaveCombo("cboTimeEnvelope");
    Row(Frame(), {chkTimeEnvelope, cboTimeEnvelope});
    grpVolume = NewGroup(Frame(), "grpVolume", "Echo Volume");
    optVolumeConstant = NewOption("optVolumeConstant", "Constant");
    editVolumeConstant = NewEdit("editVolumeConstant");
    Row(grpVolume, {optVolumeConstant, editVolumeConstant});
    optVolumeEnvelope = NewOption("optVolumeEnvelope", "Envelope");
    cboVolumeEnvelope = NewWaveCombo("cboVolumeEnvelope");
    Row(grpVolume, {optVolumeEnvelope, cboVolumeEnvelope});
    grpCount = NewGroup(Frame(), "grpCount", QString());
    editCount = LabeledEdit(grpCount, "editCount", "Echo Count");

    auto timeEnvelopeOn = [this] { return Props.TimeEnvelopeOn != 0; };
    Value(Props.Time, editTime, "Time");
    Flag(Props.TimeEnvelopeOn, chkTimeEnvelope);
    Check("In Time: The echo time may not be negative with a time envelope.",
          [this] { return Props.Time.GetValue() >= 0; })
        .When(timeEnvelopeOn);
    Wave(Props.TimeEnvelope, cboTimeEnvelope, 2, " Echo Time Envelope").When(timeEnvelopeOn).Checks({chkTimeEnvelope});
    Kind(Props.VolumeKind, {optVolumeConstant, optVolumeEnvelope});
    Value(Props.Volume, editVolumeConstant, "Volume Constant")
        .When(Is(Props.VolumeKind, 0))
        .Checks({optVolumeConstant});
    Wave(Props.VolumeEnvelope, cboVolumeEnvelope, 1, " Echo Volume Envelope")
        .When(Is(Props.VolumeKind, 1))
        .Checks({optVolumeEnvelope});
    Value(Props.Count, editCount, "Count");
}
