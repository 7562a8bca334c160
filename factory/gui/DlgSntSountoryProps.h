#pragma once
#include "foundation/gui/OKCancelDialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class TUnitSountory;

// "Properties Factory": the factory's name, frame size, kind with the node
// it is fitted to, node placement, what pins show and the description. The
// factory changes only on OK.
class TDlgSntSountoryProps : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntSountoryProps(QWidget* owner, TUnitSountory& factory);

    void accept() override;
    // The type chosen: the fit list follows it.
    void TypeChanged();
    // Leaving the width or height field corrects it to what the frame allows.
    void CheckFrameField(bool width);
    void OverlapClicked();

    QLineEdit* editName = nullptr;
    QLineEdit* editWidth = nullptr;
    QLineEdit* editHeight = nullptr;
    QComboBox* cboType = nullptr;
    QLabel* lblIOFitWithNode = nullptr;
    QComboBox* cboIOFitWithNode = nullptr;
    QCheckBox* chkShowNameIO = nullptr;
    QCheckBox* chkShowTypeIO = nullptr;
    QCheckBox* chkAllowOverlappingNodes = nullptr;
    QCheckBox* chkCasMovNodes = nullptr;
    QCheckBox* chkNodesShowTypeIO = nullptr;
    QCheckBox* chkNodesShowNameIO = nullptr;
    QTextEdit* reditDescription = nullptr;

private:
    void Fill();

    TUnitSountory& Factory;
};
