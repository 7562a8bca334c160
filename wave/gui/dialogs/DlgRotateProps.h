#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/RotateProps.h"

// "Rotate": left or right, by a factor of the operation time or by a time.
class TDlgRotateProps : public TEffectDialog<TOKHelpRightDlg, TRotateProps> {
public:
    // The operation time (seconds) bounds the time.
    TDlgRotateProps(QWidget* owner, double operationTime, const TRotateProps& props);

    QGroupBox* rgrShift;
    QRadioButton* optFactor;
    QLineEdit* editFactor;
    QRadioButton* optTime;
    QLineEdit* editTime;

private:
    double OperationTime;
};
