#pragma once

#include <string>
#include <string_view>

namespace kr {

// The programs of the distribution folder, named without the platform's
// executable suffix.
inline constexpr std::string_view MainProgramBaseName = "KR_Oil_Coolers";
inline constexpr std::string_view LauncherBaseName = "Setup";
inline constexpr std::string_view CommandLineBaseName = "krcool";

#ifdef _WIN32
inline constexpr std::string_view ExecutableSuffix = ".exe";
#else
inline constexpr std::string_view ExecutableSuffix = "";
#endif

inline std::string ExecutableName(std::string_view baseName)
{
    return std::string(baseName) + std::string(ExecutableSuffix);
}

}  // namespace kr
