#include "core/print/print_settings.h"

#include <utility>

namespace kr {

PrintContext PrintContextOf(const Settings& settings, const LanguageTable& printTexts, const FormatSettings& format,
                            std::string dateText)
{
    return PrintContext{
        printTexts,
        format,
        std::filesystem::path(std::u8string(settings.BitmapDir.begin(), settings.BitmapDir.end())),
        settings.NameOnPrint,
        settings.NameAddress,
        std::move(dateText),
    };
}

TechnicalPrintOptions TechnicalPrintOptionsOf(const Settings& settings, bool hasPrices, bool includePrices)
{
    return {hasPrices, includePrices, settings.AirFlow, settings.PresssureLoss, settings.Weight, settings.Volume};
}

QuotationTerms QuotationTermsOf(const Settings& settings, int discountPct)
{
    return {settings.LeadTime, settings.Delivery, settings.Payment, settings.UserName, discountPct};
}

}  // namespace kr
