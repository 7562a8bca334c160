#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/LengthProps.h"

// "Change Length": by a factor, to a new length, or to the length of another wave.
class TDlgLengthProps : public TEffectDialog<TOKHelpRightDlg, TLengthProps> {
public:
    TDlgLengthProps(QWidget* owner, const TLengthProps& props);

    QRadioButton* optLengthFactor;
    QLineEdit* editLengthFactor;
    QRadioButton* optLengthNew;
    QLineEdit* editLengthNew;
    QRadioButton* optLengthSameAs;
    TWaveComboBox* cboLengthSameAs;
};
