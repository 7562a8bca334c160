#pragma once
#include <array>
#include <cstddef>
#include <string>

// The names of a project's copies of its documents. Beside a project file
// D/B.qbp the folder D/BTempSaveFiles holds, per copied document n, the files
// "savedProjectWindowFile" n "." extension of the last completed save; a save
// writes "newProjectWindowFile" n first. Where a name made by adding to
// another would pass the longest file name, a shorter one stands in for it
// (see FittedPath).

inline constexpr const char* NewCopyPrefix = "newProjectWindowFile";
inline constexpr const char* SavedCopyPrefix = "savedProjectWindowFile";

// Every extension a copy can have: the samples of a wave, music, factory,
// player set, and the side file of a wave.
inline constexpr std::array<const char*, 5> CopyExtensions = {"wav", "qbm", "qbf", "qby", "qbw"};

// The longest file name (one component of a path) the file systems take.
inline constexpr size_t LongestFileName = 255;

// The path with suffix added to its last component. When that component would
// pass LongestFileName, its start is kept (not cutting a UTF-8 character) and
// "~" and eight hexadecimal digits of a hash of the whole component tell it
// from others: the same path always gives the same name, and a name that fits
// is left as it always was.
std::string FittedPath(const std::string& path, const std::string& suffix);

// The folder of the copies. Only the file-name component loses its last
// extension ("a.b/song" keeps "a.b"). False with the message when the project
// file name has no folder.
bool ProjectTempFolder(const std::string& projectFile, std::string& folder, std::string& error);

// A file in the folder, joined in the folder's own style.
std::string FileInFolder(const std::string& folder, const std::string& name);

// The copy in folder: prefix, n and, when given, "." and the extension.
std::string ProjectCopyFile(const std::string& folder, const char* prefix, const std::string& number,
                            const char* extension = nullptr);

// The path of the saved copy named in a project's TempFile element, without
// its extension; the number text is taken as it stands.
bool ProjectCopyBase(const std::string& projectFile, const std::string& number, std::string& base,
                     std::string& error);
