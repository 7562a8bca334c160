#include "factory/document/FactoryKinds.h"


const char* const FactoryKindXmlNames[FactoryKindCount] = {
    "FactoryCreateWW", "FactoryChangeWW", "FactoryNotePlayer", "FactoryMusicProcessor",
    "FactoryFree",     "FactoryLoopSimple", "FactoryLoopMix",  "FactoryFormulaWave",
};

namespace StandardItems {

using K = ValueDomType;
using D = ValueDomain;

const TStandardItem ChangeWWInputs[5] = {
    {"Wave", K::Wave, D::AllValues, 0.1, "The Wave in the Wave Window", true},
    {"Select Begin", K::WavePos, D::AllValues, 0.4, "Begin Position of selected part, or Position of Cursor"},
    {"Select End", K::WavePos, D::AllValues, 0.5, "End Position of selected part, or Position of Cursor"},
    {"Replace Begin", K::WavePos, D::AllValues, 0.8, "Begin Position of selected part, or Begin Position of Wave"},
    {"Replace End", K::WavePos, D::AllValues, 0.9, "Begin Position of selected part, or End Position of Wave"},
};

const TStandardItem WaveWindowOutputs[3] = {
    {"Result", K::Wave, D::AllValues, 0.5, "New Wave for Wave Window", true},
    {"Position Begin", K::WavePos, D::AllValues, 0.7, "New Begin Position of selected part"},
    {"Position End", K::WavePos, D::AllValues, 0.8, "New End Position of selected part"},
};

const TStandardItem NotePlayerInputs[5] = {
    {"Frequency", K::Frequency, D::Positive, 0.2, "Frequency to play"},
    {"Length", K::Factor, D::Positive, 0.3, "Length in units to play"},
    {"Music Position", K::Factor, D::Positive, 0.4, "Target Position in units in Music"},
    {"Total Music Bars", K::Factor, D::Positive, 0.6, "Total Length of Music in units"},
    {"Tempo", K::Time, D::PositiveNotZero, 0.7, "Play Tempo at Target Position in Music. Tempo is Time per unit."},
};

const TStandardItem NotePlayerOutputs[2] = {
    {"Wave", K::Wave, D::AllValues, 0.2, "Generated Wave of Note Player", true},
    {"Horizontal Shift", K::Time, D::AllValues, 0.8, "Horizontal Shift in Time, from target Position in Music"},
};

const TStandardItem MusicProcessorInput[1] = {
    {"Wave", K::Wave, D::AllValues, 0.5, "Music to be processed", true},
};

const TStandardItem MusicProcessorOutputs[2] = {
    {"Wave", K::Wave, D::AllValues, 0.2, "Result of Processed Music", true},
    {"Horizontal Shift", K::Time, D::AllValues, 0.8, "Horizontal Shift in Time, from original Position of Music"},
};

const TStandardItem LoopMixWaveAndCount[2] = {
    {"Wave", K::Wave, D::AllValues, 0.2, "Wave to be filled with samples."},
    {"Count", K::Integer, D::Positive, 0.7, "Total counts of running this Factory by the Mix Loop Node."},
};

const TStandardItem LoopMixCounter[1] = {
    {"Counter", K::Integer, D::PositiveNotZero, 0.9,
     "Counts how many times this Factory is used by Mix Loop Node. Counter starts with 1."},
};

const TStandardItem LoopMixOutputs[4] = {
    {"Sample", K::Wave, D::AllValues, 0.1, "A Sample to add to the result Wave, by mixing it."},
    {"Volume", K::Factor, D::AllValues, 0.3, "Volume Factor applied to the Sample, before adding to the Result Wave."},
    {"Position in Sample", K::Factor, D::ZeroInclOneIncl, 0.5,
     "Position of Sample which is matched to the Result Wave."},
    {"Position in Result", K::Factor, D::ZeroInclOneIncl, 0.7,
     "Position of Result Wave which is matched to the Sample."},
};

// The simple loop's Count keeps the mix loop's hint, as stored factories show it.
const TStandardItem SimpleLoopCount[1] = {
    {"Count", K::Integer, D::Positive, 0.7, "Total counts of running this Factory by the Mix Loop Node."},
};

const TStandardItem SimpleLoopCounter[1] = {
    {"Counter", K::Integer, D::PositiveNotZero, 0.3,
     "Counts how many times this Factory is used by Simple Loop Node. Counter starts with 1."},
};

const TStandardItem FormulaLengthAndFormat[5] = {
    {"Time Length", K::Time, D::PositiveNotZero, 0.05, "Length of new Wave in time."},
    {"Wave Count Length", K::WaveCount, D::PositiveNotZero, 0.15, "Length of new Wave in Wave Positions."},
    {"Steps", K::Integer, D::PositiveNotZero, 0.3, "Total count of steps or values"},
    {"Sample Frequency", K::WaveSampleFrequency, D::AllValues, 0.45, "Sample Frequency of the new Wave."},
    {"Bytes per Sample", K::WaveBytesPerSample, D::AllValues, 0.55, "Bytes per Sample of the new Wave."},
};

const TStandardItem FormulaPositions[2] = {
    {"Factor Position", K::Factor, D::ZeroInclOneIncl, 0.7,
     "Horizontal Position of the new Wave. In ratio of total length of the new Wave."},
    {"Time Position", K::Time, D::Positive, 0.8, "Horizontal Position of the new Wave in time."},
};

const TStandardItem FormulaOutput[1] = {
    {"Wave Value", K::WaveValue, D::AllValues, 0.5, "Vertical Value for the new Wave."},
};

} // namespace StandardItems

namespace {

constexpr const char* countNames[] = {"Count", "Counter"};
constexpr uint8_t loops[] = {FactoryLoopSimple, FactoryLoopMix};
constexpr const char* mixOutputNames[] = {"Sample", "Volume", "Position in Sample", "Position in Result"};
constexpr uint8_t mixLoop[] = {FactoryLoopMix};
constexpr const char* changeInputNames[] = {"Select Begin", "Select End", "Replace Begin", "Replace End"};
constexpr uint8_t changeWave[] = {FactoryChangeWW};
constexpr const char* windowOutputNames[] = {"Result", "Position Begin", "Position End"};
constexpr uint8_t waveWindows[] = {FactoryCreateWW, FactoryChangeWW};
constexpr const char* waveInputNames[] = {"Wave"};
constexpr uint8_t waveInputKinds[] = {FactoryChangeWW, FactoryMusicProcessor, FactoryLoopMix};
constexpr const char* musicOutputNames[] = {"Wave", "Horizontal Shift"};
constexpr uint8_t music[] = {FactoryNotePlayer, FactoryMusicProcessor};
constexpr const char* noteInputNames[] = {"Frequency", "Length", "Music Position", "Total Music Bars", "Tempo"};
constexpr uint8_t notePlayer[] = {FactoryNotePlayer};
constexpr const char* formulaInputNames[] = {"Time Length",      "Wave Count Length", "Steps",
                                             "Sample Frequency", "Bytes per Sample",  "Factor Position",
                                             "Time Position"};
constexpr const char* formulaOutputNames[] = {"Wave Value"};
constexpr uint8_t formula[] = {FactoryFormulaWave};

} // namespace

const TKindCleanup KindCleanups[9] = {
    {false, countNames, loops},          {true, mixOutputNames, mixLoop},      {false, changeInputNames, changeWave},
    {true, windowOutputNames, waveWindows}, {false, waveInputNames, waveInputKinds}, {true, musicOutputNames, music},
    {false, noteInputNames, notePlayer}, {false, formulaInputNames, formula},  {true, formulaOutputNames, formula},
};
