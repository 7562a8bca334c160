#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/SinusProps.h"

// "Make Sinus": amplitude, frequency, start phase, and a length or a count of periods.
class TDlgSinusProps : public TEffectDialog<TOKHelpRightDlg, TSinusProps> {
public:
    TDlgSinusProps(QWidget* owner, const TSinusProps& props);

    QLineEdit* editAmplitude;
    QLineEdit* editFrequency;
    QLineEdit* editStartPhase;
    QRadioButton* optLength;
    QLineEdit* editLength;
    QRadioButton* optCount;
    QLineEdit* editCount;
};
