#include "wave/gui/dialogs/DlgBlockFilterProps.h"

TDlgBlockFilterProps::TDlgBlockFilterProps(QWidget* owner, const TBlockFilterProps& props)
    : TEffectDialog(owner, "Block Filter", 17, props)
{
    editTimeConstant = LabeledEdit(Frame(), "editTimeConstant", "Block Time");
    chkTimeEnvelope = NewCheck("chkTimeEnvelope", "Envelope");
    cboTimeEnvelope = NewWaveCombo("cboTimeEnvelope");
    Row(Frame(), {chkTimeEnvelope, cboTimeEnvelope});

    Flag(Props.TimeEnvelopeOn, chkTimeEnvelope);
    Value(Props.BlockTime, editTimeConstant, "Block Time");
    Check("In Block Time: The block time may not be 0.", [this] { return Props.BlockTime.GetValue() != 0; });
    Check("In Block Time: The block time must be greater than 0 with an envelope.",
          [this] { return !Props.TimeEnvelopeOn || Props.BlockTime.GetValue() > 0; });
    Wave(Props.TimeEnvelope, cboTimeEnvelope, 1, "Envelope")
        .When([this] { return Props.TimeEnvelopeOn != 0; })
        .Checks({chkTimeEnvelope});
}
