#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/ShiftProps.h"

// "Move Wave Horizontally": the shift of a mono wave, or of each channel of a
// stereo one (the middle time typed is copied into both), constant or by an
// envelope.
class TDlgShiftProps : public TEffectDialog<TOKHelpRightDlg, TShiftProps> {
public:
    TDlgShiftProps(QWidget* owner, int monoStereo, const TShiftProps& props);

    QLineEdit* editDiffTimeMiddle;
    QLineEdit* editDiffTimeLeft;
    QLineEdit* editDiffTimeRight;
    QCheckBox* chkDiffTimeEnvelope;
    TWaveComboBox* cboDiffTimeEnvelope;

private:
    // Leaving the middle time after a change: a stereo wave takes it for both channels.
    void editDiffTimeMiddleExit();

    int MonoStereo;
    uint8_t MiddleChanged = 0;
};
