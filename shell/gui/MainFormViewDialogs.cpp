// The main window's view settings of a wave window, and the about box.
#include "shell/gui/MainForm.h"

#include "shell/gui/AboutBox.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/DlgVoldViewProps.h"
#include "wave/gui/DlgWaveViewProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWaveGroup.h"

namespace {
using A = ActionId;
} // namespace

void TMainForm::InstallViewDialogHandlers()
{
    SetActionHandler(A::ViewWave, [this] { ViewWaveExecute(); });
    SetActionHandler(A::ViewVold, [this] { ViewVoldExecute(); });
    SetActionHandler(A::HelpAbout, [this] {
        TAboutBox about(this);
        about.exec();
    });
}

void TMainForm::ViewWaveExecute()
{
    TMDIChildWave* window = ActiveWaveWindow();
    if (!window || !window->GetUnitWave())
        return;
    TWaveViewProps props = window->GetWaveViewProps();
    if (!TDlgWaveViewProps::Run(this, defaultWaveViewProps, props))
        return;
    window->SetWaveViewProps(props);
    SetActionChecked(A::ViewVold, false);
    SetActionChecked(A::ViewWave, true);
    window->GetUnitWave()->SetShadowChanged();
    window->RefreshAll();
}

void TMainForm::ViewVoldExecute()
{
    TMDIChildWave* window = ActiveWaveWindow();
    if (!window || !window->GetUnitWave())
        return;
    const bool showedVolume = window->GetShowKind() == waveWindVolume;
    TUnitWave* unit = window->GetUnitWave();
    const TVoldViewProps before = window->GetVoldViewProps();
    TVoldViewProps props = before;
    const TViewWaveGroup* group = window->GetViewWaveGroup();
    if (!TDlgVoldViewProps::Run(this, unit->GetMonoStereo(), unit->GetSampleFreq(), group->GetViewsWidth(),
                                group->GetViewsHeight(), defaultVoldViewProps, props))
        return;
    window->SetVoldViewProps(props);
    SetActionChecked(A::ViewWave, false);
    SetActionChecked(A::ViewVold, true);
    unit->SetShadowChanged();
    // Only a changed computation starts the diagram anew; colours only repaint.
    if (!showedVolume || props.NeedsRecalculation(before))
        window->StartVolumeDiagram();
    else
        window->RefreshAll();
}
