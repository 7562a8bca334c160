#include "StandInWindow.h"

#include "foundation/gui/ValueLineEdit.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "platform/RecordingMessageService.h"
#include "shell/DocumentKind.h"
#include "shell/gui/AboutBox.h"
#include "shell/gui/DlgEditName.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/ModelessDialogsQt.h"
#include "support/gui/ModalDialog.h"
#include "wave/StereoSound.h"
#include "wave/gui/DlgSelZoom.h"
#include "wave/gui/DlgVoldViewProps.h"
#include "wave/gui/DlgWaveViewProps.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <map>

namespace {

using A = ActionId;

std::shared_ptr<Sound> StereoSine(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values), right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        left->getData()[i] = static_cast<int16_t>(10000 * std::sin(i * 0.05));
        right->getData()[i] = static_cast<int16_t>(-left->getData()[i]);
    }
    return std::make_shared<StereoSound>(left, right, 44100, 2);
}

struct ModelessDialogsGui : ::testing::Test {
    ModelessDialogsGui()
    {
        form.show();
        // The Edit Name box, shown at start, comes once the main window is on the screen.
        if (QTest::qWaitForWindowExposed(&form))
            QCoreApplication::processEvents();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
    }

    TModelessDialogsQt& Dialogs() { return dynamic_cast<TModelessDialogsQt&>(form.ModelessDialogs()); }
    TDlgEditName* EditName() { return Dialogs().GetEditNameDialog(); }

    TStandInWindow* Open(unsigned char kind, const std::string& name)
    {
        auto* window = new TStandInWindow(form, kind, name);
        form.AddChildWindow(window);
        form.UpdateActions();
        return window;
    }

    void Activate(QMdiSubWindow* window)
    {
        form.MdiArea()->setActiveSubWindow(window);
        QApplication::processEvents();
    }

    RecordingMessageService messages;
    TMainForm form;
};

} // namespace

// ---------------------------------------------------------------- the manager

TEST_F(ModelessDialogsGui, TogglingShowsHidesAndShowsTheSameDialog)
{
    // Edit Name is shown at start.
    TDlgEditName* editName = EditName();
    ASSERT_NE(editName, nullptr);
    EXPECT_TRUE(editName->isVisible());
    EXPECT_TRUE(form.Action(A::EditNameAction)->isChecked());
    for (bool shown : {false, true, false}) {
        form.Execute(A::EditNameAction);
        EXPECT_EQ(editName->isVisible(), shown);
        EXPECT_EQ(EditName(), editName);
        EXPECT_EQ(form.Action(A::EditNameAction)->isChecked(), shown);
    }

    // Select and Zoom is made on its first show only.
    EXPECT_EQ(Dialogs().GetSelZoomDialog(), nullptr);
    EXPECT_FALSE(Dialogs().IsDialogVisible(modelessDialogSelZoom));
    form.Execute(A::SelectWave);
    TDlgSelZoom* selZoom = Dialogs().GetSelZoomDialog();
    ASSERT_NE(selZoom, nullptr);
    EXPECT_TRUE(selZoom->isVisible());
    EXPECT_EQ(selZoom->parentWidget(), &form);
    for (bool shown : {false, true}) {
        form.Execute(A::SelectWave);
        EXPECT_EQ(selZoom->isVisible(), shown);
        EXPECT_EQ(Dialogs().GetSelZoomDialog(), selZoom);
    }
    // The music dialogs are made on their first show too.
    EXPECT_EQ(Dialogs().GetMusicDialog(), nullptr);
    Dialogs().ShowDialog(modelessDialogMusStave, true);
    EXPECT_TRUE(Dialogs().IsDialogVisible(modelessDialogMusStave));
    ASSERT_NE(Dialogs().GetMusicDialog(), nullptr);
}

TEST_F(ModelessDialogsGui, TheCloseBoxUnchecksTheActionAtOnce)
{
    form.UpdateActions();
    ASSERT_TRUE(form.Action(A::EditNameAction)->isChecked());
    EditName()->close();
    EXPECT_FALSE(EditName()->isVisible());
    EXPECT_FALSE(form.Action(A::EditNameAction)->isChecked());
    form.Execute(A::EditNameAction);
    EXPECT_TRUE(EditName()->isVisible());

    form.Execute(A::SelectWave);
    form.UpdateActions();
    ASSERT_TRUE(form.Action(A::SelectWave)->isChecked());
    Dialogs().GetSelZoomDialog()->close();
    EXPECT_FALSE(form.Action(A::SelectWave)->isChecked());
    form.Execute(A::SelectWave);
    EXPECT_TRUE(Dialogs().GetSelZoomDialog()->isVisible());
}

TEST_F(ModelessDialogsGui, ActivationReachesHiddenDialogsChangesOnlyShownOnes)
{
    TStandInWindow* wave = Open(documentKindWave, "Wave 1");
    TStandInWindow* factory = Open(documentKindFactory, "Factory 1");
    form.Execute(A::SelectWave);
    TDlgSelZoom* selZoom = Dialogs().GetSelZoomDialog();
    // A factory: nothing to select, but its name to edit.
    EXPECT_EQ(EditName()->editName->text(), "Factory 1");
    EXPECT_FALSE(selZoom->OKButton()->isEnabled());

    form.Execute(A::EditNameAction);
    form.Execute(A::SelectWave);
    ASSERT_FALSE(EditName()->isVisible());
    Activate(wave);
    EXPECT_EQ(EditName()->editName->text(), "Wave 1");
    EXPECT_TRUE(selZoom->OKButton()->isEnabled());

    // A hidden dialog misses the change notices.
    form.UnitNameChanged("Renamed elsewhere");
    EXPECT_EQ(EditName()->editName->text(), "Wave 1");
    form.Execute(A::EditNameAction);
    form.UnitNameChanged("Renamed elsewhere");
    EXPECT_EQ(EditName()->editName->text(), "Renamed elsewhere");

    Activate(factory);
    factory->close();
    wave->close();
    QApplication::processEvents();
    EXPECT_FALSE(EditName()->editName->isEnabled());
    EXPECT_TRUE(EditName()->editName->text().isEmpty());
    EXPECT_FALSE(EditName()->btnOk->isEnabled());
    EXPECT_FALSE(EditName()->btnCancel->isEnabled());
}

TEST_F(ModelessDialogsGui, APlacementGoesIntoAProjectAndBack)
{
    EditName()->move(30, 40);
    EditName()->resize(250, 72);
    std::string text;
    Dialogs().WriteProjectXml(modelessDialogEditName)->WriteItem(text, 0);
    EXPECT_EQ(text, "<DlgEditName>\n  <Left>30</Left>\n  <Top>40</Top>\n  <Width>250</Width>\n</DlgEditName>\n");
    // A dialog that cannot show writes nothing.
    EXPECT_EQ(Dialogs().WriteProjectXml(modelessDialogMusTree), nullptr);

    // Read, a dialog never shown is made, shown and placed.
    TXMLComplexElement selZoom("DlgSelZoom");
    selZoom.AddItem(std::make_unique<TXMLStringElement>("Left", "12"));
    selZoom.AddItem(std::make_unique<TXMLStringElement>("Top", "34"));
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(Dialogs().ReadProjectXml(modelessDialogSelZoom, selZoom, error, line, column)) << error;
    ASSERT_NE(Dialogs().GetSelZoomDialog(), nullptr);
    EXPECT_TRUE(Dialogs().GetSelZoomDialog()->isVisible());
    EXPECT_EQ(Dialogs().GetSelZoomDialog()->pos(), QPoint(12, 34));
}

// ---------------------------------------------------------------- Edit Name

TEST_F(ModelessDialogsGui, EditNameIsASmallToolWindowAboveTheMainWindow)
{
    TDlgEditName* dialog = EditName();
    EXPECT_EQ(dialog->windowTitle(), "Edit Name");
    // Above the main window as its tool window, not above all: modal dialogs must not be covered.
    EXPECT_EQ(dialog->windowType(), Qt::Tool);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->minimumHeight(), 72);
    EXPECT_EQ(dialog->maximumHeight(), 72);
    EXPECT_EQ(dialog->minimumWidth(), 180);
    EXPECT_TRUE(dialog->editName->font().bold());
    EXPECT_EQ(dialog->editName->font().pixelSize(), 15);
    EXPECT_EQ(dialog->parentWidget(), &form);
    // Shown before the main window was: once that is up, it owns the tool window.
    QApplication::processEvents();
    ASSERT_NE(dialog->windowHandle(), nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowHandle()->transientParent(), form.windowHandle());
}

TEST_F(ModelessDialogsGui, EditNameRenamesTheActiveDocument)
{
    Open(documentKindWave, "Wave 1");
    TStandInWindow* second = Open(documentKindWave, "Wave 2");
    TDlgEditName* dialog = EditName();
    EXPECT_EQ(dialog->editName->text(), "Wave 2");

    // A name in use is refused; the typed text stays.
    dialog->editName->setText("Wave 1");
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "A window with name \"Wave 1\" already exists.");
    EXPECT_EQ(messages.Last().caption, "Error");
    EXPECT_EQ(second->Unit().GetName(), "Wave 2");
    EXPECT_EQ(dialog->editName->text(), "Wave 1");

    // Cancel shows the document's name again.
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(dialog->editName->text(), "Wave 2");

    // Return runs OK; its own name and the empty name are accepted.
    for (const char* name : {"Drums", "Drums", ""}) {
        dialog->editName->setText(name);
        QTest::keyClick(dialog->editName, Qt::Key_Return);
        EXPECT_EQ(second->Unit().GetName(), name);
    }
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(second->windowTitle(), "");
}

TEST_F(ModelessDialogsGui, KeysTypedIntoEditNameFireNoShortcut)
{
    std::map<ActionId, int> ran;
    for (ActionId id : {A::Volume, A::DeleteUndo})
        form.SetActionHandler(id, [&ran, id] { ++ran[id]; });
    Open(documentKindWave, "Wave 1");
    TDlgEditName* dialog = EditName();
    dialog->activateWindow();
    QApplication::setActiveWindow(dialog);
    dialog->editName->setFocus();
    dialog->editName->clear();
    QTest::keyClicks(dialog->editName, "nvq");
    EXPECT_EQ(dialog->editName->text(), "nvq");
    EXPECT_TRUE(form.IsModelessDialogActive());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ran[A::Volume], 0);
    EXPECT_EQ(Dialogs().GetSelZoomDialog(), nullptr);
}

// ---------------------------------------------------------------- About

TEST_F(ModelessDialogsGui, TheAboutBoxNamesTheVersionAndSitsOverTheMainWindow)
{
    form.setGeometry(50, 60, 700, 500);
    QString caption;
    QSize size;
    QPoint centre;
    WhenModalOpens<TAboutBox>([&](TAboutBox& about) {
        caption = about.windowTitle();
        size = about.size();
        centre = about.frameGeometry().center();
        QTest::mouseClick(about.OKButton, Qt::LeftButton);
    });
    form.Execute(A::HelpAbout);
    EXPECT_EQ(caption, "About Quarbel 9.1");
    EXPECT_EQ(size, QSize(355, 249));
    EXPECT_LE((centre - form.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// ---------------------------------------------------------------- the view commands

TEST_F(ModelessDialogsGui, TheViewCommandsSwitchWhatTheWindowShowsOnOKOnly)
{
    form.UpdateActions();
    EXPECT_FALSE(form.Action(A::ViewWave)->isEnabled());
    EXPECT_FALSE(form.Action(A::ViewVold)->isEnabled());
    EXPECT_TRUE(form.Action(A::SelectWave)->isEnabled());
    EXPECT_TRUE(form.Action(A::HelpAbout)->isEnabled());

    TMDIChildWave* window = form.CreateWaveFromSound(StereoSine(3000), "Wave", "");
    form.UpdateActions();
    WhenModalOpens<TDlgVoldViewProps>([](TDlgVoldViewProps& dialog) {
        dialog.editXResolution->setText("40");
        dialog.reject();
    });
    form.Execute(A::ViewVold);
    EXPECT_EQ(window->GetShowKind(), 0);
    EXPECT_EQ(window->GetVoldViewProps(), form.DefaultVoldViewProps());

    WhenModalOpens<TDlgVoldViewProps>([](TDlgVoldViewProps& dialog) {
        dialog.editXResolution->setText("40");
        dialog.editYResolution->setText("10");
        dialog.chkUseAsDefault->setChecked(true);
        dialog.accept();
    });
    form.Execute(A::ViewVold);
    EXPECT_EQ(window->GetShowKind(), 1);
    EXPECT_EQ(window->GetVoldViewProps().XResolution.GetValue(), 40);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::ViewVold)->isChecked());
    EXPECT_FALSE(form.Action(A::ViewWave)->isChecked());
    // The default went to the next new window.
    EXPECT_EQ(form.DefaultVoldViewProps().XResolution.GetValue(), 40);

    WhenModalOpens<TDlgWaveViewProps>([](TDlgWaveViewProps& dialog) {
        dialog.editValuesPerPixel->setText("3");
        dialog.accept();
    });
    form.Execute(A::ViewWave);
    EXPECT_EQ(window->GetShowKind(), 0);
    EXPECT_EQ(window->GetWaveViewProps().ValuesPerPixel.GetValue(), 3);
    EXPECT_EQ(form.DefaultWaveViewProps().ValuesPerPixel.GetValue(), 15);
    form.UpdateActions();
    EXPECT_TRUE(form.Action(A::ViewWave)->isChecked());
}

TEST_F(ModelessDialogsGui, SelectAndZoomFollowsTheActiveWaveWhileShown)
{
    TMDIChildWave* window = form.CreateWaveFromSound(StereoSine(44100), "Wave", "");
    QApplication::processEvents();
    form.Execute(A::SelectWave);
    TDlgSelZoom* dialog = Dialogs().GetSelZoomDialog();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->optCursor->isChecked());

    window->GetUnitWave()->SelectRange(4410, 8820);
    EXPECT_TRUE(dialog->optPart->isChecked());
    EXPECT_EQ(dialog->editPartBegin->text(), "0.1 s");

    window->GetViewWaveGroup()->GetPane(2)->ZoomToRange(0, 22050, true);
    EXPECT_TRUE(dialog->chkZoomed2->isChecked());

    // Typed and applied, with the change notices refilling the fields.
    dialog->editPartBegin->setText("0.25 s");
    dialog->editPartEnd->setText("500 ms");
    QTest::mouseClick(dialog->OKButton(), Qt::LeftButton);
    EXPECT_EQ(window->GetUnitWave()->GetSelectBegin(), 11025);
    EXPECT_EQ(window->GetUnitWave()->GetSelectEnd(), 22050);
    EXPECT_EQ(dialog->editPartBegin->text(), "0.25 s");
    EXPECT_EQ(messages.Count(), 0u);

    // Hidden, it does not follow; shown again, it catches up.
    form.Execute(A::SelectWave);
    window->GetUnitWave()->SelectRange(0, 4410);
    EXPECT_EQ(dialog->editPartBegin->text(), "0.25 s");
    form.Execute(A::SelectWave);
    EXPECT_EQ(dialog->editPartBegin->text(), "0 s");
}
