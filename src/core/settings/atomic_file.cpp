#include "core/settings/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr int TempNameAttempts = 100;
// As many links in a row as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
constexpr std::size_t CopyChunkBytes = 1 << 16;

#ifdef _WIN32
int OpenNewFile(const fs::path& path)
{
    return ::_wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int OpenForReading(const fs::path& path) { return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY); }
long long ReadSome(int fd, char* data, std::size_t size)
{
    return ::_read(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
long long WriteSome(int fd, const char* data, std::size_t size)
{
    return ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
int SyncFile(int fd) { return ::_commit(fd); }
int CloseFile(int fd) { return ::_close(fd); }
void SyncFolder(const fs::path&) {}  // NTFS orders the rename after the data
#else
int OpenNewFile(const fs::path& path)
{
    return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
}
int OpenForReading(const fs::path& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }
long long ReadSome(int fd, char* data, std::size_t size) { return ::read(fd, data, size); }
long long WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int SyncFile(int fd) { return ::fsync(fd); }
int CloseFile(int fd) { return ::close(fd); }

// Makes the rename itself durable; a failure here loses nothing that the
// rename did not already promise, so it is not reported.
void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

std::string ErrnoText(int error) { return std::generic_category().message(error); }

FileWriteResult Failure(const fs::path& file, const std::string& reason, std::error_code code = {})
{
    return {"Cannot write the file \"" + file.string() + "\": " + reason, code};
}

std::error_code ErrnoCode(int error) { return {error, std::generic_category()}; }

struct TempFile {
    fs::path path;
    int fd = -1;
};

// A new file beside the target, under a name no one else is using.
std::optional<TempFile> CreateTempFile(const fs::path& file, int& error)
{
    std::random_device random;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".tmp%06x", digits(random));
        TempFile temp{file.parent_path() / ("." + file.filename().string() + suffix)};
        temp.fd = OpenNewFile(temp.path);
        if (temp.fd >= 0)
            return temp;
        error = errno;
        if (error != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// 0 or the error number.
int WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const long long written = WriteSome(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Everything from one open file into another; 0 or the error number.
int CopyAll(int from, int to)
{
    std::string buffer(CopyChunkBytes, '\0');
    for (;;) {
        const long long read = ReadSome(from, buffer.data(), buffer.size());
        if (read < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (read == 0)
            return 0;
        if (const int error = WriteAll(to, std::string_view(buffer.data(), static_cast<std::size_t>(read))))
            return error;
    }
}

// Fills the temporary file through its descriptor, flushes and closes it;
// 0 or the error number.
using FillFile = std::function<int(int fd)>;
int FillTempFile(TempFile& temp, const FillFile& fill)
{
    int error = fill(temp.fd);
    if (error == 0 && SyncFile(temp.fd) != 0)
        error = errno;
    if (CloseFile(temp.fd) != 0 && error == 0)
        error = errno;
    temp.fd = -1;
    return error;
}

// The new file takes the permissions of the one it replaces, so a settings
// file the user made private stays private.
void KeepPermissions(const fs::path& file, const fs::path& temp)
{
    std::error_code ec;
    const fs::file_status old = fs::status(file, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);
}

// The file a name stands for in the end: a symbolic link is followed to its
// target, a chain of them to the last, a relative one from the link's own
// folder. A name that is no link (or names nothing yet) stands for itself.
std::optional<fs::path> FinalTarget(const fs::path& file, std::error_code& ec)
{
    fs::path current = file;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code statusError;
        if (!fs::is_symlink(fs::symlink_status(current, statusError)))
            return current;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            return std::nullopt;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return std::nullopt;
}

// Gives the finished temporary file its permissions before it takes the
// target's name.
using SetPermissions = std::function<std::error_code(const fs::path& temp)>;

FileWriteResult ReplaceWith(const fs::path& name, LinkAtFile links, const FillFile& fill,
                            const SetPermissions& setPermissions)
{
    std::error_code ec;
    const std::optional<fs::path> target = links == LinkAtFile::WriteThrough ? FinalTarget(name, ec) : name;
    if (!target)
        return Failure(name, ec.message(), ec);
    // The temporary file lies beside the file it replaces, so that the
    // rename stays within one file system.
    const fs::path& file = *target;
    const fs::path folder = file.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, ec);
        if (ec)
            return Failure(name, "cannot create the folder \"" + folder.string() + "\": " + ec.message(), ec);
    }

    int error = 0;
    auto temp = CreateTempFile(file, error);
    if (!temp)
        return Failure(name, ErrnoText(error), ErrnoCode(error));

    error = FillTempFile(*temp, fill);
    ec = error != 0 ? ErrnoCode(error) : setPermissions(temp->path);
    if (!ec) {
        fs::rename(temp->path, file, ec);
        if (!ec) {
            SyncFolder(folder);
            return {};
        }
    }
    const std::error_code failure = ec;
    fs::remove(temp->path, ec);
    return Failure(name, failure.message(), failure);
}

}  // namespace

FileWriteResult ReplaceFileAtomically(const fs::path& file, std::string_view contents)
{
    return ReplaceWith(
        file, LinkAtFile::WriteThrough, [contents](int fd) { return WriteAll(fd, contents); },
        [&file](const fs::path& temp) {
            KeepPermissions(file, temp);
            return std::error_code();
        });
}

FileWriteResult CopyFileAtomically(const fs::path& source, const fs::path& file, fs::perms permissions,
                                   LinkAtFile links)
{
    const int from = OpenForReading(source);
    if (from < 0) {
        const int error = errno;
        return {"Cannot read the file \"" + source.string() + "\": " + ErrnoText(error), ErrnoCode(error)};
    }
    FileWriteResult result = ReplaceWith(
        file, links, [from](int to) { return CopyAll(from, to); },
        [permissions](const fs::path& temp) {
            std::error_code ec;
            fs::permissions(temp, permissions, fs::perm_options::replace, ec);
            return ec;
        });
    CloseFile(from);
    return result;
}

}  // namespace kr
