#pragma once

#include "core/data/cool_type.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"
#include "core/quote/price_file.h"

#include <string>
#include <vector>

namespace kr::test {

// A language table whose texts show their key and every format argument:
// "Error low oilflow" is "%d. Error low oilflow %.1f %s %.1f %s". A message
// therefore shows exactly which arguments the engine passed.
inline LanguageTable PatternLanguage()
{
    std::vector<std::string> lines;
    for (const TextKey& key : AllTextKeys()) {
        std::string text;
        std::string_view args = key.Args;
        if (!args.empty() && args.front() == 'd') {
            text = "%d. ";
            args.remove_prefix(1);
        }
        text += key.Key;
        for (char arg : args)
            text += arg == 'f' ? " %.1f" : arg == 's' ? " %s" : " %d";
        lines.push_back(std::string(key.Key) + "=" + text);
    }
    return LanguageTable(std::move(lines));
}

// The fields a search reads, with values of an ordinary AC cooler.
struct CoolerValues {
    std::string Type = "KR 30";
    std::string Designation = "KR 30 AC 400V 4-pol";
    std::string Motor = "400";
    std::string ItemNo = "30-400-4";
    long double FanAirFlow = 1.2L;
    long double HeatCoefA = 0.15L;
    long double HeatCoefB = 0.9L;
    long double HeatCoefC = 80;
    long double PressLossCoef = 0.004L;
    long double Price = 1000;
    int MinOilFlow = 20;
    int MaxOilFlow = 500;
    int Poles = 4;
    std::string HydDisplacement = "";
};

inline tCoolType MakeCooler(const CoolerValues& values)
{
    tCoolType r;
    r.SetText(CoolerField::CoolerType, values.Type);
    r.SetText(CoolerField::Designation, values.Designation);
    r.SetText(CoolerField::MotorKind, values.Motor);
    r.SetText(CoolerField::ItemNo, values.ItemNo);
    r.SetNumber(CoolerField::FanAirFlow, values.FanAirFlow);
    r.SetNumber(CoolerField::HeatCoefA, values.HeatCoefA);
    r.SetNumber(CoolerField::HeatCoefB, values.HeatCoefB);
    r.SetNumber(CoolerField::HeatCoefC, values.HeatCoefC);
    r.SetNumber(CoolerField::PressLossCoef, values.PressLossCoef);
    r.SetNumber(CoolerField::Price, values.Price);
    r.SetInteger(CoolerField::MinOilFlow, values.MinOilFlow);
    r.SetInteger(CoolerField::MaxOilFlow, values.MaxOilFlow);
    r.SetInteger(CoolerField::Poles, values.Poles);
    r.SetText(CoolerField::HydDisplacement, values.HydDisplacement);
    return r;
}

inline PriceEntry PriceItem(std::string_view itemNo, long double price, std::string_view currency)
{
    tPriceType record;
    record.SetText(PriceField::ItemNo, itemNo);
    record.SetNumber(PriceField::Price, price);
    record.SetText(PriceField::Currency, currency);
    return {std::string(itemNo), record};
}

// The entries of a numbered error text, without their separators.
inline std::vector<std::string> ErrorEntries(std::string_view text)
{
    std::vector<std::string> entries;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n\r\n");
        entries.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 4);
    }
    return entries;
}

}  // namespace kr::test
