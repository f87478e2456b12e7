#pragma once

#include <filesystem>

namespace kr {

// A file name read from a data file (a drawing, a flag, a picture) may only
// name a file inside the folder it is looked for in: not absolute, no drive
// or root, no "." or ".." among its parts, not empty.
bool StaysInsideFolder(const std::filesystem::path& relative);

}  // namespace kr
