#include "foundation/BusyCursor.h"

void TBusyCursor::BeginBusy()
{
    if (depth++ == 0 && host)
        host->ShowBusy();
}

void TBusyCursor::EndBusy()
{
    if (depth == 0)
        return;
    if (--depth == 0 && host)
        host->ShowNormal();
}
