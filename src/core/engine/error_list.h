#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"

#include <initializer_list>
#include <string>

namespace kr {

// The numbered problem list of one search. Each entry is the language text
// of its key, formatted with the entry's running number (from 1) followed by
// the entry's own arguments, and ended by an empty line ("\r\n\r\n"). The
// checks of a tab and the search after them add to the same list, so the
// numbering carries on.
class ErrorList {
public:
    ErrorList(const LanguageTable& language, const FormatSettings& settings);

    void Add(const TextKey& key, std::initializer_list<FormatArg> arguments = {});

    bool Empty() const { return text_.empty(); }
    int Count() const { return count_; }
    const std::string& Text() const { return text_; }
    const FormatSettings& Settings() const { return settings_; }
    const LanguageTable& Language() const { return *language_; }

private:
    const LanguageTable* language_;
    FormatSettings settings_;
    std::string text_;
    int count_ = 0;
};

inline constexpr std::string_view ErrorEntryEnd = "\r\n\r\n";

}  // namespace kr
