#pragma once

#include "core/data/cool_type.h"
#include "core/data/text_keys.h"

#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The size of a cooler: the number after the first blank of its type, up
// to a "-" ("KR 100-2" is size 100). A type without such a whole number
// counts as size 30, a middle size.
inline constexpr int UnnumberedCoolerSize = 30;
int CoolerSize(std::string_view coolerType);

// Which spare parts a cooler has depends on its drive and size:
//   1  DC motors, and any drive not listed here: core, fan, guard and cowl
//   2  AC 400 V, sizes 70 to 100: also motor, motor mounting and adapter
//   3  with circulation pump: also motor, feet, mounting bracket, pump,
//      hose, nipple and gasket
//   4  hydraulic, sizes 70 to 100: also motor, motor mounting, adapter,
//      bearing and spline coupling
//   5  hydraulic, sizes 10 to 60: also motor and feet
//   6  AC 400 V, sizes 10 to 60 except 50: also motor and feet
//   7  AC 400 V, size 50: also motor and feet
enum class PartsListKind {
    Basic = 1,
    LargeAC = 2,
    Pump = 3,
    LargeHydraulic = 4,
    SmallHydraulic = 5,
    SmallAC = 6,
    AC50 = 7,
};
PartsListKind PartsListKindOf(std::string_view motorKind, int coolerSize);

struct SparePart {
    TextKey Label;
    std::string PartNo;  // as the record holds it
};

// The spare parts of the cooler's kind, in the order they are listed.
std::vector<SparePart> SpareParts(const tCoolType& cooler);

}  // namespace kr
