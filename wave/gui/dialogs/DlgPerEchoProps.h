#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/PerEchoProps.h"

// "Period Echo": the echo period (or a mono envelope scaling it), the echo
// volume (constant or an envelope wave) and the number of echoes. A negative
// period with a time envelope is refused: the echoes would run off before
// the range.
class TDlgPerEchoProps : public TEffectDialog<TOKHelpRightDlg, TPerEchoProps> {
public:
    TDlgPerEchoProps(QWidget* owner, const TPerEchoProps& props);

    QLineEdit* editTime;
    QCheckBox* chkTimeEnvelope;
    TWaveComboBox* cboTimeEnvelope;
    QGroupBox* grpVolume;
    QRadioButton* optVolumeConstant;
    QLineEdit* editVolumeConstant;
    QRadioButton* optVolumeEnvelope;
    TWaveComboBox* cboVolumeEnvelope;
    QGroupBox* grpCount;
    QLineEdit* editCount;
};
