#include "wave/window/ChildTexts.h"

std::string ChildCaption(const std::string& name, const std::string& fileName)
{
    if (fileName.empty())
        return name;
    if (name.empty())
        return fileName;
    return name + " - " + fileName;
}

namespace {

const char* KindWord(unsigned char kind)
{
    constexpr const char* words[] = {"Wave", "Music", "Factory", "Player Set"};
    return kind >= 1 && kind <= 4 ? words[kind - 1] : "Unknown Object";
}

} // namespace

std::string SaveQuestion(unsigned char kind, const std::string& name, const std::string& fileName)
{
    std::string text = std::string("Do you want to save the ") + KindWord(kind);
    text += name.empty() ? " without name" : " with name \"" + name + "\"";
    text += fileName.empty() ? " to a new file" : " to current file \"" + fileName + "\"";
    return text + "?";
}
