#include "factory/gui/DlgSntCreate.h"

#include "factory/graph/SountoryKinds.h"
#include "factory/gui/SntDialogHelpers.h"
#include "foundation/GuiMessages.h"
#include "wave/MainFormAccess.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The options from top to bottom: the code each gives, and for the four that
// fit a node the node kind listed and what is said when none is chosen.
struct TCreateRow {
    const char* name;
    const char* caption;
    int code;
    const char* comboName = nullptr;
    int nodeKind = -1;
    const char* missing = nullptr;
};

constexpr TCreateRow Rows[] = {
    {"optIOChangeWW", "For Changing Wave Window", 0},
    {"optIOCreateWW", "For Creating Wave Window", 1},
    {"optIONotePlayer", "For Note Player", 2},
    {"optIOMusicProcessor", "For Music Processor", 3},
    {"optIOEmptyUser", "Fit with Empty User (None)", 4},
    {"optIOFitUser", "Fit with User Node", 5, "cboUserNode", sntNodeUser, "You must select a User Node."},
    {"optIOEmptySimpleLoop", "Fit with Empty Simple Loop Node", 8},
    {"optIOFitSimpleLoop", "Fit with Simple Loop Node", 9, "cboSimpleLoopNode", sntNodeSimpleLoop,
     "You must select a Simple Loop Node."},
    {"optIOEmptyMixLoop", "Fit with Empty Mix Loop Node", 6},
    {"optIOFitMixLoop", "Fit with Mix Loop Node", 7, "cboMixLoopNode", sntNodeMixLoop,
     "You must select a Mix Loop Node."},
    {"optIOEmptyWaveFormula", "Fit with Empty Wave Formula Node", 10},
    {"optIOFitWaveFormula", "Fit with Wave Formula Node", 11, "cboFormulaNode", sntNodeFormulaWave,
     "You must select a Wave Formula Node."},
};

} // namespace

TDlgSntCreate::TDlgSntCreate(QWidget* owner) : TOKHelpRightDlg(owner)
{
    setObjectName("DlgSntCreate");
    setWindowTitle("Create Factory");
    SetHelpContext(57);
    auto* layout = new QVBoxLayout(Bevel());
    auto* group = new QGroupBox("Inputs and Outputs", Bevel());
    layout->addWidget(group);
    QGridLayout* grid = GridOn(group);
    auto* buttons = new QButtonGroup(this);
    int line = 0;
    for (const TCreateRow& row : Rows) {
        auto* option = new QRadioButton(row.caption, group);
        option->setObjectName(row.name);
        buttons->addButton(option, row.code);
        Options[static_cast<size_t>(row.code)] = option;
        grid->addWidget(option, line, 0);
        if (row.comboName) {
            auto* combo = new QComboBox(group);
            combo->setObjectName(row.comboName);
            FactoryNodeList nodes;
            MainForm().AddFactoryNodeNames(nodes, static_cast<uint8_t>(row.nodeKind), nullptr);
            for (const FactoryNodeItem& item : nodes)
                combo->addItem(QString::fromStdString(item.name), QVariant::fromValue(static_cast<void*>(item.node)));
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
            // Choosing a node chooses its option.
            connect(combo, &QComboBox::activated, option, [option] { option->setChecked(true); });
            connect(combo, &QComboBox::currentIndexChanged, option, [option] { option->setChecked(true); });
            grid->addWidget(combo, line, 1);
            switch (row.nodeKind) {
            case sntNodeUser: cboUserNode = combo; break;
            case sntNodeSimpleLoop: cboSimpleLoopNode = combo; break;
            case sntNodeMixLoop: cboMixLoopNode = combo; break;
            default: cboFormulaNode = combo; break;
            }
        }
        ++line;
    }
    Options[0]->setChecked(true);
    setSizeGripEnabled(true);
}

QRadioButton* TDlgSntCreate::Option(int code) const
{
    return code >= 0 && code < static_cast<int>(Options.size()) ? Options[static_cast<size_t>(code)] : nullptr;
}

void TDlgSntCreate::accept()
{
    for (const TCreateRow& row : Rows) {
        if (!Options[static_cast<size_t>(row.code)]->isChecked())
            continue;
        Node = nullptr;
        if (row.comboName) {
            auto* combo = findChild<QComboBox*>(row.comboName);
            if (!combo || combo->currentIndex() < 0) {
                TGuiMessages().ShowInputError(row.missing);
                return;
            }
            Node = static_cast<TSountoryNode*>(combo->currentData().value<void*>());
        }
        CreateKind = row.code;
        TOKHelpRightDlg::accept();
        return;
    }
}
