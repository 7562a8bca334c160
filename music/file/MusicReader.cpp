#include "music/file/MusicReader.h"

#include "foundation/QuotedText.h"
#include "foundation/values/GetNumberValue.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitIntegerMoreUser.h"
#include "foundation/xml/XMLItem.h"
#include "music/NotePlayerAccess.h"
#include "music/data/PartMuzStackItem.h"
#include "music/document/MDIChildMuzInitProps.h"
#include "music/document/UnitMuz.h"
#include "music/file/MusicXmlValues.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

#include <array>
#include <optional>
#include <vector>

namespace {

const char* const PartsOutsideTree = "There are existing Music Parts falling outside the tree of Music Parts; The "
                                     "combination of Music Parts is wrong.";

std::string StackEmpty(const char* part, const char* child)
{
    return std::string("Cannot built a ") + part + " Music Part, there are no more Music Parts in the stack for the "
         + child + " while building the tree of Music Parts; The combination of Music Parts is wrong.";
}

bool IsPartElement(const TXMLItem* item)
{
    return IsElement(item, "SingleMuzPart") || IsElement(item, "ConcatMuzPart") || IsElement(item, "LoopMuzPart")
        || IsElement(item, "SelectMuzPart");
}

// The tuplet flag at item, if any: its kind and element.
const TXMLItem* ReadTuplet(const TXMLItem*& item, uint8_t& multiOol)
{
    multiOol = sool;
    const char* const* names = MultiOolElements();
    for (int i = 0; names[i]; ++i)
        if (IsElement(item, names[i])) {
            multiOol = static_cast<uint8_t>(duool + i);
            const TXMLItem* tuplet = item;
            item = item->GetNext();
            return tuplet;
        }
    return nullptr;
}

bool TakeFlag(const TXMLItem*& item, const char* name)
{
    if (!IsElement(item, name))
        return false;
    item = item->GetNext();
    return true;
}

} // namespace

TMusicReader::TMusicReader(TMuzData& muzData, TUnitMuz* document, TConvertedPlayerSet* convertedSet,
                           std::string& error, int32_t& line, int32_t& column)
    : Muz(muzData), Document(document), ConvertedSet(convertedSet), Error(error), Line(line), Column(column)
{
}

bool TMusicReader::Fail(const TXMLItem& at, const std::string& message)
{
    Line = at.GetLine();
    Column = at.GetColumn();
    Error = message;
    return false;
}

bool TMusicReader::ReadValue(unit& value, const TXMLItem* item, const char* name, const char* label)
{
    if (!ReadValueElement(value, item, name, label, Error, Line, Column))
        return false;
    if (!IsPlainShortNumber(item->GetValue()))
        CanonicalizeValue(value);
    return true;
}

bool TMusicReader::ReadTempiXml(const TXMLItem*& item, unitFactorPosMore& tempoStart, unitFactorPosMore& tempoEnd)
{
    if (IsElement(item, "TempoStart")) {
        if (!ReadValue(tempoStart, item, "TempoStart", "Loop MuzPart TempoStart"))
            return false;
        item = item->GetNext();
    }
    if (IsElement(item, "TempoEnd")) {
        if (!ReadValue(tempoEnd, item, "TempoEnd", "Loop MuzPart TempoEnd"))
            return false;
        item = item->GetNext();
    }
    return true;
}

bool TMusicReader::ReadLengthXml(const TXMLItem*& item, const std::string& what, unitIntegerPos& length,
                                 unitIntegerPos& points)
{
    if (!ReadValue(length, item, "Length", (what + " Length").c_str()))
        return false;
    if (!IsNoteLengthKind(length.GetValue()))
        return Fail(*item, "In " + what + " Length: The length must be 1, 2, 4, 8, 16, 32 or 64.");
    item = item->GetNext();
    if (IsElement(item, "Points")) {
        if (!ReadValue(points, item, "Points", (what + " Points").c_str()))
            return false;
        if (points.GetValue() > MaxPoints)
            return Fail(*item, "In " + what + " Points: There can be at most 3 points.");
        item = item->GetNext();
    }
    return true;
}

bool TMusicReader::ReadTupletPlaceXml(const TXMLItem*& item, const char* placeTag, const char* plainName,
                                      const unitIntegerPos& length, const unitIntegerPos& points, uint8_t& multiOol,
                                      unitInteger& posInOol)
{
    const TXMLItem* tuplet = ReadTuplet(item, multiOol);
    const TMultiOolInfo& info = *FindMultiOolInfo(multiOol);
    if (IsElement(item, "PosInOol")) {
        if (!ReadValue(posInOol, item, "PosInOol", "Position in MultiOol"))
            return false;
        const std::string name = tuplet ? info.readName : plainName;
        if (posInOol.GetValue() >= multiOol)
            return Fail(*item, std::string("In ") + placeTag + ": Value to High for " + name + ".");
        if (posInOol.GetValue() < 0)
            return Fail(*item, std::string("In ") + placeTag + ": Value too Low for " + name + ".");
        item = item->GetNext();
    }
    if (tuplet && points.GetValue() < info.minPoints)
        return Fail(*tuplet, std::string("In ") + info.readName + ": A " + info.readName
                                 + " needs at least one point.");
    if (tuplet && length.GetValue() * info.flagFactor > 64)
        return Fail(*tuplet, std::string("In ") + info.readName + ": A " + info.readName
                                 + " of this length would be drawn shorter than 1/64.");
    return true;
}

void TMusicReader::Select(TXTouchMuzSymbol* symbol)
{
    if (Document && symbol)
        Document->SetSelMuzSymbol(symbol);
}

bool TMusicReader::Push(std::unique_ptr<TPartMuz> part)
{
    Muz.PartMuzStackItems->Append(std::make_unique<TPartMuzStackItem>(std::move(part)));
    return true;
}

std::unique_ptr<TPartMuz> TMusicReader::Pop()
{
    std::unique_ptr<TPartMuzStackItem> cell = Muz.PartMuzStackItems->Pop();
    return cell ? cell->TakeContents() : nullptr;
}

bool TMuzData::ReadMuzDataXml(const TXMLItem& unitMuz, TMusTreeItem*& selectedItem,
                              TConvertedPlayerSet* convertedSet, TUnitMuz* document,
                              std::unique_ptr<TMDIChildMuzInitProps>& view, std::string& error, int32_t& line,
                              int32_t& column)
{
    PartMuzStackItems = std::make_unique<TPartMuzStackItem>();
    TMusicReader reader(*this, document, convertedSet, error, line, column);
    const bool ok = reader.ReadMusicXml(unitMuz, selectedItem, view);
    if (!ok)
        PartMuzStackItems->Clear();
    QB_CHECK(PartMuzStackItems->IsLast());
    PartMuzStackItems.reset();
    return ok;
}

bool TMusicReader::ReadMusicXml(const TXMLItem& unitMuz, TMusTreeItem*& selectedItem,
                                std::unique_ptr<TMDIChildMuzInitProps>& view)
{
    SelectedItem = &selectedItem;
    view.reset();
    const TXMLItem* item = ExpectElement(unitMuz.GetFirst(), "Version");
    const std::string& version = item->GetValue();
    if (version == "7.0")
        Version = version70;
    else if (version == "7.1")
        Version = version71;
    else if (version == "9.1")
        Version = version91;
    else
        return Fail(*item, "Unknown version " + QuotedText(version) + " of the Music File.");
    item = item->GetNext();

    if (Version == version91) {
        const TXMLItem* left = ExpectElement(ExpectElement(item, "View")->GetFirst(), "Left");
        const TXMLItem* top = ExpectElement(left->GetNext(), "Top");
        auto origin = std::make_unique<TMDIChildMuzInitProps>();
        for (auto [element, value] : {std::pair{left, &origin->Left}, {top, &origin->Top}}) {
            if (!GetNumberValue(*element, *value, Error, Line, Column))
                return false;
            if (*value < -TMDIChildMuzInitProps::Farthest || *value > TMDIChildMuzInitProps::Farthest)
                return Fail(*element, "In " + element->GetElement() + ": The view origin must lie between "
                                          + std::to_string(-TMDIChildMuzInitProps::Farthest) + " and "
                                          + std::to_string(TMDIChildMuzInitProps::Farthest) + ".");
        }
        view = std::move(origin);
        item = item->GetNext();
    }
    if (!ReadValue(Muz.Tempo, item, "Tempo", "Tempo"))
        return false;
    item = item->GetNext();
    // Taken once the whole file has been read.
    std::optional<TWaveFileProps> format;
    if (IsElement(item, "WaveFormat")) {
        format = TMuzData::DefaultFormat();
        if (!ReadWaveFormatXml(*item, *format))
            return false;
        item = item->GetNext();
    }

    if (Version == version70) {
        auto part = std::make_unique<TSinglePartMuz>(&Muz, UnitTempoFactor(), UnitTempoFactor());
        if (!ReadBarXml(*part, *ExpectElement(item, "Bar")))
            return false;
        Muz.SetRootChild(std::move(part));
        item = item->GetNext();
    } else {
        for (; IsPartElement(item); item = item->GetNext()) {
            bool ok;
            if (IsElement(item, "SingleMuzPart"))
                ok = ReadSingleMuzPartXml(*item);
            else if (IsElement(item, "ConcatMuzPart"))
                ok = ReadConcatMuzPartXml(*item);
            else if (IsElement(item, "LoopMuzPart"))
                ok = ReadLoopMuzPartXml(*item);
            else
                ok = ReadSelectMuzPartXml(*item);
            if (!ok)
                return false;
        }
        ExpectElement(item, "Stave");
        if (Muz.PartMuzStackItems->Count() != 1)
            return Fail(*item, PartsOutsideTree);
        Muz.SetRootChild(Pop());
    }
    if (!ReadStaveXml(item))
        return false;
    if (format)
        Muz.ChangeFileProps(Muz.GetFormat(), *format);
    return true;
}

bool TMusicReader::ReadWaveFormatXml(const TXMLItem& element, TWaveFileProps& format)
{
    const TXMLItem* item = element.GetFirst();
    format.MonoStereo = IsElement(item, "Stereo") ? 2 : 1;
    item = item->GetNext();
    unitIntegerPosMore sampleFreq(1, EHNone);
    if (!ReadValue(sampleFreq, item, "SampleFreq", "SampleFreq"))
        return false;
    item = item->GetNext();
    unitIntegerPosMore bytesPerSample(1, EHNone);
    if (!ReadValue(bytesPerSample, item, "BytesPerSample", "BytesPerSample"))
        return false;
    if (bytesPerSample.GetValue() != 1 && bytesPerSample.GetValue() != 2)
        return Fail(*item, "In BytesPerSample: Only 1 or 2 bytes per sample are supported.");
    format.SampleFreq = static_cast<uint32_t>(sampleFreq.GetValue());
    format.BytesPSample = static_cast<uint16_t>(bytesPerSample.GetValue());
    return true;
}

bool TMusicReader::ReadBarXml(TSinglePartMuz& part, const TXMLItem& element)
{
    const TXMLItem* item = element.GetFirst();
    std::string reason;
    unitInteger count(1, EHNone);
    if (!ReadValue(count, item, "Count", "Bar Count"))
        return false;
    if (!TMuzBar::IsValidCount(count.GetValue(), reason))
        return Fail(*item, "In Bar Count: " + reason);
    item = item->GetNext();
    unitInteger length(1, EHNone);
    if (!ReadValue(length, item, "Length", "Bar Length"))
        return false;
    if (!TMuzBar::IsValidLength(length.GetValue(), reason))
        return Fail(*item, "In Bar Length: " + reason);
    item = item->GetNext();
    unitInteger countFirstBar(0, EHNone);
    if (IsElement(item, "CountFirstBar")) {
        if (!ReadValue(countFirstBar, item, "CountFirstBar", "Bar CountFirstBar"))
            return false;
        if (!TMuzBar::IsValidCountFirstBar(countFirstBar.GetValue(), count.GetValue(), reason))
            return Fail(*item, "In Bar CountFirstBar: " + reason);
        item = item->GetNext();
    }
    const bool selected = TakeFlag(item, "Selected");
    TMuzBar* bar = TMuzBar::Attach(part, static_cast<uint8_t>(length.GetValue()), count.GetValue(),
                                   countFirstBar.GetValue());
    if (selected)
        Select(bar);
    return true;
}

bool TMusicReader::ReadSingleMuzPartXml(const TXMLItem& element)
{
    const TXMLItem* bar = ExpectElement(element.GetFirst(), "Bar");
    const TXMLItem* item = bar->GetNext();
    unitFactorPosMore tempoStart = UnitTempoFactor();
    unitFactorPosMore tempoEnd = UnitTempoFactor();
    if (IsElement(item, "TempoStart")) {
        if (!ReadValue(tempoStart, item, "TempoStart", "Single MuzPart TempoStart"))
            return false;
        item = item->GetNext();
    }
    if (IsElement(item, "TempoEnd")) {
        if (!ReadValue(tempoEnd, item, "TempoEnd", "Single MuzPart TempoEnd"))
            return false;
        item = item->GetNext();
    }
    auto part = std::make_unique<TSinglePartMuz>(&Muz, tempoStart, tempoEnd);
    if (!ReadBarXml(*part, *bar) || !ReadPartNodeXml(*ExpectElement(item, "PartNode"), *part, part.get()))
        return false;
    return Push(std::move(part));
}

bool TMusicReader::ReadConcatMuzPartXml(const TXMLItem& element)
{
    std::unique_ptr<TPartMuz> second = Pop();
    if (!second)
        return Fail(element, StackEmpty("Concat", "second child"));
    std::unique_ptr<TPartMuz> first = Pop();
    if (!first)
        return Fail(element, StackEmpty("Concat", "first child"));
    return Push(std::make_unique<TConcatPartMuz>(std::move(first), std::move(second), &Muz));
}

bool TMusicReader::ReadLoopMuzPartXml(const TXMLItem& element)
{
    const TXMLItem* item = element.GetFirst();
    unitIntegerPosMore count(1, EHNone);
    if (!ReadValue(count, item, "Count", "Loop MuzPart Count"))
        return false;
    item = item->GetNext();
    unitFactorPosMore tempoStart = UnitTempoFactor();
    unitFactorPosMore tempoEnd = UnitTempoFactor();
    if (!ReadTempiXml(item, tempoStart, tempoEnd))
        return false;
    const bool drawFirst = TakeFlag(item, "DrawFirstLoopSymbol");
    const bool drawLast = TakeFlag(item, "DrawLastLoopSymbol");
    std::unique_ptr<TPartMuz> child = Pop();
    if (!child)
        return Fail(element, StackEmpty("Loop", "child"));
    auto loop = std::make_unique<TLoopPartMuz>(count, std::move(child), &Muz, tempoStart, tempoEnd);
    if (drawFirst)
        Select(loop->GetLeftLoopSymbol());
    if (drawLast)
        Select(loop->GetRightLoopSymbol());
    if (!ReadPartNodeXml(*ExpectElement(item, "PartNode"), *loop, loop.get()))
        return false;
    return Push(std::move(loop));
}

bool TMusicReader::ReadSelectMuzPartXml(const TXMLItem& element)
{
    std::unique_ptr<TPartMuz> child = Pop();
    if (!child)
        return Fail(element, StackEmpty("Select", "child"));
    const TXMLItem* item = element.GetFirst();
    const TXMLItem* firstTurn = IsElement(item, "SelectMuzPartTurn") ? item : nullptr;
    while (IsElement(item, "SelectMuzPartTurn"))
        item = item->GetNext();
    unitFactorPosMore tempoStart = UnitTempoFactor();
    unitFactorPosMore tempoEnd = UnitTempoFactor();
    if (!ReadTempiXml(item, tempoStart, tempoEnd))
        return false;
    auto select = std::make_unique<TSelectPartMuz>(std::move(child), &Muz, tempoStart, tempoEnd);
    for (const TXMLItem* turn = firstTurn; IsElement(turn, "SelectMuzPartTurn"); turn = turn->GetNext())
        if (!ReadSelectMuzPartTurnXml(*select, *turn))
            return false;
    if (!ReadPartNodeXml(*ExpectElement(item, "PartNode"), *select, select.get()))
        return false;
    return Push(std::move(select));
}

bool TMusicReader::ReadSelectMuzPartTurnXml(TSelectPartMuz& selectPart, const TXMLItem& element)
{
    const TXMLItem* item = element.GetFirst();
    unitIntegerPosMore count(1, EHNone);
    if (!ReadValue(count, item, "Count", "Select MuzPart Count"))
        return false;
    item = item->GetNext();
    unitInteger pitch(0, EHNone);
    if (IsElement(item, "Pitch")) {
        if (!ReadValue(pitch, item, "Pitch", "Select MuzPart Pitch"))
            return false;
        item = item->GetNext();
    }
    unitFactorPosMore tempo = UnitTempoFactor();
    if (IsElement(item, "Tempo")) {
        if (!ReadValue(tempo, item, "Tempo", "Select MuzPart Tempo"))
            return false;
        item = item->GetNext();
    }
    TCountSelectPartItem* turn = selectPart.AddTurn(count, pitch, tempo);
    return ReadPartNodeXml(*ExpectElement(item, "PartNode"), *turn, nullptr);
}

bool TMusicReader::ReadPartNodeXml(const TXMLItem& element, TMusTreeItem& treeItem, TPartMuz* part)
{
    const TXMLItem* item = element.GetFirst();
    if (IsElement(item, "PartLabel")) {
        treeItem.SetLabel(item->GetValue());
        item = item->GetNext();
    }
    const bool expanded = TakeFlag(item, "Expanded");
    if (part)
        part->SetExpanded(expanded);
    if (IsElement(item, "Selected")) {
        if (*SelectedItem)
            return Fail(*item, "At most one Music Part can be selected.");
        *SelectedItem = &treeItem;
        item = item->GetNext();
    }
    if (part) {
        const bool enable = TakeFlag(item, "EnablePlayAndDraw") || Version != version91;
        part->SetEnablePlayAndDraw(enable, Document);
    }
    return true;
}

bool TMusicReader::ReadStaveXml(const TXMLItem*& cursor)
{
    TNoteStave* lastStave = nullptr;
    for (; IsElement(cursor, "Stave"); cursor = cursor->GetNext()) {
        const TXMLItem* item = cursor->GetFirst();
        // The file takes rooms of 30 up to the maximum; the value class asks for more than its minimum.
        unitIntegerMoreUser roomUp(80, EHNone);
        roomUp.SetMinimum(TNoteStave::RoomMinimum - 1);
        roomUp.SetMaximum(TNoteStave::RoomMaximum);
        unitIntegerMoreUser roomDown = roomUp;
        if (!ReadValue(roomUp, item, "RoomUp", "Room Up"))
            return false;
        item = item->GetNext();
        if (!ReadValue(roomDown, item, "RoomDown", "Room Down"))
            return false;
        item = item->GetNext();
        const bool allowJoinFlags = TakeFlag(item, "AllowJoinFlags");
        if (Version == version70)
            TakeFlag(item, "AutoStick");
        bool enable = true;
        bool selected = false;
        if (Version != version91) {
            enable = !TakeFlag(item, "Mute");
        } else {
            selected = TakeFlag(item, "Selected");
            enable = TakeFlag(item, "EnablePlayAndDraw");
        }
        const bool extraLines = TakeFlag(item, "ExtraLines");
        uint32_t foreground = 0;
        uint32_t background = 0;
        if (!ReadColorElement(item, "ForegroundColor", foreground, Error, Line, Column))
            return false;
        item = item->GetNext();
        if (!ReadColorElement(item, "BackgroundColor", background, Error, Line, Column))
            return false;
        item = item->GetNext();
        std::string soundFactory;
        bool useFactory = false;
        if (Version == version91 && IsElement(item, "SoundFactory")) {
            soundFactory = item->GetValue();
            useFactory = true;
            item = item->GetNext();
        }
        TNoteStave* stave = Muz.CreateStave(lastStave, foreground, background, roomUp, roomDown,
                                            allowJoinFlags ? 1 : 0, extraLines, useFactory, soundFactory, enable);
        if ((!lastStave || selected) && Document)
            Document->SetSelNoteStave(stave);
        lastStave = stave;

        TSinglePartMuz* bar = Muz.GetFirstSinglePart();
        if (Version == version70) {
            if (!ReadKeyPartXml(item, bar, stave))
                return false;
        } else {
            for (; IsElement(item, "KeyPart"); item = item->GetNext()) {
                Line = item->GetLine();
                Column = item->GetColumn();
                if (!bar)
                    return Fail(*item, "There are more Key Parts than Music Parts");
                const TXMLItem* keys = item->GetFirst();
                if (!ReadKeyPartXml(keys, bar, stave))
                    return false;
                bar = bar->GetNextSinglePart();
            }
            if (bar) {
                Error = "There are more Music Parts than Key Parts";
                return false;
            }
        }
        TNoteGroup* lastGroup = nullptr;
        for (; IsElement(item, "NoteGroup"); item = item->GetNext())
            if (!ReadNoteGroupXml(*item, *stave, lastGroup, lastGroup == nullptr))
                return false;
    }
    return true;
}

bool TMusicReader::ReadNoteGroupXml(const TXMLItem& element, TNoteStave& stave, TNoteGroup*& lastGroup,
                                    bool firstGroup)
{
    const TXMLItem* item = element.GetFirst();
    uint32_t noteColor = 0;
    if (!ReadColorElement(item, "NoteColor", noteColor, Error, Line, Column))
        return false;
    item = item->GetNext();
    const uint8_t shape = static_cast<uint8_t>(WhichElement(
        item, {"NoteShapeNormal", "NoteShapeRectangle", "NoteShapeTriangle", "NoteShapeDiagonalCross"}));
    item = item->GetNext();
    uint8_t stick = drawStickAuto;
    if (TakeFlag(item, "NoteStickUp"))
        stick = drawStickUp;
    else if (TakeFlag(item, "NoteStickDown"))
        stick = drawStickDown;

    bool selected = false;
    bool enablePlay = true;
    std::string playerSet;
    std::string player;
    unitFactor freqFactor(1.0, EHPerc);
    unitFactor volumeFactor(1.0, EHPerc);
    std::string soundFactory = "Factory 1";
    bool useFactory = false;
    if (Version == version91) {
        selected = TakeFlag(item, "Selected");
        enablePlay = TakeFlag(item, "EnablePlay");
        if (IsElement(item, "PlayerSet")) {
            playerSet = item->GetValue();
            item = item->GetNext();
        }
        if (IsElement(item, "Player")) {
            player = item->GetValue();
            item = item->GetNext();
        }
        if (!ReadValue(freqFactor, item, "FreqFactor", "FreqFactor"))
            return false;
        item = item->GetNext();
        if (!ReadValue(volumeFactor, item, "VolumeFactor", "VolumeFactor"))
            return false;
        item = item->GetNext();
        if (IsElement(item, "SoundFactory")) {
            soundFactory = item->GetValue();
            useFactory = true;
            item = item->GetNext();
        }
    } else {
        const TXMLItem* oldPlayer = ExpectElement(item, "CompoundPlayer");
        if (!ConvertedSet)
            return Fail(*oldPlayer, "In CompoundPlayer: There is no Player Set to convert the Player into.");
        if (!ConvertedSet->AddConvertedPlayer(*oldPlayer, player, Error, Line, Column))
            return false;
        playerSet = ConvertedSet->GetName();
        item = item->GetNext();
    }

    auto group = std::make_unique<TNoteGroup>(&stave, noteColor, shape, stick, player, playerSet, freqFactor,
                                              volumeFactor, useFactory, soundFactory, enablePlay);
    TNoteGroup* raw = group.get();
    stave.InsertNoteGroup(lastGroup, std::move(group));
    lastGroup = raw;
    if (firstGroup || selected) {
        stave.SetCurrentNoteGroup(raw);
        stave.SetSelectedNoteGroup(raw);
    }

    TSinglePartMuz* bar = Muz.GetFirstSinglePart();
    if (Version == version70)
        return ReadNoteXml(item, bar, &stave, raw);
    for (; IsElement(item, "NotePart"); item = item->GetNext()) {
        Line = item->GetLine();
        Column = item->GetColumn();
        if (!bar)
            return Fail(*item, "There are more Note Parts than Music Parts");
        const TXMLItem* notes = item->GetFirst();
        if (!ReadNoteXml(notes, bar, &stave, raw))
            return false;
        bar = bar->GetNextSinglePart();
    }
    if (bar) {
        Error = "There are more Music Parts than Note Parts";
        return false;
    }
    return true;
}

bool TMusicReader::ReadKeyPartXml(const TXMLItem*& cursor, TSinglePartMuz* bar, TNoteStave* stave)
{
    if (!QB_CHECK(bar != nullptr))
        return false;
    int32_t clefNumber = 1;
    for (; IsElement(cursor, "Key") || IsElement(cursor, "Silence"); cursor = cursor->GetNext()) {
        const TXMLItem* item = cursor->GetFirst();
        if (IsElement(cursor, "Key")) {
            unitFactorPos position(0.0, EHNone);
            if (!ReadValue(position, item, "Position", "Key Position"))
                return false;
            // The first clef of a bar opens it: without it the bar's rests
            // would stand first and no note would have a clef.
            if (clefNumber == 1 && position.GetValue() != 0)
                return Fail(*item, "In Key Position: The first Key of a Stave in a bar must stand at position 0.");
            item = item->GetNext();
            const TXMLItem* kindElement = ExpectElement(item, "KeyKind");
            int8_t keyKind = clefKindG;
            if (!ClefKindFromText(kindElement->GetValue(), keyKind))
                return Fail(*kindElement,
                            "Key Kind \"" + kindElement->GetValue() + "\" is not a valid Clef Kind.");
            item = item->GetNext();
            unitInteger octavesUp(0, EHNone);
            if (IsElement(item, "OctavesUp")) {
                if (!ReadValue(octavesUp, item, "OctavesUp", "Key OctavesUp"))
                    return false;
                if (octavesUp.GetValue() < -2 || octavesUp.GetValue() > 2)
                    return Fail(*item, "In Key OctavesUp: The octave shift must lie between -2 and 2.");
                item = item->GetNext();
            }
            const bool selected = TakeFlag(item, "Selected");
            std::vector<std::pair<int32_t, uint8_t>> keyShifts;
            for (; IsElement(item, "KeyNoteShift"); item = item->GetNext()) {
                const TXMLItem* kind = item->GetFirst();
                const uint8_t shift = IsElement(kind, "ShiftCross") ? noteShiftKruis : noteShiftMol;
                unitInteger height(0, EHNone);
                if (!ReadValue(height, ExpectElement(kind->GetNext(), "Height"), "Height", "Key NoteShift Height"))
                    return false;
                keyShifts.emplace_back(height.GetValue(), shift);
            }
            TClef* clef = Muz.CreateClef(stave, position.GetValue(), octavesUp.GetValue(), keyKind, clefNumber, bar);
            for (const auto& [height, shift] : keyShifts)
                clef->SetKeyNoteShift(height, shift);
            if (selected)
                Select(clef);
            ++clefNumber;
            continue;
        }
        unitFactorPos position(0.0, EHNone);
        if (!ReadValue(position, item, "Position", "Silence Position"))
            return false;
        item = item->GetNext();
        unitIntegerPos length(0, EHNone);
        unitIntegerPos points(0, EHNone);
        if (!ReadLengthXml(item, "Silence", length, points))
            return false;
        uint8_t multiOol = sool;
        unitInteger posInOol(0, EHNone);
        if (!ReadTupletPlaceXml(item, "PosInSil", "Normal Silence", length, points, multiOol, posInOol))
            return false;
        const bool selected = TakeFlag(item, "Selected");
        TRest* rest = Muz.CreateRest(stave, position.GetValue(), static_cast<uint8_t>(length.GetValue()),
                                     points.GetValue(), multiOol, posInOol.GetValue(), bar);
        if (selected)
            Select(rest);
    }
    return true;
}

bool TMusicReader::ReadNoteXml(const TXMLItem*& cursor, TSinglePartMuz* bar, TNoteStave* stave, TNoteGroup* group)
{
    if (!QB_CHECK(bar != nullptr))
        return false;
    for (; IsElement(cursor, "Note"); cursor = cursor->GetNext()) {
        const TXMLItem* item = cursor->GetFirst();
        const TXMLItem* positionElement = item;
        unitFactorPos position(0.0, EHNone);
        if (!ReadValue(position, item, "Position", "Note Position"))
            return false;
        item = item->GetNext();
        unitIntegerPos length(0, EHNone);
        unitIntegerPos points(0, EHNone);
        if (!ReadLengthXml(item, "Note", length, points))
            return false;
        const TXMLItem* heightElement = item;
        unitInteger height(0, EHNone);
        if (!ReadValue(height, item, "Height", "Note Height"))
            return false;
        int64_t pitch = height.GetValue();
        if (Version == version70) {
            // Old files give the height on the stave under the clef in force.
            const TClef* clef = bar->GetLastClefAt(position.GetValue(), stave);
            if (!clef)
                return Fail(*positionElement, "In Note Position: The Note stands before the first Key of its Stave.");
            pitch += clef->GetKeyKind() + 7 * int64_t{clef->GetOctavesUp()};
        }
        if (pitch < MinPitch || pitch > MaxPitch)
            return Fail(*heightElement, "In Note Height: The pitch must lie between -43 and 43.");
        item = item->GetNext();
        bool shiftGiven = false;
        uint8_t shift = noteShiftNormal;
        static constexpr std::array<const char*, 5> ShiftNames = {"ShiftDoubleCross", "ShiftCross", "ShiftNormal",
                                                                  "ShiftMol", "ShiftDoubleMol"};
        for (size_t i = 0; i < ShiftNames.size(); ++i)
            if (IsElement(item, ShiftNames[i])) {
                shift = static_cast<uint8_t>(i);
                shiftGiven = true;
                item = item->GetNext();
                break;
            }
        uint8_t multiOol = sool;
        unitInteger posInOol(0, EHNone);
        if (!ReadTupletPlaceXml(item, "PosInNote", "Normal Note", length, points, multiOol, posInOol))
            return false;
        if (Version == version70 && !shiftGiven)
            shift = bar->GetNoteShiftAt(stave, position.GetValue(), static_cast<int32_t>(pitch));
        static constexpr std::array<std::pair<const char*, uint8_t>, 5> Articulations = {
            {{"ArtStaccatissimo", noteArtStaccatissimo},
             {"ArtStaccato", noteArtStaccato},
             {"ArtNormal", noteArtNormal},
             {"ArtPortato", noteArtPortato},
             {"ArtLegato", noteArtLegato}}};
        uint8_t articulation = noteArtNormal;
        for (const auto& [name, kind] : Articulations)
            if (IsElement(item, name)) {
                articulation = kind;
                item = item->GetNext();
                break;
            }
        uint8_t stick = drawStickAuto;
        if (TakeFlag(item, "NoteStickUp"))
            stick = drawStickUp;
        else if (TakeFlag(item, "NoteStickDown"))
            stick = drawStickDown;
        const bool selected = TakeFlag(item, "Selected");
        TMuzNote* note = Muz.CreateNote(stave, position.GetValue(), static_cast<uint8_t>(length.GetValue()),
                                        points.GetValue(), static_cast<int32_t>(pitch), group, shift, multiOol,
                                        posInOol.GetValue(), articulation, bar, stick);
        if (selected)
            Select(note);
    }
    return true;
}
