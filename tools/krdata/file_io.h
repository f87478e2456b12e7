#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kr {

// The whole file as bytes; a DataError naming the file when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// Writes the bytes beside the target and renames them over it, so that the
// target is either the old file or the complete new one, never a part.
void ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace kr
