#include "music/symbols/MusicSymbolKinds.h"

#include <array>

namespace {

constexpr std::array<TMultiOolInfo, 5> MultiOols = {{
    {sool, nullptr, "Normal", "Single", 1, 0},
    {duool, "Duool", "Duool", "Twin", 2, 1},
    {triool, "Triool", "Triool", "Triplet", 2, 0},
    {kwartool, "Kwartool", "Kwartool", "Quadruplet", 2, 1},
    {kwintool, "Kwintool", "Kwintool", "Quintuplet", 4, 0},
}};

constexpr std::array<TNoteShiftInfo, 5> NoteShifts = {{
    {noteShiftDoubleKruis, 2, "ShiftDoubleCross", 15, "krskrs ", "isis", "isis"},
    {noteShiftKruis, 1, "ShiftCross", 13, "kruis ", "is", "is"},
    {noteShiftNormal, 0, nullptr, 10, "norm ", "", ""},
    {noteShiftMol, -1, "ShiftMol", 12, "mol ", "es", "s"},
    {noteShiftDoubleMol, -2, "ShiftDoubleMol", 24, "molmol ", "eses", "ses"},
}};

constexpr std::array<TNoteArtInfo, 5> Articulations = {{
    {noteArtNormal, 1.0, nullptr},
    {noteArtStaccato, 0.5, "ArtStaccato"},
    {noteArtStaccatissimo, 0.25, "ArtStaccatissimo"},
    {noteArtPortato, 1.5, "ArtPortato"},
    {noteArtLegato, 2.0, "ArtLegato"},
}};

constexpr const char* TupletElements[] = {"Duool", "Triool", "Kwartool", "Kwintool", nullptr};

struct TClefText {
    int8_t kind;
    const char* text;
};
constexpr std::array<TClefText, 3> ClefTexts = {{{clefKindG, "G"}, {clefKindC, "C"}, {clefKindF, "F"}}};

} // namespace

const TMultiOolInfo* FindMultiOolInfo(int32_t multiOol)
{
    for (const TMultiOolInfo& info : MultiOols)
        if (info.kind == multiOol)
            return &info;
    return nullptr;
}

const TNoteShiftInfo* FindNoteShiftInfo(int32_t noteShift)
{
    for (const TNoteShiftInfo& info : NoteShifts)
        if (info.kind == noteShift)
            return &info;
    return nullptr;
}

const TNoteArtInfo* FindNoteArtInfo(int32_t articulation)
{
    for (const TNoteArtInfo& info : Articulations)
        if (info.kind == articulation)
            return &info;
    return nullptr;
}

const char* const* MultiOolElements()
{
    return TupletElements;
}

bool IsNoteLengthKind(int32_t lengthKind)
{
    for (int32_t kind = 1; kind <= 64; kind *= 2)
        if (kind == lengthKind)
            return true;
    return false;
}

const char* ClefKindText(int32_t keyKind)
{
    for (const TClefText& clef : ClefTexts)
        if (clef.kind == keyKind)
            return clef.text;
    return "";
}

bool ClefKindFromText(std::string_view text, int8_t& keyKind)
{
    for (const TClefText& clef : ClefTexts)
        if (text == clef.text) {
            keyKind = clef.kind;
            return true;
        }
    return false;
}
