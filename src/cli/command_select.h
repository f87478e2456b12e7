#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// krcool select: the selection by duty of the Calculation tab.
int RunSelect(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
