#pragma once
#include <string>

// What the file named on the command line is opened as.
enum class CommandLineKind { None, Project, Players, Factory, Music, Wave, Invalid };

// The kind chosen by the extension: the text after the last dot of the file-name
// component (a dot in a folder name is no extension), in lower case, so that
// take.2.wav opens as a wave. A name without a dot and an unknown extension get
// their "File Error" messages here.
CommandLineKind ChooseCommandLineKind(const std::string& fileName);

// The file as the openers take it: a name relative to the folder the program
// was started in made whole, so that a project or document opened as
// "song.qbp" knows its folder and can be saved, and cleaned of "." and "..",
// as the window title and a project's File entries show it.
std::string CommandLineFilePath(const std::string& fileName);
