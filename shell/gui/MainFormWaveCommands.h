#pragma once
#include <functional>

class TMainForm;
class TUnitWave;

// The main window's wave commands: every generator, edit, effect and filter
// of the active wave, hand drawing, and the format of a wave or a music.
// Installed once, with the other handlers.
void InstallWaveCommands(TMainForm& form);

// Properties: the format dialog of the active wave or, without one, of the
// active music; nothing without either.
void FilePropertiesExecute(TMainForm& form);

// The steps every wave command shares once it is confirmed: the busy cursor,
// a new undo snapshot of the document (not for a drawing-aware command while
// the document is drawn by hand), the command, the change mark. A command that
// changed nothing (it stopped for lack of memory, or was refused) puts the
// previous snapshot back and leaves the document unmarked.
void RunWaveCommand(TMainForm& form, TUnitWave& unit, bool drawingAware, const std::function<void()>& command);
