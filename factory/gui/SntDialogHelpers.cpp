#include "factory/gui/SntDialogHelpers.h"

#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNode.h"
#include "factory/view/FactoryWindowCommands.h"
#include "foundation/GuiMessages.h"
#include "foundation/values/unitInteger.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace {

struct TSide {
    const char* name;
    const char* label;
    const char* fieldLabel;
    sntTouchPart part;
    int32_t TCanvasRect::* edge;
};

// By side number: 0 left, 1 top, 2 right, 3 bottom.
constexpr TSide Sides[] = {
    {"editLeft", "Left", "Rectangle Left", sntTouchLeft, &TCanvasRect::Left},
    {"editTop", "Top", "Rectangle Top", sntTouchTop, &TCanvasRect::Top},
    {"editRight", "Right", "Rectangle Right", sntTouchRight, &TCanvasRect::Right},
    {"editBottom", "Bottom", "Rectangle Bottom", sntTouchBottom, &TCanvasRect::Bottom},
};

} // namespace

int NextRow(QWidget* container)
{
    QGridLayout* grid = GridOn(container);
    return grid->count() == 0 ? 0 : grid->rowCount();
}

namespace {

template <class Control>
Control* AddLabeled(QWidget* container, const char* name, const QString& label)
{
    const int row = NextRow(container);
    auto* control = new Control(container);
    control->setObjectName(name);
    auto* caption = new QLabel(label, container);
    caption->setBuddy(control);
    GridOn(container)->addWidget(caption, row, 0);
    GridOn(container)->addWidget(control, row, 1);
    return control;
}

} // namespace

QLineEdit* AddLabeledEdit(QWidget* container, const char* name, const QString& label)
{
    return AddLabeled<QLineEdit>(container, name, label);
}

QComboBox* AddLabeledCombo(QWidget* container, const char* name, const QString& label)
{
    return AddLabeled<QComboBox>(container, name, label);
}

std::optional<int32_t> SilentPositiveInteger(const QLineEdit* edit)
{
    unitIntegerPos value;
    bool ok = true;
    std::string error;
    value.CheckEditSilent(ok, edit->text().toStdString(), "", error);
    if (!ok)
        return std::nullopt;
    return value.GetValue();
}

int32_t CheckPositiveInteger(bool& ok, const QLineEdit* edit, const std::string& label)
{
    unitIntegerPos value;
    value.CheckEdit(ok, edit->text().toStdString(), label);
    return value.GetValue();
}

void ShowFieldCorrected(const std::string& label)
{
    TGuiMessages().ShowInputError("Field " + label + " is corrected.");
}

TRectangleFields::TRectangleFields(QWidget* container, TSountoryNode& node) : Node(node)
{
    Box = new QGroupBox("Rectangle", container);
    Box->setObjectName("grpRectangle");
    EditLeft = AddLabeledEdit(Box, Sides[0].name, Sides[0].label);
    EditRight = AddLabeledEdit(Box, Sides[2].name, Sides[2].label);
    EditTop = AddLabeledEdit(Box, Sides[1].name, Sides[1].label);
    EditBottom = AddLabeledEdit(Box, Sides[3].name, Sides[3].label);
    for (int side = 0; side < 4; ++side)
        QObject::connect(EditOf(side), &QLineEdit::editingFinished, Box, [this, side] { CheckField(side); });
}

QLineEdit* TRectangleFields::EditOf(int side) const
{
    switch (side) {
    case 0: return EditLeft;
    case 1: return EditTop;
    case 2: return EditRight;
    default: return EditBottom;
    }
}

void TRectangleFields::Show(const TCanvasRect& rect)
{
    for (int side = 0; side < 4; ++side)
        EditOf(side)->setText(QString::number(rect.*Sides[side].edge));
}

void TRectangleFields::CheckField(int side)
{
    const std::optional<int32_t> value = SilentPositiveInteger(EditOf(side));
    if (!value)
        return;
    const TSide& s = Sides[side];
    TCanvasRect wanted = Node.GetRectangle().Get();
    wanted.*s.edge = *value;
    TCanvasRect r = wanted;
    // Only asked: the neighbours move when the dialog's OK applies it.
    Node.ConstrainRectangle(s.part, r, false);
    if (r == wanted)
        return;
    EditOf(side)->setText(QString::number(r.*s.edge));
    ShowFieldCorrected(s.fieldLabel);
}

TCanvasRect TRectangleFields::Read(bool& ok) const
{
    TCanvasRect r;
    r.Left = CheckPositiveInteger(ok, EditLeft, Sides[0].fieldLabel);
    r.Right = CheckPositiveInteger(ok, EditRight, Sides[2].fieldLabel);
    r.Top = CheckPositiveInteger(ok, EditTop, Sides[1].fieldLabel);
    r.Bottom = CheckPositiveInteger(ok, EditBottom, Sides[3].fieldLabel);
    return r;
}

std::string FreeNodeName(const TUnitSountory& factory, const TSountoryNode& node, const std::string& base)
{
    return TFactoryWindowCommands::FreeName(
        base, [&](const std::string& name) { return factory.FindNode(name, &node) != nullptr; });
}

QTextEdit* NewDescriptionEdit(QWidget* parent)
{
    auto* edit = new QTextEdit(parent);
    edit->setObjectName("reditDescription");
    edit->setAcceptRichText(false);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return edit;
}
