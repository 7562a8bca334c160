#include "wave/gui/dialogs/DlgHighLowProps.h"

TDlgHighLowProps::TDlgHighLowProps(QWidget* owner, const QString& caption, const THighLowProps& props)
    : TEffectDialog(owner, "High Low Filter", 15, props)
{
    setWindowTitle(caption);
    Row(Frame(), {NewLabel("Frequency")});
    optFreqConstant = NewOption("optFreqConstant", "Frequency");
    editFreqConstant = NewEdit("editFreqConstant");
    Row(Frame(), {optFreqConstant, editFreqConstant});
    optFreqEnvelope = NewOption("optFreqEnvelope", "Envelope");
    cboFreqEnvelope = NewWaveCombo("cboFreqEnvelope");
    Row(Frame(), {optFreqEnvelope, cboFreqEnvelope});
    QLabel* lblFactor = NewLabel("Volume Factor at Frequency");
    lblFactor->setObjectName("lblFactor");
    editFactor = NewEdit("editFactor");
    lblFactor->setBuddy(editFactor);
    Row(Frame(), {lblFactor, editFactor});
    grpFactor = NewGroup(Frame(), "grpFactor", QString());
    editCount = LabeledEdit(grpFactor, "editCount", "Count");
    chkMaximizeVolume = NewCheck("chkMaximizeVolume", "Maximize Volume");
    Row(grpFactor, {chkMaximizeVolume});

    Kind(Props.FreqKind, {optFreqConstant, optFreqEnvelope});
    Value(Props.Frequency, editFreqConstant, "Frequency").When(Is(Props.FreqKind, 0)).Checks({optFreqConstant});
    Wave(Props.FreqEnvelope, cboFreqEnvelope, 1, "Frequency Envelope")
        .When(Is(Props.FreqKind, 1))
        .Checks({optFreqEnvelope});
    // The factor belongs to the constant frequency: editing it chooses that.
    Value(Props.Factor, editFactor, "Volume Factor").Checks({optFreqConstant});
    Value(Props.Count, editCount, "Count");
    Flag(Props.MaximizeVolume, chkMaximizeVolume);
}
