#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/LineProps.h"

// "Make Line": linear or exponential, from a begin to an end value.
class TDlgLineProps : public TEffectDialog<TOKHelpRightDlg, TLineProps> {
public:
    TDlgLineProps(QWidget* owner, const TLineProps& props);

    QGroupBox* rgrKind;
    QLineEdit* editBegin;
    QLineEdit* editEnd;
    QLineEdit* editLength;
};
