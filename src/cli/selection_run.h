#pragma once

#include "cli/duty_texts.h"
#include "core/common/json_writer.h"
#include "cli/session.h"
#include "core/engine/result_grid.h"

#include <ostream>
#include <string>

namespace kr::cli {

// What one selection by duty came to, ready to print.
struct SelectionRun {
    enum class Kind {
        Shown,       // the grid holds the ranked results
        Problems,    // Text is the numbered problem list
        Question,    // every cooler exceeds the pressure-loss limit; Text is the question, answered no
        Unreadable,  // the database holds a displacement that is no whole number; Text says which
    };
    Kind Outcome = Kind::Problems;
    std::string Text;
    ResultGrid Grid{ResultTab::Calculation, {}};
};

// The search of the Calculation tab for the input read from the options or
// a batch row. keepAll answers the pressure-loss question.
SelectionRun RunSelection(const Session& session, const CalculationRead& read, bool keepAll);

// The grid, the problem lines or the question as text.
void PrintSelectionRun(std::ostream& out, const SelectionRun& run);

// The same as JSON fields of the object being written: "rows" or "groups",
// "errors", or "question".
void WriteSelectionRun(JsonWriter& json, const SelectionRun& run);

// 0, ProblemsExitCode, QuestionExitCode or FailureExitCode.
int ExitCodeOf(const SelectionRun& run);

// The motors each row of a hydraulic grid steps through, under the hint's
// title; nothing for another grid.
void PrintHydraulicMotors(std::ostream& out, const ResultGrid& grid, const LanguageTable& texts);

}  // namespace kr::cli
