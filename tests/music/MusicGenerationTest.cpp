#include "music/data/MusicGeneration.h"

#include "music/parts/PartTiming.h"
#include "platform/AllocationHook.h"
#include "tests/factory/FactoryTestSupport.h"
#include "tests/music/MusicTreeSupport.h"
#include "tests/support/StoppingWatcher.h"
#include "wave/LongestWave.h"
#include "wave/WaveLoops.h"

namespace {

// A music-process factory: a "Wave" input, a node working on it, a "Wave"
// output, and a "Horizontal Shift" of its own value when asked for.
struct ProcessFactory {
    TUnitSountory factory;
    TSountoryInput& in;
    TSountoryOutput& out;
    TScriptedNode* node = nullptr;
    SoundPtr seen;

    // Without a process the output is fed by the input itself.
    ProcessFactory(const std::string& name, std::function<SoundPtr(const Sound&)> process = nullptr)
        : factory(name, ""), in(factory.CreateInput("Wave", 0.5, 1, ValueDomType::Wave, ValueDomain::AllValues)),
          out(factory.CreateOutput("Wave", 0.5, 1, ValueDomType::Wave, ValueDomain::AllValues))
    {
        factory.FactoryKind = FactoryMusicProcessor;
        if (!process) {
            out.SetSource(&in);
            return;
        }
        node = &AddScripted(factory, name + " node");
        node->AddInput("In", 0.5, 0, ValueDomType::Wave, ValueDomain::AllValues).SetSource(&in);
        node->AddOutput("Out", 0.5, 0, ValueDomType::Wave, ValueDomain::AllValues);
        out.SetSource(node->Outputs().front().get());
        node->onExecute = [this, process](TScriptedNode& n, StopFlag*, std::string&) {
            seen = n.Inputs().front()->GetSound();
            SoundPtr made = process(*seen);
            made->ownedByRun = 1;
            n.Outputs().front()->SetSound(made);
            return true;
        };
    }
    void Shift(double seconds)
    {
        factory.CreateOutput("Horizontal Shift", 0.8, 1, ValueDomType::Time, ValueDomain::AllValues)
            .SetOwnValue({seconds, ValueType::Time}, EHS);
    }
};

SoundPtr Plus(const Sound& sound, int16_t value)
{
    StopFlag stop = 0;
    return sound.AddValue(&stop, value, 0, sound.GetValues());
}

double SampleAt(const Sound& sound, int32_t pos)
{
    double left = 0;
    double right = 0;
    double mono = 0;
    sound.GetValueAt(pos, left, right, mono);
    return mono;
}

struct MusicGeneration : MusicTree {
    FakeMainForm form;

    MusicGeneration()
    {
        SetTempo(1.0);
        TScriptedNode::order.clear();
    }
    void Use(ProcessFactory& process) { form.factories[process.factory.GetName()] = &process.factory; }
    static void UseFactory(TNoteStave& on, const std::string& name)
    {
        on.SetSoundFactory(name);
        on.SetUseFactory(true);
    }
    static void UseFactory(TNoteGroup& group, const std::string& name)
    {
        group.SetSoundFactory(name);
        group.SetUseSoundFactory(true);
    }
    TNoteGroup* SecondGroup(TNoteStave& on)
    {
        on.InsertNoteGroup(on.GetStartNoteGroup(), std::make_unique<TNoteGroup>(&on));
        return on.GetStartNoteGroup()->GetNext();
    }
    SoundPtr Make(TNoteStave* only = nullptr, TNoteGroup* group = nullptr, bool withGroups = true,
                  bool withStaves = true)
    {
        std::string message;
        EXPECT_TRUE(FindPlayers(muz, message)) << message;
        return MakeWave(muz, only, group, withGroups, withStaves);
    }
    // Nothing of a make-wave is left in the music.
    void ExpectNothingLeft()
    {
        EXPECT_EQ(muz.GetTargetSound(), nullptr);
        for (TNoteStave* s = muz.GetStartStave(); s; s = s->GetNext()) {
            EXPECT_EQ(s->RenderSound, nullptr);
            for (TNoteGroup* g = s->GetStartNoteGroup(); g; g = g->GetNext())
                EXPECT_EQ(g->RenderSound, nullptr);
        }
    }
    std::string LastMessage() const { return messages.Count() ? messages.Last().text : ""; }
};

} // namespace

TEST_F(MusicGeneration, NothingPlayableGivesAnEmptySoundOfTheMusicsFormat)
{
    muz.ChangeFileProps({1, 22050, 2}, {2, 11025, 1});
    SetRoot(BarWithNotes({0.0}));
    players.soundLength = 0.5;
    stave->EnablePlayAndDraw = false;
    SoundPtr sound = Make();
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->GetValues(), 0);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleFreq, 11025);
    EXPECT_EQ(sound->GetBytesPSample(), 1);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicGeneration, TheSoundRunsFromTheLeadBeforeTheMusicToTheLatestEnd)
{
    SetRoot(BarWithNotes({0.0, 0.5}));
    players.lead = 0.1;
    players.soundLength = 0.5;
    SoundPtr sound = Make();
    ASSERT_TRUE(sound);
    // Lead 0.1 + end 1.0 seconds, plus one sample.
    EXPECT_EQ(sound->GetValues(), static_cast<int32_t>(1.1 * 22050 + 1.0));
    EXPECT_DOUBLE_EQ(SampleAt(*sound, 0), 1000);
    EXPECT_DOUBLE_EQ(SampleAt(*sound, static_cast<int32_t>(0.5 * 22050) - 10), 1000);
    EXPECT_DOUBLE_EQ(SampleAt(*sound, static_cast<int32_t>(0.9 * 22050)), 1000);
    // The second note sounds from 0.5 s to 1.0 s; placed a lead too early or
    // too late it would be silent at 0.95 s or sound at 1.05 s.
    EXPECT_DOUBLE_EQ(SampleAt(*sound, static_cast<int32_t>(0.95 * 22050)), 1000);
    EXPECT_DOUBLE_EQ(SampleAt(*sound, static_cast<int32_t>(1.05 * 22050)), 0);
    // The players saw the music's length raised to one whole note.
    EXPECT_DOUBLE_EQ(players.rendered[0].musicLength, 1.0);
    ExpectNothingLeft();
}

TEST_F(MusicGeneration, AClefOnlyBarEndsWithAMessageAndNoSound)
{
    TSinglePartMuz* empty = nullptr;
    SetRoot(Concat(BarWithNotes({0.0}), Bar(&empty)));
    EXPECT_EQ(Make(), nullptr);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot create music: The part \"part\" is played but holds no notes or rests.");
    EXPECT_EQ(messages.Last().caption, "Error");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Stop);
}

TEST_F(MusicGeneration, GroupFactoriesRunBeforeTheStavesAndMixIntoItsSound)
{
    SetRoot(BarWithNotes({0.0}));
    players.soundLength = 0.1;
    ProcessFactory group("G", [](const Sound& s) { return Plus(s, 5); });
    ProcessFactory staveFactory("S", [](const Sound& s) { return Plus(s, 100); });
    Use(group);
    Use(staveFactory);
    UseFactory(*stave->GetStartNoteGroup(), "G");
    UseFactory(*stave, "S");
    // A second group without a factory renders into the stave's sound.
    TNoteGroup* plain = SecondGroup(*stave);
    TSinglePartMuz* bar = static_cast<TSinglePartMuz*>(muz.GetRootChild());
    Note(bar, 0.5, 3, 4, stave, plain);

    SoundPtr sound = Make();
    ASSERT_TRUE(sound) << LastMessage();
    EXPECT_EQ(TScriptedNode::order, (std::vector<std::string>{"G node", "S node"}));
    // The stave's factory saw its own group's note plus the group's result.
    ASSERT_TRUE(staveFactory.seen);
    EXPECT_DOUBLE_EQ(SampleAt(*staveFactory.seen, 0), 1005);
    EXPECT_DOUBLE_EQ(SampleAt(*staveFactory.seen, static_cast<int32_t>(0.5 * 22050)), 1005 + 0);
    EXPECT_DOUBLE_EQ(SampleAt(*sound, 0), 1105);
    EXPECT_DOUBLE_EQ(SampleAt(*sound, static_cast<int32_t>(0.5 * 22050) + 1), 1105);
    // Each render sound went through its own factory's "Wave" input once.
    EXPECT_EQ(group.in.GetSound(), nullptr);
    EXPECT_EQ(staveFactory.in.GetSound(), nullptr);
    ExpectNothingLeft();
}

TEST_F(MusicGeneration, AFailingFirstGroupDropsEveryRenderSoundAndRunsNothingMore)
{
    SetRoot(BarWithNotes({0.0}));
    players.soundLength = 0.1;
    ProcessFactory first("F1", [](const Sound& s) { return Plus(s, 1); });
    ProcessFactory second("F2", [](const Sound& s) { return Plus(s, 1); });
    ProcessFactory staveFactory("S", [](const Sound& s) { return Plus(s, 1); });
    Use(first);
    Use(second);
    Use(staveFactory);
    first.node->refusal = "refused";
    UseFactory(*stave->GetStartNoteGroup(), "F1");
    UseFactory(*SecondGroup(*stave), "F2");
    UseFactory(*stave, "S");
    EXPECT_EQ(Make(), nullptr);
    EXPECT_EQ(LastMessage(),
              "Cannot create music: Cannot run Soundfactory \"F1\" : Validation failed: In Node \"F1 node\": refused");
    EXPECT_EQ(second.node->executions, 0);
    EXPECT_EQ(staveFactory.node->executions, 0);
    ExpectNothingLeft();
}

TEST_F(MusicGeneration, AHorizontalShiftMovesTheResultByWholeSamples)
{
    SetRoot(Concat(BarWithNotes({0.0}), BarWithNotes({0.0})));
    players.soundLength = 0.1;
    ProcessFactory through("T");
    Use(through);
    UseFactory(*stave, "T");
    struct Case {
        double shift;
        int32_t firstSample;
    };
    // 0.30001 s at 22050 Hz is 6615.2 samples: the fraction is cut off.
    for (const Case c : {Case{0.0, 0}, Case{0.30001, 6615}, Case{-0.05, -1102}}) {
        SCOPED_TRACE(c.shift);
        ProcessFactory shifted("T");
        shifted.Shift(c.shift);
        form.factories["T"] = &shifted.factory;
        SoundPtr sound = Make();
        ASSERT_TRUE(sound) << LastMessage();
        // The first note's block starts at its sample, the second's a quarter later.
        const int32_t start = c.firstSample;
        if (start > 0) {
            EXPECT_DOUBLE_EQ(SampleAt(*sound, start - 1), 0);
        }
        EXPECT_DOUBLE_EQ(SampleAt(*sound, std::max(start, 0)), 1000);
        EXPECT_DOUBLE_EQ(SampleAt(*sound, start + static_cast<int32_t>(0.25 * 22050) + 5), 1000);
        // The block passed through the factory unchanged, mixed once.
        EXPECT_DOUBLE_EQ(SampleAt(*sound, start + 10), 1000);
    }
    // A shift far beyond both sounds mixes nothing and harms nothing.
    ProcessFactory far("T");
    far.Shift(1e300);
    form.factories["T"] = &far.factory;
    SoundPtr sound = Make();
    ASSERT_TRUE(sound);
    EXPECT_DOUBLE_EQ(SampleAt(*sound, 0), 0);
}

TEST_F(MusicGeneration, AWaveTheFactoryOnlyPassesOnStaysItsOwnersAndIsReadOnly)
{
    SetRoot(BarWithNotes({0.0}));
    players.soundLength = 0.1;
    // The factory's "Wave" output names an open wave window.
    const SoundPtr windowSound = RecordingPlayers::Silent(MonoSound(22050, 2), 0.2);
    TUnitWave window(windowSound, "W", "");
    form.waves["W"] = &window;
    ProcessFactory named("N");
    named.out.SetNameSound("W");
    Use(named);
    UseFactory(*stave, "N");
    SoundPtr sound = Make();
    ASSERT_TRUE(sound) << LastMessage();
    EXPECT_EQ(window.GetSound(), windowSound);
    EXPECT_DOUBLE_EQ(SampleAt(*windowSound, 0), 0);
    // The window's silence stood in for the stave's notes.
    EXPECT_DOUBLE_EQ(SampleAt(*sound, 0), 0);
}

TEST_F(MusicGeneration, MissingFactoriesAreNamedAndLookedUpOnlyWhenUsed)
{
    SetRoot(BarWithNotes({0.0}));
    TNoteGroup* group = stave->GetStartNoteGroup();
    UseFactory(*group, "Gone");
    EXPECT_EQ(Make(), nullptr);
    EXPECT_EQ(LastMessage(), "Cannot create music: Cannot find Music Process Factory \"Gone\" for a Note Group.");
    // With group factories off the group renders straight into the music.
    EXPECT_TRUE(Make(nullptr, group, false, false));
    UseFactory(*stave, "Lost");
    EXPECT_EQ(Make(stave, nullptr, true, true), nullptr);
    EXPECT_EQ(LastMessage(), "Cannot create music: Cannot find Music Process Factory \"Lost\" for a Stave.");
    // A note group alone passes stave factories off.
    messages.Clear();
    EXPECT_TRUE(Make(nullptr, group, false, false));
    EXPECT_EQ(messages.Count(), 0u);
    // A stave switched off is not searched at all.
    stave->EnablePlayAndDraw = false;
    EXPECT_TRUE(Make());
}

TEST_F(MusicGeneration, OneStavesMakeWaveBindsOnlyItsOwnFactories)
{
    TNoteStave* other = AddStave();
    TSinglePartMuz* bar = nullptr;
    SetRoot(Bar(&bar));
    Note(bar, 0.0, 0);
    Note(bar, 0.0, 0, 4, other);
    players.soundLength = 0.1;
    // The other stave's factory is missing, and would add a tone to anything.
    UseFactory(*other, "Gone");
    SoundPtr sound = Make(stave, nullptr, true, true);
    ASSERT_TRUE(sound) << LastMessage();
    EXPECT_EQ(players.rendered.size(), 1u);
}

TEST_F(MusicGeneration, FailuresAnywhereEndWithTheMessageAndNothingLeft)
{
    SetRoot(BarWithNotes({0.0}));
    players.soundLength = 0.1;
    ProcessFactory through("T");
    Use(through);
    UseFactory(*stave->GetStartNoteGroup(), "T");
    // A stave factory whose node fails when asked to.
    struct Failing {
        ProcessFactory process{"X", [](const Sound& s) { return Plus(s, 0); }};
        bool failing = false;
    } failing;
    failing.process.node->onExecute = [&failing](TScriptedNode& n, StopFlag*, std::string& error) {
        if (failing.failing) {
            error = "no";
            return false;
        }
        n.Outputs().front()->SetSound(n.Inputs().front()->GetSound());
        return true;
    };
    Use(failing.process);
    UseFactory(*stave, "X");
    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::string reason;
    };
    const Case cases[] = {
        {"the music's silence", [] { AllocationHook::FailNext(1); },
         "There is not enough memmory for this operation."},
        {"a stop flag set in a note", [this] { players.stopInNote = true; }, "A note could not be rendered."},
        {"a note that fails", [this] { players.failAtPosition = 0.0; }, "in Player \"P\": broken"},
        {"the factory's run", [&failing] { failing.failing = true; }, "in Factory \"X\": "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.Clear();
        std::string message;
        ASSERT_TRUE(FindPlayers(muz, message));
        c.arrange();
        EXPECT_EQ(MakeWave(muz, nullptr, nullptr, true, true), nullptr);
        AllocationHook::Reset();
        players.stopInNote = false;
        players.failAtPosition = -1.0;
        failing.failing = false;
        EXPECT_EQ(LastMessage().substr(0, 21 + c.reason.size()), "Cannot create music: " + c.reason);
        EXPECT_EQ(messages.Last().caption, "Error");
        ExpectNothingLeft();
    }
}

TEST_F(MusicGeneration, ARenderSoundThatCannotBeMadeLeavesNoneBehind)
{
    SetRoot(BarWithNotes({0.0}));
    UseFactory(*stave->GetStartNoteGroup(), "T");
    UseFactory(*stave, "T");
    ProcessFactory through("T");
    Use(through);
    TMusicProcessFactories factories(muz.GetStartStave(), true, true);
    std::string message;
    ASSERT_TRUE(factories.FindSoundFactories(message)) << message;
    AllocationHook::FailNext(1);
    EXPECT_FALSE(factories.CreateRenderSounds(22050, 2, 1, 1.0));
    AllocationHook::Reset();
    ExpectNothingLeft();
    EXPECT_TRUE(factories.CreateRenderSounds(22050, 2, 1, 1.0));
    EXPECT_TRUE(stave->RenderSound);
    EXPECT_TRUE(stave->GetStartNoteGroup()->RenderSound);
    // Run with ok already false: dropped without running.
    bool ok = false;
    SoundPtr target = RecordingPlayers::Silent(MonoSound(22050, 2), 1.0);
    factories.RunSoundFactories(*target, ok, message);
    ExpectNothingLeft();
}

// A repeat counted in thousands of millions, or repeats nested sixty-four deep,
// is measured from its counts and refused before a pass is walked or a note
// rendered, with the longest wave's message.
struct TooLongMusic : MusicGeneration {
    void ExpectRefused(std::unique_ptr<TPartMuz> root)
    {
        SetRoot(std::move(root));
        EXPECT_EQ(Make(), nullptr);
        EXPECT_EQ(LastMessage(), LongerThanTheLongestWave());
        EXPECT_EQ(messages.Count(), 1u);
        EXPECT_TRUE(players.rendered.empty());
        ExpectNothingLeft();
    }
};

TEST_F(TooLongMusic, ARepeatOfTheLargestCount)
{
    ExpectRefused(Loop(2147483647, BarWithNotes({0.0})));
}

TEST_F(TooLongMusic, RepeatsOfTwoNestedSixtyFourDeep)
{
    std::unique_ptr<TPartMuz> part = BarWithNotes({0.0});
    for (int i = 0; i < 64; ++i)
        part = Loop(2, std::move(part));
    ExpectRefused(std::move(part));
}

// Stop in the progress window ends a generation between two notes: no sound,
// nothing left of it, and no message.
TEST_F(MusicGeneration, AGenerationTheUserStopsEndsWithoutAMessage)
{
    std::unique_ptr<TPartMuz> bars = BarWithNotes({0.0, 0.25, 0.5, 0.75});
    for (int i = 0; i < 50; ++i)
        bars = Concat(std::move(bars), BarWithNotes({0.0, 0.25, 0.5, 0.75}));
    SetRoot(std::move(bars));
    players.soundLength = 0.2;
    StoppingWatcher watcher(3);
    EXPECT_EQ(Make(), nullptr);
    EXPECT_EQ(watcher.calls, 3);
    EXPECT_LT(players.rendered.size(), 204u);
    EXPECT_EQ(messages.Count(), 0u) << LastMessage();
    ExpectNothingLeft();
}
