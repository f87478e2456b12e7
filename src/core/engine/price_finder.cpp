#include "core/engine/price_finder.h"

#include "core/common/text_case.h"

namespace kr {

namespace {

// Below this a linear scan is as quick as building the index.
constexpr std::size_t IndexFromTableSize = 64;

// LowerCaseText, quicker for the plain-ASCII item numbers that fill a price
// list: indexing a large list folds every one of its keys.
std::string FoldedKey(std::string_view key)
{
    std::string folded(key);
    for (char& c : folded) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            return LowerCaseText(key);
        if (byte >= 'A' && byte <= 'Z')
            c = static_cast<char>(byte - 'A' + 'a');
    }
    return folded;
}

}  // namespace

PriceFinder::PriceFinder(const PriceRecordList& table) : table_(&table) {}

PriceLookup PriceFinder::Find(std::string_view itemNo)
{
    if (table_->size() < IndexFromTableSize)
        return LookUpPrice(*table_, itemNo);
    if (!indexed_) {
        firstByKey_.reserve(table_->size());
        for (std::size_t i = 0; i < table_->size(); ++i)
            firstByKey_.emplace(FoldedKey((*table_)[i].Key), i);
        indexed_ = true;
    }
    const auto found = firstByKey_.find(FoldedKey(itemNo));
    if (found == firstByKey_.end())
        return {};
    const tPriceType& record = (*table_)[found->second].Record;
    return {true, record.Price(), record.Currency()};
}

}  // namespace kr
