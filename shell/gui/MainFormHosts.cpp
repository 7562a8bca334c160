#include "shell/gui/MainFormHosts.h"

#include "factory/document/UnitSountory.h"
#include "foundation/gui/PanelStatusBar.h"
#include "shell/AudioPlayer.h"
#include "shell/DocumentKind.h"
#include "shell/ModelessDialogs.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/MainFormPlayers.h"
#include "wave/document/FileUnit.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveWindowAccess.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QLabel>

#include <algorithm>

void TLabelStatusPanel::SetText(const std::string& value)
{
    WaveStatusPanel::SetText(value);
    if (label)
        label->setText(QString::fromStdString(value));
}

void TLabelStatusPanel::SetWidth(int value, const std::string& widest)
{
    WaveStatusPanel::SetWidth(value, widest);
    if (label)
        label->setFixedWidth(std::max(value, TPanelStatusBar::WidthFor(label, QString::fromStdString(widest))));
}

TMainFormHosts::TMainFormHosts(TMainForm& form) : form(form)
{
    for (int i = 0; i < static_cast<int>(panels.size()); ++i)
        panels[i] = TLabelStatusPanel(form.StatusBarWave()->Panel(i));
    // The panels of the wave's length, rate, ... hold their widest texts.
    const auto widest = TUnitWave::WidestWaveStatusTexts();
    for (int i = 0; i < static_cast<int>(widest.size()); ++i)
        form.StatusBarWave()->FitPanel(i + 2, widest[static_cast<size_t>(i)]);
    previousAccess = SetMainFormAccess(this);
    previousHost = SetWaveDocumentHost(this);
    previousNotePlayers = SetNotePlayerAccess(&notePlayers);
}

TMainFormHosts::~TMainFormHosts()
{
    SetNotePlayerAccess(previousNotePlayers);
    SetWaveDocumentHost(previousHost);
    SetMainFormAccess(previousAccess);
}

namespace {

TUnitWave* WaveOf(TRegisteredWindow* window)
{
    auto* child = dynamic_cast<TMDIChildQuarbel*>(window);
    return child ? dynamic_cast<TUnitWave*>(child->GetFileUnit()) : nullptr;
}

} // namespace

TUnitWave* TMainFormHosts::FindUnitWave(const std::string& name)
{
    return WaveOf(form.Registry().FindByKindAndName(documentKindWave, name));
}

TUnitSountory* TMainFormHosts::FindUnitSountory(const std::string& name)
{
    auto* child = dynamic_cast<TMDIChildQuarbel*>(form.Registry().FindByKindAndName(documentKindFactory, name));
    return child ? dynamic_cast<TUnitSountory*>(child->GetFileUnit()) : nullptr;
}

TUnitPlayers* TMainFormHosts::FindUnitPlayers(const std::string& name)
{
    return form.Players().FindUnitPlayers(name);
}

int TMainFormHosts::AddPlayerSetNames(std::vector<std::string>& list)
{
    return form.Registry().AddPlayerSetNames(list);
}

int TMainFormHosts::AddMusicFactoryNames(std::vector<std::string>& list, uint8_t factoryKind)
{
    return form.Registry().AddFactoryNamesOfKind(list, factoryKind);
}

TUnitPlayers* TMainFormHosts::NewUnitPlayers(const std::string& wishedName, std::string& givenName)
{
    return form.Players().NewUnitPlayers(wishedName, givenName);
}

int32_t TMainFormHosts::NextValidationStamp()
{
    return form.NextValidationStamp();
}

int TMainFormHosts::AddWaveNames(WaveNameList& list, uint8_t filter)
{
    const TDocumentRegistry registry = form.Registry();
    std::vector<std::string> names;
    registry.AddWaveNames(names, filter);
    for (const std::string& name : names)
        list.push_back({name, WaveOf(registry.FindByKindAndName(documentKindWave, name))});
    return static_cast<int>(names.size());
}

TMDIChildWave* TMainFormHosts::ActiveWaveWindow()
{
    return form.ActiveWaveWindow();
}

MainFormRect TMainFormHosts::GetMainFormRect()
{
    const QRect frame = form.frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void TMainFormHosts::PlaySound(const Sound& sound, bool maxVolume)
{
    form.AudioPlayer().PlaySound(sound, maxVolume);
}

void TMainFormHosts::RefreshEnvelopeUsers(TMDIChildWave* window)
{
    form.RefreshEnvelopeUsers(window);
}

void TMainFormHosts::UpdateEnvelopeViews(TViewWaveGroup* group, int fromColumn, int toColumn, int arrayWidth,
                                         int rangeBegin, int rangeEnd, int sourceCount, int channels, int side,
                                         bool single)
{
    form.UpdateEnvelopeViews(group, fromColumn, toColumn, arrayWidth, rangeBegin, rangeEnd, sourceCount, channels,
                             side, single);
}

void TMainFormHosts::WaveZoomChanged(TMDIChildWave* window, int pane)
{
    form.WaveZoomChanged(window, pane);
}

WaveStatusPanel* TMainFormHosts::GetWaveStatusPanel(int n)
{
    if (n >= 0 && n < static_cast<int>(panels.size()))
        return &panels[n];
    return &spare;
}

void TMainFormHosts::SetModelessDialogActive(bool active)
{
    form.SetModelessDialogActive(active);
}

void TMainFormHosts::SelZoomDialogClosed()
{
    form.SelZoomDialogClosed();
}

std::shared_ptr<Sound> TMainFormHosts::GetClipBoardSound()
{
    return form.GetClipBoardSound();
}

void TMainFormHosts::SetClipBoardSound(std::shared_ptr<Sound> sound)
{
    form.SetClipBoardSound(std::move(sound));
}

void TMainFormHosts::MakeUndo(TUnitWave* unit)
{
    form.MakeUndo(unit);
}

void TMainFormHosts::DeleteUndo()
{
    form.DeleteUndo();
}

void TMainFormHosts::DeleteUndoOfUnit(TUnitWave* unit)
{
    form.DeleteUndoOfUnit(unit);
}

TUnitWave* TMainFormHosts::ActiveWaveUnit()
{
    TMDIChildQuarbel* child = form.ActiveChildOfKind(documentKindWave);
    return child ? dynamic_cast<TUnitWave*>(child->GetFileUnit()) : nullptr;
}

void TMainFormHosts::WaveSelectionChanged(WaveWindowAccess* window)
{
    form.WaveSelectionChanged(dynamic_cast<TMDIChildQuarbel*>(window));
}

int TMainFormHosts::AddFactoryNamesOfKind(FactoryNameList& list, uint8_t factoryKind)
{
    return ::AddFactoryNamesOfKind(form, list, factoryKind);
}

int TMainFormHosts::AddOtherFactoryNames(std::vector<std::string>& list, const TUnitSountory* factory)
{
    return ::AddOtherFactoryNames(form, list, factory);
}

int TMainFormHosts::AddFactoryNodeNames(FactoryNodeList& list, uint8_t nodeKind, const TUnitSountory* excluded)
{
    return ::AddFactoryNodeNames(form, list, nodeKind, excluded);
}

bool TMainFormHosts::CheckUnitName(const std::string& name, const TFileUnit* unit)
{
    const auto* window = unit ? dynamic_cast<const TMDIChildQuarbel*>(unit->GetWindow()) : nullptr;
    return form.CheckUnitName(name, window);
}

void TMainFormHosts::UnitNameChanged(const std::string& name)
{
    form.UnitNameChanged(name);
}
