#pragma once
#include <memory>
#include <string>

class Sound;

// The side file beside a .wav file (root UnitWave, version "8.0") holds the
// cursor or selection, the hand drawing, the window's view, and the format of
// a wave without values, which has no .wav file at all. The reader and the
// writer are members of TUnitWave.

// The side file of a .wav file: a final ".wav" (any case) becomes ".qbw";
// any other name gets ".qbw" appended, so no other file is ever taken.
std::string SideFileName(const std::string& waveFileName);

// Opening a .wav file that does not exist: when its side file keeps an empty
// wave, gives that empty sound (make the document from it, then read the side
// file as usual). Otherwise none, with the reason in error.
std::shared_ptr<Sound> ReadSideFileEmptyWave(const std::string& waveFileName, std::string& error);
