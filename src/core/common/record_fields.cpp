#include "core/common/record_fields.h"

#include "core/common/cp1252.h"

#include <algorithm>

namespace kr {

std::string ReadShortString(std::span<const std::uint8_t> record, std::size_t offset, std::size_t capacity)
{
    if (offset >= record.size())
        return {};
    const std::size_t available = std::min(capacity, record.size() - offset - 1);
    const std::size_t length = std::min<std::size_t>(record[offset], available);
    const auto* first = reinterpret_cast<const char*>(record.data() + offset + 1);
    return Cp1252ToUtf8(std::string_view(first, length));
}

std::int32_t ReadInt32(std::span<const std::uint8_t> record, std::size_t offset)
{
    if (offset + 4 > record.size())
        return 0;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{record[offset + i]} << (8 * i);
    return static_cast<std::int32_t>(value);
}

Extended ReadExtendedField(std::span<const std::uint8_t> record, std::size_t offset)
{
    if (offset + ExtendedSize > record.size())
        return 0;
    return DecodeExtended(record.subspan(offset).first<ExtendedSize>());
}

void WriteShortString(std::span<std::uint8_t> record, std::size_t offset, std::size_t capacity, std::string_view utf8)
{
    if (offset + 1 + capacity > record.size())
        return;
    const std::string bytes = Utf8ToCp1252(utf8);
    const std::size_t length = std::min(bytes.size(), capacity);
    record[offset] = static_cast<std::uint8_t>(length);
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset + 1), capacity, std::uint8_t{0});
    std::copy_n(bytes.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

void WriteInt32(std::span<std::uint8_t> record, std::size_t offset, std::int32_t value)
{
    if (offset + 4 > record.size())
        return;
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void WriteExtendedField(std::span<std::uint8_t> record, std::size_t offset, Extended value)
{
    if (offset + ExtendedSize > record.size())
        return;
    const ExtendedBytes bytes = EncodeExtended(value);
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace kr
