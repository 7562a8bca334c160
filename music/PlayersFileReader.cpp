// Reading a player set: the players file, a copy through the element tree,
// and the players of old music files.
#include "music/PlayersFile.h"

#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLComplexElement.h"
#include "music/UnitPlayers.h"

#include <string>
#include <unordered_set>

namespace {

// Every element is looked at where the grammar put it; a tree that another
// reader matched (an old music file's player) is checked as it is walked.
bool Expect(const TXMLItem* item, const TXMLItem& parent, const char* name, std::string& error, int32_t& line,
            int32_t& column)
{
    if (item && item->GetElement() == name)
        return true;
    const TXMLItem& at = item ? *item : parent;
    line = at.GetLine();
    column = at.GetColumn();
    error = "In " + parent.GetElement() + ": \"" + name + "\" expected.";
    return false;
}

bool IsElement(const TXMLItem* item, const char* name)
{
    return item && item->GetElement() == name;
}

// A text element's text, which must not be blank.
bool ReadName(const TXMLItem* item, std::string& name, std::string& error, int32_t& line, int32_t& column)
{
    line = item->GetLine();
    column = item->GetColumn();
    name = item->GetKind() == xmlItemString ? item->GetValue() : std::string();
    if (!IsBlankName(name))
        return true;
    error = "In " + item->GetElement() + ": Field should not be empty.";
    return false;
}

// The value of the named child of parent that item should be; the element
// name is the label of the parser's message.
bool ReadValue(unit& value, const TXMLItem* item, const TXMLItem& parent, const char* name, std::string& error,
               int32_t& line, int32_t& column)
{
    return Expect(item, parent, name, error, line, column) && value.ReadXml(*item, error, line, column);
}

// How each kind's element is read: the value before its sample wave, and the
// setter that makes the kind the one in force. One row a kind, in kind order.
struct TKindReader {
    const char* valueElement; // "BasicFreq", "ResFactor", or none
    void (*apply)(TOnePlayer& part, const std::string& name, const unitTimePosMore& basicFreq,
                  const unitFactorPosMax1& resFactor);
};

constexpr TKindReader KindReaders[NotePlayerKindCount] = {
    {nullptr, [](TOnePlayer& p, const std::string& name, const unitTimePosMore&, const unitFactorPosMax1&) {
         p.SetFactoryPlayerProps(TFactoryPlayerProps(name));
     }},
    {"BasicFreq", [](TOnePlayer& p, const std::string& name, const unitTimePosMore& f, const unitFactorPosMax1&) {
         p.SetSimpleSamplerProps(TSimpleSamplerProps(unitUnitWave(name), f));
     }},
    {"ResFactor", [](TOnePlayer& p, const std::string& name, const unitTimePosMore&, const unitFactorPosMax1& r) {
         p.SetResonantSamplerProps(TResonantSamplerProps(unitUnitWave(name), r));
     }},
    {nullptr, [](TOnePlayer& p, const std::string& name, const unitTimePosMore&, const unitFactorPosMax1&) {
         p.SetRepeatWaveFormProps(TRepeatWaveFormProps(unitUnitWave(name)));
     }},
    {"BasicFreq", [](TOnePlayer& p, const std::string& name, const unitTimePosMore& f, const unitFactorPosMax1&) {
         p.SetRollOutSamplerProps(TRollOutSamplerProps(unitUnitWave(name), f));
     }},
    {nullptr, [](TOnePlayer& p, const std::string& name, const unitTimePosMore&, const unitFactorPosMax1&) {
         p.SetRollOutWaveFormProps(TRollOutWaveFormProps(unitUnitWave(name)));
     }},
};

// The kind of an element name; notePlayerNone for another name.
uint8_t KindOfElement(const std::string& element)
{
    for (const TNotePlayerKindInfo& info : NotePlayerKinds)
        if (element == info.xmlElement)
            return info.kind;
    return notePlayerNone;
}

// The kind element's settings into the part, which makes the kind the one in
// force; gives the element after the kind's name for the old players' rest.
bool ReadKindXml(const TXMLItem& kindElement, TOnePlayer& part, const TXMLItem*& rest, std::string& error,
                 int32_t& line, int32_t& column)
{
    const uint8_t kind = KindOfElement(kindElement.GetElement());
    if (!IsNotePlayerKind(kind)) {
        line = kindElement.GetLine();
        column = kindElement.GetColumn();
        error = "\"" + kindElement.GetElement() + "\" is no kind of Player Part.";
        return false;
    }
    const TKindReader& reader = KindReaders[kind];
    const TXMLItem* item = kindElement.GetFirst();
    unitTimePosMore basicFreq;
    unitFactorPosMax1 resFactor;
    if (reader.valueElement) {
        unit& value = std::string(reader.valueElement) == "BasicFreq" ? static_cast<unit&>(basicFreq) : resFactor;
        if (!ReadValue(value, item, kindElement, reader.valueElement, error, line, column))
            return false;
        item = item->GetNext();
    }
    const char* nameElement = kind == notePlayerFactory ? "Factory" : "SampleWave";
    std::string name;
    if (!Expect(item, kindElement, nameElement, error, line, column) || !ReadName(item, name, error, line, column))
        return false;
    reader.apply(part, name, basicFreq, resFactor);
    rest = item->GetNext();
    return true;
}

bool ReadBalanceXml(const TXMLItem& balance, unitBalAngleFactor& factor, bool& timeDiff, uint8_t& volDiff,
                    std::string& error, int32_t& line, int32_t& column)
{
    const TXMLItem* item = balance.GetFirst();
    if (!ReadValue(factor, item, balance, "BalanceFactor", error, line, column))
        return false;
    item = item->GetNext();
    timeDiff = IsElement(item, "TimeDiff");
    if (timeDiff)
        item = item->GetNext();
    volDiff = IsElement(item, "VolDiffVolume") ? 1 : IsElement(item, "VolDiffFilter") ? 2 : 0;
    return true;
}

bool ReadOnePlayerPropsXml(const TXMLItem& onePlayer, std::unique_ptr<TOnePlayer>& part, std::string& error,
                           int32_t& line, int32_t& column)
{
    const TXMLItem* item = onePlayer.GetFirst();
    unitFactor freqFactor(1.0, EHNone);
    if (!ReadValue(freqFactor, item, onePlayer, "FreqFactor", error, line, column))
        return false;
    item = item->GetNext();
    unitFreq freqUp(0.0, EHHZ);
    if (!ReadValue(freqUp, item, onePlayer, "FreqUp", error, line, column))
        return false;
    item = item->GetNext();
    unitFactor volumeFactor(1.0, EHPerc);
    if (!ReadValue(volumeFactor, item, onePlayer, "VolumeFactor", error, line, column))
        return false;
    item = item->GetNext();
    // Without Balance: off, and a factor of 1.0 without unit.
    bool balance = false;
    unitBalAngleFactor balanceFactor(1.0, EHNone);
    bool timeDiff = false;
    uint8_t volDiff = 0;
    if (IsElement(item, "Balance")) {
        balance = true;
        if (!ReadBalanceXml(*item, balanceFactor, timeDiff, volDiff, error, line, column))
            return false;
        item = item->GetNext();
    }
    if (!item)
        return Expect(item, onePlayer, "SimpleOneSampler", error, line, column);
    part = std::make_unique<TOnePlayer>(volumeFactor, freqUp, freqFactor, balance, balanceFactor, volDiff, timeDiff);
    const TXMLItem* rest = nullptr;
    return ReadKindXml(*item, *part, rest, error, line, column);
}

// Every part of a player, in order; the first becomes its current part.
bool ReadOnePlayerXml(const TXMLItem* onePlayer, const TXMLItem& compoundPlayer, TCompoundPlayer& player,
                      std::string& error, int32_t& line, int32_t& column)
{
    if (!Expect(onePlayer, compoundPlayer, "OnePlayer", error, line, column))
        return false;
    for (; onePlayer; onePlayer = onePlayer->GetNext()) {
        std::unique_ptr<TOnePlayer> part;
        if (!Expect(onePlayer, compoundPlayer, "OnePlayer", error, line, column) ||
            !ReadOnePlayerPropsXml(*onePlayer, part, error, line, column))
            return false;
        TOnePlayer& added = player.InsertOnePlayer(player.GetLastOnePlayer(), std::move(part));
        if (!player.GetCurrentOnePlayer())
            player.SetCurrentOnePlayer(&added);
    }
    return true;
}

bool ReadPlayerXml(const TXMLItem& compoundPlayer, std::unique_ptr<TCompoundPlayer>& player, std::string& error,
                   int32_t& line, int32_t& column)
{
    const TXMLItem* item = compoundPlayer.GetFirst();
    std::string name;
    if (!Expect(item, compoundPlayer, "NamePlayer", error, line, column) || !ReadName(item, name, error, line, column))
        return false;
    player = std::make_unique<TCompoundPlayer>(name);
    return ReadOnePlayerXml(item->GetNext(), compoundPlayer, *player, error, line, column);
}

// One part from an old sampler element: its kind's settings, then the
// frequency addition (0 kHz when missing) and the volume.
bool ReadSubPlayerFieldsXml(const TXMLItem& sampler, std::unique_ptr<TOnePlayer>& part, std::string& error,
                            int32_t& line, int32_t& column)
{
    // The old format has no factory parts.
    if (sampler.GetElement() == NotePlayerKinds[notePlayerFactory].xmlElement) {
        line = sampler.GetLine();
        column = sampler.GetColumn();
        error = "In CompoundPlayer: \"" + sampler.GetElement() + "\" is no sampler.";
        return false;
    }
    // The kind's settings come first: read them into a part, then the rest.
    auto converted = std::make_unique<TOnePlayer>(unitFactor(1.0, EHNone), unitFreq(0.0, EHKHZ),
                                                  unitFactor(1.0, EHPerc), false, unitBalAngleFactor(0.0, EHAngle),
                                                  1, false);
    const TXMLItem* item = nullptr;
    if (!ReadKindXml(sampler, *converted, item, error, line, column))
        return false;
    if (IsElement(item, "FreqUp")) {
        if (!converted->OnePlayerProps.FreqUp.ReadXml(*item, error, line, column))
            return false;
        item = item->GetNext();
    }
    unitFactor volumeFactor(1.0, EHNone);
    if (!ReadValue(volumeFactor, item, sampler, "VolumeFactor", error, line, column))
        return false;
    converted->OnePlayerProps.VolumeFactor = volumeFactor;
    part = std::move(converted);
    return true;
}

bool ReadSubPlayerXml(const TXMLItem& compoundPlayer, TCompoundPlayer& player, std::string& error, int32_t& line,
                      int32_t& column)
{
    const TXMLItem* sampler = compoundPlayer.GetFirst();
    if (!sampler)
        return Expect(sampler, compoundPlayer, "SimpleOneSampler", error, line, column);
    for (; sampler; sampler = sampler->GetNext()) {
        std::unique_ptr<TOnePlayer> part;
        if (!ReadSubPlayerFieldsXml(*sampler, part, error, line, column))
            return false;
        TOnePlayer& added = player.InsertOnePlayer(player.GetLastOnePlayer(), std::move(part));
        if (!player.GetCurrentOnePlayer())
            player.SetCurrentOnePlayer(&added);
    }
    return true;
}

bool LoadTokens(TUnitPlayers& set, const TXMLToken& document, const std::string& version, std::string& error)
{
    if (document.GetTokenKind() == xmlTokenError) {
        error = document.GetErrorText();
        return false;
    }
    if (version != PlayersFileVersion) {
        error = UnknownPlayersVersion(version);
        return false;
    }
    TXMLComplexElement root("Root");
    const TXMLToken* cursor = &document;
    bool fatal = false;
    if (!PlayersGrammar()->Match(root, cursor, error, fatal))
        return false;
    int32_t line = 0;
    int32_t column = 0;
    if (!set.ReadPlayersXml(*root.GetFirst(), error, line, column)) {
        error += PlayersPositionSuffix(line, column);
        return false;
    }
    return true;
}

} // namespace

bool TUnitPlayers::ReadPlayersXml(const TXMLItem& unitPlay, std::string& error, int32_t& line, int32_t& column)
{
    const TXMLItem* item = unitPlay.GetFirst();
    if (!Expect(item, unitPlay, "Version", error, line, column))
        return false;
    // The token reader takes the last Version of a file; the root's must agree.
    if (item->GetValue() != PlayersFileVersion) {
        line = item->GetLine();
        column = item->GetColumn();
        error = UnknownPlayersVersion(item->GetValue());
        return false;
    }
    if (!Expect(item->GetNext(), unitPlay, "CompoundPlayer", error, line, column))
        return false;
    // Music finds its player by name: a set never holds a name twice.
    std::unordered_set<std::string> names;
    for (item = item->GetNext(); item; item = item->GetNext()) {
        std::unique_ptr<TCompoundPlayer> player;
        if (!Expect(item, unitPlay, "CompoundPlayer", error, line, column) ||
            !ReadPlayerXml(*item, player, error, line, column))
            return false;
        if (!names.insert(player->GetName()).second) {
            line = item->GetFirst()->GetLine();
            column = item->GetFirst()->GetColumn();
            error = "In NamePlayer: Name already exists in the set of Players.";
            return false;
        }
        TCompoundPlayer& added = InsertPlayerAfter(GetLastPlayer(), std::move(player));
        if (!CurrentCompoundPlayer)
            SetCurrentPlayer(&added);
    }
    return true;
}

bool TUnitPlayers::LoadPlayers(std::string& error)
{
    std::string version;
    TXMLToken document(FileName, version);
    return LoadTokens(*this, document, version, error);
}

bool TUnitPlayers::LoadPlayersBytes(std::string_view bytes, std::string& error)
{
    std::string version;
    TXMLToken document(TXMLBytes{bytes}, version);
    return LoadTokens(*this, document, version, error);
}

bool TUnitPlayers::DuplicatePlayers(const TUnitPlayers& source, std::string& error)
{
    const std::unique_ptr<TXMLComplexElement> tree = source.BuildPlayersXml();
    int32_t line = 0;
    int32_t column = 0;
    if (ReadPlayersXml(*tree, error, line, column))
        return true;
    // A tree built in memory has no position to name.
    if (line > 0)
        error += PlayersPositionSuffix(line, column);
    return false;
}

bool TUnitPlayers::AddConvertedPlayer(const TXMLItem& element, std::string& playerName, std::string& error,
                                      int32_t& line, int32_t& column)
{
    playerName = NewPlayerName();
    auto player = std::make_unique<TCompoundPlayer>(playerName);
    if (!ReadSubPlayerXml(element, *player, error, line, column))
        return false;
    TCompoundPlayer& added = InsertPlayerAfter(GetLastPlayer(), std::move(player));
    if (!CurrentCompoundPlayer)
        SetCurrentPlayer(&added);
    return true;
}
