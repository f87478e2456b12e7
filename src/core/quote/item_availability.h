#pragma once

#include "core/data/cooler_database.h"
#include "core/quote/price_file.h"
#include "core/quote/quotation.h"

#include <vector>

namespace kr {

// The positions (1, 2, ...) of the items of a saved quotation that the data
// of today no longer knows: the database holds no record of the item's
// number (coolers and accessories alike), or the price list, when there is
// one, no longer prices an item that was offered with a price. Such an item
// keeps the price it was offered at; the user should know it can no longer
// be ordered as it stands.
std::vector<int> ItemsNoLongerKnown(const std::vector<QuotationItem>& items, const CoolerRecordList& records,
                                    const PriceRecordList& prices);

}  // namespace kr
