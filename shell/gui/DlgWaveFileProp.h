#pragma once
#include "wave/document/WaveFileProps.h"

#include <QDialog>

class QButtonGroup;
class QListWidget;

// The "Wave Properties" dialog: bits per sample, sample frequency, mono or
// stereo of a new wave. It edits its own copy of the format; every
// combination is accepted.
class TDlgWaveFileProp : public QDialog {
    Q_OBJECT
public:
    TDlgWaveFileProp(QWidget* owner, const TWaveFileProps& props);

    // The format as the user left it; read after OK.
    TWaveFileProps GetProps() const { return Props; }

    void accept() override; // OK: the controls go back into the copy

private:
    void EvOnShow();

    TWaveFileProps Props;
    QButtonGroup* grpWaveValues;
    QListWidget* lbSampleFreq;
    QButtonGroup* grpMonoStereo;
};
