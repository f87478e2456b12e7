#include "core/quote/accessories.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

tCoolType Record(std::string_view designation, std::string_view coolerType, std::string_view itemNo)
{
    tCoolType r;
    r.SetText(CoolerField::Designation, designation);
    r.SetText(CoolerField::CoolerType, coolerType);
    r.SetText(CoolerField::ItemNo, itemNo);
    return r;
}

const LanguageTable German({"Thermo-switch=Thermoschalter", "Thermo-bypass=Thermo-Bypass", "Adapters=Adapter"});

std::vector<std::string> Texts(const AccessoryList& list)
{
    std::vector<std::string> texts;
    for (const AccessoryEntry& entry : list)
        texts.push_back(entry.Text + " | " + entry.PriceKey + (entry.Ticked ? " ticked" : ""));
    return texts;
}

using Lines = std::vector<std::string>;

TEST(Accessories, EveryKindInAnyLetterCaseSortedIgnoringCase)
{
    const CoolerRecordList records{
        Record("KR 10 AC 400V", "KR 10", "KR-10"), Record("TB 3/4\"", "tb", "TB-075"),
        Record("ad G 1", "Ad", "AD-100"),          Record("TK 70°C", "TK", "TK-070"),
        Record("TB 1/2\"", "TB", "TB-050"),        Record("AD G 3/4", "AD", "AD-075"),
        Record("Tk 50°C", "tK", "TK-050"),         Record("TBX 1", "TBX", "TBX-1"),
        Record("KRC 5", "KRC 5", "KRC-5"),         Record("Äd special", "ad", "AD-SP"),
    };
    const AccessoryLists lists = MakeAccessoryLists(records, German);
    EXPECT_EQ(Texts(lists.ThermoBypasses), (Lines{"TB 1/2\" Thermo-Bypass | TB-050", "TB 3/4\" Thermo-Bypass | TB-075"}));
    EXPECT_EQ(Texts(lists.ThermoSwitches), (Lines{"Tk 50°C Thermoschalter | TK-050", "TK 70°C Thermoschalter | TK-070"}));
    EXPECT_EQ(Texts(lists.Adapters),
              (Lines{"ad G 1 Adapter | AD-100", "AD G 3/4 Adapter | AD-075", "Äd special Adapter | AD-SP"}));
}

TEST(Accessories, TransferTakesAdaptersThenThermoSwitchesThenThermoBypasses)
{
    AccessoryLists lists;
    lists.ThermoBypasses = {{"TB b", "B1", true}, {"TB c", "B2", false}, {"TB d", "B3", true}};
    lists.ThermoSwitches = {{"TK a", "S1", false}, {"TK z", "S2", true}};
    lists.Adapters = {{"AD x", "A1", true}, {"AD y", "A2", true}};
    EXPECT_EQ(AccessoryTransfer(lists), (std::vector<QuotationItemRequest>{
                                            {"AD x", "A1"}, {"AD y", "A2"}, {"TK z", "S2"}, {"TB b", "B1"}, {"TB d", "B3"}}));
    for (AccessoryList* list : {&lists.ThermoBypasses, &lists.ThermoSwitches, &lists.Adapters})
        for (AccessoryEntry& entry : *list)
            entry.Ticked = false;
    EXPECT_TRUE(AccessoryTransfer(lists).empty());
}

TEST(Accessories, DatabaseWithoutAccessoriesGivesThreeEmptyLists)
{
    const AccessoryLists lists =
        MakeAccessoryLists({Record("KR 10 AC", "KR 10", "1"), Record("TBK 1", "TBK", "2"), Record("T B", "T B", "3")}, German);
    EXPECT_TRUE(lists.ThermoBypasses.empty());
    EXPECT_TRUE(lists.ThermoSwitches.empty());
    EXPECT_TRUE(lists.Adapters.empty());
    EXPECT_TRUE(AccessoryTransfer(lists).empty());
}

}  // namespace
}  // namespace kr
