#pragma once

// The kind byte of a document and of the window that shows it; 0 means no window.
enum DocumentKind : unsigned char {
    documentKindNone = 0,
    documentKindWave = 1,
    documentKindMusic = 2,
    documentKindFactory = 3,
    documentKindPlayers = 4,
};
