#include "krdata/csv.h"

#include "krdata/data_error.h"

namespace kr {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Walks the text once, cell by cell; pos always stands at the start of the
// next cell or at the end of the text.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text)
    {
        if (text_.starts_with(ByteOrderMark))
            pos_ = ByteOrderMark.size();
    }

    std::vector<CsvRow> Rows()
    {
        std::vector<CsvRow> rows;
        while (pos_ < text_.size())
            rows.push_back(ReadRow(rows.size() + 1));
        return rows;
    }

private:
    CsvRow ReadRow(std::size_t number)
    {
        CsvRow row{{}, number, line_};
        for (;;) {
            row.cells.push_back(AtQuote() ? ReadQuotedCell(row) : ReadPlainCell(row));
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            SkipLineEnd();
            return row;
        }
    }

    bool AtQuote() const { return pos_ < text_.size() && text_[pos_] == '"'; }

    bool AtLineEnd() const
    {
        return pos_ >= text_.size() || text_[pos_] == '\n' || text_.substr(pos_).starts_with("\r\n");
    }

    void SkipLineEnd()
    {
        if (pos_ >= text_.size())
            return;
        pos_ += text_[pos_] == '\r' ? 2 : 1;
        ++line_;
    }

    std::string ReadPlainCell(const CsvRow& row)
    {
        const std::size_t start = pos_;
        while (!AtLineEnd() && text_[pos_] != ',') {
            if (text_[pos_] == '"')
                throw DataError(RowPlace(row) + ": a quote inside a cell that does not begin with a quote");
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string ReadQuotedCell(const CsvRow& row)
    {
        std::string cell;
        ++pos_;  // opening quote
        for (;;) {
            if (pos_ >= text_.size())
                throw DataError(RowPlace(row) + ": a quoted cell is not closed");
            const char c = text_[pos_++];
            if (c == '"') {
                if (AtQuote()) {
                    cell += '"';
                    ++pos_;
                    continue;
                }
                if (!AtLineEnd() && text_[pos_] != ',')
                    throw DataError(RowPlace(row) + ": text after the closing quote of a cell");
                return cell;
            }
            if (c == '\n')
                ++line_;
            cell += c;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

bool NeedsQuotes(std::string_view cell)
{
    return cell.find_first_of(",\"\r\n") != std::string_view::npos;
}

}  // namespace

std::vector<CsvRow> ParseCsv(std::string_view text) { return CsvReader(text).Rows(); }

std::string CsvLine(const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += ',';
        if (!NeedsQuotes(cells[i])) {
            line += cells[i];
            continue;
        }
        line += '"';
        for (char c : cells[i]) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    line += '\n';
    return line;
}

std::string RowPlace(const CsvRow& row)
{
    std::string place = "row " + std::to_string(row.number);
    if (row.line != row.number)
        place += " (line " + std::to_string(row.line) + ")";
    return place;
}

}  // namespace kr
