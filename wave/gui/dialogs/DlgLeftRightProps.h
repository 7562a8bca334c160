#pragma once
#include "wave/gui/dialogs/EffectDialog.h"
#include "wave/props/LeftRightProps.h"

#include <QComboBox>

// "Mix Left Right": the four shares of the old channels in the new ones, and
// eight examples that fill them in. Choosing an example shows it until the
// user edits a share.
class TDlgLeftRightProps : public TEffectDialog<TOKHelpRightDlg, TLeftRightProps> {
public:
    TDlgLeftRightProps(QWidget* owner, const TLeftRightProps& props);

    // The example items, in order, and the shares each loads (LeftToLeft,
    // LeftToRight, RightToLeft, RightToRight).
    struct TExample {
        const char* item;
        double shares[4];
    };
    static const TExample Examples[8];

    QLineEdit* editLeft2Left;
    QLineEdit* editLeft2Right;
    QLineEdit* editRight2Left;
    QLineEdit* editRight2Right;
    QComboBox* cboExample;

private:
    void cboExampleChange(int index);
};
