#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// krcool info [--appdir DIR]: what a distribution folder holds.
int RunInfo(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
