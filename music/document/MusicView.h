#pragma once
#include "music/document/MDIChildMuzInitProps.h"
#include "music/document/SelectionDescription.h"
#include "wave/document/DocumentWindowAccess.h"

#include <cstdint>

// What the music document asks of the window that shows it. The music
// window fills it; tests use a recorder.
class MusicView : public virtual DocumentWindowAccess {
public:
    // Repaint the music.
    virtual void Invalidate() = 0;
    // The view origin, for the file.
    virtual TMDIChildMuzInitProps GetViewOrigin() const = 0;
    // The status bar's panels 1 to 7 while this music is active.
    virtual void ShowSelectionTexts(const TSelectionTexts& texts) = 0;
    // The parts of the music changed: an open Music Parts dialog refreshes.
    virtual void MusicPartsChanged() = 0;
    // Scrolls so that a symbol's extent (window pixels) is well inside the
    // view, across or down (MusicNavigation.cpp).
    virtual void ScrollIntoViewX(int32_t left, int32_t right) { (void)left, (void)right; }
    virtual void ScrollIntoViewY(int32_t top, int32_t bottom) { (void)top, (void)bottom; }
};
