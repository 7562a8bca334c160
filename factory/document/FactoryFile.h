#pragma once
#include "foundation/xml/DTDItem.h"

#include <cstdint>
#include <memory>
#include <string>

class TSountoryInput;
class TSountoryNodeInput;
class TSountoryNodeOutput;
class TSountoryOutput;
class TUnitSountory;
class TXMLComplexElement;
class TXMLItem;
struct TFactoryViewState;

// The factory file (.qbf, root UnitFact): version "9.1" is written, "9.0"
// and "9.1" are read. Every datum is an element; connections are stored at
// their target end and name their source, so the names of nodes, inputs,
// outputs and one node's pins are the keys of the format.

constexpr const char* FactoryFileVersion = "9.1";
constexpr const char* FactoryFileSuffix = "_v9_1";

// The grammars of the two versions, built once from shared element grammars.
void BuildFactoryGrammar();
const TDTDItemPtr& FactoryGrammar90();
const TDTDItemPtr& FactoryGrammar91();

// A fractional number as the file writes it: at most 15 significant digits,
// a point as decimal mark, read back to the same text.
std::string FactoryNumberText(double number);

// The whole tree of a factory, and its parts.
std::unique_ptr<TXMLComplexElement> CreateXmlTree(const TUnitSountory& factory);
std::unique_ptr<TXMLComplexElement> CreateXmlFactory(const TUnitSountory& factory);
std::unique_ptr<TXMLComplexElement> WriteXmlView(const TFactoryViewState& view);
std::unique_ptr<TXMLComplexElement> WriteInputXml(const TSountoryInput& input);
std::unique_ptr<TXMLComplexElement> WriteOutputXml(const TSountoryOutput& output);
std::unique_ptr<TXMLComplexElement> WriteNodeInputXml(const TSountoryNodeInput& pin);
std::unique_ptr<TXMLComplexElement> WriteNodeOutputXml(const TSountoryNodeOutput& pin);
// Why the factory cannot be written so that it reads back (an empty name, a
// wave name or a name used twice); empty when it can.
std::string FindUnsavableItem(const TUnitSountory& factory);

// Fills a newly made factory from a UnitFact element that matched its
// version's grammar (or that the writer built). On failure, the message and
// the position of the element concerned; the factory keeps what was added.
bool ReadXmlTree(TUnitSountory& factory, const TXMLItem& unitFact, std::string& error, int32_t& line,
                 int32_t& column);
