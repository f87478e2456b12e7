// Guards the shipped sample data: the product line keeps the properties that
// the selection, the motor choices, the parts lists and the price lookup
// rely on, covers the duties the program accepts and stays physically
// plausible, so that a later edit of the CSVs cannot quietly break them.

#include "core/data/cool_type.h"
#include "core/data/cooler_database.h"
#include "core/engine/duty_checks.h"
#include "core/engine/rating.h"
#include "core/engine/selection.h"
#include "core/quote/price_type.h"
#include "drawgen/cooler_description.h"
#include "krdata/cooler_file.h"
#include "krdata/file_io.h"
#include "krdata/price_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace kr {
namespace {

const std::filesystem::path DataDir = std::filesystem::path(KR_SOURCE_DIR) / "data";
const std::filesystem::path DistDir = KR_DIST_DIR;

template <typename Record>
std::vector<Record> Records(const std::string& bytes)
{
    std::vector<Record> records(bytes.size() / Record::RecordSize);
    for (std::size_t n = 0; n < records.size(); ++n)
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(n * Record::RecordSize), Record::RecordSize,
                    records[n].Record.begin());
    return records;
}

const std::vector<tCoolType>& AllRecords()
{
    static const auto records = Records<tCoolType>(CoolerFileFromCsv(ReadWholeFile(DataDir / "coolers.csv")));
    return records;
}

std::vector<tCoolType> Coolers()
{
    std::vector<tCoolType> coolers;
    for (const tCoolType& r : AllRecords())
        if (!r.IsAccessory())
            coolers.push_back(r);
    return coolers;
}

std::vector<tPriceType> PriceRecords(std::string_view file)
{
    return Records<tPriceType>(PriceFileFromCsv(ReadWholeFile(DataDir / file)));
}

// The number after the first blank of the type code, before any "-" (the
// parts-list print reads the size so); -1 when there is none.
int CoolerSize(std::string type)
{
    type = type.substr(0, type.find('-'));
    const std::size_t blank = type.find(' ');
    int size = -1;
    if (blank == std::string::npos ||
        std::from_chars(type.data() + blank + 1, type.data() + type.size(), size).ptr != type.data() + type.size())
        return -1;
    return size;
}

bool IsKrc(const tCoolType& r) { return r.CoolerType().starts_with("KRC"); }
bool IsDc(const tCoolType& r) { return r.MotorKind() == "12" || r.MotorKind() == "24"; }

struct HeatTriple {
    Extended a, b, c;
    auto operator<=>(const HeatTriple&) const = default;
};
HeatTriple TripleOf(const tCoolType& r) { return {r.HeatCoefA(), r.HeatCoefB(), r.HeatCoefC()}; }

std::map<std::string, std::vector<tCoolType>> ByType()
{
    std::map<std::string, std::vector<tCoolType>> types;
    for (const tCoolType& r : Coolers())
        types[r.CoolerType()].push_back(r);
    return types;
}

// The heat a record's core rejects per kelvin at an oil flow, before the
// oil, altitude and air-temperature factors of the rating.
Extended CoreHeatPerKelvin(const tCoolType& r, Extended oilFlow)
{
    return r.HeatCoefA() + r.HeatCoefB() * (1 - std::exp(-oilFlow / r.HeatCoefC()));
}

// Every drawing description of data/drawings by its drawing name.
const std::map<std::string, drawgen::CoolerDescription>& Descriptions()
{
    static const auto descriptions = [] {
        std::map<std::string, drawgen::CoolerDescription> read;
        for (const auto& entry : std::filesystem::directory_iterator(DataDir / "drawings"))
            if (entry.path().extension() == ".txt")
                read[entry.path().stem().string()] =
                    drawgen::ParseCoolerDescription(ReadWholeFile(entry.path()), entry.path().string());
        return read;
    }();
    return descriptions;
}

TEST(SampleData, DumpGivesBackEverySourceByteForByte)
{
    const std::string coolers = ReadWholeFile(DataDir / "coolers.csv");
    EXPECT_EQ(CoolerCsvFromFile(CoolerFileFromCsv(coolers)), coolers);
    for (auto file : {"prices.csv", "pricedisk.csv"}) {
        const std::string prices = ReadWholeFile(DataDir / file);
        EXPECT_EQ(PriceCsvFromFile(PriceFileFromCsv(prices)), prices) << file;
    }
}

TEST(SampleData, TheBuildPutsTheGeneratedFilesIntoTheDistribution)
{
    EXPECT_EQ(ReadWholeFile(DistDir / "Krdata.dat"), CoolerFileFromCsv(ReadWholeFile(DataDir / "coolers.csv")));
    EXPECT_EQ(ReadWholeFile(DistDir / "Price.dat"), PriceFileFromCsv(ReadWholeFile(DataDir / "prices.csv")));
    EXPECT_EQ(ReadWholeFile(DistDir / "pricedisk" / "Price.dat"),
              PriceFileFromCsv(ReadWholeFile(DataDir / "pricedisk.csv")));
}

TEST(SampleData, EverySizeHasFourAndSixPoleMotorsThatDiffer)
{
    const auto coolers = Coolers();
    EXPECT_GE(coolers.size(), 150u);
    std::set<int> sizes;
    for (const auto& [type, records] : ByType()) {
        if (IsKrc(records.front()))
            continue;
        sizes.insert(CoolerSize(type));
        std::map<int, HeatTriple> triples;
        for (const tCoolType& r : records)
            if (r.MotorKind() == "400")
                triples[r.Poles()] = TripleOf(r);
        ASSERT_TRUE(triples.contains(4) && triples.contains(6)) << type;
        EXPECT_NE(triples[4], triples[6]) << type;
    }
    EXPECT_GE(sizes.size(), 12u);
    EXPECT_FALSE(sizes.contains(-1));
}

TEST(SampleData, DrivesAreTheKnownOnesWithTheirFields)
{
    std::set<std::string> kinds;
    for (const tCoolType& r : Coolers()) {
        const std::string kind = r.MotorKind();
        kinds.insert(kind);
        EXPECT_TRUE(kind == "400" || kind == "12" || kind == "24" || kind == "HYD" || kind == "KRC") << kind;
        EXPECT_EQ(kind == "KRC", IsKrc(r)) << r.Designation();
        EXPECT_GT(r.FanSpeed(), 0) << r.Designation();
        if (kind == "HYD") {
            EXPECT_EQ(r.MotorPower(), 0) << r.Designation();
            continue;
        }
        EXPECT_GT(r.MotorPower(), 0) << r.Designation();
        const Extended watts = r.MotorPower() * 1000;
        const Extended apparent = IsDc(r) ? r.Voltage() * r.MotorCurrent()
                                          : std::sqrt(3.0L) * r.Voltage() * r.MotorCurrent();
        EXPECT_GT(watts / apparent, 0.3) << r.Designation();  // efficiency (and cos phi)
        EXPECT_LT(watts / apparent, 0.95) << r.Designation();
        if (IsDc(r)) {
            EXPECT_EQ(r.Voltage(), std::stoi(kind)) << r.Designation();
            EXPECT_LE(CoolerSize(r.CoolerType()), 30) << "DC only on the small sizes: " << r.Designation();
        } else {
            EXPECT_EQ(r.Voltage(), 400) << r.Designation();
            EXPECT_EQ(r.Frequency(), 50) << r.Designation();
            EXPECT_NEAR(r.FanSpeed(), 3000 / (r.Poles() / 2), 3000 / (r.Poles() / 2) * 0.1) << r.Designation();
        }
    }
    EXPECT_EQ(kinds.size(), 5u);
}

TEST(SampleData, HydraulicMotorsShareTheirCoreAndFormGroups)
{
    std::vector<std::pair<Extended, std::string>> byPrice;  // every hydraulic record
    std::map<std::string, std::set<int>> displacements;
    for (const auto& [type, records] : ByType()) {
        std::set<HeatTriple> triples;
        for (const tCoolType& r : records) {
            if (r.MotorKind() != "HYD")
                continue;
            const int displacement = std::stoi(r.HydDisplacement());
            EXPECT_EQ(std::to_string(displacement), r.HydDisplacement()) << r.Designation();
            displacements[type].insert(displacement);
            triples.insert(TripleOf(r));
            byPrice.emplace_back(r.Price(), type);
            const Extended flow = displacement * r.FanSpeed() / 1000.0L;
            EXPECT_NEAR(r.HydOilFlow(), flow, flow * 0.1) << r.Designation();
            EXPECT_GE(r.HydPressure(), 10) << r.Designation();
            EXPECT_LE(r.HydPressure(), 250) << r.Designation();
        }
        if (!IsKrc(records.front())) {
            EXPECT_GE(displacements[type].size(), 2u) << type;
            EXPECT_LE(displacements[type].size(), 4u) << type;
        }
        EXPECT_LE(triples.size(), 1u) << "one fan speed per core: " << type;
    }
    // A run of two or more motors of one core next to each other in price order.
    std::sort(byPrice.begin(), byPrice.end());
    int longestRun = 1;
    for (std::size_t i = 1, run = 1; i < byPrice.size(); ++i) {
        run = byPrice[i].second == byPrice[i - 1].second ? run + 1 : 1;
        longestRun = std::max(longestRun, static_cast<int>(run));
    }
    EXPECT_GE(longestRun, 3);
}

TEST(SampleData, KrcTypesHaveOnePumpFlow)
{
    std::set<std::string> krcTypes;
    for (const auto& [type, records] : ByType()) {
        if (!IsKrc(records.front()))
            continue;
        krcTypes.insert(type);
        for (const tCoolType& r : records) {
            EXPECT_GT(r.MinOilFlow(), 0) << type;
            EXPECT_EQ(r.MinOilFlow(), records.front().MinOilFlow()) << type;
            EXPECT_GE(r.MaxOilFlow(), r.MinOilFlow()) << type;
            EXPECT_EQ(r.Poles(), 4) << type;
        }
    }
    EXPECT_GE(krcTypes.size(), 3u);
}

TEST(SampleData, CoefficientsArePhysicallyPlausible)
{
    constexpr Extended FlowExponent = 1.1L;
    for (const tCoolType& r : Coolers()) {
        const std::string name = r.Designation();
        const Extended kWperK = r.HeatCoefA() + r.HeatCoefB();
        EXPECT_GE(kWperK, 0.04) << name;
        EXPECT_LE(kWperK, 6) << name;
        EXPECT_GT(r.HeatCoefA(), 0) << name;
        EXPECT_GE(r.FanAirFlow(), 0.05) << name;
        EXPECT_LE(r.FanAirFlow(), 12) << name;
        // Air takes up the heat: kW/K stays below the air's heat capacity flow.
        EXPECT_LT(kWperK, 1.2L * 1.1L * r.FanAirFlow()) << name;
        EXPECT_GE(r.SoundLevel(), 50) << name;  // slow fans on the small sizes are quiet
        EXPECT_LE(r.SoundLevel(), 90) << name;
        EXPECT_GT(r.NetWeight(), 0) << name;
        EXPECT_GT(r.OilVolume(), 0) << name;
        EXPECT_GT(r.Price(), 0) << name;
        // Within the flows the duty checks accept: no part of a range is out of reach.
        EXPECT_GE(r.MinOilFlow(), DutyLimit::MinOilFlow) << name;
        EXPECT_LE(r.MaxOilFlow(), DutyLimit::MaxOilFlow) << name;
        if (IsKrc(r))
            continue;
        EXPECT_LT(r.MinOilFlow(), r.MaxOilFlow()) << name;
        EXPECT_GE(r.HeatCoefC(), r.MinOilFlow()) << name;
        EXPECT_LE(r.HeatCoefC(), r.MaxOilFlow()) << name;
        const Extended lossAtMax = std::pow(static_cast<Extended>(r.MaxOilFlow()), FlowExponent) * r.PressLossCoef();
        EXPECT_GE(lossAtMax, 0.5) << name;
        EXPECT_LE(lossAtMax, 2) << name;
    }
}

TEST(SampleData, NeighbouringSizesOverlapInOilFlow)
{
    std::map<int, std::pair<int, int>> ranges;  // single-row cores by size
    for (const tCoolType& r : Coolers())
        if (r.CoolerType().starts_with("KR ") && r.CoolerType().find('-') == std::string::npos)
            ranges[CoolerSize(r.CoolerType())] = {r.MinOilFlow(), r.MaxOilFlow()};
    for (auto it = ranges.begin(); std::next(it) != ranges.end(); ++it)
        EXPECT_GE(it->second.second, std::next(it)->second.first) << "size " << it->first;
}

// Which part numbers the drawing sheet lists, by drive and size.
int PartsListKind(const tCoolType& r)
{
    const std::string kind = r.MotorKind();
    const int size = CoolerSize(r.CoolerType());
    const bool large = size >= 70 && size <= 100;
    const bool small = size >= 10 && size <= 60;
    if (kind == "12" || kind == "24")
        return 1;
    if (kind == "KRC")
        return 3;
    if (kind == "400" && large)
        return 2;
    if (kind == "HYD" && large)
        return 4;
    if (kind == "HYD" && small)
        return 5;
    if (kind == "400" && size == 50)
        return 7;
    if (kind == "400" && small)
        return 6;
    return 1;
}

TEST(SampleData, PartNumbersAreThoseTheDrawingSheetLists)
{
    using Read = std::function<std::string(const tCoolType&)>;
    const std::map<std::string, Read> parts = {
        {"Cooler", &tCoolType::PartNoCooler},   {"Motor", &tCoolType::PartNoMotor},
        {"Fan", &tCoolType::PartNoFan},         {"Grille", &tCoolType::PartNoGrille},
        {"FanCowl", &tCoolType::PartNoFanCowl}, {"Feet", &tCoolType::PartNoFeet},
        {"MotorMount", &tCoolType::PartNoMotorMount}, {"Adapter", &tCoolType::PartNoAdapter},
        {"Pump", &tCoolType::PartNoPump},       {"Hose", &tCoolType::PartNoHose},
        {"Nipple", &tCoolType::PartNoNipple},   {"Gasket", &tCoolType::PartNoGasket},
        {"Bearing", &tCoolType::PartNoBearing}, {"Spline", &tCoolType::PartNoSpline},
    };
    const std::set<std::string> always = {"Cooler", "Fan", "Grille", "FanCowl"};
    const std::map<int, std::set<std::string>> extra = {
        {1, {}},
        {2, {"Motor", "MotorMount", "Adapter"}},
        {3, {"Motor", "Feet", "MotorMount", "Pump", "Hose", "Nipple", "Gasket"}},
        {4, {"Motor", "MotorMount", "Adapter", "Bearing", "Spline"}},
        {5, {"Motor", "Feet"}},
        {6, {"Motor", "Feet"}},
        {7, {"Motor", "Feet"}},
    };
    std::set<int> kindsSeen;
    for (const tCoolType& r : Coolers()) {
        const int kind = PartsListKind(r);
        kindsSeen.insert(kind);
        for (const auto& [part, read] : parts) {
            const bool listed = always.contains(part) || extra.at(kind).contains(part);
            EXPECT_EQ(!read(r).empty(), listed) << r.Designation() << ": " << part;
        }
    }
    EXPECT_EQ(kindsSeen.size(), extra.size());
}

TEST(SampleData, NamesFollowOneSchemePerSizeAndDrive)
{
    std::set<std::string> designations;
    std::map<std::string, std::string> drawingOwner;  // drawing -> type and drive family
    for (const tCoolType& r : Coolers()) {
        EXPECT_TRUE(designations.insert(r.Designation()).second) << "twice: " << r.Designation();
        EXPECT_TRUE(r.Designation().starts_with(r.CoolerType() + " ")) << r.Designation();
        const std::string family = IsDc(r) ? "DC" : r.MotorKind();
        const std::string owner = r.CoolerType() + "/" + family;
        const auto [entry, added] = drawingOwner.emplace(r.DrawingFile(), owner);
        EXPECT_EQ(entry->second, owner) << r.DrawingFile();
        EXPECT_FALSE(r.DrawingFile().empty()) << r.Designation();
    }
    std::set<std::string> owners;
    for (const auto& [drawing, owner] : drawingOwner)
        EXPECT_TRUE(owners.insert(owner).second) << "two drawings for " << owner;
}

TEST(SampleData, AccessoriesOfEveryKind)
{
    std::map<std::string, int> counts;
    for (const tCoolType& r : AllRecords()) {
        if (!r.IsAccessory())
            continue;
        ++counts[r.CoolerType()];
        EXPECT_FALSE(r.Designation().empty());
        EXPECT_FALSE(r.ItemNo().empty()) << r.Designation();
        EXPECT_TRUE(r.MotorKind().empty()) << r.Designation();
    }
    EXPECT_EQ(counts.size(), 3u);  // upper case only: "TB", "TK", "AD"
    EXPECT_GE(counts["TB"] + counts["TK"] + counts["AD"], 15);
    for (auto kind : {"TB", "TK", "AD"})
        EXPECT_GE(counts[kind], 3) << kind;
}

TEST(SampleData, EveryItemHasOnePrice)
{
    const auto prices = PriceRecords("prices.csv");
    ASSERT_GE(prices.size(), 2u);
    EXPECT_FALSE(prices.front().Publisher().empty());
    EXPECT_FALSE(prices.front().DiskDate().empty());
    EXPECT_FALSE(prices.front().EndDate().empty());
    std::map<std::string, tPriceType> byItem;
    std::map<std::string, int> currencies;
    for (std::size_t i = 1; i < prices.size(); ++i) {
        EXPECT_TRUE(byItem.emplace(prices[i].ItemNo(), prices[i]).second) << "twice: " << prices[i].ItemNo();
        EXPECT_GT(prices[i].Price(), 0) << prices[i].ItemNo();
        ++currencies[prices[i].Currency()];
    }
    std::set<std::string> items;
    for (const tCoolType& r : AllRecords()) {
        EXPECT_TRUE(items.insert(r.ItemNo()).second) << "twice: " << r.ItemNo();
        EXPECT_TRUE(byItem.contains(r.ItemNo())) << "no price for " << r.ItemNo();
    }
    EXPECT_EQ(byItem.size(), items.size());
    EXPECT_EQ(currencies.size(), 2u);
    EXPECT_GT(currencies["DKK"], 10 * currencies["EUR"]);
    EXPECT_GT(currencies["EUR"], 0);
}

TEST(SampleData, PriceDiskChangesPricesAndDropsOneItem)
{
    const auto prices = PriceRecords("prices.csv");
    const auto disk = PriceRecords("pricedisk.csv");
    EXPECT_NE(disk.front().DiskID(), prices.front().DiskID());
    EXPECT_NE(disk.front().Publisher(), prices.front().Publisher());
    std::map<std::string, Extended> diskPrices;
    for (std::size_t i = 1; i < disk.size(); ++i)
        diskPrices[disk[i].ItemNo()] = disk[i].Price();
    int dropped = 0, changed = 0;
    for (std::size_t i = 1; i < prices.size(); ++i) {
        const auto found = diskPrices.find(prices[i].ItemNo());
        if (found == diskPrices.end())
            ++dropped;
        else if (found->second != prices[i].Price())
            ++changed;
    }
    EXPECT_EQ(dropped, 1);
    EXPECT_EQ(diskPrices.size(), prices.size() - 2);
    EXPECT_GT(changed, static_cast<int>(prices.size()) / 2);
}

TEST(SampleData, TheLargestDutyTheChecksAcceptFindsCoolersAtTheHighestFlow)
{
    // 5.4 kW/K (5.5 for the first) at 500 l/min, searched in the built database.
    struct Case {
        DriveChoice Drive;
        const char* Heat;
        const char* Ambient;
        const char* Inlet;
    };
    const CoolerRecordList records = LoadCoolerDatabase(DistDir / "Krdata.dat").Database.CoolerRecords;
    for (const Case& c : {Case{DriveChoice::ACDC, "165", "30", "60"}, Case{DriveChoice::ACDC, "162", "30", "60"},
                          Case{DriveChoice::ACDC, "162", "0", "30"}, Case{DriveChoice::ACDC, "216", "40", "80"},
                          Case{DriveChoice::Hydraulic, "162", "30", "60"}, Case{DriveChoice::Hydraulic, "162", "0", "30"},
                          Case{DriveChoice::Hydraulic, "216", "40", "80"}}) {
        const CalculationInput input{.HeatReject = c.Heat, .OilFlow = "500", .AmbientTemp = c.Ambient,
                                     .InletTemp = c.Inlet, .MaxLoss = "2", .Altitude = "0", .Drive = c.Drive};
        const DutySelection found = SelectByDuty(input, records, {}, LanguageTable(), FormatSettings(),
                                                 [](std::string_view, std::string_view) { return true; });
        SCOPED_TRACE(std::string(found.DriveKey) + " " + c.Heat + " kW from " + c.Inlet + " to " + c.Ambient + " degC");
        EXPECT_EQ(found.Outcome, SelectionOutcome::Shown) << found.ErrorText;
        EXPECT_FALSE(found.ResultCoolers.empty() && found.HydraulicGroups.empty());
    }
}

TEST(SampleData, TheSpeedsOfOneFanFollowTheFanLaws)
{
    // Rated powers of AC motors (IEC 60072).
    const std::vector<Extended> ratedPowers = {0.06L, 0.09L, 0.12L, 0.18L, 0.25L, 0.37L, 0.55L, 0.75L, 1.1L, 1.5L,
                                               2.2L,  3,     4,     5.5L,  7.5L,  11,    15,    18.5L, 22};
    const auto isRated = [&](Extended power) {
        return std::ranges::any_of(ratedPowers, [&](Extended rated) { return std::fabs(rated - power) < 1e-9; });
    };
    for (const auto& [type, records] : ByType()) {
        if (IsKrc(records.front()))
            continue;
        // The fastest AC motor of the fan; every other drive turns the same fan.
        const tCoolType& reference = *std::ranges::max_element(records, {}, [](const tCoolType& r) {
            return r.MotorKind() == "400" ? r.FanSpeed() : 0;
        });
        for (const tCoolType& r : records) {
            const std::string name = r.Designation();
            const Extended ratio = static_cast<Extended>(r.FanSpeed()) / reference.FanSpeed();
            EXPECT_NEAR(r.FanAirFlow() / reference.FanAirFlow(), ratio, 0.02L * ratio) << name;
            EXPECT_NEAR(r.SoundLevel() - reference.SoundLevel(), 50 * std::log10(ratio), 1.0L) << name;
            if (r.MotorKind() != "400")
                continue;
            EXPECT_TRUE(isRated(r.MotorPower())) << name;
            // Shaft power ~ speed cubed: within one step of the series either way,
            // unless the smallest motor is more than the fan needs.
            const Extended needed = reference.MotorPower() * ratio * ratio * ratio;
            if (std::fabs(r.MotorPower() - ratedPowers.front()) < 1e-9 && needed <= r.MotorPower())
                continue;
            EXPECT_GE(r.MotorPower() / needed, 0.6L) << name;
            EXPECT_LE(r.MotorPower() / needed, 1.7L) << name;
        }
    }
}

TEST(SampleData, HeatTransferRisesWithAirFlowAndCoreDepth)
{
    // Cores of one size with more air, or a second row, reject more at every flow both take.
    const auto rejectsMore = [](const tCoolType& more, const tCoolType& less) {
        const Extended low = std::max(more.MinOilFlow(), less.MinOilFlow());
        const Extended high = std::min(more.MaxOilFlow(), less.MaxOilFlow());
        for (const Extended flow : {low, (low + high) / 2, high})
            EXPECT_GT(CoreHeatPerKelvin(more, flow), CoreHeatPerKelvin(less, flow))
                << more.Designation() << " against " << less.Designation() << " at " << static_cast<double>(flow);
    };
    const auto types = ByType();
    for (const auto& [type, records] : types) {
        for (const tCoolType& r : records) {
            for (const tCoolType& other : records)
                if (r.FanAirFlow() > other.FanAirFlow())
                    rejectsMore(r, other);
            if (!type.ends_with("-2"))
                continue;
            const auto single = types.find(type.substr(0, type.size() - 2));
            ASSERT_NE(single, types.end()) << type;
            const auto sameFan = std::ranges::find_if(single->second, [&](const tCoolType& s) {
                return s.MotorKind() == r.MotorKind() && s.FanSpeed() == r.FanSpeed();
            });
            ASSERT_NE(sameFan, single->second.end()) << r.Designation();
            rejectsMore(r, *sameFan);
        }
    }
}

TEST(SampleData, FanTipSpeedsAndPortVelocitiesStayWithinTheirLimits)
{
    // The nominal bore of the pipe each port thread belongs to, mm.
    const std::map<std::string, double> bores = {{"G 1/2", 15}, {"G 3/4", 20},   {"G 1", 25},  {"G 1 1/4", 32},
                                                 {"G 1 1/2", 40}, {"G 2", 50}, {"G 2 1/2", 65}};
    std::set<std::string> used;
    for (const tCoolType& r : Coolers()) {
        const auto found = Descriptions().find(r.DrawingFile());
        ASSERT_NE(found, Descriptions().end()) << r.Designation();
        used.insert(r.DrawingFile());
        const drawgen::CoolerDescription& drawing = found->second;
        EXPECT_LE(std::numbers::pi * drawing.fanDiameter / 1000 * r.FanSpeed() / 60, 80) << r.Designation();
        ASSERT_TRUE(bores.contains(drawing.portThread)) << r.DrawingFile() << ": " << drawing.portThread;
        const double bore = bores.at(drawing.portThread) / 1000;
        EXPECT_LE(r.MaxOilFlow() / 60000.0 / (std::numbers::pi / 4 * bore * bore), 4.5) << r.Designation();
    }
    for (const auto& [name, drawing] : Descriptions())
        EXPECT_TRUE(used.contains(name)) << name << ".txt describes a drawing no record names";
}

TEST(SampleData, AirLeavesBelowTheOilInletAndOilAboveTheAmbientAtEveryAcceptedDuty)
{
    std::vector<std::string> faults;
    for (const tCoolType& r : Coolers()) {
        for (const Extended ambient : {DutyLimit::MinAmbientTemp, 0.0L, 30.0L, DutyLimit::MaxAmbientTemp}) {
            for (const Extended inlet : {ambient + DutyLimit::MinTempDifference + 0.01L, 60.0L, DutyLimit::MaxOilTemp}) {
                if (inlet - ambient <= DutyLimit::MinTempDifference)
                    continue;
                for (const Extended altitude : {DutyLimit::MinAltitude, DutyLimit::MaxAltitude})
                    for (const int grade : {0, StandardOilGradeIndex, static_cast<int>(OilGradeCount) - 1})
                        for (const int flow : {r.MinOilFlow(), r.MaxOilFlow()}) {
                            const CoolerRating rating = RateCooler(r, {static_cast<Extended>(flow), inlet, ambient, altitude, grade}, 0);
                            if (!(rating.AirOutletTemp < inlet) || !(rating.OilOutletTemp > ambient))
                                faults.push_back(r.Designation() + " at " + std::to_string(flow) + " l/min, " +
                                                 std::to_string(static_cast<double>(inlet)) + " degC oil, " +
                                                 std::to_string(static_cast<double>(ambient)) + " degC air");
                        }
            }
        }
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " duties, the first: " << faults.front();
}

TEST(SampleData, ThermoBypassValvesAndAdaptersFitEveryPortOfTheLine)
{
    std::set<std::string> threads;
    for (const auto& [name, drawing] : Descriptions())
        threads.insert(drawing.portThread);
    EXPECT_TRUE(threads.contains("G 2 1/2"));
    std::vector<std::string> bypasses, adapters;
    for (const tCoolType& r : AllRecords()) {
        if (r.CoolerType() == "TB")
            bypasses.push_back(r.Designation());
        if (r.CoolerType() == "AD")
            adapters.push_back(r.Designation());
    }
    for (const std::string& thread : threads) {
        const std::string inches = thread.substr(2) + "\"";  // "G 1 1/2" -> 1 1/2"
        EXPECT_TRUE(std::ranges::any_of(bypasses, [&](const std::string& d) { return d.starts_with("TB " + inches + " "); }))
            << "no thermo-bypass valve for " << thread;
        EXPECT_TRUE(std::ranges::any_of(adapters, [&](const std::string& d) { return d.starts_with("AD " + thread + "\" - "); }))
            << "no adapter from " << thread;
    }
    // An adapter says what it adapts from and to: "AD G 2\" - G 2 1/2\"".
    for (const std::string& adapter : adapters) {
        const std::size_t dash = adapter.find("\" - ");
        ASSERT_NE(dash, std::string::npos) << adapter;
        EXPECT_TRUE(threads.contains(adapter.substr(3, dash - 3))) << adapter;
        EXPECT_GT(adapter.size(), dash + 3) << adapter;
    }
}

}  // namespace
}  // namespace kr
