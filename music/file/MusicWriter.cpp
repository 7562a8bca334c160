#include "foundation/xml/XMLComplexElement.h"
#include "music/data/MuzData.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteStave.h"

void TMuzData::WriteMuzDataXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                               const TNoteStave* currentStave, const TXTouchMuzSymbol* selectedSymbol) const
{
    Tempo.WriteXml("Tempo", parent);
    StartPartMuz->WriteXml(parent, selectedItem, selectedSymbol);
    for (const TNoteStave* stave = StartStave.get(); stave; stave = stave->GetNext())
        parent.AddItem(stave->WriteXml(currentStave, selectedSymbol));
}
