#include "core/common/data_file_names.h"

#include <algorithm>

namespace kr {

bool StaysInsideFolder(const std::filesystem::path& relative)
{
    if (relative.empty() || relative.is_absolute() || relative.has_root_name())
        return false;
    return std::ranges::none_of(relative, [](const std::filesystem::path& part) { return part == ".." || part == "."; });
}

}  // namespace kr
