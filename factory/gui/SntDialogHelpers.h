#pragma once
#include "foundation/draw/Canvas.h"
#include "foundation/gui/GridRow.h"

#include <QString>

#include <optional>
#include <string>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QTextEdit;
class QWidget;
class TSountoryNode;
class TUnitSountory;

// What the factory dialogs share: rows of labelled controls, whole numbers
// typed into fields, and the four rectangle fields of a node.

// A row of a label and a control (the control named, the label's buddy).
QLineEdit* AddLabeledEdit(QWidget* container, const char* name, const QString& label);
QComboBox* AddLabeledCombo(QWidget* container, const char* name, const QString& label);
// The next row of a container's grid.
int NextRow(QWidget* container);

// The plain-text description field "reditDescription": no wrapping, both scroll bars.
QTextEdit* NewDescriptionEdit(QWidget* parent);

// A whole number of 0 or more in the field; none when it does not parse.
std::optional<int32_t> SilentPositiveInteger(const QLineEdit* edit);
// The same, checked by its value object with a shared flag: the first field
// that fails shows its message and the later ones are not read.
int32_t CheckPositiveInteger(bool& ok, const QLineEdit* edit, const std::string& label);
// The name a node dialog proposes: base, or base " 2", " 3" ... while
// another node of the factory has it.
std::string FreeNodeName(const TUnitSountory& factory, const TSountoryNode& node, const std::string& base);
// "Field " + label + " is corrected." in an "Input Error" box.
void ShowFieldCorrected(const std::string& label);

// The group "Rectangle" with the fields Left, Right, Top and Bottom of a
// node. Leaving a field asks the node's constraint (no neighbour moves) and
// corrects the field with a message; OK reads all four.
class TRectangleFields {
public:
    TRectangleFields(QWidget* container, TSountoryNode& node);

    QGroupBox* Group() const { return Box; }
    QLineEdit* Left() const { return EditLeft; }
    QLineEdit* Right() const { return EditRight; }
    QLineEdit* Top() const { return EditTop; }
    QLineEdit* Bottom() const { return EditBottom; }

    void Show(const TCanvasRect& rect);
    // The field of a side (0 left, 1 top, 2 right, 3 bottom) was left.
    void CheckField(int side);
    // Left, right, top, bottom as typed, with the shared flag.
    TCanvasRect Read(bool& ok) const;

private:
    QLineEdit* EditOf(int side) const;

    TSountoryNode& Node;
    QGroupBox* Box;
    QLineEdit* EditLeft;
    QLineEdit* EditRight;
    QLineEdit* EditTop;
    QLineEdit* EditBottom;
};
