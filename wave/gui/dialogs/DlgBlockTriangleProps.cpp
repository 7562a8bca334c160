#include "wave/gui/dialogs/DlgBlockTriangleProps.h"

TDlgBlockTriangleProps::TDlgBlockTriangleProps(QWidget* owner, const QString& caption,
                                               const TBlockTriangleProps& props)
    : TEffectDialog(owner, caption, 6, props)
{
    QGroupBox* grpHeight = NewGroup(Frame(), "grpHeight", "Heights");
    editHeight1 = LabeledEdit(grpHeight, "editHeight1", "Height 1");
    editHeight2 = LabeledEdit(grpHeight, "editHeight2", "Height 2");

    optFrequency = NewOption("optFrequency", "Frequency");
    Row(Frame(), {optFrequency});
    QGroupBox* grpFrequency = NewGroup(Frame(), "grpFrequency", "");
    editFrequency = LabeledEdit(grpFrequency, "editFrequency", "Frequency");
    optMiddleConstant = NewOption("optMiddleConstant", "Middle");
    editMiddle = NewEdit("editMiddle");
    Row(grpFrequency, {optMiddleConstant, editMiddle});
    optMiddleEnvelope = NewOption("optMiddleEnvelope", "Middle Envelope");
    cboMiddleEnvelope = NewWaveCombo("cboMiddleEnvelope");
    Row(grpFrequency, {optMiddleEnvelope, cboMiddleEnvelope});

    optTime = NewOption("optTime", "Wave in Time");
    Row(Frame(), {optTime});
    QGroupBox* grpTime = NewGroup(Frame(), "grpTime", "");
    editTime1 = LabeledEdit(grpTime, "editTime1", "Time 1");
    editTime2 = LabeledEdit(grpTime, "editTime2", "Time 2");

    QGroupBox* grpLength = NewGroup(Frame(), "grpLength", "Length");
    optLengthNew = NewOption("optLengthNew", "New Length");
    editLengthNew = NewEdit("editLengthNew");
    Row(grpLength, {optLengthNew, editLengthNew});
    optLengthSameAs = NewOption("optLengthSameAs", "Same Length as");
    cboLengthSameAs = NewWaveCombo("cboLengthSameAs");
    Row(grpLength, {optLengthSameAs, cboLengthSameAs});
    optLengthCount = NewOption("optLengthCount", "Count");
    editLengthCount = NewEdit("editLengthCount");
    Row(grpLength, {optLengthCount, editLengthCount});

    QGroupBox* grpStartPosition = NewGroup(Frame(), "grpStartPosition", "");
    editStartPosition = LabeledEdit(grpStartPosition, "editStartPosition", "Start Position");

    auto byFrequency = Is(Props.BloTriHorKind, bloTriFrequency);
    Value(Props.Height1, editHeight1, "Height 1");
    Value(Props.Height2, editHeight2, "Height 2");
    Kind(Props.BloTriHorKind, {optFrequency, optTime});
    Value(Props.Frequency, editFrequency, "Frequency").When(byFrequency);
    // The middle belongs to the frequency: without it the middle options are not read.
    Kind(Props.MiddleKind, {optMiddleConstant, optMiddleEnvelope}).When(byFrequency);
    Value(Props.Middle, editMiddle, "Middle")
        .When([this] { return Props.BloTriHorKind == bloTriFrequency && Props.MiddleKind == 0; })
        .Checks({optMiddleConstant, optFrequency});
    Wave(Props.MiddleEnvelope, cboMiddleEnvelope, 1, "Middle Envelope")
        .When([this] { return Props.BloTriHorKind == bloTriFrequency && Props.MiddleKind == 1; })
        .Checks({optMiddleEnvelope, optFrequency});
    Value(Props.Time1, editTime1, "Time 1").When(Is(Props.BloTriHorKind, bloTriTime)).Checks({optTime});
    Value(Props.Time2, editTime2, "Time 2").When(Is(Props.BloTriHorKind, bloTriTime)).Checks({optTime});
    Kind(Props.LengthKind, {optLengthNew, optLengthSameAs, optLengthCount});
    Value(Props.NewLength, editLengthNew, "Length New").When(Is(Props.LengthKind, 0)).Checks({optLengthNew});
    Wave(Props.SameLengthAs, cboLengthSameAs, 1, "Length Same As")
        .When(Is(Props.LengthKind, 1))
        .Checks({optLengthSameAs});
    Value(Props.Count, editLengthCount, "Length Count").When(Is(Props.LengthKind, 2)).Checks({optLengthCount});
    Value(Props.StartPosition, editStartPosition, "Start Position");
}
