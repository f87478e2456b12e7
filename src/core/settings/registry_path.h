#pragma once

#include <filesystem>

namespace kr {

// Where the settings live: the file named by KRCOOL_REGISTRY when it is set
// and not empty, else $XDG_CONFIG_HOME/Vossbridge/Kalvorn/KRCool.reg with
// XDG_CONFIG_HOME defaulting to $HOME/.config (a relative XDG_CONFIG_HOME is
// ignored, as the XDG rules require). Without any of them the folder
// .config under the working directory is used.
std::filesystem::path DefaultRegistryPath();

}  // namespace kr
