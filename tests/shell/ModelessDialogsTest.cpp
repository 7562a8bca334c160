#include "wave/view/ViewXmlTestSupport.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "shell/ModelessDialogs.h"
#include "wave/view/GrammarBuilder.h"

#include <gtest/gtest.h>

namespace {

TDTDItemPtr Grammar()
{
    using namespace GrammarBuilder;
    return TModelessDialogs::GetModelessDialogsDefinition(Text("Left"), Text("Top"), Text("Width"), Text("Height"));
}

// Reads the element through its grammar into the manager.
bool Read(TModelessDialogs& dialogs, const std::string& body, std::string& error, int32_t& line, int32_t& column)
{
    std::unique_ptr<TXMLComplexElement> holder = MatchBody(*Grammar(), body, error);
    if (!holder)
        return false;
    return dialogs.ReadModelessDialogsXml(*holder->GetFirst(), error, line, column);
}

} // namespace

TEST(ModelessDialogs, ToggleShowsHidesAndShowsAgain)
{
    TModelessDialogs dialogs;
    EXPECT_FALSE(dialogs.IsDialogVisible(modelessDialogEditName));
    for (bool expected : {true, false, true}) {
        dialogs.ToggleDialog(modelessDialogEditName);
        EXPECT_EQ(dialogs.IsDialogVisible(modelessDialogEditName), expected);
    }
    EXPECT_FALSE(dialogs.IsDialogVisible(modelessDialogSelZoom));
}

TEST(ModelessDialogs, OnlyShownDialogsAreWrittenEachWithItsOwnNumbers)
{
    TModelessDialogs dialogs;
    EXPECT_EQ(ElementText(*dialogs.WriteModelessDialogsXml()), "<ModelessDialogs />\n");

    for (TModelessDialogKind kind : {modelessDialogSelZoom, modelessDialogMusTree, modelessDialogEditName}) {
        dialogs.ShowDialog(kind, true);
        dialogs.SetPlacement(kind, {10 + kind, -20, 300, 200});
    }
    dialogs.SetPlacement(modelessDialogMusStave, {1, 2, 3, 4}); // placed but hidden
    EXPECT_EQ(ElementText(*dialogs.WriteModelessDialogsXml()),
              "<ModelessDialogs>\n"
              "  <DlgSelZoom>\n    <Left>10</Left>\n    <Top>-20</Top>\n  </DlgSelZoom>\n"
              "  <DlgMusTree>\n    <Left>12</Left>\n    <Top>-20</Top>\n    <Width>300</Width>\n"
              "    <Height>200</Height>\n  </DlgMusTree>\n"
              "  <DlgEditName>\n    <Left>13</Left>\n    <Top>-20</Top>\n    <Width>300</Width>\n"
              "  </DlgEditName>\n"
              "</ModelessDialogs>\n");
}

TEST(ModelessDialogs, WhatIsWrittenReadsBackAndHidesTheRest)
{
    TModelessDialogs written;
    written.ShowDialog(modelessDialogSelZoom, true);
    written.SetPlacement(modelessDialogSelZoom, {640, 480, 0, 0});
    written.ShowDialog(modelessDialogEditName, true);
    written.SetPlacement(modelessDialogEditName, {5, 6, 250, 0});

    TModelessDialogs read;
    read.ShowDialog(modelessDialogMusStave, true);
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(Read(read, ElementText(*written.WriteModelessDialogsXml()), error, line, column)) << error;
    EXPECT_TRUE(read.IsDialogVisible(modelessDialogSelZoom));
    EXPECT_FALSE(read.IsDialogVisible(modelessDialogMusStave));
    EXPECT_FALSE(read.IsDialogVisible(modelessDialogMusTree));
    EXPECT_TRUE(read.IsDialogVisible(modelessDialogEditName));
    EXPECT_EQ(read.GetPlacement(modelessDialogSelZoom).Left, 640);
    EXPECT_EQ(read.GetPlacement(modelessDialogSelZoom).Top, 480);
    EXPECT_EQ(read.GetPlacement(modelessDialogEditName).Width, 250);
}

TEST(ModelessDialogs, AnEmptyElementHidesEveryDialog)
{
    TModelessDialogs dialogs;
    for (int kind = 0; kind < ModelessDialogKindCount; ++kind)
        dialogs.ShowDialog(static_cast<TModelessDialogKind>(kind), true);
    std::string error;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(Read(dialogs, "<ModelessDialogs />\n", error, line, column)) << error;
    for (int kind = 0; kind < ModelessDialogKindCount; ++kind)
        EXPECT_FALSE(dialogs.IsDialogVisible(static_cast<TModelessDialogKind>(kind)));
}

TEST(ModelessDialogs, ABadNumberStopsWithItsPlaceAndLeavesThatDialogWhereItWas)
{
    TModelessDialogs dialogs;
    dialogs.SetPlacement(modelessDialogEditName, {7, 8, 190, 0});
    std::string error;
    int32_t line = 0, column = 0;
    EXPECT_FALSE(Read(dialogs,
                      "<ModelessDialogs>\n"
                      "  <DlgEditName>\n    <Left>1</Left>\n    <Top>2</Top>\n    <Width>wide</Width>\n"
                      "  </DlgEditName>\n"
                      "</ModelessDialogs>\n",
                      error, line, column));
    EXPECT_EQ(error.rfind("In Width: ", 0), 0u) << error;
    EXPECT_EQ(line, 8);
    const TDialogPlacement kept = dialogs.GetPlacement(modelessDialogEditName);
    EXPECT_EQ(kept.Left, 7);
    EXPECT_EQ(kept.Width, 190);
}

TEST(ModelessDialogs, TheGrammarRefusesDialogsOutOfOrderAndMissingNumbers)
{
    std::string error;
    EXPECT_EQ(MatchBody(*Grammar(),
                        "<ModelessDialogs>\n  <DlgEditName>\n    <Left>1</Left>\n    <Top>2</Top>\n"
                        "    <Width>3</Width>\n  </DlgEditName>\n  <DlgSelZoom>\n    <Left>1</Left>\n"
                        "    <Top>2</Top>\n  </DlgSelZoom>\n</ModelessDialogs>\n",
                        error),
              nullptr);
    EXPECT_EQ(MatchBody(*Grammar(), "<ModelessDialogs>\n  <DlgSelZoom>\n    <Left>1</Left>\n  </DlgSelZoom>\n"
                                    "</ModelessDialogs>\n",
                        error),
              nullptr);
}

TEST(ModelessDialogs, AnUncheckedTreeMissingANumberIsRefusedNotFollowed)
{
    // Read without its grammar: a missing number is a message, not a crash.
    TXMLComplexElement element("ModelessDialogs");
    auto selZoom = std::make_unique<TXMLComplexElement>("DlgSelZoom");
    selZoom->AddItem(std::make_unique<TXMLStringElement>("Left", "4"));
    element.AddItem(std::move(selZoom));
    TModelessDialogs dialogs;
    std::string error;
    int32_t line = 0, column = 0;
    EXPECT_FALSE(dialogs.ReadModelessDialogsXml(element, error, line, column));
    EXPECT_EQ(error, "In DlgSelZoom: Top expected.");
}
