// The main window's wave documents: new, opened and made from a sound, each
// in its own wave window, and the notices that pass between wave windows.
#include "shell/gui/MainForm.h"

#include "foundation/QuotedText.h"
#include "foundation/gui/OKCancelDialogs.h"
#include "platform/Assertions.h"
#include "platform/MessageService.h"
#include "platform/RegularFile.h"
#include "shell/DocumentKind.h"
#include "shell/gui/DlgWaveFileProp.h"
#include "shell/gui/MainFormWaveCommands.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/UnitWaveSideFile.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWaveGroup.h"

#include <QAction>
#include <QFileDialog>
#include <QMdiArea>


namespace {

using A = ActionId;

const char* const FileErrorCaption = "File Error";
const char* const CannotRead = "Cannot read the file: ";

// The sound of a wave file. A .wav that is gone while its side file keeps an
// empty wave opens as that empty wave. False with the message to show.
bool ReadWaveSound(const std::string& fileName, const std::string& tempFileName, SoundPtr& sound,
                   std::string& message)
{
    std::string text;
    if (!tempFileName.empty()) {
        // A project's copy wins; without copy or file the wave was empty when saved.
        const std::string& source = IsRegularFile(tempFileName) ? tempFileName : fileName;
        if (!IsRegularFile(source)) {
            sound = std::make_shared<StereoSound>(44100, 2);
            return true;
        }
        if (ReadWaveFile(source, sound, text))
            return true;
        message = CannotRead + Quoted(fileName) + text;
        return false;
    }
    if (!IsRegularFile(fileName) && IsRegularFile(SideFileName(fileName))) {
        std::string error;
        if ((sound = ReadSideFileEmptyWave(fileName, error)))
            return true;
        // A side file that cannot be read names itself; otherwise the wave file is reported.
        if (error.rfind(CannotRead, 0) == 0) {
            message = error;
            return false;
        }
    }
    if (ReadWaveFile(fileName, sound, text))
        return true;
    message = CannotRead + Quoted(fileName) + text;
    return false;
}

} // namespace

void TMainForm::InstallWaveHandlers()
{
    SetActionHandler(A::FileNewWave, [this] { FileNewWaveExecute(); });
    SetActionHandler(A::FileOpenWave, [this] { FileOpenWaveExecute(); });
    InstallWaveCommands(*this);
    SetActionHandler(A::ZoomIn, [this] {
        if (TMDIChildWave* window = ActiveWaveWindow())
            window->SetZoomMode(window->GetZoomMode() == 1 ? 0 : 1);
    });
    SetActionHandler(A::NoZoom, [this] {
        if (TMDIChildWave* window = ActiveWaveWindow())
            window->SetZoomMode(window->GetZoomMode() == 2 ? 0 : 2);
    });
}

TMDIChildWave* TMainForm::ActiveWaveWindow() const
{
    return dynamic_cast<TMDIChildWave*>(ActiveChildOfKind(documentKindWave));
}

TMDIChildWave* TMainForm::CreateWaveWindow(std::unique_ptr<TUnitWave> unit, TWaveViewProps waveViewProps,
                                           TVoldViewProps voldViewProps)
{
    auto* window = new TMDIChildWave(*this, std::move(unit), waveViewProps, voldViewProps);
    AddChildWindow(window);
    window->UpdateChildCaption();
    return window;
}

void TMainForm::FileNewWaveExecute()
{
    TDlgWaveFileProp dialog(this, TWaveFileProps(2, 44100, 2));
    if (dialog.exec() == QDialog::Accepted)
        NewWave(dialog.GetProps());
}

TUnitWave* TMainForm::NewWave(const TWaveFileProps& props)
{
    // Only the formats a sound can have; the dialog offers no other.
    if (!QB_CHECK((props.MonoStereo == 1 || props.MonoStereo == 2) &&
                  (props.BytesPSample == 1 || props.BytesPSample == 2)))
        return nullptr;
    auto unit = std::make_unique<TUnitWave>(props, NewUnitName("Wave", ""), "");
    CopyEffectSettingsTo(*unit);
    TUnitWave* result = unit.get();
    TMDIChildWave* window = CreateWaveWindow(std::move(unit), defaultWaveViewProps, defaultVoldViewProps);
    SetActionChecked(A::ViewVold, false);
    SetActionChecked(A::ViewWave, true);
    window->SoundChanged();
    return result;
}

void TMainForm::FileOpenWaveExecute()
{
    // Not the platform's own dialog: the same dialog everywhere, tests included.
    QFileDialog dialog(this, "Open Wave");
    SetDialogWindowFlags(&dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({"Wave Files (*.wav)", "All files (*)"});
    dialog.setDefaultSuffix("wav");
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::vector<std::string> names;
    for (const QString& name : dialog.selectedFiles())
        names.push_back(name.toStdString());
    OpenWaveFiles(names);
}

void TMainForm::OpenWaveFiles(const std::vector<std::string>& fileNames)
{
    TBusyGuard guard(busy);
    for (const std::string& fileName : fileNames)
        OpenWaveFile(false, fileName, "");
}

TUnitWave* TMainForm::OpenWaveFile(bool fromProject, const std::string& fileName, const std::string& tempFileName)
{
    std::string message;
    TUnitWave* unit = LoadWaveWindow(fromProject, fileName, tempFileName, message);
    if (!unit)
        ShowMessage(message, FileErrorCaption, MsgIcon::Information);
    return unit;
}

TUnitWave* TMainForm::LoadWaveWindow(bool fromProject, const std::string& fileName, const std::string& tempFileName,
                                     std::string& error)
{
    SoundPtr sound;
    if (!ReadWaveSound(fileName, tempFileName, sound, error))
        return nullptr;

    auto owned = std::make_unique<TUnitWave>(sound, NewUnitName("Wave", ""), fileName);
    TUnitWave* unit = owned.get();
    unit->SetTrackChanges(false);
    CopyEffectSettingsTo(*unit);
    TMDIChildWave* window = CreateWaveWindow(std::move(owned), defaultWaveViewProps, defaultVoldViewProps);

    // The side file of the project's copy when there is one, else that of the file.
    const bool tempSide = !tempFileName.empty() && IsRegularFile(SideFileName(tempFileName));
    const std::string sideFile = SideFileName(tempSide ? tempFileName : fileName);
    std::string sideError;
    if (unit->LoadShadowFile(sideFile, sideError, fromProject, sound) == 2) {
        ShowMessage(CannotRead + Quoted(sideFile) + ": " + sideError, FileErrorCaption, MsgIcon::Information);
        unit->SetTrackChanges(true);
    }
    unit->ExchangeSound(sound);
    // The side file may have put an empty wave of another format in place.
    window->SetIconForShowKind(window->GetShowKind());
    UnitNameChanged(unit->GetName());
    if (window->GetShowKind() == waveWindVolume)
        window->StartVolumeDiagram();
    else
        window->SoundChanged();

    unit->SetTrackChanges(true);
    if (!tempFileName.empty())
        unit->SetChanged();
    if (tempSide)
        unit->SetShadowChanged();
    // The project reader switches tracking on once it has restored everything.
    if (fromProject)
        unit->SetTrackChanges(false);
    return unit;
}

TMDIChildWave* TMainForm::CreateWaveFromSound(std::shared_ptr<Sound> sound, const std::string& prefix,
                                              const std::string& suffix)
{
    if (!QB_CHECK(sound != nullptr))
        return nullptr;
    auto unit = std::make_unique<TUnitWave>(std::move(sound), NewUnitName(prefix, suffix), "");
    CopyEffectSettingsTo(*unit);
    TUnitWave* document = unit.get();
    TMDIChildWave* window = CreateWaveWindow(std::move(unit), defaultWaveViewProps, defaultVoldViewProps);
    // A sound made elsewhere exists nowhere else: closing asks the save question.
    document->SetChanged();
    window->SoundChanged();
    return window;
}

void TMainForm::UpdateEnvelopeViews(TViewWaveGroup* group, int fromColumn, int toColumn, int arrayWidth,
                                    int rangeBegin, int rangeEnd, int sourceCount, int channels, int side,
                                    bool single)
{
    if (!QB_CHECK(group != nullptr) || !QB_CHECK(group->GetUnitWave() != nullptr))
        return;
    const std::string name = group->GetUnitWave()->GetName();
    if (name.empty())
        return;
    for (TRegisteredWindow* each : Registry().Walk()) {
        auto* window = dynamic_cast<TMDIChildWave*>(each);
        if (window && window->DrawsEnvelopeOf(name))
            window->GetViewWaveGroup()->RefreshVolumeColumns(fromColumn, toColumn, arrayWidth, rangeBegin, rangeEnd,
                                                             sourceCount, channels, side, single);
    }
}
