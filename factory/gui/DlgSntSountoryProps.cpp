#include "factory/gui/DlgSntSountoryProps.h"

#include "factory/document/UnitSountory.h"
#include "factory/gui/SntDialogHelpers.h"
#include "foundation/GuiMessages.h"
#include "wave/MainFormAccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The kinds in FactoryKind order.
constexpr const char* TypeNames[FactoryKindCount] = {"Create Wave Window", "Change Wave Window", "Note Player",
                                                     "Music Processor",    "Free",               "Simple Loop",
                                                     "Mix Loop",           "Wave Formula"};

// The node kind a factory kind fits to, with the label of the list.
struct TFitRow {
    uint8_t factoryKind;
    sntNodeKind nodeKind;
    const char* label;
};
constexpr TFitRow FitRows[] = {
    {FactoryFree, sntNodeUser, "Fit with User Node"},
    {FactoryLoopSimple, sntNodeSimpleLoop, "Fit with Simple Loop Node"},
    {FactoryLoopMix, sntNodeMixLoop, "Fit with Mix Loop Node"},
    {FactoryFormulaWave, sntNodeFormulaWave, "Fit with Wave Formula Node"},
};

} // namespace

TDlgSntSountoryProps::TDlgSntSountoryProps(QWidget* owner, TUnitSountory& factory)
    : TOKHelpRightDlg(owner), Factory(factory)
{
    setObjectName("DlgSntSountoryProps");
    setWindowTitle("Properties Factory");
    SetHelpContext(58);
    auto* layout = new QVBoxLayout(Bevel());
    auto* top = new QWidget(Bevel());
    layout->addWidget(top);
    editName = AddLabeledEdit(top, "editName", "Name");

    auto* rectangle = new QGroupBox("Rectangle", Bevel());
    layout->addWidget(rectangle);
    editWidth = AddLabeledEdit(rectangle, "editWidth", "Width");
    editHeight = AddLabeledEdit(rectangle, "editHeight", "Height");
    connect(editWidth, &QLineEdit::editingFinished, this, [this] { CheckFrameField(true); });
    connect(editHeight, &QLineEdit::editingFinished, this, [this] { CheckFrameField(false); });

    auto* typeRow = new QWidget(Bevel());
    layout->addWidget(typeRow);
    cboType = AddLabeledCombo(typeRow, "cboType", "Type");
    for (const char* name : TypeNames)
        cboType->addItem(name);
    // Only the kinds of the list: typed text has no kind.
    cboType->setEditable(false);
    connect(cboType, &QComboBox::currentIndexChanged, this, [this] { TypeChanged(); });

    auto* io = new QGroupBox("Inputs and Outputs", Bevel());
    layout->addWidget(io);
    lblIOFitWithNode = new QLabel("Fit with Node", io);
    lblIOFitWithNode->setObjectName("lblIOFitWithNode");
    cboIOFitWithNode = new QComboBox(io);
    cboIOFitWithNode->setObjectName("cboIOFitWithNode");
    chkShowNameIO = new QCheckBox("Show Name of Inputs and Outputs", io);
    chkShowNameIO->setObjectName("chkShowNameIO");
    chkShowTypeIO = new QCheckBox("Show Type of Inputs and Outputs", io);
    chkShowTypeIO->setObjectName("chkShowTypeIO");
    QGridLayout* ioGrid = GridOn(io);
    ioGrid->addWidget(lblIOFitWithNode, 0, 0);
    ioGrid->addWidget(cboIOFitWithNode, 0, 1);
    ioGrid->addWidget(chkShowNameIO, 1, 0, 1, 2);
    ioGrid->addWidget(chkShowTypeIO, 2, 0, 1, 2);

    auto* nodes = new QGroupBox("Nodes", Bevel());
    layout->addWidget(nodes);
    chkAllowOverlappingNodes = new QCheckBox("Allow Overlapping Nodes", nodes);
    chkAllowOverlappingNodes->setObjectName("chkAllowOverlappingNodes");
    chkCasMovNodes = new QCheckBox("Cascade Movable", nodes);
    chkCasMovNodes->setObjectName("chkCasMovNodes");
    chkNodesShowTypeIO = new QCheckBox("Show Type of Inputs and Outputs", nodes);
    chkNodesShowTypeIO->setObjectName("chkNodesShowTypeIO");
    chkNodesShowNameIO = new QCheckBox("Show Name of Inputs and Outputs", nodes);
    chkNodesShowNameIO->setObjectName("chkNodesShowNameIO");
    QGridLayout* nodeGrid = GridOn(nodes);
    nodeGrid->addWidget(chkAllowOverlappingNodes, 0, 0);
    nodeGrid->addWidget(chkCasMovNodes, 1, 0);
    nodeGrid->addWidget(chkNodesShowTypeIO, 2, 0);
    nodeGrid->addWidget(chkNodesShowNameIO, 3, 0);
    connect(chkAllowOverlappingNodes, &QCheckBox::clicked, this, [this] { OverlapClicked(); });

    layout->addWidget(new QLabel("Description", Bevel()));
    reditDescription = NewDescriptionEdit(Bevel());
    reditDescription->setMinimumHeight(80);
    layout->addWidget(reditDescription);

    Fill();
}

void TDlgSntSountoryProps::Fill()
{
    editName->setText(QString::fromStdString(Factory.GetName()));
    editWidth->setText(QString::number(Factory.GetFrameWidth()));
    editHeight->setText(QString::number(Factory.GetFrameHeight()));
    const bool overlap = Factory.NodesCombination == NodesOverlap;
    chkAllowOverlappingNodes->setChecked(overlap);
    // Nodes that overlap already cannot be kept apart any more.
    chkAllowOverlappingNodes->setEnabled(!Factory.AnyNodesOverlap());
    chkCasMovNodes->setEnabled(!overlap);
    chkCasMovNodes->setChecked(Factory.NodesCombination == NodesShift);
    chkShowNameIO->setChecked(Factory.ShowNameIO != 0);
    chkShowTypeIO->setChecked(Factory.ShowTypeIO != 0);
    chkNodesShowNameIO->setChecked(Factory.ShowNameNIO != 0);
    chkNodesShowTypeIO->setChecked(Factory.ShowTypeNIO != 0);
    reditDescription->setPlainText(QString::fromStdString(Factory.Description));
    {
        const QSignalBlocker block(cboType);
        cboType->setCurrentIndex(Factory.FactoryKind < FactoryKindCount ? Factory.FactoryKind : 0);
    }
    TypeChanged();
}

void TDlgSntSountoryProps::TypeChanged()
{
    cboIOFitWithNode->clear();
    const int kind = cboType->currentIndex();
    for (const TFitRow& row : FitRows) {
        if (row.factoryKind != kind)
            continue;
        lblIOFitWithNode->setText(row.label);
        cboIOFitWithNode->setEnabled(true);
        // The factory's own nodes cannot be what it is fitted to.
        FactoryNodeList nodes;
        MainForm().AddFactoryNodeNames(nodes, row.nodeKind, &Factory);
        for (const FactoryNodeItem& item : nodes)
            cboIOFitWithNode->addItem(QString::fromStdString(item.name),
                                      QVariant::fromValue(static_cast<void*>(item.node)));
        cboIOFitWithNode->setCurrentIndex(-1);
        return;
    }
    lblIOFitWithNode->setText("Fit with Node");
    cboIOFitWithNode->setEnabled(false);
}

void TDlgSntSountoryProps::OverlapClicked()
{
    chkCasMovNodes->setEnabled(!chkAllowOverlappingNodes->isChecked());
    chkCasMovNodes->setChecked(false);
}

void TDlgSntSountoryProps::CheckFrameField(bool width)
{
    QLineEdit* edit = width ? editWidth : editHeight;
    const std::optional<int32_t> value = SilentPositiveInteger(edit);
    if (!value)
        return;
    TCanvasRect r = Factory.GetFrameRect();
    if (width)
        r.Right = r.Left + *value;
    else
        r.Bottom = r.Top + *value;
    const TCanvasRect wanted = r;
    Factory.ConstrainFrame(width ? sntTouchRight : sntTouchBottom, r);
    if (r == wanted)
        return;
    edit->setText(QString::number(width ? r.Width() : r.Height()));
    ShowFieldCorrected(width ? "Rectangle Width" : "Rectangle Height");
}

void TDlgSntSountoryProps::accept()
{
    bool ok = true;
    const int32_t width = CheckPositiveInteger(ok, editWidth, "Rectangle Width");
    const int32_t height = CheckPositiveInteger(ok, editHeight, "Rectangle Height");
    if (!ok)
        return;
    const std::string name = editName->text().toStdString();
    if (!MainForm().CheckUnitName(name, &Factory))
        return;
    const int kind = cboType->currentIndex();
    if (kind < 0 || kind >= FactoryKindCount) {
        TGuiMessages().ShowInputError("No type is selected in the Listbox \"Type\".");
        return;
    }
    // The size as the frame allows it now.
    Factory.ResizeFrame(width, height);
    Factory.FitKindInputsOutputs(static_cast<uint8_t>(kind));
    if (cboIOFitWithNode->isEnabled() && cboIOFitWithNode->currentIndex() >= 0)
        if (auto* node = static_cast<TSountoryNode*>(cboIOFitWithNode->currentData().value<void*>()))
            Factory.FitToNode(*node);
    if (chkAllowOverlappingNodes->isChecked())
        Factory.SetNodesCombination(NodesOverlap);
    else
        Factory.SetNodesCombination(chkCasMovNodes->isChecked() ? NodesShift : NodesFixed);
    Factory.ShowNameIO = chkShowNameIO->isChecked() ? 1 : 0;
    Factory.ShowTypeIO = chkShowTypeIO->isChecked() ? 1 : 0;
    Factory.ShowNameNIO = chkNodesShowNameIO->isChecked() ? 1 : 0;
    Factory.ShowTypeNIO = chkNodesShowTypeIO->isChecked() ? 1 : 0;
    Factory.Description = reditDescription->toPlainText().toStdString();
    Factory.SetName(name);
    MainForm().UnitNameChanged(name);
    TOKHelpRightDlg::accept();
}
