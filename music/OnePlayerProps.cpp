#include "music/OnePlayerProps.h"

#include "foundation/xml/XMLComplexElement.h"

namespace {

// What differs between the kinds' settings, one row a kind in kind order.
struct TKindSettings {
    std::unique_ptr<TXMLComplexElement> (*write)(const TOnePlayerProps& props);
    unitUnitWave* (*sampleWave)(TOnePlayerProps& props);
};

constexpr TKindSettings KindSettings[NotePlayerKindCount] = {
    {[](const TOnePlayerProps& p) { return p.FactoryPlayerProps.WriteXml(); },
     [](TOnePlayerProps&) -> unitUnitWave* { return nullptr; }},
    {[](const TOnePlayerProps& p) { return p.SimpleSamplerProps.WriteXml(); },
     [](TOnePlayerProps& p) { return &p.SimpleSamplerProps.SampleWave; }},
    {[](const TOnePlayerProps& p) { return p.ResonantSamplerProps.WriteXml(); },
     [](TOnePlayerProps& p) { return &p.ResonantSamplerProps.SampleWave; }},
    {[](const TOnePlayerProps& p) { return p.RepeatWaveFormProps.WriteXml(); },
     [](TOnePlayerProps& p) { return &p.RepeatWaveFormProps.SampleWave; }},
    {[](const TOnePlayerProps& p) { return p.RollOutSamplerProps.WriteXml(); },
     [](TOnePlayerProps& p) { return &p.RollOutSamplerProps.SampleWave; }},
    {[](const TOnePlayerProps& p) { return p.RollOutWaveFormProps.WriteXml(); },
     [](TOnePlayerProps& p) { return &p.RollOutWaveFormProps.SampleWave; }},
};

} // namespace

std::unique_ptr<TXMLComplexElement> TOnePlayerProps::WriteKindXml(uint8_t kind) const
{
    return IsNotePlayerKind(kind) ? KindSettings[kind].write(*this) : nullptr;
}

unitUnitWave* TOnePlayerProps::SampleWaveOf(uint8_t kind)
{
    return IsNotePlayerKind(kind) ? KindSettings[kind].sampleWave(*this) : nullptr;
}

const unitUnitWave* TOnePlayerProps::SampleWaveOf(uint8_t kind) const
{
    return const_cast<TOnePlayerProps&>(*this).SampleWaveOf(kind);
}
