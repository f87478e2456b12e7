#include "cli/duty_options.h"

#include <vector>

namespace kr::cli {

std::string DutyOptionName(std::string_view dutyName)
{
    return std::string(OptionPrefix) + std::string(dutyName);
}

const std::set<std::string_view>& DutyValueOptions()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> options;
        for (const std::string_view name : CalculationDutyNames)
            options.push_back(DutyOptionName(name));
        return options;
    }();
    static const std::set<std::string_view> options(names.begin(), names.end());
    return options;
}

DutyTexts DutyFromOptions(const Options& options)
{
    DutyTexts duty;
    for (const std::string_view name : CalculationDutyNames)
        if (options.Has(DutyOptionName(name)))
            duty[std::string(name)] = options.Value(DutyOptionName(name));
    return duty;
}

}  // namespace kr::cli
