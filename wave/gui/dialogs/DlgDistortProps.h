#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/DistortProps.h"

// "Distort": the wave whose values are the transfer curve.
class TDlgDistortProps : public TEffectDialog<TOKHelpBottomDlg, TDistortProps> {
public:
    TDlgDistortProps(QWidget* owner, const TDistortProps& props);

    TWaveComboBox* cboDistortEnvelope;
};
