#pragma once
#include "wave/MainFormAccess.h"

// A combo box of open waves as the wave references see it: items carry the
// wave document they name. The dialogs wrap their widget in it.
class WaveComboAccess {
public:
    virtual ~WaveComboAccess() = default;
    virtual int GetCount() const = 0;
    virtual WaveNameItem GetItem(int index) const = 0;
    // -1 when no item is selected.
    virtual int GetItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};
