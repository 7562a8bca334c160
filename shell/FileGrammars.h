#pragma once

// Builds, once for the program's life, the grammar of every file format, so
// that each exists before any file is read: colour palette, project, wave side
// file, music 7.0, 7.1 and 9.1, factory 9.0 and 9.1, players.
void BuildFileGrammars();
