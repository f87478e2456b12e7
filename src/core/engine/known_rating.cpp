#include "core/engine/known_rating.h"

#include "core/engine/candidate.h"
#include "core/engine/duty_checks.h"
#include "core/engine/price_finder.h"
#include "core/engine/ranking.h"

#include <algorithm>

namespace kr {

KnownRating RateKnownDuty(const DutyValues& duty, const KnownDriveFilter& filter, bool isKrc, ErrorList& errors,
                          const CoolerRecordList& records, const PriceRecordList& prices)
{
    KnownRating rating;
    rating.Duty = duty;

    std::vector<Candidate> candidates;
    if (errors.Empty()) {
        for (const tCoolType& record : records)
            if (filter.Matches(record))
                candidates.push_back(MakeCandidate(record, isKrc, duty.OilFlow));
        if (!isKrc) {
            std::erase_if(candidates, [](const Candidate& c) { return !InsideOilFlowRange(c); });
            if (candidates.empty())
                errors.Add(keys::ErrorNoCoolerOilflow);
        }
    }
    if (candidates.empty())
        errors.Add(keys::ErrorNoCooler);
    if (!errors.Empty()) {
        rating.ErrorText = errors.Text();
        return rating;
    }

    PriceFinder priceFinder(prices);
    RatingDuty ratingDuty{0, duty.OilInletTemp, duty.AmbientTemp, duty.Altitude, duty.OilTypeIndex};
    for (Candidate& candidate : candidates) {
        ratingDuty.OilFlow = candidate.OilFlow;
        candidate.RequiredHeat = BaseHeatEstimate(candidate.Coefficients, ratingDuty);
        candidate.Rating = RateCooler(candidate.Coefficients, ratingDuty, candidate.RequiredHeat);
        if (!isKrc)
            candidate.Temp5Bar = Temp5Bar(candidate.Coefficients, candidate.OilFlow, duty.OilTypeIndex);
        rating.KnownResults.push_back(MakeResult(candidate, duty, priceFinder));
    }
    SortByRankingKey(rating.KnownResults, errors.Settings());
    return rating;
}

KnownRating RateKnownCooler(const KnownInput& input, const CoolerRecordList& records, const PriceRecordList& prices,
                            const LanguageTable& language, const FormatSettings& settings)
{
    ErrorList errors(language, settings);
    const DutyValues duty = CheckKnownInput(input, errors);
    return RateKnownDuty(duty, KnownDriveFilterFor(input), input.Drive == DriveChoice::KRC, errors, records, prices);
}

}  // namespace kr
