#include "music/gui/DlgMusTree.h"

#include "foundation/BusyCursor.h"
#include "foundation/gui/EditHelpers.h"
#include "foundation/gui/OKCancelDialogs.h"
#include "foundation/gui/ProgressWindow.h"
#include "music/document/MusicNavigation.h"
#include "music/document/MusicPlaying.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildMuz.h"
#include "music/gui/MusicTreeWidgetSink.h"
#include "music/parts/PartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "platform/HelpService.h"
#include "wave/MainFormAccess.h"
#include "wave/window/gui/DialogFramePlacing.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace {

using C = TPartsCommand;
using R = TPartsRow;

struct TCommandInfo {
    C command;
    const char* name;
    const char* menu;
    const char* caption;
    const char* hint; // short|long, as the toolbar shows them
    bool separatorAfter;
};

constexpr TCommandInfo CommandInfos[] = {
    {C::InsertSingle, "cmdInsertSingle", "&Add", "&Insert Single",
     "Insert Single before|Insert a new Single Music Part before the selected Music Part", false},
    {C::AppendSingle, "cmdAppendSingle", "&Add", "&Append Single",
     "Append Single after|Append a new Single Music Part after the selected Music Part", true},
    {C::AddLoop, "cmdAddLoop", "&Add", "&Repeat", "Add Repeat|Add a new Repeat Music Part in the Tree", false},
    {C::AddTurns, "cmdAddTurns", "&Add", "&Turns", "Add Turns|Add a new Turns Music Part in the Tree", true},
    {C::AddTurn, "cmdAddTurn", "&Add", "T&urn", "Add Turn Item|Add a new Turn Item to the selected Repeat Music Part",
     false},
    {C::MoveForward, "cmdMoveForward", "&Move", "&Forward", "Move Forward|Moves selected subtree forward", false},
    {C::MoveBackward, "cmdMoveBackward", "&Move", "&Backward", "Move Backward|Moves selected subtree backward", true},
    {C::MoveForwardIn, "cmdMoveForwardIn", "&Move", "Forward into &Next",
     "Move Forward Into|Move selected Subtree Forward into the Next Subtree", false},
    {C::MoveBackwardIn, "cmdMoveBackwardIn", "&Move", "Backward into &Previous",
     "Move Backward Into|Move selected Subtree Backward into the Previous Subtree", true},
    {C::MoveForwardOut, "cmdMoveForwardOut", "&Move", "Forward &out",
     "Move Forward Out|Move selected Subtree Forward out of the Parent Subtree", false},
    {C::MoveBackwardOut, "cmdMoveBackwardOut", "&Move", "Backward o&ut",
     "Move Backward Out|Move selected Subtree Backward out of the Parent Subtree", false},
    {C::Delete, "cmdDelete", "&Delete", "&Part", "Delete Music Part|Delete Music Part", false},
    {C::Expand, "cmdTreeExpand", "&View", "&Expand", "Expand|Expand", false},
    {C::ExpandAll, "cmdTreeExpandAll", "&View", "E&xpand All", "Expand All|Expand All", true},
    {C::Collapse, "cmdTreeCollapse", "&View", "&Collapse", "Collapse|Collapse", false},
    {C::CollapseAll, "cmdTreeCollapseAll", "&View", "C&ollapse All", "Collapse All|Collapse All", false},
    {C::GotoBegin, "cmdGotoBegin", "&Go To Symbol", "&Begin",
     "Go to First Symbol of Selected Music Part|Go to First Symbol of Selected Music Part", false},
    {C::GotoEnd, "cmdGotoEnd", "&Go To Symbol", "&End",
     "Go to Last Symbol of Selected Music Part|Go to Last Symbol of Selected Music Part", false},
};

struct TRowInfo {
    R row;
    const char* label;
    const char* edit;
    const char* extra; // the second field of a result tempo row
    bool editable;
};

constexpr TRowInfo RowInfos[] = {
    {R::Count, "Count", "editCount", nullptr, true},
    {R::Pitch, "Pitch", "editPitch", nullptr, true},
    {R::Octave, "Octave", "editOctave", nullptr, false},
    {R::Tempo, "Tempo", "editTempoFactor", nullptr, true},
    {R::TempoStart, "Tempo Start", "editTempoStart", nullptr, true},
    {R::TempoEnd, "Tempo End", "editTempoEnd", nullptr, true},
    {R::TimeStart, "Time Start", "editTimeStart", nullptr, false},
    {R::TimeEnd, "Time End", "editTimeEnd", nullptr, false},
    {R::TimeLength, "Time Length", "editTimeLength", nullptr, false},
    {R::PositionStart, "Position Start", "editPositionStart", nullptr, false},
    {R::PositionEnd, "Position End", "editPositionEnd", nullptr, false},
    {R::PositionLength, "Position Length", "editPositionLength", nullptr, false},
    {R::ResultPitch, "Pitch", "editPitch2", nullptr, false},
    {R::ResultTempoStart, "Tempo Start", "editTempoStart2", "editTempoStart2Extra", false},
    {R::ResultTempoEnd, "Tempo End", "editTempoEnd2", "editTempoEnd2Extra", false},
    {R::TurnItem, "Turn Item", "editTurnItem", nullptr, false},
};

QLineEdit* MakeField(const char* name, bool editable, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(!editable);
    if (!editable)
        DisableEdit(edit, false);
    return edit;
}

// The dialog fills its own controls: no handler writes into the music meanwhile.
class TUpdate {
public:
    explicit TUpdate(int& count) : count(count) { ++count; }
    ~TUpdate() { --count; }
    TUpdate(const TUpdate&) = delete;
    TUpdate& operator=(const TUpdate&) = delete;

private:
    int& count;
};

} // namespace

TDlgMusTree::TDlgMusTree(MainFormGuiAccess& mainForm) : QDialog(mainForm.Widget()), Main(mainForm)
{
    setObjectName("DlgMusTree");
    setWindowTitle("Music Parts");
    SetDialogWindowFlags(this);
    setModal(false);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    MainMenuMuzTree = new QMenuBar(this);
    MainMenuMuzTree->setObjectName("MainMenuMuzTree");
    layout->setMenuBar(MainMenuMuzTree);
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setIconSize(QSize(24, 24));
    layout->addWidget(ToolBar1);
    BuildCommands();

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    tcMusic = new QTabBar(this);
    tcMusic->setObjectName("tcMusic");
    tcMusic->addTab("Music Structure");
    tcMusic->addTab("Music Result");
    // Both captions stay whole: the tree's column keeps the room they need
    // instead of scrolling them when the wider result rows are shown.
    tcMusic->setUsesScrollButtons(false);
    tcMusic->setElideMode(Qt::ElideNone);
    tvMusParts = new QTreeWidget(this);
    tvMusParts->setObjectName("tvMusParts");
    tvMusParts->setHeaderHidden(true);
    tvMusParts->setIconSize(QSize(20, 20));
    tvMusParts->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    left->addWidget(tcMusic);
    left->addWidget(tvMusParts, 1);
    body->addLayout(left, 1);
    auto* panel = new QGroupBox("Music Part", this);
    panel->setObjectName("grpMusParts");
    BuildPanel(panel);
    body->addWidget(panel);
    layout->addLayout(body, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("Basic Tempo", this));
    editTempoTime = MakeField("editTempoTime", true, this);
    editTempoTime->installEventFilter(this);
    connect(editTempoTime, &QLineEdit::textEdited, this, [this] {
        if (UpdateCount > 0)
            return;
        PendingEdit = editTempoTime;
        EditError = false;
    });
    bottom->addWidget(editTempoTime);
    bottom->addStretch(1);
    btnApply = new QPushButton("Apply", this);
    btnApply->setObjectName("btnApply");
    btnClose = new QPushButton("Close", this);
    btnClose->setObjectName("btnClose");
    HelpBtn = new QPushButton("&Help", this);
    HelpBtn->setObjectName("HelpBtn");
    for (QPushButton* button : {btnApply, btnClose, HelpBtn}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    // Enter in a field is Apply, never Play or Generate.
    btnApply->setDefault(true);
    layout->addLayout(bottom);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    layout->addWidget(StatusBar1);

    connect(tcMusic, &QTabBar::currentChanged, this, &TDlgMusTree::TabChanged);
    connect(tvMusParts, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { TreeSelectionChanged(node); });
    connect(tvMusParts, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) {
        TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(node);
        if (UpdateCount == 0 && UnitMuz && item)
            RenameTreeItem(*UnitMuz, *item, node->text(0).toStdString());
    });
    auto expanded = [this](QTreeWidgetItem* node, bool state) {
        TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(node);
        if (UpdateCount == 0 && UnitMuz && item)
            StoreExpanded(*UnitMuz, *item, state);
    };
    connect(tvMusParts, &QTreeWidget::itemExpanded, this, [expanded](QTreeWidgetItem* node) { expanded(node, true); });
    connect(tvMusParts, &QTreeWidget::itemCollapsed, this,
            [expanded](QTreeWidgetItem* node) { expanded(node, false); });
    connect(chkPlayDraw, &QCheckBox::clicked, this, [this] {
        TPartMuz* part = GetSelectedPartMuz();
        if (UpdateCount > 0 || !UnitMuz || !part)
            return;
        const Qt::CheckState clicked = chkPlayDraw->checkState();
        const TPlayDrawState state = clicked == Qt::Unchecked          ? TPlayDrawState::Unchecked
                                     : clicked == Qt::PartiallyChecked ? TPlayDrawState::Grayed
                                                                       : TPlayDrawState::Checked;
        const TPlayDrawState shown = PlayDrawClicked(*UnitMuz, *part, state);
        TUpdate update(UpdateCount);
        chkPlayDraw->setCheckState(shown == TPlayDrawState::Unchecked ? Qt::Unchecked
                                   : shown == TPlayDrawState::Grayed  ? Qt::PartiallyChecked
                                                                      : Qt::Checked);
    });
    connect(btnPlay, &QPushButton::clicked, this, [this] { PlayOrGenerate(false); });
    connect(btnGen, &QPushButton::clicked, this, [this] { PlayOrGenerate(true); });
    // A click on Apply takes the focus from the field, which applies it; Enter
    // leaves the focus where it is, so Apply applies the field itself.
    connect(btnApply, &QPushButton::clicked, this, [this] { CommitEdit(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, [] { Help().ShowContext(HelpContext); });
    connect(this, &QDialog::finished, this, [this] { Main.MusTreeDialogClosed(); });
    resize(620, 460);
    RefreshAll();
}

TDlgMusTree::~TDlgMusTree()
{
    // The main window deletes its document windows first: emptying the tree
    // must not apply a pending field to a music that is gone.
    ++UpdateCount;
    // The nodes point into the result tree: they go first.
    tvMusParts->clear();
}

void TDlgMusTree::BuildCommands()
{
    std::map<std::string, QMenu*> menus;
    for (const TCommandInfo& info : CommandInfos) {
        QMenu*& menu = menus[info.menu];
        if (!menu)
            menu = MainMenuMuzTree->addMenu(QString::fromUtf8(info.menu));
        const QString hint = QString::fromUtf8(info.hint);
        auto* action = new QAction(QString::fromUtf8(info.caption), this);
        action->setObjectName(info.name);
        action->setToolTip(hint.section('|', 0, 0));
        action->setStatusTip(hint.section('|', 1, 1));
        action->setEnabled(false);
        menu->addAction(action);
        if (info.separatorAfter)
            menu->addSeparator();
        ToolBar1->addAction(action);
        if (info.separatorAfter)
            ToolBar1->addSeparator();
        const C command = info.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        commands[static_cast<int>(info.command)] = action;
    }
}

void TDlgMusTree::BuildPanel(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    chkPlayDraw = new QCheckBox("Enable Play and Draw Subtree", panel);
    chkPlayDraw->setObjectName("chkPlayDraw");
    chkPlayDraw->setTristate(true);
    layout->addWidget(chkPlayDraw);
    rowPanel = new QWidget(panel);
    new QVBoxLayout(rowPanel);
    rowPanel->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rowPanel);
    for (const TRowInfo& info : RowInfos) {
        TRow& row = rows[static_cast<int>(info.row)];
        row.line = new QWidget(rowPanel);
        auto* line = new QHBoxLayout(row.line);
        line->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(QString::fromUtf8(info.label), row.line);
        label->setMinimumWidth(90);
        line->addWidget(label);
        row.edit = MakeField(info.edit, info.editable, row.line);
        line->addWidget(row.edit);
        row.extra = info.extra ? MakeField(info.extra, false, row.line) : nullptr;
        if (row.extra)
            line->addWidget(row.extra);
        if (info.editable) {
            QLineEdit* edit = row.edit;
            connect(edit, &QLineEdit::textEdited, this, [this, edit] {
                if (UpdateCount > 0)
                    return;
                PendingEdit = edit;
                EditError = false;
                SelectedNode = tvMusParts->currentItem();
            });
            edit->installEventFilter(this);
        }
        row.line->hide();
    }
    // The octave follows the pitch, typed or shown.
    QLineEdit* pitch = rows[static_cast<int>(R::Pitch)].edit;
    connect(pitch, &QLineEdit::textChanged, this, [this, pitch] {
        rows[static_cast<int>(R::Octave)].edit->setText(QString::fromStdString(OctaveTextOf(pitch->text().toStdString())));
    });
    layout->addStretch(1);
    auto* sub = new QHBoxLayout;
    btnPlay = new QPushButton("Play", panel);
    btnPlay->setObjectName("btnPlay");
    btnGen = new QPushButton("Generate", panel);
    btnGen->setObjectName("btnGen");
    for (QPushButton* button : {btnPlay, btnGen}) {
        button->setAutoDefault(false);
        sub->addWidget(button);
    }
    sub->addWidget(new QLabel("Play or Generate: Sub Tree", panel));
    layout->addLayout(sub);
}

// ---------------------------------------------------------------- following the music

void TDlgMusTree::SetUnitMuz(TMDIChildMuz* window)
{
    TUnitMuz* unit = window ? window->GetUnitMuz() : nullptr;
    if (unit == UnitMuz)
        return;
    UnitMuz = unit;
    RefreshAll();
}

void TDlgMusTree::MusicPartsChanged(TUnitMuz* unit)
{
    if (!unit || unit != UnitMuz)
        return;
    TUpdate update(UpdateCount);
    if (tcMusic->currentIndex() == 1 && TreeResult)
        TMusicNavigation(*UnitMuz).UpdateResultTree(*TreeResult);
    ShowNode(tvMusParts->currentItem());
}

void TDlgMusTree::RefreshAll()
{
    TUpdate update(UpdateCount);
    if (UnitMuz)
        editTempoTime->setText(QString::fromStdString(UnitMuz->MuzData.Tempo.GetText()));
    else
        editTempoTime->clear();
    editTempoTime->setEnabled(UnitMuz != nullptr);
    FillTree();
}

void TDlgMusTree::FillTree()
{
    TUpdate update(UpdateCount);
    std::unique_ptr<TTreeDataResult> old = std::move(TreeResult);
    // A refill drops a field that was not applied.
    PendingEdit = nullptr;
    EditError = false;
    shownTab = tcMusic->currentIndex();
    if (UnitMuz) {
        TMusicTreeWidgetSink sink(*tvMusParts);
        TMusicNavigation navigation(*UnitMuz);
        if (shownTab == 0) {
            navigation.FillStructureTree(sink);
            chkPlayDraw->show();
            tvMusParts->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
            // Parts and turns can be renamed in place.
            for (QTreeWidgetItemIterator each(tvMusParts); *each; ++each)
                (*each)->setFlags((*each)->flags() | Qt::ItemIsEditable);
        } else {
            TreeResult = navigation.FillResultTree(sink);
            navigation.UpdateResultTree(*TreeResult);
            chkPlayDraw->hide();
            tvMusParts->setEditTriggers(QAbstractItemView::NoEditTriggers);
        }
        ShowNode(tvMusParts->currentItem());
    } else {
        tvMusParts->clear();
        ShowNode(nullptr);
    }
    // The old result nodes go once no node of the view points at them.
    old.reset();
}

TPartMuz* TDlgMusTree::GetSelectedPartMuz() const
{
    TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(tvMusParts->currentItem());
    if (!item)
        return nullptr;
    if (item->GetMusTreeItemKind() == musTreeItemPartMuz)
        return static_cast<TPartMuz*>(item);
    if (item->GetMusTreeItemKind() == musTreeItemResult)
        return static_cast<TTreeDataResult*>(item)->GetPartMuz();
    return nullptr;
}

QLineEdit* TDlgMusTree::RowEdit(TPartsRow row) const
{
    return rows[static_cast<int>(row)].edit;
}

// ---------------------------------------------------------------- the panel

void TDlgMusTree::ShowNode(QTreeWidgetItem* node)
{
    TUpdate update(UpdateCount);
    TMusTreeItem* item = UnitMuz ? TMusicTreeWidgetSink::ItemOf(node) : nullptr;
    const TPartsCommandStates states = PartsCommandStatesOf(UnitMuz, item, node && node->childCount() > 0);
    for (int i = 0; i < PartsCommandCount; ++i)
        if (commands[i])
            commands[i]->setEnabled(states.enabled[i]);
    if (item) {
        ShowNodeProperties(node);
    } else {
        for (TRow& row : rows)
            row.line->hide();
        btnApply->setEnabled(false);
        chkPlayDraw->setCheckState(Qt::Unchecked);
        chkPlayDraw->setEnabled(false);
        btnPlay->setEnabled(false);
        btnGen->setEnabled(false);
    }
    SelectedNode = node;
}

void TDlgMusTree::ShowNodeProperties(QTreeWidgetItem* node)
{
    const TPartsNodeView view = PartsNodeViewOf(TMusicTreeWidgetSink::ItemOf(node));
    btnApply->setEnabled(true);
    auto* layout = static_cast<QVBoxLayout*>(rowPanel->layout());
    for (TRow& row : rows) {
        row.line->hide();
        layout->removeWidget(row.line);
    }
    // Rows stand in the order the node shows them.
    for (const TPartsRowView& shown : view.rows) {
        TRow& row = rows[static_cast<int>(shown.row)];
        row.edit->setText(QString::fromStdString(shown.text));
        if (row.extra)
            row.extra->setText(QString::fromStdString(shown.extra));
        layout->addWidget(row.line);
        row.line->show();
    }
    chkPlayDraw->setEnabled(view.playDrawEnabled);
    chkPlayDraw->setCheckState(!view.playDrawEnabled || view.playDraw == TPlayDrawState::Unchecked ? Qt::Unchecked
                               : view.playDraw == TPlayDrawState::Grayed                          ? Qt::PartiallyChecked
                                                                                                   : Qt::Checked);
    // Without a sound device Play would do nothing.
    btnPlay->setEnabled(view.playEnabled && Main.PlayRecordEnabled());
    btnGen->setEnabled(view.playEnabled);
}

// ---------------------------------------------------------------- selection, tabs and fields

void TDlgMusTree::TreeSelectionChanged(QTreeWidgetItem* node)
{
    if (UpdateCount > 0)
        return;
    if (!CommitEdit()) {
        // The node whose field is wrong stays selected.
        // The field refused keeps the focus (EditExit gave it back).
        TUpdate update(UpdateCount);
        tvMusParts->setCurrentItem(ReselectNode);
        return;
    }
    ShowNode(UnitMuz ? node : nullptr);
    TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(node);
    if (UnitMuz && item) {
        // Kept as the music's selected part-tree item, which its file records.
        UnitMuz->SetSelMusTreeItem(item);
        UnitMuz->SetModified();
    }
}

void TDlgMusTree::TabChanged(int index)
{
    if (UpdateCount > 0)
        return;
    if (!CommitEdit()) {
        // The tab stays while the field is wrong.
        TUpdate update(UpdateCount);
        const QSignalBlocker blocker(tcMusic);
        tcMusic->setCurrentIndex(shownTab);
        return;
    }
    (void)index;
    FillTree();
}

bool TDlgMusTree::CommitEdit()
{
    // A field that was refused and not typed into since is refused still.
    if (PendingEdit && !EditError)
        EditExit();
    return !EditError;
}

bool TDlgMusTree::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched))
        EditExit();
    return QDialog::eventFilter(watched, event);
}

void TDlgMusTree::EditExit()
{
    if (PendingEdit && UpdateCount == 0) {
        EditError = false;
        ApplyPendingEdit();
    }
    if (!EditError) {
        PendingEdit = nullptr;
        return;
    }
    // The user stays in the wrong field.
    ReselectNode = SelectedNode;
    if (QLineEdit* edit = PendingEdit)
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
}

void TDlgMusTree::ApplyPendingEdit()
{
    if (!UnitMuz || !PendingEdit)
        return;
    const bool basicTempo = PendingEdit == editTempoTime;
    TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(SelectedNode);
    if (!item && !basicTempo) {
        EditError = false;
        ReselectNode = nullptr;
        PendingEdit = nullptr;
        return;
    }
    TPartsField field = TPartsField::BasicTempo;
    if (!basicTempo) {
        const std::pair<TPartsRow, TPartsField> fields[] = {{R::Count, TPartsField::Count},
                                                            {R::Pitch, TPartsField::Pitch},
                                                            {R::Tempo, TPartsField::TempoFactor},
                                                            {R::TempoStart, TPartsField::TempoStart},
                                                            {R::TempoEnd, TPartsField::TempoEnd}};
        for (auto [row, each] : fields)
            if (RowEdit(row) == PendingEdit)
                field = each;
    }
    const TPartsEditResult result = ApplyPartsEdit(*UnitMuz, item, field, PendingEdit->text().toStdString());
    EditError = result.refused;
    if (basicTempo) {
        if (!EditError)
            PendingEdit = nullptr;
        RefreshResultTree();
        return;
    }
    // A repeat's default label names its count.
    if (result.changed && SelectedNode && item->GetMusTreeItemKind() != musTreeItemResult) {
        TUpdate update(UpdateCount);
        SelectedNode->setText(0, QString::fromStdString(item->GetTreeLabel()));
    }
}

void TDlgMusTree::RefreshResultTree()
{
    TUpdate update(UpdateCount);
    if (!UnitMuz) {
        tvMusParts->clear();
        ShowNode(nullptr);
        return;
    }
    if (tcMusic->currentIndex() == 1 && TreeResult)
        TMusicNavigation(*UnitMuz).UpdateResultTree(*TreeResult);
    ShowNode(tvMusParts->currentItem());
}

// ---------------------------------------------------------------- commands

void TDlgMusTree::RunCommand(TPartsCommand command)
{
    QTreeWidgetItem* node = tvMusParts->currentItem();
    TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(node);
    QAction* action = Command(command);
    if (!UnitMuz || !item || !action || !action->isEnabled())
        return;
    TMusicPartsCommands parts(*UnitMuz);
    auto* part = item->GetMusTreeItemKind() == musTreeItemPartMuz ? static_cast<TPartMuz*>(item) : nullptr;
    switch (command) {
    case C::Expand: node->setExpanded(true); return;
    case C::ExpandAll: ExpandAll(node, true); return;
    case C::Collapse: node->setExpanded(false); return;
    case C::CollapseAll: ExpandAll(node, false); return;
    case C::GotoBegin:
    case C::GotoEnd:
        if (TXTouchMuzSymbol* symbol = parts.GoToSymbol(*item, command == C::GotoBegin)) {
            TMusicNavigation(*UnitMuz).SelectSymbol(symbol);
            UnitMuz->Redraw();
        }
        return;
    case C::Delete:
        if (!parts.Delete(*item))
            return;
        break;
    case C::InsertSingle: parts.AddSinglePart(*part, true); break;
    case C::AppendSingle: parts.AddSinglePart(*part, false); break;
    case C::AddLoop: parts.AddLoopOrSelect(*part, true); break;
    case C::AddTurns: parts.AddLoopOrSelect(*part, false); break;
    case C::AddTurn: parts.AddTurn(*static_cast<TSelectPartMuz*>(part)); break;
    case C::MoveForward: parts.SwapWithNeighbour(*part, true); break;
    case C::MoveBackward: parts.SwapWithNeighbour(*part, false); break;
    case C::MoveForwardIn: parts.MoveIntoNeighbour(*part, true); break;
    case C::MoveBackwardIn: parts.MoveIntoNeighbour(*part, false); break;
    case C::MoveForwardOut: parts.MoveOutOfEnclosing(*part, true); break;
    case C::MoveBackwardOut: parts.MoveOutOfEnclosing(*part, false); break;
    default: return;
    }
    FillTree();
}

void TDlgMusTree::ExpandAll(QTreeWidgetItem* node, bool expanded)
{
    std::vector<QTreeWidgetItem*> pending{node};
    while (!pending.empty()) {
        QTreeWidgetItem* each = pending.back();
        pending.pop_back();
        if (each->childCount() > 0)
            each->setExpanded(expanded);
        for (int i = 0; i < each->childCount(); ++i)
            pending.push_back(each->child(i));
    }
}

void TDlgMusTree::PlayOrGenerate(bool generate)
{
    TMusTreeItem* item = TMusicTreeWidgetSink::ItemOf(tvMusParts->currentItem());
    if (!UnitMuz || !item)
        return;
    TBusyGuard busy(Main.Busy());
    TProgressWindow progress(this);
    TMusicPlaying playing(*UnitMuz);
    SoundPtr sound;
    if (item->GetMusTreeItemKind() == musTreeItemPartMuz)
        sound = playing.GeneratePartWave(*static_cast<TPartMuz*>(item));
    else if (item->GetMusTreeItemKind() == musTreeItemResult)
        sound = playing.GenerateResultPartWave(*static_cast<TTreeDataResult*>(item));
    if (generate)
        playing.Open(std::move(sound), "of Music Tree " + UnitMuz->GetName());
    else
        TMusicPlaying::Play(sound);
}

// ---------------------------------------------------------------- showing and closing

void TDlgMusTree::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    {
        TUpdate update(UpdateCount);
        RowEdit(R::Pitch)->clear();
        RowEdit(R::ResultPitch)->clear();
    }
    PlaceDialogAtMainFormEdges(*this);
    TMDIChildMuz* window = Main.ActiveMuzWindow();
    UnitMuz = window ? window->GetUnitMuz() : nullptr;
    RefreshAll();
}

bool TDlgMusTree::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate: MainForm().SetModelessDialogActive(true); break;
    case QEvent::WindowDeactivate: MainForm().SetModelessDialogActive(false); break;
    case QEvent::StatusTip:
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    default: break;
    }
    return QDialog::event(event);
}
