#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/gui/dialogs/MergePages.h"
#include "wave/props/MergeVertProps.h"

class QButtonGroup;

// "Merge Vertically": two different open waves as the left and the right
// channel of a new stereo wave, and where they differ the way their lengths
// are made equal, the rate, bits and display, each preset to a proposal.
class TDlgMergeVertProps : public TEffectDialog<TOKHelpRightDlg, TMergeVertProps> {
public:
    TDlgMergeVertProps(QWidget* owner, const TMergeVertProps& props);

    TMergePages Pages;
    QWidget* tsLength;
    QLineEdit* editLengthLeft;
    QLineEdit* editLengthRight;
    QGroupBox* rgrMakeLengthsEqual;

private:
    QButtonGroup* lengthButtons = nullptr;
};
