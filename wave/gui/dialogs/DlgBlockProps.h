#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/BlockProps.h"

// "Block": blocks in time (by count or length) and steps in value (by count or height).
class TDlgBlockProps : public TEffectDialog<TOKHelpRightDlg, TBlockProps> {
public:
    TDlgBlockProps(QWidget* owner, const TBlockProps& props);

    QRadioButton* optHorNoChange;
    QRadioButton* optHorCount;
    QLineEdit* editHorCount;
    QRadioButton* optHorTime;
    QLineEdit* editHorTime;
    QRadioButton* optVertNoChange;
    QRadioButton* optVertCount;
    QLineEdit* editVertCount;
    QRadioButton* optVertHeight;
    QLineEdit* editVertHeight;
};
