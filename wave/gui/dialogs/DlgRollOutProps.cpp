#include "wave/gui/dialogs/DlgRollOutProps.h"

TDlgRollOutProps::TDlgRollOutProps(QWidget* owner, const TRollOutProps& props)
    : TLengthChoiceDialog(owner, "Roll out", 46, props)
{
    QGroupBox* speed = NewGroup(Frame(), "grpSpeed", "Speed");
    editSpeedFactor = LabeledEdit(speed, "editSpeedFactor", "Factor");
    chkSpeedEnvelope = NewCheck("chkSpeedEnvelope", "Envelope");
    cboSpeedEnvelope = NewWaveCombo("cboSpeedEnvelope");
    Row(speed, {chkSpeedEnvelope, cboSpeedEnvelope});
    Value(Props.SpeedFactor, editSpeedFactor, "Speed Factor");
    Flag(Props.SpeedEnvelopeOn, chkSpeedEnvelope);
    // The speed envelope is a mono wave.
    Wave(Props.SpeedEnvelope, cboSpeedEnvelope, 2, "Speed Envelope")
        .When(Is(Props.SpeedEnvelopeOn, 1))
        .Checks({chkSpeedEnvelope});

    LengthChoice();

    editStartPosition = LabeledEdit(Frame(), "editStartPosition", "Start Position");
    // The start position is measured against the operation time.
    OnShow(TShowPhase::Texts, [this] { Props.StartPosition.SetLength(Props.OperationTime); });
    Value(Props.StartPosition, editStartPosition, "Start Position");
}
