#pragma once
#include "factory/graph/SountoryKinds.h"
#include "foundation/gui/OKCancelDialogs.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class TSountoryInputOutput;
class TUnitSountory;

// "Sequence Inputs/Outputs": the order in which callers and dialogs list a
// factory's inputs (2) or outputs (3), and their descriptions. It changes the
// factory at once; its OK button reads "Close".
class TDlgSntIOSequence : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntIOSequence(QWidget* owner, sntSountoryObject listKind, TUnitSountory& factory);

    void MoveUp();
    void MoveDown();
    // The selected item's description shown, and the buttons that can move it.
    void ShowSelected();
    // The description typed goes to the selected item.
    void StoreDescription();

    QLabel* lblIOs = nullptr;
    QListWidget* lbIOs = nullptr;
    QPushButton* btnMoveUp = nullptr;
    QPushButton* btnMoveDown = nullptr;
    QGroupBox* grpSelected = nullptr;
    QTextEdit* reditDescription = nullptr;

protected:
    void done(int result) override;

private:
    void Fill(int select);
    TSountoryInputOutput* ItemAt(int index) const;
    void Swap(int index, int other);

    sntSountoryObject ListKind;
    TUnitSountory& Factory;
    TSountoryInputOutput* Shown = nullptr;
};
