#include "core/install/copy_install_files.h"

#include <system_error>

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms WritableForOwner = fs::perms::owner_read | fs::perms::owner_write;

bool IsSameFile(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    return fs::exists(target, error) && fs::equivalent(source, target, error);
}

bool CopyOneFile(const fs::path& source, const fs::path& target)
{
    if (IsSameFile(source, target))
        return false;
    std::error_code error;
    // A link in the target folder is replaced, never written through.
    if (fs::symlink_status(target, error).type() == fs::file_type::symlink && !fs::remove(target, error))
        return false;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), error);
    if (error)
        return false;
    if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, error) || error)
        return false;
    fs::permissions(target, WritableForOwner, fs::perm_options::add, error);
    return !error;
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
        if (!CopyOneFile(sourceDir / name, target))
            return {false, target};
        ++copied;
        if (progress)
            progress(copied, files.size());
    }
    return {};
}

}  // namespace kr
