#include "platform/SafeFileWriter.h"

#include <atomic>
#include <cerrno>
#include <system_error>

namespace {

bool IsProtected(const std::filesystem::path& target)
{
    std::error_code ec;
    const auto status = std::filesystem::status(target, ec);
    if (ec || !std::filesystem::exists(status))
        return false;
    if (std::filesystem::is_directory(status))
        return true;
    return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

} // namespace

SafeFileWriter::SafeFileWriter(const std::string& target_) : target(target_) {}

SafeFileWriter::~SafeFileWriter()
{
    Discard();
}

bool SafeFileWriter::Open(size_t bufferSize)
{
    if (target.empty() || IsProtected(target))
        return false;
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".~" + std::to_string(serial.fetch_add(1)) + ".tmp";
        file = std::fopen(temporary.string().c_str(), "wbx");
        if (file) {
            if (bufferSize)
                std::setvbuf(file, nullptr, _IOFBF, bufferSize);
            failed = false;
            return true;
        }
        if (errno != EEXIST)
            break; // the folder itself refuses
    }
    temporary.clear();
    return false;
}

bool SafeFileWriter::Write(const void* data, size_t size)
{
    if (!file || failed)
        return false;
    if (size && std::fwrite(data, 1, size, file) != size)
        failed = true;
    return !failed;
}

bool SafeFileWriter::Commit()
{
    if (!file)
        return false;
    bool ok = !failed;
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    file = nullptr;
    std::error_code ec;
    if (ok) {
        const auto old = std::filesystem::status(target, ec);
        if (!ec && std::filesystem::exists(old))
            std::filesystem::permissions(temporary, old.permissions(), ec);
        std::filesystem::rename(temporary, target, ec);
        ok = !ec;
    }
    if (ok)
        temporary.clear();
    else
        Discard();
    return ok;
}

void SafeFileWriter::Discard()
{
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (!temporary.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporary, ec);
        temporary.clear();
    }
}

bool SafeFileWriter::WriteWhole(const std::string& target, const std::string& bytes)
{
    SafeFileWriter writer(target);
    return writer.Open() && writer.Write(bytes) && writer.Commit();
}
