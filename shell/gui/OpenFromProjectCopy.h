#pragma once
#include <string>

class TFileUnit;

// Opens a document of a project through load (a window loader of its kind):
// from its copy (copyBase + "." + extension) when it has one, else from its own
// file. Read from a copy, the document keeps fileName as its file and is marked
// modified, since the copy's changes are not in that file.
template <class Load>
TFileUnit* OpenFromProjectCopy(const std::string& fileName, const std::string& copyBase, const char* extension,
                               std::string& error, Load load)
{
    if (copyBase.empty())
        return load(fileName, error);
    auto* document = load(copyBase + "." + extension, error);
    if (!document)
        return nullptr;
    document->SetFileName(fileName);
    if (!fileName.empty())
        document->SetModified();
    return document;
}
