#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/NoiseProps.h"

// "Make Noise": its largest value and its length.
class TDlgNoiseProps : public TEffectDialog<TOKHelpRightDlg, TNoiseProps> {
public:
    TDlgNoiseProps(QWidget* owner, const TNoiseProps& props);

    QLineEdit* editVolume;
    QLineEdit* editLength;
};
