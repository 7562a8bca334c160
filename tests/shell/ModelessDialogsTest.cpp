#include "wave/view/ViewXmlTestSupport.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "shell/ModelessDialogs.h"
#include "wave/view/GrammarBuilder.h"

#include <gtest/gtest.h>

namespace {

// A dialog's element as a project file holds it, read through a grammar so
// that every element knows its line.
std::unique_ptr<TXMLComplexElement> ReadElement(const std::string& body)
{
    using namespace GrammarBuilder;
    TDTDItemPtr grammar = Choice({Element("DlgSelZoom", Sequence({Text("Left"), Text("Top")})),
                                  Element("DlgEditName", Sequence({Text("Left"), Text("Top"), Text("Width")}))});
    std::string error;
    std::unique_ptr<TXMLComplexElement> holder = MatchBody(*grammar, body, error);
    EXPECT_NE(holder, nullptr) << error;
    return holder;
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

TEST(ModelessDialogs, EachKindWritesItsOwnNumbers)
{
    TModelessDialogs dialogs;
    for (int kind = 0; kind < ModelessDialogKindCount; ++kind)
        dialogs.SetPlacement(static_cast<TModelessDialogKind>(kind), {10 + kind, -20, 300, 200});
    const char* expected[] = {
        "<DlgSelZoom>\n  <Left>10</Left>\n  <Top>-20</Top>\n</DlgSelZoom>\n",
        "<DlgMusStave>\n  <Left>11</Left>\n  <Top>-20</Top>\n</DlgMusStave>\n",
        ("<DlgMusTree>\n  <Left>12</Left>\n  <Top>-20</Top>\n  <Width>300</Width>\n  <Height>200</Height>\n"
         "</DlgMusTree>\n"),
        "<DlgEditName>\n  <Left>13</Left>\n  <Top>-20</Top>\n  <Width>300</Width>\n</DlgEditName>\n",
    };
    for (int kind = 0; kind < ModelessDialogKindCount; ++kind)
        EXPECT_EQ(ElementText(*dialogs.WriteProjectXml(static_cast<TModelessDialogKind>(kind))), expected[kind]);
    // Numbers a kind does not keep are not taken.
    EXPECT_EQ(dialogs.GetPlacement(modelessDialogSelZoom).Width, 0);
    EXPECT_EQ(dialogs.GetPlacement(modelessDialogEditName).Height, 0);
}

TEST(ModelessDialogs, WhatIsWrittenReadsBackAndShowsTheDialog)
{
    TModelessDialogs written;
    written.SetPlacement(modelessDialogEditName, {5, 6, 250, 0});
    TModelessDialogs read;
    std::string error;
    int32_t line = 0, column = 0;
    const auto element = ReadElement(ElementText(*written.WriteProjectXml(modelessDialogEditName)));
    ASSERT_TRUE(read.ReadProjectXml(modelessDialogEditName, *element->GetFirst(), error, line, column)) << error;
    EXPECT_TRUE(read.IsDialogVisible(modelessDialogEditName));
    EXPECT_FALSE(read.IsDialogVisible(modelessDialogSelZoom));
    const TDialogPlacement placement = read.GetPlacement(modelessDialogEditName);
    EXPECT_EQ(placement.Left, 5);
    EXPECT_EQ(placement.Top, 6);
    EXPECT_EQ(placement.Width, 250);
}

TEST(ModelessDialogs, ABadNumberStopsWithItsPlaceAndLeavesTheDialogWhereItWas)
{
    TModelessDialogs dialogs;
    dialogs.SetPlacement(modelessDialogEditName, {7, 8, 190, 0});
    const auto element =
        ReadElement("<DlgEditName>\n  <Left>1</Left>\n  <Top>2</Top>\n  <Width>wide</Width>\n</DlgEditName>\n");
    std::string error;
    int32_t line = 0, column = 0;
    EXPECT_FALSE(dialogs.ReadProjectXml(modelessDialogEditName, *element->GetFirst(), error, line, column));
    EXPECT_EQ(error.rfind("In Width: ", 0), 0u) << error;
    EXPECT_EQ(line, 7);
    const TDialogPlacement kept = dialogs.GetPlacement(modelessDialogEditName);
    EXPECT_EQ(kept.Left, 7);
    EXPECT_EQ(kept.Width, 190);
}

TEST(ModelessDialogs, AnUncheckedTreeMissingANumberIsRefusedNotFollowed)
{
    TXMLComplexElement selZoom("DlgSelZoom");
    selZoom.AddItem(std::make_unique<TXMLStringElement>("Left", "4"));
    TModelessDialogs dialogs;
    std::string error;
    int32_t line = 0, column = 0;
    EXPECT_FALSE(dialogs.ReadProjectXml(modelessDialogSelZoom, selZoom, error, line, column));
    EXPECT_EQ(error, "In DlgSelZoom: Top expected.");
}
