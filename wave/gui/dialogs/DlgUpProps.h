#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/UpProps.h"

// "Move Wave Vertically": the value added.
class TDlgUpProps : public TEffectDialog<TOKHelpBottomDlg, TUpProps> {
public:
    TDlgUpProps(QWidget* owner, const TUpProps& props);

    QLineEdit* editAdd;
};
