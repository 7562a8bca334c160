#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/RandomEchoProps.h"

#include <QComboBox>
#include <QTabWidget>

// "Random Echo": the number of echoes, the seed of the dice and one page per
// property of an echo (time, volume, length, balance, pitch, tempo), each
// drawn from a die or from a random envelope wave. The dialog opens on the
// page it was last closed with.
class TDlgRandomEchoProps : public TEffectDialog<TOKHelpRightDlg, TRandomEchoProps> {
public:
    TDlgRandomEchoProps(QWidget* owner, const TRandomEchoProps& props);

    // After OK, accepted or not, the time difference shows the value the
    // record holds.
    void accept() override;

    QLineEdit* editCount;
    QLineEdit* editRandomSeed;
    QCheckBox* chkCyclable;
    QTabWidget* pgcEchoManip;
    QWidget* tsTime;
    QRadioButton* optTimeLinear;
    QRadioButton* optTimeEnvelope;
    TWaveComboBox* cboTimeEnvelope;
    QLineEdit* editTimeDiff;
    QComboBox* cboTimeSource;
    QWidget* tsVolume;
    QRadioButton* optVolumeNoChange;
    QRadioButton* optVolumeLinear;
    QRadioButton* optVolumeEnvelope;
    TWaveComboBox* cboVolumeEnvelope;
    QComboBox* cboVolumeSource;
    QWidget* tsLength;
    QRadioButton* optLengthNoChange;
    QRadioButton* optLengthEnvelope;
    TWaveComboBox* cboLengthEnvelope;
    QComboBox* cboLengthSource;
    QWidget* tsBalance;
    QRadioButton* optBalNoChange;
    QRadioButton* optBalLinear;
    QRadioButton* optBalEnvelope;
    TWaveComboBox* cboBalEnvelope;
    QComboBox* cboBalSource;
    QGroupBox* rgrBalVolume;
    QCheckBox* chkBalTimeDiff;
    QWidget* tsPitch;
    QRadioButton* optPitchNoChange;
    QRadioButton* optPitchEnvelope;
    TWaveComboBox* cboPitchEnvelope;
    QComboBox* cboPitchSource;
    QLineEdit* editFreqFactor;
    QWidget* tsTempo;
    QRadioButton* optTempoNoChange;
    QRadioButton* optTempoEnvelope;
    TWaveComboBox* cboTempoEnvelope;
    QComboBox* cboTempoSource;
    QGroupBox* grpPitchTempo;
    QGroupBox* rgrQuality;
    QLineEdit* editBlockSize;

private:
    QWidget* NewPage(const char* name, const char* caption);
    // A drop-down list of the six dice, "Die 1" to "Die 6": always a die.
    QComboBox* NewSource(QWidget* page, const char* name);
};
