#pragma once

// The cooler of one row of a search, chosen from the command line as on
// the two search tabs: the duty options of `select` (--heat ... --drive,
// --keep-all) or those of `rate` (--type, --drive, --motor, duty), and
// --row N, the Nth row of the result grid (default 1). For a hydraulic
// selection --motor names the motor of the row's group (its motor cell
// text, e.g. "8 cc 160 bar 12.0 l/min", or its displacement "8"); without it
// the motor the row shows is taken. Commands that work on one cooler (a
// quotation item, a printout) choose it here, so that every one of them
// chooses as `select` and `rate` print.

#include "cli/options.h"
#include "cli/session.h"
#include "core/data/cool_type.h"
#include "core/present/current_cooler.h"

#include <optional>
#include <ostream>
#include <set>
#include <string_view>

namespace kr::cli {

struct ChosenCooler {
    tCoolType Result;       // the record with its rating, as the grid's row holds it
    CoolerChoices Choices;  // the units and texts of the tab, for MakeCurrentCooler
};

struct ChosenCoolerRead {
    std::optional<ChosenCooler> Chosen;
    int ExitCode = 0;  // when none is chosen: the message has been written
};

// The value options and flags that choose a cooler (session options not included).
const std::set<std::string_view>& ChosenCoolerValueOptions();
inline const std::set<std::string_view> ChosenCoolerFlags{"--keep-all"};

// Whether the options choose a cooler at all (a duty, a type or a row).
bool ChoosesCooler(const Options& options);

// Runs the search the options describe and takes the row. Usage mistakes
// exit with UsageExitCode, a duty with problems with ProblemsExitCode (the
// numbered list written to err), the pressure-loss question answered no
// with QuestionExitCode, a database that cannot be read with FailureExitCode.
ChosenCoolerRead ChooseCooler(const Session& session, const Options& options, std::ostream& err);

}  // namespace kr::cli
