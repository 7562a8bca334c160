#include "wave/gui/dialogs/DlgRotateProps.h"

#include <cmath>

TDlgRotateProps::TDlgRotateProps(QWidget* owner, double operationTime, const TRotateProps& props)
    : TEffectDialog(owner, "Rotate", 21, props), OperationTime(operationTime)
{
    rgrShift = NewRadioGroup(Frame(), "rgrShift", "Shift to", {"Left", "Right"});
    optFactor = NewOption("optFactor", "Factor");
    editFactor = NewEdit("editFactor");
    Row(Frame(), {optFactor, editFactor});
    optTime = NewOption("optTime", "Time");
    editTime = NewEdit("editTime");
    Row(Frame(), {optTime, editTime});

    RadioGroup(Props.ShiftTo, rgrShift);
    // ByFactor is 0 for the time, 1 for the factor.
    Kind(Props.ByFactor, {optTime, optFactor});
    Value(Props.Factor, editFactor, "Factor").Checks({optFactor});
    Value(Props.Time, editTime, "Time").Checks({optTime});
    // Only a chosen time is bounded, and only once everything before it passed.
    Check("In Time: Time may not be longer than the time of the sound.", [this] {
        return std::fabs(Props.Time.GetValue()) <= OperationTime;
    }).When(Is(Props.ByFactor, 0));
}
