#pragma once
#include <QDialog>

class QFrame;
class QPushButton;

// The four dialog shapes every settings dialog derives from: a lowered frame
// for the dialog's own controls, and OK and Cancel (and Help) either in a
// column at the right or in a row at the bottom. OK is the default button and
// runs accept(), which a derived dialog overrides to check its fields; Cancel
// and Escape reject. Help shows the dialog's help context and leaves it open.
class TOKDialog : public QDialog {
    Q_OBJECT
public:
    // The frame the derived dialog lays its controls out in (it sets the layout).
    QFrame* Bevel() const { return Bevel1; }
    QPushButton* OKButton() const { return OKBtn; }
    QPushButton* CancelButton() const { return CancelBtn; }
    QPushButton* HelpButton() const { return HelpBtn; }
    void SetHelpContext(int context) { HelpContextNumber = context; }
    int GetHelpContext() const { return HelpContextNumber; }
    void HelpBtnClick();

protected:
    enum class TButtonPlace { Right, Bottom };
    TOKDialog(QWidget* owner, TButtonPlace place, bool withHelp);
    void showEvent(QShowEvent* event) override;

private:
    QFrame* Bevel1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    int HelpContextNumber = 0;
    bool Placed = false;
};

class TOKRightDlg : public TOKDialog {
    Q_OBJECT
public:
    explicit TOKRightDlg(QWidget* owner) : TOKDialog(owner, TButtonPlace::Right, false) {}

protected:
    TOKRightDlg(QWidget* owner, bool withHelp) : TOKDialog(owner, TButtonPlace::Right, withHelp) {}
};

class TOKHelpRightDlg : public TOKRightDlg {
    Q_OBJECT
public:
    explicit TOKHelpRightDlg(QWidget* owner) : TOKRightDlg(owner, true) {}
};

class TOKBottomDlg : public TOKDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget* owner) : TOKDialog(owner, TButtonPlace::Bottom, false) {}

protected:
    TOKBottomDlg(QWidget* owner, bool withHelp) : TOKDialog(owner, TButtonPlace::Bottom, withHelp) {}
};

class TOKHelpBottomDlg : public TOKBottomDlg {
    Q_OBJECT
public:
    explicit TOKHelpBottomDlg(QWidget* owner) : TOKBottomDlg(owner, true) {}
};

// Title and close box only: no minimise or maximise button on a dialog.
void SetDialogWindowFlags(QWidget* dialog);
