#include "shell/gui/MusicKindFiles.h"

#include "music/document/UnitMuz.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"

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
    if (copyBase.empty())
        return form.Music().LoadMusicWindow(fileName, error);
    TUnitMuz* music = form.Music().LoadMusicWindow(copyBase + ".qbm", error);
    if (!music)
        return nullptr;
    // Read from a copy: the music is its own file's, with changes not saved there.
    music->SetFileName(fileName);
    if (!fileName.empty())
        music->SetModified();
    return music;
}
