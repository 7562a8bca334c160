#include "wave/gui/dialogs/DlgMixProps.h"

TDlgMixProps::TDlgMixProps(QWidget* owner, const TMixProps& props) : TEffectDialog(owner, "Mix", 4, props)
{
    rgrPlace = NewRadioGroup(Frame(), "rgrPlace", "Place", {"Align Begin", "Align End", "Stretch"});

    RadioGroup(Props.Place, rgrPlace);
}
