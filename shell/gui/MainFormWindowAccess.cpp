// The main window as its document windows and their dialogs see it: what they
// ask that the main window's other parts do not already answer.
#include "shell/AudioPlayer.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/MainFormPlayers.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QMdiArea>

void TMainForm::ActivateChild(TMDIChildQuarbel* window)
{
    mdiArea->setActiveSubWindow(window);
}

bool TMainForm::SaveUnit(TFileUnit& unit)
{
    return files->SaveUnit(unit);
}

bool TMainForm::PlayRecordEnabled() const
{
    return TheAudioPlayer->PlayRecordEnabled();
}

void TMainForm::AudioUnitClosing(const TFileUnit* unit)
{
    TheAudioPlayer->UnitClosing(unit);
}

void TMainForm::NewFactoryForNode(int createKind, const TSountoryNode& node)
{
    NewUnitSountory(*this, createKind, &node);
}

TMDIChildMuz* TMainForm::ActiveMuzWindow() const
{
    return music->ActiveMuzWindow();
}

TMDIChildDlgPlayers* TMainForm::PlayersWindowOf(const TUnitPlayers& set) const
{
    return players->WindowOf(set);
}
