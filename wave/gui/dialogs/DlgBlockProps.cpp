#include "wave/gui/dialogs/DlgBlockProps.h"

TDlgBlockProps::TDlgBlockProps(QWidget* owner, const TBlockProps& props) : TEffectDialog(owner, "Block", 43, props)
{
    QGroupBox* grpHor = NewGroup(Frame(), "grpHor", "Horizontal");
    optHorNoChange = NewOption("optHorNoChange", "No Change");
    Row(grpHor, {optHorNoChange});
    optHorCount = NewOption("optHorCount", "Count");
    editHorCount = NewEdit("editHorCount");
    Row(grpHor, {optHorCount, editHorCount});
    optHorTime = NewOption("optHorTime", "Time");
    editHorTime = NewEdit("editHorTime");
    Row(grpHor, {optHorTime, editHorTime});

    QGroupBox* grpVert = NewGroup(Frame(), "grpVert", "Vertical");
    optVertNoChange = NewOption("optVertNoChange", "No Change");
    Row(grpVert, {optVertNoChange});
    optVertCount = NewOption("optVertCount", "Count");
    editVertCount = NewEdit("editVertCount");
    Row(grpVert, {optVertCount, editVertCount});
    optVertHeight = NewOption("optVertHeight", "Height");
    editVertHeight = NewEdit("editVertHeight");
    Row(grpVert, {optVertHeight, editVertHeight});

    // The labels begin with a blank: their messages read "In  Horizontal Count: ...".
    Kind(Props.HorKind, {optHorNoChange, optHorCount, optHorTime});
    Value(Props.HorCount, editHorCount, " Horizontal Count").When(Is(Props.HorKind, 1)).Checks({optHorCount});
    Value(Props.HorTime, editHorTime, " Time").When(Is(Props.HorKind, 2)).Checks({optHorTime});
    Kind(Props.VertKind, {optVertNoChange, optVertCount, optVertHeight});
    Value(Props.VertCount, editVertCount, " Vertical Count").When(Is(Props.VertKind, 1)).Checks({optVertCount});
    Value(Props.VertHeight, editVertHeight, " Height").When(Is(Props.VertKind, 2)).Checks({optVertHeight});
}
