#include "factory/gui/DlgSntBuiltinNodeProps.h"
#include "factory/gui/DlgSntCreate.h"
#include "factory/gui/DlgSntIOSequence.h"
#include "factory/gui/DlgSntInputOutputProps.h"
#include "factory/gui/DlgSntRunAtWnd.h"
#include "factory/gui/DlgSntSountoryProps.h"
#include "factory/gui/DlgSntUserNodeProps.h"
#include "factory/gui/DlgSntValues.h"
#include "factory/gui/FactoryHelpPages.h"
#include "factory/gui/SntDialogHelpers.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "platform/qt/HelpWindow.h"
#include "tests/factory/FactoryTestSupport.h"
#include "platform/RecordingMessageService.h"
#include "support/RecordingHelpService.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

using K = ValueDomType;
using D = ValueDomain;

// Open factories and waves as the dialogs see them.
class OpenDocuments : public FakeMainForm {
public:
    int AddFactoryNamesOfKind(FactoryNameList& list, uint8_t kind) override
    {
        for (auto& [name, factory] : factories)
            if (factory->FactoryKind == kind || factory->FactoryKind == FactoryFree)
                list.push_back({name, factory});
        return static_cast<int>(list.size());
    }
    int AddOtherFactoryNames(std::vector<std::string>& list, const TUnitSountory* factory) override
    {
        for (auto& [name, each] : factories)
            if (each != factory)
                list.push_back(name);
        return static_cast<int>(list.size());
    }
    int AddFactoryNodeNames(FactoryNodeList& list, uint8_t kind, const TUnitSountory* excluded) override
    {
        for (auto& [name, factory] : factories)
            if (factory != excluded)
                for (const auto& node : factory->Nodes())
                    if (node->GetSntNodeKind() == kind)
                        list.push_back({name + "." + node->Name, node.get()});
        return static_cast<int>(list.size());
    }
    bool CheckUnitName(const std::string& name, const TFileUnit* unit) override
    {
        for (auto& [each, factory] : factories)
            if (each == name && factory != unit) {
                ShowMessage("A window with name \"" + name + "\" already exists.", "Error", MsgIcon::Information);
                return false;
            }
        return true;
    }
    void UnitNameChanged(const std::string& name) override { lastName = name; }

    std::string lastName;
};

struct DialogsTest : ::testing::Test {
    DialogsTest() { documents.factories["F"] = &factory; }

    void Leave(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
        emit edit->editingFinished();
    }

    RecordingMessageService messages;
    OpenDocuments documents;
    TUnitSountory factory{"F", ""};
};

} // namespace

TEST_F(DialogsTest, TheBuiltinNodeDialogNamesCorrectsAndRefuses)
{
    factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Volume", 0, factory, TCanvasRect{200, 10, 300, 60}, true));
    factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Volume 2", 0, factory, TCanvasRect{200, 100, 300, 160}, true));
    auto& node = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Builtin", 0, factory, TCanvasRect{40, 40, 150, 120}, true));
    TDlgSntBuiltinNodeProps dialog(nullptr, node);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Properties Builtin Node");
    EXPECT_EQ(dialog.cboCat->currentText().toStdString(), "Manipulate Sound");
    EXPECT_EQ(dialog.cboFunction->currentText().toStdString(), "Volume");
    EXPECT_EQ(dialog.editName->text().toStdString(), "Volume 3");

    // A left edge inside the margin is corrected, with its field named.
    Leave(dialog.Rectangle().Left(), "0");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Field Rectangle Left is corrected.");
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(dialog.Rectangle().Left()->text().toStdString(), "15");

    // Another category leaves no function chosen: OK says so and stays open.
    dialog.cboCat->setCurrentIndex(0);
    EXPECT_EQ(dialog.cboFunction->currentIndex(), -1);
    EXPECT_FALSE(dialog.btnFunctionHelp->isEnabled());
    messages.Clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "No function is selected in the Listbox \"Function\".");

    // A typed name stays when the function changes.
    dialog.cboCat->setCurrentIndex(6);
    dialog.editName->setText("Mine");
    dialog.cboFunction->setCurrentIndex(4); // Switch Wave
    EXPECT_EQ(dialog.editName->text().toStdString(), "Mine");
    RecordingHelpService help;
    dialog.FunctionHelp();
    EXPECT_EQ(help.contexts, (std::vector<int>{1024 + 68}));

    // A name another node has keeps it open; a free one is applied.
    dialog.editName->setText("Volume 2");
    messages.Clear();
    dialog.accept();
    EXPECT_EQ(messages.Last().text, "A Node with name \"Volume 2\" already exists.");
    EXPECT_EQ(node.Name, "Builtin");
    dialog.editName->setText("Chooser");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(node.Name, "Chooser");
    EXPECT_EQ(node.BuiltinAction, 68);
    EXPECT_EQ(node.DefaultName, 0);
    EXPECT_EQ(node.GetRectangle().Left, 15);
}

TEST_F(DialogsTest, LeavingAFieldMovesNoNeighbourOnlyOKDoes)
{
    factory.SetNodesCombination(NodesShift);
    auto& node = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Rev", 5, factory, TCanvasRect{40, 40, 150, 120}, true));
    TScriptedNode& right = AddScripted(factory, "Right");
    right.GetRectangle().Set({170, 40, 250, 120});
    {
        TDlgSntBuiltinNodeProps dialog(nullptr, node);
        Leave(dialog.Rectangle().Right(), "200");
        EXPECT_EQ(right.GetRectangle().Left, 170);
        dialog.reject();
    }
    EXPECT_EQ(node.GetRectangle().Right, 150);
    EXPECT_EQ(right.GetRectangle().Left, 170);
    {
        TDlgSntBuiltinNodeProps dialog(nullptr, node);
        Leave(dialog.Rectangle().Right(), "200");
        dialog.accept();
    }
    EXPECT_EQ(node.GetRectangle().Right, 200);
    EXPECT_EQ(right.GetRectangle().Left, 210);
}

TEST_F(DialogsTest, TheUserNodeDialogFollowsTheFactoryNameUntilANameIsTyped)
{
    TUnitSountory e("E", "");
    documents.factories["E"] = &e;
    factory.InsertNode(std::make_unique<TSountoryNodeUser>("E", "X", factory, TCanvasRect{200, 10, 300, 60}));
    factory.InsertNode(std::make_unique<TSountoryNodeUser>("E 2", "X", factory, TCanvasRect{200, 100, 300, 160}));
    auto& node = factory.InsertNode(std::make_unique<TSountoryNodeMixLoop>("Mix Loop Node ", "Factory", factory,
                                                                           TCanvasRect{40, 40, 150, 120}, true));
    TDlgSntUserNodeProps dialog(nullptr, node, true);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Properties Mix Loop Node");
    EXPECT_TRUE(dialog.chkIOFit->isChecked());
    // The open factories but its own; "Factory" is open nowhere: typed.
    EXPECT_EQ(dialog.cboSountory->count(), 1);
    EXPECT_EQ(dialog.cboSountory->currentText().toStdString(), "Factory");
    dialog.cboSountory->setCurrentIndex(0);
    EXPECT_EQ(dialog.editName->text().toStdString(), "E 3");
    dialog.editName->setText("");
    dialog.accept();
    EXPECT_EQ(messages.Last().text, "In Name: Field should not be empty.");
    dialog.editName->setText("Mine");
    dialog.cboSountory->setEditText("Other");
    EXPECT_EQ(dialog.editName->text().toStdString(), "Mine");
    dialog.chkIOFit->setChecked(false);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(node.Name, "Mine");
    EXPECT_EQ(node.GetFactoryName(), "Other");
    EXPECT_FALSE(dialog.GetUseIO());
    EXPECT_EQ(node.DefaultName, 0);
}

TEST_F(DialogsTest, CreateFactoryNeedsTheNodeItFitsTo)
{
    TDlgSntCreate dialog(nullptr);
    EXPECT_TRUE(dialog.Option(0)->isChecked());
    dialog.Option(7)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(messages.Last().text, "You must select a Mix Loop Node.");
    dialog.Option(10)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetCreateKind(), 10);
    EXPECT_EQ(dialog.GetNode(), nullptr);

    auto& loop = factory.InsertNode(
        std::make_unique<TSountoryNodeMixLoop>("M", "X", factory, TCanvasRect{40, 40, 150, 120}, true));
    TDlgSntCreate again(nullptr);
    ASSERT_EQ(again.cboMixLoopNode->count(), 1);
    EXPECT_EQ(again.cboMixLoopNode->itemText(0).toStdString(), "F.M");
    again.cboMixLoopNode->setCurrentIndex(-1);
    again.cboMixLoopNode->setCurrentIndex(0);
    EXPECT_TRUE(again.Option(7)->isChecked());
    again.accept();
    EXPECT_EQ(again.GetCreateKind(), 7);
    EXPECT_EQ(again.GetNode(), &loop);
}

TEST_F(DialogsTest, RunFactoryListsItsKindAndTheFreeOnesAndWantsAChoice)
{
    factory.FactoryKind = FactoryChangeWW;
    TUnitSountory free("G", "");
    free.FactoryKind = FactoryFree;
    TUnitSountory other("H", "");
    other.FactoryKind = FactoryNotePlayer;
    documents.factories["G"] = &free;
    documents.factories["H"] = &other;
    TDlgSntRunAtWnd dialog(nullptr, FactoryChangeWW);
    ASSERT_EQ(dialog.lbSountories->count(), 2);
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(messages.Count(), 0u);
    dialog.lbSountories->setCurrentRow(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetSountory(), &free);
}

TEST_F(DialogsTest, FactoryPropertiesCorrectsTheFrameAndApplyOnlyOnOK)
{
    factory.CreateInput("In", 0.5, 0, K::Factor, D::AllValues);
    TDlgSntSountoryProps dialog(nullptr, factory);
    EXPECT_EQ(dialog.editWidth->text().toStdString(), "435");
    Leave(dialog.editWidth, "50");
    EXPECT_EQ(messages.Last().text, "Field Rectangle Width is corrected.");
    EXPECT_EQ(dialog.editWidth->text().toStdString(), "70");
    messages.Clear();
    Leave(dialog.editWidth, "80");
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(factory.GetFrameWidth(), 435);

    // The kind's fit list leaves the factory's own nodes out.
    factory.InsertNode(std::make_unique<TSountoryNodeUser>("Own", "X", factory, TCanvasRect{20, 10, 60, 40}));
    dialog.cboType->setCurrentIndex(FactoryFree);
    EXPECT_EQ(dialog.lblIOFitWithNode->text().toStdString(), "Fit with User Node");
    EXPECT_TRUE(dialog.cboIOFitWithNode->isEnabled());
    EXPECT_EQ(dialog.cboIOFitWithNode->count(), 0);
    dialog.cboType->setCurrentIndex(FactoryCreateWW);
    EXPECT_FALSE(dialog.cboIOFitWithNode->isEnabled());

    dialog.editName->setText("");
    dialog.reditDescription->setPlainText("What it does");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(factory.GetFrameWidth(), 80);
    EXPECT_EQ(factory.GetName(), "");
    EXPECT_EQ(documents.lastName, "");
    EXPECT_EQ(factory.Description, "What it does");
    EXPECT_EQ(factory.FactoryKind, FactoryCreateWW);
}

TEST_F(DialogsTest, OverlappingNodesKeepOverlappingAllowed)
{
    factory.SetNodesCombination(NodesOverlap);
    AddScripted(factory, "A").GetRectangle().Set({20, 10, 120, 60});
    AddScripted(factory, "B").GetRectangle().Set({50, 20, 150, 70});
    TDlgSntSountoryProps dialog(nullptr, factory);
    EXPECT_TRUE(dialog.chkAllowOverlappingNodes->isChecked());
    EXPECT_FALSE(dialog.chkAllowOverlappingNodes->isEnabled());
    EXPECT_FALSE(dialog.chkCasMovNodes->isEnabled());
}

TEST_F(DialogsTest, ThePinDialogRefusesATakenNameAndOffersWhatItsKindAllows)
{
    factory.CreateInput("X", 0.2, 0, K::Factor, D::AllValues);
    TSountoryInput& y = factory.CreateInput("Y", 0.4, 0, K::Wave, D::AllValues);
    TDlgSntInputOutputProps dialog(nullptr, {sntSountoryObjectInput, &y, nullptr});
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Input Properties");
    EXPECT_EQ(dialog.lblConnect->text().toStdString(), "Connect to");
    EXPECT_EQ(dialog.cboDomain->count(), 3);
    dialog.cboType->setCurrentIndex(static_cast<int>(K::Boolean));
    EXPECT_FALSE(dialog.cboDomain->isEnabled());
    dialog.editName->setText("X");
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(messages.Last().text, "An Input with name \"X\" already exists.");
    EXPECT_EQ(y.Name, "Y");
    EXPECT_EQ(y.ValueDomType, K::Wave);
    dialog.editName->setText("Flag");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(y.Name, "Flag");
    EXPECT_EQ(y.ValueDomType, K::Boolean);
    EXPECT_EQ(y.ValueDomain, D::AllValues);

    // A node pin has no description; a fixed standard wave input only its domain.
    factory.SetupKindInputsOutputs(0, nullptr);
    TSountoryInput* wave = factory.FindInput("Wave", nullptr);
    TDlgSntInputOutputProps fixed(nullptr, {sntSountoryObjectInput, wave, nullptr});
    EXPECT_FALSE(fixed.editName->isEnabled());
    EXPECT_FALSE(fixed.cboType->isEnabled());
    EXPECT_TRUE(fixed.cboDomain->isEnabled());
    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& in = node.AddInput("In", 0.5, 0, K::Factor, D::AllValues);
    TDlgSntInputOutputProps pin(nullptr, {sntSountoryObjectNodeInput, &in, nullptr});
    EXPECT_TRUE(pin.reditDescription->isHidden());
    EXPECT_EQ(pin.lbConnect->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(DialogsTest, TheValuesDialogListsBySequenceAndTicksAnEditedRow)
{
    TSountoryInput& a = factory.CreateInput("A", 0.1, 0, K::Factor, D::AllValues, "", 2);
    TSountoryInput& b = factory.CreateInput("B", 0.2, 0, K::Wave, D::AllValues, "Two\nlines", 0);
    TSountoryInput& c = factory.CreateInput("C", 0.3, 0, K::Boolean, D::AllValues, "", 1);
    {
        TDlgSntValues dialog(nullptr, std::make_unique<TValuesForm>(factory, std::vector<TSountoryInput*>{&a, &b, &c},
                                                                    false));
        ASSERT_EQ(dialog.RowCount(), 3);
        // Shown, every editor lies within the box and reaches near its right edge.
        dialog.show();
        QApplication::processEvents();
        for (int row = 0; row < 3; ++row) {
            const QRect r = dialog.RowEditor(row)->geometry();
            const int width = dialog.RowEditor(row)->parentWidget()->width();
            EXPECT_GT(r.width(), 100) << row;
            EXPECT_EQ(r.right() + 1, width - 10) << row;
        }
        dialog.hide();
        EXPECT_EQ(dialog.RowLabel(0)->text().toStdString(), "B");
        EXPECT_EQ(dialog.RowLabel(1)->text().toStdString(), "C");
        EXPECT_EQ(dialog.RowLabel(2)->text().toStdString(), "A");
        EXPECT_EQ(dialog.RowCheck(0), nullptr);
        EXPECT_EQ(qobject_cast<QCheckBox*>(dialog.RowEditor(1))->text().toStdString(), "Flag Set");
        qobject_cast<QLineEdit*>(dialog.RowEditor(2))->setText("3");
        dialog.accept();
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(messages.Last().text, "Wave Field \"B\" is not filled.");
        EXPECT_FALSE(a.ValueGiven);
        qobject_cast<QComboBox*>(dialog.RowEditor(0))->setEditText("Wave 1");
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(b.NameSound, "Wave 1");
        EXPECT_DOUBLE_EQ(a.GetValue().Value, 3);
    }

    TScriptedNode& node = AddScripted(factory, "N");
    TSountoryNodeInput& gain = node.AddInput("Gain", 0.5, 0, K::Factor, D::AllValues);
    TDlgSntValues dialog(nullptr, std::make_unique<TValuesForm>(node, false));
    ASSERT_NE(dialog.RowCheck(0), nullptr);
    EXPECT_FALSE(dialog.RowCheck(0)->isChecked());
    qobject_cast<QLineEdit*>(dialog.RowEditor(0))->setText("2");
    EXPECT_TRUE(dialog.RowCheck(0)->isChecked());
    dialog.accept();
    EXPECT_DOUBLE_EQ(gain.GetOwnValue().Value, 2);
}

// Names of built-in pins such as "Wave Count Length" and "Position in Sample"
// were cut by the editor after them in a common desktop font.
TEST_F(DialogsTest, TheValuesDialogShowsLongNamesWhole)
{
    const std::string longName = "Volume Right to Right of the second Wave";
    TScriptedNode& node = AddScripted(factory, "N");
    node.AddInput("Gain", 0.2, 0, K::Factor, D::AllValues);
    node.AddInput(longName, 0.5, 0, K::Factor, D::AllValues);
    TSountoryInput& input = factory.CreateInput(longName, 0.5, 0, K::Factor, D::AllValues);
    TDlgSntValues checks(nullptr, std::make_unique<TValuesForm>(node, false));
    TDlgSntValues labels(nullptr, std::make_unique<TValuesForm>(factory, std::vector<TSountoryInput*>{&input}, false));
    for (TDlgSntValues* dialog : {&checks, &labels}) {
        dialog->show();
        QApplication::processEvents();
        for (int row = 0; row < dialog->RowCount(); ++row) {
            QWidget* name = dialog->RowCheck(row) ? static_cast<QWidget*>(dialog->RowCheck(row))
                                                  : static_cast<QWidget*>(dialog->RowLabel(row));
            const QRect editor = dialog->RowEditor(row)->geometry();
            EXPECT_GE(name->width(), name->sizeHint().width()) << row;
            EXPECT_GT(editor.left(), name->geometry().right()) << row;
            EXPECT_GT(editor.width(), 100) << row;
        }
        dialog->hide();
    }
}

TEST_F(DialogsTest, TheOrderDialogSwapsSequencesAtOnce)
{
    TSountoryInput& first = factory.CreateInput("First", 0.1, 0, K::Factor, D::AllValues, "one");
    TSountoryInput& second = factory.CreateInput("Second", 0.2, 0, K::Factor, D::AllValues);
    TDlgSntIOSequence dialog(nullptr, sntSountoryObjectInput, factory);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Sequence Inputs");
    EXPECT_EQ(dialog.OKButton()->text().toStdString(), "Close");
    EXPECT_FALSE(dialog.btnMoveUp->isEnabled());
    EXPECT_EQ(dialog.reditDescription->toPlainText().toStdString(), "one");
    dialog.MoveDown();
    EXPECT_EQ(first.Sequence, 1);
    EXPECT_EQ(second.Sequence, 0);
    EXPECT_EQ(dialog.lbIOs->item(0)->text().toStdString(), "Second");
    EXPECT_EQ(dialog.lbIOs->currentRow(), 1);
    EXPECT_TRUE(factory.IsModified());
    dialog.reditDescription->setPlainText("the first");
    dialog.accept();
    EXPECT_EQ(first.Description, "the first");
}

TEST_F(DialogsTest, EveryFunctionAndDialogHasAHelpPage)
{
    HelpWindow help;
    AddFactoryHelpPages(help);
    help.ShowContext(1024 + 5);
    EXPECT_EQ(help.CurrentTitle().toStdString(), "Reverse");
    help.ShowContext(1024 + 76);
    EXPECT_EQ(help.CurrentTitle().toStdString(), FindBuiltinRow(76)->DisplayName);
    // The dialogs ask for their own topics.
    RecordingHelpService recording;
    TDlgSntRunAtWnd run(nullptr, FactoryChangeWW);
    run.HelpBtnClick();
    TDlgSntCreate create(nullptr);
    create.HelpBtnClick();
    EXPECT_EQ(recording.contexts, (std::vector<int>{65, 57}));
    for (int context : {57, 58, 59, 60, 62, 63, 64, 65, 67}) {
        help.ShowContext(context);
        EXPECT_NE(help.CurrentTitle().toStdString(), "Contents") << context;
    }
}
