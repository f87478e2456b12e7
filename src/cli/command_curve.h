#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// krcool curve: the sweep of the performance curves of one cooler as CSV,
// a header line and one line per l/min from 1 to 1500: oil flow (l/min),
// heat rejection (kW), pressure loss (bar).
int RunCurve(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
