#pragma once
// Music built part by part for the tests of timing, generation, views and
// painting, with players that only write down what they are asked.
#include "foundation/values/unitInteger.h"
#include "music/CompoundPlayer.h"
#include "music/NotePlayerAccess.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/PartTreeViews.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "tests/music/MusicTestSupport.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Players that are found by any name but "missing", measure every note with
// a fixed lead time and sound length, and render a note as a block of
// samples of value 1000 as long as its sound, mixed in at its time less the
// lead time. They write down every note they render.
class RecordingPlayers : public NotePlayerAccess {
public:
    struct Rendered {
        double musicPosition;
        double time;
        double tempo;
        double period;
        double playLength;
        double musicLength;
        const Sound* target;
    };
    std::vector<Rendered> rendered;
    double lead = 0.0;
    double soundLength = 0.0;
    // A note rendered at this music position fails with this message.
    double failAtPosition = -1.0;
    std::string failMessage = "in Player \"P\": broken";
    // Every note sets the stop flag, as a failed allocation would.
    bool stopInNote = false;
    // Validation of any player fails with this message when set.
    std::string invalid;
    int16_t value = 1000;

    RecordingPlayers() { previous = SetNotePlayerAccess(this); }
    ~RecordingPlayers() override { SetNotePlayerAccess(previous); }
    RecordingPlayers(const RecordingPlayers&) = delete;
    RecordingPlayers& operator=(const RecordingPlayers&) = delete;

    TCompoundPlayer* FindCompoundPlayer(const std::string& playerName, const std::string&) override
    {
        return playerName == "missing" ? nullptr : &anchor;
    }
    bool Validate(TCompoundPlayer&, std::string& message) override
    {
        message = invalid;
        return invalid.empty();
    }
    double GetLeadTime(TCompoundPlayer&, const TPlayedNote&, bool& ok, std::string&) override
    {
        ok = true;
        return lead;
    }
    double GetSoundLength(TCompoundPlayer&, const TPlayedNote&, bool& ok, std::string&) override
    {
        ok = true;
        return soundLength;
    }
    SoundPtr PlayNote(TCompoundPlayer&, StopFlag* stop, int32_t sampleFreq, int16_t bytesPerSample,
                      const TPlayedNote& note, const TNotePlace& place, bool& ok, std::string& message) override
    {
        auto target = std::make_shared<StereoSound>(sampleFreq, bytesPerSample);
        SoundPtr silent = Silent(*target, lead + soundLength);
        TNotePlace at = place;
        at.Time += lead;
        ok = Render(stop, *silent, at, note, message);
        return ok ? silent : nullptr;
    }
    std::unique_ptr<TNoteInFlight> StartNoteInto(TCompoundPlayer&, StopFlag*, Sound& target, const TNotePlace& place,
                                                 const TPlayedNote& note, std::string&) override
    {
        return std::make_unique<RecordedNote>(*this, target, place, note);
    }
    // Writes the note down and mixes its block into target.
    bool Render(StopFlag* stop, Sound& target, const TNotePlace& place, const TPlayedNote& note,
                std::string& message)
    {
        rendered.push_back({place.MusicPosition, place.Time, note.Tempo, note.Period, note.PlayLength,
                            place.MusicLength, &target});
        if (stopInNote)
            *stop = 1;
        if (place.MusicPosition == failAtPosition) {
            message = failMessage;
            return false;
        }
        if (soundLength > 0.0) {
            SoundPtr block = Block(target, soundLength);
            target.MixAddAtTime(stop, *block, place.Time - lead, 1.0);
        }
        return true;
    }

    // A silent sound of other's format, seconds long (plus one sample).
    static SoundPtr Silent(const Sound& other, double seconds)
    {
        StopFlag stop = 0;
        int32_t b = 0;
        int32_t e = 0;
        return other.NewEmpty()->InsertSilence(&stop, seconds, b, e);
    }
    SoundPtr Block(const Sound& format, double seconds) const
    {
        SoundPtr block = Silent(format, seconds);
        StopFlag stop = 0;
        return block->AddValue(&stop, value, 0, block->GetValues());
    }

private:
    // A note rendered when its turn to be mixed comes.
    class RecordedNote : public TNoteInFlight {
    public:
        RecordedNote(RecordingPlayers& players, Sound& target, const TNotePlace& place, const TPlayedNote& note)
            : players(players), target(target), place(place), note(note)
        {
        }
        bool HasWork() const override { return false; }
        void Make(StopFlag*) override {}
        bool Mix(StopFlag* stop, std::string& message) override
        {
            return players.Render(stop, target, place, note, message);
        }

    private:
        RecordingPlayers& players;
        Sound& target;
        TNotePlace place;
        TPlayedNote note;
    };

    // The one player every name but "missing" finds; the recorder never looks into it.
    TCompoundPlayer anchor{"recorded"};
    NotePlayerAccess* previous;
};

// Music of one stave (more on request) whose part tree a test builds from
// bars, sequences, repeats and turns parts.
struct MusicTree : ::testing::Test {
    RecordingMessageService messages;
    RecordingPlayers players;
    TUnitMuz unit{"Music 1", ""};
    TMuzData& muz = unit.MuzData;
    TNoteStave* stave = muz.NewNoteStave(nullptr, &unit);

    MusicTree() { TUnitMuz::BuildMusicGrammars(); }

    static unitFactorPosMore Factor(double value) { return unitFactorPosMore(value, EHNone); }

    std::unique_ptr<TSinglePartMuz> Bar(TSinglePartMuz** out = nullptr, double tempoStart = 1.0,
                                        double tempoEnd = 1.0)
    {
        auto bar = std::make_unique<TSinglePartMuz>(&muz, Factor(tempoStart), Factor(tempoEnd));
        TMuzBar::Attach(*bar, 4, 4, 0);
        bar->AddClefsForAllStaves();
        if (out)
            *out = bar.get();
        return bar;
    }
    // A bar holding one quarter note per start given, pitch 0.
    std::unique_ptr<TSinglePartMuz> BarWithNotes(std::vector<double> starts, TSinglePartMuz** out = nullptr)
    {
        TSinglePartMuz* bar = nullptr;
        auto owned = Bar(&bar);
        for (double start : starts)
            Note(bar, start, 0);
        if (out)
            *out = bar;
        return owned;
    }
    std::unique_ptr<TPartMuz> Concat(std::unique_ptr<TPartMuz> a, std::unique_ptr<TPartMuz> b)
    {
        return std::make_unique<TConcatPartMuz>(std::move(a), std::move(b), &muz);
    }
    std::unique_ptr<TLoopPartMuz> Loop(int32_t count, std::unique_ptr<TPartMuz> child, double tempoStart = 1.0,
                                       double tempoEnd = 1.0)
    {
        return std::make_unique<TLoopPartMuz>(unitIntegerPosMore(count, EHNone), std::move(child), &muz,
                                              Factor(tempoStart), Factor(tempoEnd));
    }
    std::unique_ptr<TSelectPartMuz> Select(std::unique_ptr<TPartMuz> child)
    {
        return std::make_unique<TSelectPartMuz>(std::move(child), &muz, UnitTempoFactor(), UnitTempoFactor());
    }
    static void AddTurn(TSelectPartMuz& select, int32_t count, int32_t pitch, double tempo)
    {
        select.AddTurn(unitIntegerPosMore(count, EHNone), unitInteger(pitch, EHNone), Factor(tempo));
    }
    TMuzNote* Note(TSinglePartMuz* bar, double position, int32_t pitch, uint8_t length = 4,
                   TNoteStave* on = nullptr, TNoteGroup* group = nullptr, uint8_t multiOol = sool,
                   int32_t posInOol = 0)
    {
        on = on ? on : stave;
        group = group ? group : on->GetSelectedNoteGroup();
        return static_cast<TMuzNote*>(bar->InsertSymbol(std::make_unique<TMuzNote>(
            &muz, group, length, 0, position, pitch, on, noteShiftNormal, multiOol, posInOol, noteArtNormal, bar,
            drawStickAuto)));
    }
    TRest* Rest(TSinglePartMuz* bar, double position, uint8_t length = 4, TNoteStave* on = nullptr)
    {
        return static_cast<TRest*>(
            bar->InsertSymbol(std::make_unique<TRest>(length, 0, position, on ? on : stave, sool, 0, bar)));
    }
    void SetRoot(std::unique_ptr<TPartMuz> part) { muz.SetRootChild(std::move(part)); }
    void SetTempo(double seconds) { muz.Tempo = unitTimePosMore(seconds, EHS); }
    // A second stave (with its start clefs in every bar) after the last.
    TNoteStave* AddStave()
    {
        TNoteStave* last = stave;
        while (last->GetNext())
            last = last->GetNext();
        return muz.NewNoteStave(last, &unit);
    }
    // The times at which the players were asked to render, in order.
    std::vector<double> RenderedTimes() const
    {
        std::vector<double> times;
        for (const auto& r : players.rendered)
            times.push_back(r.time);
        return times;
    }
};

// A tree view as lines: "parent>label[image]" per node, with the marks set.
class RecordingTreeSink : public TMusicTreeSink {
public:
    struct Node {
        int32_t parent;
        std::string text;
        TMusTreeItem* data;
        int32_t image;
        bool expanded = false;
        bool expandedSet = false;
    };
    std::vector<Node> nodes;
    int32_t selected = -2;

    int32_t AddChildObject(int32_t parent, const std::string& text, TMusTreeItem* data, int32_t image) override
    {
        nodes.push_back({parent, text, data, image});
        return static_cast<int32_t>(nodes.size()) - 1;
    }
    void SetExpanded(int32_t node, bool expanded) override
    {
        nodes[static_cast<size_t>(node)].expanded = expanded;
        nodes[static_cast<size_t>(node)].expandedSet = true;
    }
    void SetSelected(int32_t node) override { selected = node; }
    void Clear() override
    {
        nodes.clear();
        selected = -2;
    }

    std::string Lines() const
    {
        std::string text;
        for (const Node& node : nodes)
            text += std::to_string(node.parent) + ">" + node.text + "[" + std::to_string(node.image) + "] ";
        return text;
    }
};
