#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/quote/price_type.h"
#include "core/settings/atomic_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kr {

// Why a price disk file is refused before it replaces the price file.
enum class PriceDiskFault {
    None,
    Unreadable,     // it cannot be opened or read; Reason says why
    NoHeader,       // shorter than one record, so it has no header
    PartialRecord,  // its size is not a whole number of records: cut off, or no price file
};

// What a price disk file was found to be.
struct PriceDiskCheck {
    std::filesystem::path File;
    PriceDiskFault Fault = PriceDiskFault::None;
    std::error_code Reason;   // the system's reason of an unreadable file
    std::uintmax_t Size = 0;  // bytes
    tPriceType Header;        // read unless the file is unreadable or has no header

    bool Fit() const { return Fault == PriceDiskFault::None; }
};

// Reads the size and the header of a price disk file, not its items: what
// the update dialog shows when the file is chosen.
PriceDiskCheck CheckPriceDisk(const std::filesystem::path& file);

// The same verdict on the bytes of a file already read.
PriceDiskCheck CheckPriceDiskBytes(const std::filesystem::path& file, std::string_view bytes);

// The header as the update dialog lists it: four lines, each the label text
// of the screen language, a tab and the value (issue date, disk number,
// publisher, end of validity).
std::vector<std::string> PriceDiskHeaderLines(const tPriceType& header, const LanguageTable& texts);

// What the update did to the price file.
struct PriceFileReplacement {
    PriceDiskCheck Source;    // the price disk file as it was read for the copy
    FileWriteResult Written;  // the write of the price file, once the source was fit

    bool Replaced() const { return Source.Fit() && Written.Ok(); }
};

// Replaces the price file with a price disk file. The source is read once
// and checked, and exactly the bytes checked are written, so a file that
// changes after it was chosen cannot slip through. The write goes to a
// temporary file beside the price file, is flushed and renamed over it: a
// refused source or a failed write leaves the old price file whole.
PriceFileReplacement ReplacePriceFile(const std::filesystem::path& source, const std::filesystem::path& priceFile);

// What to tell the user about a refused price disk file, in the screen
// language: why, and that the present prices are kept. Empty for a fit file.
std::string PriceDiskRefusalText(const PriceDiskCheck& check, const LanguageTable& texts,
                                 const FormatSettings& settings);

// Why the price file was not replaced: the refusal of the source, or the
// price file error with the reason the write failed; then that the present
// prices are kept. Empty when it was replaced.
std::string PriceUpdateFailureText(const PriceFileReplacement& replacement, const LanguageTable& texts,
                                   const FormatSettings& settings);

}  // namespace kr
