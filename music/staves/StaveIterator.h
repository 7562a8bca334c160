#pragma once

class TMuzData;
class TNoteStave;

// Walks the staves of the music that are played and drawn, in list order;
// after the last it gives nullptr and starts over.
class TStaveIterator {
public:
    explicit TStaveIterator(const TMuzData& muzData) : MuzData(muzData) {}
    TNoteStave* Next();

private:
    TNoteStave* Current = nullptr;
    const TMuzData& MuzData;
};
