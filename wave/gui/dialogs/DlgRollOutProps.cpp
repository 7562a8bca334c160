#include "wave/gui/dialogs/DlgRollOutProps.h"

TDlgRollOutProps::TDlgRollOutProps(QWidget* owner, const TRollOutProps& props)
    : TEffectDialog(owner, "Roll out", 46, props)
{
    QGroupBox* speed = NewGroup(Frame(), "grpSpeed", "Speed");
    editSpeedFactor = LabeledEdit(speed, "editSpeedFactor", "Factor");
    chkSpeedEnvelope = NewCheck("chkSpeedEnvelope", "Envelope");
    cboSpeedEnvelope = NewWaveCombo("cboSpeedEnvelope");
    Row(speed, {chkSpeedEnvelope, cboSpeedEnvelope});

    QGroupBox* grpLength = NewGroup(Frame(), "grpLength", "Length");
    optLengthFactor = NewOption("optLengthFactor", "Length Factor");
    editLengthFactor = NewEdit("editLengthFactor");
    Row(grpLength, {optLengthFactor, editLengthFactor});
    optLengthNew = NewOption("optLengthNew", "New Length");
    editLengthNew = NewEdit("editLengthNew");
    Row(grpLength, {optLengthNew, editLengthNew});
    optLengthSameAs = NewOption("optLengthSameAs", "Same Length as");
    cboLengthSameAs = NewWaveCombo("cboLengthSameAs");
    Row(grpLength, {optLengthSameAs, cboLengthSameAs});
    optLengthCount = NewOption("optLengthCount", "Count");
    editLengthCount = NewEdit("editLengthCount");
    Row(grpLength, {optLengthCount, editLengthCount});
    editStartPosition = LabeledEdit(Frame(), "editStartPosition", "Start Position");

    Value(Props.SpeedFactor, editSpeedFactor, "Speed Factor");
    Flag(Props.SpeedEnvelopeOn, chkSpeedEnvelope);
    // The speed envelope is a mono wave.
    Wave(Props.SpeedEnvelope, cboSpeedEnvelope, 2, "Speed Envelope")
        .When(Is(Props.SpeedEnvelopeOn, 1))
        .Checks({chkSpeedEnvelope});
    Kind(Props.LengthKind, {optLengthFactor, optLengthNew, optLengthSameAs, optLengthCount});
    Value(Props.LengthFactor, editLengthFactor, "Length Factor")
        .When(Is(Props.LengthKind, 0))
        .Checks({optLengthFactor});
    Value(Props.NewLength, editLengthNew, "New Length").When(Is(Props.LengthKind, 1)).Checks({optLengthNew});
    Wave(Props.SameLengthAs, cboLengthSameAs, 1, "Same Length as")
        .When(Is(Props.LengthKind, 2))
        .Checks({optLengthSameAs});
    Value(Props.Count, editLengthCount, "Count").When(Is(Props.LengthKind, 3)).Checks({optLengthCount});
    // The start position is measured against the operation time.
    OnShow(TShowPhase::Texts, [this] { Props.StartPosition.SetLength(Props.OperationTime); });
    Value(Props.StartPosition, editStartPosition, "Start Position");
}
