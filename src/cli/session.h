#pragma once

#include "cli/app_folder.h"
#include "cli/options.h"
#include "core/common/delphi_format.h"
#include "core/data/language.h"

#include <optional>
#include <ostream>
#include <set>
#include <string_view>

namespace kr::cli {

// The options every command on a distribution folder takes:
// --appdir DIR (default: the folder of the executable), --lang NAME
// (default English) and --decimal . or , (default .).
inline const std::set<std::string_view> SessionOptions{"--appdir", "--lang", "--decimal"};

inline constexpr std::string_view DefaultLanguageName = "English";

// The folder loaded, the language its texts come from and the decimal
// separator numbers are read and written with.
struct Session {
    AppFolder Folder;
    LanguageTable Texts;
    FormatSettings Settings;

    char DecimalSeparator() const { return Settings.DecimalSeparator; }
    bool HasPrices() const { return !Folder.Prices.empty(); }
};

struct SessionOpen {
    std::optional<Session> Opened;
    int ExitCode = 0;  // when not opened
};

// Loads the folder the options name and picks the language. A failure is
// written to err in the program's own words where it has them.
SessionOpen OpenSession(const Options& options, std::ostream& err);

// Both options sets joined, for ParseOptions.
std::set<std::string_view> WithSessionOptions(std::set<std::string_view> valueOptions);

}  // namespace kr::cli
