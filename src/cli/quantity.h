#pragma once

#include "core/common/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace kr::cli {

// A quantity as a field and its unit list hold it: the number text as the
// user typed it and the index of its unit.
struct Quantity {
    std::string NumberText;
    int UnitIndex = 0;
};

struct QuantityRead {
    std::optional<Quantity> Value;
    std::string Error;  // when there is no value: what is wrong, for a usage message
};

// A number optionally followed by a unit name of the list, with or without
// a blank between ("80", "80l/min", "1,2 m3/h", "86degF"). The number is
// written with the decimal separator given; without a unit the base unit
// (index 0) holds; plain-ASCII spellings of unit names are accepted. A
// number too large for the engine's fields is refused. An empty text is an
// empty field. name is the option or column the text came from, for the
// error.
QuantityRead ReadQuantity(std::string_view text, UnitNames units, char decimalSeparator, std::string_view name);

// The same into a duty field's text and its unit list; false with error set
// when the text is no quantity of the list.
bool ReadQuantityInto(std::string_view text, UnitNames units, char decimalSeparator, std::string_view name,
                      std::string& field, int& unit, std::string& error);

// The unit names of a list, joined for a message: "l/min, l/s, m³/h, ...".
std::string UnitNameList(UnitNames units);

}  // namespace kr::cli
