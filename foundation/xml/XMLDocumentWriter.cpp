#include "foundation/xml/XMLDocumentWriter.h"

#include "foundation/xml/Latin1.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

const char* const cannotWrite = "Operating System cannot open file for writing, maybe the file is readonly.";

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

// Creates a file that did not exist before, next to target.
std::FILE* OpenTemporary(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(attempt);
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx"))
            return file;
        std::error_code ec;
        if (!std::filesystem::exists(temporary, ec))
            return nullptr; // not a name clash: the folder itself refuses
    }
    return nullptr;
}

bool IsReadOnly(const std::filesystem::path& target)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(target, ec);
    if (ec || !std::filesystem::exists(status))
        return false;
    return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
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
    const std::filesystem::path target(fileName);
    // A file the user protected stays as it is, even though its folder would let us replace it.
    if (IsReadOnly(target)) {
        error = cannotWrite;
        return false;
    }
    const std::string bytes = DocumentBytes(document, suffix);
    std::filesystem::path temporary;
    std::FILE* file = OpenTemporary(target, temporary);
    if (!file) {
        error = cannotWrite;
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    std::error_code ec;
    if (written) {
        std::error_code permissionsError;
        const std::filesystem::file_status old = std::filesystem::status(target, permissionsError);
        if (!permissionsError && std::filesystem::exists(old))
            std::filesystem::permissions(temporary, old.permissions(), permissionsError);
        std::filesystem::rename(temporary, target, ec);
    }
    if (!written || ec) {
        std::filesystem::remove(temporary, ec);
        error = cannotWrite;
        return false;
    }
    return true;
}
