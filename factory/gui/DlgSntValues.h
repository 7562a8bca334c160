#pragma once
#include "factory/view/ValuesForm.h"
#include "foundation/gui/OKCancelDialogs.h"

#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QScrollArea;
class QWidget;

// The values (or value types) of a node's inputs, the factory's outputs or
// the inputs a run asks for: one row per item, built when the dialog is made,
// in a box that scrolls when they are many. OK writes only when every row
// passed.
class TDlgSntValues : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntValues(QWidget* owner, std::unique_ptr<TValuesForm> form);
    ~TDlgSntValues() override;

    void accept() override;
    const TValuesForm& Form() const { return *ValuesForm; }
    int RowCount() const { return static_cast<int>(Editors.size()); }
    // The controls of a row: its name box (node inputs and factory outputs),
    // its name label (the run's inputs) and its editor.
    QCheckBox* RowCheck(int row) const { return Checks[static_cast<size_t>(row)]; }
    QLabel* RowLabel(int row) const { return Labels[static_cast<size_t>(row)]; }
    QWidget* RowEditor(int row) const { return Editors[static_cast<size_t>(row)]; }
    QScrollArea* ValuesBox() const { return sboValues; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the rows; answers how much wider than designed their names need the dialog.
    int BuildRows();
    void LayoutEditors();
    // A value typed into a row ticks its name box.
    void MarkRow(int row);

    std::unique_ptr<TValuesForm> ValuesForm;
    QScrollArea* sboValues = nullptr;
    QWidget* Rows = nullptr;
    std::vector<QCheckBox*> Checks;
    std::vector<QLabel*> Labels;
    std::vector<QWidget*> Editors;
    bool Filling = true;
};
