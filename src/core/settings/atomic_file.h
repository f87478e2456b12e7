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

// What a symbolic link at the name of a file being replaced stands for.
enum class LinkAtFile {
    // A file the user keeps: the link's final target is the file, written
    // in its own folder, and the link stays.
    WriteThrough,
    // A file the program places (installing): the link gives way to the
    // file, so that nothing outside the target folder is written.
    Replace,
};

// Every write of a file the program keeps for the user goes through here.
// Replaces file with contents so that the file always holds either the old
// or the new contents in full, also after a crash, power loss or a full
// disk: the contents go to a new file in the same folder, are flushed to
// the disk, and that file is renamed over the old one. Missing folders are
// created. On failure the old file is untouched and no temporary file is
// left. A link at file is written through.
FileWriteResult ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Copies source over file in the same way, given permissions before the
// rename.
FileWriteResult CopyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& file,
                                   std::filesystem::perms permissions,
                                   LinkAtFile links = LinkAtFile::WriteThrough);

}  // namespace kr
