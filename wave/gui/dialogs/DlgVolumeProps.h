#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/VolumeProps.h"

// "Change Volume": a constant factor or an envelope wave.
class TDlgVolumeProps : public TEffectDialog<TOKHelpRightDlg, TVolumeProps> {
public:
    // While the wave is drawn by hand only the constant factor is offered.
    TDlgVolumeProps(QWidget* owner, bool drawing, const TVolumeProps& props);

    QRadioButton* optConstant;
    QRadioButton* optEnvelope;
    QLineEdit* editVolume;
    TWaveComboBox* cboUnitWave;
};
