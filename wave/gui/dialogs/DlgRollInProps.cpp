#include "wave/gui/dialogs/DlgRollInProps.h"

#include "platform/SampleConvert.h"

TDlgRollInProps::TDlgRollInProps(QWidget* owner, uint32_t sampleFreq, const TRollInProps& props)
    : TEffectDialog(owner, "Roll in", 44, props), SampleFreq(sampleFreq)
{
    editLength = LabeledEdit(Frame(), "editLength", "Length");
    QGroupBox* grpPlacement = NewGroup(Frame(), "grpPlacement", "Placement");
    optStart = NewOption("optStart", "Start at");
    editStart = NewEdit("editStart");
    Row(grpPlacement, {optStart, editStart});
    optEnd = NewOption("optEnd", "End at");
    editEnd = NewEdit("editEnd");
    Row(grpPlacement, {optEnd, editEnd});

    // The positions are measured against the roll-in length: one in percent is a share of it.
    auto rebase = [this] {
        Props.StartAt.SetLength(Props.Length.GetValue());
        Props.EndAt.SetLength(Props.Length.GetValue());
    };
    Value(Props.Length, editLength, "Length");
    OnShow(TShowPhase::Texts, rebase);
    Check("In Length: The roll in length must be at least one value long.",
          [this] { return ToInt32(Props.Length.GetValue() * SampleFreq) >= 1; });
    Step([rebase](bool&) { rebase(); });
    Kind(Props.Placement, {optStart, optEnd});
    Value(Props.StartAt, editStart, "Start at").When(Is(Props.Placement, 0)).Checks({optStart});
    Value(Props.EndAt, editEnd, "End at").When(Is(Props.Placement, 1)).Checks({optEnd});
}
