#pragma once

#include <array>
#include <string_view>

namespace kr {

// Topic identifiers by which the program opens its help file. Each is the
// name of an anchor in every language's help file, so a help button lands on
// the section of the screen or dialog it belongs to.
inline constexpr std::string_view HelpTopicMainMenu = "Main_menu";
inline constexpr std::string_view HelpTopicCalculation = "Calculation";
inline constexpr std::string_view HelpTopicKnownCooler = "Known_cooler";
inline constexpr std::string_view HelpTopicQuotation = "Quotation";
inline constexpr std::string_view HelpTopicTechnicalData = "Technical_data";
inline constexpr std::string_view HelpTopicPerformanceCurves = "Performance_curves_graphs";
inline constexpr std::string_view HelpTopicDrawing = "Drawing";
inline constexpr std::string_view HelpTopicOptions = "Options";
inline constexpr std::string_view HelpTopicPriceUpdate = "Price_update";
inline constexpr std::string_view HelpTopicHeatCalculation = "Heat_rejection_calculation";

inline constexpr std::array AllHelpTopics{
    HelpTopicMainMenu,      HelpTopicCalculation,       HelpTopicKnownCooler, HelpTopicQuotation,
    HelpTopicTechnicalData, HelpTopicPerformanceCurves, HelpTopicDrawing,     HelpTopicOptions,
    HelpTopicPriceUpdate,   HelpTopicHeatCalculation,
};

}  // namespace kr
