#pragma once

#include "core/install/install_file_list.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <system_error>

namespace kr {

// Told how far the copying is: once with 0 before the first file, then
// after every file copied.
using CopyProgress = std::function<void(std::size_t copied, std::size_t total)>;

struct CopyResult {
    bool Ok = true;
    std::filesystem::path FailedTarget;  // the target file that could not be written
    std::error_code Reason;              // why, as the system said
};

// Copies every file of the list from sourceDir to targetDir, overwriting,
// and makes each copy writable for its owner (copies from a write-protected
// medium would stay read-only), keeping the owner's execute permission of
// programs. Each file is copied under a temporary name and renamed into
// place, so a copy that fails half way (a full disk) leaves the earlier file
// of that name, or none, never a cut-off one; and a running program of that
// name keeps running from the file it started from. Stops at the first file
// that cannot be copied; the files copied before it stay. A target that is
// the source file itself (a link to it) counts as a failure.
CopyResult CopyInstallFiles(const std::filesystem::path& sourceDir, const InstallFileList& files,
                            const std::filesystem::path& targetDir, const CopyProgress& progress);

}  // namespace kr
