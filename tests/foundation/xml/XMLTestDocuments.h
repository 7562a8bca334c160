#pragma once
#include <string>

// The two header lines every file of the program starts with; the reader
// skips them and starts counting at line 3.
inline std::string XMLHeader()
{
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE Root_v9_1 SYSTEM \"Root_v9_1.dtd\">\n";
}

// Header, the writer's blank third line and body: body's first line is line 4.
inline std::string XMLDocument(const std::string& body)
{
    return XMLHeader() + "\n" + body;
}

inline std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}
