#include "krdata/field_text.h"

#include "core/common/cp1252.h"
#include "core/common/record_fields.h"
#include "krdata/data_error.h"
#include "krdata/number_text.h"

#include <cstdio>

namespace kr {

namespace {

std::string CodePointName(char32_t codePoint)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(codePoint));
    return buffer;
}

// The Windows-1252 bytes of a UTF-8 text, or a DataError naming the first
// character that has none (or the first byte that is no UTF-8).
std::string ExactCp1252(std::string_view utf8)
{
    std::string bytes;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t codePoint = NextCodePoint(utf8, pos);
        const std::string_view character = utf8.substr(start, pos - start);
        const std::string converted = Utf8ToCp1252(character);
        if (Cp1252ToUtf8(converted) != character) {
            if (pos == start + 1 && codePoint >= 0x80)
                throw DataError("the text is not valid UTF-8");
            throw DataError("the character " + CodePointName(codePoint) + " has no Windows-1252 code");
        }
        bytes += converted;
    }
    return bytes;
}

void WriteText(std::span<std::uint8_t> record, const RecordField& field, std::string_view cell)
{
    const std::string bytes = ExactCp1252(cell);
    if (bytes.size() > field.capacity)
        throw DataError("the text has " + std::to_string(bytes.size()) + " characters, the field holds at most " +
                        std::to_string(field.capacity));
    WriteShortString(record, field.offset, field.capacity, cell);
}

void WriteInteger(std::span<std::uint8_t> record, const RecordField& field, std::string_view cell)
{
    const auto value = cell.empty() ? std::optional<std::int32_t>(0) : ParseInt32Text(cell);
    if (!value)
        throw DataError("\"" + std::string(cell) + "\" is not a whole number in the 32-bit range");
    WriteInt32(record, field.offset, *value);
}

void WriteNumber(std::span<std::uint8_t> record, const RecordField& field, std::string_view cell)
{
    const auto value = cell.empty() ? std::optional<Extended>(0) : ParseExtendedText(cell);
    if (!value)
        throw DataError("\"" + std::string(cell) + "\" is not a finite decimal number");
    WriteExtendedField(record, field.offset, *value);
}

}  // namespace

void WriteFieldText(std::span<std::uint8_t> record, const RecordField& field, std::string_view cell)
{
    switch (field.type) {
    case FieldType::ShortString:
        WriteText(record, field, cell);
        return;
    case FieldType::Int32:
        WriteInteger(record, field, cell);
        return;
    case FieldType::Extended80:
        WriteNumber(record, field, cell);
        return;
    }
}

std::string ReadFieldText(std::span<const std::uint8_t> record, const RecordField& field)
{
    switch (field.type) {
    case FieldType::ShortString:
        return ReadShortString(record, field.offset, field.capacity);
    case FieldType::Int32:
        return std::to_string(ReadInt32(record, field.offset));
    case FieldType::Extended80:
        return ShortestExtendedText(ReadExtendedField(record, field.offset));
    }
    return {};
}

}  // namespace kr
