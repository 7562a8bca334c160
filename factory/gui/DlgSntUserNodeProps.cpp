#include "factory/gui/DlgSntUserNodeProps.h"

#include "factory/document/UnitSountory.h"
#include "factory/gui/SntDialogHelpers.h"
#include "factory/nodes/SountoryNodeUseFactory.h"
#include "foundation/GuiMessages.h"
#include "wave/MainFormAccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct TKindCaption {
    sntNodeKind kind;
    const char* caption;
};

constexpr TKindCaption Captions[] = {
    {sntNodeUser, "Properties User Node"},
    {sntNodeMixLoop, "Properties Mix Loop Node"},
    {sntNodeSimpleLoop, "Properties Simple Loop Node"},
    {sntNodeFormulaWave, "Properties Formula Wave Node"},
};

} // namespace

TDlgSntUserNodeProps::TDlgSntUserNodeProps(QWidget* owner, TSountoryNodeUseFactory& node, bool useIO)
    : TOKHelpRightDlg(owner), Node(node), Factory(*node.GetOwner()), UseIO(useIO), DefaultName(node.DefaultName != 0)
{
    setObjectName("DlgSntUserNodeProps");
    setWindowTitle("Properties Node connected to Factory");
    for (const TKindCaption& row : Captions)
        if (row.kind == node.GetSntNodeKind())
            setWindowTitle(row.caption);
    SetHelpContext(60);

    auto* layout = new QVBoxLayout(Bevel());
    auto* fields = new QWidget(Bevel());
    layout->addWidget(fields);
    editName = AddLabeledEdit(fields, "editName", "Name");
    cboSountory = AddLabeledCombo(fields, "cboSountory", "Factory");
    cboSountory->setEditable(true);
    chkIOFit = new QCheckBox("Use Inputs and Outputs from Factory", Bevel());
    chkIOFit->setObjectName("chkIOFit");
    layout->addWidget(chkIOFit);
    RectangleFields = std::make_unique<TRectangleFields>(Bevel(), node);
    layout->addWidget(RectangleFields->Group());

    // Filling: the node's factory among the open ones, or as typed.
    std::vector<std::string> names;
    MainForm().AddOtherFactoryNames(names, &Factory);
    for (const std::string& name : names)
        cboSountory->addItem(QString::fromStdString(name));
    const int index = MainForm().FindUnitSountory(node.GetFactoryName())
                          ? cboSountory->findText(QString::fromStdString(node.GetFactoryName()))
                          : -1;
    if (index >= 0)
        cboSountory->setCurrentIndex(index);
    else
        cboSountory->setEditText(QString::fromStdString(node.GetFactoryName()));
    RectangleFields->Show(node.GetRectangle().Get());
    chkIOFit->setChecked(useIO);
    if (DefaultName)
        SetAutomaticName();
    else
        editName->setText(QString::fromStdString(node.Name));

    connect(cboSountory, &QComboBox::currentTextChanged, this, [this] { FactoryChanged(); });
    connect(editName, &QLineEdit::textChanged, this, [this] {
        if (!Updating)
            DefaultName = false;
    });
    Updating = false;
}

TDlgSntUserNodeProps::~TDlgSntUserNodeProps() = default;

void TDlgSntUserNodeProps::SetAutomaticName()
{
    const std::string name = FreeNodeName(Factory, Node, cboSountory->currentText().toStdString());
    const bool updating = Updating;
    Updating = true;
    editName->setText(QString::fromStdString(name));
    Updating = updating;
}

void TDlgSntUserNodeProps::FactoryChanged()
{
    if (DefaultName)
        SetAutomaticName();
}

void TDlgSntUserNodeProps::accept()
{
    bool ok = true;
    const TCanvasRect typed = RectangleFields->Read(ok);
    const std::string name = editName->text().toStdString();
    const std::string factoryName = cboSountory->currentText().toStdString();
    // The name is checked whatever the fields hold.
    if (name.empty()) {
        TGuiMessages().ErrorFieldEmpty("Name");
        ok = false;
    } else if (Factory.FindNode(name, &Node)) {
        TGuiMessages().ShowInputError("A Node with name \"" + name + "\" already exists.");
        ok = false;
    }
    if (ok && factoryName.empty()) {
        TGuiMessages().ErrorFieldEmpty("Factory");
        ok = false;
    }
    if (!ok)
        return;
    Node.PlaceTypedRectangle(typed);
    Node.SetName(name);
    Node.SetFactoryName(factoryName);
    Node.DefaultName = DefaultName ? 1 : 0;
    UseIO = chkIOFit->isChecked();
    TOKHelpRightDlg::accept();
}
