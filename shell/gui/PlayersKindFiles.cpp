#include "shell/gui/PlayersKindFiles.h"

#include "music/UnitPlayers.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormPlayers.h"
#include "shell/gui/OpenFromProjectCopy.h"

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
    return OpenFromProjectCopy(fileName, copyBase, CopyExtension(), error,
                               [this](const std::string& file, std::string& why) {
                                   return form.Players().LoadPlayersWindow(file, why);
                               });
}
