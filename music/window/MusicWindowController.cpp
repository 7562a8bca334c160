#include "music/window/MusicWindowController.h"

#include "music/document/MusicNavigation.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/staves/StaveIterator.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "music/window/MusicWindowHost.h"

#include <algorithm>
#include <cmath>

TMusicWindowController::TMusicWindowController(MusicWindowHost& host) : Host(host) {}

void TMusicWindowController::SetUnitMuz(TUnitMuz* unit)
{
    Unit = unit;
    BorderDrag.End();
    Keys.Reset();
    OriginSet = false;
}

// ---------------------------------------------------------------- origin and scrolling

void TMusicWindowController::SetOrigin(int32_t left, int32_t top)
{
    LeftOrigin = left;
    TopOrigin = top;
    OriginSet = true;
}

void TMusicWindowController::ApplyInitProps(const TMDIChildMuzInitProps* props)
{
    if (props)
        SetOrigin(props->Left, props->Top);
}

void TMusicWindowController::ScrollTo(int32_t horizontalPosition, int32_t verticalPosition)
{
    LeftOrigin = -horizontalPosition;
    TopOrigin = -verticalPosition;
    OriginSet = false;
}

std::vector<TStaveBand> TMusicWindowController::StaveBands() const
{
    std::vector<TStaveBand> bands;
    if (!Unit)
        return bands;
    int64_t y = TopOrigin;
    TStaveIterator staves(Unit->MuzData);
    for (TNoteStave* stave = staves.Next(); stave; stave = staves.Next()) {
        const int32_t middle = TNoteStave::LaidOutY(y + stave->RoomUp.GetValue());
        y = middle + int64_t{stave->RoomDown.GetValue()};
        bands.push_back({stave, middle - stave->RoomUp.GetValue(), middle, static_cast<int32_t>(y)});
    }
    return bands;
}

std::vector<TStaveBand> TMusicWindowController::BeginPaint()
{
    std::vector<TStaveBand> bands = StaveBands();
    BottomEdge = (bands.empty() ? TopOrigin : bands.back().bottom) + 40;
    return bands;
}

void TMusicWindowController::EndPaint(int32_t stavesEndX)
{
    RightEdge = stavesEndX + Host.ClientWidth() - 80;
    OriginSet = false;
}

TMusicScrollState TMusicWindowController::GetScrollState() const
{
    const int32_t width = std::max(1, Host.ClientWidth());
    const int32_t height = std::max(1, Host.ClientHeight());
    TMusicScrollState state;
    state.horizontalStep = std::max(1, width / 10);
    state.horizontalPage = width;
    state.horizontalMaximum = std::max({0, RightEdge - LeftOrigin - width, -LeftOrigin});
    state.horizontalPosition = -LeftOrigin;
    state.verticalStep = std::max(1, height / 10);
    state.verticalPage = height;
    state.verticalMaximum = std::max({0, BottomEdge - TopOrigin - height, -TopOrigin});
    state.verticalPosition = -TopOrigin;
    return state;
}

void TMusicWindowController::ScrollIntoViewX(int32_t left, int32_t right)
{
    const double width = Host.ClientWidth();
    int32_t shift = 0;
    if (left < 0.1 * width)
        shift = static_cast<int32_t>(std::trunc(left - 0.1 * width));
    if (right > 0.9 * width)
        shift = static_cast<int32_t>(std::trunc(right - 0.9 * width));
    if (shift == 0)
        return;
    const TMusicScrollState state = GetScrollState();
    const int32_t position = std::clamp(state.horizontalPosition + shift, 0, state.horizontalMaximum);
    if (position == state.horizontalPosition)
        return;
    LeftOrigin = -position;
    OriginSet = true;
    Host.Repaint();
}

void TMusicWindowController::ScrollIntoViewY(int32_t top, int32_t bottom)
{
    const double height = Host.ClientHeight();
    int32_t shift = 0;
    if (top < 0.2 * height)
        shift = static_cast<int32_t>(std::trunc(top - 0.2 * height));
    if (bottom > 0.8 * height)
        shift = static_cast<int32_t>(std::trunc(bottom - 0.8 * height));
    if (shift == 0)
        return;
    const TMusicScrollState state = GetScrollState();
    const int32_t position = std::clamp(state.verticalPosition + shift, 0, state.verticalMaximum);
    if (position == state.verticalPosition)
        return;
    TopOrigin = -position;
    OriginSet = true;
    Host.Repaint();
}

bool TMusicWindowController::ScrollToStave(const TNoteStave* stave)
{
    if (!Unit || !stave || !stave->EnablePlayAndDraw)
        return false;
    int64_t y = 0;
    int32_t middle = 0;
    TStaveIterator staves(Unit->MuzData);
    for (TNoteStave* each = staves.Next(); each; each = staves.Next()) {
        const int32_t eachMiddle = TNoteStave::LaidOutY(y + each->RoomUp.GetValue());
        if (each == stave)
            middle = eachMiddle;
        y = eachMiddle + int64_t{each->RoomDown.GetValue()};
    }
    // The music's top never comes below the window's, nor its end above the
    // window's bottom: the range is the paint's.
    const int32_t total = static_cast<int32_t>(y) + 40;
    const int32_t wished = middle - Host.ClientHeight() / 2;
    const int32_t offset = std::clamp(wished, 0, std::max(0, total - Host.ClientHeight()));
    TopOrigin = -offset;
    BottomEdge = total - offset;
    OriginSet = true;
    Host.Repaint();
    return true;
}

// ---------------------------------------------------------------- where things lie

TNoteStave* TMusicWindowController::PickStaveBorder(int32_t y) const
{
    for (const TStaveBand& band : StaveBands())
        if (y >= band.bottom - 3 && y <= band.bottom + 2)
            return band.stave;
    return nullptr;
}

TNoteStave* TMusicWindowController::FindStaveAt(int32_t y) const
{
    for (const TStaveBand& band : StaveBands())
        if (y >= band.top && y <= band.bottom)
            return band.stave;
    return nullptr;
}

int32_t TMusicWindowController::HeightFromMiddle(int32_t middle, int32_t y)
{
    // To the nearest step, truncating toward zero on either side.
    return y <= middle ? (middle + 2 - y) / 5 : (middle - y - 2) / 5;
}

int32_t TMusicWindowController::HeightAt(const TNoteStave* stave, int32_t y) const
{
    for (const TStaveBand& band : StaveBands())
        if (band.stave == stave)
            return HeightFromMiddle(band.middle, y);
    return 0;
}

template <class Visit>
void TMusicWindowController::ForDrawnSymbols(const TNoteStave* stave, Visit visit) const
{
    if (!Unit || !Unit->MuzData.GetRootChild())
        return;
    // The bars in playing order that are played and drawn; a repeat is drawn once.
    for (TSinglePartMuz* bar = Unit->MuzData.GetFirstSinglePart(); bar; bar = bar->GetNextSinglePart()) {
        if (!bar->IsEnabledPlayDraw())
            continue;
        for (TStaveSymbol* symbol = bar->GetSymbols(); symbol; symbol = symbol->GetNext())
            if (symbol->GetNoteStave() == stave && symbol->IsTouchValid() && !visit(symbol))
                return;
    }
}

TMuzNote* TMusicWindowController::NoteAtX(const TNoteStave* stave, int32_t x) const
{
    TMuzNote* found = nullptr;
    ForDrawnSymbols(stave, [&](TStaveSymbol* symbol) {
        if (symbol->IsNote() && symbol->DistanceX(x) == 0)
            found = static_cast<TMuzNote*>(symbol);
        return !found;
    });
    return found;
}

TRest* TMusicWindowController::RestAtX(const TNoteStave* stave, int32_t x) const
{
    TRest* found = nullptr;
    ForDrawnSymbols(stave, [&](TStaveSymbol* symbol) {
        if (symbol->IsRest() && symbol->DistanceX(x) == 0)
            found = static_cast<TRest*>(symbol);
        return !found;
    });
    return found;
}

void TMusicWindowController::FindNeighbours(const TNoteStave* stave, int32_t x, TStaveSymbol*& left,
                                            TStaveSymbol*& right) const
{
    left = right = nullptr;
    ForDrawnSymbols(stave, [&](TStaveSymbol* symbol) {
        // x lies left of the symbol's middle: the walk stops there.
        if (symbol->IsLeftOfMiddle(x)) {
            right = symbol;
            return false;
        }
        left = symbol;
        return true;
    });
}

// ---------------------------------------------------------------- mouse

void TMusicWindowController::Changed()
{
    Unit->SetModified();
    Unit->Redraw();
}

TStaveSymbol* TMusicWindowController::StaveSymbolAt(int32_t x, int32_t y) const
{
    TXTouchMuzSymbol* symbol = Host.SymbolAtPoint(x, y);
    return symbol && symbol->GetMuzSymbolKind() == muzSymbolStave ? static_cast<TStaveSymbol*>(symbol) : nullptr;
}

void TMusicWindowController::MouseDown(int32_t x, int32_t y, bool left, bool right)
{
    if (!Unit)
        return;
    // A border is dragged with any button, in any mode.
    if (TNoteStave* stave = PickStaveBorder(y)) {
        BorderDrag.Begin(stave, y);
        return;
    }
    if (BorderDrag.Active() || (!left && !right))
        return;
    switch (Unit->GetUnitMuzMode()) {
    case unitMuzNew:
        if (Unit->GetInsertModeKind() == insertModeAccidental)
            ClickAccidental(x, y);
        else
            ClickAdd(x, y, false);
        break;
    case unitMuzSel: ClickSelect(x, y); break;
    case unitMuzDel: ClickDelete(x, y); break;
    default: break;
    }
}

void TMusicWindowController::ClickAccidental(int32_t x, int32_t y)
{
    TStaveSymbol* symbol = StaveSymbolAt(x, y);
    if (!symbol)
        return;
    Unit->ApplyNoteShiftToSymbol(symbol, HeightAt(symbol->GetNoteStave(), y));
    Changed();
}

bool TMusicWindowController::ClickAdd(int32_t x, int32_t y, bool testOnly)
{
    TNoteStave* stave = Unit ? FindStaveAt(y) : nullptr;
    if (!stave)
        return false;
    TStaveSymbol *left = nullptr, *right = nullptr;
    FindNeighbours(stave, x, left, right);
    const bool added =
        Unit->AddAtClick(stave, NoteAtX(stave, x), RestAtX(stave, x), left, right, HeightAt(stave, y), testOnly);
    if (testOnly)
        return added;
    if (added)
        Unit->SetModified();
    Unit->Redraw();
    return added;
}

void TMusicWindowController::ClickSelect(int32_t x, int32_t y)
{
    TXTouchMuzSymbol* symbol = Host.SymbolAtPoint(x, y);
    if (!symbol)
        return;
    // A click on the selection drops it.
    TMusicNavigation(*Unit).SelectSymbol(symbol == Unit->GetSelectedSymbol() ? nullptr : symbol);
    Unit->Redraw();
}

void TMusicWindowController::ClickDelete(int32_t x, int32_t y)
{
    TStaveSymbol* symbol = StaveSymbolAt(x, y);
    if (!symbol || !Unit->CanDeleteSymbol(symbol))
        return;
    Unit->DeleteSymbol(symbol);
    Changed();
}

TMusicCursor TMusicWindowController::MouseMove(int32_t x, int32_t y, bool left, bool right)
{
    if (BorderDrag.Active()) {
        if (!left && !right) {
            BorderDrag.End();
            return CursorAt(x, y);
        }
        if (BorderDrag.Move(y, left, right)) {
            Host.MusicStaveChanged(BorderDrag.GetStave());
            Changed();
        }
        return TMusicCursor::VerticalSplit;
    }
    return CursorAt(x, y);
}

void TMusicWindowController::MouseUp(bool left, bool right)
{
    if (!left && !right)
        BorderDrag.End();
}

TMusicCursor TMusicWindowController::CursorAt(int32_t x, int32_t y)
{
    if (!Unit)
        return TMusicCursor::Default;
    if (PickStaveBorder(y))
        return TMusicCursor::VerticalSplit;
    switch (Unit->GetUnitMuzMode()) {
    case unitMuzSel:
        return TMusicCursor::Default;
    case unitMuzDel: {
        TStaveSymbol* symbol = StaveSymbolAt(x, y);
        return symbol && Unit->CanDeleteSymbol(symbol) ? TMusicCursor::Delete : TMusicCursor::Reject;
    }
    default:
        break;
    }
    if (Unit->GetInsertModeKind() == insertModeAccidental) {
        TStaveSymbol* symbol = StaveSymbolAt(x, y);
        if (!symbol)
            return TMusicCursor::Keep;
        if (symbol->IsNote())
            return TMusicCursor::Note;
        if (symbol->IsRest())
            return TMusicCursor::Reject;
        // A key takes sharps, naturals and flats only.
        const uint8_t shift = Unit->GetInsertNoteShift();
        return shift == noteShiftKruis || shift == noteShiftNormal || shift == noteShiftMol ? TMusicCursor::Note
                                                                                             : TMusicCursor::Reject;
    }
    if (!ClickAdd(x, y, true))
        return TMusicCursor::Reject;
    return Unit->GetInsertModeKind() == insertModeNote ? TMusicCursor::Note : TMusicCursor::Sil;
}

// ---------------------------------------------------------------- keys

bool TMusicWindowController::KeyDown(int32_t key, uint8_t modifiers)
{
    const TMusicKeyMachine::TResult result = Keys.KeyDown(key, modifiers);
    if (result.sequenceBegins)
        Host.BeginMusicKeySequence();
    if (result.sequenceEnds)
        Host.EndMusicKeySequence();
    if (Unit && result.action.command != TMusicKeyCommand::None)
        RunMusicKeyAction(*Unit, result.action);
    return result.consumed;
}
