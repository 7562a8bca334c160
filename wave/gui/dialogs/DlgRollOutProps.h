#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/RollOutProps.h"

// "Roll out": the speed (constant or by an envelope), the length of the
// result and the start position. The caller fills the record's operation time.
class TDlgRollOutProps : public TEffectDialog<TOKHelpRightDlg, TRollOutProps> {
public:
    TDlgRollOutProps(QWidget* owner, const TRollOutProps& props);

    QLineEdit* editSpeedFactor;
    QCheckBox* chkSpeedEnvelope;
    TWaveComboBox* cboSpeedEnvelope;
    QRadioButton* optLengthFactor;
    QLineEdit* editLengthFactor;
    QRadioButton* optLengthNew;
    QLineEdit* editLengthNew;
    QRadioButton* optLengthSameAs;
    TWaveComboBox* cboLengthSameAs;
    QRadioButton* optLengthCount;
    QLineEdit* editLengthCount;
    QLineEdit* editStartPosition;
};
