#include "shell/ActionCatalogue.h"
#include "shell/MenuLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(ActionCatalogue, HoldsEveryActionOnceUnderItsName)
{
    const auto& catalogue = ActionCatalogue();
    ASSERT_EQ(catalogue.size(), 162u);
    std::set<std::string> names;
    std::set<int> images;
    for (const TActionInfo& info : catalogue) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_EQ(FindActionByName(info.name), info.id);
        if (info.image >= 0) {
            EXPECT_TRUE(images.insert(info.image).second) << info.name;
        }
    }
    EXPECT_EQ(FindActionByName("NoSuchAction"), ActionId::Count);
}

TEST(ActionCatalogue, CategoriesHaveTheirActions)
{
    std::map<std::string, int> counts;
    for (const TActionInfo& info : ActionCatalogue())
        ++counts[info.category];
    const std::map<std::string, int> expected = {
        {"File", 23}, {"Window", 5}, {"", 3}, {"WaveWindow", 9}, {"WaveMake", 9}, {"WaveEdit", 9},
        {"WaveSimple", 12}, {"WaveComplex", 6}, {"WaveFilter", 5}, {"Help", 4}, {"MusicNotes", 11},
        {"MusicRest", 7}, {"Music", 4}, {"MusicClef", 3}, {"MusicMode", 3}, {"MusicMove", 6},
        {"MusicNoteshift", 5}, {"MusicPoint", 2}, {"MusicSelect", 4}, {"MusicPlay", 2}, {"MusicTuplet", 4},
        {"MusicArt", 5}, {"Project", 5}, {"Sountory", 5}, {"AltKeys", 11}};
    EXPECT_EQ(counts, expected);
}

TEST(ActionCatalogue, StartStatesThatDifferFromTheRest)
{
    for (const TActionInfo& info : ActionCatalogue()) {
        TActionState state = StartActionState(info.id);
        const bool altKey = std::string(info.category) == "AltKeys";
        EXPECT_EQ(state.visible, !altKey) << info.name;
        EXPECT_EQ(state.enabled, info.id != ActionId::FileStop) << info.name;
        EXPECT_EQ(state.checked, info.id == ActionId::MusicAutoPlay) << info.name;
        // Key-only actions have no image, every other one has.
        EXPECT_EQ(info.image < 0, altKey) << info.name;
    }
}

TEST(ActionCatalogue, HintsSplitIntoShortAndLong)
{
    const TActionInfo& modeDrag = ActionInfo(ActionId::SntModeDrag);
    EXPECT_EQ(ShortHint(modeDrag), "Mode Dragging");
    EXPECT_EQ(LongHint(modeDrag), "Move Inputs and Outputs by dragging");
    const TActionInfo& validate = ActionInfo(ActionId::SntValidate);
    EXPECT_EQ(ShortHint(validate), "Validate the Factory");
    EXPECT_EQ(LongHint(validate), "Validate the Factory");
}

TEST(MenuLayout, MenusInOrderWithTheirCaptions)
{
    std::vector<std::string> captions;
    for (const TMenuInfo& menu : MainMenuLayout())
        captions.push_back(menu.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Project", "&Edit", "&View", "&Make", "&Effects", "M&usic",
                                                  "F&actory", "&Window", "&Help"}));
}

TEST(MenuLayout, EveryVisibleActionIsReachableFromAMenu)
{
    std::set<ActionId> inMenus;
    for (const TMenuInfo& menu : MainMenuLayout())
        for (const TMenuEntry& entry : menu.entries)
            if (entry.kind == TMenuEntry::Item)
                inMenus.insert(entry.action);
    for (const TActionInfo& info : ActionCatalogue())
        EXPECT_EQ(inMenus.count(info.id), std::string(info.category) == "AltKeys" ? 0u : 1u) << info.name;
}

TEST(MenuLayout, ToolBarsWithTheirCaptionsAndButtonCounts)
{
    struct Expected {
        const char* name;
        const char* caption;
        size_t buttons;
    };
    const Expected expected[] = {
        {"ToolBarBasic", "Basic", 29},        {"ToolBarWave1", "View", 18},
        {"ToolBarWave2", "Make Waves", 21},   {"ToolBarWave3", "Complex Manipulations", 11},
        {"ToolBarMusic1", "ToolBarMusic2", 13}, {"ToolBarMusic2", "Music Note", 22},
        {"ToolBarMusic3", "Music Silence", 21}, {"ToolBarFact1", "Factory", 5},
    };
    const auto& bars = ToolBarLayout();
    ASSERT_EQ(bars.size(), std::size(expected));
    for (size_t i = 0; i < bars.size(); ++i) {
        EXPECT_STREQ(bars[i].name, expected[i].name);
        EXPECT_STREQ(bars[i].caption, expected[i].caption);
        size_t buttons = 0;
        for (ActionId id : bars[i].buttons)
            buttons += id != ActionId::Count;
        EXPECT_EQ(buttons, expected[i].buttons) << bars[i].name;
        EXPECT_EQ(bars[i].top, i == 0);
    }
}

TEST(MenuLayout, ItemCaptionsThatDifferFromTheirActions)
{
    std::map<std::string, std::string> overrides;
    for (const TMenuInfo& menu : MainMenuLayout())
        for (const TMenuEntry& entry : menu.entries)
            if (entry.kind == TMenuEntry::Item && entry.caption)
                overrides[ActionInfo(entry.action).name] = entry.caption;
    EXPECT_EQ(overrides["TempoPitch"], "&Pitch and Tempo...");
    EXPECT_EQ(overrides["FilterBlock"], "&Block...");
    EXPECT_EQ(overrides["ProjectNew"], "&New...");
    EXPECT_EQ(overrides["ProjectExport"], "&Export...");
}
