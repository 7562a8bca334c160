#include "music/symbols/Rest.h"

#include "foundation/draw/Canvas.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MusicGlyphs.h"
#include "wave/view/ViewXml.h"

#include <array>
#include <cstdlib>

namespace {

struct TRestLook {
    uint8_t lengthKind;
    int32_t width;  // layout width without dots
    int32_t hooks;  // flagged rests: hooks on the stem
};

constexpr std::array<TRestLook, 7> RestLooks = {{
    {1, 22, 0}, {2, 22, 0}, {4, 18, 0}, {8, 20, 1}, {16, 23, 2}, {32, 26, 3}, {64, 29, 4}}};

const TRestLook& LookOf(uint8_t lengthKind)
{
    for (const TRestLook& look : RestLooks)
        if (look.lengthKind == lengthKind)
            return look;
    return RestLooks[2];
}

TCanvasRect Moved(const TCanvasRect& r, int32_t x, int32_t y)
{
    return {r.Left + x, r.Top + y, r.Right + x, r.Bottom + y};
}

} // namespace

TRest::TRest(uint8_t noteLengthKind, int32_t points, double position, TNoteStave* noteStave, uint8_t multiOol,
             int32_t posInOol, TSinglePartMuz* singlePartMuz)
    : TStaveTimeSymbol(position, noteStave, noteLengthKind, points, multiOol, posInOol, singlePartMuz)
{
}

int32_t TRest::GetTouchDistanceY(int32_t y) const
{
    const int32_t d = std::abs(y - NoteStave->GetMiddleY());
    return d < 15 ? 0 : d - 15;
}

void TRest::GetWidth(int32_t& width) const
{
    width = LookOf(NoteLengthKind).width + 4 * Points;
}

void TRest::Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected)
{
    const int32_t y0 = NoteStave->GetMiddleY();
    const TCanvasColor fg = NoteStave->ForegroundColor;
    const TCanvasColor bg = NoteStave->BackgroundColor;
    const TRestLook& look = LookOf(NoteLengthKind);
    const int32_t n = look.hooks;
    const int32_t t = n <= 2 ? -8 : -18;

    TCanvasRect box;
    int32_t r;
    if (NoteLengthKind == 1) {
        box = {-3, -12, 17, -1};
        r = 16;
    } else if (NoteLengthKind == 2) {
        box = {-3, -8, 17, 2};
        r = 16;
    } else if (n == 0) {
        box = {-3, -18, 14, 18};
        r = 14;
    } else {
        box = {-3, t - 3, 3 * n + 11, t + 10 * n + 11};
        r = 3 * n + 10;
    }
    TCanvasColor color = fg;
    if (selected) {
        canvas.SetBrushColor(fg);
        canvas.FillRect(Moved(box, x, y0));
        color = bg;
    }
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    if (NoteLengthKind == 1)
        canvas.FillRect(Moved({0, -9, 14, -4}, x, y0));
    else if (NoteLengthKind == 2)
        canvas.FillRect(Moved({0, -5, 14, 0}, x, y0));
    else if (n == 0)
        MusicGlyphs::PolygonAt(canvas, MusicGlyphs::QuarterRest, {x, y0});
    else {
        for (int32_t k = 0; k < n; ++k)
            MusicGlyphs::PolygonAt(canvas, MusicGlyphs::RestHook, {x + 3 * (n - 1 - k), y0 + t + 10 * k});
        MusicGlyphs::PolygonAt(canvas, MusicGlyphs::RestStem, {x, y0 + t + 10 * (n - 1)});
    }
    canvas.SetPenColor(fg);
    canvas.SetBrushColor(fg);
    for (int32_t i = 0; i < Points; ++i)
        canvas.Ellipse({x + r + 4 * i, y0 - 5, x + r + 4 * i + 3, y0 - 2});
    right = x + r + 4 * Points;
    ExtendTouchRange(x);
    ExtendTouchRange(right);
}

std::unique_ptr<TXMLComplexElement> TRest::WriteXml(bool selected) const
{
    auto element = std::make_unique<TXMLComplexElement>("Silence");
    unitFactorPos(Position, EHNone).WriteXml("Position", *element);
    unitInteger(NoteLengthKind, EHNone).WriteXml("Length", *element);
    if (Points > 0)
        unitInteger(Points, EHNone).WriteXml("Points", *element);
    if (const TMultiOolInfo* tuplet = FindMultiOolInfo(MultiOol); tuplet && tuplet->element)
        WriteEmptyElement(tuplet->element, *element);
    if (PosInOol > 0)
        unitInteger(PosInOol, EHNone).WriteXml("PosInOol", *element);
    if (selected)
        WriteEmptyElement("Selected", *element);
    return element;
}
