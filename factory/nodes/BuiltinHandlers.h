#pragma once

class TBuiltinRun;

// The computation of each built-in function, one per catalogue row. Each
// reads its inputs by pin name, checks them before it produces anything, and
// fails with a message; none keeps state between runs.
namespace BuiltinHandlers {

// Manipulating and filtering sounds.
bool Volume(TBuiltinRun& run);
bool Balance(TBuiltinRun& run);
bool MaxVolume(TBuiltinRun& run);
bool RollIn(TBuiltinRun& run);
bool NormalizeVertically(TBuiltinRun& run);
bool Reverse(TBuiltinRun& run);
bool MoveVertically(TBuiltinRun& run);
bool MixLeftRight(TBuiltinRun& run);
bool Distort(TBuiltinRun& run);
bool ChangeLength(TBuiltinRun& run);
bool RollOut(TBuiltinRun& run);
bool MoveHorizontallyMono(TBuiltinRun& run);
bool MoveHorizontallyStereo(TBuiltinRun& run);
bool Block(TBuiltinRun& run);
bool LowFilter(TBuiltinRun& run);
bool HighFilter(TBuiltinRun& run);
bool ResonantFilter(TBuiltinRun& run);
bool NotchFilter(TBuiltinRun& run);
bool BlockFilter(TBuiltinRun& run);
bool PeriodEcho(TBuiltinRun& run);
bool TempoPitch(TBuiltinRun& run);

// Making, editing and describing sounds.
bool SplitHorizontally(TBuiltinRun& run);
bool SplitVertically(TBuiltinRun& run);
bool Delete(TBuiltinRun& run);
bool Trim(TBuiltinRun& run);
bool InsertReplace(TBuiltinRun& run);
bool MakeSilence(TBuiltinRun& run);
bool MakeLine(TBuiltinRun& run);
bool MakeBlock(TBuiltinRun& run);
bool MakeTriangle(TBuiltinRun& run);
bool MakeSinus(TBuiltinRun& run);
bool MakeNoise(TBuiltinRun& run);
bool Mix(TBuiltinRun& run);
bool Extract(TBuiltinRun& run);
bool SetWaveProperties(TBuiltinRun& run);
bool GetWaveProperties(TBuiltinRun& run);
bool MakeNewWave(TBuiltinRun& run);
bool WaveStatistics(TBuiltinRun& run);
bool MergeHorizontally(TBuiltinRun& run);
bool MergeVertically(TBuiltinRun& run);

// Values.
bool Plus(TBuiltinRun& run);
bool Multiply(TBuiltinRun& run);
bool Minus(TBuiltinRun& run);
bool Divide(TBuiltinRun& run);
bool Not(TBuiltinRun& run);
bool BooleanChain(TBuiltinRun& run);
bool Sine(TBuiltinRun& run);
bool Cosine(TBuiltinRun& run);
bool Tangent(TBuiltinRun& run);
bool ArcSine(TBuiltinRun& run);
bool ArcCosine(TBuiltinRun& run);
bool ArcTangent(TBuiltinRun& run);
bool Power(TBuiltinRun& run);
bool Root(TBuiltinRun& run);
bool Log(TBuiltinRun& run);
bool RandomValue(TBuiltinRun& run);
bool GaussianRandomValue(TBuiltinRun& run);
bool Compare(TBuiltinRun& run);
bool MinMax(TBuiltinRun& run);
bool SwitchWave(TBuiltinRun& run);
bool SwitchValue(TBuiltinRun& run);
bool Mean(TBuiltinRun& run);
bool PositionToTime(TBuiltinRun& run);
bool TimeToPosition(TBuiltinRun& run);
bool PointInWave(TBuiltinRun& run);
bool ModuloInRange(TBuiltinRun& run);
bool ConvertRange(TBuiltinRun& run);

} // namespace BuiltinHandlers
