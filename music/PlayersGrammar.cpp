#include "music/PlayersFile.h"

#include "foundation/QuotedText.h"
#include "music/UnitPlayers.h"
#include "wave/view/GrammarBuilder.h"

namespace {

using namespace GrammarBuilder;

TDTDItemPtr RepeatMin1(TDTDItemPtr item)
{
    return std::make_shared<TDTDRepeatMin1>(std::move(item));
}

} // namespace

const TDTDItemPtr& PlayersGrammar()
{
    static const TDTDItemPtr grammar = [] {
        TDTDItemPtr sampleWave = Text("SampleWave");
        TDTDItemPtr basicFreq = Text("BasicFreq");
        // One shared empty content, as the flags of a balance need nothing else.
        TDTDItemPtr nothing = std::make_shared<TDTDEmpty>();
        TDTDItemPtr balance =
            Element("Balance", Sequence({Text("BalanceFactor"), Optional(Element("TimeDiff", nothing)),
                                         Optional(Choice({Element("VolDiffVolume", nothing),
                                                          Element("VolDiffFilter", nothing)}))}));
        TDTDItemPtr kind = Choice({
            Element("FactoryPlayer", Text("Factory")),
            Element("SimpleOneSampler", Sequence({basicFreq, sampleWave})),
            Element("RollOutSampler", Sequence({basicFreq, sampleWave})),
            Element("ResonantSampler", Sequence({Text("ResFactor"), sampleWave})),
            Element("RepeatWaveForm", sampleWave),
            Element("RollOutWaveForm", sampleWave),
        });
        TDTDItemPtr onePlayer = Element(
            "OnePlayer", Sequence({Text("FreqFactor"), Text("FreqUp"), Text("VolumeFactor"), Optional(balance), kind}));
        TDTDItemPtr compoundPlayer = Element("CompoundPlayer", Sequence({Text("NamePlayer"), RepeatMin1(onePlayer)}));
        return Element("UnitPlay", Sequence({Text("Version"), RepeatMin1(compoundPlayer)}));
    }();
    return grammar;
}

const TDTDItemPtr& OldCompoundPlayerGrammar()
{
    static const TDTDItemPtr grammar = [] {
        TDTDItemPtr sampleWave = Text("SampleWave");
        TDTDItemPtr tail = Sequence({Optional(Text("FreqUp")), Text("VolumeFactor")});
        TDTDItemPtr basicFreq = Text("BasicFreq");
        TDTDItemPtr sampler = Choice({
            Element("SimpleOneSampler", Sequence({basicFreq, sampleWave, tail})),
            Element("RollOutSampler", Sequence({basicFreq, sampleWave, tail})),
            Element("ResonantSampler", Sequence({Text("ResFactor"), sampleWave, tail})),
            Element("RepeatWaveForm", Sequence({sampleWave, tail})),
            Element("RollOutWaveForm", Sequence({sampleWave, tail})),
        });
        return Element("CompoundPlayer", RepeatMin1(sampler));
    }();
    return grammar;
}

void TUnitPlayers::BuildPlayersGrammar()
{
    PlayersGrammar();
    OldCompoundPlayerGrammar();
}

std::string UnknownPlayersVersion(const std::string& version)
{
    return "Unknown version " + QuotedText(version) + " found in players file.";
}

std::string PlayersPositionSuffix(int32_t line, int32_t column)
{
    return " At line " + std::to_string(line) + ", column " + std::to_string(column + 1) + ".";
}

bool IsBlankName(const std::string& name)
{
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 33)
            return false;
    return true;
}
