#include "wave/gui/dialogs/DlgSinusProps.h"

TDlgSinusProps::TDlgSinusProps(QWidget* owner, const TSinusProps& props)
    : TEffectDialog(owner, "Make Sinus", 7, props)
{
    editAmplitude = LabeledEdit(Frame(), "editAmplitude", "Amplitude");
    editFrequency = LabeledEdit(Frame(), "editFrequency", "Frequency");
    editStartPhase = LabeledEdit(Frame(), "editStartPhase", "Start Phase");
    optLength = NewOption("optLength", "Length");
    editLength = NewEdit("editLength");
    Row(Frame(), {optLength, editLength});
    optCount = NewOption("optCount", "Count");
    editCount = NewEdit("editCount");
    Row(Frame(), {optCount, editCount});

    Kind(Props.LengthKind, {optLength, optCount});
    Value(Props.Length, editLength, "Length").When(Is(Props.LengthKind, 0)).Checks({optLength});
    Value(Props.Count, editCount, "Count").When(Is(Props.LengthKind, 1)).Checks({optCount});
    Value(Props.Amplitude, editAmplitude, "Amplitude");
    Value(Props.Frequency, editFrequency, "Frequency");
    Value(Props.StartPhase, editStartPhase, "Start Phase");
}
