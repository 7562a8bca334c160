#pragma once
#include "foundation/xml/DTDItem.h"

#include <string>

// The grammars of the music file's three versions, each built once for the
// program's life and never changed.
void MusicDtd70();
void MusicDtd71();
void MusicDtd91();

// The root ("UnitMuz") of the grammar of a version: "7.0", "7.1" or "9.1";
// nullptr for any other.
TDTDItemPtr MusicGrammarOf(const std::string& version);
