#include "core/present/current_cooler.h"

#include "core/common/number_text.h"
#include "core/common/units.h"
#include "core/engine/oil_grades.h"

namespace kr {

tCoolType MakeCurrentCooler(const tCoolType& chosen, const CoolerChoices& choices, const PriceRecordList& prices,
                            char decimalSeparator)
{
    tCoolType current = chosen;
    current.IsChosen = true;
    current.OilFlowUnit = choices.OilFlowUnit;
    current.HeatUnit = choices.HeatUnit;
    current.AmbientUnit = choices.AmbientUnit;
    current.InletTempUnit = choices.InletTempUnit;
    current.AltitudeShown = ConvertLength(0, choices.AltitudeUnit, chosen.Altitude);
    current.AltitudeUnitText = choices.AltitudeUnitText;
    current.FromDutyTab = choices.FromDutyTab;
    current.HeatTyped = choices.FromDutyTab ? TextToNumber(choices.HeatText, 0, decimalSeparator) : 0;
    current.OilTypeText = std::string(OilGradeAt(choices.OilGradeIndex).Name);
    current.Currency = LookUpPrice(prices, chosen.ItemNo()).Currency;
    return current;
}

}  // namespace kr
