#include "gui/app/app_dir.h"

namespace kr::gui {

namespace {

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

}  // namespace

std::string AppDirOf(std::string_view programPath)
{
    std::string_view dir = programPath;
    while (!dir.empty() && !IsSeparator(dir.back()))
        dir.remove_suffix(1);
    while (!dir.empty() && IsSeparator(dir.back()))
        dir.remove_suffix(1);
#ifdef _WIN32
    constexpr char separator = '\\';
#else
    constexpr char separator = '/';
#endif
    return std::string(dir) + separator;
}

}  // namespace kr::gui
