#include "core/install/install_locations.h"

#include "core/common/text_case.h"

#include <cstdlib>
#include <fstream>

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr const char* DataHomeVariable = "XDG_DATA_HOME";
constexpr const char* ConfigHomeVariable = "XDG_CONFIG_HOME";
constexpr const char* HomeVariable = "HOME";
constexpr const char* DataFolderUnderHome = ".local/share";
constexpr const char* ConfigFolderUnderHome = ".config";
constexpr const char* UserDirsFile = "user-dirs.dirs";
constexpr std::string_view DesktopDirName = "XDG_DESKTOP_DIR";
constexpr std::string_view HomeReference = "$HOME";
constexpr std::string_view HomeShorthand = "~";
constexpr const char* DefaultDesktopFolder = "Desktop";
constexpr const char* ApplicationsFolder = "applications";
constexpr const char* IconsFolder = "icons";
constexpr const char* FallbackIconTheme = "hicolor";

#ifdef _WIN32
constexpr std::string_view Separators = "\\/";
constexpr std::string_view FolderEnds = "\\/:";
#else
constexpr std::string_view Separators = "/";
constexpr std::string_view FolderEnds = "/";
#endif

// An environment folder counts only when it is absolute, as the XDG rules
// require of every such variable.
fs::path AbsoluteFromEnvironment(const char* variable)
{
    const char* value = std::getenv(variable);
    if (!value)
        return {};
    fs::path path(value);
    return path.is_absolute() ? path : fs::path();
}

fs::path Home()
{
    return AbsoluteFromEnvironment(HomeVariable);
}

fs::path ConfigHome()
{
    const fs::path configHome = AbsoluteFromEnvironment(ConfigHomeVariable);
    if (!configHome.empty())
        return configHome;
    const fs::path home = Home();
    return home.empty() ? fs::path() : home / ConfigFolderUnderHome;
}

// The value of a user-dirs.dirs line: a double-quoted text in which a
// backslash takes the next character as it is, starting with "$HOME" or "/".
fs::path UserDirValue(std::string_view quoted)
{
    quoted = TrimText(quoted);
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return {};
    std::string text;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size())
            ++i;
        text += quoted[i];
    }
    if (std::string_view(text).starts_with(HomeReference)) {
        const std::string rest = text.substr(HomeReference.size());
        if (!rest.empty() && rest.front() != '/')
            return {};
        const fs::path home = Home();
        return home.empty() ? fs::path() : fs::path(home.string() + rest);
    }
    const fs::path path(text);
    return path.is_absolute() ? path : fs::path();
}

fs::path DesktopDirFromUserDirs()
{
    const fs::path configHome = ConfigHome();
    if (configHome.empty())
        return {};
    std::ifstream in(configHome / UserDirsFile);
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = TrimText(line);
        const std::size_t equals = text.find('=');
        if (text.starts_with('#') || equals == std::string_view::npos)
            continue;
        if (TrimText(text.substr(0, equals)) == DesktopDirName)
            return UserDirValue(text.substr(equals + 1));
    }
    return {};
}

bool IsSeparator(char c)
{
    return Separators.find(c) != std::string_view::npos;
}

// The per-user data folder, or nothing when neither XDG_DATA_HOME nor HOME
// names one.
fs::path DataHome()
{
    const fs::path dataHome = AbsoluteFromEnvironment(DataHomeVariable);
    if (!dataHome.empty())
        return dataHome;
    const fs::path home = Home();
    return home.empty() ? fs::path() : home / DataFolderUnderHome;
}

}  // namespace

fs::path ProgramFilesDir()
{
    const fs::path dataHome = DataHome();
    if (!dataHome.empty())
        return dataHome;
    std::error_code error;
    return fs::current_path(error);
}

fs::path DefaultInstallDir()
{
    return ProgramFilesDir() / InstallFolderName;
}

fs::path DefaultServerDir()
{
    return ProgramFilesDir() / ServerFolderName;
}

fs::path DesktopDir()
{
    fs::path desktop = DesktopDirFromUserDirs();
    if (desktop.empty()) {
        const fs::path home = Home();
        desktop = home.empty() ? fs::path() : home / DefaultDesktopFolder;
    }
    return desktop;
}

fs::path MenuDir()
{
    const fs::path dataHome = DataHome();
    return dataHome.empty() ? fs::path() : dataHome / ApplicationsFolder / MenuFolderName;
}

fs::path IconThemeDir()
{
    const fs::path dataHome = DataHome();
    return dataHome.empty() ? fs::path() : dataHome / IconsFolder / FallbackIconTheme;
}

std::string AppendFolderName(std::string_view chosen, std::string_view folderName)
{
    while (!chosen.empty() && IsSeparator(chosen.back()))
        chosen.remove_suffix(1);
    return std::string(chosen) + Separators.front() + std::string(folderName);
}

std::string FolderPartOf(std::string_view path)
{
    const std::size_t last = path.find_last_of(FolderEnds);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string WithTrailingSeparator(const fs::path& dir)
{
    std::string text = dir.string();
    while (!text.empty() && IsSeparator(text.back()))
        text.pop_back();
    return text + Separators.front();
}

fs::path WithoutTrailingSeparator(std::string_view dir)
{
    while (dir.size() > 1 && IsSeparator(dir.back()))
        dir.remove_suffix(1);
    return fs::path(dir);
}

fs::path ResolveTypedFolder(std::string_view typed)
{
    if (typed == HomeShorthand || (typed.starts_with(HomeShorthand) && IsSeparator(typed[HomeShorthand.size()]))) {
        const fs::path home = Home();
        if (home.empty())
            return {};
        typed.remove_prefix(HomeShorthand.size());
        return WithoutTrailingSeparator(home.string() + std::string(typed));
    }
    fs::path folder = WithoutTrailingSeparator(typed);
    return folder.is_absolute() ? folder : fs::path();
}

}  // namespace kr
