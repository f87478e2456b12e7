#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace kr {

// The outcome of writing a file: success, or a message for the user that
// names the file and the reason.
struct [[nodiscard]] FileWriteResult {
    std::string error;      // empty on success
    std::error_code code{};  // the system's reason, when it gave one

    bool Ok() const { return error.empty(); }
};

// Replaces file with contents so that the file always holds either the old
// or the new contents in full, also after a crash or power loss: the
// contents go to a new file in the same folder, are flushed to the disk,
// and that file is renamed over the old one. Missing folders are created.
// On failure the old file is untouched and no temporary file is left.
FileWriteResult ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Copies source over file in the same way, so that a copy that fails half
// way (a full disk) leaves no cut-off file under file's name: the copy is
// made under a temporary name beside file, flushed, given permissions and
// renamed over file. A link at file is replaced, never written through.
FileWriteResult CopyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& file,
                                   std::filesystem::perms permissions);

}  // namespace kr
