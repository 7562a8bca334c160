// Feeds arbitrary bytes through the factory file reader; whatever it accepts
// is validated and, when valid, run with a 1000-value wave bound to every wave
// input. No sample buffer above a cap is handed out, and the loop counts a
// file gives are bounded, so that every run ends soon; a run may fail with a
// message, never crash.
#include "factory/document/FactoryFile.h"
#include "factory/document/UnitSountory.h"
#include "platform/MessageService.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>

// The sound engine allocates samples with the non-throwing array new: above
// the cap it gets nothing, as when memory runs out.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    constexpr std::size_t cap = std::size_t{8} << 20;
    if (size > cap)
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

// The factory under test is the only open document: a node that uses it is
// refused as recursion, one that names another finds nothing.
class OneFactory : public MainFormAccess {
public:
    TUnitWave* FindUnitWave(const std::string&) override { return nullptr; }
    TUnitSountory* FindUnitSountory(const std::string& name) override
    {
        return factory && factory->GetName() == name ? factory : nullptr;
    }
    int32_t NextValidationStamp() override { return ++stamp; }

    TUnitSountory* factory = nullptr;
    int32_t stamp = 0;
};

SoundPtr TestWave(bool stereo)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, 1000);
    RefPtr<Wave> right = NewWave(&stop, 1000);
    for (int32_t i = 0; i < 1000; ++i) {
        left->getData()[i] = static_cast<int16_t>((i * 37) % 2000 - 1000);
        right->getData()[i] = static_cast<int16_t>((i * 53) % 3000 - 1500);
    }
    if (stereo)
        return std::make_shared<StereoSound>(left, right, 44100, 2);
    return std::make_shared<MonoSound>(left, 44100, 2);
}

// Loop counts and steps a file gives are kept small.
void BoundEfforts(TUnitSountory& factory)
{
    for (const auto& node : factory.Nodes()) {
        for (const auto& pin : node->Inputs()) {
            if (!pin->GetHasOwnValue() || pin->IsWave())
                continue;
            TSountoryValue value = pin->GetOwnValue();
            const bool effort = pin->Name == "Count" || pin->Name == "Steps" || pin->Name == "Echo Count"
                             || pin->Name == "Filter Count";
            if (effort && !(value.Value <= 50)) {
                value.Value = 50;
                pin->SetOwnValue(value, pin->GetUnitKind());
            }
        }
    }
}

void ValidateAndRun(TUnitSountory& factory, OneFactory& form)
{
    for (const auto& input : factory.Inputs()) {
        if (input->IsWave())
            input->SetSound(TestWave(input->ValueDomain == ValueDomain::Stereo));
        else
            input->SetValue(input->GetDialogValue());
    }
    std::string error;
    if (!factory.Validate(form.NextValidationStamp(), error))
        return;
    StopFlag stop = 0;
    factory.Run(error, &stop);
    factory.ReleaseRunSounds();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static OneFactory form;
    static bool installed = (SetMessageService(&silent), SetMainFormAccess(&form), BuildFactoryGrammar(), true);
    (void)installed;
    TUnitSountory factory("Factory 1", "");
    std::string error;
    if (!factory.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size), error))
        return 0;
    form.factory = &factory;
    BoundEfforts(factory);
    ValidateAndRun(factory, form);
    form.factory = nullptr;
    return 0;
}
