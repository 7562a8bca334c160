#include "wave/gui/dialogs/DlgResNotchProps.h"

TDlgResNotchProps::TDlgResNotchProps(QWidget* owner, const QString& caption, uint32_t sampleFreq,
                                     const TResNotchProps& props)
    : TEffectDialog(owner, "Resonant/Notch", 16, props)
{
    setWindowTitle(caption);
    Row(Frame(), {NewLabel("Frequency")});
    optFreqConstant = NewOption("optFreqConstant", "Constant");
    editFreqConstant = NewEdit("editFreqConstant");
    Row(Frame(), {optFreqConstant, editFreqConstant});
    optFreqEnvelope = NewOption("optFreqEnvelope", "Envelope");
    cboFreqEnvelope = NewWaveCombo("cboFreqEnvelope");
    Row(Frame(), {optFreqEnvelope, cboFreqEnvelope});
    grpWidth = NewGroup(Frame(), "grpWidth", "Frequency Width");
    optWidthConstant = NewOption("optWidthConstant", "Constant");
    editWidthConstant = NewEdit("editWidthConstant");
    Row(grpWidth, {optWidthConstant, editWidthConstant});
    optWidthEnvelope = NewOption("optWidthEnvelope", "Envelope");
    cboWidthEnvelope = NewWaveCombo("cboWidthEnvelope");
    Row(grpWidth, {optWidthEnvelope, cboWidthEnvelope});

    Kind(Props.FreqKind, {optFreqConstant, optFreqEnvelope});
    Value(Props.Frequency, editFreqConstant, "Frequency Constant")
        .When(Is(Props.FreqKind, 0))
        .Checks({optFreqConstant});
    // The frequency is held as its period: above the sample frequency the
    // period is shorter than one sample.
    Check("In Frequency Constant: The frequency is too high for the sample frequency of the wave.",
          [this, sampleFreq] { return Props.Frequency.GetValue() * sampleFreq >= 1.0; })
        .When(Is(Props.FreqKind, 0));
    Wave(Props.FreqEnvelope, cboFreqEnvelope, 1, "Frequency Envelope")
        .When(Is(Props.FreqKind, 1))
        .Checks({optFreqEnvelope});
    Kind(Props.WidthKind, {optWidthConstant, optWidthEnvelope});
    Value(Props.Width, editWidthConstant, "Width Constant").When(Is(Props.WidthKind, 0)).Checks({optWidthConstant});
    Wave(Props.WidthEnvelope, cboWidthEnvelope, 1, "Frequency Width Envelope")
        .When(Is(Props.WidthKind, 1))
        .Checks({optWidthEnvelope});
}
