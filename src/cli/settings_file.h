#pragma once

#include "cli/app_folder.h"
#include "core/settings/settings.h"

namespace kr::cli {

// The settings the program would start with on this folder, read from the
// settings file it uses (KRCOOL_REGISTRY when set): the sender, the picture
// folder, the display units, the terms and the discount. While the file
// does not say the program is installed, the pictures are the folder's own.
Settings ReadProgramSettings(const AppFolder& folder);

}  // namespace kr::cli
