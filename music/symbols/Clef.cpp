#include "music/symbols/Clef.h"

#include "foundation/draw/Canvas.h"
#include "foundation/values/NumericHelpers.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MusicGlyphs.h"
#include "music/symbols/NoteShift.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

#include <array>
#include <cmath>

namespace {

bool IsClefKind(int32_t keyKind)
{
    return keyKind == clefKindG || keyKind == clefKindC || keyKind == clefKindF;
}

struct TClefLook {
    int8_t keyKind;
    TCanvasRect selection; // filled behind a selected clef
    int32_t glyphRight;
    int32_t markX;
    int32_t markTopAbove;
    int32_t markTopBelow;
    int32_t sharpsBottom;
    int32_t flatsBottom;
};

constexpr std::array<TClefLook, 3> ClefLooks = {{
    {clefKindG, {-2, -34, 29, 33}, 28, 9, -44, 34, -1, -3},
    {clefKindC, {-3, -23, 28, 23}, 28, 9, -34, 24, -2, -4},
    {clefKindF, {-2, -22, 28, 13}, 27, 8, -33, 14, -3, -5},
}};

const TClefLook* LookOf(int32_t keyKind)
{
    for (const TClefLook& look : ClefLooks)
        if (look.keyKind == keyKind)
            return &look;
    return nullptr;
}

int32_t Wrap7(double x)
{
    return static_cast<int32_t>(WrapIntoRange(x, 0, 7));
}

void DrawGlyph(TCanvas& canvas, int8_t keyKind, TCanvasPoint o)
{
    using namespace MusicGlyphs;
    switch (keyKind) {
    case clefKindG:
        PolygonAt(canvas, GClefBlob, o);
        PolylineAt(canvas, GClefLine, o);
        PolygonAt(canvas, GClefTopHook, o);
        PolygonAt(canvas, GClefBody, o);
        PolygonAt(canvas, GClefLowerLoop, o);
        break;
    case clefKindC:
        canvas.FillRect({o.X, o.Y - 20, o.X + 4, o.Y + 20});
        canvas.FillRect({o.X + 6, o.Y - 20, o.X + 7, o.Y + 20});
        PolygonAt(canvas, CClefBeak, o);
        for (bool mirrored : {false, true}) {
            PolygonAt(canvas, CClefUpperCurl, o, mirrored);
            PolygonAt(canvas, CClefUpperBow, o, mirrored);
        }
        break;
    case clefKindF:
        PolygonAt(canvas, FClefBody, o);
        canvas.Ellipse({o.X + 21, o.Y - 17, o.X + 26, o.Y - 12});
        canvas.Ellipse({o.X + 21, o.Y - 7, o.X + 26, o.Y - 2});
        break;
    default:
        break;
    }
}

} // namespace

TClef::TClef(TMuzData* muzData, int8_t keyKind, int32_t octavesUp, double position, TNoteStave* noteStave,
             int32_t clefNumber, TSinglePartMuz* singlePartMuz)
    : TStaveSymbol(singlePartMuz, position, noteStave), KeyKind(clefKindG), OctavesUp(0), ClefNumber(clefNumber),
      MuzData(muzData)
{
    if (QB_CHECK(IsClefKind(keyKind)))
        KeyKind = keyKind;
    SetOctavesUp(octavesUp);
}

int32_t TClef::GetTouchDistanceY(int32_t y) const
{
    const int32_t m = NoteStave->GetMiddleY();
    if (y > m - 15 && y < m + 15)
        return 0;
    return y >= m + 15 ? y - m - 15 : m - y - 15;
}

void TClef::SetKeyKind(int8_t keyKind)
{
    if (!QB_CHECK(IsClefKind(keyKind)))
        return;
    KeyNoteShifts.ChangeKeyKind(KeyKind, keyKind);
    KeyKind = keyKind;
}

void TClef::SetOctavesUp(int32_t octavesUp)
{
    if (QB_CHECK(octavesUp >= -2 && octavesUp <= 2))
        OctavesUp = octavesUp;
}

void TClef::SetKeyNoteShift(int32_t height, uint8_t noteShiftKind)
{
    if (QB_CHECK(noteShiftKind == noteShiftKruis || noteShiftKind == noteShiftMol || noteShiftKind == noteShiftNormal))
        KeyNoteShifts.SetAt(height, noteShiftKind);
}

bool TClef::IsPitchInRange(int32_t height) const
{
    const int32_t pitch = HeightToPitch(height);
    return pitch >= MinPitch && pitch <= MaxPitch;
}

int32_t TClef::KeySignatureStep(uint8_t noteShiftKind, int32_t n) const
{
    QB_CHECK(n >= 0 && n <= 6);
    QB_CHECK(noteShiftKind == noteShiftMol || noteShiftKind == noteShiftKruis);
    const int32_t c = KeyKind / 6;
    if (noteShiftKind == noteShiftMol)
        return Wrap7(c + 3 * n + 6);
    return Wrap7(c + 4 * n + 3);
}

int32_t TClef::GetKeySignatureBottom(uint8_t noteShiftKind) const
{
    QB_CHECK(noteShiftKind == noteShiftMol || noteShiftKind == noteShiftKruis);
    const TClefLook* look = LookOf(KeyKind);
    if (!look)
        return 0;
    return noteShiftKind == noteShiftMol ? look->flatsBottom : look->sharpsBottom;
}

int32_t TClef::KeySignatureHeight(int32_t step, uint8_t noteShiftKind) const
{
    const int32_t bottom = GetKeySignatureBottom(noteShiftKind);
    return bottom + Wrap7(step - bottom);
}

bool TClef::ToonLadder(int32_t& toonladder) const
{
    int32_t sharps = 0;
    int32_t flats = 0;
    bool broken = false;
    for (int32_t n = 0; n <= 6; ++n) {
        const uint8_t atFlat = KeyNoteShifts.GetAt(KeySignatureStep(noteShiftMol, n));
        const uint8_t atSharp = KeyNoteShifts.GetAt(KeySignatureStep(noteShiftKruis, n));
        if (atFlat == noteShiftMol) {
            if (sharps > 0 || broken)
                return false;
            ++flats;
        }
        if (atSharp == noteShiftKruis) {
            if (flats > 0 || broken)
                return false;
            ++sharps;
        }
        if ((flats > 0 && atFlat == noteShiftNormal) || (sharps > 0 && atSharp == noteShiftNormal))
            broken = true;
        if (flats == 0 && sharps == 0 && atFlat != noteShiftMol && atSharp != noteShiftKruis)
            broken = true;
    }
    toonladder = sharps > 0 ? sharps : -flats;
    return true;
}

void TClef::Draw(TCanvas& canvas, int32_t x, int32_t& nextX, bool selected)
{
    const int32_t m = NoteStave->GetMiddleY();
    const TCanvasColor fg = NoteStave->ForegroundColor;
    const TCanvasColor bg = NoteStave->BackgroundColor;
    const TClefLook* look = LookOf(KeyKind);
    TCanvasColor color = fg;
    if (selected && look) {
        canvas.SetBrushColor(fg);
        const TCanvasRect& r = look->selection;
        canvas.FillRect({x + r.Left, m + r.Top, x + r.Right, m + r.Bottom});
        color = bg;
    }
    canvas.SetPenColor(color);
    canvas.SetPenWidth(1);
    canvas.SetBrushColor(color);
    DrawGlyph(canvas, KeyKind, {x, m});

    SetTouchRange(x, x + (look ? look->glyphRight : 0));
    DrawOctaveMark(canvas, x, m, selected);

    int32_t keyX = TouchRight + 3;
    for (uint8_t kind : {uint8_t{noteShiftKruis}, uint8_t{noteShiftMol}}) {
        for (int32_t n = 0; n <= 6; ++n) {
            const int32_t step = KeySignatureStep(kind, n);
            if (KeyNoteShifts.GetAt(step) != kind)
                continue;
            int32_t right = keyX;
            TNoteShift(NoteStave, kind, KeySignatureHeight(step, kind)).Draw(canvas, keyX, right, false);
            keyX = right;
        }
    }
    TouchRight = keyX;
    nextX = keyX + 2;
}

void TClef::DrawOctaveMark(TCanvas& canvas, int32_t x0, int32_t m, bool selected) const
{
    const TClefLook* look = LookOf(KeyKind);
    if (!look || OctavesUp == 0)
        return;
    const TCanvasColor fg = NoteStave->ForegroundColor;
    const TCanvasColor bg = NoteStave->BackgroundColor;
    const int32_t top = m + (OctavesUp > 0 ? look->markTopAbove : look->markTopBelow);
    const TCanvasPoint origin{x0 + look->markX, top};
    if (selected) {
        canvas.SetBrushColor(fg);
        canvas.FillRect({x0 + look->selection.Left, top - 2, x0 + look->selection.Right, top + 12});
    }
    canvas.SetPenColor(selected ? bg : fg);
    canvas.SetBrushColor(selected ? fg : bg);
    if (std::abs(OctavesUp) == 1) {
        for (const auto& part : MusicGlyphs::DigitEight)
            MusicGlyphs::PolygonAt(canvas, part, origin);
    } else {
        MusicGlyphs::PolygonAt(canvas, MusicGlyphs::DigitOne, origin);
        MusicGlyphs::PolygonAt(canvas, MusicGlyphs::DigitFive, origin);
    }
}

std::unique_ptr<TXMLComplexElement> TClef::WriteXml(bool selected) const
{
    auto element = std::make_unique<TXMLComplexElement>("Key");
    unitFactorPos(Position, EHNone).WriteXml("Position", *element);
    // Kinds are checked wherever they are set; an empty text would not read back.
    QB_ASSERT(IsClefKind(KeyKind));
    element->AddItem(std::make_unique<TXMLStringElement>("KeyKind", ClefKindText(KeyKind)));
    if (OctavesUp != 0)
        unitInteger(OctavesUp, EHNone).WriteXml("OctavesUp", *element);
    if (selected)
        WriteEmptyElement("Selected", *element);
    for (int32_t step = 0; step < 7; ++step) {
        const uint8_t shift = KeyNoteShifts.GetAt(step);
        if (shift == noteShiftNormal)
            continue;
        auto keyShift = std::make_unique<TXMLComplexElement>("KeyNoteShift");
        WriteEmptyElement(shift == noteShiftKruis ? "ShiftCross" : "ShiftMol", *keyShift);
        unitInteger(step, EHNone).WriteXml("Height", *keyShift);
        element->AddItem(std::move(keyShift));
    }
    return element;
}
