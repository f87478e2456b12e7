#pragma once

#include <map>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace kr::cli {

inline constexpr int FailureExitCode = 1;
inline constexpr int UsageExitCode = 64;

// What every option name begins with.
inline constexpr std::string_view OptionPrefix = "--";

// The options of one sub-command: "--name value" pairs and "--flag"s.
struct Options {
    std::map<std::string, std::string, std::less<>> Values;
    std::set<std::string, std::less<>> Flags;

    bool Has(std::string_view name) const { return Values.contains(name); }
    std::string Value(std::string_view name, std::string_view fallback = {}) const;
    bool Flag(std::string_view name) const { return Flags.contains(name); }
};

// Accepts only the named options, each at most once; anything else, and a
// value option followed by no value or by another option, is a usage error
// written to err.
bool ParseOptions(std::span<const std::string_view> args, std::set<std::string_view> valueOptions,
                  std::set<std::string_view> flagOptions, Options& options, std::ostream& err);

}  // namespace kr::cli
