#pragma once
#include "platform/HelpService.h"

#include <vector>

// The help service while it lives: it writes down the contexts asked for and
// shows nothing, and puts back the service it replaced when it goes.
class RecordingHelpService : public HelpService {
public:
    RecordingHelpService() : previous(SetHelpService(this)) {}
    ~RecordingHelpService() override { SetHelpService(previous); }
    RecordingHelpService(const RecordingHelpService&) = delete;
    RecordingHelpService& operator=(const RecordingHelpService&) = delete;

    void ShowContents() override {}
    void Search() override {}
    void HelpOnHelp() override {}
    void ShowContext(int context) override { contexts.push_back(context); }

    std::vector<int> contexts;

private:
    HelpService* previous;
};
