#include "core/settings/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
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

#ifdef _WIN32
int OpenNewFile(const fs::path& path)
{
    return ::_wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
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

FileWriteResult Failure(const fs::path& file, const std::string& reason)
{
    return {"Cannot write the file \"" + file.string() + "\": " + reason};
}

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

bool WriteAll(int fd, std::string_view contents, int& error)
{
    while (!contents.empty()) {
        const long long written = WriteSome(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes, flushes and closes the temporary file; 0 or the error number.
int FillTempFile(TempFile& temp, std::string_view contents)
{
    int error = 0;
    bool ok = WriteAll(temp.fd, contents, error);
    if (ok && SyncFile(temp.fd) != 0) {
        error = errno;
        ok = false;
    }
    if (CloseFile(temp.fd) != 0 && ok)
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

}  // namespace

FileWriteResult ReplaceFileAtomically(const fs::path& file, std::string_view contents)
{
    const fs::path folder = file.parent_path();
    std::error_code ec;
    if (!folder.empty()) {
        fs::create_directories(folder, ec);
        if (ec)
            return Failure(file, "cannot create the folder \"" + folder.string() + "\": " + ec.message());
    }

    int error = 0;
    auto temp = CreateTempFile(file, error);
    if (!temp)
        return Failure(file, ErrnoText(error));

    error = FillTempFile(*temp, contents);
    KeepPermissions(file, temp->path);
    std::string reason = error != 0 ? ErrnoText(error) : "";
    if (error == 0) {
        fs::rename(temp->path, file, ec);
        if (!ec) {
            SyncFolder(folder);
            return {};
        }
        reason = ec.message();
    }
    fs::remove(temp->path, ec);
    return Failure(file, reason);
}

}  // namespace kr
