#include "wave/gui/dialogs/DlgLineProps.h"

TDlgLineProps::TDlgLineProps(QWidget* owner, const TLineProps& props) : TEffectDialog(owner, "Make Line", 5, props)
{
    rgrKind = NewRadioGroup(Frame(), "rgrKind", "Kind", {"Linear", "Exponential"});
    editBegin = LabeledEdit(Frame(), "editBegin", "Begin Value");
    editEnd = LabeledEdit(Frame(), "editEnd", "End Value");
    editLength = LabeledEdit(Frame(), "editLength", "Length");

    RadioGroup(Props.LineKind, rgrKind);
    Value(Props.Begin, editBegin, "Begin Value");
    Value(Props.End, editEnd, "End Value");
    // An exponential line never reaches or crosses 0.
    Check("Exponential Line may not contain value 0.", [this] {
        return static_cast<double>(Props.Begin.GetValue()) * Props.End.GetValue() > 0;
    }).When(Is(Props.LineKind, 1));
    Value(Props.Length, editLength, "Length");
}
