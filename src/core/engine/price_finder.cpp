#include "core/engine/price_finder.h"

#include "core/common/text_case.h"

namespace kr {

namespace {

// Below this a linear scan is as quick as building the index.
constexpr std::size_t IndexFromTableSize = 64;

}  // namespace

PriceFinder::PriceFinder(const PriceRecordList& table) : table_(&table) {}

PriceLookup PriceFinder::Find(std::string_view itemNo)
{
    if (table_->size() < IndexFromTableSize)
        return LookUpPrice(*table_, itemNo);
    if (!indexed_) {
        firstByKey_.reserve(table_->size());
        for (std::size_t i = 0; i < table_->size(); ++i)
            firstByKey_.emplace(LowerCaseText((*table_)[i].Key), i);
        indexed_ = true;
    }
    const auto found = firstByKey_.find(LowerCaseText(itemNo));
    if (found == firstByKey_.end())
        return {};
    const tPriceType& record = (*table_)[found->second].Record;
    return {true, record.Price(), record.Currency()};
}

}  // namespace kr
