#pragma once
#include <cstdint>

// The kinds of change the music's editing commands make. What follows each
// (the changed note sounds, the window repaints, the music is marked
// modified, the Music Parts dialog refreshes) is one row of a table.
enum class TMusicEdit : uint8_t {
    NoteValue,    // a note's value, or a rest became a note
    RestValue,    // a rest's value, or a note became a rest
    BarValue,     // a time signature
    NoteDots,     // the dots of a note's group
    RestDots,     // the dots of a rest's group
    Tuplet,       // a note split into a tuplet
    NoteDetail,   // pitch, accidental, articulation, stem or note group of a note
    ClefDetail,   // a clef's kind, octave or key; a symbol swapped with its neighbour
    Delete,       // a symbol deleted (a deleted note sounds before it goes)
    KeySequence,  // a two-key command, whether or not it added something
    Selection,    // the selection moved
};

struct TMusicEditFollowUp {
    TMusicEdit edit;
    bool sound;
    bool redraw;
    bool modified;
    bool partsChanged;
};

const TMusicEditFollowUp& MusicEditFollowUp(TMusicEdit edit);
