#include "shell/gui/WaveKindFiles.h"

#include "platform/MessageService.h"
#include "platform/RegularFile.h"
#include "shell/gui/MainForm.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/UnitWaveSideFile.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWaveGroup.h"

#include <QLayout>


namespace {

TUnitWave& WaveOf(TFileUnit& unit)
{
    return static_cast<TUnitWave&>(unit);
}

const TUnitWave& WaveOf(const TFileUnit& unit)
{
    return static_cast<const TUnitWave&>(unit);
}

TMDIChildWave* WindowOf(TUnitWave& unit)
{
    return dynamic_cast<TMDIChildWave*>(unit.GetChildWave());
}

void CannotRevert(const std::string& fileName, const std::string& why)
{
    ShowMessage("Cannot revert the file: \"" + fileName + "\"" + why, "File Error", MsgIcon::Information);
}

} // namespace

bool TWaveKindFiles::CanSave(const TFileUnit& unit) const
{
    return WaveOf(unit).HasContent();
}

bool TWaveKindFiles::CanSaveAs(const TFileUnit& unit) const
{
    return WaveOf(unit).GetValues() > 0;
}

bool TWaveKindFiles::SaveOwnFile(TFileUnit& unit)
{
    return WaveOf(unit).Save();
}

bool TWaveKindFiles::SaveToFile(TFileUnit& unit, const std::string& fileName)
{
    return WaveOf(unit).SaveWaveAndShadow(fileName);
}

void TWaveKindFiles::ClearChanged(TFileUnit& unit)
{
    WaveOf(unit).ClearChanged();
}

bool TWaveKindFiles::Revert(TFileUnit& unit)
{
    return RevertWave(WaveOf(unit));
}

bool TWaveKindFiles::RevertWave(TUnitWave& unit)
{
    const std::string fileName = unit.GetFileName();
    const std::string sideFile = SideFileName(fileName);
    SoundPtr sound;
    std::string text;
    // A wave saved without values has only its side file.
    if (!IsRegularFile(fileName) && IsRegularFile(sideFile)) {
        sound = ReadSideFileEmptyWave(fileName, text);
        if (!sound) {
            ShowMessage(text, "File Error", MsgIcon::Information);
            return false;
        }
    } else if (!ReadWaveFile(fileName, sound, text)) {
        CannotRevert(fileName, text);
        return false;
    }
    unit.ExchangeSound(sound);
    TMDIChildWave* window = WindowOf(unit);
    std::string error;
    const int side = unit.LoadShadowFile(sideFile, error, false, sound);
    unit.ExchangeSound(sound);
    if (side == 0) {
        // Without a side file the wave is as a file without one opens.
        if (unit.IsUserDrawing())
            unit.EndUserDraw();
        unit.SetSelection(0, 0);
    }
    if (window) {
        window->SetIconForMonoStereo(unit.GetMonoStereo());
        form.WaveWindowActivated(window);
        window->SoundChanged();
    }
    if (side == 2) {
        CannotRevert(sideFile, error);
        return false;
    }
    unit.ClearChanged();
    return true;
}

bool TWaveKindFiles::NeedsProjectCopy(const TFileUnit& unit) const
{
    // An empty wave always needs its side file: it alone keeps the format.
    return WaveOf(unit).IsChanged() || WaveOf(unit).GetValues() == 0;
}

bool TWaveKindFiles::SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool exportAll)
{
    if (exportAll)
        return WaveOf(unit).SaveWaveAndShadow(copyFileName);
    return WaveOf(unit).SaveShadowAndChangedWave(copyFileName);
}

TFileUnit* TWaveKindFiles::OpenFromProject(const std::string& fileName, const std::string& copyBase,
                                           std::string& error)
{
    return form.LoadWaveWindow(true, fileName, copyBase.empty() ? std::string() : copyBase + ".wav", error);
}

void TWaveKindFiles::ProjectWindowPlaced(TFileUnit& unit)
{
    TUnitWave& wave = WaveOf(unit);
    if (TMDIChildWave* window = WindowOf(wave)) {
        TViewWaveGroup* group = window->GetViewWaveGroup();
        // The panes take their widths from the window's new size first.
        for (QWidget* widget : {static_cast<QWidget*>(window), static_cast<QWidget*>(group)})
            if (QLayout* layout = widget->layout())
                layout->activate();
        group->ApplyPendingSplitPosition();
        group->ApplyPendingZoom();
    }
    wave.SetTrackChanges(true);
}

void TWaveKindFiles::ProjectCopyTaken(TFileUnit& unit)
{
    WaveOf(unit).ClearChanged();
    form.RefreshEnvelopeUsersByName(unit.GetName());
}
