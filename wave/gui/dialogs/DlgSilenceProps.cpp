#include "wave/gui/dialogs/DlgSilenceProps.h"

TDlgSilenceProps::TDlgSilenceProps(QWidget* owner, const TSilenceProps& props)
    : TEffectDialog(owner, "Make Silence", 20, props)
{
    editLength = LabeledEdit(Frame(), "editLength", "Length");

    Value(Props.Length, editLength, "Length");
}
