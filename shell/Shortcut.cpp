#include "shell/Shortcut.h"

#include <cctype>

TShortcut TShortcut::Parse(std::string_view text)
{
    TShortcut result;
    // The last part is the key; a key of "+" itself is not used by the program.
    while (!text.empty()) {
        size_t plus = text.find('+');
        if (plus == std::string_view::npos || plus + 1 == text.size()) {
            result.key = std::string(text);
            break;
        }
        std::string_view part = text.substr(0, plus);
        if (part == "Ctrl")
            result.modifiers |= ModCtrl;
        else if (part == "Shift")
            result.modifiers |= ModShift;
        else if (part == "Alt")
            result.modifiers |= ModAlt;
        text.remove_prefix(plus + 1);
    }
    if (result.key.size() == 1)
        result.key[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(result.key[0])));
    if (result.key.empty())
        result.modifiers = 0;
    return result;
}

std::string TShortcut::Text() const
{
    if (key.empty())
        return {};
    std::string text;
    if (modifiers & ModCtrl)
        text += "Ctrl+";
    if (modifiers & ModShift)
        text += "Shift+";
    if (modifiers & ModAlt)
        text += "Alt+";
    return text + key;
}

TShortcut TShortcut::UnshiftedAlternative() const
{
    static constexpr const char* pairs[][2] = {
        {">", "."}, {"<", ","}, {"?", "/"}, {":", ";"}, {"\"", "'"}, {"!", "1"}, {"@", "2"}, {"#", "3"},
        {"$", "4"}, {"%", "5"}, {"^", "6"}, {"&", "7"}, {"*", "8"}, {"(", "9"}, {")", "0"}, {"_", "-"},
        {"+", "="}, {"{", "["}, {"}", "]"}, {"|", "\\"}, {"~", "`"},
    };
    if (!(modifiers & ModShift))
        return {};
    for (const auto& pair : pairs)
        if (key == pair[0])
            return TShortcut{modifiers, pair[1]};
    return {};
}
