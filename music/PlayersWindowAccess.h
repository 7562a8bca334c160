#pragma once

// What a player set asks of the players window that shows it. The shell's
// window implements it; tests use fakes.
class TPlayersWindowAccess {
public:
    virtual ~TPlayersWindowAccess() = default;
    // The set was filled or changed from outside the window: show it anew.
    virtual void UpdateControls() = 0;
    // A value typed but not yet committed is taken (or refused) before the
    // set is written, so that a save never misses it.
    virtual void CommitPendingEdit() {}
    // Closes the window without the save question (a converted set whose
    // music could not be read).
    virtual void CloseWithoutQuestion() = 0;
};
