#pragma once
#include "foundation/gui/OKCancelDialogs.h"

#include <memory>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TRectangleFields;
class TSountoryNodeBuiltin;
class TUnitSountory;

// "Properties Builtin Node": the node's name, its function chosen by
// category with the functions' pictures, the function's help topic, and its
// rectangle. Until the user types a name, the name follows the function.
// The node changes only on OK.
class TDlgSntBuiltinNodeProps : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntBuiltinNodeProps(QWidget* owner, TSountoryNodeBuiltin& node);
    ~TDlgSntBuiltinNodeProps() override;

    void accept() override;
    // The function at the selected place of the selected category; -1 for none.
    int GetSelectedFunction() const;
    void CategoryChanged();
    void FunctionChanged();
    void FunctionHelp();
    TRectangleFields& Rectangle() const { return *RectangleFields; }

    QLineEdit* editName = nullptr;
    QGroupBox* grpFunction = nullptr;
    QComboBox* cboCat = nullptr;
    QComboBox* cboFunction = nullptr;
    QPushButton* btnFunctionHelp = nullptr;

private:
    void FillFunctions(int category);
    void SetDefaultName();

    TSountoryNodeBuiltin& Node;
    TUnitSountory& Factory;
    std::unique_ptr<TRectangleFields> RectangleFields;
    bool FollowFunction;
    bool Updating = true;
};
