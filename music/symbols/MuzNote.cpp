#include "music/symbols/MuzNote.h"

#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "music/NoteInFlight.h"
#include "music/NotePlayerAccess.h"
#include "music/data/MuzData.h"
#include "music/document/UnitMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "platform/Assertions.h"
#include "wave/MainFormAccess.h"
#include "wave/view/ViewXml.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr long double OneTwelfth = 1.0L / 12.0L;

} // namespace

TMuzNote::TTuplet TMuzNote::MendedTuplet(uint8_t noteLengthKind, int32_t points, uint8_t multiOol, int32_t posInOol)
{
    std::string reason;
    if (TStaveTimeSymbol::IsValidTimeValue(IsNoteLengthKind(noteLengthKind) ? noteLengthKind : 4,
                                           std::clamp(points, 0, MaxPoints), multiOol, posInOol, reason))
        return {multiOol, posInOol};
    QB_CHECK(!"a note value that can be drawn");
    return {sool, 0};
}

TMuzNote::TMuzNote(TMuzData* muzData, TNoteGroup* noteGroup, uint8_t noteLengthKind, int32_t points,
                   double position, int32_t pitch, TNoteStave* noteStave, uint8_t noteShiftKind, uint8_t multiOol,
                   int32_t posInOol, uint8_t noteArtKind, TSinglePartMuz* singlePartMuz, uint8_t drawStickKind)
    : TMuzNote(muzData, noteGroup, noteLengthKind, points, position, pitch, noteStave, noteShiftKind,
               MendedTuplet(noteLengthKind, points, multiOol, posInOol), noteArtKind, singlePartMuz, drawStickKind)
{
}

TMuzNote::TMuzNote(TMuzData* muzData, TNoteGroup* noteGroup, uint8_t noteLengthKind, int32_t points,
                   double position, int32_t pitch, TNoteStave* noteStave, uint8_t noteShiftKind, TTuplet tuplet,
                   uint8_t noteArtKind, TSinglePartMuz* singlePartMuz, uint8_t drawStickKind)
    : TStaveTimeSymbol(position, noteStave, noteLengthKind, points, tuplet.multiOol, tuplet.posInOol, singlePartMuz),
      NoteGroup(noteGroup), MuzData(muzData), Pitch(0), NoteShiftKind(noteShiftNormal), NoteArtKind(noteArtNormal),
      DrawStickKind(drawStickAuto)
{
    QB_CHECK(pitch >= MinPitch && pitch <= MaxPitch);
    SetPitch(pitch);
    SetNoteShift(noteShiftKind);
    SetNoteArtKind(noteArtKind);
    SetDrawStickKind(drawStickKind);
}

int32_t TMuzNote::GetTouchDistanceY(int32_t y) const
{
    return std::abs(NoteStave->GetMiddleY() - 5 * DrawHeight - y);
}

TNote* TMuzNote::GetNextNote() const
{
    TStaveSymbol* next = GetNext();
    return next ? next->GetFirstNote() : nullptr;
}

TCompoundPlayer* TMuzNote::GetCompoundPlayer() const
{
    return NoteGroup ? NoteGroup->GetFoundPlayer() : nullptr;
}

double TMuzNote::GetStartPosition() const
{
    return Position + GetLength() * PosInOol / MultiOol;
}

double TMuzNote::GetPeriod() const
{
    const int32_t h = Pitch - 5;
    const int32_t step = ((h % 7) + 7) % 7;
    const int32_t octave = (h - step) / 7;
    int32_t semitones = 2 * step;
    if (semitones > 8)
        semitones -= 1;
    if (semitones > 2)
        semitones -= 1;
    const TNoteShiftInfo* shift = FindNoteShiftInfo(NoteShiftKind);
    semitones += shift ? shift->semitones : 0;
    return static_cast<double>(1.0L / (440.0L * std::pow(2.0L, semitones * OneTwelfth + octave)));
}

double TMuzNote::GetFreqFactor() const
{
    return NoteGroup ? NoteGroup->FreqFactor.GetValue() : 1.0;
}

double TMuzNote::GetVolumeFactor() const
{
    return NoteGroup ? NoteGroup->VolumeFactor.GetValue() : 1.0;
}

double TMuzNote::GetPlayLength() const
{
    const TNoteArtInfo* art = FindNoteArtInfo(NoteArtKind);
    return GetLength() / MultiOol * (art ? art->factor : 1.0);
}

bool TMuzNote::IsPlayable() const
{
    return NoteStave && NoteStave->EnablePlayAndDraw && NoteGroup && NoteGroup->EnablePlay;
}

void TMuzNote::SetPitch(int32_t pitch)
{
    Pitch = std::clamp(pitch, MinPitch, MaxPitch);
}

void TMuzNote::SetNoteShift(uint8_t noteShiftKind)
{
    NoteShiftKind = QB_CHECK(noteShiftKind <= noteShiftDoubleMol) ? noteShiftKind : uint8_t{noteShiftNormal};
}

void TMuzNote::SetNoteArtKind(uint8_t noteArtKind)
{
    NoteArtKind = QB_CHECK(FindNoteArtInfo(noteArtKind) != nullptr) ? noteArtKind : uint8_t{noteArtNormal};
}

void TMuzNote::SetDrawStickKind(uint8_t drawStickKind)
{
    DrawStickKind = QB_CHECK(drawStickKind <= drawStickAuto) ? drawStickKind : uint8_t{drawStickAuto};
}

uint8_t TMuzNote::GetBerDrawStickKind() const
{
    if (DrawStickKind == drawStickAuto && NoteGroup)
        return NoteGroup->GetDrawStickKind();
    return DrawStickKind;
}

std::unique_ptr<TNoteInFlight> TMuzNote::StartRenderInto(StopFlag* stop, const TNotePlace& bar, int32_t shift,
                                                         double tempo, std::string& message) const
{
    Sound* target = NoteGroup ? NoteGroup->GetRenderSound() : nullptr;
    TCompoundPlayer* player = GetCompoundPlayer();
    if (!target || !player) {
        message = target ? "The note has no player." : "There is no sound to render the note into.";
        return nullptr;
    }
    const double start = GetStartPosition();
    const TPlayedNote note{GetShiftedPeriod(shift), GetFreqFactor(), GetVolumeFactor(), GetPlayLength(), tempo};
    TNotePlace place = bar;
    place.MusicPosition += start;
    place.Time += start * tempo;
    return NotePlayers().StartNoteInto(*player, stop, *target, place, note, message);
}

bool TMuzNote::PlayNote(std::string& message)
{
    if (!NoteGroup || !NoteGroup->FindPlayer(message))
        return false;
    StopFlag stop = 0;
    bool ok = true;
    const double tempo = MuzData->Tempo.GetValue();
    TNotePlace alone;
    alone.MonoStereo = static_cast<int16_t>(MuzData->GetMonoStereo());
    SoundPtr sound = RenderNew(0, tempo, &stop, static_cast<int32_t>(MuzData->GetSampleFreq()),
                               static_cast<int16_t>(MuzData->GetBytesPSample()), alone, ok, message);
    if (!ok || !sound)
        return false;
    MainForm().PlaySound(*sound, false);
    return true;
}

bool TMuzNote::AutoPlay(const TUnitMuz& document)
{
    std::string message;
    return document.GetAutoPlay() ? PlayNote(message) : true;
}

std::unique_ptr<TXMLComplexElement> TMuzNote::WriteXml(bool selected) const
{
    auto element = std::make_unique<TXMLComplexElement>("Note");
    unitFactorPos(Position, EHNone).WriteXml("Position", *element);
    unitInteger(NoteLengthKind, EHNone).WriteXml("Length", *element);
    if (Points > 0)
        unitInteger(Points, EHNone).WriteXml("Points", *element);
    unitInteger(Pitch, EHNone).WriteXml("Height", *element);
    if (const TNoteShiftInfo* shift = FindNoteShiftInfo(NoteShiftKind); shift && shift->element)
        WriteEmptyElement(shift->element, *element);
    if (const TMultiOolInfo* tuplet = FindMultiOolInfo(MultiOol); tuplet && tuplet->element)
        WriteEmptyElement(tuplet->element, *element);
    if (PosInOol > 0)
        unitInteger(PosInOol, EHNone).WriteXml("PosInOol", *element);
    if (const TNoteArtInfo* art = FindNoteArtInfo(NoteArtKind); art && art->element)
        WriteEmptyElement(art->element, *element);
    if (DrawStickKind == drawStickUp)
        WriteEmptyElement("NoteStickUp", *element);
    else if (DrawStickKind == drawStickDown)
        WriteEmptyElement("NoteStickDown", *element);
    if (selected)
        WriteEmptyElement("Selected", *element);
    return element;
}
