#include "shell/gui/MainFormMusic.h"

#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/ProgressWindow.h"
#include "music/document/MusicPlaying.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildMuz.h"
#include "music/window/MusicKeys.h"
#include "shell/DocumentKind.h"
#include "shell/ModelessDialogs.h"
#include "shell/MusicActionTable.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MusicKindFiles.h"

#include <QFileDialog>

namespace {

using A = ActionId;

// The hidden actions that hand Alt keys to the music window.
struct TAltRelay {
    ActionId id;
    int32_t key;
    uint8_t modifiers;
};
constexpr TAltRelay AltRelays[] = {
    {A::AltKeyA, 'A', musicKeyAlt},  {A::AltKeyB, 'B', musicKeyAlt},
    {A::AltKeyC, 'C', musicKeyAlt},  {A::AltKeyD, 'D', musicKeyAlt},
    {A::AltKeyE, 'E', musicKeyAlt},  {A::AltKeyF, 'F', musicKeyAlt},
    {A::AltKeyG, 'G', musicKeyAlt},  {A::AltKeyL, 'L', musicKeyAlt},
    {A::AltShiftKeyL, 'L', musicKeyAlt | musicKeyShift}, {A::AltKeyN, 'N', musicKeyAlt},
    {A::AltKeyS, 'S', musicKeyAlt},
};

} // namespace

TMainFormMusic::TMainFormMusic(TMainForm& form) : form(form) {}

void TMainFormMusic::InstallHandlers()
{
    form.SetActionHandler(A::FileNewMuz, [this] { NewMusic(); });
    form.SetActionHandler(A::FileOpenMuz, [this] { OpenMusicFiles(ChooseFilesToOpen()); });
    form.SetActionHandler(A::DuplicateMuz, [this] { DuplicateMusic(); });
    // Generating and playing render the music, which a progress window lets the user stop.
    form.SetActionHandler(A::MusicGenerate, [this] {
        TProgressWindow progress(&form);
        if (TUnitMuz* unit = ActiveMuzUnit())
            TMusicPlaying(*unit).MusicGenerate();
    });
    for (const TMusicActionRow& row : MusicActionTable())
        form.SetActionHandler(row.id, [this, &row] {
            TProgressWindow progress(&form);
            if (TUnitMuz* unit = ActiveMuzUnit())
                row.execute(*unit);
        });
    for (const TAltRelay& relay : AltRelays)
        form.SetActionHandler(relay.id, [this, relay] { PassAltKeyToMusic(relay.key, relay.modifiers); });
    const std::pair<ActionId, TModelessDialogKind> toggles[] = {{A::MusicDialogStaves, modelessDialogMusStave},
                                                                {A::MusicDialogParts, modelessDialogMusTree}};
    for (auto [id, kind] : toggles)
        form.SetActionHandler(id, [this, id, kind] {
            form.ModelessDialogs().ToggleDialog(kind);
            form.SetActionChecked(id, form.ModelessDialogs().IsDialogVisible(kind));
        });
    form.Openers().openMusic = [this](const std::string& file) { OpenMusicFiles({file}); };
    form.Files().SetKindFiles(documentKindMusic, std::make_unique<TMusicKindFiles>(form));
}

std::vector<std::string> TMainFormMusic::ChooseFilesToOpen()
{
    // Not the platform's own dialog: the same dialog everywhere.
    QFileDialog dialog(&form, "Open Music");
    dialog.setObjectName("OpenDialogMuz");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({"Music Files (*.qbm)", "XML Files (*.xml)", "All files (*)"});
    dialog.setDefaultSuffix("qbm");
    std::vector<std::string> chosen;
    if (ExecDialog(dialog) == QDialog::Accepted)
        for (const QString& file : dialog.selectedFiles())
            chosen.push_back(file.toStdString());
    return chosen;
}

TMDIChildMuz* TMainFormMusic::CreateMuzWindow(std::unique_ptr<TUnitMuz> unit)
{
    auto* window = new TMDIChildMuz(form, std::move(unit));
    form.AddChildWindow(window);
    window->UpdateChildCaption();
    return window;
}

TUnitMuz* TMainFormMusic::NewMusic()
{
    auto unit = std::make_unique<TUnitMuz>(form.NewUnitName("Music", ""), "");
    unit->NewMusic();
    TUnitMuz* made = unit.get();
    CreateMuzWindow(std::move(unit));
    form.UnitNameChanged(made->GetName());
    return made;
}

TUnitMuz* TMainFormMusic::LoadMusicWindow(const std::string& fileName, std::string& error)
{
    auto unit = std::make_unique<TUnitMuz>(form.NewUnitName("Music", ""), fileName);
    std::string reason;
    std::unique_ptr<TMDIChildMuzInitProps> view;
    // A music that failed half-way is thrown away with no window.
    if (!unit->LoadMusic(reason, view)) {
        error = "Cannot read file " + Quoted(fileName) + ": " + reason;
        return nullptr;
    }
    TUnitMuz* loaded = unit.get();
    TMDIChildMuz* window = CreateMuzWindow(std::move(unit));
    window->ApplyInitProps(view.get());
    return loaded;
}

TUnitMuz* TMainFormMusic::OpenMusicFile(const std::string& fileName)
{
    std::string error;
    TUnitMuz* unit = LoadMusicWindow(fileName, error);
    if (!unit) {
        TGuiMessages().ShowFileError(error);
        return nullptr;
    }
    form.UnitNameChanged(unit->GetName());
    unit->Redraw();
    return unit;
}

void TMainFormMusic::OpenMusicFiles(const std::vector<std::string>& fileNames)
{
    if (fileNames.empty())
        return;
    TBusyGuard guard(form.Busy());
    for (const std::string& fileName : fileNames)
        OpenMusicFile(fileName);
}

TUnitMuz* TMainFormMusic::DuplicateMusic()
{
    TUnitMuz* source = ActiveMuzUnit();
    if (!source)
        return nullptr;
    TBusyGuard guard(form.Busy());
    const std::string name = form.NewUnitName("Copy", "of " + source->GetName());
    auto unit = std::make_unique<TUnitMuz>(name, "");
    std::string error;
    std::unique_ptr<TMDIChildMuzInitProps> view;
    // The copy is made before any window: one that fails gets none.
    if (!unit->DuplicateMusic(*source, error, view)) {
        TGuiMessages().ShowFileError("Cannot read file: " + Quoted(name) + ": " + error);
        return nullptr;
    }
    TUnitMuz* copy = unit.get();
    CreateMuzWindow(std::move(unit))->ApplyInitProps(view.get());
    form.UnitNameChanged(copy->GetName());
    return copy;
}

bool TMainFormMusic::RevertMusic(TUnitMuz& unit)
{
    TMDIChildMuz* window = WindowOf(unit);
    if (!window || unit.HasNoFileName())
        return false;
    TBusyGuard guard(form.Busy());
    auto reverted = std::make_unique<TUnitMuz>(unit.GetName(), unit.GetFileName());
    std::string error;
    std::unique_ptr<TMDIChildMuzInitProps> view;
    if (!reverted->LoadMusic(error, view)) {
        // The music in the window stays as it was.
        TGuiMessages().ShowFileError("Cannot read file: " + Quoted(unit.GetFileName()) + ": " + error);
        return false;
    }
    // The music shown before goes; the window, its name and caption stay.
    std::unique_ptr<TUnitMuz> old = window->SetUnitMuz(std::move(reverted));
    form.MusicWindowActivated(window);
    old.reset();
    window->ApplyInitProps(view.get());
    form.RequestUpdate();
    return true;
}

TMDIChildMuz* TMainFormMusic::ActiveMuzWindow() const
{
    return dynamic_cast<TMDIChildMuz*>(form.ActiveChildOfKind(documentKindMusic));
}

TUnitMuz* TMainFormMusic::ActiveMuzUnit() const
{
    TMDIChildMuz* window = ActiveMuzWindow();
    return window ? window->GetUnitMuz() : nullptr;
}

TMDIChildMuz* TMainFormMusic::WindowOf(const TUnitMuz& unit) const
{
    for (TRegisteredWindow* each : form.Registry().Walk()) {
        auto* window = dynamic_cast<TMDIChildMuz*>(each);
        if (window && window->GetUnitMuz() == &unit)
            return window;
    }
    return nullptr;
}

void TMainFormMusic::PassAltKeyToMusic(int32_t key, uint8_t modifiers)
{
    if (TMDIChildMuz* window = ActiveMuzWindow())
        window->FormKeyDown(key, modifiers);
}
