#include "core/common/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace kr {

namespace {

// An x87 long double has a 64-bit mantissa; 21 significant decimal digits
// always read back to the same value.
constexpr int ExtendedSignificantDigits = 21;

constexpr char HexDigits[] = "0123456789abcdef";

}  // namespace

std::string JsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\b': quoted += "\\b"; break;
        case '\f': quoted += "\\f"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (byte < 0x20) {
                quoted += "\\u00";
                quoted += HexDigits[byte >> 4];
                quoted += HexDigits[byte & 0xF];
            } else {
                quoted += c;
            }
        }
    }
    quoted += '"';
    return quoted;
}

std::string JsonNumber(Extended value)
{
    if (!std::isfinite(value))
        return "null";
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, ExtendedSignificantDigits);
    return std::string(buffer.data(), written.ptr);
}

void JsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back())
            *out_ << ',';
        firstInLevel_.back() = false;
        NewLine(firstInLevel_.size());
    }
}

void JsonWriter::NewLine(std::size_t depth)
{
    if (indent_ > 0)
        *out_ << '\n' << std::string(depth * static_cast<std::size_t>(indent_), ' ');
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    *out_ << bracket;
    firstInLevel_.push_back(true);
}

void JsonWriter::Close(char bracket)
{
    const bool empty = firstInLevel_.back();
    firstInLevel_.pop_back();
    if (!empty)
        NewLine(firstInLevel_.size());
    *out_ << bracket;
}

JsonWriter& JsonWriter::BeginObject()
{
    Open('{');
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    Close('}');
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    Open('[');
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    *out_ << JsonString(key) << (indent_ > 0 ? ": " : ":");
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text)
{
    BeforeValue();
    *out_ << JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::Number(Extended value)
{
    BeforeValue();
    *out_ << JsonNumber(value);
    return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value)
{
    BeforeValue();
    *out_ << value;
    return *this;
}

}  // namespace kr
