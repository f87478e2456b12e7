#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kr {

// Names of the folders an installation creates.
inline constexpr std::string_view InstallFolderName = "KR coolers";
inline constexpr std::string_view ServerFolderName = "KR coolers copy";
inline constexpr std::string_view MenuFolderName = "KR coolers";

// The folder under which programs are installed for the user: the per-user
// data folder $XDG_DATA_HOME, else $HOME/.local/share; without a usable
// HOME, HOME itself is not known either, and the working folder is used.
std::filesystem::path ProgramFilesDir();

// The default targets of a Standard or Customised and of a Server
// installation.
std::filesystem::path DefaultInstallDir();
std::filesystem::path DefaultServerDir();

// The user's desktop folder: XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs
// when that file names one, else $HOME/Desktop.
std::filesystem::path DesktopDir();

// The folder of the program's entry in the applications menu; empty when no
// data folder is known, since menus read entries from no other place and an
// entry under the working folder would only litter it.
std::filesystem::path MenuDir();

// The user's folder of the hicolor icon theme, where desktops look for
// application icons first; empty when no data folder is known.
std::filesystem::path IconThemeDir();

// What a folder chosen by browsing becomes: every trailing separator
// removed, then one separator and folderName appended.
std::string AppendFolderName(std::string_view chosen, std::string_view folderName);

// The folder part of a path as typed, up to and including its last
// separator; empty when it has none.
std::string FolderPartOf(std::string_view path);

// The folder as a text ending in exactly one separator, the way the stored
// settings hold folders.
std::string WithTrailingSeparator(const std::filesystem::path& dir);

// The folder with every trailing separator removed (a root stays a root).
std::filesystem::path WithoutTrailingSeparator(std::string_view dir);

// The folder a folder field names, as the installation uses it: "~" and
// "~/..." lead into the home folder, as in a shell, and trailing
// separators are dropped. Empty for anything that does not name a folder
// from the root (a relative path, "~user", "~" without a known home): such
// a folder would depend on the folder the wizard happened to start in.
std::filesystem::path ResolveTypedFolder(std::string_view typed);

}  // namespace kr
