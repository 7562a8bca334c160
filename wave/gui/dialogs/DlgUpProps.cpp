#include "wave/gui/dialogs/DlgUpProps.h"

TDlgUpProps::TDlgUpProps(QWidget* owner, const TUpProps& props)
    : TEffectDialog(owner, "Move Wave Vertically", 19, props)
{
    editAdd = LabeledEdit(Frame(), "editAdd", "Add Value");

    Value(Props.AddValue, editAdd, "Add Value");
}
