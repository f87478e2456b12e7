#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// The whole command line after the program name: the sub-command and its
// options. Returns the exit code.
int RunKrcool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
