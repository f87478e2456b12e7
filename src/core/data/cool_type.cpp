#include "core/data/cool_type.h"

#include "core/common/text_case.h"

namespace kr {

bool tCoolType::IsAccessory() const { return IsAccessoryType(CoolerType()); }

bool IsAccessoryType(std::string_view coolerType)
{
    const std::string upper = UpperCaseText(coolerType);
    return upper == "TB" || upper == "TK" || upper == "AD";
}

}  // namespace kr
