#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kr {

// One language file: its lines in file order, each split at the first "=".
// Nothing is trimmed; a line without "=" is never found by a lookup.
class LanguageTable {
public:
    LanguageTable() = default;
    explicit LanguageTable(std::vector<std::string> lines);

    // The text of the first line whose key equals the given key, ignoring
    // case; the empty text when there is none.
    std::string Lookup(std::string_view key) const;
    bool Contains(std::string_view key) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    // Case-folded key -> text of its first line.
    std::unordered_map<std::string, std::string> firstTextByKey_;
};

inline constexpr std::string_view UnknownLanguageName = "- Unknown -";

struct Language {
    std::string Name;  // the "LANGUAGE" text, or "- Unknown -"
    LanguageTable Table;
    std::filesystem::path File;
};

using LanguageList = std::vector<Language>;

// Lines are ended by CR LF, a lone CR or a lone LF. The bytes are
// Windows-1252 and become UTF-8.
std::vector<std::string> SplitLanguageLines(std::string_view cp1252);

// Every "*.SPROG" file of the folder (the extension in any letter case,
// hidden files and folders skipped), in file-name order. A file that cannot
// be read is listed with an empty table under "- Unknown -".
LanguageList LoadLanguageList(const std::filesystem::path& dir);

// The first language whose name equals the given one, ignoring case.
const Language* FindLanguage(const LanguageList& list, std::string_view name);

}  // namespace kr
