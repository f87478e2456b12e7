#include "cli/options.h"

namespace kr::cli {

std::string Options::Value(std::string_view name, std::string_view fallback) const
{
    const auto found = Values.find(name);
    return found == Values.end() ? std::string(fallback) : found->second;
}

bool ParseOptions(std::span<const std::string_view> args, std::set<std::string_view> valueOptions,
                  std::set<std::string_view> flagOptions, Options& options, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view name = arg;
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (const auto equals = arg.find('='); arg.starts_with(OptionPrefix) && equals != std::string_view::npos) {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
            hasInlineValue = true;
        }
        if (flagOptions.contains(name) && !hasInlineValue) {
            if (!options.Flags.emplace(name).second) {
                err << "krcool: " << name << " is given twice\n";
                return false;
            }
        } else if (valueOptions.contains(name)) {
            // The next argument is the value unless it is an option itself
            // (a negative number has one dash); --name=VALUE takes any value.
            if (!hasInlineValue && (i + 1 >= args.size() || args[i + 1].starts_with(OptionPrefix))) {
                err << "krcool: " << name << " needs a value (one that begins with " << OptionPrefix
                    << " is written " << name << "=VALUE)\n";
                return false;
            }
            const std::string_view value = hasInlineValue ? inlineValue : args[++i];
            if (!options.Values.emplace(std::string(name), std::string(value)).second) {
                err << "krcool: " << name << " is given twice\n";
                return false;
            }
        } else {
            err << "krcool: unknown option " << arg << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace kr::cli
