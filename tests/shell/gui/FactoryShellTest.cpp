#include "ScriptedFileDialogs.h"
#include "support/TempFolder.h"

#include "factory/document/FactoryStatusTexts.h"
#include "factory/document/UnitSountory.h"
#include "factory/gui/DlgSntRunAtWnd.h"
#include "factory/gui/DlgSntValues.h"
#include "factory/gui/MDIChildFact.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/PanelStatusBar.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/DlgEditName.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/MainFormProjects.h"
#include "shell/gui/ModelessDialogsQt.h"
#include "tests/factory/FactoryTestSupport.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>

#include <cmath>
#include <map>

namespace {

using A = ActionId;
using K = ValueDomType;
using D = ValueDomain;

std::shared_ptr<Sound> Sine(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = static_cast<int16_t>(10000 * std::sin(i * 0.05));
    return std::make_shared<MonoSound>(wave, 44100, 2);
}

int16_t Peak(const TUnitWave& unit)
{
    const auto& sound = static_cast<const MonoSound&>(*unit.GetSound());
    int16_t peak = 0;
    for (int32_t i = 0; i < unit.GetValues(); ++i)
        peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(sound.GetWave()->getData()[i])));
    return peak;
}

struct FactoryShellTest : ::testing::Test {
    FactoryShellTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
    }
    ~FactoryShellTest() override
    {
        SetDialogScript(nullptr);
    }

    // As the user: the states are current when the command is chosen.
    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
    }

    void Activate(QMdiSubWindow* window)
    {
        form.MdiArea()->setActiveSubWindow(window);
        form.UpdateActions();
    }

    // A change-wave factory that halves the volume.
    TUnitSountory* HalvingFactory()
    {
        TUnitSountory* factory = NewUnitSountory(form, 0, nullptr);
        auto& volume = factory->InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("Volume", 0, *factory, TCanvasRect{60, 20, 220, 145}, true));
        volume.FindNodeInput("Wave", nullptr)->SetSountoryInputSource(factory->FindInput("Wave", nullptr));
        volume.FindNodeInput("Factor", nullptr)->SetOwnValue({0.5, ValueType::Factor}, EHNone);
        factory->FindOutput("Result", nullptr)->SetSountoryInputSource(volume.FindNodeOutput("Result", nullptr));
        return factory;
    }

    // Chooses the named factory in the Run Factory dialog.
    void ChooseToRun(const std::string& name)
    {
        SetDialogScript([name](QDialog& dialog) {
            auto* run = dynamic_cast<TDlgSntRunAtWnd*>(&dialog);
            if (!run)
                return static_cast<int>(QDialog::Rejected);
            const auto items = run->lbSountories->findItems(QString::fromStdString(name), Qt::MatchExactly);
            if (items.isEmpty())
                return static_cast<int>(QDialog::Rejected);
            run->lbSountories->setCurrentItem(items.front());
            run->accept();
            return run->result();
        });
    }

    std::vector<TMDIChildQuarbel*> Windows() const
    {
        std::vector<TMDIChildQuarbel*> result;
        for (QMdiSubWindow* window : form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* child = qobject_cast<TMDIChildQuarbel*>(window); child && !child->IsClosing())
                result.push_back(child);
        return result;
    }

    RecordingMessageService messages;
    TempFolder folder;
    TMainForm form;
};

} // namespace

TEST_F(FactoryShellTest, ANewFactoryIsNamedByTheFirstFreeNumberOrAfterItsNode)
{
    SetDialogScript([](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    });
    Run(A::FileNewFactory);
    TUnitSountory* first = ActiveSountoryUnit(form);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetName(), "Factory 1");
    EXPECT_EQ(first->FactoryKind, FactoryChangeWW);
    EXPECT_TRUE(first->IsModified());
    EXPECT_EQ(ActiveFactWindow(form)->windowTitle().toStdString(), "Factory 1");
    auto& node = first->InsertNode(
        std::make_unique<TSountoryNodeUser>("Echo", "X", *first, TCanvasRect{20, 10, 120, 60}));
    TUnitSountory* forNode = NewUnitSountory(form, 5, &node);
    EXPECT_EQ(forNode->GetName(), "Echo 1");
    EXPECT_EQ(forNode->FactoryKind, FactoryFree);
}

TEST_F(FactoryShellTest, AnUnreadableFactoryFileGivesItsMessageAndNoWindow)
{
    const std::string bad = folder.File("bad.qbf");
    WriteWholeFile(bad, "not a factory");
    OpenFactoryFiles(form, {bad});
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "File Error");
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file \"" + bad + "\": ", 0), 0u);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(form.Registry().CountWindows(), 0);
}

TEST_F(FactoryShellTest, SavedFactoriesOpenAgainWithTheirModeAndFrame)
{
    TUnitSountory* factory = HalvingFactory();
    factory->View.Mode = ModeConnect;
    const TCanvasRect frame = factory->GetFrameRect();
    const std::string file = folder.File("halve.qbf");
    ScriptedFileDialogs dialogs;
    dialogs.answer = file;
    ASSERT_TRUE(SaveUnitSountory(form, *factory));
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"Save Factory"}));
    EXPECT_EQ(factory->GetFileName(), file);
    EXPECT_FALSE(factory->IsModified());
    EXPECT_EQ(ActiveFactWindow(form)->windowTitle().toStdString(), "Factory 1 - " + file);

    TUnitSountory* opened = OpenFactoryFile(form, file);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetName(), "Factory 2");
    EXPECT_EQ(opened->View.Mode, ModeConnect);
    EXPECT_EQ(opened->Nodes().size(), 1u);
    EXPECT_EQ(opened->GetFrameRect().Width(), frame.Width());
    EXPECT_FALSE(opened->IsModified());
}

TEST_F(FactoryShellTest, AFactoryNamedOnTheCommandLineOpens)
{
    TUnitSountory* factory = HalvingFactory();
    const std::string file = folder.File("halve.qbf");
    ScriptedFileDialogs dialogs;
    dialogs.answer = file;
    ASSERT_TRUE(SaveUnitSountory(form, *factory));
    form.FormShow(file);
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_NE(ActiveFactWindow(form), nullptr);
    EXPECT_EQ(ActiveFactWindow(form)->GetUnitSountory()->GetFileName(), file);
    EXPECT_EQ(ActiveFactWindow(form)->GetUnitSountory()->GetName(), "Factory 2");
}

TEST_F(FactoryShellTest, AFailedSaveAsKeepsWindowNameFileAndMarks)
{
    TUnitSountory* factory = HalvingFactory();
    const std::string file = folder.File("first.qbf");
    ScriptedFileDialogs dialogs;
    dialogs.answer = file;
    ASSERT_TRUE(SaveAsUnitSountory(form, *factory));
    factory->SetModified();
    // A file that cannot be written (as root no file is read-only: a folder that is not there).
    dialogs.answer = folder.File("no such folder/f.qbf");
    EXPECT_FALSE(SaveAsUnitSountory(form, *factory));
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_EQ(factory->GetFileName(), file);
    EXPECT_EQ(factory->GetName(), "Factory 1");
    EXPECT_TRUE(factory->IsModified());
    EXPECT_EQ(ActiveFactWindow(form)->GetUnitSountory(), factory);
    // Cancel in the dialog: nothing happens.
    dialogs.answer.clear();
    EXPECT_FALSE(SaveAsUnitSountory(form, *factory));
    EXPECT_EQ(factory->GetFileName(), file);
}

TEST_F(FactoryShellTest, AFailedRevertKeepsTheOldFactoryAndItsView)
{
    TUnitSountory* factory = HalvingFactory();
    const std::string file = folder.File("f.qbf");
    {
        ScriptedFileDialogs dialogs;
        dialogs.answer = file;
        ASSERT_TRUE(SaveUnitSountory(form, *factory));
    }
    TMDIChildFact* window = ActiveFactWindow(form);

    // A good file comes back in a new factory in the same window.
    factory->View.Mode = ModeConnect;
    factory->SetModified();
    ASSERT_TRUE(RevertFactory(form, *window));
    TUnitSountory* reverted = window->GetUnitSountory();
    EXPECT_EQ(reverted->View.Mode, ModeDrag);
    EXPECT_FALSE(reverted->IsModified());
    EXPECT_EQ(reverted->GetName(), "Factory 1");

    reverted->View.Mode = ModeConnect;
    reverted->SetModified();
    WriteWholeFile(file, "<broken");
    messages.Clear();
    Run(A::FileRevert);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("Cannot read file: \"" + file + "\": ", 0), 0u);
    EXPECT_EQ(window->GetUnitSountory(), reverted);
    EXPECT_EQ(reverted->View.Mode, ModeConnect);
    EXPECT_EQ(reverted->Nodes().size(), 1u);
    EXPECT_TRUE(reverted->IsModified());
}

TEST_F(FactoryShellTest, ADuplicateIsACopyWithItsModeAndItsOwnName)
{
    TUnitSountory* factory = HalvingFactory();
    factory->View.Mode = ModeConnect;
    Run(A::DuplicateFact);
    TUnitSountory* copy = ActiveSountoryUnit(form);
    ASSERT_NE(copy, factory);
    EXPECT_EQ(copy->GetName(), "Copy 1 of Factory 1");
    EXPECT_EQ(copy->View.Mode, ModeConnect);
    EXPECT_EQ(copy->Nodes().size(), 1u);
    EXPECT_TRUE(copy->HasNoFileName());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FactoryShellTest, ActivatingAFactoryShowsItsNameInEditNameAndItsStatus)
{
    TUnitSountory* factory = HalvingFactory();
    form.CreateWaveFromSound(Sine(100), "Wave", "");
    Activate(factory->GetWindow() ? dynamic_cast<QMdiSubWindow*>(factory->GetWindow()) : nullptr);
    auto& dialogs = dynamic_cast<TModelessDialogsQt&>(form.ModelessDialogs());
    ASSERT_NE(dialogs.GetEditNameDialog(), nullptr);
    EXPECT_EQ(dialogs.GetEditNameDialog()->editName->text().toStdString(), "Factory 1");
    EXPECT_EQ(form.StatusBarFact()->isVisible(), true);
    EXPECT_TRUE(form.Action(A::SntValidate)->isEnabled());
    EXPECT_TRUE(form.Action(A::SntModeDrag)->isChecked());
    Run(A::SntModeConn);
    EXPECT_EQ(factory->View.Mode, ModeConnect);
    EXPECT_TRUE(factory->IsModified());
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::SntModeConn)->isChecked());
}

// "Create Wave Window Factory" and "Changed" were cut in a common desktop font.
TEST_F(FactoryShellTest, TheFactoryStatusPanelsHoldEveryTextTheyShow)
{
    const auto widest = WidestFactoryStatusTexts();
    ASSERT_EQ(widest.size(), 2u);
    EXPECT_EQ(widest[0].size(), 8u);
    TPanelStatusBar* bar = form.StatusBarFact();
    for (size_t i = 0; i < widest.size(); ++i)
        for (const std::string& text : widest[i]) {
            QLabel* panel = bar->Panel(static_cast<int>(i) + 1);
            EXPECT_GE(bar->PanelWidth(static_cast<int>(i) + 1),
                      TPanelStatusBar::WidthFor(panel, QString::fromStdString(text)))
                << text;
        }
}

TEST_F(FactoryShellTest, ValidationFailuresShowTheirReasonAndKeepTheEarlierUndo)
{
    TUnitSountory* factory = HalvingFactory();
    factory->InsertNode(
        std::make_unique<TSountoryNodeUser>("Lost", "Missing", *factory, TCanvasRect{300, 20, 400, 80}));
    Run(A::SntValidate);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Validation failed");
    EXPECT_EQ(messages.Last().text, "In Node \"Lost\": Factory \"Missing\" not found.");

    TMDIChildWave* wave = form.CreateWaveFromSound(Sine(1000), "Wave", "");
    Activate(wave);
    Run(A::Reverse);
    ASSERT_TRUE(form.UndoSlot().CanUndo());
    const SoundPtr reversed = wave->GetUnitWave()->GetSound();
    ChooseToRun("Factory 1");
    messages.Clear();
    Run(A::WaveRunSountory);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Unable to run Soundfactory");
    EXPECT_EQ(messages.Last().text, "Cannot run Soundfactor \"Factory 1\" : Validation failed: In Node \"Lost\": "
                                    "Factory \"Missing\" not found.");
    EXPECT_EQ(wave->GetUnitWave()->GetSound(), reversed);
    // The undo of the reverse is still there.
    Run(A::Undo);
    EXPECT_NE(wave->GetUnitWave()->GetSound(), reversed);
}

TEST_F(FactoryShellTest, AChangeWaveRunIsUndoneByUndo)
{
    HalvingFactory();
    TMDIChildWave* wave = form.CreateWaveFromSound(Sine(1000), "Wave", "");
    wave->GetUnitWave()->ClearChanged();
    Activate(wave);
    const int16_t before = Peak(*wave->GetUnitWave());
    ChooseToRun("Factory 1");
    Run(A::WaveRunSountory);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    EXPECT_NEAR(Peak(*wave->GetUnitWave()), before / 2, 1);
    EXPECT_TRUE(wave->GetUnitWave()->IsChanged());
    Run(A::Undo);
    EXPECT_EQ(Peak(*wave->GetUnitWave()), before);

    // Cancel in the run dialog: nothing.
    SetDialogScript([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    Run(A::WaveRunSountory);
    EXPECT_EQ(Peak(*wave->GetUnitWave()), before);
}

TEST_F(FactoryShellTest, CreateWaveRunsOpenNumberedWindowsWithACursorForTheWholeWave)
{
    TMDIChildWave* source = form.CreateWaveFromSound(Sine(800), "Wave", "");
    TUnitSountory* factory = NewUnitSountory(form, 1, nullptr);
    TSountoryInput& in = factory->CreateInput("Source", 0.5, 0, K::Wave, D::AllValues);
    factory->FindOutput("Result", nullptr)->SetSountoryInputSource(&in);
    factory->FindOutput("Position Begin", nullptr)->SetOwnValue({0, ValueType::WaveCount}, EHNone);
    factory->FindOutput("Position End", nullptr)->SetOwnValue({800, ValueType::WaveCount}, EHNone);
    // The values dialog asks for the source wave.
    SetDialogScript([](QDialog& dialog) {
        auto* values = dynamic_cast<TDlgSntValues*>(&dialog);
        if (!values)
            return static_cast<int>(QDialog::Rejected);
        qobject_cast<QComboBox*>(values->RowEditor(0))->setEditText("Wave 1");
        values->accept();
        return values->result();
    });
    Run(A::SntRunCrWnd);
    form.MdiArea()->setActiveSubWindow(dynamic_cast<QMdiSubWindow*>(factory->GetWindow()));
    form.UpdateActions();
    Run(A::SntRunCrWnd);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    std::vector<std::string> names;
    for (TMDIChildQuarbel* window : Windows())
        names.push_back(window->GetUnitName());
    EXPECT_EQ(names, (std::vector<std::string>{"Wave 1", "Factory 1", "Wave 1 of Factory 1", "Wave 2 of Factory 1"}));
    auto* made = dynamic_cast<TMDIChildWave*>(Windows()[2]);
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made->GetUnitWave()->GetSound(), source->GetUnitWave()->GetSound());
    EXPECT_EQ(made->GetUnitWave()->GetValues(), 800);
    EXPECT_EQ(made->GetUnitWave()->GetSelectBegin(), 0);
    EXPECT_EQ(made->GetUnitWave()->GetSelectEnd(), 0);
    EXPECT_TRUE(made->GetUnitWave()->IsChanged());

    // Cancelling the values dialog opens nothing and says nothing.
    form.MdiArea()->setActiveSubWindow(dynamic_cast<QMdiSubWindow*>(factory->GetWindow()));
    form.UpdateActions();
    SetDialogScript([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    Run(A::SntRunCrWnd);
    EXPECT_EQ(Windows().size(), 4u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FactoryShellTest, AProjectReopensAModifiedFactoryFromItsCopyMarkedModified)
{
    ScriptedFileDialogs dialogs;
    const std::string project = folder.File("Song.qbp");
    dialogs.answer = project;
    Run(A::ProjectNew);
    ASSERT_EQ(form.GetProjectWriteFile(), project);

    TUnitSountory* saved = HalvingFactory();
    const std::string file = folder.File("halve.qbf");
    dialogs.answer = file;
    ASSERT_TRUE(SaveUnitSountory(form, *saved));
    saved->CreateInput("Later", 0.9, 0, K::Factor, D::AllValues);
    saved->SetModified();
    saved->View.Mode = ModeConnect;
    TUnitSountory* fresh = NewUnitSountory(form, 4, nullptr);
    fresh->SetName("Sketch");

    ASSERT_TRUE(form.Projects().SaveProject(project, false));
    EXPECT_NE(ReadWholeFile(project).find("<Factory>"), std::string::npos);
    ASSERT_TRUE(form.Projects().CloseAllWindows());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(Windows().empty());

    form.Projects().OpenProject(project);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    std::map<std::string, TUnitSountory*> factories;
    for (TMDIChildQuarbel* window : Windows())
        if (auto* fact = dynamic_cast<TMDIChildFact*>(window))
            factories[fact->GetUnitSountory()->GetName()] = fact->GetUnitSountory();
    ASSERT_EQ(factories.size(), 2u);
    TUnitSountory* again = factories["Factory 1"];
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetFileName(), file);
    EXPECT_TRUE(again->IsModified());
    EXPECT_NE(again->FindInput("Later", nullptr), nullptr);
    EXPECT_EQ(again->View.Mode, ModeConnect);
    ASSERT_NE(factories["Sketch"], nullptr);
    EXPECT_TRUE(factories["Sketch"]->HasNoFileName());
    // Its own file is as it was saved.
    TUnitSountory onDisk("Disk", file);
    std::string error;
    ASSERT_TRUE(onDisk.LoadFromFile(error)) << error;
    EXPECT_EQ(onDisk.FindInput("Later", nullptr), nullptr);
}

TEST_F(FactoryShellTest, PropertiesOfAFactoryWindowIsItsPropertiesDialog)
{
    TUnitSountory* factory = HalvingFactory();
    factory->ClearModified();
    factory->SetFileName(folder.File("f.qbf"));
    std::string title;
    SetDialogScript([&title](QDialog& dialog) {
        title = dialog.windowTitle().toStdString();
        dialog.accept();
        return dialog.result();
    });
    Run(A::FileProperties);
    EXPECT_EQ(title, "Properties Factory");
    EXPECT_TRUE(factory->IsModified());
}

TEST_F(FactoryShellTest, AFailedRunSaysWhyAndKeepsTheEarlierUndo)
{
    TUnitSountory* factory = HalvingFactory();
    // A range beyond the wave fails only when the node computes.
    TSountoryNode& volume = *factory->Nodes().front();
    volume.FindNodeInput("Position Begin", nullptr)->SetOwnValue({1.0e9, ValueType::WaveCount}, EHNone);
    TMDIChildWave* wave = form.CreateWaveFromSound(Sine(1000), "Wave", "");
    Activate(wave);
    Run(A::Reverse);
    const SoundPtr reversed = wave->GetUnitWave()->GetSound();
    ChooseToRun("Factory 1");
    Run(A::WaveRunSountory);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Runtime error");
    EXPECT_EQ(messages.Last().text.rfind("Running of Soundfactor \"Factory 1\" failed: ", 0), 0u);
    EXPECT_EQ(wave->GetUnitWave()->GetSound(), reversed);
    EXPECT_FALSE(wave->GetUnitWave()->LastCommandChanged());
    Run(A::Undo);
    EXPECT_NE(wave->GetUnitWave()->GetSound(), reversed);
}

// A stop inside a node comes back with the node's place in front of it; memory
// running out has told its own message and the user asked for the stop, so the
// run ends without a "Runtime error" that blames the user.
TEST_F(FactoryShellTest, ARunStoppedInsideANodeEndsWithoutAMessage)
{
    TUnitSountory* factory = NewUnitSountory(form, 1, nullptr);
    factory->DeleteOutputNamed("Position Begin");
    factory->DeleteOutputNamed("Position End");
    TScriptedNode& node = AddScripted(*factory, "Stopper");
    TSountoryNodeOutput& out = node.AddOutput("Out", 0.5, 0, K::Wave, D::AllValues);
    node.onExecute = [](TScriptedNode&, StopFlag*, std::string& error) {
        error = "Stopped by user.";
        return false;
    };
    factory->FindOutput("Result", nullptr)->SetSountoryInputSource(&out);
    const size_t windows = Windows().size();
    Run(A::SntRunCrWnd);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    EXPECT_EQ(Windows().size(), windows);

    // Any other failure of a node is told.
    node.onExecute = [](TScriptedNode&, StopFlag*, std::string& error) {
        error = "Stopped by the node.";
        return false;
    };
    Run(A::SntRunCrWnd);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Running of Soundfactor \"Factory 1\" failed: At Node \"Stopper\" of Factory "
                                    "\"Factory 1\": Stopped by the node.");
}

TEST_F(FactoryShellTest, ACreateWaveRunWithoutPositionsShowsACursorAtTheStart)
{
    TMDIChildWave* source = form.CreateWaveFromSound(Sine(500), "Wave", "");
    source->GetUnitWave()->SetSelection(100, 200);
    TUnitSountory* factory = NewUnitSountory(form, 1, nullptr);
    factory->DeleteOutputNamed("Position Begin");
    factory->DeleteOutputNamed("Position End");
    TSountoryInput& in = factory->CreateInput("Source", 0.5, 0, K::Wave, D::AllValues);
    in.SetNameSound("Wave 1");
    factory->FindOutput("Result", nullptr)->SetSountoryInputSource(&in);
    SetDialogScript([](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    });
    Run(A::SntRunCrWnd);
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    auto* made = dynamic_cast<TMDIChildWave*>(form.ActiveWaveWindow());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetUnitName(), "Wave 1 of Factory 1");
    EXPECT_EQ(made->GetUnitWave()->GetCursorPos(), 0);
    EXPECT_EQ(made->GetUnitWave()->GetSelectEnd(), 0);
}

TEST_F(FactoryShellTest, ASavedFactoryClosesWithoutAQuestionAndAChangedOneAsks)
{
    TUnitSountory* factory = HalvingFactory();
    TMDIChildFact* window = ActiveFactWindow(form);
    {
        ScriptedFileDialogs dialogs;
        dialogs.answer = folder.File("closing.qbf");
        ASSERT_TRUE(SaveUnitSountory(form, *factory));
    }
    factory->SetModified();
    messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "You have unsaved changes");
    factory->ClearModified();
    EXPECT_TRUE(window->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows().empty());
    EXPECT_EQ(messages.Count(), 1u);
}
