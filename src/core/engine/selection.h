#pragma once

#include "core/common/delphi_format.h"
#include "core/data/cooler_database.h"
#include "core/data/language.h"
#include "core/engine/duty_checks.h"
#include "core/engine/error_list.h"
#include "core/engine/ranking.h"
#include "core/quote/price_file.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kr {

// The yes/no question a selection asks when every cooler found exceeds the
// pressure-loss limit: true shows them all the same, false ends the search.
// The texts are those of "Ask pressloss Text" and "Ask pressloss Caption".
using AskPressLossQuestion = std::function<bool(std::string_view text, std::string_view caption)>;

enum class SelectionOutcome {
    Shown,              // ResultCoolers or HydraulicGroups hold the ranked results
    Errors,             // ErrorText holds the numbered problem list
    EndedByQuestion,    // the user declined the pressure-loss question: nothing to show
    UnreadableDatabase, // a hydraulic record's displacement is no whole number: ErrorText says which
};

struct DutySelection {
    SelectionOutcome Outcome = SelectionOutcome::Errors;
    std::string ErrorText;
    std::string DriveKey;
    DutyValues Duty;
    std::vector<tCoolType> ResultCoolers;                 // AC/DC and KRC searches, ranked
    std::vector<std::vector<tCoolType>> HydraulicGroups;  // hydraulic searches, ranked
    std::optional<UnreadableDisplacementRecord> Unreadable;

    bool IsHydraulic() const { return DriveKey == DriveKey::Hydraulic; }
    bool IsKrc() const { return DriveKey == DriveKey::KRC; }
};

// The whole search of the Calculation tab: the checks of its entries, then
// the selection of coolers for the duty. A missing question callback keeps
// the coolers, as the answer yes does.
DutySelection SelectByDuty(const CalculationInput& input, const CoolerRecordList& records,
                           const PriceRecordList& prices, const LanguageTable& language,
                           const FormatSettings& settings, const AskPressLossQuestion& askPressLoss);

// The selection after the checks, for a duty already in internal units;
// errors holds what the checks reported and is numbered on.
DutySelection SelectForDuty(const DutyCheck& check, ErrorList& errors, const CoolerRecordList& records,
                            const PriceRecordList& prices, const AskPressLossQuestion& askPressLoss);

}  // namespace kr
