#include "factory/nodes/SountoryNodeUser.h"

#include "factory/document/UnitSountory.h"

void TSountoryNodeUser::MirrorFactoryPins(const TUnitSountory& factory)
{
    MirrorFactoryInputs(factory, "", "");
    MirrorFactoryOutputs(factory);
}

bool TSountoryNodeUser::BindFactory(std::string& error)
{
    return TSountoryNodeUseFactory::BindFactory(error) && CheckFactoryInputs("", "", error)
        && CheckNodeOutputs(error);
}

bool TSountoryNodeUser::Execute(StopFlag* stop, std::string& error)
{
    const bool done = StartExecution(error) && RunPass(stop, error);
    if (done)
        TakeOutputs();
    FinishExecution();
    return done;
}
