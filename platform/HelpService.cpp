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

NoHelp noHelp;
ServiceSlot<HelpService> helpSlot(noHelp);

} // namespace

HelpService& Help()
{
    return helpSlot.Get();
}

HelpService* SetHelpService(HelpService* service)
{
    return helpSlot.Set(service);
}
