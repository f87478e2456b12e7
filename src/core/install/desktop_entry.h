#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kr {

// The shortcuts that start the installed program are desktop entries of
// this name, on the desktop and in the applications menu.
inline constexpr std::string_view ShortcutName = "KR-Oil Coolers";
inline constexpr std::string_view DesktopEntrySuffix = ".desktop";

// A value of a desktop entry as written to the file: backslashes, line
// breaks and tabs escaped, and a leading blank kept.
std::string EscapeDesktopValue(std::string_view value);

// One argument of an Exec line, quoted so that blanks, quotes, "$", "`",
// backslashes and "%" in it are taken literally. It still needs
// EscapeDesktopValue when written.
std::string QuoteExecArgument(std::string_view argument);

// The entry that starts installDir's main program in installDir, showing
// the icon of the theme by that name, or none when iconName is empty.
std::string DesktopEntryText(const std::filesystem::path& installDir, std::string_view iconName);

// Writes the entry into the desktop folder and marks it executable, as
// desktops require of entries they are to trust. A desktop folder that
// does not exist yet is created, as a file manager would on first start.
bool CreateDesktopShortcut(const std::filesystem::path& desktopDir, const std::filesystem::path& installDir,
                           std::string_view iconName);

// Writes the entry into the menu folder, creating the folder with its parents.
bool CreateMenuShortcut(const std::filesystem::path& menuDir, const std::filesystem::path& installDir,
                        std::string_view iconName);

}  // namespace kr
