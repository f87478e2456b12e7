#pragma once

#include <filesystem>
#include <system_error>

namespace kr {

// Creates dir with every missing parent; no error when it then is an
// existing folder, else why not.
std::error_code PrepareTargetDirectory(const std::filesystem::path& dir);

// True when both name one existing folder, also through links or different
// spellings. Installing a folder into itself would truncate every file.
bool IsSameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace kr
