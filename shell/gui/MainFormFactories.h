#pragma once
#include "wave/MainFormAccess.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMDIChildFact;
class TMainForm;
class TSountoryNode;
class TUnitSountory;

// The main window's factory documents: new and opened factories in their
// windows, save, save as, revert and duplicate of a factory, and the factory
// commands (validate, run over a wave or into a new wave, modes and hints).

// Installs the handlers, the opener of factory files and the factory kind's
// files of Save, Save As, Revert and projects; once, with the others.
void InstallFactoryCommands(TMainForm& form);

TUnitSountory* ActiveSountoryUnit(const TMainForm& form);
TMDIChildFact* ActiveFactWindow(const TMainForm& form);

// The window takes the factory over; it is added, shown and activated.
TMDIChildFact* CreateFactWindow(TMainForm& form, std::unique_ptr<TUnitSountory> factory);
// A new factory of a create kind (0 to 11), fitted to the node for the kinds
// that fit one, in its window; named after the node when there is one.
TUnitSountory* NewUnitSountory(TMainForm& form, int createKind, const TSountoryNode* node);
// A factory file in a new window; null with the message in error, and no window.
TUnitSountory* LoadFactoryWindow(TMainForm& form, const std::string& fileName, std::string& error);
// The same, showing the message.
TUnitSountory* OpenFactoryFile(TMainForm& form, const std::string& fileName);
void OpenFactoryFiles(TMainForm& form, const std::vector<std::string>& fileNames);

// Writes the factory to its file (one never saved goes through Save As);
// the writer's result: a failure keeps file name and marks.
bool SaveUnitSountory(TMainForm& form, TUnitSountory& factory);
// Asks for a file and writes the factory to it; Cancel or a failed write
// keeps the window, the name, the file name and the marks.
bool SaveAsUnitSountory(TMainForm& form, TUnitSountory& factory);
// Reads the factory's file again into its window; a file that cannot be read
// leaves the old factory in place with its view.
bool RevertFactory(TMainForm& form, TMDIChildFact& window);
// A copy of the active factory in a new window, "Copy n of ...".
void DuplicateFactExecute(TMainForm& form);

// The lists of the factory dialogs, from the open windows.
int AddFactoryNamesOfKind(const TMainForm& form, FactoryNameList& list, uint8_t factoryKind);
int AddOtherFactoryNames(const TMainForm& form, std::vector<std::string>& list, const TUnitSountory* factory);
int AddFactoryNodeNames(const TMainForm& form, FactoryNodeList& list, uint8_t nodeKind,
                        const TUnitSountory* excluded);
