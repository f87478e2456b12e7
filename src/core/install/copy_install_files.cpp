#include "core/install/copy_install_files.h"

#include "core/settings/atomic_file.h"

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms WritableForOwner = fs::perms::owner_read | fs::perms::owner_write;

bool IsSameFile(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    return fs::exists(target, error) && fs::equivalent(source, target, error);
}

std::error_code CopyOneFile(const fs::path& source, const fs::path& target)
{
    if (IsSameFile(source, target))
        return std::make_error_code(std::errc::file_exists);
    std::error_code error;
    const fs::file_status status = fs::status(source, error);
    if (error)
        return error;
    const FileWriteResult copied = CopyFileAtomically(source, target, status.permissions() | WritableForOwner,
                                                      LinkAtFile::Replace);
    if (copied.Ok())
        return {};
    return copied.code ? copied.code : std::make_error_code(std::errc::io_error);
}

}  // namespace

CopyResult CopyInstallFiles(const fs::path& sourceDir, const InstallFileList& files, const fs::path& targetDir,
                            const CopyProgress& progress)
{
    if (progress)
        progress(0, files.size());
    std::size_t copied = 0;
    for (const std::string& name : files) {
        const fs::path target = targetDir / name;
        if (const std::error_code reason = CopyOneFile(sourceDir / name, target))
            return {false, target, reason};
        ++copied;
        if (progress)
            progress(copied, files.size());
    }
    return {};
}

}  // namespace kr
