// Writing a player set: the element tree of the players file and the file.
#include "music/PlayersFile.h"

#include "foundation/GuiMessages.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "foundation/xml/XMLStringElement.h"
#include "music/PlayersWindowAccess.h"
#include "music/TrimName.h"
#include "music/UnitPlayers.h"
#include "platform/MessageService.h"

namespace {

// A value in a text its own parser reads back: its own unit's text, or, when
// that is empty or cannot be read, the text in the base unit.
template <class Value>
void WriteValue(const char* name, const Value& value, UnitKind baseKind, TXMLComplexElement& parent)
{
    TXMLComplexElement probe("");
    value.WriteXml(name, probe);
    std::string text = probe.GetFirst()->GetValue();
    Value check(value);
    std::string error;
    if (IsBlankName(text) || !check.SetFromText(TrimName(text), name, error)) {
        TXMLComplexElement base("");
        Value(value.GetValue(), baseKind).WriteXml(name, base);
        text = base.GetFirst()->GetValue();
    }
    parent.AddItem(std::make_unique<TXMLStringElement>(name, text));
}

void WriteText(const char* name, const std::string& text, TXMLComplexElement& parent)
{
    parent.AddItem(std::make_unique<TXMLStringElement>(name, text));
}

void WriteEmpty(const char* name, TXMLComplexElement& parent)
{
    parent.AddItem(std::make_unique<TXMLComplexElement>(name));
}

std::unique_ptr<TXMLComplexElement> KindElement(uint8_t kind)
{
    return std::make_unique<TXMLComplexElement>(NotePlayerKinds[kind].xmlElement);
}

} // namespace

std::unique_ptr<TXMLComplexElement> TFactoryPlayerProps::WriteXml() const
{
    auto element = KindElement(notePlayerFactory);
    WriteText("Factory", Factory, *element);
    return element;
}

std::unique_ptr<TXMLComplexElement> TSimpleSamplerProps::WriteXml() const
{
    auto element = KindElement(notePlayerSimpleSampler);
    WriteValue("BasicFreq", BasicFreq, EHS, *element);
    WriteText("SampleWave", SampleWave.GetName(), *element);
    return element;
}

std::unique_ptr<TXMLComplexElement> TResonantSamplerProps::WriteXml() const
{
    auto element = KindElement(notePlayerResonantSampler);
    WriteValue("ResFactor", ResFactor, EHNone, *element);
    WriteText("SampleWave", SampleWave.GetName(), *element);
    return element;
}

std::unique_ptr<TXMLComplexElement> TRepeatWaveFormProps::WriteXml() const
{
    auto element = KindElement(notePlayerRepeatWaveForm);
    WriteText("SampleWave", SampleWave.GetName(), *element);
    return element;
}

std::unique_ptr<TXMLComplexElement> TRollOutSamplerProps::WriteXml() const
{
    auto element = KindElement(notePlayerRollOutSampler);
    WriteValue("BasicFreq", BasicFreq, EHS, *element);
    WriteText("SampleWave", SampleWave.GetName(), *element);
    return element;
}

std::unique_ptr<TXMLComplexElement> TRollOutWaveFormProps::WriteXml() const
{
    auto element = KindElement(notePlayerRollOutWaveForm);
    WriteText("SampleWave", SampleWave.GetName(), *element);
    return element;
}

void TOnePlayerProps::WriteXml(TXMLComplexElement& onePlayer) const
{
    WriteValue("FreqFactor", FreqFactor, EHNone, onePlayer);
    WriteValue("FreqUp", FreqUp, EHHZ, onePlayer);
    WriteValue("VolumeFactor", VolumeFactor, EHNone, onePlayer);
    if (Balance) {
        auto balance = std::make_unique<TXMLComplexElement>("Balance");
        WriteValue("BalanceFactor", BalanceFactor, EHNone, *balance);
        if (TimeDiff)
            WriteEmpty("TimeDiff", *balance);
        if (VolDiff == 1)
            WriteEmpty("VolDiffVolume", *balance);
        else if (VolDiff == 2)
            WriteEmpty("VolDiffFilter", *balance);
        onePlayer.AddItem(std::move(balance));
    }
    // A part without a kind is refused before writing.
    if (std::unique_ptr<TXMLComplexElement> kind = WriteKindXml(NotePlayerKind))
        onePlayer.AddItem(std::move(kind));
}

std::unique_ptr<TXMLComplexElement> TOnePlayer::WriteXml() const
{
    auto element = std::make_unique<TXMLComplexElement>("OnePlayer");
    OnePlayerProps.WriteXml(*element);
    return element;
}

std::unique_ptr<TXMLComplexElement> TCompoundPlayer::WriteXml() const
{
    auto element = std::make_unique<TXMLComplexElement>("CompoundPlayer");
    WriteText("NamePlayer", NamePlayer, *element);
    for (const auto& part : OnePlayers)
        element->AddItem(part->WriteXml());
    return element;
}

std::unique_ptr<TXMLComplexElement> TUnitPlayers::BuildPlayersXml() const
{
    auto root = std::make_unique<TXMLComplexElement>("UnitPlay");
    WriteText("Version", PlayersFileVersion, *root);
    for (const auto& player : CompoundPlayers)
        root->AddItem(player->WriteXml());
    return root;
}

std::string TUnitPlayers::FindUnsavableItem() const
{
    if (CompoundPlayers.empty())
        return "A set without any Player cannot be saved: a Players file holds at least one Player.";
    for (const auto& player : CompoundPlayers) {
        if (IsBlankName(player->GetName()))
            return "In Name Player: Field should not be empty.";
        if (player->CountParts() == 0)
            return "In Player \"" + player->GetName() + "\": A Player needs at least one Player Part.";
        for (const auto& part : player->Parts()) {
            const TOnePlayerProps& props = part->OnePlayerProps;
            if (!IsNotePlayerKind(props.NotePlayerKind))
                return "In Player \"" + player->GetName() + "\": A Player Part has no kind.";
            if (props.NotePlayerKind == notePlayerFactory && IsBlankName(props.FactoryPlayerProps.Factory))
                return "In Name Factory: Field should not be empty.";
            const unitUnitWave* wave = props.SampleWaveOf(props.NotePlayerKind);
            if (wave && IsBlankName(wave->GetName()))
                return "In Sample Wave: Field should not be empty.";
        }
    }
    return "";
}

bool TUnitPlayers::SavePlayers(const std::string& fileName)
{
    // A value still being typed belongs in the file.
    if (PlayersWindow)
        PlayersWindow->CommitPendingEdit();
    std::string error = FindUnsavableItem();
    if (error.empty()) {
        const std::unique_ptr<TXMLComplexElement> tree = BuildPlayersXml();
        if (WriteDocument(*tree, fileName, error, PlayersFileSuffix))
            return true;
    }
    ShowMessage("Cannot save Players: " + error, "FileError", MsgIcon::Information);
    return false;
}
