#pragma once
#include "music/document/MDIChildMuzInitProps.h"
#include "music/document/SelectionDescription.h"
#include "wave/document/DocumentWindowAccess.h"

// What the music document asks of the window that shows it. The music
// window fills it; tests use a recorder.
class MusicView : public DocumentWindowAccess {
public:
    // Repaint the music.
    virtual void Invalidate() = 0;
    // The view origin, for the file.
    virtual TMDIChildMuzInitProps GetViewOrigin() const = 0;
    // The status bar's panels 1 to 7 while this music is active.
    virtual void ShowSelectionTexts(const TSelectionTexts& texts) = 0;
    // The parts of the music changed: an open Music Parts dialog refreshes.
    virtual void MusicPartsChanged() = 0;
};
