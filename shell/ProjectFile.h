#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TProjectWorkspace;
class TXMLComplexElement;
class TXMLItem;

// The project file (root Project) records the open workspace: the main
// window's placement, the modeless dialogs that are showing, and for every
// document window its kind, where its document lies (its own file, a copy
// beside the project, or both), its name and its placement. Versions "8.0",
// "9.0" and "9.1" are read, each by its own grammar; "9.1" is written.

inline constexpr const char* ProjectVersion = "9.1";
inline constexpr const char* ProjectSuffix = "_v9_1";

enum TProjectReadResult : uint8_t { projectRead = 1, projectNotRead = 2 };

// The word for a document kind in messages ("Wave", "Music", "Factory", "Players").
const char* DocumentKindWord(uint8_t kind);

// Builds the grammars of the three versions once, at start-up.
void BuildProjectGrammar();

// The whole Project tree of the workspace. With exportProject no File element
// is written: the project stands on its copies alone.
std::unique_ptr<TXMLComplexElement> BuildProjectXml(TProjectWorkspace& workspace, bool exportProject);

// Reads a project file and opens its windows. On failure error holds the
// reason and every window the read opened is closed again.
TProjectReadResult ReadProjectFile(TProjectWorkspace& workspace, const std::string& fileName, std::string& error);
// The same from the bytes of a project file held in memory; fileName places its copies.
TProjectReadResult ReadProjectBytes(TProjectWorkspace& workspace, std::string_view bytes,
                                    const std::string& fileName, std::string& error);

// Walks a Project element that matched its version's grammar: every window is
// checked before the frame is placed and the dialogs and windows are opened.
// False with the message, line and column of what failed.
bool CreateProjectWindows(TProjectWorkspace& workspace, const std::string& version, const TXMLItem& project,
                          std::string& error, int32_t& line, int32_t& column, const std::string& projectFileName);
