#include "factory/gui/DlgSntBuiltinNodeProps.h"

#include "factory/document/UnitSountory.h"
#include "factory/gui/SntDialogHelpers.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "foundation/GuiMessages.h"
#include "foundation/gui/ToolBarIcons.h"
#include "platform/HelpService.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDlgSntBuiltinNodeProps::TDlgSntBuiltinNodeProps(QWidget* owner, TSountoryNodeBuiltin& node)
    : TOKHelpRightDlg(owner), Node(node), Factory(*node.GetOwner()), FollowFunction(node.DefaultName != 0)
{
    setObjectName("DlgSntBuiltinNodeProps");
    setWindowTitle("Properties Builtin Node");
    SetHelpContext(59);
    auto* layout = new QVBoxLayout(Bevel());
    auto* top = new QWidget(Bevel());
    layout->addWidget(top);
    editName = AddLabeledEdit(top, "editName", "Name");

    grpFunction = new QGroupBox("Function", Bevel());
    grpFunction->setObjectName("grpFunction");
    layout->addWidget(grpFunction);
    cboCat = AddLabeledCombo(grpFunction, "cboCat", "Category");
    cboFunction = AddLabeledCombo(grpFunction, "cboFunction", "Function");
    cboFunction->setIconSize(QSize(16, 16));
    cboFunction->setMaxVisibleItems(8);
    btnFunctionHelp = new QPushButton("&Help", grpFunction);
    btnFunctionHelp->setObjectName("btnFunctionHelp");
    GridOn(grpFunction)->addWidget(btnFunctionHelp, NextRow(grpFunction), 1, Qt::AlignRight);

    RectangleFields = std::make_unique<TRectangleFields>(Bevel(), node);
    layout->addWidget(RectangleFields->Group());

    // Showing: rectangle, categories, the node's function, its name.
    RectangleFields->Show(node.GetRectangle().Get());
    for (const TBuiltinCategory& category : BuiltinCategories)
        cboCat->addItem(category.Name);
    const int category = FindBuiltinCategory(node.BuiltinAction);
    cboCat->setCurrentIndex(category);
    FillFunctions(category);
    if (category >= 0)
        cboFunction->setCurrentIndex(FindBuiltinCategoryPosition(node.BuiltinAction));
    btnFunctionHelp->setEnabled(GetSelectedFunction() >= 0);
    if (FollowFunction)
        SetDefaultName();
    else
        editName->setText(QString::fromStdString(node.Name));

    connect(cboCat, &QComboBox::currentIndexChanged, this, [this] { CategoryChanged(); });
    connect(cboFunction, &QComboBox::currentIndexChanged, this, [this] { FunctionChanged(); });
    connect(btnFunctionHelp, &QPushButton::clicked, this, [this] { FunctionHelp(); });
    connect(editName, &QLineEdit::textChanged, this, [this] {
        if (!Updating)
            FollowFunction = false;
    });
    Updating = false;
    resize(400, 328);
}

TDlgSntBuiltinNodeProps::~TDlgSntBuiltinNodeProps() = default;

void TDlgSntBuiltinNodeProps::FillFunctions(int category)
{
    const QSignalBlocker block(cboFunction);
    cboFunction->clear();
    if (category < 0 || category >= BuiltinCategoryCount)
        return;
    const TBuiltinCategory& row = BuiltinCategories[category];
    for (int i = 0; i < row.Count; ++i) {
        const TBuiltinFunction* function = FindBuiltinRow(row.Members[i]);
        cboFunction->addItem(FactoryPictureIcon(function->Image), function->DisplayName);
    }
    cboFunction->setCurrentIndex(-1);
}

int TDlgSntBuiltinNodeProps::GetSelectedFunction() const
{
    const int category = cboCat->currentIndex();
    const int position = cboFunction->currentIndex();
    if (category < 0 || category >= BuiltinCategoryCount || position < 0 ||
        position >= BuiltinCategories[category].Count)
        return -1;
    return BuiltinCategories[category].Members[position];
}

void TDlgSntBuiltinNodeProps::SetDefaultName()
{
    const TBuiltinFunction* function = FindBuiltinRow(GetSelectedFunction());
    if (!function)
        return;
    const std::string name = FreeNodeName(Factory, Node, function->DisplayName);
    const bool updating = Updating;
    Updating = true;
    editName->setText(QString::fromStdString(name));
    Updating = updating;
}

void TDlgSntBuiltinNodeProps::CategoryChanged()
{
    FillFunctions(cboCat->currentIndex());
    btnFunctionHelp->setEnabled(false);
}

void TDlgSntBuiltinNodeProps::FunctionChanged()
{
    if (FollowFunction)
        SetDefaultName();
    btnFunctionHelp->setEnabled(GetSelectedFunction() >= 0);
}

void TDlgSntBuiltinNodeProps::FunctionHelp()
{
    const int function = GetSelectedFunction();
    if (function >= 0)
        Help().ShowContext(1024 + function);
}

void TDlgSntBuiltinNodeProps::accept()
{
    bool ok = true;
    const TCanvasRect typed = RectangleFields->Read(ok);
    const std::string name = editName->text().toStdString();
    const TGuiMessages messages;
    // The name is checked whatever the fields hold.
    if (name.empty()) {
        messages.ErrorFieldEmpty("Name");
        ok = false;
    } else if (Factory.FindNode(name, &Node)) {
        messages.ShowInputError("A Node with name \"" + name + "\" already exists.");
        ok = false;
    }
    if (cboCat->currentIndex() < 0) {
        messages.ShowInputError("No function is selected in the Listbox \"Function\".");
        ok = false;
    }
    const int function = GetSelectedFunction();
    if (function < 0) {
        messages.ShowInputError("No function is selected in the Listbox \"Function\".");
        ok = false;
    }
    if (!ok)
        return;
    Node.PlaceTypedRectangle(typed);
    Node.SetName(name);
    Node.DefaultName = FollowFunction ? 1 : 0;
    Node.ChangeBuiltinFunction(static_cast<uint8_t>(function));
    TOKHelpRightDlg::accept();
}
