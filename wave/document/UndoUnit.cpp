#include "wave/document/UndoUnit.h"

#include "wave/document/UnitWave.h"

TUndoUnit::TUndoUnit(TUnitWave* unitWave)
    : UnitWave(unitWave), TheSound(unitWave->GetSound()), CursorPos(unitWave->GetCursorPos()),
      AnchorPos(unitWave->GetAnchorPos())
{
}

void TUndoUnit::Undo()
{
    UnitWave->SwapWithUndo(*this);
}

void TUndoSlot::MakeUndo(TUnitWave* unit)
{
    undo.reset();
    if (unit)
        undo = std::make_unique<TUndoUnit>(unit);
}

void TUndoSlot::DeleteUndo()
{
    undo.reset();
}

void TUndoSlot::DeleteUndoOfUnit(TUnitWave* unit)
{
    if (undo && undo->GetUnitWave() == unit)
        undo.reset();
}

bool TUndoSlot::Undo()
{
    if (!undo)
        return false;
    undo->Undo();
    return true;
}

bool TUndoSlot::CanUndo() const
{
    return undo && !undo->GetUnitWave()->IsUserDrawing();
}
