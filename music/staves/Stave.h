#pragma once
#include <memory>
#include <string>

class TNoteGroup;
class TNoteStave;

// A cell of the music's doubly linked stave list with the stave's note
// groups (voices). The stave owns its groups and the staves after it; it
// keeps at least one group while the music holds it.
class TStave {
public:
    TStave();
    // Frees the following staves too, one by one.
    ~TStave();
    TStave(const TStave&) = delete;
    TStave& operator=(const TStave&) = delete;

    TNoteStave* GetNext() const { return Next.get(); }
    TNoteStave* GetPrev() const { return Prev; }

    TNoteGroup* GetStartNoteGroup() const { return StartNoteGroup.get(); }
    // The group the Music Staves dialog shows for the stave; written as the
    // "Selected" mark of that group.
    TNoteGroup* GetCurrentNoteGroup() const { return CurrentNoteGroup; }
    void SetCurrentNoteGroup(TNoteGroup* group) { CurrentNoteGroup = group; }

    // Links group after after, or first when after is nullptr or the list is
    // empty. A group after that is not in the list is reported and the group
    // goes last.
    void InsertNoteGroup(TNoteGroup* after, std::unique_ptr<TNoteGroup> group);
    // Unlinks the group and hands it back; the only group of a stave, or one
    // that is not in the list, stays (reported) and nullptr comes back.
    std::unique_ptr<TNoteGroup> DeleteNoteGroup(TNoteGroup* group);
    // The group before group; nullptr for the first.
    TNoteGroup* GetPrevNoteGroup(const TNoteGroup* group) const;
    int CountNoteGroups() const;

    // Finds the player of every group of this stave; false with the first
    // failure's message.
    bool FindNoteGroupPlayers(std::string& message);
    // The same for this stave and every following one, played or not.
    bool FindPlayers(std::string& message);

protected:
    friend class TMuzData;
    std::unique_ptr<TNoteStave> Next;
    TNoteStave* Prev = nullptr;
    std::unique_ptr<TNoteGroup> StartNoteGroup;
    TNoteGroup* CurrentNoteGroup = nullptr;
};
