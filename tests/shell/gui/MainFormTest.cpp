#include "StandInWindow.h"

#include "foundation/commands/ActionCatalogue.h"
#include "foundation/gui/CustomCursors.h"
#include "foundation/gui/PanelStatusBar.h"
#include "foundation/gui/ToolBarIcons.h"
#include "platform/RecordingMessageService.h"
#include "shell/DocumentKind.h"
#include "shell/MenuLayout.h"
#include "shell/ModelessDialogs.h"
#include "shell/gui/ApplicationIdentity.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormHosts.h"
#include "shell/gui/NormalCursorMessages.h"
#include "support/gui/ModalDialog.h"
#include "wave/MainFormAccess.h"
#include "wave/display/StatusTexts.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveDocumentHost.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

namespace {

using A = ActionId;

struct MainFormTest : ::testing::Test {
    MainFormTest()
    {
        form.show();
        // The Edit Name box, shown at start, comes once the main window is on the screen.
        if (QTest::qWaitForWindowExposed(&form))
            QCoreApplication::processEvents();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
    }

    TStandInWindow* Open(unsigned char kind, const std::string& name, const std::string& file = "")
    {
        auto* window = new TStandInWindow(form, kind, name, file);
        form.AddChildWindow(window);
        form.UpdateActions();
        return window;
    }

    // Counts how often each action's handler ran.
    void Watch(std::initializer_list<ActionId> ids)
    {
        for (ActionId id : ids)
            form.SetActionHandler(id, [this, id] { ++ran[id]; });
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    bool MenuShown(const char* name) { return form.Menu(name)->menuAction()->isVisible(); }

    RecordingMessageService messages;
    TMainForm form;
    std::map<ActionId, int> ran;
};

} // namespace

TEST_F(MainFormTest, StartsWithTheProductTitleAndNoKindMenu)
{
    EXPECT_EQ(form.windowTitle(), "Quarbel 9.1");
    form.FormShow("");
    EXPECT_EQ(messages.Count(), 0u);
    for (const char* menu : {"MenuEdit", "MenuView", "MenuMake", "MenuEffects", "MenuMusic", "MenuFactory", "MenuWindow"})
        EXPECT_FALSE(MenuShown(menu)) << menu;
    for (const char* menu : {"MenuFile", "MenuProject", "MenuHelp"})
        EXPECT_TRUE(MenuShown(menu)) << menu;
    for (const TToolBarInfo& bar : ToolBarLayout())
        EXPECT_EQ(form.ToolBar(bar.name)->isHidden(), !bar.top) << bar.name;
    EXPECT_EQ(form.States().lastKind, documentKindNone);
    EXPECT_FALSE(form.Action(A::FileSave)->isEnabled());
    EXPECT_FALSE(form.Action(A::DuplicateWave)->isVisible());
    // The Edit Name dialog is shown at start.
    EXPECT_TRUE(form.Action(A::EditNameAction)->isChecked());
    EXPECT_EQ(form.GetValidationCounter(), 0);
    EXPECT_EQ(form.NextValidationStamp(), 1);
}

// The window manager shows each window's own icon: the Edit Name dialog,
// shown while the form is built, and the boxes and help window without a parent
// carry the program's icon, not the platform's blank one.
TEST_F(MainFormTest, EveryWindowCarriesTheProgramIcon)
{
    auto* editName = form.findChild<QWidget*>("DlgEditName");
    ASSERT_NE(editName, nullptr);
    ASSERT_TRUE(editName->isVisible());
    ASSERT_NE(editName->windowHandle(), nullptr);
    const QImage program = form.windowIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(program.isNull());
    EXPECT_TRUE(editName->windowHandle()->icon().pixmap(32, 32).toImage() == program);
    QWidget parentless;
    EXPECT_TRUE(parentless.windowIcon().pixmap(32, 32).toImage() == program);
}

// The form itself hides the kind menus and toolbars; the first update hides Window and Factory too.
TEST(MainFormStart, TheFormHidesTheKindMenusBeforeAnyUpdate)
{
    RecordingMessageService messages;
    TMainForm form;
    for (const char* menu : {"MenuEdit", "MenuView", "MenuMake", "MenuEffects", "MenuMusic"})
        EXPECT_FALSE(form.Menu(menu)->menuAction()->isVisible()) << menu;
    for (const char* menu : {"MenuFile", "MenuProject", "MenuFactory", "MenuWindow", "MenuHelp"})
        EXPECT_TRUE(form.Menu(menu)->menuAction()->isVisible()) << menu;
    for (const TToolBarInfo& bar : ToolBarLayout())
        EXPECT_EQ(form.ToolBar(bar.name)->isHidden(), !bar.top) << bar.name;
}

TEST_F(MainFormTest, CommandLineChoosesTheOpener)
{
    std::vector<std::string> opened;
    form.Openers().openFactory = [&](const std::string& f) { opened.push_back("factory " + f); };
    form.Openers().openWave = [&](const std::string& f) { opened.push_back("wave " + f); };

    // The openers get the name made whole from the folder the program started in.
    const std::string here = std::filesystem::current_path().string() + "/";
    form.FormShow("x.QBF");
    EXPECT_EQ(opened, std::vector<std::string>{"factory " + here + "x.QBF"});
    EXPECT_EQ(messages.Count(), 0u);

    form.FormShow("readme");
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.All()[0].text, "Cannot read the file: \"readme\" File has no extension");
    EXPECT_EQ(messages.All()[1].text, "Invalid extension \"readme\" used.");

    messages.Clear();
    form.FormShow("a.b.wav");
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(opened, (std::vector<std::string>{"factory " + here + "x.QBF", "wave " + here + "a.b.wav"}));
    form.FormShow("/tmp/a.b/c.wav");
    EXPECT_EQ(opened.back(), "wave /tmp/a.b/c.wav");
    form.FormShow("a.wav.txt");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Invalid extension \"txt\" used.");
    EXPECT_EQ(opened.size(), 3u);
}

TEST_F(MainFormTest, ThreeStatusBarsWithTheirPanelWidths)
{
    const std::vector<std::pair<TPanelStatusBar*, std::vector<int>>> bars = {
        {form.StatusBarWave(), {300, 160, 75, 70, 45, 24, 65, 60}},
        {form.StatusBarMuz(), {300, 100, 70, 80, 50, 70, 80, 60}},
        {form.StatusBarFact(), {300, 160, 50}},
    };
    for (const auto& [bar, widths] : bars) {
        ASSERT_EQ(bar->PanelCount(), static_cast<int>(widths.size())) << bar->objectName().toStdString();
        // Never narrower than given; the wave's panels may grow to hold their texts.
        for (int i = 0; i < bar->PanelCount(); ++i)
            EXPECT_GE(bar->PanelWidth(i), widths[i]) << bar->objectName().toStdString() << " " << i;
        EXPECT_TRUE(bar->isHidden());
    }
    EXPECT_EQ(form.StatusBarWave()->Panel(1)->frameShadow(), QFrame::Raised);
    EXPECT_EQ(form.StatusBarWave()->Panel(2)->frameShadow(), QFrame::Sunken);
}

// The widths were measured for another platform's font: each panel of the wave
// bar is widened to hold its widest text in the font in use.
TEST_F(MainFormTest, WavePanelsHoldTheirWidestTextsInTheFontInUse)
{
    TPanelStatusBar* bar = form.StatusBarWave();
    // A font larger than any the widths were measured for.
    QFont large = bar->Panel(2)->font();
    large.setPointSize(large.pointSize() * 2);
    TPanelStatusBar big("Big", {300, 160, 75, 70, 45, 24, 65, 60}, 1);
    for (int i = 0; i < big.PanelCount(); ++i)
        big.Panel(i)->setFont(large);
    const auto widest = TUnitWave::WidestWaveStatusTexts();
    for (int i = 0; i < 6; ++i)
        big.FitPanel(i + 2, widest[static_cast<size_t>(i)]);
    // The main window's bar was fitted when it was made.
    for (TPanelStatusBar* b : {bar, &big}) {
        for (int i = 0; i < 6; ++i) {
            for (const std::string& text : widest[static_cast<size_t>(i)]) {
                QString shown = QString::fromStdString(text);
                EXPECT_GE(b->PanelWidth(i + 2), TPanelStatusBar::WidthFor(b->Panel(i + 2), shown)) << text;
            }
        }
    }
    EXPECT_GT(big.PanelWidth(2), 75);
    // Texts a user met cut: a position, and the length of ten minutes of sound.
    EXPECT_GE(bar->PanelWidth(2), TPanelStatusBar::WidthFor(bar->Panel(2), "10:00.12345"));
    TLabelStatusPanel position(big.Panel(1));
    for (const auto& [width, widestText, seen] :
         {std::tuple{WaveformStatusWidth, WidestWaveformStatusText(), std::string("(1.17522 s, 25.34 %)")},
          std::tuple{VolumeStatusWidth, WidestVolumeStatusText(),
                     std::string("(10:00.12345, 10.12 kHz ): -12.3 dB")}}) {
        position.SetWidth(width, widestText);
        EXPECT_GE(big.PanelWidth(1), width);
        EXPECT_GE(big.PanelWidth(1), TPanelStatusBar::WidthFor(big.Panel(1), QString::fromStdString(widestText)));
        EXPECT_GE(big.PanelWidth(1), TPanelStatusBar::WidthFor(big.Panel(1), QString::fromStdString(seen)));
    }
}

TEST_F(MainFormTest, CarriesExactlyTheCatalogueActionsMenusAndToolBars)
{
    std::set<QString> names;
    for (QAction* action : form.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->objectName().isEmpty() && FindActionByName(action->objectName().toStdString()) != A::Count)
            names.insert(action->objectName());
    EXPECT_EQ(names.size(), 162u);

    QStringList menuTitles;
    for (QAction* action : form.menuBar()->actions())
        menuTitles << action->text();
    EXPECT_EQ(menuTitles, (QStringList{"&File", "&Project", "&Edit", "&View", "&Make", "&Effects", "M&usic",
                                       "F&actory", "&Window", "&Help"}));

    QStringList toolBarTitles;
    for (const TToolBarInfo& bar : ToolBarLayout())
        toolBarTitles << form.ToolBar(bar.name)->windowTitle();
    EXPECT_EQ(toolBarTitles, (QStringList{"Basic", "View", "Make Waves", "Complex Manipulations", "ToolBarMusic2",
                                          "Music Note", "Music Silence", "Factory"}));
    EXPECT_EQ(form.toolBarArea(form.ToolBar("ToolBarBasic")), Qt::TopToolBarArea);
    EXPECT_EQ(form.toolBarArea(form.ToolBar("ToolBarWave1")), Qt::BottomToolBarArea);

    // Menu items with their own captions.
    QStringList projectItems;
    for (QAction* item : form.Menu("MenuProject")->actions())
        if (!item->isSeparator())
            projectItems << item->text().section('\t', 0, 0);
    EXPECT_EQ(projectItems, (QStringList{"&New...", "&Open...", "&Close", "&Save", "&Export..."}));
}

TEST_F(MainFormTest, EveryImageIsDrawn)
{
    for (const TActionInfo& info : ActionCatalogue()) {
        if (info.image < 0)
            continue;
        QImage image = ToolBarBitmap(info.image).toImage();
        ASSERT_EQ(image.size(), QSize(24, 24));
        int painted = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                painted += qAlpha(image.pixel(x, y)) > 0;
        EXPECT_GT(painted, 20) << info.name;
    }
}

TEST_F(MainFormTest, SevenCustomCursors)
{
    std::set<qint64> keys;
    for (int number = 1; number <= 7; ++number) {
        QCursor cursor = ScreenCursor(number);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << CustomCursorName(number);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        keys.insert(cursor.pixmap().cacheKey());
    }
    EXPECT_EQ(keys.size(), 7u);
    EXPECT_STREQ(CustomCursorName(6), "ZOOM");
    EXPECT_EQ(ScreenCursor(0).shape(), Qt::ArrowCursor);
}

TEST_F(MainFormTest, KeysMeanTheActionsOfTheActiveKind)
{
    Watch({A::Volume, A::MaxVolume, A::DeleteUndo, A::EditDelete, A::RndEcho, A::SntValidate, A::EditNameAction});
    TStandInWindow* wave = Open(documentKindWave, "Wave 1");
    form.MakeUndo(wave->UnitWave());

    Press(Qt::Key_V);
    Press(Qt::Key_V, Qt::ShiftModifier);
    Press(Qt::Key_Delete, Qt::AltModifier);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    Press(Qt::Key_E, Qt::AltModifier); // not the Effects menu's mnemonic
    EXPECT_EQ(ran[A::Volume], 1);
    EXPECT_EQ(ran[A::MaxVolume], 1);
    EXPECT_EQ(ran[A::DeleteUndo], 1);
    EXPECT_EQ(ran[A::EditDelete], 1);
    EXPECT_EQ(ran[A::RndEcho], 1);

    // An empty wave: Volume is disabled, so V does nothing.
    wave->wave.values = 0;
    wave->wave.hasContent = false;
    Press(Qt::Key_V);
    EXPECT_EQ(ran[A::Volume], 1);

    // In a factory window V validates.
    Open(documentKindFactory, "Factory 1");
    Press(Qt::Key_V);
    EXPECT_EQ(ran[A::SntValidate], 1);
    EXPECT_EQ(ran[A::Volume], 1);
    // The form goes with the snapshot still held: nothing outlives its document.
}

TEST_F(MainFormTest, ShiftedSymbolsFindTheirKey)
{
    Watch({A::MusicPointAdd, A::MusicPointDelete});
    TStandInWindow* music = Open(documentKindMusic, "Music 1");
    music->music.canPointAdd = true;
    music->music.canPointDelete = true;
    Press(Qt::Key_Period);
    Press(Qt::Key_Greater, Qt::ShiftModifier);
    EXPECT_EQ(ran[A::MusicPointAdd], 1);
    EXPECT_EQ(ran[A::MusicPointDelete], 1);
}

TEST_F(MainFormTest, NoKindKeysBeforeTheFirstActivation)
{
    Watch({A::DuplicateWave, A::DuplicateMuz, A::DuplicateFact, A::FilePlay});
    Press(Qt::Key_D);
    Press(Qt::Key_P);
    for (auto [id, count] : ran)
        EXPECT_EQ(count, 0) << ActionInfo(id).name;
}

TEST_F(MainFormTest, TypingIntoADialogFiresNoShortcut)
{
    Watch({A::EditNameAction, A::Volume});
    Open(documentKindWave, "Wave 1");
    QDialog dialog(&form);
    auto* field = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(field);
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    field->setFocus();
    QTest::keyClicks(field, "nv");
    EXPECT_EQ(field->text(), "nv");
    EXPECT_EQ(ran[A::EditNameAction], 0);
    EXPECT_EQ(ran[A::Volume], 0);
    // The active document still comes from the area while the dialog has the focus.
    ASSERT_NE(form.ActiveChild(), nullptr);
    EXPECT_EQ(form.ActiveChild()->GetUnitName(), "Wave 1");

    dialog.hide();
    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_N);
    EXPECT_EQ(ran[A::EditNameAction], 1);
}

TEST_F(MainFormTest, AnOpenMenuKeepsItsKeys)
{
    Watch({A::Volume});
    Open(documentKindWave, "Wave 1");
    QMenu* effects = form.Menu("MenuEffects");
    effects->popup(form.mapToGlobal(QPoint(10, 10)));
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), effects);
    QTest::keyClick(effects, Qt::Key_V);
    EXPECT_EQ(ran[A::Volume], 0);
    effects->close();
}

TEST_F(MainFormTest, MenusFollowTheKindAndRebuildOnlyOnChange)
{
    Open(documentKindWave, "Wave 1");
    EXPECT_TRUE(MenuShown("MenuEffects"));
    EXPECT_FALSE(form.ToolBar("ToolBarWave1")->isHidden());
    EXPECT_FALSE(form.StatusBarWave()->isHidden());
    const int rebuilds = form.States().menuRebuilds;
    Open(documentKindWave, "Wave 2");
    EXPECT_EQ(form.States().menuRebuilds, rebuilds);
    Open(documentKindMusic, "Music 1");
    EXPECT_EQ(form.States().menuRebuilds, rebuilds + 1);
    EXPECT_FALSE(MenuShown("MenuEffects"));
    EXPECT_TRUE(MenuShown("MenuMusic"));
    EXPECT_TRUE(form.ToolBar("ToolBarWave1")->isHidden());
    EXPECT_TRUE(form.StatusBarWave()->isHidden());
    EXPECT_FALSE(form.StatusBarMuz()->isHidden());
}

TEST_F(MainFormTest, KindToolBarsStackInTheirOrderAtTheBottom)
{
    const std::vector<std::pair<unsigned char, std::vector<const char*>>> kinds = {
        {documentKindWave, {"ToolBarWave1", "ToolBarWave2", "ToolBarWave3"}},
        {documentKindMusic, {"ToolBarMusic1", "ToolBarMusic2", "ToolBarMusic3"}},
    };
    for (const auto& [kind, bars] : kinds) {
        Open(kind, "Document " + std::to_string(kind));
        QApplication::processEvents();
        form.layout()->activate();
        for (size_t i = 1; i < bars.size(); ++i)
            EXPECT_LT(form.ToolBar(bars[i - 1])->geometry().top(), form.ToolBar(bars[i])->geometry().top())
                << bars[i - 1] << " stands above " << bars[i];
        EXPECT_GT(form.ToolBar(bars[0])->geometry().top(), form.MdiArea()->geometry().bottom());
    }
}

TEST_F(MainFormTest, ClosingTheLastWindowLeavesNoWindowActive)
{
    Watch({A::Volume});
    TStandInWindow* wave = Open(documentKindWave, "Wave 1");
    EXPECT_FALSE(form.StatusBarWave()->isHidden());
    EXPECT_TRUE(wave->close());
    QApplication::processEvents();
    form.UpdateActions();
    EXPECT_TRUE(form.StatusBarWave()->isHidden());
    EXPECT_EQ(form.ActiveChild(), nullptr);
    EXPECT_FALSE(MenuShown("MenuEffects"));
    EXPECT_TRUE(form.ShortCuts().Get(A::Volume).IsEmpty());
    Press(Qt::Key_V);
    EXPECT_EQ(ran[A::Volume], 0);
}

TEST_F(MainFormTest, RegistryNamesAndWalkOrder)
{
    TStandInWindow* first = Open(documentKindWave, "Wave 1");
    TStandInWindow* third = Open(documentKindWave, "Wave 3");
    EXPECT_EQ(form.NewUnitName("Wave", ""), "Wave 2");
    TStandInWindow* second = Open(documentKindWave, "Wave 2");
    EXPECT_EQ(form.NewUnitName("Wave", ""), "Wave 4");

    // Least recently activated first.
    form.MdiArea()->setActiveSubWindow(first);
    std::vector<std::string> walk;
    for (TRegisteredWindow* window : form.Registry().Walk())
        walk.push_back(window->GetUnitName());
    EXPECT_EQ(walk, (std::vector<std::string>{"Wave 3", "Wave 2", "Wave 1"}));
    EXPECT_EQ(form.ActiveChild(), first);

    EXPECT_FALSE(form.CheckUnitName("Wave 3", first));
    EXPECT_EQ(messages.Last().text, "A window with name \"Wave 3\" already exists.");
    EXPECT_TRUE(form.CheckUnitName("Wave 1", first));

    // A window that is closing no longer holds its name.
    third->close();
    EXPECT_EQ(form.NewUnitName("Wave", ""), "Wave 3");
    EXPECT_EQ(form.Registry().FindByName("Wave 3"), nullptr);
    (void)second;
}

// A maximised document window shows its caption in the main window's, and
// the product title appears there once: the platform adds none of its own.
TEST_F(MainFormTest, AMaximisedWindowsCaptionShowsTheProductTitleOnce)
{
    SetApplicationIdentity();
    form.show();
    TStandInWindow* wave = Open(documentKindWave, "Wave 2", "/tmp/take.wav");
    wave->showMaximized();
    QApplication::processEvents();
    const QString caption = form.windowTitle();
    EXPECT_EQ(caption, "Quarbel 9.1 - [Wave 2 - /tmp/take.wav]");
    // What the platform appends to a title that does not end with it.
    const QString appended = QGuiApplication::applicationDisplayName();
    EXPECT_TRUE(appended == QGuiApplication::applicationName() || caption.endsWith(appended)) << appended.toStdString();
    EXPECT_EQ(caption.count("Quarbel 9.1"), 1);
    wave->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form.windowTitle(), "Quarbel 9.1");
}

TEST_F(MainFormTest, TheOpenDialogHasTitleAndCloseBoxOnly)
{
    Qt::WindowFlags flags = FlagsOfModalDialog([&] { form.Action(A::FileOpenWave)->trigger(); });
    EXPECT_TRUE(HasDialogWindowFlags(flags)) << flags.toInt();
}

TEST_F(MainFormTest, CaptionAndSaveQuestion)
{
    TStandInWindow* named = Open(documentKindWave, "Wave 1", "/tmp/a.wav");
    EXPECT_EQ(named->windowTitle(), "Wave 1 - /tmp/a.wav");
    named->Unit().SetName("");
    EXPECT_EQ(named->windowTitle(), "/tmp/a.wav");
    named->Unit().SetName("Bass");
    EXPECT_EQ(named->windowTitle(), "Bass - /tmp/a.wav");

    TStandInWindow* players = Open(documentKindPlayers, "", "");
    EXPECT_EQ(players->windowTitle(), "");
    EXPECT_EQ(players->GetSaveQuestion(), "Do you want to save the Player Set without name to a new file?");

    named->needsSaving = true;
    messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(named->close());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Do you want to save the Wave with name \"Bass\" to current file \"/tmp/a.wav\"?");
    EXPECT_EQ(messages.Last().caption, "You have unsaved changes");
    EXPECT_EQ(messages.Last().buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(named->IsClosing());

    messages.Answer(MsgAnswer::Yes); // the save fails: the window stays
    EXPECT_FALSE(named->close());
    EXPECT_EQ(named->saves, 1);

    messages.Answer(MsgAnswer::No);
    EXPECT_TRUE(named->close());
    EXPECT_EQ(form.Registry().FindByName("Bass"), nullptr);
}

TEST_F(MainFormTest, CursorsOfTheDocumentWindow)
{
    TStandInWindow* window = Open(documentKindWave, "Wave 1");
    window->SetZoomCursor();
    EXPECT_EQ(window->CurrentCursor(), 6);
    window->SetDrawCursor();
    EXPECT_EQ(window->CurrentCursor(), 1);
    window->SetDefaultCursor();
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainFormTest, BusyCursorNestsAndBoxesShowTheNormalCursor)
{
    struct CursorSeen : MessageService {
        MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override
        {
            shape = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
            return MsgAnswer::Ok;
        }
        Qt::CursorShape shape = Qt::WaitCursor;
    } seen;
    TNormalCursorMessages boxes(seen);
    form.BeginBusy();
    form.BeginBusy();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    boxes.Show("text", "Error", MsgIcon::Information, MsgButtons::Ok);
    EXPECT_EQ(seen.shape, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    form.EndBusy();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    form.EndBusy();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The always-on-top box starts below the toolbars, inside the screen's work
// area, and a place read from a project saved on a larger screen is brought
// back inside.
TEST_F(MainFormTest, TheEditNameBoxStaysInsideTheWorkAreaAndOffTheToolbars)
{
    QApplication::processEvents();
    auto* editName = form.findChild<QWidget*>("DlgEditName");
    ASSERT_NE(editName, nullptr);
    ASSERT_TRUE(editName->isVisible());
    const QRect area = editName->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(editName->frameGeometry())) << editName->frameGeometry().x() << ","
                                                          << editName->frameGeometry().y();
    for (const TToolBarInfo& info : ToolBarLayout()) {
        const QToolBar* bar = form.ToolBar(info.name);
        if (bar->isVisible()) {
            EXPECT_FALSE(QRect(bar->mapToGlobal(QPoint()), bar->size()).intersects(editName->frameGeometry()))
                << info.name;
        }
    }
    form.ModelessDialogs().SetPlacement(modelessDialogEditName, {area.right() + 500, area.bottom() + 500, 400, 0});
    EXPECT_TRUE(area.contains(editName->frameGeometry()));
    EXPECT_EQ(editName->width(), 400);
}

// A window manager puts the main window in its place after it is shown and
// before it is exposed; the box, shown once the main window is on the screen,
// stands there below the toolbars.
TEST(MainFormStart, TheEditNameBoxIsPlacedWhereTheMainWindowEndsUp)
{
    RecordingMessageService messages;
    TMainForm form;
    form.show();
    form.move(form.pos() + QPoint(40, 60));
    auto* editName = form.findChild<QWidget*>("DlgEditName");
    ASSERT_NE(editName, nullptr);
    EXPECT_FALSE(editName->isVisible());
    EXPECT_TRUE(form.Action(A::EditNameAction)->isChecked());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(editName->isVisible());
    const QPoint areaTop = form.MdiArea()->mapToGlobal(QPoint());
    EXPECT_GE(editName->frameGeometry().top(), areaTop.y());
    EXPECT_EQ(editName->windowHandle()->transientParent(), form.windowHandle());
}

// A project read before the main window is on the screen (a slow window
// manager) gives the waiting box its place; a project closed then saves that
// place, hidden or not, and the box shows there once the main window is up.
TEST(MainFormStart, TheEditNameBoxWaitingForTheMainWindowKeepsThePlaceItWasGiven)
{
    RecordingMessageService messages;
    TMainForm form;
    TModelessDialogs& dialogs = form.ModelessDialogs();
    auto* editName = form.findChild<QWidget*>("DlgEditName");
    ASSERT_NE(editName, nullptr);
    dialogs.SetPlacement(modelessDialogEditName, {120, 90, 250, 0});
    TDialogPlacement placement = dialogs.GetPlacement(modelessDialogEditName);
    EXPECT_EQ(QPoint(placement.Left, placement.Top), QPoint(120, 90));
    EXPECT_EQ(placement.Width, 250);

    dialogs.ShowDialog(modelessDialogEditName, false);
    placement = dialogs.GetPlacement(modelessDialogEditName);
    EXPECT_EQ(QPoint(placement.Left, placement.Top), QPoint(120, 90));

    dialogs.ShowDialog(modelessDialogEditName, true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(editName->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editName));
    QTRY_COMPARE(editName->frameGeometry().topLeft(), QPoint(120, 90));
    placement = dialogs.GetPlacement(modelessDialogEditName);
    EXPECT_EQ(QPoint(placement.Left, placement.Top), QPoint(120, 90));
}

TEST_F(MainFormTest, DialogTogglesFollowTheirDialogs)
{
    Open(documentKindWave, "Wave 1");
    form.Execute(A::SelectWave);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::SelectWave)->isChecked());
    form.ModelessDialogs().ShowDialog(modelessDialogSelZoom, false);
    form.SelZoomDialogClosed();
    EXPECT_FALSE(form.Action(A::SelectWave)->isChecked());
    form.Execute(A::EditNameAction); // shown at start: now hidden
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::EditNameAction)->isChecked());
}

TEST_F(MainFormTest, UpdateIsCoalescedAfterCommands)
{
    Open(documentKindWave, "Wave 1");
    TStandInWindow* wave = static_cast<TStandInWindow*>(form.ActiveChild());
    wave->wave.values = 0;
    wave->wave.hasContent = false;
    form.Execute(A::FileStop); // disabled: does nothing, asks for nothing
    form.Execute(A::HelpContents);
    QTest::qWait(1);
    EXPECT_FALSE(form.Action(A::Volume)->isEnabled());
    EXPECT_TRUE(form.Action(A::MakeSinus)->isEnabled());
}

TEST_F(MainFormTest, TheCoreReachesTheMainWindow)
{
    TStandInWindow* wave = Open(documentKindWave, "Wave 1");
    Open(documentKindFactory, "Factory 1");
    EXPECT_EQ(MainForm().FindUnitWave("Wave 1"), wave->UnitWave());
    EXPECT_EQ(MainForm().FindUnitWave("Factory 1"), nullptr);
    WaveNameList names;
    EXPECT_EQ(MainForm().AddWaveNames(names, 0), 1);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].unit, wave->UnitWave());

    MainForm().GetWaveStatusPanel(2)->SetText("0:01.000");
    EXPECT_EQ(form.StatusBarWave()->PanelText(2), "0:01.000");
    EXPECT_NE(MainForm().GetWaveStatusPanel(99), nullptr);

    EXPECT_EQ(WaveHost().ActiveWaveUnit(), nullptr); // the factory window is active
    form.MdiArea()->setActiveSubWindow(wave);
    EXPECT_EQ(WaveHost().ActiveWaveUnit(), wave->UnitWave());
    WaveHost().MakeUndo(wave->UnitWave());
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::Undo)->isEnabled());
    WaveHost().DeleteUndoOfUnit(wave->UnitWave());
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::Undo)->isEnabled());
}

TEST_F(MainFormTest, EnvelopeUsersRepaintWithTheirWave)
{
    TStandInWindow* source = Open(documentKindWave, "Wave 1");
    TStandInWindow* user = Open(documentKindWave, "Wave 2");
    TStandInWindow* closing = Open(documentKindWave, "Wave 3");
    user->envelopeOf = "Wave 1";
    closing->envelopeOf = "Wave 1";
    closing->close();
    form.RefreshEnvelopeUsers(source);
    EXPECT_EQ(user->repaints, 1);
    EXPECT_EQ(source->repaints, 0);
    form.RefreshEnvelopeUsersByName("");
    EXPECT_EQ(user->repaints, 1);

    // A broken call reports and returns.
    form.RefreshEnvelopeUsers(nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Assertion failed");
}

TEST_F(MainFormTest, AMenuShowsFreshStates)
{
    TStandInWindow* wave = Open(documentKindWave, "Wave 1");
    EXPECT_TRUE(form.Action(A::Reverse)->isEnabled());
    wave->wave.values = 0;
    emit form.Menu("MenuEffects")->aboutToShow();
    EXPECT_FALSE(form.Action(A::Reverse)->isEnabled());
}
