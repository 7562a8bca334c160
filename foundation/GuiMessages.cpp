#include "foundation/GuiMessages.h"

#include "foundation/StopReason.h"
#include "platform/Assertions.h"
#include "platform/MessageService.h"

namespace {
const std::string dq = "\"";
}

void TGuiMessages::ErrorNotEnoughMemory() const
{
    ShowMessage(NotEnoughMemoryText, "System Error", MsgIcon::Information);
}

void TGuiMessages::ErrorCreateSinus() const
{
    ShowMessage("Could not create sinus.", "System Error", MsgIcon::Stop);
}

void TGuiMessages::ErrorCreateDirectory(const std::string& directory) const
{
    ShowMessage("Could not create directory " + dq + directory + dq + ". Play and Record disabled", "Error",
                MsgIcon::Exclamation);
}

void TGuiMessages::ErrorWindowNameExists(const std::string& windowName) const
{
    ShowMessage("A window with name " + dq + windowName + dq + " already exists.", "Error", MsgIcon::Information);
}

void TGuiMessages::ErrorProjectWindowNameExists(const std::string& windowName, const std::string& fileName) const
{
    ShowMessage("When opening file " + dq + fileName + dq + " from project, a window with name " + dq + windowName +
                    dq + " already exists",
                "Error", MsgIcon::Information);
}

void TGuiMessages::ShowFileError(const std::string& text) const
{
    ShowMessage(text, "File Error", MsgIcon::Stop);
}

void TGuiMessages::ShowInputErrorIn(const std::string& fieldLabel, const std::string& text) const
{
    ShowMessage("In " + fieldLabel + ": " + text, "Input Error", MsgIcon::Information);
}

void TGuiMessages::ShowInputError(const std::string& text) const
{
    ShowMessage(text, "Input Error", MsgIcon::Information);
}

void TGuiMessages::ErrorFieldEmpty(const std::string& fieldLabel) const
{
    ShowMessage("In " + fieldLabel + ": Field should not be empty.", "Input Error", MsgIcon::Information);
}

void TGuiMessages::ShowAssertionFailed(const std::string& condition, const std::string& sourceFile, int line) const
{
    ::ShowAssertionFailed(condition, sourceFile, line);
}
