#include "wave/view/ColorPalette1DItem.h"
#include "wave/view/ColorPalette1DFile.h"
#include "wave/view/ColorPalette1DXml.h"

#include "platform/RecordingMessageService.h"
#include "support/TempFolder.h"
#include "tests/wave/view/ViewXmlTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

unitFactorPosMoreLess1 At(double position)
{
    return unitFactorPosMoreLess1(position, EHNone);
}

// The positions of the palette, head first.
std::vector<double> PalettePositions(const TColorPalette1DItem& palette)
{
    std::vector<double> result;
    for (const TColorPalette1DItem* item = &palette; item; item = item->GetNext())
        result.push_back(item->GetDPosition());
    return result;
}

const char* const Header = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                           "<!DOCTYPE UnitColorPalette1D_v1_0>\n\n";

} // namespace

TEST(ColorPalette1D, DefaultRampFromBlackToWhite)
{
    RecordingMessageService messages;
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    struct Case {
        double p;
        uint32_t color;
    } cases[] = {{0.0, 0x000000}, {0.5, 0x7F7F7F}, {1.0, 0xFFFFFF}, {-3.0, 0x000000},
                 {std::numeric_limits<double>::quiet_NaN(), 0x000000}, {7.0, 0xFFFFFF}};
    for (const Case& c : cases)
        EXPECT_EQ(palette.GetColor(c.p), c.color) << c.p;
    EXPECT_EQ(messages.Count(), 0u);

    // A lone item has no ramp: reported, and its own colour given.
    TColorPalette1DItem lone(At(0.5), 0x123456);
    EXPECT_EQ(lone.GetColor(0.7), 0x123456u);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("Condition \"NextColorPalette1DItem != NULL\"failed!"), std::string::npos)
        << messages.Last().text;
}

TEST(ColorPalette1D, ColorAfterMakesAStep)
{
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    TColorPalette1DItem* red = palette.InsertItem(At(0.5), 0x0000FF);
    ASSERT_NE(red, nullptr);
    red->SetUseColorAfter(true);
    red->SetColorAfter(0x00FF00);
    EXPECT_EQ(palette.GetColor(0.25), 0x00007Fu); // halfway from black to red
    EXPECT_EQ(palette.GetColor(0.5), 0x0000FFu);  // at the item its colour before
    EXPECT_EQ(palette.GetColor(0.5000001), 0x00FF00u); // just right of it the colour after
    EXPECT_EQ(palette.GetColor(0.75), 0x7FFF7Fu);      // halfway from green to white
}

TEST(ColorPalette1D, FadeColors)
{
    TColorPalette1DItem palette(0xFFFFFF, 0xFFFFFF);
    palette.FadeColors(0x000000, 0.4);
    EXPECT_EQ(palette.GetColorBefore(), 0x666666u);
    EXPECT_EQ(palette.GetNext()->GetColorBefore(), 0x666666u);

    TColorPalette1DItem same(0x123456, 0xABCDEF);
    same.FadeColors(0x000000, 1.0);
    EXPECT_EQ(same, TColorPalette1DItem(0x123456, 0xABCDEF));
    same.FadeColors(0x0000FF, 0.0);
    EXPECT_EQ(same.GetColorBefore(), 0x0000FFu);
    EXPECT_EQ(same.GetNext()->GetColorBefore(), 0x0000FFu);
}

TEST(ColorPalette1D, InsertKeepsPositionOrderAndRefusesClashes)
{
    RecordingMessageService messages;
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    ASSERT_NE(palette.InsertItem(At(0.6), 1), nullptr);
    ASSERT_NE(palette.InsertItem(At(0.2), 2), nullptr);
    ASSERT_NE(palette.InsertItem(At(0.4), 3), nullptr);
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.2, 0.4, 0.6, 1}));
    EXPECT_EQ(messages.Count(), 0u);

    // Two items at one position would make the ramp divide by zero.
    struct Clash {
        double position;
        const char* condition; // the developers' text where they named one
    } clashes[] = {{0.4, ""}, {0.0, "position > Position"}, {-0.5, "position > Position"}, {1.0, ""}, {1.5, ""}};
    for (const Clash& clash : clashes) {
        messages.Clear();
        EXPECT_EQ(palette.InsertItem(At(clash.position), 9), nullptr) << clash.position;
        EXPECT_EQ(messages.Count(), 1u) << clash.position;
        EXPECT_EQ(messages.Last().caption, "Assertion failed");
        if (*clash.condition) {
            EXPECT_NE(messages.Last().text.find("Condition \"" + std::string(clash.condition) + "\"failed!"),
                      std::string::npos)
                << messages.Last().text;
        }
    }
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.2, 0.4, 0.6, 1}));
    EXPECT_TRUE(palette.IsWellFormed());
    EXPECT_TRUE(palette.PositionExists(0.6, nullptr));
    EXPECT_FALSE(palette.PositionExists(0.6, palette.GetNext()->GetNext()->GetNext()));
    EXPECT_FALSE(palette.PositionExists(0.5, nullptr));
}

TEST(ColorPalette1D, DeleteAndPreviousItem)
{
    RecordingMessageService messages;
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    TColorPalette1DItem* a = palette.InsertItem(At(0.3), 1);
    TColorPalette1DItem* b = palette.InsertItem(At(0.7), 2);
    EXPECT_EQ(palette.GetPreviousItem(&palette), nullptr);
    EXPECT_EQ(palette.GetPreviousItem(b), a);
    EXPECT_EQ(palette.DeleteItem(a), &palette);
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.7, 1}));
    EXPECT_EQ(messages.Count(), 0u);

    // The head and the end item stay.
    EXPECT_EQ(palette.DeleteItem(&palette), nullptr);
    EXPECT_EQ(palette.DeleteItem(palette.GetLastItem()), nullptr);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.Last().text.find(
                  "Condition \"current->GetDPosition() > 0 && current->GetDPosition() < 1\"failed!"),
              std::string::npos)
        << messages.Last().text;
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.7, 1}));

    TColorPalette1DItem stranger(At(0.5), 0);
    EXPECT_EQ(palette.GetPreviousItem(&stranger), nullptr);
    EXPECT_EQ(messages.Count(), 3u);
}

TEST(ColorPalette1D, MoveItemRestoresOrderBothWays)
{
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    palette.InsertItem(At(0.2), 1);
    TColorPalette1DItem* moving = palette.InsertItem(At(0.4), 2);
    palette.InsertItem(At(0.6), 3);

    moving->SetPosition(At(0.8)); // past its right-hand neighbour
    palette.MoveItem(moving, palette.GetPreviousItem(moving));
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.2, 0.6, 0.8, 1}));

    moving->SetPosition(At(0.1)); // back before every inner item
    palette.MoveItem(moving, palette.GetPreviousItem(moving));
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.1, 0.2, 0.6, 1}));

    moving->SetPosition(At(0.15)); // still between its neighbours
    palette.MoveItem(moving, palette.GetPreviousItem(moving));
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.15, 0.2, 0.6, 1}));
    EXPECT_TRUE(palette.IsWellFormed());
}

TEST(ColorPalette1D, EqualityAndDeepCopies)
{
    TColorPalette1DItem a(0x000000, 0xFFFFFF);
    TColorPalette1DItem b(0x000000, 0xFFFFFF);
    a.InsertItem(At(0.5), 0x112233);
    b.InsertItem(At(0.5), 0x112233);
    EXPECT_EQ(a, b);

    TColorPalette1DItem copy(a);
    EXPECT_EQ(copy, a);
    copy.GetNext()->SetColorBefore(0x445566);
    EXPECT_NE(copy, a);
    EXPECT_EQ(a.GetNext()->GetColorBefore(), 0x112233u);

    TColorPalette1DItem assigned(0x0000FF, 0x00FF00);
    assigned = a;
    EXPECT_EQ(assigned, a);
    assigned = *assigned.GetNext(); // from one of its own items
    EXPECT_EQ(PalettePositions(assigned), (std::vector<double>{0.5, 1}));

    TColorPalette1DItem shorter(0x000000, 0xFFFFFF);
    EXPECT_NE(a, shorter);
    EXPECT_NE(shorter, a);
}

TEST(ColorPalette1D, LongListIsDestroyedWithoutRecursion)
{
    auto palette = std::make_unique<TColorPalette1DItem>(0x000000, 0xFFFFFF);
    std::unique_ptr<TColorPalette1DItem> chain = palette->TakeNext();
    const int count = 200000;
    for (int i = count - 1; i >= 1; --i) {
        auto item = std::make_unique<TColorPalette1DItem>(At(double(i) / count), 0);
        item->SetNext(std::move(chain));
        chain = std::move(item);
    }
    palette->SetNext(std::move(chain));
    EXPECT_EQ(palette->CountItems(), count + 1);
    TColorPalette1DItem copy(*palette);
    EXPECT_EQ(copy, *palette);
    palette.reset();
}

TEST(ColorPalette1D, ElementWritesItemsBetweenBeginAndEnd)
{
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    TXMLComplexElement plain("ColorPalette1D");
    palette.WriteColorPalette1DXml(plain);
    EXPECT_EQ(ElementText(plain), "<ColorPalette1D>\n"
                                  "  <BeginColor>000000</BeginColor>\n"
                                  "  <EndColor>FFFFFF</EndColor>\n"
                                  "</ColorPalette1D>\n");

    TColorPalette1DItem* item = palette.InsertItem(At(0.5), 0x0000FF);
    item->SetUseColorAfter(true);
    item->SetColorAfter(0x00FF00);
    item->SetUseColorAfter(false); // the colour after is still written
    TXMLComplexElement inner("ColorPalette1D");
    palette.WriteColorPalette1DXml(inner);
    EXPECT_EQ(ElementText(inner), "<ColorPalette1D>\n"
                                  "  <BeginColor>000000</BeginColor>\n"
                                  "  <ColorPalette1DItem>\n"
                                  "    <Position>0.5</Position>\n"
                                  "    <ColorBefore>0000FF</ColorBefore>\n"
                                  "    <ColorAfter>00FF00</ColorAfter>\n"
                                  "  </ColorPalette1DItem>\n"
                                  "  <EndColor>FFFFFF</EndColor>\n"
                                  "</ColorPalette1D>\n");
}

TEST(ColorPalette1D, ElementReadsItemsInPositionOrder)
{
    std::string error;
    auto holder = MatchBody(*GetColorPalette1DElementDefinition(),
                            "<ColorPalette1D><BeginColor>ff0000</BeginColor>"
                            "<ColorPalette1DItem><Position>0.75</Position><ColorBefore>1</ColorBefore>"
                            "<UseColorAfter/><ColorAfter>2</ColorAfter></ColorPalette1DItem>"
                            "<ColorPalette1DItem><Position>25%</Position><ColorBefore>3</ColorBefore>"
                            "<ColorAfter>4</ColorAfter></ColorPalette1DItem>"
                            "<EndColor>00ff00</EndColor></ColorPalette1D>",
                            error);
    ASSERT_TRUE(holder) << error;
    TColorPalette1DItem palette(0, 0);
    palette.InsertItem(At(0.5), 7); // replaced by what the element holds
    int32_t line = 0, column = 0;
    ASSERT_TRUE(ReadColorPalette1DXml(palette, *holder->GetFirst(), error, line, column)) << error;
    EXPECT_EQ(PalettePositions(palette), (std::vector<double>{0, 0.25, 0.75, 1}));
    EXPECT_EQ(palette.GetColorBefore(), 0xFF0000u);
    EXPECT_EQ(palette.GetNext()->GetColorBefore(), 3u);
    EXPECT_FALSE(palette.GetNext()->GetUseColorAfter());
    EXPECT_EQ(palette.GetNext()->GetColorAfter(), 4u);
    EXPECT_TRUE(palette.GetNext()->GetNext()->GetUseColorAfter());
    EXPECT_EQ(palette.GetNext()->GetNext()->GetColorAfter(), 2u);
    EXPECT_EQ(palette.GetLastItem()->GetColorBefore(), 0x00FF00u);
}

TEST(ColorPalette1D, FileHeaderAndRoundTrip)
{
    TempFolder folder;
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    TColorPalette1DItem* item = palette.InsertItem(unitFactorPosMoreLess1(0.25, EHPerc), 0x0000FF);
    item->SetUseColorAfter(true);
    item->SetColorAfter(0x00FF00);
    palette.InsertItem(At(0.5), 0x808080);
    std::string file = folder.File("ramp.cp1");
    ASSERT_TRUE(WriteColorPalette1DFile(palette, file));
    std::string bytes = ReadWholeFile(file);
    EXPECT_EQ(bytes.substr(0, 168), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                    "<!DOCTYPE UnitColorPalette1D_v1_0 SYSTEM \"UnitColorPalette1D_v1_0.dtd\">\r\n"
                                    "\r\n"
                                    "<UnitColorPalette1D>\r\n"
                                    "  <Version>1.0</Version>\r\n")
        << bytes;

    TColorPalette1DItem read(0x123456, 0x654321);
    std::string error;
    ASSERT_TRUE(ReadColorPalette1DFile(read, file, error)) << error;
    EXPECT_EQ(read, palette);
}

TEST(ColorPalette1D, FileReadErrorsKeepThePalette)
{
    const std::string good = "<UnitColorPalette1D><Version>1.0</Version><ColorPalette1D>"
                             "<BeginColor>000000</BeginColor><EndColor>FFFFFF</EndColor>"
                             "</ColorPalette1D></UnitColorPalette1D>";
    struct Case {
        const char* what;
        std::string body;
        std::string error;
    } cases[] = {
        {"bad colour",
         "<UnitColorPalette1D><Version>1.0</Version><ColorPalette1D>\n<BeginColor>xyz</BeginColor>"
         "<EndColor>FFFFFF</EndColor></ColorPalette1D></UnitColorPalette1D>",
         "In BeginColor: Invalid Hexdecimal value: \"xyz\". At line 5, column 13."},
        {"other version",
         "<UnitColorPalette1D><Version>2.0</Version><ColorPalette1D><BeginColor>000000</BeginColor>"
         "<EndColor>FFFFFF</EndColor></ColorPalette1D></UnitColorPalette1D>",
         "Unknown version \"2.0\" of the Color Palette File; only version \"1.0\" can be read."},
        {"two items at one position",
         "<UnitColorPalette1D><Version>1.0</Version><ColorPalette1D><BeginColor>000000</BeginColor>\n"
         "<ColorPalette1DItem><Position>0.5</Position><ColorBefore>1</ColorBefore><ColorAfter>1</ColorAfter>"
         "</ColorPalette1DItem>\n"
         "<ColorPalette1DItem><Position>50%</Position><ColorBefore>1</ColorBefore><ColorAfter>1</ColorAfter>"
         "</ColorPalette1DItem>"
         "<EndColor>FFFFFF</EndColor></ColorPalette1D></UnitColorPalette1D>",
         "In Position: Another item has the position \"50%\". At line 6, column 30."},
    };
    for (const Case& c : cases) {
        TColorPalette1DItem palette(0x0000FF, 0x00FF00);
        std::string error;
        EXPECT_FALSE(ReadColorPalette1DBytes(palette, Header + c.body, error)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(palette, TColorPalette1DItem(0x0000FF, 0x00FF00)) << c.what;
    }
    TColorPalette1DItem palette(0x0000FF, 0x00FF00);
    std::string error;
    EXPECT_TRUE(ReadColorPalette1DBytes(palette, Header + good, error)) << error;

    TempFolder folder;
    EXPECT_FALSE(ReadColorPalette1DFile(palette, folder.File("missing.cp1"), error));
    EXPECT_EQ(error, "cannot open file.");
}

TEST(ColorPalette1D, FailedWriteShowsItsMessage)
{
    RecordingMessageService messages;
    TempFolder folder;
    TColorPalette1DItem palette(0x000000, 0xFFFFFF);
    EXPECT_FALSE(WriteColorPalette1DFile(palette, folder.File("no/such/folder/ramp.cp1")));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot save Color Palette File: Operating System cannot open file for writing: "
                                    "the folder does not exist..");
    EXPECT_EQ(messages.Last().caption, "FileError");
}
