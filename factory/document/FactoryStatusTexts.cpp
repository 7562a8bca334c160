#include "factory/document/FactoryStatusTexts.h"

#include "factory/document/UnitSountory.h"
#include "factory/nodes/BuiltinCatalogue.h"

#include <iterator>

TFactoryStatusTexts FactoryStatusTexts(const TUnitSountory& factory)
{
    TFactoryStatusTexts texts;
    if (factory.FactoryKind < FactoryKindCount)
        texts.Panel1 = FactoryKindCaptions[factory.FactoryKind];
    if (factory.HasNoFileName())
        texts.Panel2 = "New";
    else if (factory.IsModified())
        texts.Panel2 = "Changed";
    return texts;
}

std::vector<std::vector<std::string>> WidestFactoryStatusTexts()
{
    return {std::vector<std::string>(std::begin(FactoryKindCaptions), std::end(FactoryKindCaptions)),
            {"New", "Changed"}};
}
