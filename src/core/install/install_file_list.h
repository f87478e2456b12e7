#pragma once

#include "core/data/language.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// Names of files directly in the source folder, without duplicates, in the
// order they are to be copied.
using InstallFileList = std::vector<std::string>;

// The name patterns of a Standard or Customised installation, in order.
// The pictures ("*.bmp", "*.dxf") are among them only when they are copied.
std::vector<std::string_view> InstallFilePatterns(bool copyPictures);

// The ordinary files of dir matching pattern (ignoring case), sorted by name.
// Folders, hidden files (a leading dot) and symbolic links are left out: a
// link could lead the copy to anything on the machine.
std::vector<std::string> MatchingOrdinaryFiles(const std::filesystem::path& dir, std::string_view pattern);

// The files a Standard or Customised installation copies from appDir: first
// the flag bitmap of every language (its "FLAG" text), then the files of each
// pattern. Without copyPictures no other picture ("*.bmp", "*.dxf") is
// listed, whichever pattern matches it: the pictures stay in the source
// folder, which the settings then name as the picture folder. A flag name
// that would leave appDir is ignored.
InstallFileList BuildInstallFileList(const std::filesystem::path& appDir, const LanguageList& languages,
                                     bool copyPictures);

// The files a Server installation copies: every ordinary file of appDir.
InstallFileList BuildServerFileList(const std::filesystem::path& appDir);

}  // namespace kr
