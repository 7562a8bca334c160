#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/ResNotchProps.h"

#include <cstdint>

// The resonant and the notch filter ("Resonant Filter" or "Notch Filter", as
// the caller says): a frequency and a frequency width, each constant or
// following an envelope wave. A constant frequency above the wave's sample
// frequency is refused: the filter cannot work there.
class TDlgResNotchProps : public TEffectDialog<TOKHelpRightDlg, TResNotchProps> {
public:
    TDlgResNotchProps(QWidget* owner, const QString& caption, uint32_t sampleFreq, const TResNotchProps& props);

    QRadioButton* optFreqConstant;
    QLineEdit* editFreqConstant;
    QRadioButton* optFreqEnvelope;
    TWaveComboBox* cboFreqEnvelope;
    QGroupBox* grpWidth;
    QRadioButton* optWidthConstant;
    QLineEdit* editWidthConstant;
    QRadioButton* optWidthEnvelope;
    TWaveComboBox* cboWidthEnvelope;
};
