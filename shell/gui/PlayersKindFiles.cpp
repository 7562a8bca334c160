#include "shell/gui/PlayersKindFiles.h"

#include "music/UnitPlayers.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormPlayers.h"

namespace {

TUnitPlayers& SetOf(TFileUnit& unit)
{
    return static_cast<TUnitPlayers&>(unit);
}

} // namespace

bool TPlayersKindFiles::SaveOwnFile(TFileUnit& unit)
{
    return SetOf(unit).Save();
}

bool TPlayersKindFiles::SaveToFile(TFileUnit& unit, const std::string& fileName)
{
    return SetOf(unit).SavePlayers(fileName);
}

void TPlayersKindFiles::ClearChanged(TFileUnit& unit)
{
    SetOf(unit).ClearModified();
}

bool TPlayersKindFiles::Revert(TFileUnit& unit)
{
    return form.Players().RevertPlayers(SetOf(unit));
}

bool TPlayersKindFiles::NeedsProjectCopy(const TFileUnit& unit) const
{
    return static_cast<const TUnitPlayers&>(unit).IsModifiedOrNew();
}

bool TPlayersKindFiles::SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool)
{
    // A copy is always the whole set; its own file name and mark stay.
    return SetOf(unit).SavePlayers(copyFileName);
}

TFileUnit* TPlayersKindFiles::OpenFromProject(const std::string& fileName, const std::string& copyBase,
                                              std::string& error)
{
    if (copyBase.empty())
        return form.Players().LoadPlayersWindow(fileName, error);
    TUnitPlayers* set = form.Players().LoadPlayersWindow(copyBase + ".qby", error);
    if (!set)
        return nullptr;
    // Read from a copy: the set is its own file's, with changes not saved there.
    set->SetFileName(fileName);
    if (!fileName.empty())
        set->SetModified();
    return set;
}
