#include "music/staves/Stave.h"

#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "platform/Assertions.h"

TStave::TStave() = default;

TStave::~TStave()
{
    std::unique_ptr<TNoteStave> rest = std::move(Next);
    while (rest) {
        std::unique_ptr<TNoteStave> after = std::move(rest->Next);
        rest.reset();
        rest = std::move(after);
    }
}

void TStave::InsertNoteGroup(TNoteGroup* after, std::unique_ptr<TNoteGroup> group)
{
    if (!QB_CHECK(group != nullptr))
        return;
    std::unique_ptr<TNoteGroup>* link = &StartNoteGroup;
    if (after && StartNoteGroup) {
        TNoteGroup* walk = StartNoteGroup.get();
        while (walk != after && walk->Next)
            walk = walk->Next.get();
        QB_CHECK(walk == after);
        link = &walk->Next;
    }
    group->Next = std::move(*link);
    *link = std::move(group);
}

std::unique_ptr<TNoteGroup> TStave::DeleteNoteGroup(TNoteGroup* group)
{
    if (!QB_CHECK(group != nullptr))
        return nullptr;
    std::unique_ptr<TNoteGroup>* link = &StartNoteGroup;
    while (*link && link->get() != group)
        link = &(*link)->Next;
    if (!QB_CHECK(*link != nullptr))
        return nullptr;
    // The only group of a stave stays.
    if (!QB_CHECK(link != &StartNoteGroup || group->Next != nullptr))
        return nullptr;
    std::unique_ptr<TNoteGroup> taken = std::move(*link);
    *link = std::move(taken->Next);
    return taken;
}

TNoteGroup* TStave::GetPrevNoteGroup(const TNoteGroup* group) const
{
    QB_CHECK(StartNoteGroup != nullptr);
    TNoteGroup* prev = nullptr;
    for (TNoteGroup* walk = StartNoteGroup.get(); walk; walk = walk->GetNext()) {
        if (walk == group)
            return prev;
        prev = walk;
    }
    QB_CHECK(!"group in the stave's list");
    return nullptr;
}

int TStave::CountNoteGroups() const
{
    int count = 0;
    for (TNoteGroup* walk = StartNoteGroup.get(); walk; walk = walk->GetNext())
        ++count;
    return count;
}

bool TStave::FindNoteGroupPlayers(std::string& message)
{
    return !StartNoteGroup || StartNoteGroup->FindPlayers(message);
}

bool TStave::FindPlayers(std::string& message)
{
    for (TStave* stave = this; stave; stave = stave->GetNext())
        if (!stave->FindNoteGroupPlayers(message))
            return false;
    return true;
}
