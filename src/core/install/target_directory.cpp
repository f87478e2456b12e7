#include "core/install/target_directory.h"

#include <system_error>

namespace kr {

namespace fs = std::filesystem;

std::error_code PrepareTargetDirectory(const fs::path& dir)
{
    if (dir.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::error_code error;
    fs::create_directories(dir, error);
    if (error)
        return error;
    if (!fs::is_directory(dir, error))
        return error ? error : std::make_error_code(std::errc::not_a_directory);
    return {};
}

bool IsSameFolder(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    if (a.empty() || b.empty() || !fs::is_directory(a, error) || !fs::is_directory(b, error))
        return false;
    return fs::equivalent(a, b, error) && !error;
}

}  // namespace kr
