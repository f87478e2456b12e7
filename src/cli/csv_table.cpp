#include "cli/csv_table.h"

#include "core/common/text_case.h"

#include <algorithm>
#include <string_view>

namespace kr::cli {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr char Quote = '"';
constexpr char Semicolon = ';';

using Traits = std::streambuf::traits_type;

bool IsBlank(std::string_view text) { return TrimText(text).empty(); }

}  // namespace

bool CsvRow::IsEmpty() const
{
    return std::ranges::all_of(Fields, [](const std::string& field) { return IsBlank(field); });
}

std::optional<std::string> CsvReader::ReadRecordText()
{
    const int firstLine = linesRead_ + 1;
    std::string text;
    bool quoted = false;
    for (int c = in_.sbumpc(); c != Traits::eof(); c = in_.sbumpc()) {
        const bool lineBreak = c == '\n' || c == '\r';
        if (lineBreak) {
            // CR LF is one line break.
            if (c == '\r' && in_.sgetc() == '\n')
                c = in_.sbumpc();
            ++linesRead_;
            if (!quoted)
                return text;
        }
        if (c == Quote)
            quoted = !quoted;
        text += static_cast<char>(c);
        if (text.size() > MaxCsvRowBytes) {
            error_ = "the row that begins on line " + std::to_string(firstLine) + " is longer than " +
                     std::string(MaxCsvRowSize);
            return std::nullopt;
        }
    }
    if (quoted) {
        error_ = "the quoted field that begins on line " + std::to_string(firstLine) + " is not closed";
        return std::nullopt;
    }
    // The end of the file ends the last record unless a line break did.
    if (text.empty())
        return std::nullopt;
    ++linesRead_;
    return text;
}

std::vector<std::string> CsvReader::SplitFields(const std::string& record) const
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const char c = record[i];
        if (quoted && c == Quote && i + 1 < record.size() && record[i + 1] == Quote) {
            fields.back() += Quote;
            ++i;
        } else if (c == Quote) {
            quoted = !quoted;
        } else if (c == separator_ && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<std::vector<std::string>> CsvReader::ReadHeader()
{
    bool first = true;
    while (std::optional<std::string> text = ReadRecordText()) {
        if (first && text->starts_with(Utf8ByteOrderMark))
            text->erase(0, Utf8ByteOrderMark.size());
        first = false;
        if (IsBlank(*text))
            continue;
        const std::string_view firstLine = std::string_view(*text).substr(0, text->find_first_of("\r\n"));
        separator_ = firstLine.find(Semicolon) != std::string_view::npos ? Semicolon : ',';
        return SplitFields(*text);
    }
    if (error_.empty())
        error_ = "no header row";
    return std::nullopt;
}

std::optional<CsvRow> CsvReader::ReadRow()
{
    const std::optional<std::string> text = ReadRecordText();
    if (!text)
        return std::nullopt;
    return CsvRow{++rowCount_, SplitFields(*text)};
}

}  // namespace kr::cli
