#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/quote/quotation.h"
#include "core/settings/atomic_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kr {

// A saved quotation is a UTF-8 JSON file that names its format and version.
// A reader takes every file of its version or an older one and ignores
// members it does not know; a newer version is refused, never half read.
inline constexpr std::string_view QuotationFileFormat = "krcool-quotation";
inline constexpr int QuotationFileVersion = 1;
inline constexpr std::string_view QuotationFileSuffix = ".krq";  // file name suffix offered by dialogs

// The fields typed on the quotation tab.
struct QuotationHeader {
    std::vector<std::string> Receiver;  // the receiver's name and address, line by line
    std::string Att, YourRef, OurRef, Date, QuotationNr;

    bool operator==(const QuotationHeader&) const = default;
};

struct SavedQuotation {
    QuotationHeader Header;
    int DiscountPct = 0;  // the discount the offer was made with, 0 to 100
    // ItemNo, Designation, Quantity, UnitPrice and Currency are saved;
    // Total is worked out on reading, as the grid shows it.
    std::vector<QuotationItem> Items;
};

enum class QuotationFileProblem { None, Unreadable, NotAQuotation, NewerVersion, Damaged };

struct QuotationFileRead {
    QuotationFileProblem Problem = QuotationFileProblem::None;
    // Unreadable: the system's reason; NotAQuotation and Damaged: what is
    // wrong, naming the member or the place in the text.
    std::string Detail;
    int Version = 0;           // the version the file names
    std::error_code Reason{};  // for Unreadable
    SavedQuotation Quotation;  // complete only when Problem is None
};

// The file's text. Prices are written with a '.' decimal point ("1234.50")
// or as "??", so that a file saved with a decimal comma opens anywhere.
std::string QuotationFileText(const SavedQuotation& quotation);

// Reads a file's text; the prices become the texts the grid shows in the
// given format, and items of the same designation are one item.
QuotationFileRead ParseQuotationFile(std::string_view text, const FormatSettings& format);
QuotationFileRead ReadQuotationFile(const std::filesystem::path& file, const FormatSettings& format);

// Replaces the file as a whole: an interrupted write leaves the old file.
FileWriteResult WriteQuotationFile(const std::filesystem::path& file, const SavedQuotation& quotation);

// The message for a file that could not be read, in the given language.
std::string QuotationFileProblemText(const QuotationFileRead& read, const std::string& file,
                                     const LanguageTable& texts, const FormatSettings& format);

// The message for a quotation that could not be saved, with the reason.
std::string QuotationFileWriteText(const FileWriteResult& failed, const std::string& file,
                                   const LanguageTable& texts, const FormatSettings& format);

// The saved form of a quotation made of these items.
SavedQuotation SavedQuotationOf(const QuotationHeader& header, int discountPct, const QuotationItems& items);

// The items of a saved quotation as the tab and the printout hold them.
QuotationItems QuotationItemsOf(const SavedQuotation& quotation, const FormatSettings& format);

}  // namespace kr
