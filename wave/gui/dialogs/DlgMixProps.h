#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/MixProps.h"

// "Mix": where the clipboard goes into the wave.
class TDlgMixProps : public TEffectDialog<TOKHelpRightDlg, TMixProps> {
public:
    TDlgMixProps(QWidget* owner, const TMixProps& props);

    QGroupBox* rgrPlace;
};
