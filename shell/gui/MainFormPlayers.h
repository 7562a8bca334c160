#pragma once
#include <memory>
#include <string>
#include <vector>

class TMDIChildDlgPlayers;
class TMainForm;
class TUnitPlayers;

// The main window's player sets: new, opened, duplicated and converted sets,
// each in its own players window, and reverting a set. Save and Save As go
// through the main window's file commands with the kind's files.
class TMainFormPlayers {
public:
    explicit TMainFormPlayers(TMainForm& form);

    // The handlers of FileNewPlay, FileOpenPlay and DuplicatePlay, the
    // command line's players file, and the kind's files for Save, Save As,
    // Revert and projects.
    void InstallHandlers();

    // ---- new and opened sets ----
    // "Players n" with one default player, in its window.
    TUnitPlayers* NewPlayersSet();
    // An empty set named wishedName, or a name made unique from it, in its window.
    TUnitPlayers* NewUnitPlayers(const std::string& wishedName, std::string& givenName);
    // Reads the file into a new set in its window; null with the reason, and no window.
    TUnitPlayers* LoadPlayersWindow(const std::string& fileName, std::string& error);
    // The same, showing the reason when the file cannot be read.
    TUnitPlayers* OpenPlayersFile(const std::string& fileName);
    // Each file in turn; one that cannot be read does not stop the others.
    void OpenPlayersFiles(const std::vector<std::string>& fileNames);
    // A copy of the active set ("Copy n of ...") in a window of its own.
    TUnitPlayers* DuplicatePlayers();

    // ---- saving and reverting ----
    // Reads the set's file again into its window; a file that cannot be read
    // leaves the old set there.
    bool RevertPlayers(TUnitPlayers& set);

    // ---- look-ups ----
    TMDIChildDlgPlayers* ActivePlayersWindow() const;
    TUnitPlayers* ActivePlayersUnit() const;
    TUnitPlayers* FindUnitPlayers(const std::string& name) const;
    TMDIChildDlgPlayers* WindowOf(const TUnitPlayers& set) const;

private:
    TMDIChildDlgPlayers* CreatePlayersWindow(std::unique_ptr<TUnitPlayers> set);
    // The files chosen in the Open Players dialog; none when it was cancelled.
    std::vector<std::string> ChooseFilesToOpen();

    TMainForm& form;
};
