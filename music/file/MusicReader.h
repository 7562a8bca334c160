#pragma once
#include "music/data/MuzData.h"

#include <cstdint>
#include <memory>
#include <string>

class TPartMuz;
class TSelectPartMuz;
class unit;
class unitFactorPosMore;
class unitInteger;
class unitIntegerPos;

// Turns a "UnitMuz" element tree, which has matched the grammar of its
// version, into music. The part tree comes as a postfix list and is rebuilt
// on the music data's part stack; then the staves, their note groups and
// the contents of every bar. Every value is checked before the symbol it
// belongs to is made: what the model could not draw, play or write back is
// refused with a message naming the element's line and column.
class TMusicReader {
public:
    TMusicReader(TMuzData& muzData, TUnitMuz* document, TConvertedPlayerSet* convertedSet, std::string& error,
                 int32_t& line, int32_t& column);

    bool ReadMusicXml(const TXMLItem& unitMuz, TMusTreeItem*& selectedItem,
                      std::unique_ptr<TMDIChildMuzInitProps>& view);

private:
    enum TVersion { version70, version71, version91 };

    bool ReadSingleMuzPartXml(const TXMLItem& element);
    bool ReadConcatMuzPartXml(const TXMLItem& element);
    bool ReadLoopMuzPartXml(const TXMLItem& element);
    bool ReadSelectMuzPartXml(const TXMLItem& element);
    bool ReadSelectMuzPartTurnXml(TSelectPartMuz& selectPart, const TXMLItem& element);
    bool ReadPartNodeXml(const TXMLItem& element, TMusTreeItem& item, TPartMuz* part);
    bool ReadBarXml(TSinglePartMuz& part, const TXMLItem& element);
    // The channels, rate and bytes per sample a wave is made in; nothing is taken here.
    bool ReadWaveFormatXml(const TXMLItem& element, TWaveFileProps& format);
    bool ReadStaveXml(const TXMLItem*& cursor);
    bool ReadNoteGroupXml(const TXMLItem& element, TNoteStave& stave, TNoteGroup*& lastGroup, bool firstGroup);
    bool ReadKeyPartXml(const TXMLItem*& cursor, TSinglePartMuz* bar, TNoteStave* stave);
    bool ReadNoteXml(const TXMLItem*& cursor, TSinglePartMuz* bar, TNoteStave* stave, TNoteGroup* group);

    // Reads a value element with its label, keeping the value as its text reads back.
    bool ReadValue(unit& value, const TXMLItem* item, const char* name, const char* label);
    // The optional tempi at the start and end of a repeat or turns part.
    bool ReadTempiXml(const TXMLItem*& item, unitFactorPosMore& tempoStart, unitFactorPosMore& tempoEnd);
    // The Length and optional Points of a note or silence; `what` names it in messages.
    bool ReadLengthXml(const TXMLItem*& item, const std::string& what, unitIntegerPos& length,
                       unitIntegerPos& points);
    // The optional tuplet and place in it that follow, checked against length and points.
    bool ReadTupletPlaceXml(const TXMLItem*& item, const char* placeTag, const char* plainName,
                            const unitIntegerPos& length, const unitIntegerPos& points, uint8_t& multiOol,
                            unitInteger& posInOol);
    bool Fail(const TXMLItem& at, const std::string& message);
    bool Push(std::unique_ptr<TPartMuz> part);
    std::unique_ptr<TPartMuz> Pop();
    void Select(TXTouchMuzSymbol* symbol);

    TMuzData& Muz;
    TUnitMuz* Document;
    TConvertedPlayerSet* ConvertedSet;
    TVersion Version = version91;
    TMusTreeItem** SelectedItem = nullptr;
    std::string& Error;
    int32_t& Line;
    int32_t& Column;
};
