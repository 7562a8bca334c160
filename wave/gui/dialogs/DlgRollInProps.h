#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/RollInProps.h"

#include <cstdint>

// "Roll in": the roll-in length and where in it the range starts or ends.
class TDlgRollInProps : public TEffectDialog<TOKHelpRightDlg, TRollInProps> {
public:
    // The wave's sample frequency: a length under one sample is refused.
    TDlgRollInProps(QWidget* owner, uint32_t sampleFreq, const TRollInProps& props);

    QLineEdit* editLength;
    QRadioButton* optStart;
    QLineEdit* editStart;
    QRadioButton* optEnd;
    QLineEdit* editEnd;

private:
    uint32_t SampleFreq;
};
