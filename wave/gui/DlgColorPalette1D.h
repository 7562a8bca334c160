#pragma once
#include "foundation/gui/OKCancelDialogs.h"
#include "wave/view/ColorPalette1DItem.h"

#include <string>

class QCheckBox;
class QPushButton;
class QToolButton;
class TColorBox;
class TValueLineEdit;

// The ramp of a palette: a frame of one pixel in the colour at 0 and, inside
// it, one column per pixel in the colour at its place.
class TColorRamp : public QWidget {
    Q_OBJECT
public:
    TColorRamp(const TColorPalette1DItem& palette, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const TColorPalette1DItem& Palette;
};

// The "Color Palette" dialog: steps through the items of a one-dimensional
// colour palette, changes an item's place and colours, adds items without
// changing the ramp, deletes inner items, and opens and saves palette files.
// Every change goes to the dialog's own copy at once; the caller takes it
// after OK.
class TDlgColorPalette1D : public TOKHelpBottomDlg {
    Q_OBJECT
public:
    TDlgColorPalette1D(QWidget* owner, const TColorPalette1DItem& palette);

    TColorPalette1DItem GetPalette() const { return Palette; }
    const TColorPalette1DItem* GetCurrentItem() const { return CurrentItem; }

    void accept() override; // OK: a position still being typed is taken first

    // The buttons.
    void btnFirstClick();
    void btnPriorClick();
    void btnNextItemClick();
    void btnLastClick();
    void btnAddClick();
    void btnDeleteClick();
    void btnColorPreviousClick();
    void btnColorNextClick();
    void btnOpenClick();
    void btnSaveClick();
    // What Open and Save do with the file the user chose.
    void OpenFile(const std::string& fileName);
    void SaveFile(const std::string& fileName);

    TValueLineEdit* editPosition;
    TColorBox* cbColorBefore;
    QPushButton* btnColorPrevious;
    QCheckBox* chkColorAfter;
    TColorBox* cbColorAfter;
    QPushButton* btnColorNext;
    QToolButton* btnFirst;
    QToolButton* btnPrior;
    QToolButton* btnNextItem;
    QToolButton* btnLast;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QToolButton* btnOpen;
    QToolButton* btnSave;
    TColorRamp* Ramp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateButtons();
    void ShowCurrentItem();
    void ShowAll();
    // The typed position, when the user typed one: false when it was refused.
    bool TakePosition();
    void ColorBeforeSelected(uint32_t color);
    void ColorAfterClicked(bool checked);
    void ColorAfterSelected(uint32_t color);

    TColorPalette1DItem Palette;
    TColorPalette1DItem* CurrentItem;
    bool PositionEdited = false;
};
