#include "wave/view/ViewPaneModel.h"

void TViewPaneModel::ZoomToRange(int32_t from, int32_t to, bool)
{
    Zoomed = true;
    First = from;
    // An empty range shows one value, as the pane's widest zoom does.
    Last = to > from ? static_cast<double>(to) : static_cast<double>(from) + 1.0;
}
