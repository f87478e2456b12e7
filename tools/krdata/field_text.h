#pragma once

#include "core/data/record_field.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kr {

// One record field as the text of a CSV cell. An empty cell is zero or empty
// text. Throws DataError, naming no place (the caller knows row and column),
// when the text is no number of the field's type or cannot be stored as
// Windows-1252 within the field's capacity: nothing is ever cut or replaced.
void WriteFieldText(std::span<std::uint8_t> record, const RecordField& field, std::string_view cell);

// The field's value as the cell text that WriteFieldText reads back to the
// same bytes: UTF-8 text, decimal integers, extended numbers in their shortest
// exact form.
std::string ReadFieldText(std::span<const std::uint8_t> record, const RecordField& field);

}  // namespace kr
