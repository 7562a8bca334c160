#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/BlockFilterProps.h"

// "Block Filter": the block time, or a time envelope wave scaling it. A block
// time of 0, or not above 0 with an envelope, is refused: the filter has no
// block to work on.
class TDlgBlockFilterProps : public TEffectDialog<TOKHelpRightDlg, TBlockFilterProps> {
public:
    TDlgBlockFilterProps(QWidget* owner, const TBlockFilterProps& props);

    QLineEdit* editTimeConstant;
    QCheckBox* chkTimeEnvelope;
    TWaveComboBox* cboTimeEnvelope;
};
