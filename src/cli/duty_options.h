#pragma once

#include "cli/duty_texts.h"
#include "cli/options.h"

#include <set>
#include <string>
#include <string_view>

namespace kr::cli {

// The option of a duty value: "--heat" for "heat".
std::string DutyOptionName(std::string_view dutyName);

// --heat, --flow, ... --drive: the duty of the Calculation tab as options.
const std::set<std::string_view>& DutyValueOptions();

// The duty values the options give.
DutyTexts DutyFromOptions(const Options& options);

}  // namespace kr::cli
