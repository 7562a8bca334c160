#include "platform/HelpService.h"

#include "platform/ServiceSlot.h"

namespace {

class NoHelp : public HelpService {
public:
    void ShowContents() override {}
    void Search() override {}
    void HelpOnHelp() override {}
    void ShowContext(int) override {}
};

NoHelp none;
ServiceSlot<HelpService> slot(none);

} // namespace

HelpService& Help()
{
    return slot.Get();
}

HelpService* SetHelpService(HelpService* service)
{
    return slot.Set(service);
}
