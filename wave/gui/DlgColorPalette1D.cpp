#include "wave/gui/DlgColorPalette1D.h"

#include "foundation/GuiMessages.h"
#include "foundation/gui/ColorBox.h"
#include "foundation/gui/ExecDialog.h"
#include "foundation/gui/SaveFileDialog.h"
#include "foundation/gui/ValueLineEdit.h"
#include "foundation/values/NumericHelpers.h"
#include "wave/view/ColorPalette1DFile.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

const char* const FileFilters = "Color Palette 1D (*.cp1);;XML Files (*.xml);;All files (*)";

QColor PaletteQColor(uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QToolButton* PictureButton(QStyle::StandardPixmap picture, const char* name, const char* hint, QWidget* owner)
{
    auto* button = new QToolButton(owner);
    button->setObjectName(name);
    button->setIcon(owner->style()->standardIcon(picture));
    button->setToolTip(hint);
    return button;
}

QPushButton* Button(const char* caption, const char* name, QWidget* owner)
{
    auto* button = new QPushButton(caption, owner);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

bool IsInner(const TColorPalette1DItem* item)
{
    return item->GetDPosition() > 0 && item->GetDPosition() < 1;
}

} // namespace

// ---------------------------------------------------------------- the ramp

TColorRamp::TColorRamp(const TColorPalette1DItem& palette, QWidget* parent) : QWidget(parent), Palette(palette)
{
    setObjectName("Ramp");
    setMinimumSize(120, 40);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TColorRamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int left = 0, top = 0, right = width(), bottom = height();
    painter.fillRect(rect(), PaletteQColor(Palette.GetColor(0)));
    for (int x = left + 1; x < right - 1; ++x) {
        const double t = LinearMap(x, left + 1, right - 1, 0, 1);
        painter.fillRect(x, top + 1, 1, bottom - top - 2, PaletteQColor(Palette.GetColor(t)));
    }
}

void TColorRamp::mouseDoubleClickEvent(QMouseEvent*)
{
    update();
}

// ---------------------------------------------------------------- the dialog

TDlgColorPalette1D::TDlgColorPalette1D(QWidget* owner, const TColorPalette1DItem& palette)
    : TOKHelpBottomDlg(owner), Palette(palette), CurrentItem(&Palette)
{
    setObjectName("DlgColorPalette1D");
    setWindowTitle("Color Palette");
    // The ramp grows with the dialog.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setSizeGripEnabled(true);
    QFrame* frame = Bevel();
    auto* column = new QVBoxLayout(frame);

    auto* fields = new QGridLayout;
    editPosition = new TValueLineEdit(frame);
    editPosition->setObjectName("editPosition");
    auto* positionLabel = new QLabel("Position", frame);
    positionLabel->setBuddy(editPosition);
    fields->addWidget(positionLabel, 0, 0);
    fields->addWidget(editPosition, 0, 1);
    cbColorBefore = new TColorBox(frame);
    cbColorBefore->setObjectName("cbColorBefore");
    auto* beforeLabel = new QLabel("Color (Before)", frame);
    beforeLabel->setBuddy(cbColorBefore);
    fields->addWidget(beforeLabel, 1, 0);
    fields->addWidget(cbColorBefore, 1, 1);
    btnColorPrevious = Button("< Previous", "btnColorPrevious", frame);
    fields->addWidget(btnColorPrevious, 1, 2);
    chkColorAfter = new QCheckBox("Color After", frame);
    chkColorAfter->setObjectName("chkColorAfter");
    cbColorAfter = new TColorBox(frame);
    cbColorAfter->setObjectName("cbColorAfter");
    fields->addWidget(chkColorAfter, 2, 0);
    fields->addWidget(cbColorAfter, 2, 1);
    btnColorNext = Button("< Next", "btnColorNext", frame);
    fields->addWidget(btnColorNext, 2, 2);
    column->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    btnFirst = PictureButton(QStyle::SP_MediaSkipBackward, "btnFirst", "First", frame);
    btnPrior = PictureButton(QStyle::SP_MediaSeekBackward, "btnPrior", "Previous", frame);
    btnNextItem = PictureButton(QStyle::SP_MediaSeekForward, "btnNextItem", "Next", frame);
    btnLast = PictureButton(QStyle::SP_MediaSkipForward, "btnLast", "Last", frame);
    for (QToolButton* each : {btnFirst, btnPrior, btnNextItem, btnLast})
        buttons->addWidget(each);
    buttons->addSpacing(8);
    btnAdd = Button("Add", "btnAdd", frame);
    btnDelete = Button("Delete", "btnDelete", frame);
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnDelete);
    buttons->addStretch();
    btnOpen = PictureButton(QStyle::SP_DialogOpenButton, "btnOpen", "Open", frame);
    btnSave = PictureButton(QStyle::SP_DialogSaveButton, "btnSave", "Save", frame);
    buttons->addWidget(btnOpen);
    buttons->addWidget(btnSave);
    column->addLayout(buttons);

    Ramp = new TColorRamp(Palette, frame);
    column->addWidget(Ramp, 1);

    connect(btnFirst, &QToolButton::clicked, this, &TDlgColorPalette1D::btnFirstClick);
    connect(btnPrior, &QToolButton::clicked, this, &TDlgColorPalette1D::btnPriorClick);
    connect(btnNextItem, &QToolButton::clicked, this, &TDlgColorPalette1D::btnNextItemClick);
    connect(btnLast, &QToolButton::clicked, this, &TDlgColorPalette1D::btnLastClick);
    connect(btnAdd, &QPushButton::clicked, this, &TDlgColorPalette1D::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &TDlgColorPalette1D::btnDeleteClick);
    connect(btnColorPrevious, &QPushButton::clicked, this, &TDlgColorPalette1D::btnColorPreviousClick);
    connect(btnColorNext, &QPushButton::clicked, this, &TDlgColorPalette1D::btnColorNextClick);
    connect(btnOpen, &QToolButton::clicked, this, &TDlgColorPalette1D::btnOpenClick);
    connect(btnSave, &QToolButton::clicked, this, &TDlgColorPalette1D::btnSaveClick);
    connect(cbColorBefore, &TColorBox::ColorSelected, this, &TDlgColorPalette1D::ColorBeforeSelected);
    connect(chkColorAfter, &QCheckBox::clicked, this, &TDlgColorPalette1D::ColorAfterClicked);
    connect(cbColorAfter, &TColorBox::ColorSelected, this, &TDlgColorPalette1D::ColorAfterSelected);
    // Only typing counts, not the dialog's own showing of a position.
    connect(editPosition, &QLineEdit::textEdited, this, [this] { PositionEdited = true; });
    editPosition->installEventFilter(this);
    ShowAll();
}

void TDlgColorPalette1D::UpdateButtons()
{
    const double p = CurrentItem->GetDPosition();
    btnFirst->setEnabled(p > 0);
    btnPrior->setEnabled(p > 0);
    btnNextItem->setEnabled(p < 1);
    btnLast->setEnabled(p < 1);
    btnColorPrevious->setEnabled(p > 0);
    btnColorNext->setEnabled(p < 1);
    btnAdd->setEnabled(true);
    btnDelete->setEnabled(IsInner(CurrentItem));
}

void TDlgColorPalette1D::ShowCurrentItem()
{
    const bool inner = IsInner(CurrentItem);
    editPosition->setEnabled(inner);
    CurrentItem->GetPosition().ShowInEdit(*editPosition);
    PositionEdited = false;
    cbColorBefore->SetSelected(CurrentItem->GetColorBefore());
    chkColorAfter->setChecked(CurrentItem->GetUseColorAfter());
    chkColorAfter->setEnabled(inner);
    cbColorAfter->SetSelected(CurrentItem->GetStartColor());
    cbColorAfter->setEnabled(CurrentItem->GetUseColorAfter());
}

void TDlgColorPalette1D::ShowAll()
{
    UpdateButtons();
    ShowCurrentItem();
    Ramp->update();
}

void TDlgColorPalette1D::btnFirstClick()
{
    CurrentItem = &Palette;
    ShowAll();
}

void TDlgColorPalette1D::btnPriorClick()
{
    if (TColorPalette1DItem* previous = Palette.GetPreviousItem(CurrentItem))
        CurrentItem = previous;
    ShowAll();
}

void TDlgColorPalette1D::btnNextItemClick()
{
    if (TColorPalette1DItem* next = CurrentItem->GetNext())
        CurrentItem = next;
    ShowAll();
}

void TDlgColorPalette1D::btnLastClick()
{
    CurrentItem = Palette.GetLastItem();
    ShowAll();
}

void TDlgColorPalette1D::btnAddClick()
{
    // Between the current item and the next one; from the end item, before it.
    const TColorPalette1DItem* from = CurrentItem->GetNext() ? CurrentItem : Palette.GetPreviousItem(CurrentItem);
    if (!from || !from->GetNext())
        return;
    const double a = from->GetDPosition(), b = from->GetNext()->GetDPosition();
    const double middle = (a + b) * 0.5;
    // Halving again and again ends where two positions have nothing between them.
    if (!(middle > a && middle < b)) {
        TGuiMessages().ShowInputError("There is no room for another Position here.");
        return;
    }
    // The colour the ramp has there: adding changes nothing that shows.
    if (TColorPalette1DItem* added = Palette.InsertItem(unitFactorPosMoreLess1(middle, EHPerc), Palette.GetColor(middle)))
        CurrentItem = added;
    ShowAll();
}

void TDlgColorPalette1D::btnDeleteClick()
{
    if (!IsInner(CurrentItem))
        return;
    if (TColorPalette1DItem* previous = Palette.DeleteItem(CurrentItem))
        CurrentItem = previous;
    ShowAll();
}

void TDlgColorPalette1D::btnColorPreviousClick()
{
    TColorPalette1DItem* previous = Palette.GetPreviousItem(CurrentItem);
    if (!previous)
        return;
    // The stretch that ends here gets one colour.
    CurrentItem->SetColorBefore(previous->GetStartColor());
    cbColorBefore->SetSelected(CurrentItem->GetColorBefore());
    cbColorAfter->SetSelected(CurrentItem->GetStartColor());
    Ramp->update();
}

void TDlgColorPalette1D::btnColorNextClick()
{
    const TColorPalette1DItem* next = CurrentItem->GetNext();
    if (!next)
        return;
    // The stretch that starts here gets one colour.
    const uint32_t color = next->GetColorBefore();
    if (chkColorAfter->isChecked()) {
        CurrentItem->SetColorAfter(color);
    } else {
        CurrentItem->SetColorBefore(color);
        cbColorBefore->SetSelected(color);
    }
    cbColorAfter->SetSelected(CurrentItem->GetStartColor());
    Ramp->update();
}

void TDlgColorPalette1D::ColorBeforeSelected(uint32_t color)
{
    CurrentItem->SetColorBefore(color);
    cbColorAfter->SetSelected(CurrentItem->GetStartColor());
    Ramp->update();
}

void TDlgColorPalette1D::ColorAfterClicked(bool checked)
{
    CurrentItem->SetUseColorAfter(checked);
    cbColorAfter->setEnabled(checked);
    cbColorAfter->SetSelected(CurrentItem->GetStartColor());
    Ramp->update();
}

void TDlgColorPalette1D::ColorAfterSelected(uint32_t color)
{
    if (CurrentItem->GetUseColorAfter())
        CurrentItem->SetColorAfter(color);
    Ramp->update();
}

bool TDlgColorPalette1D::TakePosition()
{
    if (!PositionEdited)
        return true;
    PositionEdited = false;
    if (!IsInner(CurrentItem))
        return true;
    unitFactorPosMoreLess1 position = CurrentItem->GetPosition();
    bool ok = true;
    position.CheckEdit(ok, *editPosition, "Position");
    if (ok && Palette.PositionExists(position.GetValue(), CurrentItem)) {
        TGuiMessages().ShowInputError("This Position already exists in the pallette.");
        ok = false;
    }
    if (!ok) {
        CurrentItem->GetPosition().ShowInEdit(*editPosition);
        editPosition->setFocus();
        return false;
    }
    TColorPalette1DItem* previous = Palette.GetPreviousItem(CurrentItem);
    CurrentItem->SetPosition(position);
    Palette.MoveItem(CurrentItem, previous);
    ShowAll();
    return true;
}

bool TDlgColorPalette1D::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editPosition && event->type() == QEvent::FocusOut)
        TakePosition();
    return TOKHelpBottomDlg::eventFilter(watched, event);
}

void TDlgColorPalette1D::accept()
{
    if (!TakePosition())
        return;
    TOKHelpBottomDlg::accept();
}

void TDlgColorPalette1D::btnOpenClick()
{
    QFileDialog dialog(this, "Open Color Palette 1D");
    SetDialogWindowFlags(&dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(FileFilters);
    dialog.setDefaultSuffix("cp1");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenFile(dialog.selectedFiles().first().toStdString());
}

void TDlgColorPalette1D::OpenFile(const std::string& fileName)
{
    std::string error;
    if (!ReadColorPalette1DFile(Palette, fileName, error))
        TGuiMessages().ShowFileError("Cannot read file: \"" + fileName + "\": " + error);
    // The items the current one pointed at may be gone; the head never is.
    CurrentItem = &Palette;
    ShowAll();
}

void TDlgColorPalette1D::btnSaveClick()
{
    TSaveFileDialog dialog(this, "Save Color Palette 1D", FileFilters, "cp1");
    dialog.setNameFilter(FileFilters);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    if (const std::string file = dialog.ChosenFile(); !file.empty())
        SaveFile(file);
}

void TDlgColorPalette1D::SaveFile(const std::string& fileName)
{
    // The writer reports its own failure.
    WriteColorPalette1DFile(Palette, fileName);
}
