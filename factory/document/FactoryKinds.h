#pragma once
#include "foundation/values/ValueVocabulary.h"

#include <cstdint>
#include <span>

// Who runs a factory, and so which named inputs its callers bind and which
// outputs they read.
enum : uint8_t {
    FactoryCreateWW = 0,
    FactoryChangeWW = 1,
    FactoryNotePlayer = 2,
    FactoryMusicProcessor = 3,
    FactoryFree = 4,
    FactoryLoopSimple = 5,
    FactoryLoopMix = 6,
    FactoryFormulaWave = 7,
};
constexpr int FactoryKindCount = 8;

// How nodes may be placed.
enum : uint8_t { NodesOverlap = 0, NodesFixed = 1, NodesShift = 2 };

// The element names of the kinds in the factory file.
extern const char* const FactoryKindXmlNames[FactoryKindCount];

// One standard input or output of a kind, with its exact hint text.
struct TStandardItem {
    const char* Name;
    ValueDomType Kind;
    ValueDomain Domain;
    double Height;
    const char* Description;
    bool CanChangeWaveSubtype = false;
};

// The standard items, one table per group that the kinds share.
namespace StandardItems {
extern const TStandardItem ChangeWWInputs[5];
extern const TStandardItem WaveWindowOutputs[3];
extern const TStandardItem NotePlayerInputs[5];
extern const TStandardItem NotePlayerOutputs[2];
extern const TStandardItem MusicProcessorInput[1];
extern const TStandardItem MusicProcessorOutputs[2];
extern const TStandardItem LoopMixWaveAndCount[2];
extern const TStandardItem LoopMixCounter[1];
extern const TStandardItem LoopMixOutputs[4];
extern const TStandardItem SimpleLoopCount[1];
extern const TStandardItem SimpleLoopCounter[1];
extern const TStandardItem FormulaLengthAndFormat[5];
extern const TStandardItem FormulaPositions[2];
extern const TStandardItem FormulaOutput[1];
} // namespace StandardItems

// The names of standard items a refit to a kind removes from other kinds:
// each entry deletes inputs (or outputs) of the names unless the kind is one
// of those that keep them.
struct TKindCleanup {
    bool Outputs;
    std::span<const char* const> Names;
    std::span<const uint8_t> KeptBy;
};
extern const TKindCleanup KindCleanups[9];
