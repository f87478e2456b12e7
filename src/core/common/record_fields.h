#pragma once

#include "core/common/extended.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kr {

// Fields of the fixed-layout record files (Krdata.dat, Price.dat). Reads
// never go beyond the record: a short string whose length byte exceeds its
// capacity is read up to the end of its field, and a field that does not fit
// into the record reads as empty or zero.

// Short string of capacity N at offset: one length byte, N character bytes
// (Windows-1252). Returned as UTF-8.
std::string ReadShortString(std::span<const std::uint8_t> record, std::size_t offset, std::size_t capacity);
std::int32_t ReadInt32(std::span<const std::uint8_t> record, std::size_t offset);
Extended ReadExtendedField(std::span<const std::uint8_t> record, std::size_t offset);

// Writers for the data tools. Text is converted to Windows-1252 and cut to
// the capacity; the unused character bytes are zero.
void WriteShortString(std::span<std::uint8_t> record, std::size_t offset, std::size_t capacity, std::string_view utf8);
void WriteInt32(std::span<std::uint8_t> record, std::size_t offset, std::int32_t value);
void WriteExtendedField(std::span<std::uint8_t> record, std::size_t offset, Extended value);

}  // namespace kr
