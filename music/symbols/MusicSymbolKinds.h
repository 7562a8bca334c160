#pragma once
#include <cstdint>
#include <string_view>

// The small numbers the music symbols are made of, and their catalogues:
// what each kind is called in the file, how long or how high it makes a note,
// how wide its sign is drawn.

// What can be touched with the mouse.
enum TMuzSymbolKind : uint8_t { muzSymbolBar = 0, muzSymbolLoop = 1, muzSymbolStave = 2 };

// What lies on one stave inside a bar.
enum TStaveSymbolKind : uint8_t { staveSymbolClef = 0, staveSymbolNote = 1, staveSymbolRest = 2 };

// Tuplet kinds: the note value and dots of a member describe the whole tuplet.
enum TMultiOol : uint8_t { sool = 1, duool = 2, triool = 3, kwartool = 4, kwintool = 5 };

// Accidentals. noteShiftNone marks "no accidental set"; noteShiftConflict is
// the layout's mark for a step on which two accidentals meet.
enum TNoteShiftKind : uint8_t {
    noteShiftDoubleKruis = 0,
    noteShiftKruis = 1,
    noteShiftNormal = 2,
    noteShiftMol = 3,
    noteShiftDoubleMol = 4,
    noteShiftNone = 5,
    noteShiftConflict = 6,
};

enum TDrawStickKind : uint8_t { drawStickUp = 0, drawStickDown = 1, drawStickAuto = 2 };

enum TNoteArtKind : uint8_t {
    noteArtNormal = 0,
    noteArtStaccato = 1,
    noteArtStaccatissimo = 2,
    noteArtPortato = 3,
    noteArtLegato = 4,
};

enum TNoteShape : uint8_t {
    noteShapeNormal = 0,
    noteShapeRectangle = 1,
    noteShapeTriangle = 2,
    noteShapeDiagonalCross = 3,
};

// Clef kinds: the pitch of the stave's middle line.
enum TClefKind : int8_t { clefKindF = -6, clefKindC = 0, clefKindG = 6 };

// Pitches are diatonic steps from middle C.
constexpr int32_t MinPitch = -43;
constexpr int32_t MaxPitch = 43;
constexpr int32_t MaxPoints = 3;

struct TMultiOolInfo {
    TMultiOol kind;
    const char* element;     // the flag element of notes and rests; none for sool
    const char* readName;    // the tuplet's name in the readers' messages
    const char* statusWord;  // the selection description's word
    int32_t flagFactor;      // drawn note value = NoteLengthKind * flagFactor
    int32_t minPoints;       // dots the whole tuplet needs at least
};

struct TNoteShiftInfo {
    TNoteShiftKind kind;
    int32_t semitones;
    const char* element; // the note's element; none for natural
    int32_t width;       // width of the drawn sign in pixels
    const char* traceWord;
    const char* nameSuffix;       // the note name's suffix
    const char* nameSuffixAfterAE; // after the letters a and e
};

struct TNoteArtInfo {
    TNoteArtKind kind;
    double factor;       // of the sounding length
    const char* element; // written element; none for normal
};

// Nullptr outside the catalogue.
const TMultiOolInfo* FindMultiOolInfo(int32_t multiOol);
const TNoteShiftInfo* FindNoteShiftInfo(int32_t noteShift);
const TNoteArtInfo* FindNoteArtInfo(int32_t articulation);

// The tuplet flag elements of notes and rests, in the grammars' order.
const char* const* MultiOolElements();

// Whether a note value kind is one of 1, 2, 4 ... 64.
bool IsNoteLengthKind(int32_t lengthKind);

// The text of a clef kind in the file; empty for a kind that is none of the three.
const char* ClefKindText(int32_t keyKind);
// The clef kind of a file text ("G", "C", "F", case-sensitive); false for any other.
bool ClefKindFromText(const std::string_view text, int8_t& keyKind);
