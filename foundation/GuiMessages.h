#pragma once
#include <string>

// The standard message boxes: each kind of failure always looks the same.
class TGuiMessages {
public:
    void ErrorNotEnoughMemory() const;
    void ErrorCreateSinus() const;
    void ErrorCreateDirectory(const std::string& directory) const;
    void ErrorWindowNameExists(const std::string& windowName) const;
    void ErrorProjectWindowNameExists(const std::string& windowName, const std::string& fileName) const;
    void ShowFileError(const std::string& text) const;
    void ShowInputErrorIn(const std::string& fieldLabel, const std::string& text) const;
    void ShowInputError(const std::string& text) const;
    void ErrorFieldEmpty(const std::string& fieldLabel) const;
    void ShowAssertionFailed(const std::string& condition, const std::string& sourceFile, int line) const;
};
