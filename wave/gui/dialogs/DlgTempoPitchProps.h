#pragma once
#include "wave/gui/dialogs/LengthChoiceDialog.h"
#include "wave/props/TempoPitchProps.h"

// "Pitch Tempo": the frequency and the speed factor, each with an optional
// mono envelope wave, the length of the result in one of four ways, the start
// position within the range, the quality and the block size. The caller has
// written the operation time into the record: the start position is measured
// against it.
class TDlgTempoPitchProps : public TLengthChoiceDialog<TTempoPitchProps> {
public:
    TDlgTempoPitchProps(QWidget* owner, const TTempoPitchProps& props);

    QLineEdit* editFreqFactor;
    QCheckBox* chkFreqEnvelope;
    TWaveComboBox* cboFreqEnvelope;
    QGroupBox* grpSpeed;
    QLineEdit* editSpeedFactor;
    QCheckBox* chkSpeedEnvelope;
    TWaveComboBox* cboSpeedEnvelope;
    QGroupBox* grpStartPosition;
    QLineEdit* editStartPosition;
    QGroupBox* rgrQuality;
    QGroupBox* grpBlockSize;
    QLineEdit* editBlockSize;
};
