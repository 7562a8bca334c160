#include "factory/nodes/SountoryNodeSimpleLoop.h"

#include "factory/document/UnitSountory.h"
#include "platform/SampleConvert.h"
#include "platform/WorkProgress.h"

namespace {

constexpr TFixedPin SimpleLoopPins[] = {
    {"Count", true, 0.7, ValueDomType::Integer, ValueDomain::Positive},
};

} // namespace

void TSountoryNodeSimpleLoop::MirrorFactoryPins(const TUnitSountory& factory)
{
    MirrorFactoryInputs(factory, "Counter", "");
    MirrorFactoryOutputs(factory);
}

std::span<const TFixedPin> TSountoryNodeSimpleLoop::FixedPins() const
{
    return SimpleLoopPins;
}

bool TSountoryNodeSimpleLoop::BindFactory(std::string& error)
{
    return TSountoryNodeUseFactory::BindFactory(error) && CheckFactoryInputs("Counter", "", error)
        && CheckNodeOutputs(error) && CheckLoopOutputs(error);
}

bool TSountoryNodeSimpleLoop::Execute(StopFlag* stop, std::string& error)
{
    // Each output of the used factory is state carried into its input of the
    // same name: the node's outputs show the state after the last pass.
    const TSountoryNodeInput* countPin = FixedInput("Count", error);
    bool done = countPin && StartExecution(error);
    if (done) {
        const int32_t count = ToInt32(countPin->GetValue().Value);
        TSountoryInput* counter = SountoryDef->FindInput("Counter", nullptr);
        for (int32_t i = 1; done && i <= count; ++i) {
            ReportWork(i - 1, count);
            if (counter)
                counter->SetValue({static_cast<double>(i), ValueType::Integer});
            done = RunPass(stop, error);
            if (done)
                FeedOutputsBack();
        }
        if (done)
            TakeOutputsFromInputs();
    }
    FinishExecution();
    return done;
}
