#include "wave/gui/dialogs/DlgLengthProps.h"

TDlgLengthProps::TDlgLengthProps(QWidget* owner, const TLengthProps& props)
    : TEffectDialog(owner, "Change Length", 49, props)
{
    optLengthFactor = NewOption("optLengthFactor", "Length Factor");
    editLengthFactor = NewEdit("editLengthFactor");
    Row(Frame(), {optLengthFactor, editLengthFactor});
    optLengthNew = NewOption("optLengthNew", "New Length");
    editLengthNew = NewEdit("editLengthNew");
    Row(Frame(), {optLengthNew, editLengthNew});
    optLengthSameAs = NewOption("optLengthSameAs", "Same Length as");
    cboLengthSameAs = NewWaveCombo("cboLengthSameAs");
    Row(Frame(), {optLengthSameAs, cboLengthSameAs});

    Kind(Props.LengthKind, {optLengthFactor, optLengthNew, optLengthSameAs});
    Value(Props.LengthFactor, editLengthFactor, "Length Factor")
        .When(Is(Props.LengthKind, 0))
        .Checks({optLengthFactor});
    Value(Props.NewLength, editLengthNew, "New Length").When(Is(Props.LengthKind, 1)).Checks({optLengthNew});
    Wave(Props.SameLengthAs, cboLengthSameAs, 1, "Same Length as")
        .When(Is(Props.LengthKind, 2))
        .Checks({optLengthSameAs});
}
