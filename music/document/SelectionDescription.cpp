#include "music/document/SelectionDescription.h"

#include "foundation/values/NumericHelpers.h"
#include "foundation/values/unitTime.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/StaveSymbol.h"

#include <cmath>

std::string FractionText(double x)
{
    int32_t denominator = 1;
    while (denominator < 512 && std::floor(denominator * x) != denominator * x)
        denominator *= 2;
    const double whole = std::trunc(x);
    const auto numerator = static_cast<int64_t>(std::trunc((x - whole) * denominator));
    const std::string wholeText = std::to_string(static_cast<int64_t>(whole));
    if (denominator == 1)
        return wholeText;
    const std::string fraction = std::to_string(numerator) + "/" + std::to_string(denominator);
    return whole == 0 ? fraction : wholeText + " " + fraction;
}

std::string NoteNameText(int32_t pitch, uint8_t noteShift)
{
    const auto step = static_cast<int32_t>(WrapIntoRange(pitch, -2, 5));
    const char letter = static_cast<char>('c' + step);
    std::string text(1, letter);
    if (const TNoteShiftInfo* shift = FindNoteShiftInfo(noteShift))
        text += letter == 'a' || letter == 'e' ? shift->nameSuffixAfterAE : shift->nameSuffix;
    return text + std::to_string((pitch + 700) / 7 - 96);
}

TSelectionTexts DescribeSelection(const TXTouchMuzSymbol* selected, bool hasNoFileName, bool modified)
{
    TSelectionTexts texts;
    if (hasNoFileName)
        texts[6] = "New";
    else if (modified)
        texts[6] = "Changed";
    if (!selected)
        return texts;
    switch (selected->GetMuzSymbolKind()) {
    case muzSymbolBar:
        texts[0] = "Bar";
        return texts;
    case muzSymbolLoop:
        texts[0] = "Loop";
        return texts;
    default:
        break;
    }
    const auto* symbol = static_cast<const TStaveSymbol*>(selected);
    texts[2] = "pos: " + FractionText(symbol->GetPosition());
    if (symbol->IsClef()) {
        texts[0] = "Key";
        return texts;
    }
    const auto* time = static_cast<const TStaveTimeSymbol*>(symbol);
    texts[0] = symbol->IsNote() ? "Note" : "Rest";
    if (const TMultiOolInfo* tuplet = FindMultiOolInfo(time->GetMultiOol()))
        texts[1] = tuplet->statusWord;
    texts[3] = "len: " + FractionText(time->GetLength());
    if (symbol->IsNote()) {
        const auto* note = static_cast<const TMuzNote*>(symbol);
        texts[4] = NoteNameText(note->GetPitch(), note->GetNoteShift());
        texts[5] = unitTime(note->GetPeriod(), EHHZ).GetText();
    }
    return texts;
}
