#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kr::cli {

// krcool types: the cooler-type list of the Known-cooler tab, one a line.
int RunTypes(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// krcool motors --type CODE --drive AC|HYD: the motor list the tab offers
// for that type and drive, one entry a line.
int RunMotors(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kr::cli
