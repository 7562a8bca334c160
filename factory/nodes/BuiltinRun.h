#pragma once
#include "factory/values/SountoryValue.h"
#include "wave/Sound.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TSountoryNodeBuiltin;
class TSountoryNodeInput;
class TSountoryNodeOutput;

// One execution of a built-in node: the node, the stop flag, the error text,
// and the node's input wave with the range [Begin, End) it works on. The
// functions read their inputs by pin name through it; a pin the function's
// row does not have reads as absent, so a node restored from a file with
// fewer pins never reaches a missing one.
class TBuiltinRun {
public:
    TBuiltinRun(TSountoryNodeBuiltin& node, StopFlag* stop, std::string& error)
        : Node(node), Stop(stop), Error(error)
    {
    }

    // The input "Wave" and the range from "Position Begin" and "Position End",
    // with the frame's five checks; an empty range passes where allowed.
    bool ReadRange(bool emptyRangeAllowed);

    // ---- inputs ----
    TSountoryNodeInput* Input(const char* name) const;
    // The input exists and has a connection or an own value.
    bool Has(const char* name) const;
    // The value in the pin's own type; Factor 0 for an absent or unset input.
    TSountoryValue Value(const char* name) const;
    double Number(const char* name) const { return Value(name).Value; }
    // Truncated toward zero, saturated to the 32-bit range.
    int32_t Integer(const char* name) const;
    // The low 16 bits of the truncated number.
    int16_t Height16(const char* name) const;
    bool Flag(const char* name) const { return Number(name) != 0.0; }
    // The wave of a wave input; fails with the text naming the missing wave.
    bool GetSound(const char* name, SoundPtr& sound);
    // The range's duration in seconds at the wave's sample frequency.
    double Seconds() const;
    int32_t Frequency() const { return Wave ? Wave->sampleFreq : 0; }

    // ---- outputs ----
    TSountoryNodeOutput* Output(const char* name) const;
    bool Demanded(const char* name) const;
    void SetValue(const char* name, const TSountoryValue& value);
    // A sound this node made: marked as the run's own.
    void SetMadeSound(const char* name, SoundPtr sound);

    bool Fail(std::string text)
    {
        Error = std::move(text);
        return false;
    }

    TSountoryNodeBuiltin& Node;
    StopFlag* Stop;
    std::string& Error;
    SoundPtr Wave;
    int32_t Begin = 0;
    int32_t End = -1;
    int32_t Values = -1;
};

// The shape of the functions that turn the input wave into one new wave for
// "Result". The operation gives the result, or none when the wave engine
// stopped; it may move Begin and End to the range of the new content.
using TWaveOperation = std::function<bool(TBuiltinRun& run, SoundPtr& result)>;
// Reads the range, runs the operation when "Result" or a position output is
// wanted, and stores the result: a new sound marked as the run's own, the
// input passed on unmarked. A missing result fails with the stopped run's reason.
bool RunWaveResult(TBuiltinRun& run, bool emptyRangeAllowed, const TWaveOperation& operation);
// The two values of emptyRangeAllowed: inserting functions take an empty range
// as a place to insert at.
constexpr bool NoEmptyRange = false;
constexpr bool EmptyRangeAllowed = true;

// The support operations every function may use.
// The wave arriving at a wave input, or the message naming the wave not found.
bool GetInputSound(const TSountoryNodeInput& pin, SoundPtr& sound, std::string& error);
// Whether two inputs carry values of the same unit type.
bool CheckSameType(const TSountoryNodeInput& a, const TSountoryNodeInput& b, std::string& error);
// Whether every operand has operand 1's unit type.
bool CheckOperandTypes(const std::vector<TSountoryValue>& operands, std::string& error);
// The values of "Operand 1" to "Operand n" in number order, whatever the pin
// order; fails when a pin is not one of those names or a number is used twice.
bool CollectOperands(const TSountoryNodeBuiltin& node, std::vector<TSountoryValue>& operands, std::string& error);
// The same check of the operand names alone, for validation.
bool CheckOperandNames(const TSountoryNodeBuiltin& node, std::string& error);
