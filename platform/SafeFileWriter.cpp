#include "platform/SafeFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const CannotOpen = "Operating System cannot open file for writing, maybe the file is readonly.";
const char* const CannotWrite = "Operating System cannot write the file, maybe the disk is full.";

std::string OpenError(int code)
{
    switch (code) {
    case ENAMETOOLONG:
        return "Operating System cannot open file for writing: the file name is too long.";
    case ENOENT:
    case ENOTDIR:
        return "Operating System cannot open file for writing: the folder does not exist.";
    case ENOSPC:
    case EDQUOT:
        return "Operating System cannot open file for writing: the disk is full.";
    case 0:
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return CannotOpen;
    default:
        return std::string("Operating System cannot open file for writing: ") + std::strerror(code) + ".";
    }
}

std::string WriteError(int code)
{
    if (code == 0 || code == ENOSPC || code == EDQUOT || code == EFBIG)
        return CannotWrite;
    return std::string("Operating System cannot write the file: ") + std::strerror(code) + ".";
}

std::string ReplaceError(int code)
{
    if (code == ENAMETOOLONG || code == EACCES || code == EPERM || code == EROFS || code == ENOSPC)
        return OpenError(code);
    return std::string("Operating System cannot replace the file: ") + std::strerror(code) + ".";
}

bool IsProtected(const fs::path& target)
{
    std::error_code ec;
    const auto status = fs::status(target, ec);
    if (ec || !fs::exists(status))
        return false;
    if (fs::is_directory(status))
        return true;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// The path a symbolic link finally names; the path itself when it is no link.
// False (errno ELOOP) for links that go round.
bool FollowLinks(fs::path& path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)) || ec)
            return true;
        fs::path next = fs::read_symlink(path, ec);
        if (ec)
            return true;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

fs::path FolderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

size_t NameMax(const fs::path& folder)
{
    long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<size_t>(max) : 255;
}

bool IsDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// name is prefix + digits + suffix.
bool Matches(const std::string& name, const std::string& prefix, const std::string& suffix)
{
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    return IsDigits(std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
}

// Forces what was renamed in a folder to the disk; a file system that cannot is no failure.
void SyncFolder(const fs::path& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

SafeFileWriter::SafeFileWriter(const std::string& target_) : target(target_) {}

SafeFileWriter::~SafeFileWriter()
{
    Discard();
}

fs::path SafeFileWriter::TemporaryName(const fs::path& target, unsigned serial)
{
    // FNV-1a of the name: the same target always gets the same short prefix.
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : target.filename().string()) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char hex[17];
    for (int i = 0; i < 16; ++i)
        hex[i] = "0123456789abcdef"[(hash >> (60 - 4 * i)) & 0xF];
    hex[16] = 0;
    return FolderOf(target) / ("." + std::string(hex) + ".~" + std::to_string(serial) + ".tmp");
}

void SafeFileWriter::Fail(const std::string& message)
{
    error = message;
}

void SafeFileWriter::RemoveStaleTemporaries() const
{
    const fs::path folder = FolderOf(target);
    const std::string ours = TemporaryName(target, 0).filename().string();
    const std::string prefix = ours.substr(0, ours.size() - std::string("0.tmp").size());
    // Also the long names earlier versions gave: "<name>.~N.tmp".
    const std::string legacy = target.filename().string() + ".~";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!Matches(name, prefix, ".tmp") && !Matches(name, legacy, ".tmp"))
            continue;
        // A save still writing holds its file locked.
        int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

bool SafeFileWriter::Open(size_t bufferSize)
{
    error.clear();
    if (target.empty()) {
        Fail(OpenError(ENOENT));
        return false;
    }
    if (!FollowLinks(target)) {
        Fail(OpenError(errno));
        return false;
    }
    if (IsProtected(target)) {
        Fail(CannotOpen);
        return false;
    }
    const fs::path folder = FolderOf(target);
    if (target.filename().string().size() > NameMax(folder)) {
        Fail(OpenError(ENAMETOOLONG));
        return false;
    }
    RemoveStaleTemporaries();
    static std::atomic<unsigned> serial{0};
    int code = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target, serial.fetch_add(1));
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            code = errno;
            if (code == EEXIST)
                continue;
            break; // the folder itself refuses
        }
        // Held until the file is renamed or removed: a save of the same target
        // meanwhile sees it is no leftover.
        ::flock(fd, LOCK_EX | LOCK_NB);
        file = ::fdopen(fd, "wb");
        if (!file) {
            code = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            break;
        }
        if (bufferSize)
            std::setvbuf(file, nullptr, _IOFBF, bufferSize);
        failed = false;
        writeErrno = 0;
        return true;
    }
    temporary.clear();
    Fail(OpenError(code));
    return false;
}

bool SafeFileWriter::Write(const void* data, size_t size)
{
    if (!file || failed)
        return false;
    if (size && std::fwrite(data, 1, size, file) != size) {
        failed = true;
        writeErrno = errno;
    }
    return !failed;
}

bool SafeFileWriter::Commit()
{
    if (!file) {
        if (error.empty())
            Fail(CannotOpen);
        return false;
    }
    bool ok = !failed;
    int code = writeErrno;
    auto check = [&](bool step) {
        if (!step && ok) {
            ok = false;
            code = errno;
        }
    };
    check(std::fflush(file) == 0);
    // The data is on the disk before the name points at it.
    check(::fsync(::fileno(file)) == 0);
    check(std::fclose(file) == 0);
    file = nullptr;
    if (!ok) {
        Fail(WriteError(code));
        Discard();
        return false;
    }
    std::error_code ec;
    const auto old = fs::status(target, ec);
    if (!ec && fs::exists(old))
        fs::permissions(temporary, old.permissions(), ec);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        Fail(ReplaceError(errno));
        Discard();
        return false;
    }
    temporary.clear();
    SyncFolder(FolderOf(target));
    return true;
}

void SafeFileWriter::Discard()
{
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (!temporary.empty()) {
        ::unlink(temporary.c_str());
        temporary.clear();
    }
}

bool SafeFileWriter::WriteWhole(const std::string& target, const std::string& bytes, std::string* error)
{
    SafeFileWriter writer(target);
    bool ok = writer.Open();
    if (ok) {
        writer.Write(bytes);
        ok = writer.Commit(); // says what a failed write was
    }
    if (!ok && error)
        *error = writer.GetError();
    return ok;
}
