#include "cli/selection_run.h"

#include "cli/exit_codes.h"
#include "cli/grid_table.h"
#include "cli/result_json.h"
#include "core/engine/selection.h"

namespace kr::cli {

SelectionRun RunSelection(const Session& session, const CalculationRead& read, bool keepAll)
{
    SelectionRun run;
    run.Grid = ResultGrid(ResultTab::Calculation, session.Settings);
    run.Grid.Reset(session.Texts, session.HasPrices());

    std::string question;
    const AskPressLossQuestion ask = [&](std::string_view text, std::string_view) {
        question = text;
        return keepAll;
    };
    DutySelection selection = SelectByDuty(*read.Input, session.Folder.Database.CoolerRecords, session.Folder.Prices,
                                           session.Texts, session.Settings, ask);
    switch (selection.Outcome) {
    case SelectionOutcome::Shown:
        run.Outcome = SelectionRun::Kind::Shown;
        run.Grid.ShowSelection(std::move(selection), read.Units, session.Texts);
        break;
    case SelectionOutcome::Errors:
        run.Outcome = SelectionRun::Kind::Problems;
        run.Text = selection.ErrorText;
        break;
    case SelectionOutcome::EndedByQuestion:
        run.Outcome = SelectionRun::Kind::Question;
        run.Text = question;
        break;
    case SelectionOutcome::UnreadableDatabase:
        run.Outcome = SelectionRun::Kind::Unreadable;
        run.Text = selection.ErrorText;
        break;
    }
    return run;
}

void PrintHydraulicMotors(std::ostream& out, const ResultGrid& grid, const LanguageTable& texts)
{
    if (!grid.HasStepButton())
        return;
    constexpr std::size_t RowLabelWidth = 4;
    for (int row = 1; row <= grid.ResultRowCount(); ++row) {
        // The hint: its title, an empty line, then one line per motor.
        const std::vector<std::string> lines = TextLines(grid.StepHint(row, texts).value_or(""));
        if (row == 1 && !lines.empty())
            out << '\n' << lines.front() << '\n';
        std::string label = std::to_string(row);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].empty())
                continue;
            label.resize(RowLabelWidth, ' ');
            out << label << lines[i] << '\n';
            label.clear();
        }
    }
}

void PrintSelectionRun(std::ostream& out, const SelectionRun& run)
{
    switch (run.Outcome) {
    case SelectionRun::Kind::Shown: PrintGrid(out, run.Grid); break;
    case SelectionRun::Kind::Problems: PrintProblemLines(out, run.Text); break;
    case SelectionRun::Kind::Question:
    case SelectionRun::Kind::Unreadable: out << run.Text << '\n'; break;
    }
}

void WriteSelectionRun(JsonWriter& json, const SelectionRun& run)
{
    switch (run.Outcome) {
    case SelectionRun::Kind::Shown: WriteGridResults(json, run.Grid); break;
    case SelectionRun::Kind::Problems: WriteProblems(json, run.Text); break;
    case SelectionRun::Kind::Question: json.Field("question", run.Text); break;
    case SelectionRun::Kind::Unreadable: json.Field("failure", run.Text); break;
    }
}

int ExitCodeOf(const SelectionRun& run)
{
    switch (run.Outcome) {
    case SelectionRun::Kind::Shown: return 0;
    case SelectionRun::Kind::Problems: return ProblemsExitCode;
    case SelectionRun::Kind::Question: return QuestionExitCode;
    case SelectionRun::Kind::Unreadable: return FailureExitCode;
    }
    return FailureExitCode;
}

}  // namespace kr::cli
