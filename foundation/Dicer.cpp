#include "foundation/Dicer.h"

#include "platform/Assertions.h"

Dicer::Dicer(uint32_t seed) : generator(seed) {}

void Dicer::Roll()
{
    for (int i = 0; i < DICES; ++i) {
        int32_t high = generator.Next();
        dices[i] = (high << 15) + generator.Next();
    }
}

double Dicer::GetValue(int dice, double to, double from) const
{
    QB_ASSERT(dice >= 0);
    QB_ASSERT(dice < DICES);
    return from + (to - from) * dices[dice] / 1073676288.0;
}
