#include "drawgen/drawing_references.h"

#include "core/common/text_case.h"
#include "drawgen/drawgen_error.h"

namespace kr::drawgen {

namespace {

constexpr std::string_view ColumnName = "DrawingFile";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

struct CsvRow {
    std::vector<std::string> cells{""};
    std::size_t line = 0;  // where the row starts, 1-based
};

// RFC 4180 rows; blank lines are skipped.
std::vector<CsvRow> ParseRows(std::string_view text, const std::string& source)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    std::vector<CsvRow> rows;
    std::size_t line = 1;
    CsvRow row{{""}, line};
    bool quoted = false;
    bool blank = true;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const bool lineEnd = c == '\n' || (c == '\r' && (pos + 1 == text.size() || text[pos + 1] != '\n'));
        if (lineEnd)
            ++line;
        if (quoted) {
            if (c != '"')
                row.cells.back() += c;
            else if (pos + 1 < text.size() && text[pos + 1] == '"')
                row.cells.back() += text[++pos];
            else
                quoted = false;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (!lineEnd)
                continue;  // the CR of a CR LF pair
            if (!blank)
                rows.push_back(row);
            row = CsvRow{{""}, line};
            blank = true;
            continue;
        }
        blank = false;
        if (c == '"')
            quoted = true;
        else if (c == ',')
            row.cells.emplace_back();
        else
            row.cells.back() += c;
    }
    if (quoted)
        throw DrawgenError(source + ": line " + std::to_string(row.line) + ": a quoted cell is not closed");
    if (!blank)
        rows.push_back(row);
    return rows;
}

}  // namespace

bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (const char c : name)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20)
            return false;
    return true;
}

std::vector<DrawingReference> ReadDrawingReferences(std::string_view csvText, const std::string& source)
{
    const std::vector<CsvRow> rows = ParseRows(csvText, source);
    if (rows.empty())
        throw DrawgenError(source + ": the file is empty; a header row with a \"DrawingFile\" column is expected");
    const std::vector<std::string>& header = rows.front().cells;
    std::size_t column = header.size();
    for (std::size_t i = 0; i < header.size(); ++i)
        if (SameText(TrimText(header[i]), ColumnName))
            column = i;
    if (column == header.size())
        throw DrawgenError(source + ": the header row has no \"DrawingFile\" column");

    std::vector<DrawingReference> references;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const CsvRow& row = rows[i];
        if (column >= row.cells.size())
            continue;
        const std::string name(TrimText(row.cells[column]));
        if (name.empty())
            continue;  // accessories have no drawing
        const std::string place = source + ": line " + std::to_string(row.line) + ": DrawingFile \"" + name + "\"";
        if (!IsPlainFileName(name))
            throw DrawgenError(place + " is not a plain file name; drawings must stay in the picture folder");
        if (name.size() > MaxDrawingNameLength)
            throw DrawgenError(place + " is longer than " + std::to_string(MaxDrawingNameLength) + " characters");
        references.push_back({name, row.line});
    }
    return references;
}

}  // namespace kr::drawgen
