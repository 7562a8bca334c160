#include "wave/gui/MDIChildWave.h"

#include "foundation/commands/CommandSnapshot.h"
#include "foundation/gui/CustomCursors.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveCommandState.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"
#include "wave/gui/WaveWindowIcons.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QKeyEvent>

TMDIChildWave::TMDIChildWave(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitWave> unitWave,
                             const TWaveViewProps& waveViewProps, const TVoldViewProps& voldViewProps)
    : TMDIChildQuarbel(mainForm)
{
    SetUnitWave(std::move(unitWave));
    // The group makes both panes and the three-pixel splitter between them,
    // the first pane one pixel wide, the second filling the rest.
    ViewWaveGroup = new TViewWaveGroup(this, UnitWave.get(), waveViewProps, voldViewProps);
    setWidget(ViewWaveGroup);
    SetIconForMonoStereo(UnitWave ? UnitWave->GetMonoStereo() : 2);
    // Deactivation gives the splitter the inactive colour.
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                if ((oldState & Qt::WindowActive) && !(newState & Qt::WindowActive))
                    FormDeactivate();
            });
}

TMDIChildWave::~TMDIChildWave()
{
    // A recording into this wave stops and is thrown away.
    Main.AudioUnitClosing(UnitWave.get());
    // The frame's own teardown changes the state again: nothing of this window may hear it.
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, nullptr);
    // The writer is joined and the view group goes before the document it shows.
    if (ViewWaveGroup) {
        ViewWaveGroup->StopVolumeWriter();
        setWidget(nullptr);
        delete ViewWaveGroup;
        ViewWaveGroup = nullptr;
    }
    if (UnitWave)
        UnitWave->SetChildWave(nullptr);
    UnitWave.reset();
}

void TMDIChildWave::SetUnitWave(std::unique_ptr<TUnitWave> unitWave)
{
    UnitWave = std::move(unitWave);
    SetFileUnit(UnitWave.get());
    if (UnitWave)
        UnitWave->SetChildWave(this);
    ZoomMode = 0;
}

// ---------------------------------------------------------------- forwarders

uint8_t TMDIChildWave::GetShowKind()
{
    return ViewWaveGroup->GetShowKind();
}

uint8_t TMDIChildWave::GetShowKind() const
{
    return ViewWaveGroup->GetShowKind();
}

void TMDIChildWave::SetShowKind(uint8_t kind)
{
    ViewWaveGroup->SetShowKind(kind);
}

TWaveViewProps TMDIChildWave::GetWaveViewProps() const
{
    return ViewWaveGroup->GetWaveViewProps();
}

TVoldViewProps TMDIChildWave::GetVoldViewProps() const
{
    return ViewWaveGroup->GetVoldViewProps();
}

void TMDIChildWave::SetWaveViewProps(TWaveViewProps props)
{
    ViewWaveGroup->SetWaveViewProps(props);
}

void TMDIChildWave::SetVoldViewProps(TVoldViewProps props)
{
    ViewWaveGroup->SetVoldViewProps(props);
}

void TMDIChildWave::StartVolumeDiagram()
{
    ViewWaveGroup->StartVolumeDiagram();
}

void TMDIChildWave::RepaintWaveRange(int32_t from, int32_t to)
{
    ViewWaveGroup->RepaintWaveRange(from, to);
}

void TMDIChildWave::RepaintWavePos(int32_t position)
{
    ViewWaveGroup->RepaintWavePos(position);
}

void TMDIChildWave::PaintCursorLine(int32_t position)
{
    ViewWaveGroup->PaintCursorLine(position);
}

TDTDItemPtr TMDIChildWave::BuildViewGrammar()
{
    return TViewWaveGroupModel::GetViewWaveGroupDefinition();
}

bool TMDIChildWave::ReadViewXml(const TXMLItem* splitPosition, std::string& error, int32_t& line, int32_t& column,
                                bool pending)
{
    return ViewWaveGroup->ReadViewWaveGroupXml(splitPosition, UnitWave->GetValues(), error, line, column, pending);
}

void TMDIChildWave::WriteViewXml(TXMLComplexElement& parent) const
{
    ViewWaveGroup->WriteViewWaveGroupXml(parent);
}

void TMDIChildWave::MakeUserDrawnSound()
{
    if (UnitWave)
        UnitWave->MakeUserDrawnSound();
}

void TMDIChildWave::UserDrawChanged(uint8_t drawKind)
{
    UnitWave->SetDrawKind(drawKind);
    UnitWave->MakeUserDrawnSound();
    UnitWave->SetChanged();
    RepaintViews();
}

void TMDIChildWave::BeginKeepZoom(int32_t begin, int32_t end)
{
    ViewWaveGroup->BeginKeepZoom(begin, end);
}

void TMDIChildWave::EndKeepZoom(int32_t begin, int32_t newEnd)
{
    ViewWaveGroup->EndKeepZoom(begin, newEnd);
}

// ---------------------------------------------------------------- with logic

void TMDIChildWave::SoundChanged()
{
    if (GetShowKind() == waveWindVolume) {
        StartVolumeDiagram();
        return;
    }
    RepaintViews();
    Main.RefreshEnvelopeUsers(this);
}

void TMDIChildWave::RefreshAll()
{
    RepaintViews();
    Main.RefreshEnvelopeUsers(this);
}

void TMDIChildWave::RepaintViews()
{
    ViewWaveGroup->UpdateViews();
    ViewWaveGroup->InvalidateViews();
}

void TMDIChildWave::SetZoomMode(uint8_t mode)
{
    ZoomMode = mode;
    switch (mode) {
    case 0: SetDefaultCursor(); break;
    case 1: SetZoomCursor(); break;
    case 2: SetZoomOutCursor(); break;
    default: break;
    }
    Main.RequestUpdate();
}

void TMDIChildWave::SetIconForShowKind(uint8_t kind)
{
    if (kind == waveWindVolume)
        SetIcon(waveIconVolume);
    else
        SetIconForMonoStereo(UnitWave ? UnitWave->GetMonoStereo() : 2);
}

void TMDIChildWave::SetIconForMonoStereo(int32_t channels)
{
    SetIcon(channels == 1 ? waveIconMono : waveIconStereo);
}

void TMDIChildWave::SetIcon(int number)
{
    if (number == IconNumber)
        return;
    IconNumber = number;
    setWindowIcon(WaveWindowIcon(number));
}

// ---------------------------------------------------------------- window base

void TMDIChildWave::SetCursor(int cursorNumber)
{
    // The panes cover the whole client area.
    CursorNumber = cursorNumber;
    ViewWaveGroup->SetViewCursor(ScreenCursor(cursorNumber));
}

void TMDIChildWave::NameChanged(const std::string& oldName)
{
    TMDIChildQuarbel::NameChanged(oldName);
    // Windows that draw this wave as envelope, by the old or the new name.
    Main.RefreshEnvelopeUsersByName(oldName);
    Main.RefreshEnvelopeUsers(this);
}

int TMDIChildWave::GetMonoStereo() const
{
    return UnitWave ? UnitWave->GetMonoStereo() : 0;
}

void TMDIChildWave::FillCommandState(TCommandSnapshot& snapshot) const
{
    if (!UnitWave)
        return;
    snapshot.wave = WaveCommandStateOf(*UnitWave);
    snapshot.wave.zoomMode = ZoomMode;
    snapshot.wave.showKind = GetShowKind();
}

void TMDIChildWave::ShowStatus()
{
    if (UnitWave)
        UnitWave->ShowWaveStatus();
}

bool TMDIChildWave::NeedsSaving() const
{
    return UnitWave && UnitWave->IsChanged();
}

bool TMDIChildWave::SaveDocument()
{
    return UnitWave && Main.SaveUnit(*UnitWave);
}

bool TMDIChildWave::DrawsEnvelopeOf(const std::string& waveName) const
{
    if (GetShowKind() != waveWindWave)
        return false;
    const TWaveViewProps& props = ViewWaveGroup->GetWaveViewProps();
    return props.DrawEnvelope && props.Envelope.GetName() == waveName;
}

void TMDIChildWave::EvFormOnActivate()
{
    ViewWaveGroup->SetActive(true);
    TMDIChildQuarbel::EvFormOnActivate();
}

void TMDIChildWave::FormDeactivate()
{
    if (ViewWaveGroup)
        ViewWaveGroup->SetActive(false);
}

void TMDIChildWave::FormClose()
{
    // The writer must not post to a window on its way out.
    ViewWaveGroup->StopVolumeWriter();
    const std::string name = GetUnitName();
    TMDIChildQuarbel::FormClose();
    // Windows that drew this wave as envelope repaint without it.
    Main.RefreshEnvelopeUsersByName(name);
}

void TMDIChildWave::keyPressEvent(QKeyEvent* event)
{
    if (ViewWaveGroup->HandleKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    TMDIChildQuarbel::keyPressEvent(event);
}
