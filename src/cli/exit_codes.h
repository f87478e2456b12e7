#pragma once

#include "cli/options.h"

namespace kr::cli {

// Besides success (0), FailureExitCode (a folder or file that cannot be
// read) and UsageExitCode (options.h), a search ends with one of these.
inline constexpr int ProblemsExitCode = 2;  // the duty has problems: the numbered list was printed
inline constexpr int QuestionExitCode = 3;  // the pressure-loss question was answered no

}  // namespace kr::cli
