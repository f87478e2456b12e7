#include "core/quote/accessories.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

using Lines = std::vector<std::string>;

tCoolType Record(std::string_view designation, std::string_view coolerType)
{
    tCoolType r;
    r.SetText(CoolerField::Designation, designation);
    r.SetText(CoolerField::CoolerType, coolerType);
    r.SetText(CoolerField::ItemNo, "#" + std::string(designation));
    return r;
}

Lines Texts(const AccessoryList& list)
{
    Lines texts;
    for (const AccessoryEntry& entry : list)
        texts.push_back(entry.Text + " | " + entry.PriceKey);
    return texts;
}

TEST(Accessories, EveryKindInAnyLetterCaseSortedIgnoringCaseOthersSkipped)
{
    const LanguageTable german({"Thermo-switch=Thermoschalter", "Thermo-bypass=Thermo-Bypass", "Adapters=Adapter"});
    const struct {
        CoolerRecordList Records;
        Lines Switches, Bypasses, Adapters;
    } cases[] = {
        {{Record("KR 10", "KR 10"), Record("TB 3/4", "tb"), Record("ad G 1", "Ad"), Record("TK 70", "TK"),
          Record("TB 1/2", "TB"), Record("AD G 3/4", "AD"), Record("Tk 50", "tK"), Record("TBX", "TBX"),
          Record("Äd x", "ad")},
         {"Tk 50 Thermoschalter | #Tk 50", "TK 70 Thermoschalter | #TK 70"},
         {"TB 1/2 Thermo-Bypass | #TB 1/2", "TB 3/4 Thermo-Bypass | #TB 3/4"},
         {"ad G 1 Adapter | #ad G 1", "AD G 3/4 Adapter | #AD G 3/4", "Äd x Adapter | #Äd x"}},
        {{Record("KR 10", "KR 10"), Record("TBK 1", "TBK"), Record("T B", "T B")}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        const AccessoryLists lists = MakeAccessoryLists(c.Records, german);
        EXPECT_EQ(Texts(lists.ThermoSwitches), c.Switches);
        EXPECT_EQ(Texts(lists.ThermoBypasses), c.Bypasses);
        EXPECT_EQ(Texts(lists.Adapters), c.Adapters);
        EXPECT_TRUE(AccessoryTransfer(lists).empty());  // nothing ticked at first
    }
}

TEST(Accessories, TransferTakesAdaptersThenThermoSwitchesThenThermoBypasses)
{
    AccessoryLists lists;
    lists.ThermoBypasses = {{"TB b", "B1", true}, {"TB c", "B2", false}, {"TB d", "B3", true}};
    lists.ThermoSwitches = {{"TK a", "S1", false}, {"TK z", "S2", true}};
    lists.Adapters = {{"AD x", "A1", true}, {"AD y", "A2", true}};
    EXPECT_EQ(AccessoryTransfer(lists), (std::vector<QuotationItemRequest>{
                                            {"AD x", "A1"}, {"AD y", "A2"}, {"TK z", "S2"}, {"TB b", "B1"}, {"TB d", "B3"}}));
}

}  // namespace
}  // namespace kr
