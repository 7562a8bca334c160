#pragma once

// Leaves the processor's wide vector registers clean. Code built for wider
// vectors than ours (the GUI library's painting, the C library's copies) may
// leave their upper halves in use; until they are cleared, the sound loops
// that run after it on the same thread ran half again as long on our
// machines. Work that serves the windows' events between its chunks calls
// this before it goes on. Does nothing where the processor has no such state.
void ClearUpperVectorState();
