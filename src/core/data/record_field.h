#pragma once

#include <cstddef>
#include <string_view>

namespace kr {

enum class FieldType { ShortString, Int32, Extended80 };

// One field of a fixed-layout record: where it lies and how it is stored.
// For a short string, capacity is the number of character bytes behind the
// length byte.
struct RecordField {
    std::string_view name;
    std::size_t offset;
    FieldType type;
    std::size_t capacity = 0;
};

constexpr RecordField ShortStringField(std::string_view name, std::size_t offset, std::size_t capacity)
{
    return {name, offset, FieldType::ShortString, capacity};
}
constexpr RecordField Int32Field(std::string_view name, std::size_t offset)
{
    return {name, offset, FieldType::Int32, 0};
}
constexpr RecordField ExtendedField(std::string_view name, std::size_t offset)
{
    return {name, offset, FieldType::Extended80, 0};
}

}  // namespace kr
