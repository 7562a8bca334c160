#pragma once
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/NotePlayerAccess.h"
#include "music/document/MusicView.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/RecordingMessageService.h"
#include "support/SmallStack.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The note of a render started, made and mixed into its group's render sound
// at once, the bar placed at bar; false with the reason.
inline bool RenderWhole(const TMuzNote& note, const TNotePlace& bar, int32_t shift, double tempo,
                        std::string& message)
{
    const std::unique_ptr<TNoteInFlight> started = note.StartRenderInto(nullptr, bar, shift, tempo, message);
    if (!started)
        return false;
    started->Make(nullptr);
    return started->Mix(nullptr, message);
}

// A music window that writes down what the document asks of it.
class FakeMusicView : public MusicView {
public:
    std::vector<std::string> calls;
    TMDIChildMuzInitProps origin{-5, -12};
    TSelectionTexts texts;

    void NameChanged(const std::string& oldName) override { calls.push_back("NameChanged " + oldName); }
    void UpdateChildCaption() override { calls.push_back("UpdateChildCaption"); }
    void SetDrawCursor() override {}
    void Invalidate() override { calls.push_back("Invalidate"); }
    TMDIChildMuzInitProps GetViewOrigin() const override { return origin; }
    void ShowSelectionTexts(const TSelectionTexts& shown) override
    {
        texts = shown;
        calls.push_back("Texts");
    }
    void MusicPartsChanged() override { calls.push_back("PartsChanged"); }
};

// A fresh player stand-in per test, so converted sets do not carry over.
class ScopedNotePlayers {
public:
    ScopedNotePlayers() { previous = SetNotePlayerAccess(&access); }
    ~ScopedNotePlayers() { SetNotePlayerAccess(previous); }
    ScopedNotePlayers(const ScopedNotePlayers&) = delete;
    ScopedNotePlayers& operator=(const ScopedNotePlayers&) = delete;
    NotePlayerAccess access;

private:
    NotePlayerAccess* previous;
};

inline const std::string MusicHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE UnitMuz_v9_1>\n\n";

// The bytes a document saves.
inline std::string SavedBytes(const TUnitMuz& unit)
{
    return DocumentBytes(*unit.BuildMusicXml(), "_v9_1");
}

struct MusicTest : ::testing::Test {
    MusicTest() { TUnitMuz::BuildMusicGrammars(); }
    RecordingMessageService messages;
    ScopedNotePlayers players;

    // Loads file bytes into a fresh document; the message when it fails.
    std::unique_ptr<TUnitMuz> Load(const std::string& bytes, std::string& message, const std::string& name = "Music 1")
    {
        auto unit = std::make_unique<TUnitMuz>(name, "");
        std::unique_ptr<TMDIChildMuzInitProps> view;
        message.clear();
        if (!unit->LoadMusicBytes(bytes, message, view))
            return nullptr;
        return unit;
    }
    std::unique_ptr<TUnitMuz> MustLoad(const std::string& bytes, const std::string& name = "Music 1")
    {
        std::string message;
        auto unit = Load(bytes, message, name);
        EXPECT_TRUE(unit) << message;
        // A file read leaves no text: nothing went wrong.
        EXPECT_EQ(message, "");
        return unit;
    }
};

// A new music (one bar of 4/4, one stave with its G clef and one note group)
// with short ways to put symbols into its bar.
struct MusicModel {
    TUnitMuz unit{"Music 1", ""};
    TMuzData& muz = unit.MuzData;
    TNoteStave* stave = nullptr;
    TSinglePartMuz* bar = nullptr;
    TNoteGroup* group = nullptr;

    MusicModel()
    {
        unit.NewMusic();
        stave = muz.GetStartStave();
        bar = muz.GetFirstSinglePart();
        group = stave->GetSelectedNoteGroup();
    }
    TClef* StartClef() const { return bar->GetStartClef(stave); }
    TMuzNote* Note(double position, int32_t pitch, uint8_t length = 4, int32_t points = 0, uint8_t multiOol = sool,
                   int32_t posInOol = 0, TNoteStave* on = nullptr, TNoteGroup* in = nullptr)
    {
        on = on ? on : stave;
        in = in ? in : on->GetSelectedNoteGroup();
        return static_cast<TMuzNote*>(bar->InsertSymbol(std::make_unique<TMuzNote>(
            &muz, in, length, points, position, pitch, on, noteShiftNormal, multiOol, posInOol, noteArtNormal, bar,
            drawStickAuto)));
    }
    TRest* Rest(double position, uint8_t length = 4, int32_t points = 0, uint8_t multiOol = sool,
                int32_t posInOol = 0, TNoteStave* on = nullptr)
    {
        return static_cast<TRest*>(bar->InsertSymbol(std::make_unique<TRest>(
            length, points, position, on ? on : stave, multiOol, posInOol, bar)));
    }
    TClef* Clef(double position, int32_t number, int8_t kind = clefKindG, TNoteStave* on = nullptr)
    {
        return static_cast<TClef*>(bar->InsertSymbol(
            std::make_unique<TClef>(&muz, kind, 0, position, on ? on : stave, number, bar)));
    }
    // The symbols of the bar on a stave, as text: "K0#1" clef at 0 number 1,
    // "N0.25:5" note at 0.25 pitch 5, "R0.5/4" rest at 0.5 of length 4.
    std::string Listing(const TNoteStave* on = nullptr) const;
};

inline std::string MusicModel::Listing(const TNoteStave* on) const
{
    on = on ? on : stave;
    std::string text;
    auto number = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    };
    for (TStaveSymbol* s = bar->GetSymbols(); s; s = s->GetNext()) {
        if (s->GetNoteStave() != on)
            continue;
        if (!text.empty())
            text += " ";
        if (s->IsClef())
            text += "K" + number(s->GetPosition()) + "#" + std::to_string(static_cast<TClef*>(s)->GetClefNumber());
        else if (s->IsNote())
            text += "N" + number(s->GetPosition()) + ":" + std::to_string(static_cast<TMuzNote*>(s)->GetPitch());
        else
            text += "R" + number(s->GetPosition()) + "/" + std::to_string(static_cast<TRest*>(s)->GetNoteLengthKind());
    }
    return text;
}
