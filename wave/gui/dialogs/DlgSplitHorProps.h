#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/SplitHorProps.h"

// "Split Horizontally": into three parts at the selection, or two that both
// include it, or two that both leave it out.
class TDlgSplitHorProps : public TEffectDialog<TOKHelpRightDlg, TSplitHorProps> {
public:
    TDlgSplitHorProps(QWidget* owner, const TSplitHorProps& props);

    QGroupBox* rgrResult;
};
