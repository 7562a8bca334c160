#include "platform/RecordingMessageService.h"
#include "shell/DocumentKind.h"
#include "shell/DocumentNames.h"
#include "shell/DocumentRegistry.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct FakeWindow : TRegisteredWindow {
    FakeWindow(unsigned char kind, std::string name, int channels = 2, int factoryKind = -1)
        : kind(kind), name(std::move(name)), channels(channels), factoryKind(factoryKind)
    {
    }
    unsigned char GetKind() const override { return kind; }
    std::string GetUnitName() const override { return name; }
    bool IsClosing() const override { return closing; }
    int GetMonoStereo() const override { return channels; }
    int GetFactoryKind() const override { return factoryKind; }

    unsigned char kind;
    std::string name;
    int channels;
    int factoryKind;
    bool closing = false;
};

struct Registry : ::testing::Test {
    FakeWindow* Open(unsigned char kind, std::string name, int channels = 2, int factoryKind = -1)
    {
        windows.push_back(std::make_unique<FakeWindow>(kind, std::move(name), channels, factoryKind));
        return windows.back().get();
    }
    TDocumentRegistry Make(TRegisteredWindow* active = nullptr) const
    {
        std::vector<TRegisteredWindow*> walk;
        for (const auto& window : windows)
            walk.push_back(window.get());
        return TDocumentRegistry(walk, active);
    }
    std::vector<std::unique_ptr<FakeWindow>> windows;
    RecordingMessageService messages;
};

} // namespace

TEST(DocumentNames, SmallestFreeNumberWithOptionalSuffix)
{
    std::vector<std::string> taken = {"Wave 1", "Wave 3", "Wave 1 of Music 2"};
    auto isTaken = [&](const std::string& n) { return std::find(taken.begin(), taken.end(), n) != taken.end(); };
    EXPECT_EQ(NewUnitName("Wave", "", isTaken), "Wave 2");
    EXPECT_EQ(NewUnitName("Music", "", isTaken), "Music 1");
    EXPECT_EQ(NewUnitName("Wave", "of Music 2", isTaken), "Wave 2 of Music 2");
    EXPECT_EQ(FreeUnitName("Bass", isTaken), "Bass");
    EXPECT_EQ(FreeUnitName("Wave 1", isTaken), "Wave 1 1");
}

TEST_F(Registry, NextNameFillsTheGap)
{
    Open(documentKindWave, "Wave 1");
    FakeWindow* third = Open(documentKindWave, "Wave 3");
    EXPECT_EQ(Make().NewUnitName("Wave", ""), "Wave 2");
    Open(documentKindWave, "Wave 2");
    EXPECT_EQ(Make().NewUnitName("Wave", ""), "Wave 4");
    third->closing = true; // a closing window does not block its name
    EXPECT_EQ(Make().NewUnitName("Wave", ""), "Wave 3");
}

TEST_F(Registry, LookUpsSkipClosingWindowsAndCompareExactly)
{
    FakeWindow* wave1 = Open(documentKindWave, "Wave 1");
    FakeWindow* wave2 = Open(documentKindWave, "Wave 2");
    FakeWindow* factory = Open(documentKindFactory, "Factory 1", 0, 0);
    Open(documentKindWave, "");
    EXPECT_EQ(Make().FindByName("Wave 2"), wave2);
    EXPECT_EQ(Make().FindByName("wave 2"), nullptr);
    EXPECT_EQ(Make().FindByKindAndName(documentKindWave, "Factory 1"), nullptr);
    EXPECT_EQ(Make().FindByKindAndName(documentKindFactory, "Factory 1"), factory);
    EXPECT_NE(Make().FindByName(""), nullptr); // the empty name finds an unnamed document

    wave2->closing = true;
    EXPECT_EQ(Make().FindByName("Wave 2"), nullptr);
    std::vector<std::string> names;
    EXPECT_EQ(Make().AddWaveNames(names, 0), 1);
    EXPECT_EQ(names, std::vector<std::string>{"Wave 1"});
    EXPECT_EQ(Make().CountWindows(), 3);
    EXPECT_EQ(Make(wave1).ActiveOfKind(documentKindWave), wave1);
    EXPECT_EQ(Make(wave1).ActiveOfKind(documentKindMusic), nullptr);
}

TEST_F(Registry, WaveNameFilters)
{
    FakeWindow* monoA = Open(documentKindWave, "A", 1);
    Open(documentKindWave, "B", 1);
    Open(documentKindWave, "C", 2);
    Open(documentKindMusic, "M");
    struct Case {
        TRegisteredWindow* active;
        unsigned char filter;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {monoA, 0, {"A", "B", "C"}}, {monoA, 1, {"B", "C"}}, {monoA, 2, {"B"}},
        {monoA, 3, {"C"}},           {nullptr, 2, {"A", "B"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names = {"kept"};
        int added = Make(c.active).AddWaveNames(names, c.filter);
        names.erase(names.begin());
        EXPECT_EQ(names, c.names) << int(c.filter);
        EXPECT_EQ(added, static_cast<int>(c.names.size()));
    }
}

TEST_F(Registry, FactoryListsTakeTheFreeKindToo)
{
    std::vector<FakeWindow*> factories;
    for (int kind = 0; kind < 8; ++kind)
        factories.push_back(Open(documentKindFactory, "F" + std::to_string(kind), 0, kind));
    Open(documentKindFactory, "", 0, 0);
    std::vector<std::string> names;
    Make().AddFactoryNamesOfKind(names, 0);
    EXPECT_EQ(names, (std::vector<std::string>{"F0", "F4"}));
    EXPECT_EQ(Make().CountNamedFactories(), 8);
    names.clear();
    EXPECT_EQ(Make().AddOtherFactoryNames(names, factories[3]), 7);
}

TEST_F(Registry, CheckUnitNameRefusesAnotherDocumentsName)
{
    FakeWindow* wave1 = Open(documentKindWave, "Wave 1");
    Open(documentKindWave, "Wave 2");
    EXPECT_TRUE(Make().CheckUnitName("Wave 1", wave1));
    EXPECT_TRUE(Make().CheckUnitName("", wave1));
    EXPECT_TRUE(Make().CheckUnitName("Bass", wave1));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_FALSE(Make().CheckUnitName("Wave 2", wave1));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "A window with name \"Wave 2\" already exists.");
    EXPECT_EQ(messages.Last().caption, "Error");
}
