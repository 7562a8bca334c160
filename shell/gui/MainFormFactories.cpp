// The main window's factories: documents, files and the commands that
// validate and run them.
#include "shell/gui/MainFormFactories.h"

#include "factory/document/FactoryStatusTexts.h"
#include "factory/document/UnitSountory.h"
#include "factory/gui/DlgSntCreate.h"
#include "factory/gui/DlgSntRunAtWnd.h"
#include "factory/gui/FactoryValuesAskerQt.h"
#include "factory/gui/MDIChildFact.h"
#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "foundation/StopReason.h"
#include "foundation/commands/ActionId.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/PanelStatusBar.h"
#include "foundation/gui/ProgressWindow.h"
#include "platform/MessageService.h"
#include "shell/DocumentKind.h"
#include "shell/gui/FactoryKindFiles.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormWaveCommands.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"

#include <QFileDialog>

#include <memory>

namespace {

using A = ActionId;

TUnitSountory* SountoryOf(TRegisteredWindow* window)
{
    auto* child = dynamic_cast<TMDIChildQuarbel*>(window);
    return child ? dynamic_cast<TUnitSountory*>(child->GetFileUnit()) : nullptr;
}

// The open factories in the registry's walk (closing windows and empty names left out).
std::vector<TUnitSountory*> OpenFactories(const TMainForm& form)
{
    std::vector<TUnitSountory*> factories;
    for (TRegisteredWindow* window : form.Registry().Walk())
        if (window->GetKind() == documentKindFactory && !window->GetUnitName().empty())
            if (TUnitSountory* factory = SountoryOf(window))
                factories.push_back(factory);
    return factories;
}

// ---------------------------------------------------------------- commands

void SntValidateExecute(TMainForm& form)
{
    TUnitSountory* factory = ActiveSountoryUnit(form);
    if (!factory)
        return;
    std::string error;
    if (!factory->Validate(form.NextValidationStamp(), error))
        ShowMessage(error, "Validation failed", MsgIcon::Information);
}

// Validates before a run; the failure is shown with the command's own words.
bool ValidateForRun(TMainForm& form, TUnitSountory& factory, const char* word)
{
    std::string error;
    if (factory.Validate(form.NextValidationStamp(), error))
        return true;
    ShowMessage(std::string(word) + Quoted(factory.GetName()) + " : Validation failed: " + error,
                "Unable to run Soundfactory", MsgIcon::Stop);
    return false;
}

// A stop comes back from inside a node with the node's place in front of it:
// the user asked for it, or the allocation that ran out of memory has shown
// its own message.
bool RunWasStopped(const std::string& error)
{
    auto endsWith = [&error](const std::string& tail) {
        return error.size() >= tail.size() && error.compare(error.size() - tail.size(), tail.size(), tail) == 0;
    };
    return endsWith(StoppedByUserText) || endsWith(NotEnoughMemoryText);
}

void ShowRunFailure(const TUnitSountory& factory, const std::string& error)
{
    if (!RunWasStopped(error))
        ShowMessage("Running of Soundfactor " + Quoted(factory.GetName()) + " failed: " + error, "Runtime error",
                    MsgIcon::Stop);
}

void WaveRunSountoryExecute(TMainForm& form)
{
    TUnitWave* unit = form.ActiveWaveUnit();
    if (!unit)
        return;
    TUnitSountory* factory = nullptr;
    {
        TDlgSntRunAtWnd dialog(&form, FactoryChangeWW);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return;
        factory = dialog.GetSountory();
    }
    if (!factory || !ValidateForRun(form, *factory, "Cannot run Soundfactor "))
        return;
    TFactoryValuesAskerQt asker(&form);
    std::string error;
    bool ok = false;
    RunWaveCommand(form, *unit, false, [&] { ok = unit->WaveRunSountory(*factory, error, asker); });
    if (!ok)
        ShowRunFailure(*factory, error);
}

void SntRunCrWndExecute(TMainForm& form)
{
    TUnitSountory* factory = ActiveSountoryUnit(form);
    if (!factory || !ValidateForRun(form, *factory, "Cannot run Soundfactory "))
        return;
    TFactoryValuesAskerQt asker(&form);
    std::string error;
    SoundPtr sound;
    // Without position outputs the new wave shows a cursor at its start.
    int32_t begin = 0;
    int32_t end = 0;
    bool ok = false;
    {
        TBusyGuard busy(form.Busy());
        TProgressWindow progress(&form);
        ok = factory->RunCreateWave(error, sound, begin, end, asker);
    }
    if (!ok) {
        ShowRunFailure(*factory, error);
        return;
    }
    TBusyGuard busy(form.Busy());
    TMDIChildWave* window = form.CreateWaveFromSound(sound, "Wave", "of " + factory->GetName());
    if (!window)
        return;
    TUnitWave& unit = *window->GetUnitWave();
    const int32_t n = unit.GetValues();
    if (begin == end || (begin == 0 && end == n))
        unit.SetCursor(begin == end ? begin : 0);
    else
        unit.SetSelection(begin, end);
    window->SoundChanged();
}

// The mode and the hints are kept in the factory's file: switching them is a change.
void SetMode(TMainForm& form, uint8_t mode)
{
    TMDIChildFact* window = ActiveFactWindow(form);
    if (!window || !window->GetUnitSountory())
        return;
    window->GetUnitSountory()->SetModified();
    window->GetUnitSountory()->View.Mode = mode;
}

void SntShowHintsExecute(TMainForm& form)
{
    TMDIChildFact* window = ActiveFactWindow(form);
    if (!window || !window->GetUnitSountory())
        return;
    TUnitSountory& factory = *window->GetUnitSountory();
    factory.SetModified();
    factory.View.ShowHints = factory.View.ShowHints == 0 ? 1 : 0;
    window->HideHint();
}

void FileNewFactoryExecute(TMainForm& form)
{
    TDlgSntCreate dialog(&form);
    if (ExecDialog(dialog) == QDialog::Accepted)
        NewUnitSountory(form, dialog.GetCreateKind(), dialog.GetNode());
}

void FileOpenFactoryExecute(TMainForm& form)
{
    QFileDialog dialog(&form, "Open Factory");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({"Factory Files (*.qbf)", "XML Files (*.xml)", "All files (*)"});
    dialog.setDefaultSuffix("qbf");
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    std::vector<std::string> names;
    for (const QString& name : dialog.selectedFiles())
        names.push_back(name.toStdString());
    OpenFactoryFiles(form, names);
}

} // namespace

void InstallFactoryCommands(TMainForm& form)
{
    form.SetActionHandler(A::FileNewFactory, [&form] { FileNewFactoryExecute(form); });
    form.SetActionHandler(A::FileOpenFactory, [&form] { FileOpenFactoryExecute(form); });
    form.SetActionHandler(A::DuplicateFact, [&form] { DuplicateFactExecute(form); });
    form.SetActionHandler(A::SntValidate, [&form] { SntValidateExecute(form); });
    form.SetActionHandler(A::WaveRunSountory, [&form] { WaveRunSountoryExecute(form); });
    form.SetActionHandler(A::SntRunCrWnd, [&form] { SntRunCrWndExecute(form); });
    form.SetActionHandler(A::SntModeDrag, [&form] { SetMode(form, ModeDrag); });
    form.SetActionHandler(A::SntModeConn, [&form] { SetMode(form, ModeConnect); });
    form.SetActionHandler(A::SntShowHints, [&form] { SntShowHintsExecute(form); });
    // Properties of a factory window is its factory's properties dialog.
    form.SetActionHandler(A::FileProperties, [&form] {
        if (TMDIChildFact* window = ActiveFactWindow(form))
            window->ShowProperties();
        else
            FilePropertiesExecute(form);
    });
    form.Openers().openFactory = [&form](const std::string& file) { OpenFactoryFiles(form, {file}); };
    // The kind's caption and "Changed" need more than their given widths in some fonts.
    const auto widest = WidestFactoryStatusTexts();
    for (size_t i = 0; i < widest.size(); ++i)
        form.StatusBarFact()->FitPanel(static_cast<int>(i) + 1, widest[i]);
    form.Files().SetKindFiles(documentKindFactory, std::make_unique<TFactoryKindFiles>(form));
}

TUnitSountory* ActiveSountoryUnit(const TMainForm& form)
{
    TMDIChildFact* window = ActiveFactWindow(form);
    return window ? window->GetUnitSountory() : nullptr;
}

TMDIChildFact* ActiveFactWindow(const TMainForm& form)
{
    return dynamic_cast<TMDIChildFact*>(form.ActiveChildOfKind(documentKindFactory));
}

// ---------------------------------------------------------------- documents and windows

TMDIChildFact* CreateFactWindow(TMainForm& form, std::unique_ptr<TUnitSountory> factory)
{
    auto* window = new TMDIChildFact(form, std::move(factory));
    form.AddChildWindow(window);
    window->UpdateChildCaption();
    window->Invalidate();
    return window;
}

TUnitSountory* NewUnitSountory(TMainForm& form, int createKind, const TSountoryNode* node)
{
    const std::string name = form.NewUnitName(node ? node->Name : "Factory", "");
    auto factory = std::make_unique<TUnitSountory>(name, "");
    factory->SetupKindInputsOutputs(createKind, node);
    TUnitSountory* result = factory.get();
    CreateFactWindow(form, std::move(factory));
    return result;
}

TUnitSountory* LoadFactoryWindow(TMainForm& form, const std::string& fileName, std::string& error)
{
    // Read before any window is made: a file that cannot be read leaves none.
    auto factory = std::make_unique<TUnitSountory>(form.NewUnitName("Factory", ""), fileName);
    std::string reason;
    if (!factory->LoadFromFile(reason)) {
        error = "Cannot read file " + Quoted(fileName) + ": " + reason;
        return nullptr;
    }
    TUnitSountory* result = factory.get();
    CreateFactWindow(form, std::move(factory));
    return result;
}

TUnitSountory* OpenFactoryFile(TMainForm& form, const std::string& fileName)
{
    std::string error;
    TUnitSountory* factory = LoadFactoryWindow(form, fileName, error);
    if (!factory)
        TGuiMessages().ShowFileError(error);
    return factory;
}

void OpenFactoryFiles(TMainForm& form, const std::vector<std::string>& fileNames)
{
    for (const std::string& fileName : fileNames) {
        TBusyGuard busy(form.Busy());
        OpenFactoryFile(form, fileName);
    }
}

bool SaveUnitSountory(TMainForm& form, TUnitSountory& factory)
{
    return form.Files().SaveUnit(factory);
}

bool SaveAsUnitSountory(TMainForm& form, TUnitSountory& factory)
{
    return form.Files().SaveAsUnit(factory);
}

bool RevertFactory(TMainForm& form, TMDIChildFact& window)
{
    TUnitSountory* old = window.GetUnitSountory();
    if (!old)
        return false;
    TBusyGuard busy(form.Busy());
    auto fresh = std::make_unique<TUnitSountory>(old->GetName(), old->GetFileName());
    std::string error;
    if (!fresh->LoadFromFile(error)) {
        // The window keeps the old factory with its view; the partial one goes.
        TGuiMessages().ShowFileError("Cannot read file: " + Quoted(old->GetFileName()) + ": " + error);
        return false;
    }
    window.SetUnitSountory(std::move(fresh));
    form.FactoryWindowActivated(&window);
    window.Invalidate();
    return true;
}

void DuplicateFactExecute(TMainForm& form)
{
    TMDIChildFact* source = ActiveFactWindow(form);
    if (!source || !source->GetUnitSountory())
        return;
    TBusyGuard busy(form.Busy());
    const std::string name = form.NewUnitName("Copy", "of " + source->GetUnitSountory()->GetName());
    auto copy = std::make_unique<TUnitSountory>(name, "");
    std::string error;
    const bool ok = copy->DuplicateByXml(*source->GetUnitSountory(), error);
    // The copy opens with what was copied, also after a failure.
    TMDIChildFact* window = CreateFactWindow(form, std::move(copy));
    if (!ok)
        TGuiMessages().ShowFileError("Cannot read file: " + Quoted(name) + ": " + error);
    window->Invalidate();
}

// ---------------------------------------------------------------- lists

int AddFactoryNamesOfKind(const TMainForm& form, FactoryNameList& list, uint8_t factoryKind)
{
    int added = 0;
    for (TUnitSountory* factory : OpenFactories(form)) {
        if (factory->FactoryKind == factoryKind || factory->FactoryKind == FactoryFree) {
            list.push_back({factory->GetName(), factory});
            ++added;
        }
    }
    return added;
}

int AddOtherFactoryNames(const TMainForm& form, std::vector<std::string>& list, const TUnitSountory* factory)
{
    int added = 0;
    for (TUnitSountory* each : OpenFactories(form)) {
        if (each != factory) {
            list.push_back(each->GetName());
            ++added;
        }
    }
    return added;
}

int AddFactoryNodeNames(const TMainForm& form, FactoryNodeList& list, uint8_t nodeKind,
                        const TUnitSountory* excluded)
{
    int added = 0;
    for (TUnitSountory* factory : OpenFactories(form)) {
        if (factory == excluded)
            continue;
        for (const auto& node : factory->Nodes()) {
            if (node->GetSntNodeKind() == nodeKind) {
                list.push_back({factory->GetName() + "." + node->Name, node.get()});
                ++added;
            }
        }
    }
    return added;
}
