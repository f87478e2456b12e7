#include "cli/batch_select.h"

#include "cli/csv_table.h"
#include "cli/duty_texts.h"
#include "cli/exit_codes.h"
#include "cli/selection_run.h"
#include "core/common/text_case.h"

#include <algorithm>
#include <optional>

namespace kr::cli {

namespace {

constexpr std::string_view OptionPrefix = "--";

// The duty name each column holds, or an error naming the first column
// that holds none or one named before.
struct ColumnNames {
    std::vector<std::string> Names;
    std::string Error;
};

ColumnNames NameColumns(const std::vector<std::string>& header)
{
    ColumnNames columns;
    for (const std::string& field : header) {
        std::string_view name = TrimText(field);
        if (name.starts_with(OptionPrefix))
            name.remove_prefix(OptionPrefix.size());
        const auto known = std::ranges::find_if(CalculationDutyNames, [&](std::string_view n) { return SameText(n, name); });
        if (known == CalculationDutyNames.end()) {
            std::string allowed;
            for (const std::string_view n : CalculationDutyNames)
                allowed += (allowed.empty() ? "" : ", ") + std::string(n);
            columns.Error = "unknown column \"" + field + "\"; the columns are " + allowed;
            return columns;
        }
        if (std::ranges::find(columns.Names, *known) != columns.Names.end()) {
            columns.Error = "column \"" + std::string(*known) + "\" is named twice";
            return columns;
        }
        columns.Names.emplace_back(*known);
    }
    return columns;
}

struct BatchRow {
    DutyTexts Duty;
    std::string Invalid;  // why the row was not run
};

BatchRow ReadRow(const CsvRow& row, const std::vector<std::string>& names)
{
    BatchRow batchRow;
    for (std::size_t i = 0; i < row.Fields.size(); ++i) {
        const std::string_view value = TrimText(row.Fields[i]);
        if (i >= names.size()) {
            if (!value.empty())
                batchRow.Invalid = "the row has more fields than the header names";
            continue;
        }
        batchRow.Duty[names[i]] = std::string(value);
    }
    return batchRow;
}

std::string DutyLine(const DutyTexts& duty)
{
    std::string line;
    for (const std::string_view name : CalculationDutyNames) {
        const std::string_view value = DutyText(duty, name);
        if (!value.empty())
            line += (line.empty() ? "" : ", ") + std::string(name) + " " + std::string(value);
    }
    return line;
}

void PrintBlock(std::ostream& out, const Session& session, int rowNumber, const BatchRow& row,
                const std::optional<SelectionRun>& run)
{
    out << "Row " << rowNumber << ": " << DutyLine(row.Duty) << '\n';
    if (!run) {
        out << "krcool: " << row.Invalid << '\n';
        return;
    }
    PrintSelectionRun(out, *run);
    if (run->Outcome == SelectionRun::Kind::Shown)
        PrintHydraulicMotors(out, run->Grid, session.Texts);
}

void WriteBlock(JsonWriter& json, int rowNumber, const BatchRow& row, const std::optional<SelectionRun>& run)
{
    json.BeginObject().Field("row", static_cast<std::int32_t>(rowNumber));
    json.Key("duty").BeginObject();
    for (const std::string_view name : CalculationDutyNames)
        if (row.Duty.contains(name))
            json.Field(name, DutyText(row.Duty, name));
    json.EndObject();
    if (run)
        WriteSelectionRun(json, *run);
    else
        json.Field("invalid", row.Invalid);
    json.EndObject();
}

}  // namespace

int RunBatchSelect(const Session& session, const std::filesystem::path& file, bool json, bool keepAll,
                   std::ostream& out, std::ostream& err)
{
    const CsvRead csv = ReadCsvFile(file);
    if (!csv.Table) {
        err << "krcool: " << file.string() << ": " << csv.Error << '\n';
        return FailureExitCode;
    }
    const ColumnNames columns = NameColumns(csv.Table->Header);
    if (!columns.Error.empty()) {
        err << "krcool: " << file.string() << ": " << columns.Error << '\n';
        return FailureExitCode;
    }

    JsonWriter writer(out);
    if (json)
        writer.BeginObject().Key("duties").BeginArray();
    for (const CsvRow& csvRow : csv.Table->Rows) {
        BatchRow row = ReadRow(csvRow, columns.Names);
        std::optional<SelectionRun> run;
        if (row.Invalid.empty()) {
            const CalculationRead read = ReadCalculationInput(row.Duty, session.DecimalSeparator());
            if (read.Input)
                run = RunSelection(session, read, keepAll);
            else
                row.Invalid = read.Error;
        }
        if (json) {
            WriteBlock(writer, csvRow.Number, row, run);
        } else {
            if (csvRow.Number > 1)
                out << '\n';
            PrintBlock(out, session, csvRow.Number, row, run);
        }
    }
    if (json) {
        writer.EndArray().EndObject();
        out << '\n';
    }
    return 0;
}

}  // namespace kr::cli
