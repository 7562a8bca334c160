#include "wave/gui/dialogs/DlgSplitHorProps.h"

TDlgSplitHorProps::TDlgSplitHorProps(QWidget* owner, const TSplitHorProps& props)
    : TEffectDialog(owner, "Split Horizontally", 38, props)
{
    rgrResult = NewRadioGroup(Frame(), "rgrResult", "Result",
                              {"Three parts", "Two parts, both inclusive selected part",
                               "Two parts, both exclusive selected part"});
    RadioGroup(Props.Result, rgrResult);
}
