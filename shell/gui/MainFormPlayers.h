#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMDIChildDlgPlayers;
class TMainForm;
class TUnitPlayers;

// The main window's player sets: new, opened, duplicated and converted sets,
// each in its own players window, and saving, saving as and reverting a set.
class TMainFormPlayers {
public:
    // What a file dialog asks: to open one or more files, or to save one.
    enum class TDialog { Open, Save };
    // Answers a dialog with the chosen files; none when cancelled.
    using TFileChooser = std::function<std::vector<std::string>(TDialog)>;

    explicit TMainFormPlayers(TMainForm& form);

    // The handlers of FileNewPlay, FileOpenPlay and DuplicatePlay, and the
    // command line's players file.
    void InstallHandlers();
    // A chooser set here answers instead of the file dialogs.
    void SetFileChooser(TFileChooser newChooser) { chooser = std::move(newChooser); }

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
    // To the set's own file (one never saved goes through Save As). The
    // writer's result: on failure the file name, the mark and the window stay.
    bool SaveUnitPlayers(TUnitPlayers& set);
    // To a file the user chooses; cancelled or failed, nothing changes.
    bool SaveAsUnitPlayers(TUnitPlayers& set);
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
    std::vector<std::string> Choose(TDialog dialog);

    TMainForm& form;
    TFileChooser chooser;
};
