#pragma once

#include "core/data/cooler_database.h"
#include "core/data/language.h"

#include <string>
#include <vector>

namespace kr {

// One line of an accessory check list: the record's Designation, a blank
// and the kind word in the screen language, with the record's ItemNo, the
// key of its price.
struct AccessoryEntry {
    std::string Text;
    std::string PriceKey;
    bool Ticked = false;
};

using AccessoryList = std::vector<AccessoryEntry>;

// The three check lists of the accessories dialog, each sorted by its text
// ignoring letter case, as a sorted list box shows it.
struct AccessoryLists {
    AccessoryList ThermoSwitches;  // CoolerType "TK"
    AccessoryList ThermoBypasses;  // CoolerType "TB"
    AccessoryList Adapters;        // CoolerType "AD"
};

// One unit of an item to add to the quotation.
struct QuotationItemRequest {
    std::string Designation;
    std::string PriceKey;

    bool operator==(const QuotationItemRequest&) const = default;
};

// Every accessory record of the database, in any letter case of its
// CoolerType, in its list; other records are skipped. Nothing is ticked.
AccessoryLists MakeAccessoryLists(const CoolerRecordList& records, const LanguageTable& texts);

// The ticked entries in the order they enter the quotation: adapters, then
// thermo-switches, then thermo-bypasses, each list from top to bottom. The
// entry text, kind word included, is the item's designation.
std::vector<QuotationItemRequest> AccessoryTransfer(const AccessoryLists& lists);

}  // namespace kr
