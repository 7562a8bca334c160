#pragma once
#include "foundation/values/unitBalAngleFactor.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitTime.h"
#include "music/NotePlayerKind.h"
#include "wave/document/UnitUnitWave.h"

#include <cstdint>
#include <memory>
#include <string>

class TUnitSountory;
class TXMLComplexElement;

// The settings of each note-player kind. A part keeps all six and uses those
// of its kind; each is copied whole by value.

// Runs the note-player factory of that name.
struct TFactoryPlayerProps {
    TFactoryPlayerProps() = default;
    explicit TFactoryPlayerProps(std::string factory) : Factory(std::move(factory)) {}
    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    std::string Factory = "Factory 1";
    // Bound by validation; looked up again before every run, never owned.
    TUnitSountory* UnitSountory = nullptr;
};

// The whole sample at the note's pitch; BasicFreq is the sample's own period.
struct TSimpleSamplerProps {
    TSimpleSamplerProps() = default;
    TSimpleSamplerProps(unitUnitWave sampleWave, unitTimePosMore basicFreq)
        : SampleWave(std::move(sampleWave)), BasicFreq(basicFreq)
    {
    }
    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    unitUnitWave SampleWave{"sample"};
    unitTimePosMore BasicFreq{1.0 / 440.0, EHHZ};
};

// The selected stretch repeated at the note's pitch until the note is filled.
struct TRollOutSamplerProps {
    TRollOutSamplerProps() = default;
    TRollOutSamplerProps(unitUnitWave sampleWave, unitTimePosMore basicFreq)
        : SampleWave(std::move(sampleWave)), BasicFreq(basicFreq)
    {
    }
    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    unitUnitWave SampleWave{"sample"};
    unitTimePosMore BasicFreq{1.0 / 440.0, EHHZ};
};

// The whole sample once per period of the note.
struct TRepeatWaveFormProps {
    TRepeatWaveFormProps() = default;
    explicit TRepeatWaveFormProps(unitUnitWave sampleWave) : SampleWave(std::move(sampleWave)) {}
    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    unitUnitWave SampleWave{"sample"};
};

// The whole sample squeezed into one period of the note, repeated.
struct TRollOutWaveFormProps {
    TRollOutWaveFormProps() = default;
    explicit TRollOutWaveFormProps(unitUnitWave sampleWave) : SampleWave(std::move(sampleWave)) {}
    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    unitUnitWave SampleWave{"sample"};
};

// The selected stretch repeated at its own pitch through a resonance at the note.
struct TResonantSamplerProps {
    TResonantSamplerProps() = default;
    TResonantSamplerProps(unitUnitWave sampleWave, unitFactorPosMax1 resFactor)
        : SampleWave(std::move(sampleWave)), ResFactor(resFactor)
    {
    }
    std::unique_ptr<TXMLComplexElement> WriteXml() const;

    unitUnitWave SampleWave{"sample"};
    unitFactorPosMax1 ResFactor{0.05, EHPerc};
};

// Everything one part of a player holds. The defaults are those of the part a
// player set makes for Insert and Append; a file's part starts from the
// values read.
struct TOnePlayerProps {
    // Fills a OnePlayer element: the three values, the balance when it is on,
    // and the element of the kind in force only.
    void WriteXml(TXMLComplexElement& onePlayer) const;
    // The element of a kind's settings; null for no kind.
    std::unique_ptr<TXMLComplexElement> WriteKindXml(uint8_t kind) const;
    // The sample wave of a sampler kind; null for the factory kind and no kind.
    const unitUnitWave* SampleWaveOf(uint8_t kind) const;
    unitUnitWave* SampleWaveOf(uint8_t kind);

    unitFreq FreqUp{0.0, EHKHZ};
    unitFactor FreqFactor{1.0, EHPerc};
    unitFactor VolumeFactor{0.5, EHPerc};
    bool Balance = false;
    unitBalAngleFactor BalanceFactor{0.0, EHAngle};
    // 0 the sides do not differ, 1 by volume, 2 by filter.
    uint8_t VolDiff = 1;
    bool TimeDiff = false;
    TFactoryPlayerProps FactoryPlayerProps;
    TSimpleSamplerProps SimpleSamplerProps;
    TRollOutSamplerProps RollOutSamplerProps;
    TRepeatWaveFormProps RepeatWaveFormProps;
    TRollOutWaveFormProps RollOutWaveFormProps;
    TResonantSamplerProps ResonantSamplerProps;
    uint8_t NotePlayerKind = notePlayerNone;
};
