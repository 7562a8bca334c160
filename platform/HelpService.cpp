#include "platform/HelpService.h"

namespace {

class NoHelp : public HelpService {
public:
    void ShowContents() override {}
    void Search() override {}
    void HelpOnHelp() override {}
    void ShowContext(int) override {}
};

NoHelp none;
HelpService* current = nullptr;

} // namespace

HelpService& Help()
{
    return current ? *current : none;
}

HelpService* SetHelpService(HelpService* service)
{
    HelpService* previous = current;
    current = service;
    return previous;
}
