#include "shell/gui/MusicKindFiles.h"

#include "music/document/UnitMuz.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/OpenFromProjectCopy.h"

namespace {

TUnitMuz& MusicOf(TFileUnit& unit)
{
    return static_cast<TUnitMuz&>(unit);
}

} // namespace

bool TMusicKindFiles::SaveOwnFile(TFileUnit& unit)
{
    return MusicOf(unit).Save();
}

bool TMusicKindFiles::SaveToFile(TFileUnit& unit, const std::string& fileName)
{
    return MusicOf(unit).SaveMusic(fileName);
}

void TMusicKindFiles::ClearChanged(TFileUnit& unit)
{
    MusicOf(unit).ClearModified();
}

bool TMusicKindFiles::Revert(TFileUnit& unit)
{
    return form.Music().RevertMusic(MusicOf(unit));
}

bool TMusicKindFiles::NeedsProjectCopy(const TFileUnit& unit) const
{
    return static_cast<const TUnitMuz&>(unit).IsModifiedOrNew();
}

bool TMusicKindFiles::SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool)
{
    // A copy is always the whole music; its own file name and mark stay.
    return MusicOf(unit).SaveMusic(copyFileName);
}

TFileUnit* TMusicKindFiles::OpenFromProject(const std::string& fileName, const std::string& copyBase,
                                            std::string& error)
{
    return OpenFromProjectCopy(fileName, copyBase, CopyExtension(), error,
                               [this](const std::string& file, std::string& why) {
                                   return form.Music().LoadMusicWindow(file, why);
                               });
}
