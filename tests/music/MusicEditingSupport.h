#pragma once
#include "music/document/MusicEditFollowUp.h"
#include "music/symbols/MuzBar.h"
#include "tests/music/MusicTestSupport.h"

#include <algorithm>
#include <utility>

// A music window that also writes down where the document asked it to scroll.
class ScrollingMusicView : public FakeMusicView {
public:
    std::vector<std::pair<int32_t, int32_t>> scrolledX;
    void ScrollIntoViewX(int32_t left, int32_t right) override { scrolledX.emplace_back(left, right); }
};

// A player stand-in that counts how often a note asked for its player: once
// for every note that sounds.
class SoundingNotePlayers : public NotePlayerAccess {
public:
    SoundingNotePlayers() { previous = SetNotePlayerAccess(this); }
    ~SoundingNotePlayers() override { SetNotePlayerAccess(previous); }
    TCompoundPlayer* FindCompoundPlayer(const std::string&, const std::string&) override
    {
        ++sounded;
        return nullptr;
    }
    int sounded = 0;

private:
    NotePlayerAccess* previous;
};

// A new music in its (fake) window, with the sounding of notes counted.
struct MusicEditing : MusicTest {
    MusicModel m;
    ScrollingMusicView view;
    SoundingNotePlayers sounds;
    TUnitMuz& unit = m.unit;

    MusicEditing() { unit.SetWindow(&view); }
    ~MusicEditing() override { unit.SetWindow(nullptr); }

    // Selects the symbol in the mode, with nothing recorded yet.
    void Select(TXTouchMuzSymbol* symbol, uint8_t mode = unitMuzSel)
    {
        unit.UnitMuzMode = mode;
        unit.SetSelMuzSymbol(symbol);
        Forget();
    }
    void Forget()
    {
        view.calls.clear();
        sounds.sounded = 0;
        unit.ClearModified();
    }
    int Count(const std::string& call) const
    {
        return static_cast<int>(std::count(view.calls.begin(), view.calls.end(), call));
    }
    bool Repainted() const { return Count("Invalidate") > 0; }
    bool PartsChanged() const { return Count("PartsChanged") > 0; }
    TMuzBar* Bar() const { return m.bar->GetMuzBar(); }
    // The clef and note texts of the bar on the stave, with lengths: "N0.25:5/8".
    std::string Values() const
    {
        std::string text;
        for (TStaveSymbol* s = m.bar->GetSymbols(); s; s = s->GetNext()) {
            if (s->GetNoteStave() != m.stave || s->IsClef())
                continue;
            auto* time = static_cast<TStaveTimeSymbol*>(s);
            if (!text.empty())
                text += " ";
            text += (s->IsNote() ? "N" : "R") + std::to_string(time->GetNoteLengthKind());
            for (int i = 0; i < time->GetPoints(); ++i)
                text += ".";
            if (time->GetMultiOol() != sool)
                text += "x" + std::to_string(time->GetMultiOol()) + "@" + std::to_string(time->GetPosInOol());
        }
        return text;
    }
};
