#include "core/quote/accessories.h"

#include "core/common/text_case.h"
#include "core/data/text_keys.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kr {

namespace {

// The accessory kinds: the upper-cased CoolerType that marks the record,
// its list and the word appended to its entries.
struct AccessoryKind {
    std::string_view CoolerType;
    AccessoryList AccessoryLists::*List;
    TextKey KindWord;
};

constexpr std::array AccessoryKinds{
    AccessoryKind{"TB", &AccessoryLists::ThermoBypasses, keys::ThermoBypass},
    AccessoryKind{"TK", &AccessoryLists::ThermoSwitches, keys::ThermoSwitch},
    AccessoryKind{"AD", &AccessoryLists::Adapters, keys::Adapters},
};

const AccessoryKind* KindOf(std::string_view coolerType)
{
    const std::string type = UpperCaseText(coolerType);
    const auto kind = std::ranges::find(AccessoryKinds, type, &AccessoryKind::CoolerType);
    return kind == AccessoryKinds.end() ? nullptr : &*kind;
}

void AppendTicked(const AccessoryList& list, std::vector<QuotationItemRequest>& requests)
{
    for (const AccessoryEntry& entry : list) {
        if (entry.Ticked)
            requests.push_back({entry.Text, entry.PriceKey});
    }
}

}  // namespace

AccessoryLists MakeAccessoryLists(const CoolerRecordList& records, const LanguageTable& texts)
{
    AccessoryLists lists;
    for (const tCoolType& record : records) {
        if (const AccessoryKind* kind = KindOf(record.CoolerType()))
            (lists.*kind->List).push_back({record.Designation() + " " + texts.Lookup(kind->KindWord.Key), record.ItemNo()});
    }
    for (const AccessoryKind& kind : AccessoryKinds)
        std::ranges::stable_sort(lists.*kind.List, LessIgnoringCase{}, &AccessoryEntry::Text);
    return lists;
}

std::vector<QuotationItemRequest> AccessoryTransfer(const AccessoryLists& lists)
{
    std::vector<QuotationItemRequest> requests;
    for (const AccessoryList* list : {&lists.Adapters, &lists.ThermoSwitches, &lists.ThermoBypasses})
        AppendTicked(*list, requests);
    return requests;
}

}  // namespace kr
