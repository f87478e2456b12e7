#include "core/install/program_icon.h"

#include "core/install/program_names.h"
#include "core/settings/atomic_file.h"

#include <system_error>

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view AppsFolder = "apps";
constexpr std::string_view ScalableFolder = "scalable";
constexpr fs::perms IconPermissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                      fs::perms::others_read;

std::string SizeFolder(int size)
{
    return std::to_string(size) + "x" + std::to_string(size);
}

}  // namespace

std::string ProgramIconPngName(int size)
{
    return std::string(MainProgramBaseName) + "_" + std::to_string(size) + ".png";
}

std::string ProgramIconSvgName()
{
    return std::string(MainProgramBaseName) + ".svg";
}

std::vector<ProgramIconFile> ProgramIconFiles()
{
    const std::string iconName(ProgramIconName);
    std::vector<ProgramIconFile> files;
    for (const int size : ProgramIconSizes)
        files.push_back({ProgramIconPngName(size), fs::path(SizeFolder(size)) / AppsFolder / (iconName + ".png")});
    files.push_back({ProgramIconSvgName(), fs::path(ScalableFolder) / AppsFolder / (iconName + ".svg")});
    return files;
}

bool InstallProgramIcon(const fs::path& sourceDir, const fs::path& themeDir)
{
    if (themeDir.empty())
        return false;
    bool installed = false;
    for (const ProgramIconFile& icon : ProgramIconFiles()) {
        std::error_code error;
        const fs::path source = sourceDir / icon.FileName;
        if (!fs::is_regular_file(source, error))
            continue;
        if (CopyFileAtomically(source, themeDir / icon.ThemePath, IconPermissions, LinkAtFile::Replace).Ok())
            installed = true;
    }
    return installed;
}

}  // namespace kr
