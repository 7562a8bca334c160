#include "music/staves/NoteGroup.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "music/NotePlayerAccess.h"
#include "music/data/MuzData.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MusicSymbolKinds.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

namespace {
const char* const NoteShapeElements[] = {"NoteShapeNormal", "NoteShapeRectangle", "NoteShapeTriangle",
                                         "NoteShapeDiagonalCross"};
}

TNoteGroup::TNoteGroup(TNoteStave* noteStave)
    : TNoteGroup(noteStave, 0, noteShapeNormal, drawStickUp, "", "", unitFactor(1.0, EHPerc),
                 unitFactor(1.0, EHPerc), false, "Factory 1", true)
{
}

TNoteGroup::TNoteGroup(TNoteStave* noteStave, uint32_t noteColor, uint8_t noteShape, uint8_t drawStickKind,
                       const std::string& player, const std::string& playerSet, const unitFactor& freqFactor,
                       const unitFactor& volumeFactor, bool useFactory, const std::string& soundFactory,
                       bool enablePlay)
    : FreqFactor(freqFactor), VolumeFactor(volumeFactor), NoteColor(noteColor), NoteShape(noteShape),
      EnablePlay(enablePlay), Player(player), PlayerSet(playerSet), SoundFactory(soundFactory),
      UseFactory(useFactory), DrawStickKind(drawStickKind), NoteStave(noteStave)
{
}

TNoteGroup::~TNoteGroup()
{
    std::unique_ptr<TNoteGroup> rest = std::move(Next);
    while (rest) {
        std::unique_ptr<TNoteGroup> after = std::move(rest->Next);
        rest.reset();
        rest = std::move(after);
    }
}

bool TNoteGroup::FindPlayer(std::string& message)
{
    FoundPlayer = NotePlayers().FindCompoundPlayer(Player, PlayerSet);
    if (FoundPlayer)
        return NotePlayers().Validate(*FoundPlayer, message);
    message = "Cannot find Player \"" + Player + "\" in Player Set \"" + PlayerSet + "\".";
    return false;
}

bool TNoteGroup::FindPlayers(std::string& message)
{
    for (TNoteGroup* group = this; group; group = group->GetNext())
        if (!group->FindPlayer(message))
            return false;
    return true;
}

Sound* TNoteGroup::GetRenderSound() const
{
    if (RenderSound)
        return RenderSound.get();
    if (NoteStave && NoteStave->RenderSound)
        return NoteStave->RenderSound.get();
    if (NoteStave && NoteStave->GetMuzData())
        return NoteStave->GetMuzData()->GetTargetSound();
    return nullptr;
}

std::unique_ptr<TXMLComplexElement> TNoteGroup::WriteXml(const TNoteGroup* currentGroup,
                                                         const TXTouchMuzSymbol* selectedSymbol) const
{
    auto element = std::make_unique<TXMLComplexElement>("NoteGroup");
    WriteColorElement("NoteColor", NoteColor, *element);
    // The shape is one of the four wherever it is set; a slip is reported and written plain.
    WriteEmptyElement(NoteShapeElements[QB_CHECK(NoteShape <= noteShapeDiagonalCross) ? NoteShape : 0], *element);
    if (DrawStickKind == drawStickUp)
        WriteEmptyElement("NoteStickUp", *element);
    else if (DrawStickKind == drawStickDown)
        WriteEmptyElement("NoteStickDown", *element);
    if (this == currentGroup)
        WriteEmptyElement("Selected", *element);
    if (EnablePlay)
        WriteEmptyElement("EnablePlay", *element);
    if (!PlayerSet.empty())
        element->AddItem(std::make_unique<TXMLStringElement>("PlayerSet", PlayerSet));
    if (!Player.empty())
        element->AddItem(std::make_unique<TXMLStringElement>("Player", Player));
    FreqFactor.WriteXml("FreqFactor", *element);
    VolumeFactor.WriteXml("VolumeFactor", *element);
    if (UseFactory && !SoundFactory.empty())
        element->AddItem(std::make_unique<TXMLStringElement>("SoundFactory", SoundFactory));
    for (const TSinglePartMuz* bar = NoteStave->GetMuzData()->GetFirstSinglePart(); bar;
         bar = bar->GetNextSinglePart())
        element->AddItem(bar->WriteNotePartXml(this, selectedSymbol));
    return element;
}
