#pragma once
#include "foundation/xml/DTDItem.h"

#include <string>

// The players file (.qby, root UnitPlay), version "9.1" only: the players in
// order, each with its name and parts; a part with its three values, its
// balance when it is on, and the settings of its one kind. Nothing else: not
// the set's name, not the cursors, not the settings of the other kinds.

constexpr const char* PlayersFileVersion = "9.1";
constexpr const char* PlayersFileSuffix = "_v9_1";

// The grammar of the players file, built once.
const TDTDItemPtr& PlayersGrammar();
// The player of a note group in music files of versions 7.0 and 7.1: a
// CompoundPlayer holding one or more sampler elements of the old shape.
const TDTDItemPtr& OldCompoundPlayerGrammar();

// A file of another version is refused before its elements are matched.
std::string UnknownPlayersVersion(const std::string& version);
// " At line L, column C + 1." after a reader's message.
std::string PlayersPositionSuffix(int32_t line, int32_t column);

// A name is written as a text element, which must hold more than blanks and
// control characters to be read back.
bool IsBlankName(const std::string& name);
