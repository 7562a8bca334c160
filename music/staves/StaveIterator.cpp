#include "music/staves/StaveIterator.h"

#include "music/data/MuzData.h"
#include "music/staves/NoteStave.h"

TNoteStave* TStaveIterator::Next()
{
    TNoteStave* stave = Current ? Current->GetNext() : MuzData.GetStartStave();
    while (stave && !stave->EnablePlayAndDraw)
        stave = stave->GetNext();
    Current = stave;
    return stave;
}
