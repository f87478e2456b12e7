#include "cli/csv_table.h"

#include <fstream>
#include <sstream>

namespace kr::cli {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr char Quote = '"';

// Splits the text into records of fields; false when a quoted field is
// never closed. A record of nothing but blanks and separators (the tail a
// spreadsheet leaves) is no record.
bool SplitRecords(std::string_view text, char separator, std::vector<std::vector<std::string>>& records)
{
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    bool recordHasText = false;
    const auto endRecord = [&] {
        fields.push_back(std::move(field));
        field.clear();
        if (recordHasText)
            records.push_back(std::move(fields));
        fields.clear();
        recordHasText = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == Quote && i + 1 < text.size() && text[i + 1] == Quote) {
                field += Quote;
                ++i;
            } else if (c == Quote) {
                quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == Quote) {
            quoted = true;
            recordHasText = true;
        } else if (c == separator) {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRecord();
        } else {
            field += c;
            if (c != ' ' && c != '\t')
                recordHasText = true;
        }
    }
    if (quoted)
        return false;
    endRecord();
    return true;
}

}  // namespace

CsvRead ParseCsv(std::string_view text)
{
    CsvRead read;
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    const char separator = firstLine.find(';') != std::string_view::npos ? ';' : ',';

    std::vector<std::vector<std::string>> records;
    if (!SplitRecords(text, separator, records)) {
        read.Error = "a quoted field is not closed";
        return read;
    }
    if (records.empty()) {
        read.Error = "no header row";
        return read;
    }
    CsvTable table;
    table.Header = std::move(records.front());
    for (std::size_t i = 1; i < records.size(); ++i)
        table.Rows.push_back({static_cast<int>(i), std::move(records[i])});
    read.Table = std::move(table);
    return read;
}

CsvRead ReadCsvFile(const std::filesystem::path& file)
{
    std::error_code error;
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file, error)) {
        CsvRead read;
        read.Error = "cannot open " + file.string();
        return read;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        CsvRead read;
        read.Error = "cannot read " + file.string();
        return read;
    }
    return ParseCsv(bytes.str());
}

}  // namespace kr::cli
