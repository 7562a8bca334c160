#pragma once
#include <cstdint>

// What a player is told of one note.
struct TPlayedNote {
    double Period = 0;       // seconds of one cycle of the note's pitch
    double FreqFactor = 1;   // the note group's
    double VolumeFactor = 1; // the note group's
    double PlayLength = 0;   // whole notes that sound
    double Tempo = 1;        // seconds per whole note at the note

    // Seconds the note sounds.
    double Seconds() const { return PlayLength * Tempo; }
};

// Where the note stands in the music it is played for. A note played alone
// stands at position 0 and time 0 of music one whole note long.
struct TNotePlace {
    double MusicPosition = 0; // whole notes from the start of the music
    double Time = 0;          // seconds on the target's time line
    double MusicLength = 1;   // whole notes of the whole music
    int16_t MonoStereo = 2;   // the music's channels: only stereo music is balanced
};
