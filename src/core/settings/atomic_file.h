#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kr {

// The outcome of writing a file: success, or a message for the user that
// names the file and the reason.
struct [[nodiscard]] FileWriteResult {
    std::string error;  // empty on success

    bool Ok() const { return error.empty(); }
};

// Replaces file with contents so that the file always holds either the old
// or the new contents in full, also after a crash or power loss: the
// contents go to a new file in the same folder, are flushed to the disk,
// and that file is renamed over the old one. Missing folders are created.
// On failure the old file is untouched and no temporary file is left.
FileWriteResult ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

}  // namespace kr
