#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// krcool rate: the rating of a known cooler type (the Known-cooler tab).
int RunRate(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
