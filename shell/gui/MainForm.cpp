#include "shell/gui/MainForm.h"

#include "foundation/commands/ActionCatalogue.h"
#include "foundation/gui/CustomCursors.h"
#include "foundation/gui/PanelStatusBar.h"
#include "foundation/gui/ToolBarIcons.h"
#include "music/document/UnitMuz.h"
#include "platform/Assertions.h"
#include "platform/HelpService.h"
#include "platform/MessageService.h"
#include "shell/AudioPlayer.h"
#include "shell/CommandLine.h"
#include "shell/DocumentKind.h"
#include "shell/FileGrammars.h"
#include "shell/MenuLayout.h"
#include "shell/ModelessDialogs.h"
#include "shell/UnhandledActions.h"
#include "shell/gui/ApplicationIcon.h"
#include "shell/gui/CascadeWindows.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/MainFormFiles.h"
#include "shell/gui/MainFormHosts.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/MainFormMusicHost.h"
#include "shell/gui/MainFormPlayers.h"
#include "shell/gui/MainFormProjects.h"
#include "shell/gui/MainFormSplitMerge.h"
#include "shell/gui/ModelessDialogsQt.h"
#include "wave/SinusTable.h"
#include "wave/document/UnitWave.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace {

using A = ActionId;

QString NativeKeyText(const TShortcut& key)
{
    return QKeySequence::fromString(QString::fromStdString(key.Text()), QKeySequence::PortableText)
        .toString(QKeySequence::NativeText);
}

// The key as the shortcut table names it; empty for a lone modifier.
TShortcut ShortcutOf(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta: case Qt::Key_AltGr:
    case Qt::Key_unknown: case 0:
        return {};
    default:
        break;
    }
    TShortcut shortcut;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier)
        shortcut.modifiers |= TShortcut::ModShift;
    if (modifiers & Qt::ControlModifier)
        shortcut.modifiers |= TShortcut::ModCtrl;
    if (modifiers & Qt::AltModifier)
        shortcut.modifiers |= TShortcut::ModAlt;
    shortcut.key = QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
    return shortcut;
}

// A hidden QAction is a disabled one: the Alt-key relays, which no menu or
// toolbar shows, must stay usable by their keys.
bool KeptVisible(ActionId id, const TActionState& state)
{
    return state.visible || std::string_view(ActionInfo(id).category) == "AltKeys";
}

bool IsInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick: case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), busy(this)
{
    // The form and its components.
    setObjectName("MainForm");
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName("MdiArea");
    mdiArea->setBackground(palette().color(QPalette::Shadow));
    // A window the kind toolbars push out of the area stays reachable.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    files = std::make_unique<TMainFormFiles>(*this);
    projects = std::make_unique<TMainFormProjects>(*this);
    players = std::make_unique<TMainFormPlayers>(*this);
    music = std::make_unique<TMainFormMusic>(*this);
    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBars();
    InstallHandlers();
    resize(900, 640);

    // The last-used settings of every effect, then the default view settings
    // (members), the validation counter 0 and the sine table.
    effectSettings = std::make_unique<TEffectSettings>();
    StopFlag stop = 0;
    CreateSinusTable(&stop);
    TheModelessDialogs = std::make_unique<TModelessDialogsQt>(*this);
    SetAudioPlayer(std::make_unique<TAudioPlayer>(MakeAudioDevice()));
    // Every window takes the program's icon, the Edit Name dialog too: a
    // window shown before the icon is set keeps the platform's blank one.
    QApplication::setWindowIcon(ApplicationIcon());
    // The Edit Name dialog is shown at start.
    if (handlers[ActionIndex(A::EditNameAction)])
        handlers[ActionIndex(A::EditNameAction)]();
    setWindowTitle("Quarbel 9.1");
    LoadCustomCursors();
    BuildFileGrammars();

    openers.openWave = [this](const std::string& file) {
        TBusyGuard guard(busy);
        OpenWaveFile(false, file, "");
    };

    // The key filter and the coalesced action update.
    updateTimer = new QTimer(this);
    updateTimer->setSingleShot(true);
    updateTimer->setInterval(0);
    connect(updateTimer, &QTimer::timeout, this, &TMainForm::UpdateActions);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* child = qobject_cast<TMDIChildQuarbel*>(window); child && !child->IsClosing())
            child->EvFormOnActivate();
        RequestUpdate();
    });
    qApp->installEventFilter(this);
    hosts = std::make_unique<TMainFormHosts>(*this);
    musicHost = std::make_unique<TMainFormMusicHost>(*this);
    ApplyShortcutTexts();
    RequestUpdate();
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    updateTimer->stop();
    // No snapshot may outlive its document; then the document windows go while
    // everything they may call on their way out still stands.
    DeleteUndo();
    delete mdiArea;
    mdiArea = nullptr;
    hosts.reset();
    DeleteSinusTable();
    TheModelessDialogs.reset();
    ClipBoardSound.reset();
    TheAudioPlayer.reset();
}

// ---------------------------------------------------------------- components

void TMainForm::CreateActions()
{
    for (const TActionInfo& info : ActionCatalogue()) {
        auto* action = new QAction(QString::fromUtf8(info.caption), this);
        action->setObjectName(info.name);
        action->setIcon(ToolBarIcon(info.image));
        action->setStatusTip(QString::fromUtf8(std::string(LongHint(info)).c_str()));
        action->setCheckable(IsCheckableAction(info.id));
        const TActionState& state = states[info.id];
        action->setEnabled(state.enabled);
        action->setVisible(KeptVisible(info.id, state));
        action->setChecked(state.checked);
        const ActionId id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        actions[ActionIndex(id)] = action;
    }
}

void TMainForm::CreateMenus()
{
    for (const TMenuInfo& info : MainMenuLayout()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(info.caption));
        menu->setObjectName(info.name);
        if (info.part != MenuPart::Count) {
            menuParts[static_cast<int>(info.part)] = menu->menuAction();
            menu->menuAction()->setVisible(states.Shown(info.part));
        }
        std::vector<QMenu*> open = {menu};
        for (const TMenuEntry& entry : info.entries) {
            QMenu* current = open.back();
            switch (entry.kind) {
            case TMenuEntry::Separator:
                current->addSeparator();
                break;
            case TMenuEntry::SubmenuBegin:
                open.push_back(current->addMenu(QString::fromUtf8(entry.caption)));
                break;
            case TMenuEntry::SubmenuEnd:
                open.pop_back();
                break;
            case TMenuEntry::Item:
                if (!entry.caption && !entry.name) {
                    current->addAction(Action(entry.action));
                    break;
                }
                {
                    QAction* source = Action(entry.action);
                    const QString caption = entry.caption ? QString::fromUtf8(entry.caption) : source->text();
                    auto* item = new QAction(caption, current);
                    item->setObjectName(entry.name ? entry.name : QString("MenuItem") + source->objectName());
                    item->setIcon(source->icon());
                    item->setStatusTip(source->statusTip());
                    item->setCheckable(source->isCheckable());
                    const ActionId id = entry.action;
                    connect(item, &QAction::triggered, this, [this, id] { Execute(id); });
                    current->addAction(item);
                    menuItemProxies.push_back({item, id, entry.part, caption});
                }
                break;
            }
        }
        // The states are made right before a menu opens.
        for (QMenu* each : menu->findChildren<QMenu*>())
            connect(each, &QMenu::aboutToShow, this, &TMainForm::UpdateActions);
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::UpdateActions);
        if (std::string_view(info.name) == "MenuWindow")
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowList(menu); });
    }
}

void TMainForm::FillWindowList(QMenu* menu)
{
    for (QAction* item : windowListItems)
        delete item;
    windowListItems.clear();
    const auto windows = mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    windowListItems.push_back(menu->addSeparator());
    int n = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* item = menu->addAction(QString("&%1 %2").arg(n++).arg(window->windowTitle()));
        item->setCheckable(true);
        item->setChecked(window == mdiArea->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, window] { mdiArea->setActiveSubWindow(window); });
        windowListItems.push_back(item);
    }
}

void TMainForm::CreateToolBars()
{
    std::vector<QToolBar*> bottom;
    for (const TToolBarInfo& info : ToolBarLayout()) {
        auto* bar = new QToolBar(QString::fromUtf8(info.caption), this);
        bar->setObjectName(info.name);
        bar->setIconSize(QSize(24, 24));
        for (ActionId id : info.buttons) {
            if (id == A::Count)
                bar->addSeparator();
            else
                bar->addAction(Action(id));
        }
        if (info.top)
            addToolBar(Qt::TopToolBarArea, bar);
        else
            bottom.push_back(bar);
        if (info.part != MenuPart::Count) {
            toolBarParts[static_cast<int>(info.part)] = bar;
            bar->setVisible(states.Shown(info.part));
        }
    }
    // Each bottom toolbar keeps its own row, the first of a kind uppermost.
    // The bottom area puts its first row at the window's edge, so the rows go
    // in from the last.
    for (auto each = bottom.rbegin(); each != bottom.rend(); ++each) {
        if (each != bottom.rbegin())
            addToolBarBreak(Qt::BottomToolBarArea);
        addToolBar(Qt::BottomToolBarArea, *each);
    }
}

void TMainForm::CreateStatusBars()
{
    statusBarWave = new TPanelStatusBar("StatusBarWave", {300, 160, 75, 70, 45, 24, 65, 60}, 1, this);
    statusBarMuz = new TPanelStatusBar("StatusBarMuz", {300, 100, 70, 80, 50, 70, 80, 60}, -1, this);
    statusBarFact = new TPanelStatusBar("StatusBarFact", {300, 160, 50}, -1, this);
    for (TPanelStatusBar* bar : {statusBarWave, statusBarMuz, statusBarFact}) {
        statusBar()->addWidget(bar, 1);
        bar->hide();
    }
}

// ---------------------------------------------------------------- handlers

void TMainForm::SetActionHandler(ActionId id, std::function<void()> handler)
{
    handlers[ActionIndex(id)] = std::move(handler);
}

void TMainForm::InstallHandlers()
{
    SetActionHandler(A::FileClose, [this] {
        if (TMDIChildQuarbel* child = ActiveChild())
            child->close();
    });
    SetActionHandler(A::FileExit, [this] { close(); });
    InstallAudioHandlers();

    SetActionHandler(A::WindowCascade, [this] { CascadeWindows(*mdiArea); });
    SetActionHandler(A::WindowTileHorizontal, [this] { TileWindows(true); });
    SetActionHandler(A::WindowTileVertical, [this] { TileWindows(false); });
    SetActionHandler(A::WindowMinimizeAll, [this] {
        for (QMdiSubWindow* window : mdiArea->subWindowList())
            window->showMinimized();
    });
    SetActionHandler(A::WindowArrangeAll, [this] { mdiArea->tileSubWindows(); });

    SetActionHandler(A::Undo, [this] { TheUndo.Undo(); });
    SetActionHandler(A::DeleteUndo, [this] { DeleteUndo(); });
    SetActionHandler(A::EditClearClipboard, [this] {
        if (ActiveChildOfKind(documentKindWave))
            ClearClipBoard();
    });

    SetActionHandler(A::SelectWave, [this] { ShowDialogToggle(A::SelectWave, modelessDialogSelZoom); });
    // The music dialogs' toggles join with the music windows.
    SetActionHandler(A::EditNameAction, [this] { ShowDialogToggle(A::EditNameAction, modelessDialogEditName); });

    SetActionHandler(A::HelpContents, [] { Help().ShowContents(); });
    SetActionHandler(A::HelpTopicSearch, [] { Help().Search(); });
    SetActionHandler(A::HelpOnHelp, [] { Help().HelpOnHelp(); });
    InstallWaveHandlers();
    InstallViewDialogHandlers();
    InstallFactoryCommands(*this);
    InstallSplitMergeHandlers(*this);
    files->InstallHandlers();
    projects->InstallHandlers();
    players->InstallHandlers();
    music->InstallHandlers();
}

void TMainForm::ShowDialogToggle(ActionId id, int kind)
{
    if (!TheModelessDialogs)
        return;
    const auto dialog = static_cast<TModelessDialogKind>(kind);
    TheModelessDialogs->ToggleDialog(dialog);
    SetActionChecked(id, TheModelessDialogs->IsDialogVisible(dialog));
}

void TMainForm::SetActionChecked(ActionId id, bool checked)
{
    states[id].checked = checked;
    if (QAction* action = Action(id); action->isCheckable())
        action->setChecked(checked);
}

void TMainForm::SelZoomDialogClosed() { SetActionChecked(A::SelectWave, false); }
void TMainForm::MusicDialogClosed() { SetActionChecked(A::MusicDialogStaves, false); }
void TMainForm::MusTreeDialogClosed() { SetActionChecked(A::MusicDialogParts, false); }
void TMainForm::EditNameDialogClosed() { SetActionChecked(A::EditNameAction, false); }

void TMainForm::SetModelessDialogs(std::unique_ptr<TModelessDialogs> dialogs)
{
    if (dialogs)
        TheModelessDialogs = std::move(dialogs);
}

void TMainForm::TileWindows(bool horizontally)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea->subWindowList())
        if (!window->isMinimized() && window->isVisible())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QRect area = mdiArea->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        if (horizontally) {
            const int height = area.height() / count;
            window->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            window->setGeometry(i * width, 0, width, area.height());
        }
    }
}

void TMainForm::Execute(ActionId id)
{
    if (id == A::Count || !Action(id)->isEnabled())
        return;
    // A handler with no matching window does nothing; one not built yet neither.
    if (const auto& handler = handlers[ActionIndex(id)])
        handler();
    RequestUpdate();
}

// ---------------------------------------------------------------- program entry

void TMainForm::FormShow(const std::string& commandLineFile)
{
    if (commandLineFile.empty()) {
        ProjectWriteFile.clear();
        ProjectReadFile.clear();
        return;
    }
    const CommandLineKind kind = ChooseCommandLineKind(commandLineFile);
    const std::string file = CommandLineFilePath(commandLineFile);
    switch (kind) {
    case CommandLineKind::Project: openers.openProject(file); return;
    case CommandLineKind::Players: openers.openPlayers(file); break;
    case CommandLineKind::Factory: openers.openFactory(file); break;
    case CommandLineKind::Music: openers.openMusic(file); break;
    case CommandLineKind::Wave: openers.openWave(file); break;
    default: break;
    }
    ProjectReadFile.clear();
    ProjectWriteFile.clear();
}

void TMainForm::ShowBusy()
{
    QApplication::setOverrideCursor(ScreenCursor(-11));
}

void TMainForm::ShowNormal()
{
    QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- registry

TMDIChildQuarbel* TMainForm::ActiveChild() const
{
    auto* child = mdiArea ? qobject_cast<TMDIChildQuarbel*>(mdiArea->currentSubWindow()) : nullptr;
    return child && !child->IsClosing() ? child : nullptr;
}

TMDIChildQuarbel* TMainForm::ActiveChildOfKind(unsigned char kind) const
{
    TMDIChildQuarbel* child = ActiveChild();
    return child && child->GetKind() == kind ? child : nullptr;
}

TDocumentRegistry TMainForm::Registry() const
{
    std::vector<TRegisteredWindow*> walk;
    if (mdiArea)
        for (QMdiSubWindow* window : mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder))
            if (auto* child = qobject_cast<TMDIChildQuarbel*>(window))
                walk.push_back(child);
    return TDocumentRegistry(std::move(walk), ActiveChild());
}

int TMainForm::CountChildWindows() const
{
    return Registry().CountWindows();
}

void TMainForm::AddChildWindow(TMDIChildQuarbel* window)
{
    window->resize(NewWindowSize(mdiArea->viewport()->size()));
    mdiArea->addSubWindow(window);
    window->show();
    mdiArea->setActiveSubWindow(window);
    // The window's kind brings its own tool bars and status bar, which change
    // the area: the window takes its place once they stand, so that no part
    // of it opens under a scroll bar.
    UpdateActions();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    PlaceNewWindow(*mdiArea, *window);
    RequestUpdate();
}

void TMainForm::SetClosingWindow(TMDIChildQuarbel* window)
{
    if (window)
        window->MarkClosing();
    RequestUpdate();
}

void TMainForm::SetProjectFiles(const std::string& readFile, const std::string& writeFile)
{
    ProjectReadFile = readFile;
    ProjectWriteFile = writeFile;
    RequestUpdate();
}

void TMainForm::UnitNameChanged(const std::string& name)
{
    TheModelessDialogs->UnitNameChanged(name);
}

TUnitWave* TMainForm::FindUnitWave(const std::string& name) const
{
    auto* child = dynamic_cast<TMDIChildQuarbel*>(Registry().FindByKindAndName(documentKindWave, name));
    return child ? dynamic_cast<TUnitWave*>(child->GetFileUnit()) : nullptr;
}

TUnitWave* TMainForm::ActiveWaveUnit() const
{
    TMDIChildQuarbel* child = ActiveChildOfKind(documentKindWave);
    return child ? dynamic_cast<TUnitWave*>(child->GetFileUnit()) : nullptr;
}

bool TMainForm::CheckUnitName(const std::string& name, const TMDIChildQuarbel* window) const
{
    return Registry().CheckUnitName(name, window);
}

std::string TMainForm::NewUnitName(const std::string& prefix, const std::string& suffix) const
{
    return Registry().NewUnitName(prefix, suffix);
}

std::string TMainForm::FreeUnitName(const std::string& wished) const
{
    return Registry().FreeUnitName(wished);
}

// ---------------------------------------------------------------- change notices

void TMainForm::RefreshEnvelopeUsers(TMDIChildQuarbel* window)
{
    if (!QB_CHECK(window != nullptr) || !QB_CHECK(window->GetFileUnit() != nullptr))
        return;
    RefreshEnvelopeUsersByName(window->GetUnitName());
}

void TMainForm::RefreshEnvelopeUsersByName(const std::string& waveName)
{
    if (waveName.empty())
        return;
    // The window itself is not skipped: it may draw its own wave as envelope.
    for (TRegisteredWindow* each : Registry().Walk()) {
        auto* window = dynamic_cast<TMDIChildQuarbel*>(each);
        if (window && window->GetKind() == documentKindWave && window->DrawsEnvelopeOf(waveName))
            window->RepaintViews();
    }
}

void TMainForm::WaveSelectionChanged(TMDIChildQuarbel* window)
{
    TheModelessDialogs->WaveSelectionChanged(window);
    if (window)
        RefreshEnvelopeUsers(window);
}

void TMainForm::MusicStaveChanged(TNoteStave* stave)
{
    TheModelessDialogs->MusicStaveChanged(stave);
}

void TMainForm::MusicPartsChanged(TUnitMuz* unit)
{
    TheModelessDialogs->MusicPartsChanged(unit);
}

void TMainForm::WaveZoomChanged(TMDIChildQuarbel* window, int pane)
{
    if (window && window == ActiveChildOfKind(documentKindWave))
        TheModelessDialogs->WaveZoomChanged(window, pane);
}

// ---------------------------------------------------------------- activation notices

void TMainForm::WindowActivated(TMDIChildQuarbel* window)
{
    switch (window ? window->GetKind() : 0) {
    case documentKindWave: WaveWindowActivated(window); break;
    case documentKindMusic: MusicWindowActivated(window); break;
    case documentKindFactory: FactoryWindowActivated(window); break;
    case documentKindPlayers: PlayersWindowActivated(window); break;
    default: NoWindowActivated(); break;
    }
}

void TMainForm::WaveWindowActivated(TMDIChildQuarbel* window)
{
    HideMusicTools();
    ClearFactoryShortCuts();
    ClearPlayersShortCuts();
    TheModelessDialogs->WaveWindowActivated(window);
    statusBarWave->show();
    shortcuts.BindWaveSet();
    RequestUpdate();
}

void TMainForm::MusicWindowActivated(TMDIChildQuarbel* window)
{
    HideWaveTools();
    ClearFactoryShortCuts();
    ClearPlayersShortCuts();
    TheModelessDialogs->MusicWindowActivated(window);
    statusBarMuz->show();
    SetMusicShortCuts();
    RequestUpdate();
}

void TMainForm::FactoryWindowActivated(TMDIChildQuarbel* window)
{
    HideWaveTools();
    HideMusicTools();
    ClearPlayersShortCuts();
    TheModelessDialogs->FactoryWindowActivated(window);
    statusBarFact->show();
    shortcuts.BindFactorySet();
    RequestUpdate();
}

void TMainForm::PlayersWindowActivated(TMDIChildQuarbel* window)
{
    HideWaveTools();
    HideMusicTools();
    ClearFactoryShortCuts();
    TheModelessDialogs->PlayersWindowActivated(window);
    shortcuts.BindPlayersSet();
    RequestUpdate();
}

void TMainForm::NoWindowActivated()
{
    HideWaveTools();
    HideMusicTools();
    ClearFactoryShortCuts();
    ClearPlayersShortCuts();
    TheModelessDialogs->NoWindowActivated();
    RequestUpdate();
}

void TMainForm::HideWaveTools()
{
    statusBarWave->hide();
    shortcuts.ClearWaveSet();
}

void TMainForm::HideMusicTools()
{
    statusBarMuz->hide();
    ClearMusicShortCuts();
}

void TMainForm::ClearMusicShortCuts() { shortcuts.ClearMusicSet(); }

void TMainForm::ClearFactoryShortCuts()
{
    statusBarFact->hide();
    shortcuts.ClearFactorySet();
}

void TMainForm::ClearPlayersShortCuts() { shortcuts.ClearPlayersSet(); }
void TMainForm::SetMusicShortCuts() { shortcuts.BindMusicSet(); }
void TMainForm::BeginMusicKeySequence() { shortcuts.BeginMusicKeySequence(); }
void TMainForm::EndMusicKeySequence() { shortcuts.EndMusicKeySequence(); }

// ---------------------------------------------------------------- action update

void TMainForm::RequestUpdate()
{
    if (updateTimer && !updateTimer->isActive())
        updateTimer->start();
}

TCommandSnapshot TMainForm::TakeSnapshot() const
{
    TCommandSnapshot snapshot;
    if (TMDIChildQuarbel* child = ActiveChild()) {
        snapshot.kind = child->GetKind();
        child->FillCommandState(snapshot);
    }
    snapshot.playerUsable = TheAudioPlayer->PlayRecordEnabled();
    snapshot.pendingRecord = TheAudioPlayer->PendingRecord();
    snapshot.undoUsable = TheUndo.CanUndo();
    snapshot.clipboard = ClipBoardSound != nullptr;
    const TDocumentRegistry registry = Registry();
    snapshot.documentWindows = registry.CountWindows();
    snapshot.namedFactories = registry.CountNamedFactories();
    snapshot.projectOpen = !ProjectWriteFile.empty();
    for (int kind = 0; kind < 4; ++kind)
        snapshot.dialogVisible[kind] = TheModelessDialogs->IsDialogVisible(static_cast<TModelessDialogKind>(kind));
    return snapshot;
}

void TMainForm::UpdateActions()
{
    if (!mdiArea)
        return;
    UpdateCommandStates(states, TakeSnapshot());
    DisableUnhandledActions(states, [this](ActionId id) { return HasHandler(id); });
    ApplyStates();
    ApplyShortcutTexts();
    if (TMDIChildQuarbel* child = ActiveChild())
        child->ShowStatus();
}

void TMainForm::ApplyStates()
{
    for (int i = 0; i < ActionCount; ++i) {
        const TActionState& state = states.actions[i];
        QAction* action = actions[i];
        action->setEnabled(state.enabled);
        action->setVisible(KeptVisible(static_cast<ActionId>(i), state));
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
    for (const TMenuItemProxy& proxy : menuItemProxies) {
        const TActionState& state = states[proxy.action];
        const bool partShown = proxy.part == MenuPart::Count || states.Shown(proxy.part);
        proxy.item->setEnabled(state.enabled);
        proxy.item->setVisible(state.visible && partShown);
        if (proxy.item->isCheckable())
            proxy.item->setChecked(state.checked);
    }
    // Showing and hiding menus and toolbars flickers: only when the kind changed.
    if (appliedRebuilds == states.menuRebuilds)
        return;
    appliedRebuilds = states.menuRebuilds;
    for (int i = 0; i < MenuPartCount; ++i) {
        const bool shown = states.shown[i];
        if (menuParts[i])
            menuParts[i]->setVisible(shown);
        if (toolBarParts[i])
            toolBarParts[i]->setVisible(shown);
    }
}

void TMainForm::ApplyShortcutTexts()
{
    if (shownShortcutGeneration == shortcuts.Generation())
        return;
    shownShortcutGeneration = shortcuts.Generation();
    auto withKey = [](const QString& caption, const TShortcut& key) {
        return key.IsEmpty() ? caption : caption + '\t' + NativeKeyText(key);
    };
    for (const TActionInfo& info : ActionCatalogue()) {
        const TShortcut& key = shortcuts.Get(info.id);
        QAction* action = Action(info.id);
        action->setText(withKey(QString::fromUtf8(info.caption), key));
        QString tip = QString::fromUtf8(std::string(ShortHint(info)).c_str());
        if (!key.IsEmpty())
            tip += " (" + NativeKeyText(key) + ")";
        action->setToolTip(tip);
    }
    for (const TMenuItemProxy& proxy : menuItemProxies)
        proxy.item->setText(withKey(proxy.caption, shortcuts.Get(proxy.action)));
}

ActionId TMainForm::FindKeyAction(const QKeyEvent& event)
{
    const TShortcut key = ShortcutOf(event);
    if (key.IsEmpty())
        return A::Count;
    UpdateActions();
    const TMDIChildQuarbel* child = ActiveChild();
    const unsigned char kind = child ? child->GetKind() : 0;
    auto enabled = [this](ActionId each) { return Action(each)->isEnabled(); };
    ActionId id = shortcuts.Find(key, kind, enabled);
    if (id == A::Count)
        id = shortcuts.Find(key.UnshiftedAlternative(), kind, enabled);
    return id;
}

bool TMainForm::DispatchKey(const QKeyEvent& event)
{
    const ActionId id = FindKeyAction(event);
    if (id == A::Count)
        return false;
    Execute(id);
    return true;
}

QMenu* TMainForm::Menu(const char* name) const
{
    return menuBar()->findChild<QMenu*>(name);
}

QToolBar* TMainForm::ToolBar(const char* name) const
{
    return findChild<QToolBar*>(name);
}

// ---------------------------------------------------------------- events

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && QApplication::activeWindow() == this &&
        !QApplication::activePopupWidget() && watched->isWidgetType()) {
        // Our own table decides: the active kind's action wins, and no menu
        // mnemonic or widget shortcut takes a key an action holds. Keys typed
        // into a dialog never reach it (its window is the active one then),
        // nor do the keys of an open menu.
        auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::ShortcutOverride) {
            if (FindKeyAction(*key) != A::Count) {
                key->accept();
                return true;
            }
        } else if (DispatchKey(*key)) {
            return true;
        }
    }
    if (IsInputEvent(type))
        RequestUpdate();
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Every status bar shows the hint in its first panel.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        for (TPanelStatusBar* bar : {statusBarWave, statusBarMuz, statusBarFact})
            bar->SetPanelText(0, tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A project is saved first; without one each window asks its own
    // question. A failure or the first refusal keeps the program open.
    if (!projects->CloseQuery()) {
        event->ignore();
        return;
    }
    DeleteUndo();
    event->accept();
    emit Closed();
}
