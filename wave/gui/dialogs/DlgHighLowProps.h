#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/HighLowProps.h"

// The high and the low filter ("High Filter" or "Low Filter", as the caller
// says): a frequency, constant or following an envelope wave, the volume
// factor at that frequency and the number of passes.
class TDlgHighLowProps : public TEffectDialog<TOKHelpRightDlg, THighLowProps> {
public:
    TDlgHighLowProps(QWidget* owner, const QString& caption, const THighLowProps& props);

    QRadioButton* optFreqConstant;
    QLineEdit* editFreqConstant;
    QRadioButton* optFreqEnvelope;
    TWaveComboBox* cboFreqEnvelope;
    QLineEdit* editFactor;
    QGroupBox* grpFactor;
    QLineEdit* editCount;
    QCheckBox* chkMaximizeVolume;
};
