#pragma once
#include "wave/document/WaveFileProps.h"
#include "wave/gui/dialogs/EffectDialog.h"

class QListWidget;

// The "Wave Properties" dialog: bits per sample, sample frequency, mono or
// stereo of a wave. It edits its own copy of the format; every combination is
// accepted. A rate that is not one of the six is shown with no entry chosen
// and kept unless the user picks one.
class TDlgWaveFileProp : public TEffectDialog<TOKHelpRightDlg, TWaveFileProps> {
public:
    TDlgWaveFileProp(QWidget* owner, const TWaveFileProps& props);

    QGroupBox* grpWaveValues;
    QListWidget* lbSampleFreq;
    QGroupBox* grpMonoStereo;
};
