#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TMDIChildMuz;
class TMainForm;
class TUnitMuz;

// The main window's music: new, opened, duplicated and reverted music, each
// in its own music window; the music actions forwarded to the active music
// with their codes, the Alt keys relayed to its window, Generate, and the
// two music dialogs' toggles. Save and Save As go through the main window's
// file commands with the kind's files.
class TMainFormMusic {
public:
    explicit TMainFormMusic(TMainForm& form);

    // The handlers, the command line's music file and the kind's files.
    void InstallHandlers();

    // ---- new and opened music ----
    // "Music n" with one bar and one stave, in its window.
    TUnitMuz* NewMusic();
    // Reads the file into a new music in its window, the view origin it
    // keeps applied; null with the reason, and no window.
    TUnitMuz* LoadMusicWindow(const std::string& fileName, std::string& error);
    // The same, showing the reason when the file cannot be read.
    TUnitMuz* OpenMusicFile(const std::string& fileName);
    // Each file in turn; one that cannot be read does not stop the others.
    void OpenMusicFiles(const std::vector<std::string>& fileNames);
    // A copy of the active music ("Copy n of ...") in a window of its own;
    // a copy that cannot be made gets no window.
    TUnitMuz* DuplicateMusic();
    // Reads the music's file again into its window; a file that cannot be
    // read leaves the old music there.
    bool RevertMusic(TUnitMuz& unit);

    // ---- look-ups ----
    TMDIChildMuz* ActiveMuzWindow() const;
    TUnitMuz* ActiveMuzUnit() const;
    TMDIChildMuz* WindowOf(const TUnitMuz& unit) const;

    // A key with Alt (and Shift) given to the active music window as if it
    // had been pressed there; the menus would take it otherwise.
    void PassAltKeyToMusic(int32_t key, uint8_t modifiers);

private:
    TMDIChildMuz* CreateMuzWindow(std::unique_ptr<TUnitMuz> unit);
    std::vector<std::string> ChooseFilesToOpen();

    TMainForm& form;
};
