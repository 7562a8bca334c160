#include "music/document/MusicPlaying.h"

#include "music/NotePlayerAccess.h"
#include "music/data/MusicGeneration.h"
#include "music/document/UnitMuz.h"
#include "music/parts/PartTiming.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"
#include "platform/Assertions.h"
#include "platform/MessageService.h"
#include "wave/MainFormAccess.h"

#include <utility>
#include <vector>

namespace {

MusicCommandHost standIn;
MusicCommandHost* current = &standIn;

// The busy cursor for the lifetime of a command.
class TBusy {
public:
    TBusy() { MusicCommands().BeginBusy(); }
    ~TBusy() { MusicCommands().EndBusy(); }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;
};

// A part marked as the top of what is played for the lifetime of a rendering.
class TRootMark {
public:
    explicit TRootMark(TPartMuz& part) : Part(part) { Part.SetRoot(true); }
    ~TRootMark() { Part.SetRoot(false); }
    TRootMark(const TRootMark&) = delete;
    TRootMark& operator=(const TRootMark&) = delete;

private:
    TPartMuz& Part;
};

// Every repeat's repetition as it was before a rendering, put back after it.
class TLoopCounts {
public:
    explicit TLoopCounts(TPartMuz& top)
    {
        std::vector<TPartMuz*> work{&top};
        while (!work.empty()) {
            TPartMuz* part = work.back();
            work.pop_back();
            if (part->GetPartMuzKind() == partMuzLoop)
                Saved.emplace_back(static_cast<TLoopPartMuz*>(part), static_cast<TLoopPartMuz*>(part)->CurrentCount);
            for (int32_t i = 0; i < part->GetChildCount(); ++i)
                if (TPartMuz* child = part->GetChild(i))
                    work.push_back(child);
        }
    }
    ~TLoopCounts()
    {
        for (auto [loop, count] : Saved)
            loop->CurrentCount = count;
    }
    TLoopCounts(const TLoopCounts&) = delete;
    TLoopCounts& operator=(const TLoopCounts&) = delete;

private:
    std::vector<std::pair<TLoopPartMuz*, int32_t>> Saved;
};

} // namespace

void MusicCommandHost::PlaySound(const Sound& sound)
{
    MainForm().PlaySound(sound, false);
}

void MusicCommandHost::OpenWave(SoundPtr, const std::string&, const std::string&) {}

MusicCommandHost& MusicCommands()
{
    return *current;
}

MusicCommandHost* SetMusicCommandHost(MusicCommandHost* host)
{
    MusicCommandHost* previous = current == &standIn ? nullptr : current;
    current = host ? host : &standIn;
    return previous;
}

SoundPtr TMusicPlaying::Failed(const std::string& reason) const
{
    ShowMessage("Cannot create music: " + reason, "Error", MsgIcon::Stop);
    return nullptr;
}

bool TMusicPlaying::CanPlayNoteExecute() const
{
    const TXTouchMuzSymbol* symbol = Unit.GetSelectedSymbol();
    return symbol && symbol->GetMuzSymbolKind() == muzSymbolStave &&
           static_cast<const TStaveSymbol*>(symbol)->IsNote();
}

void TMusicPlaying::PlayNoteExecute()
{
    if (!QB_CHECK(CanPlayNoteExecute()))
        return;
    TBusy busy;
    auto& note = static_cast<TMuzNote&>(*static_cast<TStaveSymbol*>(Unit.GetSelectedSymbol()));
    std::string message;
    if (!note.PlayNote(message))
        ShowMessage(message.empty() ? "The note has no player." : message, "Error", MsgIcon::Stop);
}

SoundPtr TMusicPlaying::GenerateWaveFromMusic()
{
    TBusy busy;
    TLoopCounts counts(*Unit.MuzData.GetStartPartMuz());
    std::string message;
    if (!FindPlayers(Unit.MuzData, message))
        return Failed(message);
    return MakeWave(Unit.MuzData, nullptr, nullptr, true, true);
}

SoundPtr TMusicPlaying::GenerateStaveWave(TNoteStave& stave, bool withStaveFactory)
{
    TBusy busy;
    TLoopCounts counts(*Unit.MuzData.GetStartPartMuz());
    std::string message;
    if (!stave.FindNoteGroupPlayers(message))
        return Failed(message);
    return MakeWave(Unit.MuzData, &stave, nullptr, true, withStaveFactory);
}

SoundPtr TMusicPlaying::GenerateNoteGroupWave(TNoteGroup& group, bool withGroupFactory)
{
    TBusy busy;
    TLoopCounts counts(*Unit.MuzData.GetStartPartMuz());
    std::string message;
    if (!group.FindPlayer(message))
        return Failed(message);
    return MakeWave(Unit.MuzData, nullptr, &group, withGroupFactory, false);
}

SoundPtr TMusicPlaying::GeneratePartWave(TPartMuz& part)
{
    TBusy busy;
    TLoopCounts counts(*Unit.MuzData.GetStartPartMuz());
    ResetLoopCounts(Unit.MuzData);
    TRootMark root(part);
    std::string message;
    if (!FindPlayers(Unit.MuzData, message))
        return Failed(message);
    return MakePartWave(Unit.MuzData, nullptr, nullptr, true, true, part);
}

SoundPtr TMusicPlaying::GenerateResultPartWave(TTreeDataResult& result)
{
    TBusy busy;
    TLoopCounts counts(*Unit.MuzData.GetStartPartMuz());
    ResetLoopCounts(Unit.MuzData);
    std::string message;
    if (!FindPlayers(Unit.MuzData, message))
        return Failed(message);
    return MakeResultPartWave(Unit.MuzData, nullptr, nullptr, true, true, result);
}

void TMusicPlaying::Play(const SoundPtr& sound)
{
    if (sound && sound->GetValues() > 0)
        MusicCommands().PlaySound(*sound);
}

void TMusicPlaying::Open(SoundPtr sound, const std::string& suffix) const
{
    if (sound && sound->GetValues() > 0)
        MusicCommands().OpenWave(std::move(sound), "Wave", suffix);
}

void TMusicPlaying::MusicGenerate()
{
    TBusy busy;
    Open(GenerateWaveFromMusic(), "of " + Unit.GetName());
}
