#include "wave/gui/dialogs/DlgTempoPitchProps.h"

TDlgTempoPitchProps::TDlgTempoPitchProps(QWidget* owner, const TTempoPitchProps& props)
    : TLengthChoiceDialog(owner, "Pitch Tempo", 50, props)
{
    Row(Frame(), {NewLabel("Frequency Factor")});
    editFreqFactor = LabeledEdit(Frame(), "editFreqFactor", "Factor");
    chkFreqEnvelope = NewCheck("chkFreqEnvelope", "Envelope");
    cboFreqEnvelope = NewWaveCombo("cboFreqEnvelope");
    Row(Frame(), {chkFreqEnvelope, cboFreqEnvelope});
    grpSpeed = NewGroup(Frame(), "grpSpeed", "Speed");
    editSpeedFactor = LabeledEdit(grpSpeed, "editSpeedFactor", "Factor");
    chkSpeedEnvelope = NewCheck("chkSpeedEnvelope", "Envelope");
    cboSpeedEnvelope = NewWaveCombo("cboSpeedEnvelope");
    Row(grpSpeed, {chkSpeedEnvelope, cboSpeedEnvelope});
    Value(Props.FreqFactor, editFreqFactor, "Frequency Factor");
    Flag(Props.FreqEnvelopeOn, chkFreqEnvelope);
    Wave(Props.FreqEnvelope, cboFreqEnvelope, 2, "Frequency Envelope")
        .When([this] { return Props.FreqEnvelopeOn != 0; })
        .Checks({chkFreqEnvelope});
    Value(Props.SpeedFactor, editSpeedFactor, "Speed Factor");
    Flag(Props.SpeedEnvelopeOn, chkSpeedEnvelope);
    Wave(Props.SpeedEnvelope, cboSpeedEnvelope, 2, "Speed Envelope")
        .When([this] { return Props.SpeedEnvelopeOn != 0; })
        .Checks({chkSpeedEnvelope});

    LengthChoice();

    grpStartPosition = NewGroup(Frame(), "grpStartPosition", QString());
    editStartPosition = LabeledEdit(grpStartPosition, "editStartPosition", "Start Position");
    rgrQuality = NewRadioGroup(Frame(), "rgrQuality", "Quality", {"Low", "High"});
    grpBlockSize = NewGroup(Frame(), "grpBlockSize", QString());
    editBlockSize = LabeledEdit(grpBlockSize, "editBlockSize", "Block Size");

    // A start position in percent is a share of the range the command works on.
    Props.StartPosition.SetLength(Props.OperationTime);

    Value(Props.StartPosition, editStartPosition, "Start Position");
    RadioGroup(Props.Quality, rgrQuality);
    Value(Props.BlockSize, editBlockSize, "Block Size");
}
