#include "core/engine/selection.h"

#include "core/engine/candidate.h"
#include "core/engine/price_finder.h"
#include "core/engine/record_match.h"

#include <algorithm>

namespace kr {

namespace {

// A cooler is shown while its pressure loss is at most this times the
// permitted one.
constexpr Extended PressLossTolerance = 1.2L;

std::vector<Candidate> CandidatesWithDrive(const CoolerRecordList& records, const DutyCheck& check, bool isKrc)
{
    std::vector<Candidate> candidates;
    // No drive code (a voltage list without a choice) selects no record.
    if (check.DriveKey.empty())
        return candidates;
    const auto hasDrive = [&](const tCoolType& record) {
        return FieldEquals(record, CoolerField::MotorKind, check.DriveKey);
    };
    // Sized once: a large database would otherwise move the candidates
    // again and again as the list grows.
    candidates.reserve(static_cast<std::size_t>(std::ranges::count_if(records, hasDrive)));
    for (const tCoolType& record : records) {
        if (!hasDrive(record))
            continue;
        Candidate candidate = MakeCandidate(record, isKrc, check.Duty.OilFlow);
        candidate.RequiredHeat = check.Duty.RequiredHeat;
        candidates.push_back(candidate);
    }
    return candidates;
}

void KeepWithinHeatBand(std::vector<Candidate>& candidates, const DutyValues& duty, bool isKrc)
{
    const HeatBand band = HeatBandFor(duty.RequiredHeat, isKrc);
    RatingDuty ratingDuty{0, duty.OilInletTemp, duty.AmbientTemp, duty.Altitude, duty.OilTypeIndex};
    for (Candidate& candidate : candidates) {
        ratingDuty.OilFlow = candidate.OilFlow;
        candidate.Rating = RateCooler(candidate.Coefficients, ratingDuty, duty.RequiredHeat);
    }
    std::erase_if(candidates, [&](const Candidate& c) { return !band.Accepts(c.Rating.HeatRejection); });
}

// The second pass. Rating is a pure function of record and duty, so the
// ratings of the first pass stand as they are; this pass adds the 5-bar
// temperature and judges the pressure loss. Returns false when the user
// declines to see coolers that all exceed the limit.
bool KeepWithinPressLoss(std::vector<Candidate>& candidates, const DutyValues& duty, const LanguageTable& language,
                         const AskPressLossQuestion& askPressLoss)
{
    const Extended limit = PressLossTolerance * duty.MaxPressLoss;
    for (Candidate& candidate : candidates)
        candidate.Temp5Bar = Temp5Bar(candidate.Coefficients, candidate.OilFlow, duty.OilTypeIndex);
    const auto tooHigh = [&](const Candidate& c) { return c.Rating.PressLoss > limit; };
    if (std::ranges::all_of(candidates, tooHigh)) {
        if (!askPressLoss)
            return true;
        return askPressLoss(language.Lookup(keys::AskPresslossText.Key), language.Lookup(keys::AskPresslossCaption.Key));
    }
    std::erase_if(candidates, tooHigh);
    return true;
}

std::string UnreadableDisplacementText(const UnreadableDisplacementRecord& record, const ErrorList& errors)
{
    const std::string pattern = errors.Language().Lookup(keys::ErrorNotAWholeNumber.Key);
    return record.Designation + ": " + Format(pattern, {record.HydDisplacement}, errors.Settings());
}

}  // namespace

DutySelection SelectForDuty(const DutyCheck& check, ErrorList& errors, const CoolerRecordList& records,
                            const PriceRecordList& prices, const AskPressLossQuestion& askPressLoss)
{
    DutySelection selection;
    selection.DriveKey = check.DriveKey;
    selection.Duty = check.Duty;
    const DutyValues& duty = check.Duty;
    const bool isKrc = selection.IsKrc();

    std::vector<Candidate> candidates;
    if (errors.Empty()) {
        candidates = CandidatesWithDrive(records, check, isKrc);
        if (!isKrc) {
            std::erase_if(candidates, [](const Candidate& c) { return !InsideOilFlowRange(c); });
            if (candidates.empty())
                errors.Add(keys::ErrorNoCoolerOilflow);
        }
    }
    if (errors.Empty())
        KeepWithinHeatBand(candidates, duty, isKrc);
    if (!candidates.empty() && !isKrc && errors.Empty() &&
        !KeepWithinPressLoss(candidates, duty, errors.Language(), askPressLoss)) {
        selection.Outcome = SelectionOutcome::EndedByQuestion;
        return selection;
    }
    if (candidates.empty())
        errors.Add(keys::ErrorNoCooler);
    if (!errors.Empty()) {
        selection.Outcome = SelectionOutcome::Errors;
        selection.ErrorText = errors.Text();
        return selection;
    }

    PriceFinder priceFinder(prices);
    std::vector<tCoolType> results;
    results.reserve(candidates.size());
    for (const Candidate& candidate : candidates)
        results.push_back(MakeResult(candidate, duty, priceFinder));

    if (selection.IsHydraulic()) {
        HydraulicGrouping grouping = GroupHydraulicResults(std::move(results), errors.Settings());
        if (grouping.Unreadable) {
            selection.Outcome = SelectionOutcome::UnreadableDatabase;
            selection.ErrorText = UnreadableDisplacementText(*grouping.Unreadable, errors);
            selection.Unreadable = std::move(grouping.Unreadable);
            return selection;
        }
        selection.HydraulicGroups = std::move(grouping.Groups);
    } else {
        RankSelection(results, errors.Settings());
        selection.ResultCoolers = std::move(results);
    }
    selection.Outcome = SelectionOutcome::Shown;
    return selection;
}

DutySelection SelectByDuty(const CalculationInput& input, const CoolerRecordList& records,
                           const PriceRecordList& prices, const LanguageTable& language,
                           const FormatSettings& settings, const AskPressLossQuestion& askPressLoss)
{
    ErrorList errors(language, settings);
    const DutyCheck check = CheckCalculationInput(input, errors);
    return SelectForDuty(check, errors, records, prices, askPressLoss);
}

}  // namespace kr
