#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// document KIND ... --pdf FILE: one printout of the program as a PDF file.
int RunDocument(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
