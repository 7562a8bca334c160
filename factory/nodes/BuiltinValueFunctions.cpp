// The functions on factory values: arithmetic, logic, trigonometry, random
// draws, comparisons, switches, ranges and the conversions between wave
// positions and times. The arithmetic itself is the value operations'; here
// inputs are fed to them in order and the results stored.
#include "factory/graph/SountoryNodeInput.h"
#include "factory/graph/SountoryNodeOutput.h"
#include "factory/nodes/BuiltinHandlers.h"
#include "factory/nodes/BuiltinRun.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/values/ValueArithmetic.h"
#include "factory/values/ValueFunctions.h"
#include "factory/values/ValueLogic.h"
#include "factory/values/ValueRandom.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"

#include <cmath>

namespace {

uint8_t Function(const TBuiltinRun& run)
{
    return run.Node.BuiltinAction;
}

TOptionalValue Optional(const TBuiltinRun& run, const char* name)
{
    if (!run.Has(name))
        return std::nullopt;
    return run.Value(name);
}

// The operands in number order, all of operand 1's unit type when typed is set.
bool Operands(TBuiltinRun& run, std::vector<TSountoryValue>& operands, bool typed)
{
    if (!CollectOperands(run.Node, operands, run.Error))
        return false;
    // A chain needs something to chain: a node without operand inputs.
    if (operands.empty())
        return run.Fail("Input \"Operand 1\" does not exists.");
    return !typed || CheckOperandTypes(operands, run.Error);
}

bool Store(TBuiltinRun& run, const char* output, const TSountoryValue& value)
{
    run.SetValue(output, value);
    return true;
}

bool Expression(TBuiltinRun& run, const TSountoryValue& value)
{
    return Store(run, "Expression", value);
}

// The inputs that a function compares by type must be there.
bool Inputs(TBuiltinRun& run, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (!run.Input(name))
            return run.Fail(std::string("Input \"") + name + "\" does not exists.");
    return true;
}

// The sample rate of 72 and 73: "Sample Freq" when given, else the wave's.
bool Rate(TBuiltinRun& run, double& rate)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    rate = run.Has("Sample Freq") ? run.Integer("Sample Freq") : run.Frequency();
    if (!(rate > 0))
        return run.Fail(run.Has("Sample Freq") ? "Input \"Sample Freq\" must be greater than 0."
                                               : "Input \"Wave\" must have a Sample Frequency greater than 0.");
    return true;
}

} // namespace

namespace BuiltinHandlers {

bool Plus(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, true))
        return false;
    TSountoryValue result;
    AddValues(result, operands);
    return Expression(run, result);
}

bool Multiply(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    TSountoryValue result;
    if (!Operands(run, operands, false) || !MultiplyValues(result, operands, run.Error))
        return false;
    return Expression(run, result);
}

bool Minus(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, true))
        return false;
    if (operands.size() < 2)
        return run.Fail("Input \"Operand 2\" does not exists.");
    TSountoryValue a = operands[0];
    SubtractValues(a, operands[1]);
    return Expression(run, a);
}

bool Divide(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, false))
        return false;
    if (operands.size() < 2)
        return run.Fail("Input \"Operand 2\" does not exists.");
    TSountoryValue a = operands[0];
    if (!DivideValues(a, operands[1], run.Error))
        return false;
    return Expression(run, a);
}

bool Not(TBuiltinRun& run)
{
    TSountoryValue v = run.Value("Operand");
    NotValue(v);
    return Expression(run, v);
}

bool BooleanChain(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, false))
        return false;
    TSountoryValue result;
    BooleanValues(result, Function(run), operands);
    return Expression(run, result);
}

bool Sine(TBuiltinRun& run)
{
    TSountoryValue angle = run.Value("Angle");
    return SineValue(angle, Optional(run, "Factor"), run.Error) && Expression(run, angle);
}

bool Cosine(TBuiltinRun& run)
{
    TSountoryValue angle = run.Value("Angle");
    return CosineValue(angle, Optional(run, "Factor"), run.Error) && Expression(run, angle);
}

bool Tangent(TBuiltinRun& run)
{
    TSountoryValue angle = run.Value("Angle");
    return TangentValue(angle, Optional(run, "Factor"), Optional(run, "Min"), Optional(run, "Max"), run.Error)
        && Expression(run, angle);
}

bool ArcSine(TBuiltinRun& run)
{
    TSountoryValue x = run.Value("Expression");
    return ArcSineValue(x, Optional(run, "Factor Repricoke"), run.Error) && Store(run, "Angle", x);
}

bool ArcCosine(TBuiltinRun& run)
{
    TSountoryValue x = run.Value("Expression");
    return ArcCosineValue(x, Optional(run, "Factor Repricoke"), run.Error) && Store(run, "Angle", x);
}

bool ArcTangent(TBuiltinRun& run)
{
    TSountoryValue x = run.Value("Expression");
    return ArcTangentValue(x, Optional(run, "Factor Repricoke"), run.Error) && Store(run, "Angle", x);
}

bool Power(TBuiltinRun& run)
{
    TSountoryValue base = run.Value("Base");
    return PowerValue(base, run.Value("Exponent"), Optional(run, "Factor"), run.Error) && Expression(run, base);
}

bool Root(TBuiltinRun& run)
{
    TSountoryValue base = run.Value("Base");
    const TSountoryValue root = run.Value("Root");
    // Outside these the power is no number.
    if (base.Value < 0)
        return run.Fail("Input \"Base\" must not be negative.");
    if (root.Value == 0)
        return run.Fail("Input \"Root\" must not be 0.");
    return RootValue(base, root, Optional(run, "Factor"), run.Error) && Expression(run, base);
}

bool Log(TBuiltinRun& run)
{
    TSountoryValue base = run.Value("Base");
    const TSountoryValue x = run.Value("X");
    if (!(base.Value > 0) || base.Value == 1)
        return run.Fail("Input \"Base\" must be greater than 0 and other than 1.");
    if (!(x.Value > 0))
        return run.Fail("Input \"X\" must be greater than 0.");
    return LogValue(base, x, Optional(run, "Factor"), run.Error) && Expression(run, base);
}

bool RandomValue(TBuiltinRun& run)
{
    TSountoryValue begin = run.Value("Range Begin");
    return RandomInRangeValue(begin, run.Value("Range End"), run.Value("Logaritmic"), run.Error)
        && Expression(run, begin);
}

bool GaussianRandomValue(TBuiltinRun& run)
{
    TSountoryValue mean = run.Value("Mean");
    return GaussianRandomOfValues(mean, run.Value("Std Dev"), Optional(run, "Max Dev"), run.Error)
        && Expression(run, mean);
}

bool Compare(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, true))
        return false;
    TSountoryValue result;
    CompareValues(result, Function(run), operands);
    return Expression(run, result);
}

bool MinMax(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, true))
        return false;
    TSountoryValue result;
    MinMaxValues(result, Function(run), operands);
    return Expression(run, result);
}

bool Mean(TBuiltinRun& run)
{
    std::vector<TSountoryValue> operands;
    if (!Operands(run, operands, true))
        return false;
    if (Function(run) == 71) {
        // The geometric mean is a number only over positive operands.
        for (size_t i = 0; i < operands.size(); ++i)
            if (!(operands[i].Value > 0))
                return run.Fail("Input \"Operand " + std::to_string(i + 1) + "\" must be greater than 0.");
    }
    TSountoryValue result;
    MeanValues(result, Function(run), operands);
    return Expression(run, result);
}

bool SwitchWave(TBuiltinRun& run)
{
    TSountoryNodeInput* chosen = run.Input(run.Flag("Switch") ? "When True" : "When False");
    if (!chosen)
        return true;
    SoundPtr wave;
    if (!GetInputSound(*chosen, wave, run.Error))
        return false;
    // An input passed on: never marked, and its source keeps it.
    chosen->TakeOverSourceSound();
    if (TSountoryNodeOutput* output = run.Output("Chosen"))
        output->SetSound(std::move(wave));
    return true;
}

bool SwitchValue(TBuiltinRun& run)
{
    return Store(run, "Chosen", run.Value(run.Flag("Switch") ? "When True" : "When False"));
}

bool PositionToTime(TBuiltinRun& run)
{
    double rate = 0;
    if (!Rate(run, rate))
        return false;
    double position = 0;
    if (run.Wave) {
        position = run.Integer("Wave Position");
    } else if (const TSountoryNodeInput* pin = run.Input("Wave Position")) {
        // Without a wave only a count or a time can be a position; validation
        // refuses the other kinds of own value.
        TSountoryValue value;
        if (pin->GetCurrentValue(value))
            position = ToInt32(value.Type == ValueType::Time ? value.Value * rate : value.Value);
    }
    return Store(run, "Time", {position / rate, ValueType::Time});
}

bool TimeToPosition(TBuiltinRun& run)
{
    double rate = 0;
    if (!Rate(run, rate))
        return false;
    return Store(run, "Wave Position", {static_cast<double>(ToInt32(rate * run.Number("Time"))), ValueType::WaveCount});
}

bool PointInWave(TBuiltinRun& run)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    if (!run.Wave)
        return true;
    const int32_t position = run.Has("Wave Position")
                               ? run.Integer("Wave Position")
                               : ToInt32(ScaleValue(run.Value("Time"), run.Frequency()).Value);
    if (run.Values == 0)
        return run.Fail("Wave is empty.");
    if (position < 0 || position >= run.Values)
        return run.Fail("Pointed outside the Wave.");
    double left = 0;
    double right = 0;
    double mono = 0;
    run.Wave->GetValueAt(position, left, right, mono);
    run.SetValue("Wave Value Middle", {mono, ValueType::WaveValue});
    run.SetValue("Wave Value Left", {left, ValueType::WaveValue});
    run.SetValue("Wave Value Right", {right, ValueType::WaveValue});
    return true;
}

bool ModuloInRange(TBuiltinRun& run)
{
    if (!Inputs(run, {"Value", "Range Begin", "Range End"}))
        return false;
    const TSountoryNodeInput& value = *run.Input("Value");
    if (!CheckSameType(value, *run.Input("Range Begin"), run.Error)
        || !CheckSameType(value, *run.Input("Range End"), run.Error))
        return false;
    const ValueType type = ValueUnitType(value.GetValue());
    const double begin = run.Number("Range Begin");
    const double end = run.Number("Range End");
    const double v = run.Number("Value");
    if (!(begin < end))
        return run.Fail("Input \"Range Begin\" must be smaller than \"Range End\".");
    const double width = end - begin;
    const double steps = std::floor((v - begin) / width);
    const double put = v - steps * width;
    run.SetValue("Whole Steps", {steps, ValueType::Integer});
    run.SetValue("Remainder", {put - begin, type});
    run.SetValue("Put in Range", {put, type});
    return true;
}

bool ConvertRange(TBuiltinRun& run)
{
    if (!Inputs(run, {"Value", "Range Input Begin", "Range Input End", "Range Output Begin", "Range Output End"}))
        return false;
    const TSountoryNodeInput& value = *run.Input("Value");
    if (!CheckSameType(value, *run.Input("Range Input Begin"), run.Error)
        || !CheckSameType(value, *run.Input("Range Input End"), run.Error)
        || !CheckSameType(*run.Input("Range Output Begin"), *run.Input("Range Output End"), run.Error))
        return false;
    const ValueType type = ValueUnitType(run.Value("Range Output Begin"));
    const double inBegin = run.Number("Range Input Begin");
    const double inEnd = run.Number("Range Input End");
    if (inBegin == inEnd)
        return run.Fail("Inputs \"Range Input Begin\" and \"Range Input End\" must have a different value.");
    const double mapped = LinearMap(run.Number("Value"), inBegin, inEnd, run.Number("Range Output Begin"),
                                    run.Number("Range Output End"));
    return Store(run, "Value", {mapped, type});
}

} // namespace BuiltinHandlers
