#include "shell/gui/MainFormPlayers.h"

#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/OKCancelDialogs.h"
#include "music/PlayersWindowAccess.h"
#include "music/UnitPlayers.h"
#include "music/gui/MDIChildDlgPlayers.h"
#include "shell/DocumentKind.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/PlayersKindFiles.h"

#include <QFileDialog>

namespace {

using A = ActionId;

} // namespace

TMainFormPlayers::TMainFormPlayers(TMainForm& form) : form(form) {}

void TMainFormPlayers::InstallHandlers()
{
    form.SetActionHandler(A::FileNewPlay, [this] { NewPlayersSet(); });
    form.SetActionHandler(A::FileOpenPlay, [this] { OpenPlayersFiles(ChooseFilesToOpen()); });
    form.SetActionHandler(A::DuplicatePlay, [this] { DuplicatePlayers(); });
    form.Openers().openPlayers = [this](const std::string& file) { OpenPlayersFiles({file}); };
    form.Files().SetKindFiles(documentKindPlayers, std::make_unique<TPlayersKindFiles>(form));
}

std::vector<std::string> TMainFormPlayers::ChooseFilesToOpen()
{
    // Not the platform's own dialog: the same dialog everywhere.
    QFileDialog dialog(&form, "Open Players");
    SetDialogWindowFlags(&dialog);
    dialog.setObjectName("OpenDialogPlay");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({"Players Files (*.qby)", "XML Files (*.xml)", "All files (*)"});
    dialog.setDefaultSuffix("qby");
    std::vector<std::string> chosen;
    if (ExecDialog(dialog) == QDialog::Accepted)
        for (const QString& file : dialog.selectedFiles())
            chosen.push_back(file.toStdString());
    return chosen;
}

TMDIChildDlgPlayers* TMainFormPlayers::CreatePlayersWindow(std::unique_ptr<TUnitPlayers> set)
{
    auto* window = new TMDIChildDlgPlayers(form, std::move(set));
    form.AddChildWindow(window);
    window->UpdateChildCaption();
    return window;
}

TUnitPlayers* TMainFormPlayers::NewPlayersSet()
{
    auto set = std::make_unique<TUnitPlayers>(form.NewUnitName("Players", ""), "");
    set->InitNewSet();
    TUnitPlayers* made = set.get();
    CreatePlayersWindow(std::move(set))->UpdateControls();
    return made;
}

TUnitPlayers* TMainFormPlayers::NewUnitPlayers(const std::string& wishedName, std::string& givenName)
{
    givenName = form.FreeUnitName(wishedName);
    auto set = std::make_unique<TUnitPlayers>(givenName, "");
    TUnitPlayers* made = set.get();
    CreatePlayersWindow(std::move(set));
    return made;
}

TUnitPlayers* TMainFormPlayers::LoadPlayersWindow(const std::string& fileName, std::string& error)
{
    auto set = std::make_unique<TUnitPlayers>(form.NewUnitName("Players", ""), fileName);
    std::string reason;
    // A set that failed half-way is thrown away with no window.
    if (!set->LoadPlayers(reason)) {
        error = "Cannot read file " + Quoted(fileName) + ": " + reason;
        return nullptr;
    }
    TUnitPlayers* loaded = set.get();
    CreatePlayersWindow(std::move(set))->UpdateControls();
    return loaded;
}

TUnitPlayers* TMainFormPlayers::OpenPlayersFile(const std::string& fileName)
{
    std::string error;
    TUnitPlayers* set = LoadPlayersWindow(fileName, error);
    if (!set)
        TGuiMessages().ShowFileError(error);
    else
        set->UpdateWindow();
    return set;
}

void TMainFormPlayers::OpenPlayersFiles(const std::vector<std::string>& fileNames)
{
    if (fileNames.empty())
        return;
    TBusyGuard guard(form.Busy());
    for (const std::string& fileName : fileNames)
        OpenPlayersFile(fileName);
}

TUnitPlayers* TMainFormPlayers::DuplicatePlayers()
{
    TUnitPlayers* source = ActivePlayersUnit();
    if (!source)
        return nullptr;
    TBusyGuard guard(form.Busy());
    if (TPlayersWindowAccess* sourceWindow = source->GetPlayersWindow())
        sourceWindow->CommitPendingEdit();
    const std::string name = form.NewUnitName("Copy", "of " + source->GetName());
    auto set = std::make_unique<TUnitPlayers>(name, "");
    TUnitPlayers* copy = set.get();
    // The window first; a copy that fails half-way stays in it.
    TMDIChildDlgPlayers* window = CreatePlayersWindow(std::move(set));
    std::string error;
    if (!copy->DuplicatePlayers(*source, error))
        TGuiMessages().ShowFileError("Cannot read file: " + Quoted(name) + ": " + error);
    window->UpdateControls();
    return copy;
}

bool TMainFormPlayers::RevertPlayers(TUnitPlayers& set)
{
    TMDIChildDlgPlayers* window = WindowOf(set);
    if (!window || set.HasNoFileName())
        return false;
    TBusyGuard guard(form.Busy());
    auto reverted = std::make_unique<TUnitPlayers>(set.GetName(), set.GetFileName());
    std::string error;
    if (!reverted->LoadPlayers(error)) {
        // The set in the window stays as it was.
        TGuiMessages().ShowFileError("Cannot read file: " + Quoted(set.GetFileName()) + ": " + error);
        return false;
    }
    // The set shown before goes; the window, its name and caption stay.
    std::unique_ptr<TUnitPlayers> old = window->SetUnitPlayers(std::move(reverted));
    form.PlayersWindowActivated(window);
    window->UpdateControls();
    form.RequestUpdate();
    return true;
}

TMDIChildDlgPlayers* TMainFormPlayers::ActivePlayersWindow() const
{
    return dynamic_cast<TMDIChildDlgPlayers*>(form.ActiveChildOfKind(documentKindPlayers));
}

TUnitPlayers* TMainFormPlayers::ActivePlayersUnit() const
{
    TMDIChildDlgPlayers* window = ActivePlayersWindow();
    return window ? window->GetUnitPlayers() : nullptr;
}

TUnitPlayers* TMainFormPlayers::FindUnitPlayers(const std::string& name) const
{
    auto* window = dynamic_cast<TMDIChildDlgPlayers*>(form.Registry().FindByKindAndName(documentKindPlayers, name));
    return window ? window->GetUnitPlayers() : nullptr;
}

TMDIChildDlgPlayers* TMainFormPlayers::WindowOf(const TUnitPlayers& set) const
{
    for (TRegisteredWindow* each : form.Registry().Walk()) {
        auto* window = dynamic_cast<TMDIChildDlgPlayers*>(each);
        if (window && window->GetUnitPlayers() == &set)
            return window;
    }
    return nullptr;
}
