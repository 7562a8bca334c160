#include "wave/gui/DlgSelZoom.h"

#include "foundation/GuiMessages.h"
#include "foundation/gui/EditHelpers.h"
#include "foundation/gui/ValueLineEdit.h"
#include "wave/MainFormAccess.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveDocumentHost.h"
#include "wave/view/ViewPane.h"
#include "wave/window/gui/DialogFramePlacing.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int HelpContext = 40;
const char* const BeyondTheEnd = "Must be prior before the end of the wave.";

TValueLineEdit* AddField(QGridLayout* grid, int row, int column, const char* caption, const char* name,
                         QWidget* owner)
{
    auto* edit = new TValueLineEdit(owner);
    edit->setObjectName(name);
    auto* label = new QLabel(caption, owner);
    label->setBuddy(edit);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QGroupBox* ZoomBox(const char* caption, const char* name, QCheckBox*& zoomed, TValueLineEdit*& begin,
                   TValueLineEdit*& end, const char* beginName, const char* endName, QWidget* owner)
{
    auto* box = new QGroupBox(caption, owner);
    box->setObjectName(name);
    auto* grid = new QGridLayout(box);
    zoomed = new QCheckBox("Zoomed", box);
    grid->addWidget(zoomed, 0, 0, 1, 2);
    begin = AddField(grid, 1, 0, "Begin", beginName, box);
    end = AddField(grid, 2, 0, "End", endName, box);
    return box;
}

// The nearest value index of a time.
int64_t RoundedIndex(double seconds, uint32_t sampleFreq)
{
    return static_cast<int64_t>(seconds * sampleFreq + 0.5);
}

} // namespace

TDlgSelZoom::TDlgSelZoom(QWidget* owner)
    : TOKHelpRightDlg(owner), ValueCursorAt(0, EHS), ValuePartBegin(0, EHS), ValuePartEnd(0, EHS),
      ValueZoom1Begin(0, EHS), ValueZoom1End(0, EHS), ValueZoom2Begin(0, EHS), ValueZoom2End(0, EHS)
{
    setObjectName("DlgSelZoom");
    setWindowTitle("Select and Zoom");
    SetHelpContext(HelpContext);
    setModal(false);
    OKButton()->setText("Apply");
    CancelButton()->setText("Close");

    QFrame* frame = Bevel();
    auto* column = new QVBoxLayout(frame);
    column->addWidget(new QLabel("Selected", frame));
    auto* selected = new QGridLayout;
    optCursor = new QRadioButton("Cursor", frame);
    optCursor->setObjectName("optCursor");
    selected->addWidget(optCursor, 0, 0);
    editCursorAt = AddField(selected, 0, 1, "At", "editCursorAt", frame);
    optPart = new QRadioButton("Part", frame);
    optPart->setObjectName("optPart");
    selected->addWidget(optPart, 1, 0);
    editPartBegin = AddField(selected, 1, 1, "Begin", "editPartBegin", frame);
    editPartEnd = AddField(selected, 2, 1, "End", "editPartEnd", frame);
    column->addLayout(selected);
    grpSelected = new QButtonGroup(this);
    grpSelected->addButton(optCursor);
    grpSelected->addButton(optPart);
    grpZoom1 = ZoomBox("Zoom First View", "grpZoom1", chkZoomed1, editZoom1Begin, editZoom1End, "editZoom1Begin",
                       "editZoom1End", frame);
    chkZoomed1->setObjectName("chkZoomed1");
    grpZoom2 = ZoomBox("Zoom Second View", "grpZoom2", chkZoomed2, editZoom2Begin, editZoom2End, "editZoom2Begin",
                       "editZoom2End", frame);
    chkZoomed2->setObjectName("chkZoomed2");
    auto* zooms = new QHBoxLayout;
    zooms->addWidget(grpZoom1);
    zooms->addWidget(grpZoom2);
    column->addLayout(zooms);

    // Typing chooses what the text is for; the dialog's own refills do not.
    connect(editCursorAt, &QLineEdit::textEdited, optCursor, [this] { optCursor->setChecked(true); });
    for (TValueLineEdit* edit : {editPartBegin, editPartEnd})
        connect(edit, &QLineEdit::textEdited, optPart, [this] { optPart->setChecked(true); });
    for (TValueLineEdit* edit : {editZoom1Begin, editZoom1End})
        connect(edit, &QLineEdit::textEdited, chkZoomed1, [this] { chkZoomed1->setChecked(true); });
    for (TValueLineEdit* edit : {editZoom2Begin, editZoom2End})
        connect(edit, &QLineEdit::textEdited, chkZoomed2, [this] { chkZoomed2->setChecked(true); });
    // Closing by any way but the manager's hiding tells the main window.
    connect(this, &QDialog::finished, this, [] { MainForm().SelZoomDialogClosed(); });
    ClearDialog();
}

// ---------------------------------------------------------------- showing

TDlgSelZoom::TZoomGroup TDlgSelZoom::ZoomGroup(int pane)
{
    if (pane == 1)
        return {chkZoomed1, editZoom1Begin, editZoom1End, &ValueZoom1Begin, &ValueZoom1End, "First"};
    return {chkZoomed2, editZoom2Begin, editZoom2End, &ValueZoom2Begin, &ValueZoom2End, "Second"};
}

void TDlgSelZoom::ShowTime(unitTime& value, TValueLineEdit* edit, double seconds)
{
    value.SetValue(seconds);
    value.ShowInEdit(*edit);
}

void TDlgSelZoom::UpdateAll(TUnitWave* unit)
{
    if (!unit) {
        ClearDialog();
        return;
    }
    UpdateSelection(unit);
    UpdateZooms(unit);
}

void TDlgSelZoom::UpdateSelection(TUnitWave* unit)
{
    if (unit)
        ShowSelection(unit);
    else
        ClearDialog();
}

void TDlgSelZoom::UpdateZooms(TUnitWave* unit)
{
    if (!unit) {
        ClearDialog();
        return;
    }
    ShowZoom(unit, 1);
    ShowZoom(unit, 2);
}

void TDlgSelZoom::UpdateZoom(TUnitWave* unit, int pane)
{
    if (!unit)
        ClearDialog();
    else if (pane == 1 || pane == 2)
        ShowZoom(unit, pane);
}

void TDlgSelZoom::ShowSelection(TUnitWave* unit)
{
    const double sampleFreq = std::max<uint32_t>(unit->GetSampleFreq(), 1);
    optCursor->setEnabled(true);
    optPart->setEnabled(true);
    for (TValueLineEdit* edit : {editCursorAt, editPartBegin, editPartEnd})
        EnableEdit(edit);
    OKButton()->setEnabled(true);
    if (unit->GetCursorPos() == unit->GetAnchorPos()) {
        optCursor->setChecked(true);
        ShowTime(ValueCursorAt, editCursorAt, unit->GetCursorPos() / sampleFreq);
        editPartBegin->clear();
        editPartEnd->clear();
    } else {
        optPart->setChecked(true);
        ShowTime(ValuePartBegin, editPartBegin, unit->GetSelectBegin() / sampleFreq);
        ShowTime(ValuePartEnd, editPartEnd, unit->GetSelectEnd() / sampleFreq);
        editCursorAt->clear();
    }
}

void TDlgSelZoom::ShowZoom(TUnitWave* unit, int number)
{
    const double sampleFreq = std::max<uint32_t>(unit->GetSampleFreq(), 1);
    TZoomGroup group = ZoomGroup(number);
    group.zoomed->setEnabled(true);
    EnableEdit(group.begin);
    EnableEdit(group.end);
    OKButton()->setEnabled(true);
    TWaveDisplayGroup* display = TWaveDisplayGroup::OfUnit(unit);
    const TViewPane* pane = display ? display->GetView(number) : nullptr;
    if (!pane || !pane->IsZoomed()) {
        group.zoomed->setChecked(false);
        group.begin->clear();
        group.end->clear();
        return;
    }
    group.zoomed->setChecked(true);
    ShowTime(*group.beginValue, group.begin, pane->FirstVisibleWavePos() / sampleFreq);
    ShowTime(*group.endValue, group.end, pane->LastVisibleWavePos() / sampleFreq);
}

void TDlgSelZoom::ClearDialog()
{
    OKButton()->setEnabled(false);
    // Neither option stays chosen.
    grpSelected->setExclusive(false);
    for (QRadioButton* option : {optCursor, optPart}) {
        option->setChecked(false);
        option->setEnabled(false);
    }
    grpSelected->setExclusive(true);
    for (QCheckBox* check : {chkZoomed1, chkZoomed2}) {
        check->setChecked(false);
        check->setEnabled(false);
    }
    for (TValueLineEdit* edit :
         {editCursorAt, editPartBegin, editPartEnd, editZoom1Begin, editZoom1End, editZoom2Begin, editZoom2End})
        DisableEdit(edit, true);
}

void TDlgSelZoom::showEvent(QShowEvent* event)
{
    TOKHelpRightDlg::showEvent(event);
    PlaceDialogAtMainFormEdges(*this);
    UpdateAll(WaveHost().ActiveWaveUnit());
}

bool TDlgSelZoom::event(QEvent* event)
{
    // While the dialog is active, typed keys are its own and fire no shortcut.
    if (event->type() == QEvent::WindowActivate)
        MainForm().SetModelessDialogActive(true);
    else if (event->type() == QEvent::WindowDeactivate)
        MainForm().SetModelessDialogActive(false);
    return TOKHelpRightDlg::event(event);
}

// ---------------------------------------------------------------- applying

bool TDlgSelZoom::IndexWithin(TUnitWave* unit, const unitTime& value, const TValueLineEdit* edit, bool atEnd,
                              const std::string& label, int32_t& index) const
{
    const int32_t values = unit->GetValues();
    const uint32_t sampleFreq = unit->GetSampleFreq();
    const double seconds = value.GetValue();
    bool within = false;
    if (!atEnd) {
        within = seconds < static_cast<double>(values) / sampleFreq;
    } else if (seconds * sampleFreq < static_cast<double>(values) + 1) {
        within = RoundedIndex(seconds, sampleFreq) <= values;
    }
    // The dialog's own text for the end reads back as the end, however it was rounded.
    if (!within && atEnd) {
        unitTimePos end(0, value.GetUnitKind());
        end.SetValue(static_cast<double>(values) / sampleFreq);
        within = QString::fromStdString(end.GetText()) == edit->text().trimmed();
    }
    if (!within) {
        TGuiMessages().ShowInputErrorIn(label, BeyondTheEnd);
        return false;
    }
    index = static_cast<int32_t>(std::min<int64_t>(RoundedIndex(seconds, sampleFreq), values));
    return true;
}

void TDlgSelZoom::ApplyBtnClick()
{
    TUnitWave* unit = WaveHost().ActiveWaveUnit();
    if (!unit || unit->GetSampleFreq() == 0)
        return;
    bool valid = true;
    int32_t begin = 0, end = 0;
    if (optCursor->isChecked()) {
        ValueCursorAt.CheckEdit(valid, *editCursorAt, "Cursor At");
        if (valid && IndexWithin(unit, ValueCursorAt, editCursorAt, true, "Selected Cursor", end))
            unit->PlaceCursor(end);
    } else if (optPart->isChecked()) {
        ValuePartBegin.CheckEdit(valid, *editPartBegin, "Part Begin");
        ValuePartEnd.CheckEdit(valid, *editPartEnd, "Part End");
        if (valid) {
            if (ValuePartEnd.GetValue() <= ValuePartBegin.GetValue())
                TGuiMessages().ShowInputError("Part Begin must be prior before Part End.");
            else if (IndexWithin(unit, ValuePartBegin, editPartBegin, false, "Part Begin", begin) &&
                     IndexWithin(unit, ValuePartEnd, editPartEnd, true, "Part End", end))
                unit->SelectRange(begin, end);
        }
    }
    TWaveDisplayGroup* display = TWaveDisplayGroup::OfUnit(unit);
    for (int number : {1, 2})
        ApplyZoom(unit, display ? display->GetView(number) : nullptr, number, valid);
    MainForm().RefreshEnvelopeUsers(MainForm().ActiveWaveWindow());
}

void TDlgSelZoom::ApplyZoom(TUnitWave* unit, TViewPane* pane, int number, bool& valid)
{
    TZoomGroup group = ZoomGroup(number);
    if (!pane)
        return;
    // A pane that is not to be zoomed shows the whole wave, whatever else was refused.
    if (!group.zoomed->isChecked()) {
        pane->UnZoom();
        return;
    }
    const std::string name = group.name;
    const std::string beginLabel = "Zoom " + name + " Begin", endLabel = "Zoom " + name + " End";
    group.beginValue->CheckEdit(valid, *group.begin, beginLabel);
    group.endValue->CheckEdit(valid, *group.end, endLabel);
    if (!valid)
        return;
    int32_t begin = 0, end = 0;
    if (group.endValue->GetValue() <= group.beginValue->GetValue())
        TGuiMessages().ShowInputError("Zoom " + name + ": Begin must be prior before End.");
    else if (IndexWithin(unit, *group.beginValue, group.begin, false, beginLabel, begin) &&
             IndexWithin(unit, *group.endValue, group.end, true, endLabel, end))
        pane->ZoomToRange(begin, end, true);
}

void TDlgSelZoom::accept()
{
    // "Apply" leaves the dialog open.
    ApplyBtnClick();
}
