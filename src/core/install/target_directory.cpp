#include "core/install/target_directory.h"

#include <system_error>

namespace kr {

namespace fs = std::filesystem;

bool PrepareTargetDirectory(const fs::path& dir)
{
    std::error_code error;
    if (dir.empty())
        return false;
    fs::create_directories(dir, error);
    return fs::is_directory(dir, error);
}

bool IsSameFolder(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    if (a.empty() || b.empty() || !fs::is_directory(a, error) || !fs::is_directory(b, error))
        return false;
    return fs::equivalent(a, b, error) && !error;
}

}  // namespace kr
