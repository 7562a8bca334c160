#include "music/gui/MDIChildDlgPlayers.h"

#include "foundation/commands/ActionCatalogue.h"
#include "foundation/commands/CommandSnapshot.h"
#include "foundation/gui/EditHelpers.h"
#include "foundation/gui/RadioGroup.h"
#include "foundation/gui/ToolBarIcons.h"
#include "foundation/gui/ValueLineEdit.h"
#include "music/NotePlayerKind.h"
#include "music/UnitPlayers.h"
#include "music/gui/PlayersNavigator.h"
#include "platform/HelpService.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using F = TPlayersField;
using Refresh = TPlayersRefresh;
using Nav = TPlayersNavigator;

// The fields of each page, with their labels and control names.
struct TPageField {
    int page;
    TPlayersField field;
    const char* label;
    const char* name;
    bool combo; // an editable list of names
};

constexpr TPageField PageFields[] = {
    {notePlayerFactory, F::Factory, "Name Factory", "cboFactory", true},
    {notePlayerSimpleSampler, F::SOSSampleWave, "Sample Wave", "cboPlaySOSSampleWave", true},
    {notePlayerSimpleSampler, F::SOSBasicFreq, "Basic Frequency:", "editPlaySOSBasicFreq", false},
    {notePlayerResonantSampler, F::RSSampleWave, "Sample Wave", "cboPlayRSSampleWave", true},
    {notePlayerResonantSampler, F::RSResonantFactor, "Resonant Factor", "editPlayRSResonantFactor", false},
    {notePlayerRepeatWaveForm, F::RWFSampleWave, "Sample Wave", "cboPlayRWFSampleWave", true},
    {notePlayerRollOutSampler, F::ROSSampleWave, "Sample Wave", "cboPlayROSSampleWave", true},
    {notePlayerRollOutSampler, F::ROSBasicFreq, "Basic Frequency:", "editPlayROSBasicFreq", false},
    {notePlayerRollOutWaveForm, F::ROWFSampleWave, "Sample Wave", "cboPlayROWFSampleWave", true},
};

// What each button of a navigator does, for the players and for the parts.
struct TNavigation {
    TPlayersRefresh (TPlayersPresenter::*players)();
    TPlayersRefresh (TPlayersPresenter::*parts)();
};

constexpr TNavigation ListEdits[] = {
    {&TPlayersPresenter::InsertPlayer, &TPlayersPresenter::InsertPart},
    {&TPlayersPresenter::AppendPlayer, &TPlayersPresenter::AppendPart},
    {&TPlayersPresenter::DeletePlayer, &TPlayersPresenter::DeletePart},
    {&TPlayersPresenter::MovePlayerPrev, &TPlayersPresenter::MovePartPrev},
    {&TPlayersPresenter::MovePlayerNext, &TPlayersPresenter::MovePartNext},
};

TValueLineEdit* ValueEdit(const char* name, QWidget* parent)
{
    auto* edit = new TValueLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QComboBox* NameCombo(const char* name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setObjectName(QString(name) + "Edit");
    return combo;
}

void SetFieldText(QWidget* widget, const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
}

} // namespace

TMDIChildDlgPlayers::TMDIChildDlgPlayers(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitPlayers> set)
    : TMDIChildQuarbel(mainForm), UnitPlayers(std::move(set)), presenter(UnitPlayers.get())
{
    setObjectName("DlgPlayers");
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The picture of the players' actions marks the window's kind.
    setWindowIcon(ToolBarIcon(ActionInfo(ActionId::FileNewPlay).image));
    BuildControls();
    setFixedSize(WindowWidth, WindowHeight);
    SetFileUnit(UnitPlayers.get());
    if (UnitPlayers)
        UnitPlayers->SetWindow(this);
    UpdateControls();
}

TMDIChildDlgPlayers::~TMDIChildDlgPlayers()
{
    // Fields that lose the focus while the window goes commit nothing.
    for (int i = 0; i < PlayersFieldCount; ++i) {
        if (!fields[i])
            continue;
        fields[i]->removeEventFilter(this);
        FieldEdit(static_cast<F>(i))->removeEventFilter(this);
    }
    presenter.SetUnitPlayers(nullptr);
    if (UnitPlayers)
        UnitPlayers->SetWindow(static_cast<TPlayersWindowAccess*>(nullptr));
    UnitPlayers.reset();
}

// ---------------------------------------------------------------- controls

void TMDIChildDlgPlayers::BuildControls()
{
    auto* form = new QWidget(this);
    form->setObjectName("PlayersForm");
    form->installEventFilter(this);
    auto* layout = new QVBoxLayout(form);

    grpPlay = new QGroupBox("Player", form);
    grpPlay->setObjectName("grpPlay");
    auto* playLayout = new QVBoxLayout(grpPlay);

    grpSub = new QGroupBox("Player Part", grpPlay);
    grpSub->setObjectName("grpSub");
    auto* subLayout = new QVBoxLayout(grpSub);
    // The kind's page, chosen by buttons in two rows of three.
    auto* tabs = new QGridLayout;
    tabs->setSpacing(2);
    pageButtons = new QButtonGroup(grpSub);
    for (const TNotePlayerKindInfo& info : NotePlayerKinds) {
        auto* tab = new QToolButton(grpSub);
        tab->setObjectName(QString("tab") + info.xmlElement);
        tab->setText(info.caption);
        tab->setCheckable(true);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // The page in force stands out, as a tab in front would.
        connect(tab, &QToolButton::toggled, tab, [tab](bool checked) {
            QFont font = tab->font();
            font.setBold(checked);
            tab->setFont(font);
        });
        pageButtons->addButton(tab, info.kind);
        tabs->addWidget(tab, info.kind / 3, info.kind % 3);
    }
    subLayout->addLayout(tabs);
    pcPlay = new QStackedWidget(grpSub);
    pcPlay->setObjectName("pcPlay");
    pcPlay->setFrameShape(QFrame::StyledPanel);
    for (int kind = 0; kind < NotePlayerKindCount; ++kind)
        pcPlay->addWidget(BuildPage(kind));
    // No part: no page.
    pcPlay->addWidget(new QWidget(pcPlay));
    subLayout->addWidget(pcPlay);

    auto* values = new QFormLayout;
    AddField(F::FreqFactor, ValueEdit("editPlayFreqFactor", grpSub));
    AddField(F::FreqUp, ValueEdit("editPlayFreqUp", grpSub));
    AddField(F::VolumeFactor, ValueEdit("editPlayVolumeFactor", grpSub));
    values->addRow("Frequency Factor", FieldWidget(F::FreqFactor));
    values->addRow("Frequency Add", FieldWidget(F::FreqUp));
    values->addRow("Volume Factor", FieldWidget(F::VolumeFactor));
    auto* valuesAndBalance = new QHBoxLayout;
    valuesAndBalance->addLayout(values, 1);

    auto* grpBalance = new QGroupBox(grpSub);
    grpBalance->setObjectName("grpBalance");
    auto* balanceLayout = new QGridLayout(grpBalance);
    chkPlayBalance = new QCheckBox("Balance", grpBalance);
    chkPlayBalance->setObjectName("chkPlayBalance");
    AddField(F::Balance, ValueEdit("editPlayBalance", grpBalance));
    chkPlayBalTimeDiff = new QCheckBox("Time Difference", grpBalance);
    chkPlayBalTimeDiff->setObjectName("chkPlayBalTimeDiff");
    QGroupBox* volDiff = MakeRadioGroup("Volume Difference", {"None", "Volume", "Filter"}, volDiffButtons, grpBalance);
    volDiff->setObjectName("rgrPlayBalVolDiff");
    balanceLayout->addWidget(chkPlayBalance, 0, 0);
    balanceLayout->addWidget(FieldWidget(F::Balance), 0, 1);
    balanceLayout->addWidget(chkPlayBalTimeDiff, 1, 0, 1, 2);
    balanceLayout->addWidget(volDiff, 0, 2, 2, 1);
    valuesAndBalance->addWidget(grpBalance);
    subLayout->addLayout(valuesAndBalance);
    playLayout->addWidget(grpSub);

    navSub = new TPlayersNavigator("Sub", grpPlay);
    playLayout->addWidget(navSub);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("Name Player", grpPlay));
    auto* name = new QLineEdit(grpPlay);
    name->setObjectName("editNamePlayer");
    AddField(F::NamePlayer, name);
    nameRow->addWidget(name, 1);
    playLayout->addLayout(nameRow);
    layout->addWidget(grpPlay);

    navPlay = new TPlayersNavigator("Play", form);
    layout->addWidget(navPlay);
    auto* help = new QPushButton("Help", form);
    help->setObjectName("HelpBtn");
    help->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(help);
    layout->addLayout(bottom);
    setWidget(form);

    connect(help, &QPushButton::clicked, this, [] { Help().ShowContext(HelpContext); });
    connect(pageButtons, &QButtonGroup::idClicked, this, [this](int page) { Apply(presenter.ChangeKind(page)); });
    connect(chkPlayBalance, &QCheckBox::clicked, this,
            [this](bool checked) { Apply(presenter.BalanceClicked(checked)); });
    connect(chkPlayBalTimeDiff, &QCheckBox::clicked, this,
            [this](bool checked) { Apply(presenter.TimeDiffClicked(checked)); });
    connect(volDiffButtons, &QButtonGroup::idClicked, this, [this](int item) { Apply(presenter.VolDiffClicked(item)); });
    auto navigate = [this](bool players) {
        return [this, players](Nav::Button button) {
            using M = TPlayersPresenter::TMove;
            if (button <= Nav::Last) {
                const M move = static_cast<M>(button);
                Apply(players ? presenter.MovePlayerCursor(move) : presenter.MovePartCursor(move));
                return;
            }
            const TNavigation& edit = ListEdits[button - Nav::Insert];
            Apply((presenter.*(players ? edit.players : edit.parts))());
        };
    };
    navPlay->OnClick(navigate(true));
    navSub->OnClick(navigate(false));
}

QWidget* TMDIChildDlgPlayers::BuildPage(int kind)
{
    auto* page = new QWidget(pcPlay);
    page->setObjectName(QString("page") + NotePlayerKinds[kind].xmlElement);
    auto* layout = new QFormLayout(page);
    for (const TPageField& each : PageFields) {
        if (each.page != kind)
            continue;
        QWidget* widget = each.combo ? static_cast<QWidget*>(NameCombo(each.name, page)) : ValueEdit(each.name, page);
        AddField(each.field, widget);
        layout->addRow(each.label, widget);
    }
    return page;
}

void TMDIChildDlgPlayers::AddField(TPlayersField field, QWidget* widget)
{
    fields[static_cast<int>(field)] = widget;
    QLineEdit* edit = FieldEdit(field);
    // A combo box takes the focus for its line edit.
    widget->installEventFilter(this);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, field] {
        lastEdited = field;
        Apply(presenter.FieldEdited(field));
    });
    // A name picked from the list counts as typed.
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        connect(combo, &QComboBox::activated, this, [this, field] {
            lastEdited = field;
            Apply(presenter.FieldEdited(field));
        });
}

QLineEdit* TMDIChildDlgPlayers::FieldEdit(TPlayersField field) const
{
    QWidget* widget = FieldWidget(field);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

bool TMDIChildDlgPlayers::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // A list or a message box opening, or another program, is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            for (int i = 0; i < PlayersFieldCount; ++i)
                if (fields[i] && (fields[i] == watched || FieldEdit(static_cast<F>(i)) == watched))
                    FieldLeft(static_cast<F>(i));
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == widget()) {
        // A click on the window itself shows the open waves and factories anew.
        FillNameLists();
        UpdateControls();
    }
    return TMDIChildQuarbel::eventFilter(watched, event);
}

void TMDIChildDlgPlayers::FieldLeft(TPlayersField field)
{
    QLineEdit* edit = FieldEdit(field);
    if (presenter.FieldExit(field, edit->text().toStdString()))
        return;
    // Refused: the old value stays and the field takes the focus back.
    QPointer<QLineEdit> refused(edit);
    QTimer::singleShot(0, this, [refused] {
        if (refused)
            refused->setFocus(Qt::OtherFocusReason);
    });
}

// ---------------------------------------------------------------- refilling

void TMDIChildDlgPlayers::UpdateControls()
{
    Apply(Refresh::PlayerControls);
}

void TMDIChildDlgPlayers::Apply(TPlayersRefresh refresh)
{
    if (refresh == Refresh::Nothing)
        return;
    const TPlayersView view = presenter.View();
    presenter.BeginUpdate();
    if (refresh >= Refresh::PlayerControls) {
        navPlay->Show(view.Players);
        QLineEdit* name = FieldEdit(F::NamePlayer);
        if (view.NameEnabled) {
            EnableEdit(name);
            name->setText(QString::fromStdString(view.Text(F::NamePlayer)));
        } else {
            DisableEdit(name, true);
        }
    }
    if (refresh >= Refresh::PartControls)
        navSub->Show(view.Parts);
    if (refresh >= Refresh::PartFields) {
        // Without a part only the part's own fields go off.
        grpSub->setEnabled(view.PartEnabled);
        pcPlay->setCurrentIndex(view.Page >= 0 ? view.Page : NotePlayerKindCount);
        if (QAbstractButton* tab = pageButtons->button(view.Page)) {
            tab->setChecked(true);
        } else {
            pageButtons->setExclusive(false);
            for (QAbstractButton* each : pageButtons->buttons())
                each->setChecked(false);
            pageButtons->setExclusive(true);
        }
        for (F field : {F::FreqFactor, F::FreqUp, F::VolumeFactor, F::Balance}) {
            if (view.PartEnabled)
                EnableEdit(FieldWidget(field));
            else
                DisableEdit(FieldWidget(field), true);
        }
        for (F field : {F::FreqFactor, F::FreqUp, F::VolumeFactor})
            SetFieldText(FieldWidget(field), view.Text(field));
        for (const TPageField& each : PageFields)
            if (each.page == view.Page)
                SetFieldText(FieldWidget(each.field), view.Text(each.field));
    }
    if (refresh >= Refresh::BalanceSwitches)
        ShowBalance(view, refresh >= Refresh::BalanceGroup);
    presenter.EndUpdate();
}

void TMDIChildDlgPlayers::ShowBalance(const TPlayersView& view, bool withText)
{
    chkPlayBalance->setChecked(view.BalanceChecked);
    chkPlayBalTimeDiff->setChecked(view.TimeDiffChecked);
    if (QAbstractButton* item = volDiffButtons->button(view.VolDiff)) {
        item->setChecked(true);
    } else {
        volDiffButtons->setExclusive(false);
        for (QAbstractButton* each : volDiffButtons->buttons())
            each->setChecked(false);
        volDiffButtons->setExclusive(true);
    }
    if (withText)
        SetFieldText(FieldWidget(F::Balance), view.Text(F::Balance));
}

void TMDIChildDlgPlayers::FillNameLists()
{
    presenter.BeginUpdate();
    QStringList waves;
    for (const WaveNameItem& item : presenter.WaveNames())
        waves.push_back(QString::fromStdString(item.name));
    QStringList factories;
    for (const std::string& name : presenter.FactoryNames())
        factories.push_back(QString::fromStdString(name));
    for (const TPageField& each : PageFields) {
        auto* combo = qobject_cast<QComboBox*>(FieldWidget(each.field));
        if (!combo)
            continue;
        // The typed name stays whatever the list holds.
        const QString text = combo->currentText();
        combo->clear();
        combo->addItems(each.field == F::Factory ? factories : waves);
        combo->setEditText(text);
    }
    presenter.EndUpdate();
}

// ---------------------------------------------------------------- the set

std::unique_ptr<TUnitPlayers> TMDIChildDlgPlayers::SetUnitPlayers(std::unique_ptr<TUnitPlayers> set)
{
    std::unique_ptr<TUnitPlayers> old = std::move(UnitPlayers);
    if (old)
        old->SetWindow(static_cast<TPlayersWindowAccess*>(nullptr));
    UnitPlayers = std::move(set);
    SetFileUnit(UnitPlayers.get());
    if (UnitPlayers)
        UnitPlayers->SetWindow(this);
    presenter.SetUnitPlayers(UnitPlayers.get());
    UpdateControls();
    return old;
}

void TMDIChildDlgPlayers::GoToPlayer(TCompoundPlayer* player)
{
    Apply(presenter.GoToPlayer(player));
}

void TMDIChildDlgPlayers::CommitPendingEdit()
{
    if (presenter.HasPendingEdit() && lastEdited != F::Count)
        FieldLeft(lastEdited);
}

void TMDIChildDlgPlayers::CloseWithoutQuestion()
{
    CloseWithoutQuestionFlag = true;
    close();
}

// ---------------------------------------------------------------- the window base

void TMDIChildDlgPlayers::FillCommandState(TCommandSnapshot& snapshot) const
{
    if (!UnitPlayers)
        return;
    snapshot.players.modifiedOrNew = UnitPlayers->IsModifiedOrNew();
    snapshot.players.hasFileName = !UnitPlayers->HasNoFileName();
}

bool TMDIChildDlgPlayers::NeedsSaving() const
{
    return UnitPlayers && UnitPlayers->IsModifiedOrNew();
}

bool TMDIChildDlgPlayers::SaveDocument()
{
    return UnitPlayers && Main.SaveUnit(*UnitPlayers);
}

void TMDIChildDlgPlayers::EvFormOnActivate()
{
    // Waves and factories opened meanwhile join the lists.
    FillNameLists();
    TMDIChildQuarbel::EvFormOnActivate();
    UpdateControls();
}

bool TMDIChildDlgPlayers::FormCloseQuery()
{
    if (CloseWithoutQuestionFlag)
        return true;
    // What was typed last counts before the question is asked.
    CommitPendingEdit();
    return TMDIChildQuarbel::FormCloseQuery();
}
