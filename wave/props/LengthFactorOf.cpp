#include "wave/props/LengthFactorOf.h"

#include "wave/Sound.h"
#include "wave/document/UnitUnitWave.h"

#include <cmath>

double LengthFactorOf(const LengthFactorChoice& choice, double operationTime)
{
    switch (choice.kind) {
    case 0:
        return choice.factor;
    case 1:
        return choice.newLength / operationTime;
    case 2: {
        std::shared_ptr<Sound> sound = choice.sameLengthAs ? choice.sameLengthAs->GetSound() : nullptr;
        return sound ? sound->GetSeconds() / operationTime : 0.0;
    }
    case 3:
        return choice.count / std::fabs(choice.speed);
    default:
        return 0.0;
    }
}
