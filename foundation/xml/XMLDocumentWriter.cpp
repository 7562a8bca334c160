#include "foundation/xml/XMLDocumentWriter.h"

#include "foundation/xml/Latin1.h"
#include "platform/SafeFileWriter.h"

namespace {

// The file keeps the line ends the program always wrote: CR LF.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

std::string DocumentBytes(const TXMLItem& document, const std::string& suffix)
{
    const std::string root = document.GetElement() + suffix;
    std::string text = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
    text += "<!DOCTYPE " + root + " SYSTEM \"" + root + ".dtd\">\n\n";
    document.WriteItem(text, 0);
    return WithCrLf(Utf8ToLatin1(text));
}

bool WriteDocument(const TXMLItem& document, const std::string& fileName, std::string& error, const std::string& suffix)
{
    return SafeFileWriter::WriteWhole(fileName, DocumentBytes(document, suffix), &error);
}
