#include "wave/gui/dialogs/DlgDistortProps.h"

TDlgDistortProps::TDlgDistortProps(QWidget* owner, const TDistortProps& props)
    : TEffectDialog(owner, "Distort", 45, props)
{
    cboDistortEnvelope = NewWaveCombo("cboDistortEnvelope");
    Row(Frame(), {NewLabel("Distort Envelope"), cboDistortEnvelope});

    Wave(Props.DistortEnvelope, cboDistortEnvelope, 1, "Distort Envelope");
}
