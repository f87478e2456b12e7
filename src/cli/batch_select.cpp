#include "cli/batch_select.h"

#include "cli/csv_table.h"
#include "cli/duty_texts.h"
#include "cli/exit_codes.h"
#include "cli/selection_run.h"
#include "core/common/text_case.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <system_error>

namespace kr::cli {

namespace {

// The duty name each column holds, or an error naming the first column
// that holds none or one named before.
struct ColumnNames {
    std::vector<std::string> Names;
    std::string Error;
};

// A header field as a message shows it: the "header" of a binary file can
// be long and hold control characters that would upset the terminal.
std::string ShownField(std::string_view field)
{
    constexpr std::size_t MostShownBytes = 40;
    std::size_t shownBytes = std::min(field.size(), MostShownBytes);
    while (shownBytes < field.size() && shownBytes > 0 && (static_cast<unsigned char>(field[shownBytes]) & 0xC0) == 0x80)
        --shownBytes;  // never cut a character in two
    std::string shown;
    for (const char c : field.substr(0, shownBytes))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return shownBytes < field.size() ? shown + "..." : shown;
}

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
            columns.Error = "unknown column \"" + ShownField(field) + "\"; the columns are " + allowed;
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

// Every column of the header gives its value in every row: an empty or
// missing field is an emptied field, not a value left out.
BatchRow ReadRow(const CsvRow& row, const std::vector<std::string>& names)
{
    BatchRow batchRow;
    if (row.IsEmpty()) {
        batchRow.Invalid = "the row is empty";
        return batchRow;
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        batchRow.Duty[names[i]] = i < row.Fields.size() ? std::string(TrimText(row.Fields[i])) : std::string();
    for (std::size_t i = names.size(); i < row.Fields.size(); ++i)
        if (!TrimText(row.Fields[i]).empty())
            batchRow.Invalid = "the row has more fields than the header names";
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
    const std::string line = DutyLine(row.Duty);
    out << "Row " << rowNumber << (line.empty() ? "" : ": ") << line << '\n';
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
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(file, error))
        in.open(file, std::ios::binary);
    if (!in.is_open()) {
        err << "krcool: " << file.string() << ": cannot open the file\n";
        return FailureExitCode;
    }
    CsvReader csv(in);
    const std::optional<std::vector<std::string>> header = csv.ReadHeader();
    if (!header) {
        err << "krcool: " << file.string() << ": " << csv.Error() << '\n';
        return FailureExitCode;
    }
    const ColumnNames columns = NameColumns(*header);
    if (!columns.Error.empty()) {
        err << "krcool: " << file.string() << ": " << columns.Error << '\n';
        return FailureExitCode;
    }

    // Each row is run and written as it is read, so that a file of any
    // length takes no more memory than its longest row.
    JsonWriter writer(out);
    if (json)
        writer.BeginObject().Key("duties").BeginArray();
    while (const std::optional<CsvRow> csvRow = csv.ReadRow()) {
        BatchRow row = ReadRow(*csvRow, columns.Names);
        std::optional<SelectionRun> run;
        if (row.Invalid.empty()) {
            const CalculationRead read = ReadCalculationInput(row.Duty, session.DecimalSeparator());
            if (read.Input)
                run = RunSelection(session, read, keepAll);
            else
                row.Invalid = read.Error;
        }
        if (json) {
            WriteBlock(writer, csvRow->Number, row, run);
        } else {
            if (csvRow->Number > 1)
                out << '\n';
            PrintBlock(out, session, csvRow->Number, row, run);
        }
    }
    // The rows run so far stay written, as a whole JSON document too.
    if (json) {
        writer.EndArray().EndObject();
        out << '\n';
    }
    if (!csv.Error().empty()) {
        err << "krcool: " << file.string() << ": " << csv.Error() << '\n';
        return FailureExitCode;
    }
    return 0;
}

}  // namespace kr::cli
