// Feeds bytes to the settings store as the program opens it, reads the
// program's settings from it, and writes them back: what was read must
// survive a write and a second read unchanged, and whatever the file held
// must be written in a form that reads back as the same values.
#include "core/settings/reg_file_format.h"
#include "core/settings/registry_store.h"
#include "core/settings/settings.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

int kr::fuzz::FeedSettingsFile(const std::uint8_t* data, std::size_t size)
{
    using namespace kr;
    if (size > 64 * 1024)
        return -1;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const RegistryValues parsed = ParseRegFile(bytes);
    if (ParseRegFile(FormatRegFile(parsed)) != parsed)
        std::abort();

    const auto file = fuzz::ScratchDir() / "KRCool.reg";
    fuzz::WriteScratchFile(file, bytes);
    RegistryStore store(file);
    const Settings settings = ReadSettings(store, "/opt/kr/", 1920, 1080);
    (void)ReadShowmenu(store);
    if (!WriteOptions(store, settings).Ok())
        std::abort();
    if (!WriteWindowBounds(store, settings.Left, settings.Top, settings.Width, settings.Height, {}).Ok())
        std::abort();
    const RegistryStore again(file);
    if (again.Values() != store.Values() || ReadSettings(again, "/opt/kr/", 1920, 1080) != settings)
        std::abort();
    return 0;
}
