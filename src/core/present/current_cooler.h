#pragma once

#include "core/data/cool_type.h"
#include "core/engine/oil_grades.h"
#include "core/quote/price_file.h"

#include <string>

namespace kr {

// What the user had chosen on the tab a cooler was opened from, read from
// its controls by the window: the unit lists' selected indices, the altitude
// unit as its list shows it, the heat rejection as typed and the oil grade's
// position in the oil-type list.
struct CoolerChoices {
    bool FromDutyTab = false;  // opened from the Calculation tab, where the required heat is known
    int OilFlowUnit = 0;
    int HeatUnit = 0;
    int AmbientUnit = 0;
    int InletTempUnit = 0;  // also the unit of the outlet and thermo-bypass temperatures
    int AltitudeUnit = 0;
    std::string AltitudeUnitText;
    std::string HeatText;  // EditHeatReject as typed; read only for the Calculation tab
    int OilGradeIndex = StandardOilGradeIndex;
};

// The current cooler made from the chosen result: its record and rating
// copied, chosen, with the presentation fields of the choices and the
// currency of its price (the default currency when the price list has no
// such item). A heat text that is no number is taken as 0. An oil-grade
// index outside the list names the grade the rating took in its place.
tCoolType MakeCurrentCooler(const tCoolType& chosen, const CoolerChoices& choices, const PriceRecordList& prices,
                            char decimalSeparator);

}  // namespace kr
