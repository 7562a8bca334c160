#pragma once
// The parser of each value class: reads the text, converts the number from
// the unit typed into the class's base unit, checks its range and on success
// stores value and unit kind in the object. On failure the object is
// unchanged and error holds the reason.

#include "foundation/values/unitBalAngleFactor.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitFysDist.h"
#include "foundation/values/unitFysSpeed.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitIntegerMoreUser.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWavePos.h"
#include "foundation/values/unitWavePosition.h"
#include "foundation/values/unitWaveVal.h"

#include <string>

bool ParseFactorText(unitFactor& object, const std::string& text, std::string& error);
bool ParseBalanceText(unitBalAngleFactor& object, const std::string& text, std::string& error);
bool ParseIntegerText(unitInteger& object, const std::string& text, std::string& error);
bool ParseIntegerMoreUserText(unitIntegerMoreUser& object, const std::string& text, std::string& error);
bool ParseWaveValueText(unitWaveVal& object, const std::string& text, std::string& error);
bool ParseLengthText(unitFysDist& object, const std::string& text, std::string& error);
bool ParseSpeedText(unitFysSpeed& object, const std::string& text, std::string& error);
bool ParseTimeText(unitTime& object, const std::string& text, std::string& error);
bool ParseFrequencyText(unitFreq& object, const std::string& text, std::string& error);
bool ParseWavePositionText(unitWavePosition& object, const std::string& text, std::string& error);
bool ParseFactoryWavePosText(unitWavePos& object, const std::string& text, std::string& error);
