#pragma once

#include "core/common/delphi_format.h"
#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/engine/duty_input.h"
#include "core/engine/error_list.h"
#include "core/engine/motor_options.h"
#include "core/quote/price_file.h"

#include <string>
#include <vector>

namespace kr {

struct KnownRating {
    std::string ErrorText;  // the numbered problem list; empty when rated
    DutyValues Duty;
    std::vector<tCoolType> KnownResults;  // every record of the type and drive, ranked

    bool Shown() const { return ErrorText.empty(); }
};

// The whole search of the Known-cooler tab: the checks of its entries, then
// the rating of every record of the chosen type and drive at the duty.
KnownRating RateKnownCooler(const KnownInput& input, const CoolerRecordList& records, const PriceRecordList& prices,
                            const LanguageTable& language, const FormatSettings& settings);

// The rating after the checks, for a duty already in internal units; errors
// holds what the checks reported and is numbered on.
KnownRating RateKnownDuty(const DutyValues& duty, const KnownDriveFilter& filter, bool isKrc, ErrorList& errors,
                          const CoolerRecordList& records, const PriceRecordList& prices);

}  // namespace kr
