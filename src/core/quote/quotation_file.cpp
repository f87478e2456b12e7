#include "core/quote/quotation_file.h"

#include "core/common/json_value.h"
#include "core/common/json_writer.h"
#include "core/common/number_text.h"
#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

namespace kr {

namespace fs = std::filesystem;

namespace {

// The members of the file, named once for the writer and the reader.
namespace member {
constexpr std::string_view Format = "format";
constexpr std::string_view Version = "version";
constexpr std::string_view Receiver = "receiver";
constexpr std::string_view Att = "att";
constexpr std::string_view YourRef = "yourRef";
constexpr std::string_view OurRef = "ourRef";
constexpr std::string_view Date = "date";
constexpr std::string_view QuotationNr = "quotationNr";
constexpr std::string_view DiscountPct = "discountPct";
constexpr std::string_view Items = "items";
constexpr std::string_view ItemNo = "itemNo";
constexpr std::string_view Designation = "designation";
constexpr std::string_view Quantity = "quantity";
constexpr std::string_view UnitPrice = "unitPrice";
constexpr std::string_view Currency = "currency";
}  // namespace member

constexpr int FileIndent = 2;
constexpr char FilePoint = '.';
constexpr int MaxDiscountPct = 100;
// A quotation is a few kilobytes; anything near this is some other file
// picked by mistake and is not read into memory whole.
constexpr std::uintmax_t MaxFileBytes = 16 * 1024 * 1024;
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The header fields that are plain texts, with their members.
struct HeaderText {
    std::string_view Member;
    std::string QuotationHeader::*Field;
};
constexpr HeaderText HeaderTexts[] = {
    {member::Att, &QuotationHeader::Att},       {member::YourRef, &QuotationHeader::YourRef},
    {member::OurRef, &QuotationHeader::OurRef}, {member::Date, &QuotationHeader::Date},
    {member::QuotationNr, &QuotationHeader::QuotationNr},
};

// A price of the file: digits with an optional '.' and decimals, an
// optional minus in front.
bool IsFilePrice(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const std::size_t point = text.find(FilePoint);
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? "x" : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return !part.empty() && std::ranges::all_of(part, [](char c) { return c >= '0' && c <= '9'; });
    };
    return digits(whole) && (point == std::string_view::npos || digits(decimals));
}

// A price text as the grid shows it ("1234,50" or "1234.50": the pattern
// never groups digits, so its one separator is the decimal one) in the
// file's form; a text that is no price is saved as unknown.
std::string FilePriceText(std::string_view shown)
{
    std::string text(shown);
    std::ranges::replace(text, ',', FilePoint);
    return IsFilePrice(text) ? text : std::string(UnknownPrice);
}

// Why a member cannot be taken, for Detail.
class Damage {
public:
    explicit Damage(std::string where) : where_(std::move(where)) {}
    std::string Missing(std::string_view name) const { return Where(name) + " is missing"; }
    std::string Not(std::string_view name, std::string_view what) const { return Where(name) + " is not " + std::string(what); }

private:
    std::string Where(std::string_view name) const { return "\"" + std::string(name) + "\"" + where_; }
    std::string where_;
};

// Reads the members of one object into fields; the first problem ends it.
class MemberReader {
public:
    MemberReader(const JsonValue& object, std::string where) : object_(object), damage_(std::move(where)) {}

    const std::optional<std::string>& Problem() const { return problem_; }

    void Text(std::string_view name, std::string& field, bool required)
    {
        if (const JsonValue* value = Find(name, required, JsonValue::Kind::String, "a text"))
            field = value->Text;
    }

    void TextList(std::string_view name, std::vector<std::string>& field)
    {
        const JsonValue* value = Find(name, false, JsonValue::Kind::Array, "a list of texts");
        if (!value)
            return;
        for (const JsonValue& line : value->Items) {
            if (line.Type != JsonValue::Kind::String) {
                Fail(damage_.Not(name, "a list of texts"));
                return;
            }
            field.push_back(line.Text);
        }
    }

    // A whole number from lowest to highest, written as JSON allows (2, 2.0, 2e0).
    void WholeNumber(std::string_view name, int& field, bool required, int lowest, int highest)
    {
        const std::string what = "a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest);
        const JsonValue* value = Find(name, required, JsonValue::Kind::Number, what);
        if (!value)
            return;
        const NumberTextRead number = ReadNumberText(value->Text, FilePoint);
        if (number.Kind != NumberTextKind::Number || number.Value != std::trunc(number.Value) ||
            number.Value < lowest || number.Value > highest) {
            Fail(damage_.Not(name, what) + " (" + value->Text + ")");
            return;
        }
        field = static_cast<int>(number.Value);
    }

    // A price as the grid shows it in the given format, or "??".
    void Price(std::string_view name, std::string& field, const FormatSettings& format)
    {
        constexpr std::string_view what = "a price like \"1234.50\" or \"??\"";
        const JsonValue* value = Find(name, true, JsonValue::Kind::String, what);
        if (!value)
            return;
        if (value->Text == UnknownPrice) {
            field = UnknownPrice;
            return;
        }
        const NumberTextRead number = ReadNumberText(value->Text, FilePoint);
        if (!IsFilePrice(value->Text) || number.Kind != NumberTextKind::Number) {
            Fail(damage_.Not(name, what) + " (\"" + value->Text + "\")");
            return;
        }
        field = QuotationPriceText(number.Value, format);
    }

    const JsonValue* Find(std::string_view name, bool required, JsonValue::Kind kind, std::string_view what)
    {
        if (problem_)
            return nullptr;
        const JsonValue* value = object_.Find(name);
        if (!value) {
            if (required)
                Fail(damage_.Missing(name));
            return nullptr;
        }
        if (value->Type != kind) {
            Fail(damage_.Not(name, what));
            return nullptr;
        }
        return value;
    }

    void Fail(std::string problem)
    {
        if (!problem_)
            problem_ = std::move(problem);
    }

private:
    const JsonValue& object_;
    Damage damage_;
    std::optional<std::string> problem_;
};

QuotationFileRead Refused(QuotationFileProblem problem, std::string detail)
{
    QuotationFileRead read;
    read.Problem = problem;
    read.Detail = std::move(detail);
    return read;
}

// The items in the file's order, or the first problem.
std::optional<std::string> ReadItems(const JsonValue& items, const FormatSettings& format, QuotationItems& quotation)
{
    int position = 0;
    for (const JsonValue& value : items.Items) {
        const std::string where = " of item " + std::to_string(++position);
        if (value.Type != JsonValue::Kind::Object)
            return "item " + std::to_string(position) + " of \"" + std::string(member::Items) + "\" is not an object";
        QuotationItem item;
        MemberReader reader(value, where);
        reader.Text(member::ItemNo, item.ItemNo, false);
        reader.Text(member::Designation, item.Designation, true);
        reader.WholeNumber(member::Quantity, item.Quantity, true, 1, std::numeric_limits<int>::max());
        reader.Price(member::UnitPrice, item.UnitPrice, format);
        reader.Text(member::Currency, item.Currency, true);
        if (!reader.Problem() && item.Designation.empty())
            reader.Fail("\"" + std::string(member::Designation) + "\"" + where + " is empty");
        if (reader.Problem())
            return reader.Problem();
        quotation.AddSavedItem(item);
    }
    return std::nullopt;
}

}  // namespace

std::string QuotationFileText(const SavedQuotation& quotation)
{
    std::ostringstream text;
    JsonWriter json(text, FileIndent);
    json.BeginObject();
    json.Field(member::Format, QuotationFileFormat);
    json.Field(member::Version, QuotationFileVersion);
    json.Key(member::Receiver).BeginArray();
    for (const std::string& line : quotation.Header.Receiver)
        json.String(line);
    json.EndArray();
    for (const HeaderText& header : HeaderTexts)
        json.Field(header.Member, quotation.Header.*header.Field);
    json.Field(member::DiscountPct, quotation.DiscountPct);
    json.Key(member::Items).BeginArray();
    for (const QuotationItem& item : quotation.Items) {
        json.BeginObject();
        json.Field(member::ItemNo, item.ItemNo);
        json.Field(member::Designation, item.Designation);
        json.Field(member::Quantity, item.Quantity);
        json.Field(member::UnitPrice, item.UnitPrice == UnknownPrice ? item.UnitPrice : FilePriceText(item.UnitPrice));
        json.Field(member::Currency, item.Currency);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    text << '\n';
    return text.str();
}

QuotationFileRead ParseQuotationFile(std::string_view text, const FormatSettings& format)
{
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());
    JsonParse parse = ParseJson(text);
    if (!parse.Value)
        return Refused(QuotationFileProblem::NotAQuotation, "not JSON: " + parse.Error);
    const JsonValue& root = *parse.Value;
    if (root.Type != JsonValue::Kind::Object)
        return Refused(QuotationFileProblem::NotAQuotation, "not a JSON object");
    const JsonValue* name = root.Find(member::Format);
    if (!name || name->Type != JsonValue::Kind::String || name->Text != QuotationFileFormat)
        return Refused(QuotationFileProblem::NotAQuotation,
                       "\"" + std::string(member::Format) + "\" is not \"" + std::string(QuotationFileFormat) + "\"");

    QuotationFileRead read;
    MemberReader reader(root, "");
    reader.WholeNumber(member::Version, read.Version, true, 1, std::numeric_limits<int>::max());
    if (reader.Problem())
        return Refused(QuotationFileProblem::Damaged, *reader.Problem());
    if (read.Version > QuotationFileVersion) {
        read.Problem = QuotationFileProblem::NewerVersion;
        read.Detail = "version " + std::to_string(read.Version);
        return read;
    }

    SavedQuotation& quotation = read.Quotation;
    reader.TextList(member::Receiver, quotation.Header.Receiver);
    for (const HeaderText& header : HeaderTexts)
        reader.Text(header.Member, quotation.Header.*header.Field, false);
    reader.WholeNumber(member::DiscountPct, quotation.DiscountPct, false, 0, MaxDiscountPct);
    const JsonValue* items = reader.Find(member::Items, true, JsonValue::Kind::Array, "a list of items");
    std::optional<std::string> problem = reader.Problem();
    QuotationItems parsed(format);
    if (!problem)
        problem = ReadItems(*items, format, parsed);
    if (problem) {
        QuotationFileRead damaged = Refused(QuotationFileProblem::Damaged, *problem);
        damaged.Version = read.Version;
        return damaged;
    }
    quotation.Items = parsed.Items();
    return read;
}

QuotationFileRead ReadQuotationFile(const fs::path& file, const FormatSettings& format)
{
    const auto unreadable = [](std::error_code reason) {
        QuotationFileRead read = Refused(QuotationFileProblem::Unreadable, reason.message());
        read.Reason = reason;
        return read;
    };
    std::error_code ec;
    if (fs::is_directory(file, ec))
        return unreadable(std::make_error_code(std::errc::is_a_directory));
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec)
        return unreadable(ec);
    if (size > MaxFileBytes)
        return Refused(QuotationFileProblem::NotAQuotation,
                       "larger than " + std::to_string(MaxFileBytes / (1024 * 1024)) + " MiB");
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    if (in)
        text << in.rdbuf();
    if (!in || in.bad())
        return unreadable(std::error_code(errno != 0 ? errno : EIO, std::generic_category()));
    return ParseQuotationFile(text.str(), format);
}

FileWriteResult WriteQuotationFile(const fs::path& file, const SavedQuotation& quotation)
{
    return ReplaceFileAtomically(file, QuotationFileText(quotation));
}

std::string QuotationFileProblemText(const QuotationFileRead& read, const std::string& file,
                                     const LanguageTable& texts, const FormatSettings& format)
{
    const auto text = [&](const TextKey& key, std::initializer_list<FormatArg> args) {
        return Format(texts.Lookup(key.Key), args, format);
    };
    switch (read.Problem) {
    case QuotationFileProblem::None: break;
    case QuotationFileProblem::Unreadable: return text(keys::QuotationFileUnreadable, {file, read.Detail});
    case QuotationFileProblem::NotAQuotation: return text(keys::QuotationFileNotAQuotation, {file, read.Detail});
    case QuotationFileProblem::NewerVersion:
        return text(keys::QuotationFileNewer, {file, read.Version, QuotationFileVersion});
    case QuotationFileProblem::Damaged: return text(keys::QuotationFileDamaged, {file, read.Detail});
    }
    return {};
}

std::string QuotationFileWriteText(const FileWriteResult& failed, const std::string& file,
                                   const LanguageTable& texts, const FormatSettings& format)
{
    return Format(texts.Lookup(keys::QuotationFileNotSaved.Key), {file, FailureReasonText(texts, failed, format)},
                  format);
}

SavedQuotation SavedQuotationOf(const QuotationHeader& header, int discountPct, const QuotationItems& items)
{
    return {header, discountPct, items.Items()};
}

QuotationItems QuotationItemsOf(const SavedQuotation& quotation, const FormatSettings& format)
{
    QuotationItems items(format);
    for (const QuotationItem& item : quotation.Items)
        items.AddSavedItem(item);
    return items;
}

}  // namespace kr
