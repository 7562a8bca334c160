#pragma once
#include "foundation/gui/OKCancelDialogs.h"

#include <cstdint>

class QListWidget;
class TUnitSountory;

// "Run Factory": the open factories of a kind (and the free ones) to choose
// one from; OK without a choice keeps the dialog open.
class TDlgSntRunAtWnd : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntRunAtWnd(QWidget* owner, uint8_t factoryKind);

    void accept() override;
    TUnitSountory* GetSountory() const { return Sountory; }

    QListWidget* lbSountories = nullptr;

private:
    TUnitSountory* Sountory = nullptr;
};
