#pragma once

// Help as the program asks for it: contents, search, help on help, and a
// topic by context number. The GUI shows a help window of its own.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void ShowContents() = 0;
    virtual void Search() = 0;
    virtual void HelpOnHelp() = 0;
    virtual void ShowContext(int context) = 0;
};

// The service in force; without one installed, help requests do nothing.
HelpService& Help();
HelpService* SetHelpService(HelpService* service);

// The help file name the program announces.
inline constexpr const char* HelpFileName = "QUARBLHE.HLP";
