#pragma once
#include "foundation/gui/OKCancelDialogs.h"

#include <array>

class QComboBox;
class QRadioButton;
class TSountoryNode;

// "Create Factory": how a new factory is set up, by one of twelve options,
// four of which fit it to a node of an open factory.
class TDlgSntCreate : public TOKHelpRightDlg {
    Q_OBJECT
public:
    explicit TDlgSntCreate(QWidget* owner);

    void accept() override;
    // The option code of the checked button, and the node for a fit option.
    int GetCreateKind() const { return CreateKind; }
    TSountoryNode* GetNode() const { return Node; }

    QRadioButton* Option(int code) const;
    QComboBox* cboUserNode = nullptr;
    QComboBox* cboSimpleLoopNode = nullptr;
    QComboBox* cboMixLoopNode = nullptr;
    QComboBox* cboFormulaNode = nullptr;

private:
    std::array<QRadioButton*, 12> Options{};
    int CreateKind = 0;
    TSountoryNode* Node = nullptr;
};
