#pragma once

#include "core/common/record_fields.h"
#include "core/data/record_field.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kr {

// The verbatim bytes of one fixed-size record with typed access by field.
template <std::size_t Size>
struct FixedRecord {
    static constexpr std::size_t RecordSize = Size;
    std::array<std::uint8_t, Size> Record{};

    FixedRecord() = default;
    explicit FixedRecord(std::span<const std::uint8_t, Size> bytes) { std::ranges::copy(bytes, Record.begin()); }

    std::string Text(const RecordField& field) const { return ReadShortString(Record, field.offset, field.capacity); }
    std::int32_t Integer(const RecordField& field) const { return ReadInt32(Record, field.offset); }
    Extended Number(const RecordField& field) const { return ReadExtendedField(Record, field.offset); }

    void SetText(const RecordField& field, std::string_view utf8)
    {
        WriteShortString(Record, field.offset, field.capacity, utf8);
    }
    void SetInteger(const RecordField& field, std::int32_t value) { WriteInt32(Record, field.offset, value); }
    void SetNumber(const RecordField& field, Extended value) { WriteExtendedField(Record, field.offset, value); }
};

}  // namespace kr
