// Music made on several threads is the music made on one, byte for byte:
// every player kind, factories that draw from the random generator and carry
// a count from note to note, and stereo balance made on the workers. A Stop
// and a failed allocation end the render as they do on one thread, with the
// same message, and the memory message shown once however many threads ran out.
#include "music/PlayersTestSupport.h"
#include "tests/music/MusicTestSupport.h"

#include "foundation/StopReason.h"
#include "music/NoteInFlight.h"
#include "music/PlayersNoteAccess.h"
#include "music/data/MusicGeneration.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/NoteRenderPool.h"
#include "music/parts/StartPartMuz.h"
#include "platform/AllocationHook.h"
#include "platform/Random15.h"
#include "platform/WorkProgress.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

constexpr int32_t RenderThreadsRate = 22050;

// The main window with its sample windows, the note factory and the players by name.
class RenderThreadsForm : public FakePlayersForm {
public:
    TCompoundPlayer* FindCompoundPlayer(const std::string& playerName, const std::string&) override
    {
        auto it = players.find(playerName);
        return it == players.end() ? nullptr : it->second.get();
    }
    std::map<std::string, std::unique_ptr<TCompoundPlayer>> players;
};

// A part of odd volume, so that every mix rounds, and the balance when asked for.
std::unique_ptr<TOnePlayer> RenderThreadsPart(bool balance, double freqFactor = 1.0)
{
    return std::make_unique<TOnePlayer>(unitFactor(0.37, EHNone), unitFreq(0, EHHZ),
                                        unitFactor(freqFactor, EHNone), balance, unitBalAngleFactor(0.4, EHNone),
                                        1, true);
}

// The players' notes as the render gets them, each noting whether a worker
// made it; the chosen note of a chosen player has its first allocation fail
// as it is made, on whichever thread makes it.
class WatchedPlayers : public TPlayersNoteAccess {
public:
    std::unique_ptr<TNoteInFlight> StartNoteInto(TCompoundPlayer& player, StopFlag* stop, Sound& target,
                                                 const TNotePlace& place, const TPlayedNote& note,
                                                 std::string& message) override
    {
        std::unique_ptr<TNoteInFlight> started =
            TPlayersNoteAccess::StartNoteInto(player, stop, target, place, note, message);
        if (!started)
            return started;
        const bool failing = player.GetName() == failingPlayer && ++started_ == failingNote;
        return std::make_unique<Watched>(std::move(started), *this, failing);
    }

    void Restart()
    {
        madeOnWorkers = 0;
        started_ = 0;
    }

    std::thread::id walker = std::this_thread::get_id();
    std::atomic<int> madeOnWorkers{0};
    std::string failingPlayer;
    int failingNote = 0;

private:
    class Watched : public TNoteInFlight {
    public:
        Watched(std::unique_ptr<TNoteInFlight> note, WatchedPlayers& players, bool failing)
            : note(std::move(note)), players(players), failing(failing)
        {
        }
        bool HasWork() const override { return note->HasWork(); }
        void Make(StopFlag* stop) override
        {
            if (std::this_thread::get_id() != players.walker)
                ++players.madeOnWorkers;
            AllocationHook::FailNextHere(failing ? 1 : 0);
            note->Make(stop);
            AllocationHook::FailNextHere(0);
        }
        bool Mix(StopFlag* stop, std::string& message) override { return note->Mix(stop, message); }

    private:
        std::unique_ptr<TNoteInFlight> note;
        WatchedPlayers& players;
        bool failing;
    };

    int started_ = 0;
};

struct PlayerKindCase {
    const char* what;
    std::function<void(TOnePlayer&)> set;
    bool madeOnWorkers; // a factory's note is made whole on the walking thread
};

const PlayerKindCase PlayerKindCases[] = {
    {"factory", [](TOnePlayer& p) { p.SetFactoryPlayerProps(TFactoryPlayerProps("Noise")); }, false},
    {"simple sampler",
     [](TOnePlayer& p) { p.SetSimpleSamplerProps({unitUnitWave("sample"), unitTimePosMore(1 / 440.0, EHHZ)}); },
     true},
    {"resonant sampler",
     [](TOnePlayer& p) { p.SetResonantSamplerProps({unitUnitWave("sample"), unitFactorPosMax1(0.05, EHPerc)}); },
     true},
    {"repeat wave form", [](TOnePlayer& p) { p.SetRepeatWaveFormProps(TRepeatWaveFormProps(unitUnitWave("cycle"))); },
     true},
    {"roll-out sampler",
     [](TOnePlayer& p) { p.SetRollOutSamplerProps({unitUnitWave("sample"), unitTimePosMore(1 / 440.0, EHHZ)}); },
     true},
    {"roll-out wave form",
     [](TOnePlayer& p) { p.SetRollOutWaveFormProps(TRollOutWaveFormProps(unitUnitWave("cycle"))); }, true},
};

struct MusicRenderThreadsTest : ::testing::Test {
    RenderThreadsForm form;
    RecordingMessageService messages;
    WatchedPlayers access;
    NotePlayerAccess* previous;
    std::unique_ptr<TUnitMuz> unit;
    NoteFactory noise{"Noise"};
    int noiseRuns = 0;

    MusicRenderThreadsTest()
    {
        TUnitMuz::BuildMusicGrammars();
        previous = SetNotePlayerAccess(&access);
        // A sine of a fifth of a second with a stretch selected, and one cycle of it.
        form.AddWave("sample", SineMono(4410, RenderThreadsRate, 441), 441, 1323);
        form.AddWave("cycle", SineMono(50, RenderThreadsRate, 441));
        form.factories["Noise"] = &noise.factory;
        // Random samples, louder at every run: the factory's state goes from note to note.
        noise.node->onExecute = [this](TScriptedNode& self, StopFlag* stop, std::string&) {
            const double frequency = self.Inputs().front()->GetValue().Value;
            RefPtr<Wave> wave = NewWave(stop, static_cast<int32_t>(RenderThreadsRate * 40 / frequency));
            ++noiseRuns;
            for (int32_t i = 0; i < wave->getValues(); ++i)
                wave->getData()[i] = static_cast<int16_t>(SharedRandom().Next() % 4000 - 2000 + noiseRuns);
            auto sound = std::make_shared<MonoSound>(wave, RenderThreadsRate, 2);
            sound->ownedByRun = 1;
            self.Outputs().front()->SetSound(sound);
            return true;
        };
    }
    ~MusicRenderThreadsTest() override
    {
        SetNoteRenderThreads(0);
        SetNotePlayerAccess(previous);
    }

    void AddPlayer(const std::string& name, std::vector<std::unique_ptr<TOnePlayer>> parts)
    {
        form.players[name] = PlayerOf(name, std::move(parts));
    }

    // Staves playing the players in turn, bars of eighths in one long
    // sequence (the last stave's notes tied over the next one's, so that
    // sounds overlap), at one second a whole note.
    TMuzData& BuildMusic(const std::vector<std::string>& players, int32_t bars, uint16_t channels = 2)
    {
        unit = std::make_unique<TUnitMuz>("Music 1", "");
        TMuzData& muz = unit->MuzData;
        muz.ChangeFileProps({1, 22050, 2}, {channels, RenderThreadsRate, 2});
        muz.Tempo = unitTimePosMore(1.0, EHS);
        TNoteStave* stave = nullptr;
        for (const std::string& player : players) {
            stave = muz.NewNoteStave(stave, unit.get());
            stave->GetStartNoteGroup()->SetPlayerSet("Band");
            stave->GetStartNoteGroup()->SetPlayer(player);
        }
        std::unique_ptr<TPartMuz> sequence;
        for (int32_t b = 0; b < bars; ++b) {
            auto bar = std::make_unique<TSinglePartMuz>(&muz, UnitTempoFactor(), UnitTempoFactor());
            TMuzBar::Attach(*bar, 4, 4, 0);
            bar->AddClefsForAllStaves();
            int32_t s = 0;
            for (TNoteStave* on = muz.GetStartStave(); on; on = on->GetNext(), ++s)
                for (int32_t i = 0; i < 8; ++i)
                    bar->InsertSymbol(std::make_unique<TMuzNote>(
                        &muz, on->GetStartNoteGroup(), s % 2 ? 4 : 8, 0, i * 0.125, (i * 3 + b + s) % 12 - 4, on,
                        noteShiftNormal, sool, 0, noteArtNormal, bar.get(), drawStickAuto));
            sequence = sequence ? std::make_unique<TConcatPartMuz>(std::move(sequence), std::move(bar), &muz)
                                : std::unique_ptr<TPartMuz>(std::move(bar));
        }
        muz.SetRootChild(std::move(sequence));
        return muz;
    }

    // The whole music on that many threads, the generator started alike.
    SoundPtr Render(int threads)
    {
        SetNoteRenderThreads(threads);
        SharedRandom().Seed(7);
        noiseRuns = 0;
        access.Restart();
        std::string message;
        EXPECT_TRUE(FindPlayers(unit->MuzData, message)) << message;
        return MakeWave(unit->MuzData, nullptr, nullptr, true, true);
    }

    void ExpectSameBytes(const Sound& one, const Sound& several)
    {
        ASSERT_EQ(one.channels, several.channels);
        ASSERT_EQ(one.GetValues(), several.GetValues());
        for (int side = 0; side < one.channels; ++side)
            EXPECT_TRUE(Samples(one, side) == Samples(several, side)) << "channel " << side;
    }

    std::string LastText() const { return messages.Count() ? messages.Last().text : ""; }

    void ExpectNothingLeft()
    {
        EXPECT_EQ(unit->MuzData.GetTargetSound(), nullptr);
        for (TNoteStave* s = unit->MuzData.GetStartStave(); s; s = s->GetNext())
            EXPECT_EQ(s->RenderSound, nullptr);
    }
};

} // namespace

TEST_F(MusicRenderThreadsTest, EachPlayerKindMakesTheSameBytesOnOneThreadAndOnSeveral)
{
    for (const PlayerKindCase& c : PlayerKindCases) {
        SCOPED_TRACE(c.what);
        for (bool balance : {false, true}) {
            SCOPED_TRACE(balance ? "balanced" : "as made");
            form.players.clear();
            std::vector<std::unique_ptr<TOnePlayer>> parts;
            parts.push_back(RenderThreadsPart(balance));
            c.set(*parts.back());
            AddPlayer("P", std::move(parts));
            BuildMusic({"P", "P"}, 4);
            SoundPtr one = Render(1);
            SoundPtr several = Render(4);
            ASSERT_TRUE(one && several) << LastText();
            // Two ways of making the notes are compared, not one twice.
            if (c.madeOnWorkers) {
                EXPECT_GT(access.madeOnWorkers.load(), 0);
            }
            ASSERT_GT(one->GetValues(), RenderThreadsRate * 4);
            ExpectSameBytes(*one, *several);
            EXPECT_EQ(messages.Count(), 0u);
        }
    }
}

// Players of several parts, factories among samplers, one stave each, in
// mono and in stereo music: the factory runs stay in the walk's order.
TEST_F(MusicRenderThreadsTest, MixedPlayersMakeTheSameBytesOnOneThreadAndOnSeveral)
{
    std::vector<std::unique_ptr<TOnePlayer>> parts;
    for (const PlayerKindCase& c : PlayerKindCases) {
        parts.push_back(RenderThreadsPart(parts.size() % 2 == 1, 1.0 + 0.25 * static_cast<double>(parts.size())));
        c.set(*parts.back());
    }
    AddPlayer("All", std::move(parts));
    // A balanced resonant sampler and the factory an octave up.
    std::vector<std::unique_ptr<TOnePlayer>> pair;
    pair.push_back(RenderThreadsPart(true));
    PlayerKindCases[2].set(*pair.back());
    pair.push_back(RenderThreadsPart(false, 2.0));
    PlayerKindCases[0].set(*pair.back());
    AddPlayer("Pair", std::move(pair));
    for (uint16_t channels : {1, 2}) {
        SCOPED_TRACE(channels);
        BuildMusic({"All", "Pair", "All"}, 4, channels);
        SoundPtr one = Render(1);
        for (int threads : {2, 3, 8}) {
            SCOPED_TRACE(threads);
            SoundPtr several = Render(threads);
            ASSERT_TRUE(one && several);
            EXPECT_GT(access.madeOnWorkers.load(), 0);
            ExpectSameBytes(*one, *several);
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}

namespace {

// Presses Stop once the render has mixed half its notes in.
class StopHalfWay : public WorkProgress {
public:
    StopHalfWay() : previous(WatchWork(this)) {}
    ~StopHalfWay() override { WatchWork(previous); }
    StopHalfWay(const StopHalfWay&) = delete;
    StopHalfWay& operator=(const StopHalfWay&) = delete;
    bool StopWanted(int64_t done, int64_t total) override
    {
        asked = asked || (total > 0 && done * 2 >= total);
        return asked;
    }
    bool asked = false;

private:
    WorkProgress* previous;
};

} // namespace

// A Stop while the workers make notes ends the render without a word and
// leaves nothing behind; the next render is whole again.
TEST_F(MusicRenderThreadsTest, AStopWhileTheWorkersRunEndsQuietly)
{
    std::vector<std::unique_ptr<TOnePlayer>> parts;
    parts.push_back(RenderThreadsPart(true));
    PlayerKindCases[2].set(*parts.back());
    AddPlayer("P", std::move(parts));
    BuildMusic({"P", "P"}, 8);
    SoundPtr whole = Render(1);
    for (int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        {
            StopHalfWay watcher;
            EXPECT_EQ(Render(threads), nullptr);
            EXPECT_TRUE(watcher.asked);
        }
        EXPECT_EQ(messages.Count(), 0u) << LastText();
        ExpectNothingLeft();
        SoundPtr again = Render(threads);
        ASSERT_TRUE(again && whole);
        ExpectSameBytes(*whole, *again);
    }
}

// Allocations that fail on the workers show the memory message once, and
// "Cannot create music" names the first note that failed in the walk's
// order, before a later note whose factory fails.
TEST_F(MusicRenderThreadsTest, FailedAllocationsAreShownOnceAndTheFirstNoteInOrderIsTheReason)
{
    std::vector<std::unique_ptr<TOnePlayer>> parts;
    parts.push_back(RenderThreadsPart(true));
    PlayerKindCases[2].set(*parts.back());
    AddPlayer("P", std::move(parts));
    // A factory whose runs fail from the fifth note on: found only when that note is rendered.
    NoteFactory broken("Broken");
    int runs = 0;
    const SoundPtr made = ConstantMono(100, RenderThreadsRate, 1000);
    made->ownedByRun = 1;
    broken.node->onExecute = [&runs, made](TScriptedNode& self, StopFlag*, std::string& error) {
        if (++runs > 4) {
            error = "broken";
            return false;
        }
        self.Outputs().front()->SetSound(made);
        return true;
    };
    form.factories["Broken"] = &broken.factory;
    std::vector<std::unique_ptr<TOnePlayer>> lost;
    lost.push_back(RenderThreadsPart(false));
    lost.back()->SetFactoryPlayerProps(TFactoryPlayerProps("Broken"));
    AddPlayer("Lost", std::move(lost));
    for (int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        BuildMusic({"P", "P", "P", "Lost"}, 3);
        messages.Clear();
        runs = 0;
        // The music's silent sound is made; the notes' allocations fail from the first on.
        AllocationHook::FailAfter(4, 1000000);
        EXPECT_EQ(Render(threads), nullptr);
        AllocationHook::Reset();
        ASSERT_EQ(messages.Count(), 2u) << LastText();
        EXPECT_EQ(messages.All()[0].text, NotEnoughMemoryText);
        // Shown by the thread that walks the music, the one the windows run on.
        for (const auto& shown : messages.All())
            EXPECT_EQ(shown.thread, std::this_thread::get_id());
        EXPECT_EQ(messages.Last().text,
                  std::string("Cannot create music: in Player \"P\": ") + NotEnoughMemoryText);
        ExpectNothingLeft();
    }
}

// Two players, the second running out of memory: while its note's sound is
// made (on a worker, when there are any), or in its factory's run on the
// walking thread. The first player's notes that the failure stopped in flight
// say nothing: on every thread count the message names the second player.
TEST_F(MusicRenderThreadsTest, ASecondPlayerOutOfMemoryIsNamedOnEveryThreadCount)
{
    std::vector<std::unique_ptr<TOnePlayer>> first;
    first.push_back(RenderThreadsPart(true));
    PlayerKindCases[2].set(*first.back());
    AddPlayer("A", std::move(first));
    std::vector<std::unique_ptr<TOnePlayer>> sampler;
    sampler.push_back(RenderThreadsPart(false));
    PlayerKindCases[1].set(*sampler.back());
    AddPlayer("S", std::move(sampler));
    // A factory whose sixth run finds no memory for its wave.
    NoteFactory failing("Failing");
    int runs = 0;
    failing.node->onExecute = [&runs](TScriptedNode& self, StopFlag* stop, std::string& error) {
        AllocationHook::FailNextHere(++runs == 6 ? 1 : 0);
        RefPtr<Wave> wave = NewWave(stop, 2205);
        AllocationHook::FailNextHere(0);
        if (!wave) {
            error = StoppedRunReason();
            return false;
        }
        std::fill(wave->getData(), wave->getData() + wave->getValues(), int16_t{700});
        auto sound = std::make_shared<MonoSound>(wave, RenderThreadsRate, 2);
        sound->ownedByRun = 1;
        self.Outputs().front()->SetSound(sound);
        return true;
    };
    form.factories["Failing"] = &failing.factory;
    std::vector<std::unique_ptr<TOnePlayer>> factory;
    factory.push_back(RenderThreadsPart(false));
    factory.back()->SetFactoryPlayerProps(TFactoryPlayerProps("Failing"));
    AddPlayer("F", std::move(factory));

    const std::string memory = NotEnoughMemoryText;
    const struct {
        const char* where;
        const char* player;
        std::string message;
    } cases[] = {
        {"making its sound", "S", "Cannot create music: in Player \"S\": " + memory},
        {"running its factory", "F",
         "Cannot create music: in Player \"F\": in Factory \"Failing\": At Node \"Note\" of Factory \"Failing\": " +
             memory},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        access.failingPlayer = c.player;
        access.failingNote = 5;
        for (int threads : {1, 2, 4}) {
            SCOPED_TRACE(threads);
            BuildMusic({"A", c.player}, 3);
            messages.Clear();
            runs = 0;
            EXPECT_EQ(Render(threads), nullptr);
            ASSERT_EQ(messages.Count(), 2u) << LastText();
            EXPECT_EQ(messages.All()[0].text, NotEnoughMemoryText);
            EXPECT_EQ(messages.Last().text, c.message);
            ExpectNothingLeft();
        }
    }
}
