#pragma once

#include "../temp_dir.h"

#include <string>

namespace kr::test {

// A settings file with the header and key line before the given lines.
inline std::string SettingsFile(const std::string& lines)
{
    return "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vossbridge\\Kalvorn\\KRCool]\n" + lines;
}

}  // namespace kr::test
