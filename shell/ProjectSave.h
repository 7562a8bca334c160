#pragma once
#include <string>

class TProjectDisk;
class TProjectWorkspace;

// Saving a project never leaves a project file whose copies are missing. In
// order:
//   1. every document that needs it is copied into the project's folder as a
//      "newProjectWindowFile" (all of them when exporting);
//   2. the project file is written under a temporary name (the project file
//      name followed by ".saving");
//   3. the folder with the previous copies is set aside;
//   4. the new copies move into a fresh folder under their saved names;
//   5. the project file takes its own name;
//   6. the previous copies are deleted.
// A failure undoes what was done, so the previous project file and its copies
// stay as they were, and shows "Cannot close Project: " with the step that
// failed. A save cut off between steps 3 and 5 is finished by the next open or
// save of that project (RecoverProjectSave).

// True when everything was written, and at once for an empty file name.
bool SaveProject(TProjectWorkspace& workspace, const std::string& fileName, bool exportProject);
bool SaveProject(TProjectWorkspace& workspace, const std::string& fileName, bool exportProject,
                 TProjectDisk& disk);

// Brings a project whose last save was cut off into a consistent state: the
// new set when its project file was complete, else the previous set; and
// removes what a save leaves only when it fails.
void RecoverProjectSave(const std::string& fileName, TProjectDisk& disk);

// The temporary name of the project file during a save.
std::string SavingProjectFile(const std::string& fileName);
// The folder that holds the previous copies during a save.
std::string PreviousCopiesFolder(const std::string& tempFolder);
