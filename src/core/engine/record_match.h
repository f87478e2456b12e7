#pragma once

#include "core/data/cool_type.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kr {

// Whether a short-string field holds exactly this ASCII text, compared on
// the record bytes without decoding them: searches test the drive code of
// every record. A length byte beyond the field counts as the whole field.
bool FieldEquals(const tCoolType& record, const RecordField& field, std::string_view ascii);

// "KRC" as the first three characters: a cooler with its own circulation pump.
bool IsKrcType(std::string_view coolerType);

// HydDisplacement as a whole number: blanks around it, an optional sign and
// decimal digits within the 32-bit range. Anything else is no whole number.
std::optional<std::int32_t> WholeNumber(std::string_view text);

}  // namespace kr
