#include "core/settings/registry_path.h"

#include <cstdlib>
#include <string_view>

namespace kr {

namespace fs = std::filesystem;

namespace {

constexpr const char* OverrideVariable = "KRCOOL_REGISTRY";
constexpr const char* ConfigHomeVariable = "XDG_CONFIG_HOME";
constexpr const char* HomeVariable = "HOME";
constexpr const char* ConfigFolderUnderHome = ".config";

fs::path EnvironmentPath(const char* variable)
{
    const char* value = std::getenv(variable);
    return value ? fs::path(value) : fs::path();
}

fs::path ConfigHome()
{
    const fs::path configHome = EnvironmentPath(ConfigHomeVariable);
    if (configHome.is_absolute())
        return configHome;
    return EnvironmentPath(HomeVariable) / ConfigFolderUnderHome;
}

}  // namespace

fs::path DefaultRegistryPath()
{
    const fs::path named = EnvironmentPath(OverrideVariable);
    if (!named.empty())
        return named;
    return ConfigHome() / "Vossbridge" / "Kalvorn" / "KRCool.reg";
}

}  // namespace kr
