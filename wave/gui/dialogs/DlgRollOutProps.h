#pragma once
#include "wave/gui/dialogs/LengthChoiceDialog.h"
#include "wave/props/RollOutProps.h"

// "Roll out": the speed (constant or by an envelope), the length of the
// result and the start position. The caller fills the record's operation time.
class TDlgRollOutProps : public TLengthChoiceDialog<TRollOutProps> {
public:
    TDlgRollOutProps(QWidget* owner, const TRollOutProps& props);

    QLineEdit* editSpeedFactor;
    QCheckBox* chkSpeedEnvelope;
    TWaveComboBox* cboSpeedEnvelope;
    QLineEdit* editStartPosition;
};
