#pragma once

#include <filesystem>

namespace kr {

// Creates dir with every missing parent; true when it then is an existing
// folder.
bool PrepareTargetDirectory(const std::filesystem::path& dir);

// True when both name one existing folder, also through links or different
// spellings. Installing a folder into itself would truncate every file.
bool IsSameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace kr
