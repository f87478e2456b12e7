#include "cli/settings_file.h"

#include "core/settings/registry_path.h"
#include "core/settings/registry_store.h"

namespace kr::cli {

namespace {

// Only the window's bounds depend on the screen, and krcool has none.
constexpr int NoScreen = 0;

}  // namespace

Settings ReadProgramSettings(const AppFolder& folder)
{
    const RegistryStore store(DefaultRegistryPath());
    // The program's folder ends in one separator, as the program holds it.
    const std::u8string appDir = (folder.Dir / "").u8string();
    return ReadSettings(store, std::string(appDir.begin(), appDir.end()), NoScreen, NoScreen);
}

}  // namespace kr::cli
