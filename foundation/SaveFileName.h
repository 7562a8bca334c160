#pragma once
#include <string>
#include <vector>

// The extensions a file dialog's filter lists, in lower case and once each: the
// "*.ext" patterns of "Wave Files (*.wav)|*.wav|All files (*.*)|*.*" or of
// "Color Palette 1D (*.cp1);;All files (*)". Patterns that match any name add none.
std::vector<std::string> FilterExtensions(const std::string& filter);

// The file a save dialog writes for the name the user gave it. The name is kept
// when its extension (after the last dot of its file-name component, letter case
// aside) is one of the filter's; otherwise the default extension is added, so that
// "song.v2" saves as "song.v2.qbm", a file the program and its open dialogs take.
// A name that ends in a folder (empty, "/x/", "..") stays as it is.
std::string SaveFileName(const std::string& name, const std::string& filter, const std::string& defaultExtension);
