#include "music/symbols/MuzBar.h"

#include "foundation/draw/Canvas.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/staves/StaveIterator.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

#include <cmath>

namespace {
constexpr int32_t MaxBarCount = 99;
const char* const TimeSignatureFont = "Times New Roman";
} // namespace

TMuzBar::TMuzBar(TSinglePartMuz* singlePartMuz, uint8_t length, int32_t count, int32_t countFirstBar)
    : Length(4), Count(4), CountFirstBar(0), SinglePartMuz(singlePartMuz)
{
    std::string reason;
    if (QB_CHECK(IsValidCount(count, reason) && IsValidLength(length, reason)
                 && IsValidCountFirstBar(countFirstBar, count, reason))) {
        Length = length;
        Count = count;
        CountFirstBar = countFirstBar;
    }
}

TMuzBar* TMuzBar::Attach(TSinglePartMuz& singlePartMuz, uint8_t length, int32_t count, int32_t countFirstBar)
{
    std::unique_ptr<TMuzBar> bar(new TMuzBar(&singlePartMuz, length, count, countFirstBar));
    TMuzBar* raw = bar.get();
    singlePartMuz.SetMuzBar(std::move(bar));
    return raw;
}

TPartMuz* TMuzBar::GetPartMuz() const
{
    return SinglePartMuz;
}

bool TMuzBar::IsValidCount(int32_t count, std::string& reason)
{
    if (count >= 1 && count <= MaxBarCount)
        return true;
    reason = "A bar has 1 to 99 beats.";
    return false;
}

bool TMuzBar::IsValidLength(int32_t length, std::string& reason)
{
    if (IsNoteLengthKind(length))
        return true;
    reason = "The beat must be 1, 2, 4, 8, 16, 32 or 64.";
    return false;
}

bool TMuzBar::IsValidCountFirstBar(int32_t countFirstBar, int32_t count, std::string& reason)
{
    if (countFirstBar >= 0 && countFirstBar < count)
        return true;
    reason = "The first bar has 0 to Count - 1 beats.";
    return false;
}

bool TMuzBar::SetCountAndLength(int32_t count, uint8_t length)
{
    std::string reason;
    if (!IsValidCount(count, reason) || !IsValidLength(length, reason))
        return false;
    Count = count;
    Length = length;
    CountFirstBar %= Count;
    return true;
}

bool TMuzBar::SetCountFirstBar(int32_t countFirstBar)
{
    std::string reason;
    if (!IsValidCountFirstBar(countFirstBar, Count, reason))
        return false;
    CountFirstBar = countFirstBar;
    return true;
}

double TMuzBar::NextBarStart(double position) const
{
    const double barLength = GetBarLength();
    const double offset = GetFirstBarLength() - barLength;
    return offset + (std::trunc((position - offset) / barLength) + 1) * barLength;
}

void TMuzBar::Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected, const TMuzData& muzData)
{
    const std::string countText = std::to_string(Count);
    const std::string lengthText = std::to_string(Length);
    const bool narrow = Count < 10 && Length < 10;
    TStaveIterator staves(muzData);
    for (TNoteStave* stave = staves.Next(); stave; stave = staves.Next()) {
        const int32_t y0 = stave->GetMiddleY();
        const TCanvasColor fg = stave->ForegroundColor;
        const TCanvasColor bg = stave->BackgroundColor;
        if (selected) {
            canvas.SetBrushColor(fg);
            canvas.FillRect({x - 2, y0 - 23, x + (narrow ? 14 : 28), y0 + 24});
        } else {
            canvas.SetBrushColor(bg);
        }
        canvas.SetFont({TimeSignatureFont, 18, true, false, selected ? bg : fg});
        canvas.TextOut(x, y0 - 23, countText);
        canvas.TextOut(x, y0 - 2, lengthText);
    }
    right = x + (narrow ? 21 : 39);
    SetTouchRange(x - 2, right + 2);
}

std::unique_ptr<TXMLComplexElement> TMuzBar::WriteXml(bool selected) const
{
    auto element = std::make_unique<TXMLComplexElement>("Bar");
    unitInteger(Count, EHNone).WriteXml("Count", *element);
    unitInteger(Length, EHNone).WriteXml("Length", *element);
    if (CountFirstBar != 0)
        unitInteger(CountFirstBar, EHNone).WriteXml("CountFirstBar", *element);
    if (selected)
        WriteEmptyElement("Selected", *element);
    return element;
}
