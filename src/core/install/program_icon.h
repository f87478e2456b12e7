#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The program's icon ships in the distribution folder as PNG files at the
// sizes of the hicolor icon theme and one SVG, under names the install
// file list takes along ("KR*.*"). An installation that makes shortcuts puts
// them into the user's icon theme under one icon name, which the desktop
// entries give, so that every desktop picks the size it needs.
inline constexpr std::string_view ProgramIconName = "kr-oil-coolers";
inline constexpr std::array<int, 6> ProgramIconSizes{16, 32, 48, 64, 128, 256};

// "KR_Oil_Coolers_48.png" and "KR_Oil_Coolers.svg".
std::string ProgramIconPngName(int size);
std::string ProgramIconSvgName();

// One icon file of the distribution folder and its place in a theme folder
// ("48x48/apps/kr-oil-coolers.png", "scalable/apps/kr-oil-coolers.svg").
struct ProgramIconFile {
    std::string FileName;
    std::filesystem::path ThemePath;
};
std::vector<ProgramIconFile> ProgramIconFiles();

// Copies every icon file found in sourceDir into the theme folder; true
// when the icon can be named by ProgramIconName afterwards, that is when
// at least one file is in its place.
bool InstallProgramIcon(const std::filesystem::path& sourceDir, const std::filesystem::path& themeDir);

}  // namespace kr
