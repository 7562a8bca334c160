#include "wave/document/WaveFileProps.h"

int TWaveFileProps::FrequencyIndex(uint32_t sampleFreq)
{
    for (int i = 0; i < FrequencyCount; ++i)
        if (Frequencies[i] == sampleFreq)
            return i;
    return -1;
}

uint32_t TWaveFileProps::FrequencyOfIndex(int index, uint32_t keep)
{
    if (index < 0 || index >= FrequencyCount)
        return keep;
    return Frequencies[index];
}
