#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// krcool quote add|show: a saved quotation file built and listed from the
// command line, with the rules of the quotation tab.
int RunQuote(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
