#pragma once
#include "foundation/gui/OKCancelDialogs.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TRectangleFields;
class TSountoryNodeUseFactory;
class TUnitSountory;

// The properties of a node that runs another factory: its name (which
// follows the factory's until the user types one), the factory's name,
// whether its pins are taken from that factory, and its rectangle.
class TDlgSntUserNodeProps : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntUserNodeProps(QWidget* owner, TSountoryNodeUseFactory& node, bool useIO);
    ~TDlgSntUserNodeProps() override;

    void accept() override;
    // The box's last state, read after OK.
    bool GetUseIO() const { return UseIO; }
    // The factory chosen or typed: an automatic name follows it.
    void FactoryChanged();
    TRectangleFields& Rectangle() const { return *RectangleFields; }

    QLineEdit* editName = nullptr;
    QComboBox* cboSountory = nullptr;
    QCheckBox* chkIOFit = nullptr;

private:
    void SetAutomaticName();

    TSountoryNodeUseFactory& Node;
    TUnitSountory& Factory;
    std::unique_ptr<TRectangleFields> RectangleFields;
    bool UseIO;
    bool DefaultName;
    bool Updating = true;
};
