#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/gui/dialogs/MergePages.h"
#include "wave/props/MergeHorProps.h"

class QButtonGroup;

// "Merge Horizontally": two different open waves, the first followed by the
// last, and where they differ the channels, rate, bits and display of the new
// wave, each preset to a proposal.
class TDlgMergeHorProps : public TEffectDialog<TOKHelpRightDlg, TMergeHorProps> {
public:
    TDlgMergeHorProps(QWidget* owner, const TMergeHorProps& props);

    TMergePages Pages;
    QWidget* tsMonoStereo;
    QLineEdit* editMSFirst;
    QLineEdit* editMSLast;
    QGroupBox* rgrMonoStereo;

private:
    QButtonGroup* monoStereoButtons = nullptr;
};
