#include "foundation/FileNames.h"

bool PathOfPathFile(const std::string& pathFile, std::string& path, std::string& file, std::string& error)
{
    size_t separator = pathFile.find_last_of("\\/");
    if (separator == std::string::npos) {
        error = "Function PathOfPathFile: PathFile (\"" + pathFile + "\") has no path\".";
        return false;
    }
    path = pathFile.substr(0, separator);
    file = pathFile.substr(separator + 1);
    return true;
}

void SplitFileExtension(const std::string& fileName, std::string& name, std::string& extension)
{
    size_t separator = fileName.find_last_of("\\/");
    size_t componentStart = separator == std::string::npos ? 0 : separator + 1;
    size_t point = fileName.find_last_of('.');
    if (point == std::string::npos || point < componentStart) {
        name = fileName;
        extension.clear();
        return;
    }
    name = fileName.substr(0, point);
    extension = fileName.substr(point + 1);
}
