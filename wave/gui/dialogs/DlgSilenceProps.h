#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/SilenceProps.h"

// "Make Silence": its length.
class TDlgSilenceProps : public TEffectDialog<TOKHelpBottomDlg, TSilenceProps> {
public:
    TDlgSilenceProps(QWidget* owner, const TSilenceProps& props);

    QLineEdit* editLength;
};
