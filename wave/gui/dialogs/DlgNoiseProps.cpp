#include "wave/gui/dialogs/DlgNoiseProps.h"

TDlgNoiseProps::TDlgNoiseProps(QWidget* owner, const TNoiseProps& props)
    : TEffectDialog(owner, "Make Noise", 8, props)
{
    editVolume = LabeledEdit(Frame(), "editVolume", "Volume");
    editLength = LabeledEdit(Frame(), "editLength", "Length");

    // The length is read first, so its refusal is the one reported.
    Value(Props.Length, editLength, "Length");
    Value(Props.Volume, editVolume, "Volume");
}
