#pragma once
#include <string>

// The title of a document window from its document's name and file name.
std::string ChildCaption(const std::string& name, const std::string& fileName);

// The question a window asks before its unsaved document closes.
std::string SaveQuestion(unsigned char kind, const std::string& name, const std::string& fileName);

// The caption of that question's box.
inline constexpr const char* SaveQuestionCaption = "You have unsaved changes";
