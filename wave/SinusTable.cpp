#include "wave/SinusTable.h"

#include "foundation/GuiMessages.h"
#include "wave/WaveLoops.h"

#include <cmath>

RefPtr<Wave> SinusTable;

void CreateSinusTable(StopFlag* stop)
{
    SinusTable = NewWave(stop, SinusTableLength);
    if (IsStopped(stop) || !SinusTable) {
        SinusTable.reset();
        TGuiMessages().ErrorCreateSinus();
        return;
    }
    FillSinusTable(*SinusTable);
}

void FillSinusTable(Wave& wave)
{
    const int32_t n = wave.getValues();
    int16_t* d = wave.getData();
    for (int32_t i = 0; i < n; ++i)
        d[i] = ToSample(32767 * std::sin(double(2 * i) * WavePi / n));
}

void DeleteSinusTable()
{
    SinusTable.reset();
}
