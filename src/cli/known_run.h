#pragma once

#include "cli/options.h"
#include "cli/session.h"
#include "core/common/units.h"
#include "core/engine/duty_input.h"
#include "core/engine/result_grid.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace kr::cli {

// The options of the Known-cooler tab.
inline const std::set<std::string_view> KnownValueOptions{"--type",   "--drive",    "--motor", "--flow",     "--ambient",
                                                          "--inlet",  "--altitude", "--oil",   "--loss-unit"};

// A quantity option into a duty field and its unit list; false with error
// set when it is no quantity of the list.
bool ReadOptionInto(const Options& options, std::string_view option, UnitNames units, char separator,
                    std::string& field, int& unit, std::string& error);

// The Known-cooler tab's controls filled from the options, or a usage message.
struct KnownRead {
    std::optional<KnownInput> Input;
    int PressureUnit = 0;
    std::string Error;
};
KnownRead ReadKnownInput(const Options& options, const Session& session);

// The rating of the tab's search: the grid it fills, or its problems.
struct KnownRun {
    ResultGrid Grid{ResultTab::KnownCooler, {}};
    bool Shown = false;
    std::string Problems;  // the numbered problem list, when nothing is shown
};
KnownRun RunKnownRating(const Session& session, const KnownRead& read);

}  // namespace kr::cli
