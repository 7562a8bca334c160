#include "foundation/values/NamedColors.h"

#include <gtest/gtest.h>

#include <set>

TEST(NamedColors, SystemColoursResolveToTheSchemeOthersStayThemselves)
{
    EXPECT_EQ(ResolveColor(0x808080), 0x808080u);
    EXPECT_EQ(ResolveColor(0xFF000005), 0xFFFFFFu); // the window background
    EXPECT_EQ(ResolveColor(0xFF000008), 0x000000u); // the window text
    EXPECT_EQ(ResolveColor(0xFF0000EE), 0x000000u); // no such system colour
    for (const TNamedColor& each : SystemColors()) {
        EXPECT_TRUE(IsSystemColor(each.color)) << each.name;
        EXPECT_FALSE(IsSystemColor(ResolveColor(each.color))) << each.name;
    }
}

TEST(NamedColors, NoColourIsListedTwice)
{
    std::set<uint32_t> seen;
    for (auto list : {StandardColors(), ExtendedColors(), SystemColors()})
        for (const TNamedColor& each : list)
            EXPECT_TRUE(seen.insert(each.color).second) << each.name;
}
