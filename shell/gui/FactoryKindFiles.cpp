#include "shell/gui/FactoryKindFiles.h"

#include "factory/document/UnitSountory.h"
#include "factory/gui/MDIChildFact.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/OpenFromProjectCopy.h"

namespace {

TUnitSountory& FactoryOf(TFileUnit& unit)
{
    return static_cast<TUnitSountory&>(unit);
}

const TUnitSountory& FactoryOf(const TFileUnit& unit)
{
    return static_cast<const TUnitSountory&>(unit);
}

} // namespace

bool TFactoryKindFiles::SaveOwnFile(TFileUnit& unit)
{
    return FactoryOf(unit).Save();
}

bool TFactoryKindFiles::SaveToFile(TFileUnit& unit, const std::string& fileName)
{
    return FactoryOf(unit).SaveToFile(fileName);
}

void TFactoryKindFiles::ClearChanged(TFileUnit& unit)
{
    FactoryOf(unit).ClearModified();
}

bool TFactoryKindFiles::Revert(TFileUnit& unit)
{
    auto* window = dynamic_cast<TMDIChildFact*>(FactoryOf(unit).GetWindow());
    return window && RevertFactory(form, *window);
}

bool TFactoryKindFiles::NeedsProjectCopy(const TFileUnit& unit) const
{
    return FactoryOf(unit).IsModified();
}

bool TFactoryKindFiles::SaveProjectCopy(TFileUnit& unit, const std::string& copyFileName, bool)
{
    // The copy is the whole factory; its own file name and marks stay.
    return FactoryOf(unit).SaveToFile(copyFileName);
}

TFileUnit* TFactoryKindFiles::OpenFromProject(const std::string& fileName, const std::string& copyBase,
                                              std::string& error)
{
    return OpenFromProjectCopy(fileName, copyBase, CopyExtension(), error,
                               [this](const std::string& file, std::string& why) {
                                   return LoadFactoryWindow(form, file, why);
                               });
}
