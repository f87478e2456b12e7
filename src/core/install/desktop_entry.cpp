#include "core/install/desktop_entry.h"

#include "core/install/program_names.h"
#include "core/settings/atomic_file.h"

#include <system_error>

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view ExecSpecialCharacters = "\"`$\\";
constexpr std::string_view Categories = "Office;Engineering;";

std::string EntryFileName()
{
    return std::string(ShortcutName) + std::string(DesktopEntrySuffix);
}

bool WriteEntry(const fs::path& file, const fs::path& installDir, std::string_view iconName)
{
    return ReplaceFileAtomically(file, DesktopEntryText(installDir, iconName)).Ok();
}

}  // namespace

std::string EscapeDesktopValue(std::string_view value)
{
    std::string escaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == ' ' && i == 0)
            escaped += "\\s";  // readers drop blanks before a value
        else
            escaped += c;
    }
    return escaped;
}

std::string QuoteExecArgument(std::string_view argument)
{
    std::string quoted = "\"";
    for (const char c : argument) {
        if (ExecSpecialCharacters.find(c) != std::string_view::npos)
            quoted += '\\';
        if (c == '%')
            quoted += '%';  // "%%" is a literal percent sign, "%f" and the like are field codes
        quoted += c;
    }
    return quoted + "\"";
}

std::string DesktopEntryText(const fs::path& installDir, std::string_view iconName)
{
    const fs::path program = installDir / ExecutableName(MainProgramBaseName);
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=" + EscapeDesktopValue(ShortcutName) + "\n";
    text += "Exec=" + EscapeDesktopValue(QuoteExecArgument(program.string())) + "\n";
    text += "Path=" + EscapeDesktopValue(installDir.string()) + "\n";
    if (!iconName.empty())
        text += "Icon=" + EscapeDesktopValue(iconName) + "\n";
    text += "Terminal=false\n";
    text += "Categories=" + std::string(Categories) + "\n";
    return text;
}

bool CreateDesktopShortcut(const fs::path& desktopDir, const fs::path& installDir, std::string_view iconName)
{
    std::error_code error;
    if (desktopDir.empty())
        return false;
    const fs::path file = desktopDir / EntryFileName();
    if (!WriteEntry(file, installDir, iconName))
        return false;
    fs::permissions(file, fs::perms::owner_exec, fs::perm_options::add, error);
    return !error;
}

bool CreateMenuShortcut(const fs::path& menuDir, const fs::path& installDir, std::string_view iconName)
{
    if (menuDir.empty())
        return false;
    return WriteEntry(menuDir / EntryFileName(), installDir, iconName);
}

}  // namespace kr
