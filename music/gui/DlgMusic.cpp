#include "music/gui/DlgMusic.h"

#include "foundation/gui/ColorBox.h"
#include "foundation/gui/EditHelpers.h"
#include "foundation/gui/OKCancelDialogs.h"
#include "foundation/gui/ProgressWindow.h"
#include "foundation/gui/RadioGroup.h"
#include "music/UnitPlayers.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildDlgPlayers.h"
#include "music/gui/MDIChildMuz.h"
#include "music/gui/PlayersNavigator.h"
#include "platform/HelpService.h"
#include "wave/MainFormAccess.h"
#include "wave/window/gui/DialogFramePlacing.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* MakeCheck(const QString& name, const QString& caption, QWidget* parent)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

QComboBox* MakeCombo(const QString& name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumWidth(140);
    return combo;
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(110);
    return edit;
}

// Shows a combo box's text without anyone hearing it.
void ShowComboText(QComboBox* combo, const std::string& text)
{
    combo->setEditText(QString::fromStdString(text));
}

void FillCombo(QComboBox* combo, const std::vector<std::string>& names)
{
    const QString text = combo->currentText();
    combo->clear();
    for (const std::string& name : names)
        combo->addItem(QString::fromStdString(name));
    combo->setEditText(text);
}

void EnableAll(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

// The presenter ignores every event while the dialog fills its controls.
class TUpdating {
public:
    explicit TUpdating(TMusicStavesPresenter& presenter) : presenter(presenter) { presenter.BeginUpdate(); }
    ~TUpdating() { presenter.EndUpdate(); }
    TUpdating(const TUpdating&) = delete;
    TUpdating& operator=(const TUpdating&) = delete;

private:
    TMusicStavesPresenter& presenter;
};

} // namespace

TDlgMusic::TDlgMusic(MainFormGuiAccess& mainForm) : QDialog(mainForm.Widget()), Main(mainForm)
{
    setObjectName("DlgMusic");
    setWindowTitle("Music Staves");
    SetDialogWindowFlags(this);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    grpStave = new QGroupBox("Staff", this);
    grpStave->setObjectName("grpStave");
    layout->addWidget(grpStave);
    auto* staveLayout = new QVBoxLayout(grpStave);
    grpNoteGroup = new QGroupBox("Note Group", grpStave);
    grpNoteGroup->setObjectName("grpNoteGroup");
    staveLayout->addWidget(grpNoteGroup);
    BuildNoteGroup(grpNoteGroup);
    navGroup = new TPlayersNavigator("Group", grpStave);
    staveLayout->addWidget(navGroup);
    BuildStave(grpStave);
    navStave = new TPlayersNavigator("Stave", this);
    layout->addWidget(navStave);

    auto* buttons = new QHBoxLayout;
    btnApply = MakeButton("btnApply", "Apply", this);
    btnApply->setDefault(true);
    btnApply->setAutoDefault(true);
    btnClose = MakeButton("btnClose", "Close", this);
    HelpBtn = MakeButton("HelpBtn", "&Help", this);
    buttons->addStretch(1);
    for (QPushButton* button : {btnApply, btnClose, HelpBtn})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    Connect();
    adjustSize();
    setFixedSize(sizeHint());
    ShowAll();
}

void TDlgMusic::BuildNoteGroup(QWidget* parent)
{
    auto* grid = new QGridLayout(parent);
    chkPlayEnablePlay = MakeCheck("chkPlayEnablePlay", "Enable Play", parent);
    chkNoteGroupFactory = MakeCheck("chkNoteGroupFactory", "Process by Factory", parent);
    cboNoteGroupFactory = MakeCombo("cboNoteGroupFactory", parent);
    cboPlayerSet = MakeCombo("cboPlayerSet", parent);
    cboPlayer = MakeCombo("cboPlayer", parent);
    btnGoToPlayer = MakeButton("btnGoToPlayer", "Go To", parent);
    editPlayFreqFactor = MakeEdit("editPlayFreqFactor", parent);
    editPlayVolumeFactor = MakeEdit("editPlayVolumeFactor", parent);
    chkGroupDrawSticksUp = MakeCheck("chkGroupDrawSticksUp", "Stem Facing Up", parent);
    chkGroupDrawSticksDown = MakeCheck("chkGroupDrawSticksDown", "Stem Facing Down", parent);
    grpGroupNoteShape = MakeRadioGroup("Note Head Shape", {"Normal", "Rectangle", "Triangle", "Diagonal Cross"},
                                       grpGroupNoteShapeButtons, parent);
    grpGroupNoteShape->setObjectName("grpGroupNoteShape");
    colbGroupNoteColor = new TColorBox(parent);
    colbGroupNoteColor->setObjectName("colbGroupNoteColor");
    btnGroupPlayBeforeFact = MakeButton("btnGroupPlayBeforeFact", "Play", parent);
    btnGroupGenBeforeFact = MakeButton("btnGroupGenBeforeFact", "Generate", parent);
    btnGroupPlayAfterFact = MakeButton("btnGroupPlayAfterFact", "Play", parent);
    btnGroupGenAfterFact = MakeButton("btnGroupGenAfterFact", "Generate", parent);

    int row = 0;
    grid->addWidget(chkPlayEnablePlay, row, 0);
    grid->addWidget(chkNoteGroupFactory, row, 1);
    grid->addWidget(cboNoteGroupFactory, row++, 2, 1, 2);
    grid->addWidget(new QLabel("Name Player Set", parent), row, 0);
    grid->addWidget(cboPlayerSet, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Name Player", parent), row, 0);
    grid->addWidget(cboPlayer, row, 1, 1, 2);
    grid->addWidget(btnGoToPlayer, row++, 3);
    grid->addWidget(new QLabel("Frequency Factor", parent), row, 0);
    grid->addWidget(editPlayFreqFactor, row, 1);
    grid->addWidget(new QLabel("Volume Factor", parent), row, 2);
    grid->addWidget(editPlayVolumeFactor, row++, 3);
    grid->addWidget(chkGroupDrawSticksUp, row, 0);
    grid->addWidget(chkGroupDrawSticksDown, row++, 1);
    grid->addWidget(grpGroupNoteShape, row, 0, 2, 2);
    grid->addWidget(new QLabel("Note Head", parent), row, 2);
    grid->addWidget(colbGroupNoteColor, row++, 3);
    row++;
    grid->addWidget(btnGroupPlayBeforeFact, row, 0);
    grid->addWidget(btnGroupGenBeforeFact, row, 1);
    grid->addWidget(new QLabel("Play or Generate: Note Group Before Factory", parent), row++, 2, 1, 2);
    grid->addWidget(btnGroupPlayAfterFact, row, 0);
    grid->addWidget(btnGroupGenAfterFact, row, 1);
    grid->addWidget(new QLabel("Play or Generate: Note Group After Factory", parent), row++, 2, 1, 2);
}

void TDlgMusic::BuildStave(QWidget* parent)
{
    auto* grid = new QGridLayout;
    static_cast<QVBoxLayout*>(parent->layout())->addLayout(grid);
    chkStaveEnablePlayAndDraw = MakeCheck("chkStaveEnablePlayAndDraw", "Enable Play and Draw", parent);
    chkStaveFactory = MakeCheck("chkStaveFactory", "Process by Factory", parent);
    cboStaveFactory = MakeCombo("cboStaveFactory", parent);
    btnStavePlayBeforeFact = MakeButton("btnStavePlayBeforeFact", "Play", parent);
    btnStaveGenBeforeFact = MakeButton("btnStaveGenBeforeFact", "Generate", parent);
    btnStavePlayAfterFact = MakeButton("btnStavePlayAfterFact", "Play", parent);
    btnStaveGenAfterFact = MakeButton("btnStaveGenAfterFact", "Generate", parent);
    btnGoToStave = MakeButton("btnGoToStave", "Go To Staff", parent);
    editStaveRoomUp = MakeEdit("editStaveRoomUp", parent);
    editStaveRoomDown = MakeEdit("editStaveRoomDown", parent);
    chkStaveAllowJoinFlags = MakeCheck("chkStaveAllowJoinFlags", "Allow Join Flags", parent);
    chkStaveExtraLines = MakeCheck("chkStaveExtraLines", "Draw Extra Horizontal Lines", parent);
    colbStaveForeground = new TColorBox(parent);
    colbStaveForeground->setObjectName("colbStaveForeground");
    colbStaveBackground = new TColorBox(parent);
    colbStaveBackground->setObjectName("colbStaveBackground");

    int row = 0;
    grid->addWidget(chkStaveEnablePlayAndDraw, row, 0);
    grid->addWidget(chkStaveFactory, row, 1);
    grid->addWidget(cboStaveFactory, row++, 2, 1, 2);
    grid->addWidget(btnStavePlayBeforeFact, row, 0);
    grid->addWidget(btnStaveGenBeforeFact, row, 1);
    grid->addWidget(new QLabel("Play or Generate: Staff Before Factory", parent), row++, 2, 1, 2);
    grid->addWidget(btnStavePlayAfterFact, row, 0);
    grid->addWidget(btnStaveGenAfterFact, row, 1);
    grid->addWidget(new QLabel("Play or Generate: Staff After Factory", parent), row++, 2, 1, 2);
    grid->addWidget(btnGoToStave, row, 0);
    grid->addWidget(new QLabel("Room Up:", parent), row, 1);
    grid->addWidget(editStaveRoomUp, row, 2);
    grid->addWidget(new QLabel("Room Down:", parent), row, 3);
    grid->addWidget(editStaveRoomDown, row++, 4);
    grid->addWidget(chkStaveAllowJoinFlags, row, 0);
    grid->addWidget(chkStaveExtraLines, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Foreground", parent), row, 0);
    grid->addWidget(colbStaveForeground, row, 1);
    grid->addWidget(new QLabel("Background", parent), row, 2);
    grid->addWidget(colbStaveBackground, row++, 3);
}

void TDlgMusic::Connect()
{
    using P = TMusicStavesPresenter;
    using B = TPlayersNavigator;
    navStave->OnClick([this](B::Button button) {
        switch (button) {
        case B::First: presenter.MoveStaveCursor(P::TMove::First); break;
        case B::Previous: presenter.MoveStaveCursor(P::TMove::Previous); break;
        case B::Next: presenter.MoveStaveCursor(P::TMove::Next); break;
        case B::Last: presenter.MoveStaveCursor(P::TMove::Last); break;
        case B::Insert: presenter.InsertStave(); break;
        case B::Append: presenter.AppendStave(); break;
        case B::Delete: presenter.DeleteStave(); break;
        case B::MovePrev: presenter.MoveStavePrev(); break;
        case B::MoveNext: presenter.MoveStaveNext(); break;
        default: break;
        }
        Refresh();
    });
    navGroup->OnClick([this](B::Button button) {
        switch (button) {
        case B::First: presenter.MoveGroupCursor(P::TMove::First); break;
        case B::Previous: presenter.MoveGroupCursor(P::TMove::Previous); break;
        case B::Next: presenter.MoveGroupCursor(P::TMove::Next); break;
        case B::Last: presenter.MoveGroupCursor(P::TMove::Last); break;
        case B::Insert: presenter.InsertGroup(); break;
        case B::Append: presenter.AppendGroup(); break;
        case B::Delete: presenter.DeleteGroup(); break;
        case B::MovePrev: presenter.MoveGroupPrev(); break;
        case B::MoveNext: presenter.MoveGroupNext(); break;
        default: break;
        }
        Refresh();
    });

    connect(colbStaveForeground, &TColorBox::ColorSelected, this, [this](uint32_t c) { presenter.ForegroundChanged(c); });
    connect(colbStaveBackground, &TColorBox::ColorSelected, this, [this](uint32_t c) { presenter.BackgroundChanged(c); });
    connect(colbGroupNoteColor, &TColorBox::ColorSelected, this, [this](uint32_t c) { presenter.NoteColorChanged(c); });
    connect(chkStaveAllowJoinFlags, &QCheckBox::clicked, this, [this](bool c) { presenter.AllowJoinFlagsClicked(c); });
    connect(chkStaveEnablePlayAndDraw, &QCheckBox::clicked, this,
            [this](bool c) { presenter.EnablePlayAndDrawClicked(c); });
    connect(chkStaveExtraLines, &QCheckBox::clicked, this, [this](bool c) { presenter.ExtraLinesClicked(c); });
    connect(chkPlayEnablePlay, &QCheckBox::clicked, this, [this](bool c) { presenter.EnablePlayClicked(c); });
    auto stem = [this](bool up, bool checked) {
        presenter.StemClicked(up, checked);
        TUpdating updating(presenter);
        const TMusicStavesView view = presenter.View();
        chkGroupDrawSticksUp->setChecked(view.StemUp);
        chkGroupDrawSticksDown->setChecked(view.StemDown);
    };
    connect(chkGroupDrawSticksUp, &QCheckBox::clicked, this, [stem](bool c) { stem(true, c); });
    connect(chkGroupDrawSticksDown, &QCheckBox::clicked, this, [stem](bool c) { stem(false, c); });
    connect(grpGroupNoteShapeButtons, &QButtonGroup::idClicked, this, [this](int id) { presenter.ShapeClicked(id); });

    auto factoryBox = [this](QCheckBox* box, QComboBox* combo, bool stave) {
        connect(box, &QCheckBox::clicked, this, [this, combo, stave](bool checked) {
            if (stave ? presenter.StaveFactoryClicked(checked) : presenter.GroupFactoryClicked(checked)) {
                TUpdating updating(presenter);
                combo->setEditText({});
            }
        });
        connect(combo, &QComboBox::currentTextChanged, this, [this, box, stave](const QString& text) {
            if (presenter.IsUpdating())
                return;
            const bool used = stave ? presenter.StaveFactoryTyped(text.toStdString())
                                    : presenter.GroupFactoryTyped(text.toStdString());
            TUpdating updating(presenter);
            box->setChecked(used);
        });
    };
    factoryBox(chkStaveFactory, cboStaveFactory, true);
    factoryBox(chkNoteGroupFactory, cboNoteGroupFactory, false);
    connect(cboPlayerSet, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        presenter.PlayerSetTyped(text.toStdString());
        FillPlayerNames();
        UpdateGoToPlayer();
    });
    connect(cboPlayer, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        presenter.PlayerTyped(text.toStdString());
        UpdateGoToPlayer();
    });

    for (QLineEdit* edit : {editStaveRoomUp, editStaveRoomDown, editPlayFreqFactor, editPlayVolumeFactor}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { presenter.FieldEdited(); });
        edit->installEventFilter(this);
    }

    const std::pair<QPushButton*, std::pair<bool, bool>> stavePlays[] = {
        {btnStavePlayBeforeFact, {false, false}}, {btnStaveGenBeforeFact, {true, false}},
        {btnStavePlayAfterFact, {false, true}},   {btnStaveGenAfterFact, {true, true}}};
    for (const auto& [button, how] : stavePlays)
        connect(button, &QPushButton::clicked, this,
                [this, how] {
                    TProgressWindow progress(this);
                    presenter.PlayOrGenerateStave(how.first, how.second);
                });
    const std::pair<QPushButton*, std::pair<bool, bool>> groupPlays[] = {
        {btnGroupPlayBeforeFact, {false, false}}, {btnGroupGenBeforeFact, {true, false}},
        {btnGroupPlayAfterFact, {false, true}},   {btnGroupGenAfterFact, {true, true}}};
    for (const auto& [button, how] : groupPlays)
        connect(button, &QPushButton::clicked, this,
                [this, how] {
                    TProgressWindow progress(this);
                    presenter.PlayOrGenerateNoteGroup(how.first, how.second);
                });
    connect(btnGoToPlayer, &QPushButton::clicked, this, [this] { GoToPlayerClick(); });
    connect(btnGoToStave, &QPushButton::clicked, this, [this] { GoToStaveClick(); });
    connect(btnApply, &QPushButton::clicked, this, [this] { ApplyBtnClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    // Closed by Close, the close box or Escape: only hidden, and the main window's check goes.
    connect(this, &QDialog::finished, this, [this] { Main.MusicDialogClosed(); });
    connect(HelpBtn, &QPushButton::clicked, this, [] { Help().ShowContext(HelpContext); });
}

// ---------------------------------------------------------------- following the music

void TDlgMusic::SetUnitMuz(TMDIChildMuz* window)
{
    presenter.SetUnitMuz(window ? window->GetUnitMuz() : nullptr);
    ShowAll();
}

void TDlgMusic::StaveChanged(TNoteStave* stave)
{
    if (!stave || stave != presenter.GetNoteStave())
        return;
    TUpdating updating(presenter);
    ShowStave(presenter.View());
}

void TDlgMusic::ShowAll()
{
    TUpdating updating(presenter);
    const TMusicStavesView view = presenter.View();
    btnApply->setEnabled(view.ApplyEnabled);
    navStave->Show(view.Staves);
    navGroup->Show(view.Groups);
    ShowStave(view);
    ShowNoteGroup(view);
}

void TDlgMusic::Refresh()
{
    ShowAll();
}

void TDlgMusic::ShowStave(const TMusicStavesView& view)
{
    const bool on = view.StaveEnabled;
    for (QLineEdit* edit : {editStaveRoomUp, editStaveRoomDown}) {
        if (on)
            EnableEdit(edit);
        else
            DisableEdit(edit, true);
    }
    if (on) {
        editStaveRoomUp->setText(QString::fromStdString(view.RoomUp));
        editStaveRoomDown->setText(QString::fromStdString(view.RoomDown));
        colbStaveForeground->SetSelected(view.Foreground);
        colbStaveBackground->SetSelected(view.Background);
    }
    chkStaveAllowJoinFlags->setChecked(on && view.AllowJoinFlags);
    chkStaveEnablePlayAndDraw->setChecked(view.EnablePlayAndDraw);
    chkStaveExtraLines->setChecked(on && view.ExtraLines);
    chkStaveFactory->setChecked(on && view.StaveFactoryUsed);
    ShowComboText(cboStaveFactory, on ? view.StaveFactory : std::string());
    EnableAll({chkStaveAllowJoinFlags, chkStaveEnablePlayAndDraw, chkStaveExtraLines, btnStavePlayBeforeFact,
               btnStaveGenBeforeFact, btnStavePlayAfterFact, btnStaveGenAfterFact, colbStaveForeground,
               colbStaveBackground, chkStaveFactory, cboStaveFactory, btnGoToStave},
              on);
    // Without a sound device Play would do nothing.
    const bool playable = on && Main.PlayRecordEnabled();
    btnStavePlayBeforeFact->setEnabled(playable);
    btnStavePlayAfterFact->setEnabled(playable);
}

void TDlgMusic::ShowNoteGroup(const TMusicStavesView& view)
{
    const bool on = view.GroupEnabled;
    chkGroupDrawSticksUp->setChecked(on && view.StemUp);
    chkGroupDrawSticksDown->setChecked(on && view.StemDown);
    grpGroupNoteShapeButtons->setExclusive(false);
    for (QAbstractButton* button : grpGroupNoteShapeButtons->buttons())
        button->setChecked(on && grpGroupNoteShapeButtons->id(button) == view.Shape);
    grpGroupNoteShapeButtons->setExclusive(true);
    if (on)
        colbGroupNoteColor->SetSelected(view.NoteColor);
    ShowComboText(cboPlayerSet, on ? view.PlayerSet : std::string());
    FillPlayerNames();
    ShowComboText(cboPlayer, on ? view.Player : std::string());
    for (QLineEdit* edit : {editPlayFreqFactor, editPlayVolumeFactor}) {
        if (on)
            EnableEdit(edit);
        else
            DisableEdit(edit, true);
    }
    if (on) {
        editPlayVolumeFactor->setText(QString::fromStdString(view.VolumeFactor));
        editPlayFreqFactor->setText(QString::fromStdString(view.FreqFactor));
    }
    ShowComboText(cboNoteGroupFactory, on ? view.GroupFactory : std::string());
    chkPlayEnablePlay->setChecked(on && view.EnablePlay);
    chkNoteGroupFactory->setChecked(on && view.GroupFactoryUsed);
    EnableAll({chkPlayEnablePlay, chkNoteGroupFactory, cboNoteGroupFactory, cboPlayerSet, cboPlayer,
               chkGroupDrawSticksUp, chkGroupDrawSticksDown, grpGroupNoteShape, colbGroupNoteColor,
               btnGroupPlayBeforeFact, btnGroupGenBeforeFact, btnGroupPlayAfterFact, btnGroupGenAfterFact},
              on);
    const bool playable = on && Main.PlayRecordEnabled();
    btnGroupPlayBeforeFact->setEnabled(playable);
    btnGroupPlayAfterFact->setEnabled(playable);
    UpdateGoToPlayer();
}

void TDlgMusic::FillNames()
{
    TUpdating updating(presenter);
    FillCombo(cboPlayerSet, presenter.PlayerSetNames());
    FillPlayerNames();
    const std::vector<std::string> factories = presenter.FactoryNames();
    FillCombo(cboStaveFactory, factories);
    FillCombo(cboNoteGroupFactory, factories);
}

void TDlgMusic::FillPlayerNames()
{
    TUpdating updating(presenter);
    FillCombo(cboPlayer, presenter.PlayerNames(cboPlayerSet->currentText().toStdString()));
}

void TDlgMusic::UpdateGoToPlayer()
{
    btnGoToPlayer->setEnabled(!cboPlayer->currentText().isEmpty() && !cboPlayerSet->currentText().isEmpty());
}

// ---------------------------------------------------------------- fields

bool TDlgMusic::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn)
        lastField = edit;
    if (edit && event->type() == QEvent::FocusOut)
        FieldLeft(edit);
    return QDialog::eventFilter(watched, event);
}

void TDlgMusic::FieldLeft(QLineEdit* edit)
{
    const TMusicStavesField field = edit == editStaveRoomUp     ? TMusicStavesField::RoomUp
                                    : edit == editStaveRoomDown ? TMusicStavesField::RoomDown
                                    : edit == editPlayFreqFactor ? TMusicStavesField::FreqFactor
                                                                 : TMusicStavesField::VolumeFactor;
    if (presenter.FieldExit(field, edit->text().toStdString()))
        return;
    // Refused: the user stays in the field.
    QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
}

void TDlgMusic::ApplyBtnClick()
{
    // The field being typed in is applied; the focus stays in it.
    if (lastField && lastField->isEnabled())
        FieldLeft(lastField);
}

// ---------------------------------------------------------------- going places

void TDlgMusic::GoToPlayerClick()
{
    TUnitPlayers* set = nullptr;
    TCompoundPlayer* player = nullptr;
    if (!presenter.FindPlayerOf(cboPlayerSet->currentText().toStdString(), cboPlayer->currentText().toStdString(),
                                set, player))
        return;
    if (TMDIChildDlgPlayers* window = Main.PlayersWindowOf(*set)) {
        window->GoToPlayer(player);
        Main.ActivateChild(window);
        window->setFocus();
    }
}

void TDlgMusic::GoToStaveClick()
{
    TUnitMuz* unit = presenter.GetUnitMuz();
    auto* window = unit ? dynamic_cast<TMDIChildMuz*>(unit->GetMusicView()) : nullptr;
    if (window && presenter.GetNoteStave())
        window->ScrollToStave(presenter.GetNoteStave());
}

// ---------------------------------------------------------------- showing and closing

void TDlgMusic::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    PlaceDialogAtMainFormEdges(*this);
    SetUnitMuz(Main.ActiveMuzWindow());
}

bool TDlgMusic::event(QEvent* event)
{
    // While the dialog is active, typed keys are its own and fire no shortcut;
    // lists of sets, players and factories opened meanwhile are read again.
    if (event->type() == QEvent::WindowActivate) {
        MainForm().SetModelessDialogActive(true);
        FillNames();
        ShowAll();
    } else if (event->type() == QEvent::WindowDeactivate) {
        MainForm().SetModelessDialogActive(false);
    }
    return QDialog::event(event);
}
