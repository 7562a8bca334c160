#pragma once
#include "foundation/gui/OKCancelDialogs.h"
#include "foundation/values/unitTime.h"

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class TUnitWave;
class TValueLineEdit;
class TViewPane;

// The modeless "Select and Zoom" dialog: the cursor or the selected part of
// the active wave and the visible range of each of its two panes, as times in
// seconds. It follows the wave while it is shown; Apply sets the cursor or
// the selection and both zooms from what was typed. "Apply" leaves it open;
// "Close" and the close box hide it and tell the main window. A dialog of the
// main window, it stays above it and below the modal dialogs it opens (a
// window that stays on top would cover them).
class TDlgSelZoom : public TOKHelpRightDlg {
    Q_OBJECT
public:
    explicit TDlgSelZoom(QWidget* owner);

    // The wave that became active (none: the dialog is cleared and disabled).
    void UpdateAll(TUnitWave* unit);
    void UpdateSelection(TUnitWave* unit);
    void UpdateZooms(TUnitWave* unit);
    // Pane 1 (left) or 2 (right) of the wave's window.
    void UpdateZoom(TUnitWave* unit, int pane);

    void ApplyBtnClick();
    void accept() override; // "Apply"

    QRadioButton* optCursor;
    TValueLineEdit* editCursorAt;
    QRadioButton* optPart;
    TValueLineEdit* editPartBegin;
    TValueLineEdit* editPartEnd;
    QGroupBox* grpZoom1;
    QCheckBox* chkZoomed1;
    TValueLineEdit* editZoom1Begin;
    TValueLineEdit* editZoom1End;
    QGroupBox* grpZoom2;
    QCheckBox* chkZoomed2;
    TValueLineEdit* editZoom2Begin;
    TValueLineEdit* editZoom2End;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // One pane's zoom group.
    struct TZoomGroup {
        QCheckBox* zoomed;
        TValueLineEdit* begin;
        TValueLineEdit* end;
        unitTimePos* beginValue;
        unitTimePosMore* endValue;
        const char* name;
    };
    TZoomGroup ZoomGroup(int pane);
    void ShowSelection(TUnitWave* unit);
    void ShowZoom(TUnitWave* unit, int pane);
    void ClearDialog();
    void ShowTime(unitTime& value, TValueLineEdit* edit, double seconds);
    void ApplyZoom(TUnitWave* unit, TViewPane* pane, int number, bool& valid);
    // The value index of a time typed into the field, which must lie within
    // the wave: at its end only when atEnd; false with the message otherwise.
    bool IndexWithin(TUnitWave* unit, const unitTime& value, const TValueLineEdit* edit, bool atEnd,
                     const std::string& label, int32_t& index) const;

    QButtonGroup* grpSelected;
    unitTimePos ValueCursorAt;
    unitTimePos ValuePartBegin;
    unitTimePosMore ValuePartEnd;
    unitTimePos ValueZoom1Begin;
    unitTimePosMore ValueZoom1End;
    unitTimePos ValueZoom2Begin;
    unitTimePosMore ValueZoom2End;
};
