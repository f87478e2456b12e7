#include "core/settings/reg_file_format.h"

#include "core/common/cp1252.h"
#include "core/common/text_case.h"

#include <algorithm>
#include <optional>

namespace kr {

namespace {

constexpr std::string_view HeaderLine = "REGEDIT4";
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view DwordPrefix = "dword:";
constexpr std::string_view HexPrefix = "hex";
constexpr std::uint32_t RegistryBinaryType = 3;  // plain "hex:" without a type
constexpr std::size_t DwordHexDigits = 8;
constexpr char HexDigits[] = "0123456789abcdef";

// ---- reading ---------------------------------------------------------------

std::optional<unsigned> HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

// 1 to maxDigits hex digits and nothing else.
std::optional<std::uint32_t> ParseHexNumber(std::string_view digits, std::size_t maxDigits)
{
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    std::uint32_t number = 0;
    for (char c : digits) {
        const auto digit = HexDigitValue(c);
        if (!digit)
            return std::nullopt;
        number = number * 16 + *digit;
    }
    return number;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// A quoted text at the start of rest; rest moves past the closing quote.
std::optional<std::string> TakeQuoted(std::string_view& rest)
{
    if (rest.empty() || rest.front() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return text;
        }
        if (c == '\\') {
            if (i + 1 == rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"'))
                return std::nullopt;
            text += rest[++i];
        } else {
            text += c;
        }
    }
    return std::nullopt;  // no closing quote
}

// "aa,bb,cc" (blanks around the bytes allowed); an empty list is no bytes.
std::optional<std::vector<std::uint8_t>> ParseByteList(std::string_view list)
{
    std::vector<std::uint8_t> bytes;
    if (TrimText(list).empty())
        return bytes;
    while (true) {
        const std::size_t comma = list.find(',');
        const auto byte = ParseHexNumber(TrimText(list.substr(0, comma)), 2);
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == std::string_view::npos)
            return bytes;
        list.remove_prefix(comma + 1);
    }
}

RegistryValue ValueFromBytes(std::uint32_t type, std::vector<std::uint8_t> bytes)
{
    if (type == RegistryDwordType && bytes.size() == 4)
        return static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16
                                          | static_cast<std::uint32_t>(bytes[3]) << 24);
    if (type == RegistryStringType) {
        if (!bytes.empty() && bytes.back() == 0)
            bytes.pop_back();
        return std::string(bytes.begin(), bytes.end());
    }
    return RegistryOtherValue{type, std::move(bytes)};
}

// hex:aa,bb or hex(N):aa,bb
std::optional<RegistryValue> ParseHexValue(std::string_view text)
{
    text.remove_prefix(HexPrefix.size());
    std::uint32_t type = RegistryBinaryType;
    if (!text.empty() && text.front() == '(') {
        const std::size_t close = text.find(')');
        if (close == std::string_view::npos)
            return std::nullopt;
        const auto number = ParseHexNumber(text.substr(1, close - 1), DwordHexDigits);
        if (!number)
            return std::nullopt;
        type = *number;
        text.remove_prefix(close + 1);
    }
    if (text.empty() || text.front() != ':')
        return std::nullopt;
    auto bytes = ParseByteList(text.substr(1));
    if (!bytes)
        return std::nullopt;
    return ValueFromBytes(type, std::move(*bytes));
}

std::optional<RegistryValue> ParseValue(std::string_view text)
{
    if (!text.empty() && text.front() == '"') {
        auto quoted = TakeQuoted(text);
        if (!quoted || !TrimText(text).empty())
            return std::nullopt;
        return RegistryValue(std::move(*quoted));
    }
    if (StartsWithIgnoringCase(text, DwordPrefix)) {
        const auto number = ParseHexNumber(TrimText(text.substr(DwordPrefix.size())), DwordHexDigits);
        if (!number)
            return std::nullopt;
        return RegistryValue(*number);
    }
    if (StartsWithIgnoringCase(text, HexPrefix))
        return ParseHexValue(text);
    return std::nullopt;  // also the deletion mark "-"
}

std::optional<NamedRegistryValue> ParseValueLine(std::string_view line)
{
    auto name = TakeQuoted(line);
    if (!name || name->empty())
        return std::nullopt;
    line = TrimText(line);
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    auto value = ParseValue(TrimText(line.substr(1)));
    if (!value)
        return std::nullopt;
    return NamedRegistryValue{std::move(*name), std::move(*value)};
}

void PutValue(RegistryValues& values, NamedRegistryValue named)
{
    const auto same = std::find_if(values.begin(), values.end(), [&](const NamedRegistryValue& v) {
        return SameText(v.name, named.name);
    });
    if (same != values.end())
        same->value = std::move(named.value);
    else
        values.push_back(std::move(named));
}

// Physical lines without their line break (LF or CR LF).
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& line)
    {
        if (done_)
            return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        if (end == std::string_view::npos)
            done_ = true;
        else
            rest_.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

// A hex list ending in a backslash goes on in the next line.
std::string JoinContinuedLines(std::string_view first, LineReader& lines)
{
    std::string joined(first);
    std::string_view next;
    while (!joined.empty() && joined.back() == '\\' && lines.Next(next)) {
        joined.pop_back();
        joined += TrimText(next);
    }
    return joined;
}

// Only a hex list may go on: a damaged text ending in a backslash must not
// swallow the good line after it.
bool IsContinuedHexLine(std::string_view line)
{
    if (line.empty() || line.back() != '\\' || !TakeQuoted(line))
        return false;
    line = TrimText(line);
    return line.starts_with('=') && StartsWithIgnoringCase(TrimText(line.substr(1)), HexPrefix);
}

// ---- writing ---------------------------------------------------------------

void AppendHexByte(std::string& out, std::uint8_t byte)
{
    out += HexDigits[byte >> 4];
    out += HexDigits[byte & 0x0F];
}

void AppendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

void AppendHexValue(std::string& out, std::uint32_t type, const std::vector<std::uint8_t>& bytes)
{
    out += "hex(";
    std::string typeDigits;
    do {
        typeDigits.insert(typeDigits.begin(), HexDigits[type & 0x0F]);
        type >>= 4;
    } while (type != 0);
    out += typeDigits;
    out += "):";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendHexByte(out, bytes[i]);
    }
}

// Control characters cannot stand between quotes, and the file is UTF-8.
bool CanBeQuoted(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const auto lead = static_cast<unsigned char>(text[start]);
        const char32_t cp = NextCodePoint(text, pos);
        if (cp < 0x20 || (lead >= 0x80 && pos == start + 1))
            return false;
    }
    return true;
}

void AppendString(std::string& out, const std::string& text)
{
    if (CanBeQuoted(text)) {
        AppendQuoted(out, text);
        return;
    }
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    AppendHexValue(out, RegistryStringType, bytes);
}

void AppendDword(std::string& out, std::uint32_t number)
{
    out += DwordPrefix;
    for (int shift = 28; shift >= 0; shift -= 4)
        out += HexDigits[(number >> shift) & 0x0F];
}

void AppendValue(std::string& out, const RegistryValue& value)
{
    if (const auto* number = std::get_if<std::uint32_t>(&value))
        AppendDword(out, *number);
    else if (const auto* text = std::get_if<std::string>(&value))
        AppendString(out, *text);
    else {
        const auto& other = std::get<RegistryOtherValue>(value);
        AppendHexValue(out, other.type, other.bytes);
    }
}

}  // namespace

RegistryValues ParseRegFile(std::string_view text)
{
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());
    RegistryValues values;
    LineReader lines(text);
    bool inSettingsKey = false;
    std::string_view physical;
    while (lines.Next(physical)) {
        std::string_view line = TrimText(physical);
        if (line.starts_with('[')) {
            inSettingsKey = SameText(line, SettingsKeyLine);
            continue;
        }
        if (!inSettingsKey)
            continue;
        std::string joined;
        if (IsContinuedHexLine(line)) {
            joined = JoinContinuedLines(line, lines);
            line = joined;
        }
        if (auto named = ParseValueLine(line))
            PutValue(values, std::move(*named));
    }
    return values;
}

std::string FormatRegFile(const RegistryValues& values)
{
    std::string out;
    out += HeaderLine;
    out += "\n\n";
    out += SettingsKeyLine;
    out += '\n';
    for (const auto& named : values) {
        AppendQuoted(out, named.name);
        out += '=';
        AppendValue(out, named.value);
        out += '\n';
    }
    return out;
}

bool IsWritableValueName(std::string_view name)
{
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    });
}

}  // namespace kr
