#include "core/print/parts_list.h"

#include "core/engine/duty_input.h"
#include "core/engine/record_match.h"

#include <array>
#include <initializer_list>

namespace kr {

namespace {

using enum PartsListKind;

constexpr int SmallestSize = 10;
constexpr int LargestSmallSize = 60;
constexpr int SmallestLargeSize = 70;
constexpr int LargestSize = 100;
constexpr int AC50Size = 50;

class KindSet {
public:
    constexpr KindSet(std::initializer_list<PartsListKind> kinds)
    {
        for (PartsListKind kind : kinds)
            bits_ |= Bit(kind);
    }
    static constexpr KindSet All() { return {Basic, LargeAC, Pump, LargeHydraulic, SmallHydraulic, SmallAC, AC50}; }
    constexpr bool Has(PartsListKind kind) const { return (bits_ & Bit(kind)) != 0; }

private:
    static constexpr unsigned Bit(PartsListKind kind) { return 1U << static_cast<unsigned>(kind); }
    unsigned bits_ = 0;
};

struct PartRow {
    TextKey Label;
    RecordField Field;
    KindSet Kinds;
};

// In the order they are listed. The motor mounting of the large coolers
// and the bracket of the pump coolers share a field.
constexpr std::array PartRows{
    PartRow{keys::PrintCooler, CoolerField::PartNoCooler, KindSet::All()},
    PartRow{keys::PrintGitter, CoolerField::PartNoGrille, KindSet::All()},
    PartRow{keys::PrintFanCowl, CoolerField::PartNoFanCowl, KindSet::All()},
    PartRow{keys::PrintFan, CoolerField::PartNoFan, KindSet::All()},
    PartRow{keys::PrintAdapter, CoolerField::PartNoAdapter, {LargeAC, LargeHydraulic}},
    PartRow{keys::PrintMotorOphang, CoolerField::PartNoMotorMount, {LargeAC, LargeHydraulic}},
    PartRow{keys::PrintMotor, CoolerField::PartNoMotor, {LargeAC, Pump, LargeHydraulic, SmallHydraulic, SmallAC, AC50}},
    PartRow{keys::PrintFodder, CoolerField::PartNoFeet, {Pump, SmallHydraulic, SmallAC, AC50}},
    PartRow{keys::PrintSpline, CoolerField::PartNoSpline, {LargeHydraulic}},
    PartRow{keys::PrintLeje, CoolerField::PartNoBearing, {LargeHydraulic}},
    PartRow{keys::PrintGasket, CoolerField::PartNoGasket, {Pump}},
    PartRow{keys::PrintNippel, CoolerField::PartNoNipple, {Pump}},
    PartRow{keys::PrintBeslag, CoolerField::PartNoMotorMount, {Pump}},
    PartRow{keys::PrintSlange, CoolerField::PartNoHose, {Pump}},
    PartRow{keys::PrintPumpe, CoolerField::PartNoPump, {Pump}},
};

bool Within(int size, int smallest, int largest) { return size >= smallest && size <= largest; }

}  // namespace

int CoolerSize(std::string_view coolerType)
{
    const std::string_view core = coolerType.substr(0, coolerType.find('-'));
    const std::size_t blank = core.find(' ');
    if (blank == std::string_view::npos)
        return UnnumberedCoolerSize;
    return WholeNumber(core.substr(blank + 1)).value_or(UnnumberedCoolerSize);
}

PartsListKind PartsListKindOf(std::string_view motorKind, int coolerSize)
{
    const bool large = Within(coolerSize, SmallestLargeSize, LargestSize);
    const bool small = Within(coolerSize, SmallestSize, LargestSmallSize);
    const bool ac = motorKind == DriveKey::AC400;
    const bool hydraulic = motorKind == DriveKey::Hydraulic;
    if (motorKind == DriveKey::DC12 || motorKind == DriveKey::DC24)
        return Basic;
    if (motorKind == DriveKey::KRC)
        return Pump;
    if (ac && large)
        return LargeAC;
    if (hydraulic && large)
        return LargeHydraulic;
    if (hydraulic && small)
        return SmallHydraulic;
    if (ac && coolerSize == AC50Size)
        return AC50;
    if (ac && small)
        return SmallAC;
    return Basic;
}

std::vector<SparePart> SpareParts(const tCoolType& cooler)
{
    const PartsListKind kind = PartsListKindOf(cooler.MotorKind(), CoolerSize(cooler.CoolerType()));
    std::vector<SparePart> parts;
    for (const PartRow& row : PartRows)
        if (row.Kinds.Has(kind))
            parts.push_back({row.Label, cooler.Text(row.Field)});
    return parts;
}

}  // namespace kr
