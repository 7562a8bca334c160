#pragma once
#include "factory/values/SountoryValue.h"

#include <cstdint>
#include <string>

struct TWaveFileProps;

// How factory values and waves are described in hints and dialogs.

// The number in the value class of its type, shown in the unit kind; empty
// for a unit kind that class does not show; "Oops! Unknown value!" for the
// types from Boolean on.
std::string ValueToUnitText(const TSountoryValue& value, UnitKind unitKind);
// "Type: <type name>" and "Value: <text>" on two lines.
std::string ValueToText(const TSountoryValue& value, UnitKind unitKind);
// ValueToText in a unit chosen from the type and the size of the number.
std::string ValueToTextAutoUnit(const TSountoryValue& value);
UnitKind AutoUnitKind(const TSountoryValue& value);
// Four lines: channels, sample size, sample frequency and length.
std::string WaveFormatText(const TWaveFileProps& format, int32_t length);
