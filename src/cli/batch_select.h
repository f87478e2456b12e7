#pragma once

#include "cli/session.h"

#include <filesystem>
#include <ostream>

namespace kr::cli {

// krcool select --batch FILE.csv: one selection per data row of the file,
// whose header names the columns after the duty options (heat, flow,
// ambient, inlet, max-loss, altitude, oil, drive; in any order, any letter
// case, a leading "--" allowed, columns left out are values left out).
// Every row is run and printed as a block headed by its row number and its
// duty; a row with problems, or an empty one, gets its problem and the next
// one runs. Returns 0 when the rows ran, FailureExitCode when the file
// cannot be read (a row too long, a quote not closed: after the rows
// before it) or its header names an unknown column.
int RunBatchSelect(const Session& session, const std::filesystem::path& file, bool json, bool keepAll,
                   std::ostream& out, std::ostream& err);

}  // namespace kr::cli
