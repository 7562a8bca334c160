#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/BalanceProps.h"

// "Balance": a mono wave placed in a direction, constant or following a mono
// envelope wave, with a volume and a time difference between the ears.
class TDlgBalanceProps : public TEffectDialog<TOKHelpRightDlg, TBalanceProps> {
public:
    TDlgBalanceProps(QWidget* owner, const TBalanceProps& props);

    QRadioButton* optDirConstant;
    QLineEdit* editDirConstant;
    QRadioButton* optDirEnvelope;
    TWaveComboBox* cboDirEnvelope;
    QGroupBox* rgrVolume;
    QGroupBox* grpTimeDiff;
    QCheckBox* chkTimeDiff;
};
