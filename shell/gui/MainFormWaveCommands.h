#pragma once
#include <cstdint>
#include <functional>

class QWidget;
class TMainForm;
class TUnitWave;
class TVoldViewProps;
class TWaveViewProps;

// The main window's wave commands: every generator, edit, effect and filter
// of the active wave, hand drawing, the format of a wave and the view
// switches. Installed once, with the other handlers.
void InstallWaveCommands(TMainForm& form);

// The steps every wave command shares once it is confirmed: the busy cursor,
// a new undo snapshot of the document (not for a drawing-aware command while
// the document is drawn by hand), the command, the change mark. A command that
// changed nothing (it stopped for lack of memory, or was refused) puts the
// previous snapshot back and leaves the document unmarked.
void RunWaveCommand(TMainForm& form, TUnitWave& unit, bool drawingAware, const std::function<void()>& command);

// The view-settings dialogs as the View commands run them. Each edits props
// on the window's copy (and may replace the main window's defaults) and says
// whether the user pressed OK.
struct TViewSettingsDialogs {
    std::function<bool(QWidget* owner, TWaveViewProps& defaults, TWaveViewProps& props)> waveView;
    std::function<bool(QWidget* owner, int channels, uint32_t sampleFreq, int viewsWidth, int viewsHeight,
                       TVoldViewProps& defaults, TVoldViewProps& props)>
        voldView;
};
// View Wave and View Volume exist once their dialogs are given.
void InstallViewCommands(TMainForm& form, TViewSettingsDialogs dialogs);
