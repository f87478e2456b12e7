#include "core/quote/item_availability.h"

#include "core/common/text_case.h"

#include <algorithm>

namespace kr {

namespace {

bool InDatabase(const QuotationItem& item, const CoolerRecordList& records)
{
    return !item.ItemNo.empty() &&
           std::ranges::any_of(records, [&](const tCoolType& record) { return SameText(record.ItemNo(), item.ItemNo); });
}

bool PriceStillListed(const QuotationItem& item, const PriceRecordList& prices)
{
    // Without a price list nothing has a price, and an item offered at "??"
    // never had one: neither has been lost since.
    return prices.empty() || item.UnitPrice == UnknownPrice || LookUpPrice(prices, item.ItemNo).Found;
}

}  // namespace

std::vector<int> ItemsNoLongerKnown(const std::vector<QuotationItem>& items, const CoolerRecordList& records,
                                    const PriceRecordList& prices)
{
    std::vector<int> positions;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!InDatabase(items[i], records) || !PriceStillListed(items[i], prices))
            positions.push_back(static_cast<int>(i) + 1);
    }
    return positions;
}

}  // namespace kr
