// Runs one sound operation through the embedded core: a second of 441 Hz,
// reversed; prints its length and peak, and fails when either is wrong.
#include "wave/MonoSound.h"

#include <cstdio>
#include <memory>

int main()
{
    StopFlag stop = 0;
    auto silence = std::make_shared<MonoSound>(NewWave(&stop, 0), 44100, 2);
    int32_t b = 0, e = 0;
    SoundPtr sine = silence->MakeSinus(&stop, 10000, -10000, 1.0 / 441, 441, 0, b, e);
    SoundPtr reversed = sine ? sine->Reverse(&stop, 0, sine->GetValues()) : nullptr;
    if (!reversed) {
        std::puts("the sound operation gave no sound");
        return 1;
    }
    int16_t max = 0, minMagnitude = 0, larger = 0;
    reversed->GetPeak(&stop, 0, reversed->GetValues(), max, minMagnitude, larger);
    std::printf("%d values, peak %d\n", reversed->GetValues(), larger);
    return reversed->GetValues() == 44100 && larger >= 9990 ? 0 : 1;
}
