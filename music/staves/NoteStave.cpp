#include "music/staves/NoteStave.h"

#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "music/data/MuzData.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteGroup.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

#include <algorithm>

TNoteStave::TNoteStave(TMuzData* muzData, uint32_t foregroundColor, uint32_t backgroundColor,
                       const unitIntegerMoreUser& roomUp, const unitIntegerMoreUser& roomDown,
                       uint8_t allowJoinFlags, bool extraLines, bool useFactory, const std::string& soundFactory,
                       bool enablePlayAndDraw)
    : ForegroundColor(foregroundColor), BackgroundColor(backgroundColor), RoomUp(roomUp), RoomDown(roomDown),
      AllowJoinFlags(allowJoinFlags), EnablePlayAndDraw(enablePlayAndDraw), ExtraLines(extraLines),
      SoundFactory(soundFactory), UseFactory(useFactory), MuzData(muzData)
{
    for (unitIntegerMoreUser* room : {&RoomUp, &RoomDown}) {
        room->SetMinimum(RoomMinimum);
        room->SetMaximum(RoomMaximum);
        if (!QB_CHECK(room->GetValue() <= RoomMaximum))
            room->SetValue(RoomMaximum);
    }
    if (!QB_CHECK(AllowJoinFlags <= 1))
        AllowJoinFlags = 1;
}

TNoteGroup* TNoteStave::GetSelectedNoteGroup() const
{
    QB_CHECK(SelectedNoteGroup != nullptr);
    return SelectedNoteGroup;
}

void TNoteStave::SetSelectedNoteGroup(TNoteGroup* group)
{
    if (QB_CHECK(group != nullptr))
        SelectedNoteGroup = group;
}

std::unique_ptr<TXMLComplexElement> TNoteStave::WriteXml(const TNoteStave* currentStave,
                                                         const TXTouchMuzSymbol* selectedSymbol) const
{
    auto element = std::make_unique<TXMLComplexElement>("Stave");
    unitInteger(RoomUp.GetValue(), EHNone).WriteXml("RoomUp", *element);
    unitInteger(RoomDown.GetValue(), EHNone).WriteXml("RoomDown", *element);
    if (AllowJoinFlags == 1)
        WriteEmptyElement("AllowJoinFlags", *element);
    if (this == currentStave)
        WriteEmptyElement("Selected", *element);
    if (EnablePlayAndDraw)
        WriteEmptyElement("EnablePlayAndDraw", *element);
    if (ExtraLines)
        WriteEmptyElement("ExtraLines", *element);
    WriteColorElement("ForegroundColor", ForegroundColor, *element);
    WriteColorElement("BackgroundColor", BackgroundColor, *element);
    if (UseFactory && !SoundFactory.empty())
        element->AddItem(std::make_unique<TXMLStringElement>("SoundFactory", SoundFactory));
    for (const TSinglePartMuz* bar = MuzData->GetFirstSinglePart(); bar; bar = bar->GetNextSinglePart())
        element->AddItem(bar->WriteKeyPartXml(this, selectedSymbol));
    QB_ASSERT(StartNoteGroup != nullptr);
    for (const TNoteGroup* group = StartNoteGroup.get(); group; group = group->GetNext())
        element->AddItem(group->WriteXml(CurrentNoteGroup, selectedSymbol));
    return element;
}

int32_t TNoteStave::LaidOutY(int64_t y)
{
    return static_cast<int32_t>(std::clamp<int64_t>(y, -FarthestMiddleY, FarthestMiddleY));
}
